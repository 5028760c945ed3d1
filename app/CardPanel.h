#pragma once

#include <QGroupBox>

class QPushButton;

namespace cards {
struct Card;
}

namespace app {

class CardPicture;
class FittedLabel;

// The card panel: the card for the day with its name, period, keywords and reading.
class CardPanel final : public QGroupBox {
    Q_OBJECT

public:
    explicit CardPanel(QWidget *parent);

    CardPicture *picCard;
    FittedLabel *lblCardName;
    FittedLabel *lblAlternativeName;
    FittedLabel *lblKeywards;
    FittedLabel *lblCardDesc;
    QPushButton *cmdSettings;
};

} // namespace app
