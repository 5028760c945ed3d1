#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace app {

QString installTranslations(QCoreApplication &application, const QLocale &locale)
{
    auto *own = new QTranslator(&application);
    if (!own->load(locale, u"tarvelle"_s, u"_"_s, u":/i18n"_s)
        && !own->load(u"tarvelle_en"_s, u":/i18n"_s)) {
        delete own;
        return u"en"_s;
    }
    QCoreApplication::installTranslator(own);
    const QString language = own->language();
    if (language == "en"_L1)
        return language;

    // Yes and No, the file dialog and the editing menus.
    auto *qt = new QTranslator(&application);
    if (qt->load(locale, u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}

} // namespace app
