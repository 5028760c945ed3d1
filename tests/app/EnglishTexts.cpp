// Windows under test speak English whatever the machine's language, with the English plural
// forms the program itself loads.
#include "EnglishTexts.h"

#include "app/Translations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace texts {

// The program parents its catalogues to the application.
void speakNone()
{
    for (auto *translator : qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    // And Qt's, still waiting for a dialog to need them.
    delete qApp->findChild<QObject *>(QStringLiteral("qtTextsOnDemand"),
                                      Qt::FindDirectChildrenOnly);
}

QString speakOnly(const QLocale &locale)
{
    speakNone();
    return app::installTranslations(*QCoreApplication::instance(),
                                    {QStringLiteral(TARVELLE_TRANSLATIONS_DIR)}, locale);
}

QString catalogued(const char *context, const char *source)
{
    for (auto *translator : qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
        if (translator->filePath().contains(QLatin1String("tarvelle_")))
            return translator->translate(context, source);
    }
    return {};
}

} // namespace texts

namespace {

void speakEnglish()
{
    texts::speakOnly(QLocale(QLocale::English));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(speakEnglish)
