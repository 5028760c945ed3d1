#include "dialogs/ExitScreen.h"

#include "services/Clock.h"
#include "services/MessageBoxes.h"
#include "services/RandomGenerator.h"
#include "site/Referral.h"
#include "site/SitePages.h"
#include "ui/Accessibility.h"
#include "ui/Colours.h"
#include "ui/FittedLabel.h"
#include "ui/Geometry.h"
#include "ui/HandCursor.h"
#include "ui/LinkLabel.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramWindow.h"
#include "ui/PushButton.h"
#include "ui/Typeface.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>

using namespace Qt::StringLiterals;

namespace dialogs {

namespace {

// Generous for what people type, and small enough that the address, even with every character
// encoded as UTF-8 in nine bytes, stays far inside what a launched browser's argument may hold.
constexpr int kNameLength = 100;
constexpr int kEmailLength = 254; // the longest address mail can deliver
constexpr int kMessageLength = 1000;

constexpr std::array<const char *, 4> kPromotions = {
    QT_TRANSLATE_NOOP("dialogs::ExitScreen",
                      "Quellmoor Softwares, such as this can be created and maintained only with "
                      "your support. The best way to support Quellmoor is to visit Quellmoor "
                      "regularly and take part in the discussions and other activities on the "
                      "board."),
    QT_TRANSLATE_NOOP("dialogs::ExitScreen",
                      "Visit Quellmoor regularly. Support Quellmoor by taking part in the "
                      "discussions and other activities. These softwares cannot be supported and "
                      "maintained, without you regularly visiting Quellmoor"),
    QT_TRANSLATE_NOOP("dialogs::ExitScreen",
                      "Quellmoor is a FREE online discussion forum for all things mystic. To "
                      "help Quellmoor develop and maintain this software visit Quellmoor "
                      "regularly."),
    QT_TRANSLATE_NOOP("dialogs::ExitScreen",
                      "Quellmoor needs your help. All you need to do is visit Quellmoor "
                      "regularly and take part in the various discussions and activites to help "
                      "us maintain and develop more Quellmoor Softwares."),
};

QGroupBox *addNavyFrame(QWidget *parent, const QString &caption, const QRect &geometry)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setAccessibleName(caption);
    ui::setColour(frame, QPalette::Window, ui::colours::Navy);
    ui::setColour(frame, QPalette::WindowText, Qt::white);
    frame->setGeometry(geometry);
    // Above the first row of what the frame holds.
    ui::fitFrameTitle(frame, ui::programFont(9.75, true), ui::fromTwips(360) - 1);
    return frame;
}

// Never shorter than the font needs, so typed text is never cut; the font shrinks where the
// rows would otherwise run into each other.
void placeBox(QWidget *box, const QFont &font, const QRect &geometry)
{
    constexpr int kRowGap = 2;
    const int tallest = ui::fromTwips(360) - kRowGap;
    ui::fitWidgetFont(box, font, QSize(geometry.width(), tallest + 2));
    box->setGeometry(
        QRect(geometry.topLeft(),
              QSize(geometry.width(), std::clamp(box->sizeHint().height() - 2, geometry.height(),
                                                 std::max(geometry.height(), tallest)))));
}

} // namespace

QString ExitScreen::promotionText(int number)
{
    return tr(kPromotions.at(static_cast<std::size_t>(number)));
}

