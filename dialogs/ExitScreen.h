#pragma once

#include "site/Referral.h"

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

namespace dialogs {

// What the exit screen asks of the outside world.
struct ExitScreenServices {
    services::Browser &browser;
    services::MessageBoxes &messages;
    services::Clock &clock;
    services::RandomGenerator &random;
};

// The exit screen: the program's last window, with a word from the maker and a
// refer-a-friend form. Closing it ends the program.
class ExitScreen final : public QWidget {
    Q_OBJECT

public:
    explicit ExitScreen(ExitScreenServices services, QWidget *parent = nullptr);

    // Caption and icon, one of the promotional texts, then shown above everything else.
    void present();
    int promotionNumber() const { return m_promotion; }

    void submitReferral();
    // The values the last submission stored.
    const site::Referral &storedReferral() const { return m_referral; }

    static QString promotionText(int number);

Q_SIGNALS:
    // By the Exit button or the close box; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildReferralFrame();
    void buildSoftwareFrame();
    void onVisitSiteToggled(bool ticked);
    QString placeholderOf(QObject *box) const;
    QString textOf(QObject *box) const;
    void setTextOf(QObject *box, const QString &text);
    void refuse(const QString &message);

    ExitScreenServices m_services;
    site::Referral m_referral;
    int m_promotion = 0;
    QLabel *m_icon;
    QLabel *m_caption;
    QLabel *m_promotionText;
    QCheckBox *m_visitSiteBox;
    QPushButton *m_exitButton;
    QGroupBox *m_referralFrame;
    QLineEdit *m_yourName;
    QLineEdit *m_yourEmail;
    QLineEdit *m_friendName;
    QLineEdit *m_friendEmail;
    QPlainTextEdit *m_message;
    QPushButton *m_referButton;
    ui::LinkLabel *m_homeLink;
};

} // namespace dialogs
