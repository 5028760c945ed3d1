#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace app {

QStringList translationFolders()
{
    const QString here = QCoreApplication::applicationDirPath();
    return {here + u"/translations"_s, here + u"/../share/tarvelle/translations"_s};
}

QString installTranslations(QCoreApplication &application, const QStringList &folders,
                            const QLocale &locale)
{
    auto *own = new QTranslator(&application);
    const auto loaded = [&](const auto &load) {
        return std::any_of(folders.cbegin(), folders.cend(), load);
    };
    if (!loaded(
            [&](const QString &folder) { return own->load(locale, u"tarvelle"_s, u"_"_s, folder); })
        && !loaded([&](const QString &folder) { return own->load(u"tarvelle_en"_s, folder); })) {
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
