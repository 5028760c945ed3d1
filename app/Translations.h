#pragma once

#include <QLocale>

class QCoreApplication;

namespace app {

// Speaks the desktop's language (LANGUAGE, LC_MESSAGES, LANG): the program's own texts and Qt's.
// A language it does not carry leaves the English, with English plural forms.
// Returns the language whose texts were taken.
QString installTranslations(QCoreApplication &application, const QLocale &locale = QLocale());

} // namespace app
