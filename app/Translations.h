#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

namespace app {

// Where the program's catalogues lie: beside the executable in the build, and under
// share/tarvelle/ once installed, wherever the prefix.
QStringList translationFolders();

// Speaks the desktop's language (LANGUAGE, LC_MESSAGES, LANG): the program's own texts, from the
// first of `folders` that has them, and Qt's. A language it does not carry leaves the English,
// with English plural forms. Returns the language whose texts were taken.
QString installTranslations(QCoreApplication &application, const QStringList &folders,
                            const QLocale &locale = QLocale());

} // namespace app