ExitScreen::ExitScreen(ExitScreenServices services, QWidget *parent)
    : QWidget(parent, Qt::Window), m_services(services)
{
    ui::giveCloseBoxOnly(this);
    // A plain widget would be read as a part of something, not as a window of its own.
    ui::readAs(this, QAccessible::Window);
    setWindowRole(u"exit-screen"_s);
    setFixedSize(ui::twipsRect(0, 0, 11115, 4725).size());
    ui::setColour(this, QPalette::Window, Qt::white);
    setFont(ui::programFont(8.25));

    m_icon = new QLabel(this);
    m_icon->setGeometry(ui::twipsRect(360, 120, 540, 540));
    m_icon->setAccessibleName(QStringLiteral(TARVELLE_NAME));

    m_caption = new QLabel(this);
    QFont captionFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    captionFont.setPointSizeF(18.0);
    m_caption->setFont(captionFont);
    // Sized to its text, within the room left of the software frame and above the promotion.
    m_caption->setGeometry(ui::twipsRect(1080, 240, 6000, 560).translated(0, -4));

    m_promotionText = new QLabel(this);
    m_promotionText->setWordWrap(true);
    m_promotionText->setTextFormat(Qt::PlainText);
    m_promotionText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_promotionText->setGeometry(ui::twipsRect(120, 840, 6975, 1095));

    m_visitSiteBox =
        new QCheckBox(tr("Click Here To Visit %1 Now").arg(site::siteHostName()), this);
    ui::setColour(m_visitSiteBox, QPalette::WindowText, ui::colours::DarkBlue);
    m_visitSiteBox->setCursor(ui::pointingHandCursor());
    m_visitSiteBox->setGeometry(ui::twipsRect(30, 2040, 7185, 555));
    ui::fitWidgetFont(m_visitSiteBox, ui::programFont(14.25), m_visitSiteBox->size());

    m_exitButton = ui::newPushButton(tr("E&xit"), this);
    m_exitButton->setGeometry(ui::twipsRect(6000, 2760, 1245, 375));
    ui::fitWidgetFont(m_exitButton, ui::programFont(8.25), m_exitButton->size());

    buildReferralFrame();
    buildSoftwareFrame();

    setTabOrder(m_exitButton, m_visitSiteBox);
    setTabOrder(m_visitSiteBox, m_yourName);
    setTabOrder(m_yourName, m_referButton);
    setTabOrder(m_referButton, m_yourEmail);
    setTabOrder(m_yourEmail, m_friendEmail);
    setTabOrder(m_friendEmail, m_friendName);
    setTabOrder(m_friendName, m_message);
    m_exitButton->setFocus();

    m_caption->setObjectName(u"caption"_s);
    m_promotionText->setObjectName(u"promotionText"_s);
    m_visitSiteBox->setObjectName(u"visitSiteBox"_s);
    m_exitButton->setObjectName(u"exitButton"_s);
    m_referralFrame->setObjectName(u"referralFrame"_s);
    m_yourName->setObjectName(u"yourName"_s);
    m_yourEmail->setObjectName(u"yourEmail"_s);
    m_friendName->setObjectName(u"friendName"_s);
    m_friendEmail->setObjectName(u"friendEmail"_s);
    m_message->setObjectName(u"message"_s);
    m_referButton->setObjectName(u"referButton"_s);
    m_homeLink->setObjectName(u"homeLink"_s);

    connect(m_exitButton, &QPushButton::clicked, this, &ExitScreen::closed);
    connect(m_referButton, &QPushButton::clicked, this, &ExitScreen::submitReferral);
    connect(m_visitSiteBox, &QCheckBox::toggled, this, &ExitScreen::onVisitSiteToggled);
    connect(m_homeLink, &ui::LinkLabel::clicked, this,
            [this] { site::openSitePage(m_services.browser, site::pages::QuellmoorSoftwares); });
}

void ExitScreen::buildReferralFrame()
{
    m_referralFrame =
        addNavyFrame(this, tr("Refer A Friend"), ui::twipsRect(120, 3240, 7065, 1455));
    const auto addBox = [this](const QString &placeholder, const QRect &geometry, int length) {
        auto *box = new QLineEdit(placeholder, m_referralFrame);
        box->setMaxLength(length);
        box->setAccessibleName(placeholder);
        box->setProperty("placeholder", placeholder);
        placeBox(box, ui::programFont(8.25), geometry);
        box->installEventFilter(this);
        return box;
    };
    m_yourName = addBox(site::referralCaption(site::ReferralBox::Name),
                        ui::twipsRect(85, 360, 3375, 285), kNameLength);
    m_yourEmail = addBox(site::referralCaption(site::ReferralBox::Email),
                         ui::twipsRect(3600, 360, 3375, 285), kEmailLength);
    m_friendName = addBox(site::referralCaption(site::ReferralBox::FriendName),
                          ui::twipsRect(85, 720, 3375, 285), kNameLength);
    m_friendEmail = addBox(site::referralCaption(site::ReferralBox::FriendEmail),
                           ui::twipsRect(3600, 720, 3375, 285), kEmailLength);

    m_referButton = ui::newPushButton(tr("Refer A Friend &Now"), m_referralFrame);
    placeBox(m_referButton, ui::programFont(8.25, true), ui::twipsRect(1920, 1080, 3375, 285));
    ui::setColour(m_referButton, QPalette::WindowText, Qt::black);

    // Lies outside the frame's visible part; it still carries a message with every referral.
    m_message = new QPlainTextEdit(m_referralFrame);
    // Before any text: the text's own change makes Qt describe the box to a listening reader.
    ui::readAsUnseen(m_message, QAccessible::EditableText);
    const QString messageCaption = site::referralCaption(site::ReferralBox::Message);
    m_message->setPlainText(messageCaption + u'\n');
    m_message->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_message->setTabChangesFocus(true);
    m_message->setProperty("placeholder", messageCaption);
    m_message->setAccessibleName(messageCaption);
    m_message->setGeometry(ui::twipsRect(4800, 3600, 1815, 495));
    m_message->installEventFilter(this);
    // A plain text box has no length of its own to keep to.
    connect(m_message, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = m_message->toPlainText();
        if (text.size() > kMessageLength) {
            m_message->setPlainText(text.left(kMessageLength));
            m_message->moveCursor(QTextCursor::End);
        }
    });
}

