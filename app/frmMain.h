#pragma once

#include "app/Services.h"

#include <QMainWindow>

class QStackedWidget;

namespace app {

class CardPanel;
class SettingsPanel;

// The main window.
class frmMain final : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(Services services, QWidget *parent = nullptr);

    // The only two ways the card on show changes; both remember it as the card for the day.
    void ShowCard(int index);
    void ShowRandomCard();

    void bringCardPanelToFront();
    void bringSettingsPanelToFront();
    bool isCardPanelInFront() const;

    CardPanel *fraRune;
    SettingsPanel *fraSettings;

private:
    Services m_services;
    QStackedWidget *m_panels;
};

} // namespace app
