#include "settings/DateText.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDateText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void twoDigitYearsLandNearToday();
    void unreadableText();
};

void TestDateText::roundTrip_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QDate>("date");
    const QList<QDate> dates = {QDate(2026, 12, 8), QDate(2026, 12, 31), QDate(2027, 1, 1),
                                QDate(2028, 2, 29), QDate(2026, 1, 12),  QDate(2075, 6, 30),
                                QDate(1977, 1, 1)};
    for (const char *name : {"en_US", "en_GB", "de_DE", "ja_JP", "C", "fr_FR", "ar_EG"}) {
        for (const QDate &date : dates) {
            QTest::addRow("%s %s", name, qPrintable(date.toString(Qt::ISODate)))
                << QString::fromLatin1(name) << date;
        }
    }
}

void TestDateText::roundTrip()
{
    QFETCH(QString, localeName);
    QFETCH(QDate, date);
    const QLocale locale(localeName);
    const QDate today(2026, 12, 8);
    const QString text = settings::dateToText(date, locale);
    QVERIFY(!text.isEmpty());
    QCOMPARE(settings::dateFromText(text, locale, today), std::optional<QDate>(date));
}

void TestDateText::twoDigitYearsLandNearToday()
{
    const QLocale us(u"en_US"_s);
    QCOMPARE(settings::dateToText(QDate(2026, 12, 8), us), u"12/8/26"_s);
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
