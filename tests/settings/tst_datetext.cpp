#include "settings/DateText.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDateText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writtenTheSameEverywhere();
    void readBackUnderEveryLocale_data();
    void readBackUnderEveryLocale();
    void twoDigitYearsLandNearToday();
    void unreadableText();
};

void TestDateText::writtenTheSameEverywhere()
{
    for (const char *name : {"en_US", "de_DE", "ar_EG", "C"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        QCOMPARE(settings::dateToText(QDate(2026, 12, 9)), u"2026-12-09"_s);
        QCOMPARE(settings::dateToText(QDate(2027, 1, 1)), u"2027-01-01"_s);
    }
    QLocale::setDefault(QLocale::c());
}

void TestDateText::readBackUnderEveryLocale_data()
{
    QTest::addColumn<QDate>("date");
    for (const QDate date :
         {QDate(2026, 12, 8), QDate(2026, 12, 31), QDate(2027, 1, 1), QDate(2028, 2, 29),
          QDate(2026, 1, 12), QDate(2075, 6, 30), QDate(1977, 1, 1)})
        QTest::newRow(qPrintable(date.toString(Qt::ISODate))) << date;
}

// What is written now reads back whatever the language and region became since; what earlier
// versions wrote, the regional short form, still reads as the same day where it was written.
void TestDateText::readBackUnderEveryLocale()
{
    QFETCH(QDate, date);
    const QDate today(2026, 12, 8);
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QVERIFY(locales.size() > 300);
    QStringList misread;
    for (const QLocale &locale : locales) {
        if (settings::dateFromText(settings::dateToText(date), locale, today) != date)
            misread << u"ISO under "_s + locale.name();
        // Qt cannot read its own digits beyond 16 bits (Chakma, Adlam): such a date was never
        // read back, before either.
        if (locale.zeroDigit().size() > 1)
            continue;
        const QString earlier = locale.toString(date, QLocale::ShortFormat);
        if (settings::dateFromText(earlier, locale, today) != date)
            misread << locale.name() + u' ' + earlier;
    }
    QVERIFY2(misread.isEmpty(), qPrintable(misread.join(u", "_s)));
}

void TestDateText::twoDigitYearsLandNearToday()
{
    const QLocale us(u"en_US"_s);
    // What earlier versions wrote here.
    QCOMPARE(us.toString(QDate(2026, 12, 8), QLocale::ShortFormat), u"12/8/26"_s);
    QCOMPARE(settings::dateFromText(u"12/8/26"_s, us, QDate(2026, 12, 8)),
             std::optional<QDate>(QDate(2026, 12, 8)));
    // A due date of tomorrow written on New Year's Eve of 2099 is in 2100.
    QCOMPARE(settings::dateFromText(u"1/1/00"_s, us, QDate(2099, 12, 31)),
             std::optional<QDate>(QDate(2100, 1, 1)));
    QCOMPARE(settings::dateFromText(u"12/31/99"_s, us, QDate(2100, 1, 1)),
             std::optional<QDate>(QDate(2099, 12, 31)));
    // 1900 had no 29 February, 2000 had one.
    QCOMPARE(settings::dateFromText(u"2/29/00"_s, us, QDate(2001, 1, 1)),
             std::optional<QDate>(QDate(2000, 2, 29)));
    QCOMPARE(settings::dateFromText(u"29.02.00"_s, QLocale(u"de_DE"_s), QDate(2001, 1, 1)),
             std::optional<QDate>(QDate(2000, 2, 29)));
    QVERIFY(!settings::dateFromText(u"2/29/01"_s, us, QDate(2001, 1, 1)));
    // A four-digit year and an ISO date read back as well.
    QCOMPARE(settings::dateFromText(u"12/8/2026"_s, us, QDate(2026, 12, 8)),
             std::optional<QDate>(QDate(2026, 12, 8)));
    QCOMPARE(settings::dateFromText(u"2026-12-09"_s, us, QDate(2026, 12, 8)),
             std::optional<QDate>(QDate(2026, 12, 9)));
}

void TestDateText::unreadableText()
{
    const QDate today(2026, 12, 8);
    for (const char *name : {"en_US", "de_DE", "ja_JP", "C"}) {
        const QLocale locale(QString::fromLatin1(name));
        for (const QString &bad : {u""_s, u"   "_s, u"tomorrow"_s, u"13/45/26"_s, u"2/30/26"_s,
                                   u"\u0000\u0001"_s, QString(100000, u'9')}) {
            QVERIFY2(!settings::dateFromText(bad, locale, today).has_value(),
                     qPrintable(QString::fromLatin1(name) + u' ' + bad.left(20)));
        }
    }
}

QTEST_APPLESS_MAIN(TestDateText)
#include "tst_datetext.moc"
