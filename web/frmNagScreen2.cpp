#include "web/frmNagScreen2.h"

#include "services/Clock.h"
#include "services/MessageBoxes.h"
#include "services/RandomGenerator.h"
#include "ui/Accessibility.h"
#include "ui/Colours.h"
#include "ui/FittedLabel.h"
#include "ui/Geometry.h"
#include "ui/HandCursor.h"
#include "ui/LinkLabel.h"
#include "ui/MakeTopmost.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramWindow.h"
#include "ui/PushButton.h"
#include "ui/Typeface.h"
#include "web/SitePages.h"

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

namespace web {

namespace {

// Generous for what people type, and small enough that the address, even with every character
// encoded as UTF-8 in nine bytes, stays far inside what a launched browser's argument may hold.
constexpr int kNameLength = 100;
constexpr int kEmailLength = 254; // the longest address mail can deliver
constexpr int kMessageLength = 1000;

constexpr std::array<const char *, 4> kPromotions = {
    "Quellmoor Softwares, such as this can be created and maintained only with your support. The "
    "best way to support Quellmoor is to visit Quellmoor regularly and take part in the "
    "discussions and other activities on the board.",
    "Visit Quellmoor regularly. Support Quellmoor by taking part in the discussions and other "
    "activities. These softwares cannot be supported and maintained, without you regularly "
    "visiting Quellmoor",
    "Quellmoor is a FREE online discussion forum for all things mystic. To help Quellmoor develop "
    "and maintain this software visit Quellmoor regularly.",
    "Quellmoor needs your help. All you need to do is visit Quellmoor regularly and take part in "
    "the various discussions and activites to help us maintain and develop more Quellmoor "
    "Softwares.",
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

QString frmNagScreen2::promotionText(int number)
{
    return QString::fromLatin1(kPromotions.at(static_cast<std::size_t>(number)));
}

frmNagScreen2::frmNagScreen2(ExitScreenServices services, QWidget *parent)
    : QWidget(parent, Qt::Window), m_services(services)
{
    ui::giveCloseBoxOnly(this);
    // A plain widget would be read as a part of something, not as a window of its own.
    ui::readAs(this, QAccessible::Window);
    setWindowRole(u"exit-screen"_s);
    setFixedSize(ui::twipsRect(0, 0, 11115, 4725).size());
    ui::setColour(this, QPalette::Window, Qt::white);
    setFont(ui::programFont(8.25));

    m_picIcon = new QLabel(this);
    m_picIcon->setGeometry(ui::twipsRect(360, 120, 540, 540));
    m_picIcon->setAccessibleName(QStringLiteral(TARVELLE_NAME));

    lblNagScreen2Caption = new QLabel(this);
    QFont captionFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    captionFont.setPointSizeF(18.0);
    lblNagScreen2Caption->setFont(captionFont);
    // Sized to its text, within the room left of the software frame and above the promotion.
    lblNagScreen2Caption->setGeometry(ui::twipsRect(1080, 240, 6000, 560).translated(0, -4));

    Label2 = new QLabel(this);
    Label2->setWordWrap(true);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setGeometry(ui::twipsRect(120, 840, 6975, 1095));

    Check1 = new QCheckBox(u"Click Here To Visit "_s + SiteHostName() + u" Now"_s, this);
    ui::setColour(Check1, QPalette::WindowText, ui::colours::DarkBlue);
    Check1->setCursor(ui::pointingHandCursor());
    Check1->setGeometry(ui::twipsRect(30, 2040, 7185, 555));
    ui::fitWidgetFont(Check1, ui::programFont(14.25), Check1->size());

    cmdClose = ui::newPushButton(u"E&xit"_s, this);
    cmdClose->setGeometry(ui::twipsRect(6000, 2760, 1245, 375));
    ui::fitWidgetFont(cmdClose, ui::programFont(8.25), cmdClose->size());

    buildReferralFrame();
    buildSoftwareFrame();

    setTabOrder(cmdClose, Check1);
    setTabOrder(Check1, txtName);
    setTabOrder(txtName, cmdSubmit);
    setTabOrder(cmdSubmit, txtEmail);
    setTabOrder(txtEmail, txtFriendEmail);
    setTabOrder(txtFriendEmail, txtFriendName);
    setTabOrder(txtFriendName, txtMessage);
    cmdClose->setFocus();

    connect(cmdClose, &QPushButton::clicked, this, &frmNagScreen2::closed);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
    connect(Check1, &QCheckBox::toggled, this, &frmNagScreen2::Check1_Click);
    connect(lblGoToHome, &ui::LinkLabel::clicked, this,
            [this] { OpenSitePage(m_services.browser, pages::QuellmoorSoftwares); });
}

void frmNagScreen2::buildReferralFrame()
{
    Frame2 = addNavyFrame(this, u"Refer A Friend"_s, ui::twipsRect(120, 3240, 7065, 1455));
    const auto addBox = [this](const QString &placeholder, const QRect &geometry, int length) {
        auto *box = new QLineEdit(placeholder, Frame2);
        box->setMaxLength(length);
        box->setAccessibleName(placeholder);
        box->setProperty("placeholder", placeholder);
        placeBox(box, ui::programFont(8.25), geometry);
        box->installEventFilter(this);
        return box;
    };
    txtName = addBox(u"Your Name"_s, ui::twipsRect(85, 360, 3375, 285), kNameLength);
    txtEmail = addBox(u"Your Email Address"_s, ui::twipsRect(3600, 360, 3375, 285), kEmailLength);
    txtFriendName = addBox(u"Friend's Name"_s, ui::twipsRect(85, 720, 3375, 285), kNameLength);
    txtFriendEmail =
        addBox(u"Friend's Email Address"_s, ui::twipsRect(3600, 720, 3375, 285), kEmailLength);

    cmdSubmit = ui::newPushButton(u"Refer A Friend &Now"_s, Frame2);
    placeBox(cmdSubmit, ui::programFont(8.25, true), ui::twipsRect(1920, 1080, 3375, 285));
    ui::setColour(cmdSubmit, QPalette::WindowText, Qt::black);

    // Lies outside the frame's visible part; it still carries a message with every referral.
    txtMessage = new QPlainTextEdit(Frame2);
    // Before any text: the text's own change makes Qt describe the box to a listening reader.
    ui::readAsUnseen(txtMessage, QAccessible::EditableText);
    txtMessage->setPlainText(u"Your Message\n"_s);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    txtMessage->setProperty("placeholder", u"Your Message"_s);
    txtMessage->setAccessibleName(u"Your Message"_s);
    txtMessage->setGeometry(ui::twipsRect(4800, 3600, 1815, 495));
    txtMessage->installEventFilter(this);
    // A plain text box has no length of its own to keep to.
    connect(txtMessage, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = txtMessage->toPlainText();
        if (text.size() > kMessageLength) {
            txtMessage->setPlainText(text.left(kMessageLength));
            txtMessage->moveCursor(QTextCursor::End);
        }
    });
}

void frmNagScreen2::buildSoftwareFrame()
{
    QGroupBox *frame6 =
        addNavyFrame(this, u"Download Quellmoor Softwares"_s, ui::twipsRect(7320, 120, 3735, 4575));
    auto *label3 = new QLabel(frame6);
    label3->setTextFormat(Qt::PlainText);
    label3->setWordWrap(true);
    label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label3->setText(
        u"If you have enjoyed this software you will surely be interested in our other Quellmoor "
        u"Softwares. We make programs for astrology and horoscopes, psychic readings, tarot "
        u"spreads, numerology and many other corners of the occult, each made to be as "
        u"welcoming as this one.\n\n"
        u"All of them are simple and easy to use, fun and informative. Try them for yourself, "
        u"and share what you discover with your friends and family."_s);
    label3->setGeometry(ui::twipsRect(120, 360, 3495, 3855));
    ui::setColour(label3, QPalette::WindowText, Qt::white);
    ui::fitLabelFont(label3, ui::programFont(9.0));

    lblGoToHome = new ui::LinkLabel(frame6);
    lblGoToHome->setText(u"Click Here To Visit Quellmoor Softwares"_s);
    lblGoToHome->setGeometry(ui::twipsRect(75, 4250, 3585, 210));
    ui::setColour(lblGoToHome, QPalette::WindowText, ui::colours::Yellow);
    ui::fitLabelFont(lblGoToHome, ui::programFont(9.0, true, true));
}

void frmNagScreen2::Form_Load()
{
    setWindowTitle(ui::programCaption());
    lblNagScreen2Caption->setText(ui::programCaption());
    ui::fitLabelFont(lblNagScreen2Caption, lblNagScreen2Caption->font());
    setWindowIcon(ui::programIcon());
    m_picIcon->setPixmap(windowIcon().pixmap(m_picIcon->size()));

    m_services.random.seed(services::seedFromClock(m_services.clock));
    m_promotion = std::min(static_cast<int>(m_services.random.next() * 4.0F), 3);
    Label2->setText(promotionText(m_promotion));
    ui::fitLabelFont(Label2, ui::programFont(9.75, true));

    ui::centreOnScreen(this);
    ui::MakeTopmost(this);
}

void frmNagScreen2::Check1_Click(bool ticked)
{
    if (!ticked)
        return;
    // Cleared at once, so each click opens the page once and the box never stays ticked.
    Check1->setChecked(false);
    OpenSitePage(m_services.browser, pages::HomePage);
}

void frmNagScreen2::refuse(const QString &message)
{
    m_services.messages.show(
        {message, services::MessageBoxes::Icon::Critical, services::MessageBoxes::Buttons::Ok});
}

void frmNagScreen2::cmdSubmit_Click()
{
    m_referral = {trimSpaces(txtName->text()), trimSpaces(txtEmail->text()),
                  trimSpaces(textOf(txtMessage)), trimSpaces(txtFriendName->text()),
                  trimSpaces(txtFriendEmail->text())};
    if (const std::optional<QString> refusal = emailRefusal(m_referral)) {
        refuse(*refusal);
        return;
    }
    SendReferral(m_referral, m_services.messages, m_services.browser);
}

QString frmNagScreen2::placeholderOf(QObject *box) const
{
    return box->property("placeholder").toString();
}

QString frmNagScreen2::textOf(QObject *box) const
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return line->text();
    // A multi-line box's lines end in CR LF, as the site has always received them.
    return static_cast<QPlainTextEdit *>(box)->toPlainText().replace(u'\n', "\r\n"_L1);
}

void frmNagScreen2::setTextOf(QObject *box, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(text);
    else
        static_cast<QPlainTextEdit *>(box)->setPlainText(text);
}

bool frmNagScreen2::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (trimSpaces(textOf(watched)) == placeholderOf(watched))
            setTextOf(watched, {});
        break;
    case QEvent::FocusOut:
        if (trimSpaces(textOf(watched)).isEmpty())
            setTextOf(watched, placeholderOf(watched));
        break;
    case QEvent::KeyPress:
        if ((watched == txtEmail || watched == txtFriendEmail)
            && static_cast<QKeyEvent *>(event)->text() == u" "_s) {
            refuse(u"Email Address Cannot Contain Space"_s);
            static_cast<QWidget *>(watched)->setFocus();
            return true;
        }
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmNagScreen2::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed();
}

} // namespace web
