#include "app/Clock.h"
#include "app/ProgramIcon.h"
#include "app/RandomGenerator.h"
#include "app/frmMain.h"
#include "settings/IniSettingsStore.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(app::programIcon());

    app::SystemClock clock;
    app::MersenneRandomGenerator random;
    settings::IniSettingsStore store(&settings::IniSettingsStore::executableAppName);
    random.seed(app::seedFromClock(clock));

    app::frmMain window({store, clock, random});
    window.ShowRandomCard();
    window.show();
    return QApplication::exec();
}
