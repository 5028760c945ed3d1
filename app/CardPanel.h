#pragma once

#include <QGroupBox>

class QPushButton;

namespace cards {
struct Card;
}

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

    CardPicture *picCard;
    ui::FittedLabel *lblCardName;
    ui::FittedLabel *lblAlternativeName;
    ui::FittedLabel *lblKeywards;
    ui::FittedLabel *lblCardDesc;
    QPushButton *cmdSettings;
};

} // namespace app
