#include "rules/CardHold.h"

#include "services/Clock.h"
#include "settings/SettingKeys.h"
#include "settings/SettingValues.h"
#include "settings/SettingsStore.h"

namespace rules {

using services::Busy;

bool waitsWhileBusy(const settings::SettingsStore &store)
{
    return settings::lenientBoolean(store.read(settings::keys::WaitWhileBusy));
}

CardHold::CardHold(services::DesktopState &desktop, const services::Clock &clock,
                   const settings::SettingsStore &store, QObject *parent)
    : QObject(parent), m_desktop(desktop), m_clock(clock), m_store(store)
{
    connect(&m_desktop, &services::DesktopState::mayHaveChanged, this, &CardHold::lookAgain);
}

void CardHold::cardDue()
{
    const quint64 question = ++m_question;
    if (!waitsWhileBusy(m_store)) {
        stopHolding();
        Q_EMIT bringUp(true);
        return;
    }
    // Due again while held (a reminder): told of again, as a new card is.
    m_notified = false;
    m_dueDay = m_clock.today();
    m_desktop.ask([this, question](Busy busy) { answered(question, busy); });
}

void CardHold::lookAgain()
{
    if (!isHolding())
        return;
    const quint64 question = ++m_question;
    m_desktop.ask([this, question](Busy busy) { answered(question, busy); });
}

void CardHold::answered(quint64 question, Busy busy)
{
    if (question != m_question)
        return;
    if (m_dueDay != m_clock.today()) {
        stopHolding();
        return;
    }
    switch (busy) {
    case Busy::No:
        stopHolding();
        Q_EMIT bringUp(!m_notified);
        break;
    case Busy::DoNotDisturb:
        hold();
        if (!std::exchange(m_notified, true))
            Q_EMIT notifyQuietly();
        break;
    case Busy::FullScreen: hold(); break;
    }
}

void CardHold::hold()
{
    if (std::exchange(m_holding, true))
        return;
    m_desktop.startWatching();
    Q_EMIT holdingChanged(true);
}

void CardHold::release()
{
    ++m_question;
    stopHolding();
}

void CardHold::dayEnded()
{
    if (m_dueDay < m_clock.today()) {
        ++m_question;
        stopHolding();
    }
}

void CardHold::stopHolding()
{
    if (!std::exchange(m_holding, false))
        return;
    m_desktop.stopWatching();
    Q_EMIT holdingChanged(false);
}

} // namespace rules
