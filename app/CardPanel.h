#pragma once

#include <QGroupBox>

class QPushButton;

namespace ui {
class FittedLabel;
}

namespace app {

class CardPicture;

// The card panel: the card for the day with its name, period, keywords and reading.
class CardPanel final : public QGroupBox {
    Q_OBJECT

public:
    explicit CardPanel(QWidget *parent);

    // Card `index` (1 to 52) with everything the deck says of it.
    void showCard(int index);
    void focusSettingsButton();

Q_SIGNALS:
    void settingsRequested();

private:
    CardPicture *m_picture;
    ui::FittedLabel *m_name;
    ui::FittedLabel *m_period;
    ui::FittedLabel *m_keywords;
    ui::FittedLabel *m_reading;
    QPushButton *m_settingsButton;
};

} // namespace app
