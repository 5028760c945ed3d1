#include "app/Program.h"

#include "app/frmMain.h"
#include "services/Clock.h"
#include "services/InstanceLock.h"
#include "services/MessageBoxes.h"
#include "services/RandomGenerator.h"
#include "ui/FirstPaintReport.h"
#include "web/frmNagScreen2.h"

#include <QApplication>

using namespace Qt::StringLiterals;

namespace app {

Program::Program(Services services, LaunchInfo launch, QuitFunction quit)
    : m_services(services), m_launch(std::move(launch)), m_quit(std::move(quit))
{
}

Program::~Program() = default;

bool Program::StartProgram()
{
    if (!m_services.instanceLock.acquire()) {
        // Nothing of the running copy's settings may be touched from here.
        m_services.messages.show({u"Application is already running"_s,
                                  services::MessageBoxes::Icon::Information,
                                  services::MessageBoxes::Buttons::Ok});
        EndProgram();
        return false;
    }
    m_services.random.seed(services::seedFromClock(m_services.clock));

    m_main = std::make_unique<frmMain>(m_services, m_launch);
    connect(m_main.get(), &frmMain::unloaded, this, &Program::showExitScreen);
    ui::FirstPaintReport::watch(m_main.get());
    m_main->Form_Load();
    if (!m_main->isInTray()) {
        m_main->showCentred();
    }
    CoBrand_Randomize();
    return true;
}

void Program::CoBrand_Randomize()
{
    m_coBrandPick = static_cast<int>(m_services.random.next() * 6.0F) + 1;
    m_main->bringPromotionToFront(m_coBrandPick % 2 == 1);
}

void Program::showExitScreen()
{
    m_exitScreen = std::make_unique<web::frmNagScreen2>(web::ExitScreenServices{
        m_services.browser, m_services.messages, m_services.clock, m_services.random});
    connect(m_exitScreen.get(), &web::frmNagScreen2::closed, this, &Program::EndProgram);
    m_exitScreen->Form_Load();
}

void Program::EndProgram()
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
    EndProgram();
}

} // namespace app
