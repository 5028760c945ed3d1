#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// Calendar dates as stored text.
namespace settings {

// ISO 8601 ("2026-12-09"), whatever the language and region: a date in the regional short form
// can no longer be read once the user changes either.
QString dateToText(QDate date);

// Reads what dateToText writes, and what earlier versions wrote: the short form of `locale`.
// Short forms with a two-digit year are placed in the century nearest to `reference` (normally
// today), so "12/8/26" is 2026, not 1926. A four-digit-year variant of the short form is
// accepted too. nullopt when the text is no date.
std::optional<QDate> dateFromText(const QString &text, const QLocale &locale, QDate reference);

} // namespace settings
