#include "app/Translations.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QLibraryInfo>
#include <QMenu>
#include <QTranslator>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace app {

namespace {

// Qt's own words (Yes and No, the file dialog, the editing and shortcut texts) are loaded when
// the first menu, dialog or context menu comes up: most starts show none, and Qt's catalogue
// weighs as much as the program's own.
class QtTextsOnDemand final : public QObject {
public:
    QtTextsOnDemand(QCoreApplication &application, QLocale locale)
        : QObject(&application), m_locale(std::move(locale))
    {
        setObjectName(u"qtTextsOnDemand"_s);
        application.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool wanted =
            event->type() == QEvent::ContextMenu
            || (event->type() == QEvent::Show
                && (qobject_cast<QMenu *>(watched) || qobject_cast<QDialog *>(watched)));
        if (wanted) {
            QCoreApplication::instance()->removeEventFilter(this);
            load();
            deleteLater();
        }
        return false;
    }

private:
    void load()
    {
        auto *qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(m_locale, u"qtbase"_s, u"_"_s,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
    }

    QLocale m_locale;
};

} // namespace

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
    if (language != "en"_L1)
        new QtTextsOnDemand(application, locale);
    return language;
}

} // namespace app
