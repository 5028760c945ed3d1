#include "app/Program.h"

#include "app/MainWindow.h"
#include "dialogs/ExitScreen.h"
#include "services/Clock.h"
#include "services/InstanceLock.h"
#include "services/MessageBoxes.h"
#include "services/RandomGenerator.h"
#include "ui/FirstPaintReport.h"

#include <QApplication>

using namespace Qt::StringLiterals;

namespace app {

Program::Program(Services services, LaunchInfo launch, QuitFunction quit)
    : m_services(services), m_launch(std::move(launch)), m_quit(std::move(quit))
{
}

Program::~Program() = default;

bool Program::start()
{
    if (!m_services.instanceLock.acquire()) {
        // Nothing of the running copy's settings may be touched from here.
        m_services.messages.show({tr("Application is already running"),
                                  services::MessageBoxes::Icon::Information,
                                  services::MessageBoxes::Buttons::Ok});
        end();
        return false;
    }
    m_services.random.seed(services::seedFromClock(m_services.clock));

    m_main = std::make_unique<MainWindow>(m_services, m_launch);
    connect(m_main.get(), &MainWindow::closedForGood, this, &Program::showExitScreen);
    ui::FirstPaintReport::watch(m_main.get());
    m_main->start();
    if (!m_main->isInTray()) {
        m_main->showCentred();
    }
    pickPromotion();
    return true;
}

void Program::pickPromotion()
{
    m_coBrandPick = static_cast<int>(m_services.random.next() * 6.0F) + 1;
    m_main->bringPromotionToFront(m_coBrandPick % 2 == 1 ? MainWindow::Promotion::CoBrand
                                                         : MainWindow::Promotion::FullBrand);
}

void Program::showExitScreen()
{
    m_exitScreen = std::make_unique<dialogs::ExitScreen>(dialogs::ExitScreenServices{
        m_services.browser, m_services.messages, m_services.clock, m_services.random});
    connect(m_exitScreen.get(), &dialogs::ExitScreen::closed, this, &Program::end);
    m_exitScreen->present();
}

void Program::end()
{
    if (m_ended)
        return;
    m_ended = true;
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    m_quit();
}

void Program::endSession()
{
    if (m_main)
        m_main->endSession();
    end();
}

} // namespace app
