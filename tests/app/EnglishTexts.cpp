// Windows under test speak English whatever the machine's language, with the English plural
// forms the program itself loads.
#include "app/Translations.h"

#include <QCoreApplication>

namespace {

void speakEnglish()
{
    app::installTranslations(*QCoreApplication::instance(), QLocale(QLocale::English));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(speakEnglish)
