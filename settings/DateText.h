#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// Calendar dates as stored text: the user's regional short form.
namespace settings {

QString dateToText(QDate date, const QLocale &locale);

// Reads what dateToText wrote under the same locale. Short forms with a two-digit year are
// placed in the century nearest to `reference` (normally today), so "12/8/26" is 2026, not 1926.
// A four-digit-year variant of the short form and ISO dates are accepted too. nullopt when the
// text is no date.
std::optional<QDate> dateFromText(const QString &text, const QLocale &locale, QDate reference);

} // namespace settings
