#include "settings/SettingValues.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSettingValues : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lenientBoolean_data();
    void lenientBoolean();
    void trayBooleanNeedsTheExactWord();
    void integers();
};

void TestSettingValues::lenientBoolean_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("value");
    QTest::newRow("True") << u"True"_s << true;
    QTest::newRow("true") << u"true"_s << true;
    QTest::newRow("TRUE") << u"TRUE"_s << true;
    QTest::newRow("False") << u"False"_s << false;
    QTest::newRow("fAlSe") << u"fAlSe"_s << false;
    QTest::newRow("one") << u"1"_s << true;
    QTest::newRow("minus one") << u"-1"_s << true;
    QTest::newRow("zero") << u"0"_s << false;
    QTest::newRow("fraction") << u"0.5"_s << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("garbage") << u"yes please"_s << false;
    QTest::newRow("nan") << u"nan"_s << false;
}

void TestSettingValues::lenientBoolean()
{
    QFETCH(QString, text);
    QFETCH(bool, value);
    QCOMPARE(settings::lenientBoolean(text), value);
}

void TestSettingValues::trayBooleanNeedsTheExactWord()
{
    QVERIFY(settings::isExactlyTrue(u"True"_s));
    QVERIFY(!settings::isExactlyTrue(u"true"_s));
    QVERIFY(!settings::isExactlyTrue(u"True "_s));
    QVERIFY(!settings::isExactlyTrue(u"1"_s));
    QCOMPARE(settings::booleanText(true), u"True"_s);
    QCOMPARE(settings::booleanText(false), u"False"_s);
}

void TestSettingValues::integers()
{
    QCOMPARE(settings::integerText(7), u"7"_s);
    QCOMPARE(settings::integerFromText(u"0"_s), std::optional<int>(0));
    QCOMPARE(settings::integerFromText(u"52"_s), std::optional<int>(52));
    for (const QString &bad : {u""_s, u"07"_s, u"-1"_s, u"+3"_s, u" 7"_s, u"7 "_s, u"7.0"_s,
                               u"seven"_s, u"99999999999999"_s, u"\u0667"_s})
        QVERIFY2(!settings::integerFromText(bad).has_value(), qPrintable(bad));
}

QTEST_APPLESS_MAIN(TestSettingValues)
#include "tst_settingvalues.moc"
