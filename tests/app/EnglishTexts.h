#pragma once

#include <QLocale>
#include <QString>

// The translations the windows under test speak; English unless a test chooses otherwise.
namespace texts {

// Removes every translation installed so far.
void speakNone();

// Speaks `locale`'s language as the program would at start; returns the language taken.
QString speakOnly(const QLocale &locale);

// The program's own catalogue's words for `source`, empty where it has none.
QString catalogued(const char *context, const char *source);

} // namespace texts
