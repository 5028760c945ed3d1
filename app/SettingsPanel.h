#pragma once

#include <QGroupBox>

namespace app {

class CardPicture;

// The settings panel: display time, start-up choices and the card for the day.
class SettingsPanel final : public QGroupBox {
    Q_OBJECT

public:
    explicit SettingsPanel(QWidget *parent);

    CardPicture *picCard2;
};

} // namespace app
