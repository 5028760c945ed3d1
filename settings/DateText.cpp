#include "settings/DateText.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace settings {

namespace {

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

} // namespace

QString dateToText(QDate date, const QLocale &locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}

std::optional<QDate> dateFromText(const QString &text, const QLocale &locale, QDate reference)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;

    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    if (const QDate date = locale.toDate(trimmed, shortFormat); date.isValid()) {
        if (!hasTwoDigitYear(shortFormat))
            return date;
        if (const QDate moved = intoNearestCentury(date, reference); moved.isValid())
            return moved;
    }
    if (hasTwoDigitYear(shortFormat)) {
        QString longYear = shortFormat;
        longYear.replace(QRegularExpression(u"y+"_s), u"yyyy"_s);
        if (const QDate date = locale.toDate(trimmed, longYear); date.isValid())
            return date;
    }
    if (const QDate date = QDate::fromString(trimmed, Qt::ISODate); date.isValid())
        return date;
    return std::nullopt;
}

} // namespace settings
