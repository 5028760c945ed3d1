// Any five typed values: the referral address keeps the maker's host, page and exactly the six
// parameters, and reading it back as the site does gives the typed values.

#include "site/Referral.h"

#include <QByteArray>
#include <QUrl>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size))
            .split('\x01');
    QStringList fields;
    for (int i = 0; i < 5; ++i)
        fields.append(i < parts.size() ? QString::fromUtf8(parts[i]) : QString());
    const site::Referral typed{fields[0], fields[1], fields[2], fields[3], fields[4]};
    const QUrl address = site::referralAddress(typed);
    if (!address.isValid() || address.host() != QStringLiteral("www.quellmoor.com")
        || address.path() != QStringLiteral("/tarvelle/ssd.php") || address.hasFragment())
        __builtin_trap();

    const QStringList pairs = address.query(QUrl::FullyEncoded).split(u'&');
    static const char *const keys[] = {"page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};
    if (pairs.size() != 7)
        __builtin_trap();
    for (int i = 0; i < 7; ++i) {
        if (pairs[i].section(u'=', 0, 0) != QLatin1String(keys[i]))
            __builtin_trap();
        QByteArray value = pairs[i].section(u'=', 1).toLatin1();
        value.replace('+', ' ');
        const QString decoded = QString::fromUtf8(QByteArray::fromPercentEncoding(value));
        const QString expected = i == 0   ? QStringLiteral("qxtv-refer-a-friend")
                                 : i == 6 ? QStringLiteral("https://www.quellmoor.com/tarvelle/")
                                          : fields[i - 1];
        if (decoded != expected)
            __builtin_trap();
    }
    return 0;
}
