#pragma once

#include "rules/PanelChoices.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace app {

class CardPicture;

// The settings panel: display time, start-up choices and the card for the day. It only shows
// the choices and reports what the user does; rules::PanelChoices runs the handlers.
class SettingsPanel final : public QGroupBox {
    Q_OBJECT

public:
    explicit SettingsPanel(QWidget *parent);

    // Mirrors `choices` without reporting anything: their handlers have already run.
    void showChoices(const rules::PanelChoices &choices);
    void showCard(int index);
    void focusHourList();

Q_SIGNALS:
    void startUpOptionSelected(bool runAtStartUp);
    void trayBoxToggled(bool ticked);
    // Only a pick by the user; setting the lists from the store reports nothing.
    void timePicked(rules::PanelChoices::TimeList list, int entry);
    void showCardRequested();

private:
    void connectControls();

    CardPicture *m_picture;
    QComboBox *m_hourList;
    QComboBox *m_minuteList;
    QComboBox *m_secondList;
    QRadioButton *m_runAtStartUp;
    QCheckBox *m_startInTray;
    QRadioButton *m_dontRunAtStartUp;
    QPushButton *m_showCardButton;
};

} // namespace app
