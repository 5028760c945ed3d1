#pragma once

#include "services/DesktopState.h"

#include <QDate>
#include <QObject>

namespace services {
class Clock;
}
namespace settings {
class SettingsStore;
}

namespace rules {

// Holds the card while the person is busy when it falls due (the display second or a reminder),
// and brings it up once they are free. Only a held card makes the desktop be watched.
class CardHold final : public QObject {
    Q_OBJECT

public:
    CardHold(services::DesktopState &desktop, const services::Clock &clock,
             const settings::SettingsStore &store, QObject *parent);

    // The card is due now.
    void cardDue();
    // The user brought the card up, or put it off: nothing is held any more.
    void release();
    // The wall clock passed midnight: a card held since an earlier day is dropped.
    void dayEnded();

    bool isHolding() const { return m_holding; }

Q_SIGNALS:
    // Up with the card, as at the display time; with its notification when `notify`.
    void bringUp(bool notify);
    // Held under do-not-disturb: the notification alone, which the desktop keeps quietly.
    void notifyQuietly();
    void holdingChanged(bool holding);

private:
    void answered(quint64 question, services::Busy busy);
    void lookAgain();
    void hold();
    void stopHolding();

    services::DesktopState &m_desktop;
    const services::Clock &m_clock;
    const settings::SettingsStore &m_store;
    QDate m_dueDay;
    bool m_holding = false;
    // The notification went out while the card was held.
    bool m_notified = false;
    // Answers to an earlier question than the last one are stale.
    quint64 m_question = 0;
};

// "Wait while I'm busy", on unless the stored value says otherwise.
bool waitsWhileBusy(const settings::SettingsStore &store);

} // namespace rules
