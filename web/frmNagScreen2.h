#pragma once

#include "web/modTellAFriend.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace services {
class Browser;
class Clock;
class MessageBoxes;
class RandomGenerator;
} // namespace services
namespace ui {
class LinkLabel;
}

namespace web {

// What the exit screen asks of the outside world.
struct ExitScreenServices {
    services::Browser &browser;
    services::MessageBoxes &messages;
    services::Clock &clock;
    services::RandomGenerator &random;
};

// The exit screen: the program's last window, with a word from the maker and a
// refer-a-friend form. Closing it ends the program.
class frmNagScreen2 final : public QWidget {
    Q_OBJECT

public:
    explicit frmNagScreen2(ExitScreenServices services, QWidget *parent = nullptr);

    // Caption and icon, one of the promotional texts, then shown above everything else.
    void Form_Load();
    int promotionNumber() const { return m_promotion; }

    void cmdSubmit_Click();
    // The values the last submission stored.
    const Referral &storedReferral() const { return m_referral; }

    static QString promotionText(int number);

    QLabel *lblNagScreen2Caption;
    QLabel *Label2;
    QCheckBox *Check1;
    QPushButton *cmdClose;
    QGroupBox *Frame2;
    QLineEdit *txtName;
    QLineEdit *txtEmail;
    QLineEdit *txtFriendName;
    QLineEdit *txtFriendEmail;
    QPlainTextEdit *txtMessage;
    QPushButton *cmdSubmit;
    ui::LinkLabel *lblGoToHome;

Q_SIGNALS:
    // By the Exit button or the close box; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildReferralFrame();
    void buildSoftwareFrame();
    void Check1_Click(bool ticked);
    QString placeholderOf(QObject *box) const;
    QString textOf(QObject *box) const;
    void setTextOf(QObject *box, const QString &text);
    void refuse(const QString &message);

    ExitScreenServices m_services;
    Referral m_referral;
    int m_promotion = 0;
    QLabel *m_picIcon;
};

} // namespace web
