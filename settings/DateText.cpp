#include "settings/DateText.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace settings {

namespace {

QString shortForm(QDate date, const QLocale &locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}

bool hasTwoDigitYear(const QString &format)
{
    return format.contains("yy"_L1) && !format.contains("yyyy"_L1);
}

QDate intoNearestCentury(QDate parsed, QDate reference)
{
    const int twoDigits = ((parsed.year() % 100) + 100) % 100;
    int year = reference.year() - reference.year() % 100 + twoDigits;
    if (year > reference.year() + 50)
        year -= 100;
    else if (year <= reference.year() - 50)
        year += 100;
    return QDate(year, parsed.month(), parsed.day());
}

// Qt reads two-digit years as 19xx, and 1900 had no 29 February, so "2/29/00" fails to parse
// although 2000 had one. Read it as the 28th, then keep the 29th only if that is what the
// locale would have written.
std::optional<QDate> leapDayOfTwoDigitYear(const QString &text, const QLocale &locale,
                                           const QString &format, QDate reference)
{
    const QString day29 = locale.toString(29);
    for (qsizetype at = text.indexOf(day29); at >= 0; at = text.indexOf(day29, at + 1)) {
        QString asThe28th = text;
        asThe28th.replace(at, day29.size(), locale.toString(28));
        const QDate parsed = locale.toDate(asThe28th, format);
        if (!parsed.isValid() || parsed.month() != 2 || parsed.day() != 28)
            continue;
        const QDate candidate = intoNearestCentury(parsed, reference).addDays(1);
        if (candidate.day() == 29 && shortForm(candidate, locale) == text)
            return candidate;
    }
    return std::nullopt;
}

} // namespace

QString dateToText(QDate date)
{
    return date.toString(Qt::ISODate);
}

std::optional<QDate> dateFromText(const QString &text, const QLocale &locale, QDate reference)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    // No locale's short form writes a date that reads as another in ISO.
    if (const QDate date = QDate::fromString(trimmed, Qt::ISODate); date.isValid())
        return date;

    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    if (const QDate date = locale.toDate(trimmed, shortFormat); date.isValid()) {
        if (!hasTwoDigitYear(shortFormat))
            return date;
        if (const QDate moved = intoNearestCentury(date, reference); moved.isValid())
            return moved;
    }
    if (hasTwoDigitYear(shortFormat)) {
        if (const auto leapDay = leapDayOfTwoDigitYear(trimmed, locale, shortFormat, reference))
            return leapDay;
        QString longYear = shortFormat;
        longYear.replace(QRegularExpression(u"y+"_s), u"yyyy"_s);
        if (const QDate date = locale.toDate(trimmed, longYear); date.isValid())
            return date;
    }
    return std::nullopt;
}

} // namespace settings
