#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace app {

class CardPicture;

// The settings panel: display time, start-up choices and the card for the day.
class SettingsPanel final : public QGroupBox {
    Q_OBJECT

public:
    explicit SettingsPanel(QWidget *parent);

    CardPicture *picCard2;
    QComboBox *cboHour;
    QComboBox *cboMinute;
    QComboBox *cboSecond;
    QRadioButton *optRun;
    QCheckBox *chkSysTray;
    QRadioButton *optDontRun;
    QPushButton *cmdCalculateMoonPhase;
};

} // namespace app
