#include "app/JournalKeeper.h"
#include "app/MainWindow.h"
#include "rules/CardHold.h"
#include "services/TrayIcon.h"
#include "settings/SettingKeys.h"
#include "settings/SettingValues.h"
#include "settings/SettingsStore.h"
#include "site/SitePages.h"
#include "ui/Accessibility.h"
#include "ui/Colours.h"
#include "ui/FittedLabel.h"
#include "ui/Geometry.h"
#include "ui/LinkLabel.h"
#include "ui/PushButton.h"
#include "ui/Typeface.h"

#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace Qt::StringLiterals;

// The main window's own controls and its menus; the panels are built by their own classes.
namespace app {

namespace {

ui::LinkLabel *addPromotion(QWidget *parent, const QString &text, const QColor &colour,
                            const QRect &geometry, Qt::Alignment alignment)
{
    auto *label = new ui::LinkLabel(parent);
    label->setText(text);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    ui::fitLabelFont(label, ui::programFont(8.25, true));
    ui::setColour(label, QPalette::WindowText, colour);
    return label;
}

} // namespace

void MainWindow::setupControls(QWidget *client)
{
    m_discussionLink =
        addPromotion(client,
                     tr("Talk about your cards with friends on the Quellmoor discussion board: "
                        "click here to visit us!"),
                     ui::colours::DarkRed, ui::twipsRect(240, 120, 6600, 465), Qt::AlignCenter);
    m_discussionLink->setObjectName(u"discussionLink"_s);

    auto *exitButton = ui::newPushButton(tr("&Exit"), client);
    exitButton->setObjectName(u"exitButton"_s);
    exitButton->setGeometry(ui::twipsRect(60, 6000, 7005, 495));
    ui::fitWidgetFont(exitButton, ui::programFont(9.0, true), exitButton->size());
    connect(exitButton, &QPushButton::clicked, this, &MainWindow::confirmExit);

    auto *promotionFrame = new QFrame(client);
    promotionFrame->setFrameShape(QFrame::Box);
    ui::readAs(promotionFrame, QAccessible::Client);
    ui::setColour(promotionFrame, QPalette::Window, Qt::white);
    promotionFrame->setGeometry(ui::twipsRect(-120, 6480, 7245, 855));
    const QRect promotion = ui::twipsRect(240, 120, 6945, 615);
    m_coBrandLink =
        addPromotion(promotionFrame,
                     tr("Co-brand this software for your site.  Increase loyalty and traffic to "
                        "your site. Put your site's name &  link here. See \"Help\" for details.   "
                        " Click Here for more info on co-branding."),
                     Qt::blue, promotion, Qt::AlignLeft | Qt::AlignTop);
    m_coBrandLink->setObjectName(u"coBrandLink"_s);
    m_fullBrandLink =
        addPromotion(promotionFrame,
                     tr("Home Business Opportunity. Start your own Internet business and make "
                        "money online. Get this software fully branded for your website. Click "
                        "here for more details."),
                     Qt::blue, promotion, Qt::AlignLeft | Qt::AlignTop);
    m_fullBrandLink->setObjectName(u"fullBrandLink"_s);
    bringPromotionToFront(Promotion::CoBrand);
}

void MainWindow::setupMenus()
{
    // Object names let tests and scripts find an entry whatever its words.
    const auto add = [this](QMenu *menu, const QString &text, const char *name, auto handler) {
        QAction *action = menu->addAction(text, this, handler);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenu *file = menuBar()->addMenu(tr("&File"));
    add(file, tr("Show &Cartomancy Card"), "showCardAction", [this] { saveAndSendToTray(); });
    addLaterChoices(file, "remind");
    file->addSeparator();
    add(file, tr("E&xit"), "exitAction", [this] { confirmExit(); });

    QMenu *tools = menuBar()->addMenu(tr("&Tools"));
    add(tools, tr("&Settings"), "settingsAction", [this] { bringSettingsPanelToFront(); });
    add(tools, tr("&Journal"), "journalAction", [this] {
        m_journal->showWindow();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    tools->addSeparator();
    m_waitWhileBusyAction =
        add(tools, tr("&Wait While I'm Busy"), "waitWhileBusyAction", [this](bool checked) {
            m_services.settings.write(settings::keys::WaitWhileBusy,
                                      settings::booleanText(checked));
        });
    m_waitWhileBusyAction->setCheckable(true);
    m_waitWhileBusyAction->setToolTip(
        tr("At the display time, keep the card back while the desktop says you are busy"));
    // The file may have been edited since the menu was last open.
    connect(tools, &QMenu::aboutToShow, this, [this] {
        m_waitWhileBusyAction->setChecked(rules::waitsWhileBusy(m_services.settings));
    });
    m_waitWhileBusyAction->setChecked(rules::waitsWhileBusy(m_services.settings));

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    add(help, tr("&Online Help"), "onlineHelpAction",
        [this] { openPage(site::pages::HelpWebPage); });
    add(help, tr("&Visit Us Online"), "visitUsAction", [this] { openPage(site::pages::HomePage); });
    help->addSeparator();
    add(help, tr("Check for Software &Update"), "updateAction",
        [this] { openPage(site::pages::DownloadWebPage); });
    help->addSeparator();
    add(help, tr("&About Software"), "aboutAction", [this] { showAboutDialog(); });

    QAction *donate =
        menuBar()->addAction(tr("&Donate"), this, [this] { openPage(site::pages::Donate); });
    donate->setObjectName(u"donateAction"_s);

    m_trayMenu = new QMenu(this);
    m_trayMenu->setObjectName(u"trayMenu"_s);
    m_trayShowAction = m_trayMenu->addAction(tr("Show"), this, &MainWindow::showFromTray);
    QFont bold = m_trayShowAction->font();
    bold.setBold(true);
    m_trayShowAction->setFont(bold);
    m_trayShowAction->setObjectName(u"trayShowAction"_s);
    m_trayMenu->setDefaultAction(m_trayShowAction);
    addLaterChoices(m_trayMenu, "trayRemind");
    m_trayExitAction = m_trayMenu->addAction(tr("Exit"), this, &MainWindow::closeForGood);
    m_trayExitAction->setObjectName(u"trayExitAction"_s);
    m_services.tray.setMenu(m_trayMenu);
}

void MainWindow::addLaterChoices(QMenu *menu, const char *namePrefix)
{
    QMenu *later = menu->addMenu(tr("Remind Me &Later"));
    later->setObjectName(QLatin1String(namePrefix) + u"LaterMenu"_s);
    later->menuAction()->setObjectName(QLatin1String(namePrefix) + u"LaterAction"_s);
    for (const LaterChoice &choice : kLaterChoices) {
        QAction *action = later->addAction(
            tr(choice.text), this, [this, minutes = choice.minutes] { remindLater(minutes); });
        action->setObjectName(QLatin1String(namePrefix) + QLatin1String(choice.name) + u"Action"_s);
    }
}

} // namespace app
