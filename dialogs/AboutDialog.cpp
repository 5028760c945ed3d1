#include "dialogs/AboutDialog.h"

#include "site/SitePages.h"
#include "ui/Accessibility.h"
#include "ui/Colours.h"
#include "ui/FittedLabel.h"
#include "ui/Geometry.h"
#include "ui/LinkLabel.h"
#include "ui/ProgramIcon.h"
#include "ui/ProgramWindow.h"
#include "ui/Typeface.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace dialogs {

namespace {

QLabel *addText(QWidget *parent, const QString &text, const QFont &font, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    ui::fitLabelFont(label, font);
    return label;
}

ui::LinkLabel *addLink(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *link = new ui::LinkLabel(parent);
    link->setText(text);
    link->setGeometry(geometry);
    ui::fitLabelFont(link, ui::programFont(8.25, true, true));
    ui::setColour(link, QPalette::WindowText, ui::colours::DarkRed);
    return link;
}

} // namespace

AboutDialog::AboutDialog(services::Browser &browser, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(ui::programCaption());
    setWindowRole(u"about"_s);
    ui::giveCloseBoxOnly(this);
    setWindowIcon(ui::programIcon());
    setFixedSize(ui::twipsRect(0, 0, 6105, 3780).size());
    ui::setColour(this, QPalette::Window, Qt::white);

    auto *icon = new QLabel(this);
    icon->setPixmap(windowIcon().pixmap(32, 32));
    icon->setGeometry(ui::twipsRect(120, 150, 480, 480));
    icon->setAccessibleName(QStringLiteral(TARVELLE_NAME));

    QLabel *caption = addText(this, ui::programCaption(), ui::programFont(9.75, true),
                              ui::twipsRect(720, 240, 3000, 240));
    caption->setWordWrap(false);
    ui::setColour(caption, QPalette::Window, QColor(255, 192, 192));

    QLabel *summary =
        addText(this,
                tr("Tarvelle is a daily divination technique based on playing cards. This "
                   "software displays a card for the day and explains the keywords and "
                   "meaning. This software can be used as a reference point to start your day."),
                ui::programFont(8.25), ui::twipsRect(210, 840, 5745, 1095));
    ui::setColour(summary, QPalette::Window, QColor(255, 255, 128));

    auto *homePageLink = addLink(this, tr("Click here to visit %1").arg(site::siteBaseUrl()),
                                 ui::twipsRect(1320, 2040, 4650, 195));
    addText(this,
            tr("Home Business Opportunity. Start your own Internet business and make "
               "money online. Get this software fully branded for your website."),
            ui::programFont(8.25, true), ui::twipsRect(240, 2400, 5655, 615));
    auto *detailsLink =
        addLink(this, tr("Click here for more details"), ui::twipsRect(3360, 3000, 2610, 195));

    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    ui::readAs(rule, QAccessible::Client);
    rule->setFrameShadow(QFrame::Plain);
    rule->setGeometry(QRect(QPoint(ui::fromTwips(-60), ui::fromTwips(3240)),
                            QPoint(ui::fromTwips(6090), ui::fromTwips(3240))));

    auto *okButton = new QPushButton(tr("&OK"), this);
    okButton->setGeometry(ui::twipsRect(4710, 3360, 1260, 345));
    ui::fitWidgetFont(okButton, ui::programFont(8.25, true), okButton->size());
    // Enter and Esc both close: the one button is default and cancel at once.
    okButton->setDefault(true);
    okButton->setAutoDefault(true);
    okButton->setFocus();

    homePageLink->setObjectName(u"homePageLink"_s);
    detailsLink->setObjectName(u"detailsLink"_s);
    okButton->setObjectName(u"okButton"_s);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(homePageLink, &ui::LinkLabel::clicked, this,
            [&browser] { site::openSitePage(browser, site::pages::HomePage); });
    connect(detailsLink, &ui::LinkLabel::clicked, this,
            [&browser] { site::openSitePage(browser, site::pages::FullyBranded); });
}

} // namespace dialogs
