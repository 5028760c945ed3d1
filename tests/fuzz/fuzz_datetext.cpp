// Any text read as a stored date: never crashes, and what it yields is a real date. A date
// written now reads back under every locale; one in the short form earlier versions wrote reads
// back under the locale it was written in.

#include "settings/DateText.h"

#include <QLocale>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QLocale locales[] = {QLocale(QStringLiteral("en_US")),
                                      QLocale(QStringLiteral("en_GB")),
                                      QLocale(QStringLiteral("de_DE")),
                                      QLocale(QStringLiteral("ja_JP")),
                                      QLocale::c(),
                                      QLocale(QStringLiteral("ar_EG"))};
    const QDate reference(2026, 12, 8);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const QLocale &locale : locales) {
        if (const auto date = settings::dateFromText(text, locale, reference);
            date && !date->isValid())
            __builtin_trap();
    }
    // The first bytes also pick a date to round-trip: within 48 years of today, as far as a
    // two-digit year can tell centuries apart.
    if (size >= 2) {
        const int offset = (data[0] << 8 | data[1]) % 35000 - 17500;
        const QDate date = reference.addDays(offset);
        for (const QLocale &locale : locales) {
            const auto back = settings::dateFromText(settings::dateToText(date), locale, reference);
            const auto earlier = settings::dateFromText(locale.toString(date, QLocale::ShortFormat),
                                                        locale, reference);
            if (!back || *back != date || !earlier || *earlier != date)
                __builtin_trap();
        }
    }
    return 0;
}