void ExitScreen::buildSoftwareFrame()
{
    QGroupBox *softwareFrame = addNavyFrame(this, tr("Download Quellmoor Softwares"),
                                            ui::twipsRect(7320, 120, 3735, 4575));
    auto *softwareText = new QLabel(softwareFrame);
    softwareText->setTextFormat(Qt::PlainText);
    softwareText->setWordWrap(true);
    softwareText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    softwareText->setText(
        tr("If you have enjoyed this software you will surely be interested in our "
           "other Quellmoor Softwares. We make programs for astrology and horoscopes, "
           "psychic readings, tarot spreads, numerology and many other corners of the "
           "occult, each made to be as welcoming as this one.\n\nAll of them are "
           "simple and easy to use, fun and informative. Try them for yourself, and "
           "share what you discover with your friends and family."));
    softwareText->setGeometry(ui::twipsRect(120, 360, 3495, 3855));
    ui::setColour(softwareText, QPalette::WindowText, Qt::white);
    ui::fitLabelFont(softwareText, ui::programFont(9.0));

    m_homeLink = new ui::LinkLabel(softwareFrame);
    m_homeLink->setText(tr("Click Here To Visit Quellmoor Softwares"));
    m_homeLink->setGeometry(ui::twipsRect(75, 4250, 3585, 210));
    ui::setColour(m_homeLink, QPalette::WindowText, ui::colours::Yellow);
    ui::fitLabelFont(m_homeLink, ui::programFont(9.0, true, true));
}

void ExitScreen::present()
{
    setWindowTitle(ui::programCaption());
    m_caption->setText(ui::programCaption());
    ui::fitLabelFont(m_caption, m_caption->font());
    setWindowIcon(ui::programIcon());
    m_icon->setPixmap(windowIcon().pixmap(m_icon->size()));

    m_services.random.seed(services::seedFromClock(m_services.clock));
    m_promotion = std::min(static_cast<int>(m_services.random.next() * 4.0F), 3);
    m_promotionText->setText(promotionText(m_promotion));
    ui::fitLabelFont(m_promotionText, ui::programFont(9.75, true));

    ui::centreOnScreen(this);
    ui::makeTopmost(this);
}

void ExitScreen::onVisitSiteToggled(bool ticked)
{
    if (!ticked)
        return;
    // Cleared at once, so each click opens the page once and the box never stays ticked.
    m_visitSiteBox->setChecked(false);
    site::openSitePage(m_services.browser, site::pages::HomePage);
}

void ExitScreen::refuse(const QString &message)
{
    m_services.messages.show(
        {message, services::MessageBoxes::Icon::Critical, services::MessageBoxes::Buttons::Ok});
}

void ExitScreen::submitReferral()
{
    m_referral = {site::trimSpaces(m_yourName->text()), site::trimSpaces(m_yourEmail->text()),
                  site::trimSpaces(textOf(m_message)), site::trimSpaces(m_friendName->text()),
                  site::trimSpaces(m_friendEmail->text())};
    if (const std::optional<QString> refusal = site::emailRefusal(m_referral)) {
        refuse(*refusal);
        return;
    }
    site::sendReferral(m_referral, m_services.messages, m_services.browser);
}

QString ExitScreen::placeholderOf(QObject *box) const
{
    return box->property("placeholder").toString();
}

QString ExitScreen::textOf(QObject *box) const
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return line->text();
    // A multi-line box's lines end in CR LF, as the site has always received them.
    return static_cast<QPlainTextEdit *>(box)->toPlainText().replace(u'\n', "\r\n"_L1);
}

void ExitScreen::setTextOf(QObject *box, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(text);
    else
        static_cast<QPlainTextEdit *>(box)->setPlainText(text);
}

bool ExitScreen::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (site::trimSpaces(textOf(watched)) == placeholderOf(watched))
            setTextOf(watched, {});
        break;
    case QEvent::FocusOut:
        if (site::trimSpaces(textOf(watched)).isEmpty())
            setTextOf(watched, placeholderOf(watched));
        break;
    case QEvent::KeyPress:
        if ((watched == m_yourEmail || watched == m_friendEmail)
            && static_cast<QKeyEvent *>(event)->text() == u" "_s) {
            refuse(tr("Email Address Cannot Contain Space"));
            static_cast<QWidget *>(watched)->setFocus();
            return true;
        }
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void ExitScreen::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed();
}

} // namespace dialogs
