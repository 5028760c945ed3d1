#include "site/Referral.h"

#include "RecordingBrowser.h"
#include "RecordingMessageBoxes.h"
#include "TestSeed.h"

#include <QRandomGenerator>
#include <QTest>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

class TestReferral : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void onlyBlanksAreTrimmed();
    void addressChecksInTheirOrder_data();
    void addressChecksInTheirOrder();
    void missingValuesInTheirOrder_data();
    void missingValuesInTheirOrder();
    void typedValuesComeBackExactly_data();
    void typedValuesComeBackExactly();
    void randomTextNeverEscapesItsValue();
    void completeReferralOpensOnce();

private:
    static site::Referral valid()
    {
        return {u"Ann"_s, u"ann@example.org"_s, u"Your Message\r\n"_s, u"Bo"_s,
                u"bo@example.org"_s};
    }
    static void expectExactly(const QUrl &address, const site::Referral &typed);
};

void TestReferral::onlyBlanksAreTrimmed()
{
    QCOMPARE(site::trimSpaces(u"  Ann  "_s), u"Ann"_s);
    QCOMPARE(site::trimSpaces(u"\r\nAnn\t "_s), u"\r\nAnn\t"_s);
    QCOMPARE(site::trimSpaces(u"   "_s), QString());
}

void TestReferral::addressChecksInTheirOrder_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("refusal");
    const QString distinct = u"Please Enter Distinct Email Addresses"_s;
    const QString proper = u"Please Enter Proper Email Address"_s;
    QTest::newRow("placeholders") << u"Your Email Address"_s << u"Friend's Email Address"_s
                                  << proper;
    QTest::newRow("both empty") << QString() << QString() << distinct;
    QTest::newRow("same address") << u"a@b.c"_s << u" a@b.c "_s << distinct;
    QTest::newRow("letter case differs") << u"A@b.c"_s << u"a@b.c"_s << QString();
    QTest::newRow("no at sign") << u"a.b.c"_s << u"d@e.f"_s << proper;
    QTest::newRow("at but no dot") << u"a@bc"_s << u"d@ef"_s << proper;
    QTest::newRow("friend lacks dot") << u"a@b.c"_s << u"d@ef"_s << proper;
}

void TestReferral::addressChecksInTheirOrder()
{
    QFETCH(QString, email);
    QFETCH(QString, friendEmail);
    QFETCH(QString, refusal);
    site::Referral referral = valid();
    referral.email = email;
    referral.friendEmail = friendEmail;
    QCOMPARE(site::emailRefusal(referral).value_or(QString()), refusal);
}

void TestReferral::missingValuesInTheirOrder_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("name placeholder") << 0 << u"Your Name"_s << u"Please Enter Your Name"_s;
    QTest::newRow("name blanks") << 0 << u"   "_s << u"Please Enter Your Name"_s;
    QTest::newRow("email placeholder")
        << 1 << u" Your Email Address "_s << u"Please Enter Your Email"_s;
    QTest::newRow("message placeholder")
        << 2 << u"Your Message"_s << u"Please Enter Your Message"_s;
    QTest::newRow("message empty") << 2 << QString() << u"Please Enter Your Message"_s;
    QTest::newRow("friend's name")
        << 3 << u"Friend's Name"_s << u"Please Enter Your Friend's Name"_s;
    QTest::newRow("friend's email") << 4 << QString() << u"Please Enter Your Friend's Email"_s;
    QTest::newRow("name wrong case is a name") << 0 << u"your name"_s << QString();
}

void TestReferral::missingValuesInTheirOrder()
{
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(QString, refusal);
    site::Referral referral = valid();
    QString *fields[] = {&referral.name, &referral.email, &referral.message, &referral.friendName,
                         &referral.friendEmail};
    *fields[field] = value;
    QCOMPARE(site::referralRefusal(referral).value_or(QString()), refusal);
    // An earlier gap is reported first.
    referral.name = QString();
    QCOMPARE(site::referralRefusal(referral).value_or(QString()), u"Please Enter Your Name"_s);
}

void TestReferral::expectExactly(const QUrl &address, const site::Referral &typed)
{
    QVERIFY(address.isValid());
    QCOMPARE(address.scheme(), u"https"_s);
    QCOMPARE(address.host(), u"www.quellmoor.com"_s);
    QCOMPARE(address.path(), u"/tarvelle/ssd.php"_s);
    QVERIFY(!address.hasFragment());
    // Decoded as the site decodes a form: "+" is a blank, escapes are UTF-8 bytes.
    QList<QPair<QString, QString>> items;
    for (const QString &pair : address.query(QUrl::FullyEncoded).split(u'&')) {
        QByteArray value = pair.section(u'=', 1).toLatin1();
        value.replace('+', ' ');
        items.append(
            {pair.section(u'=', 0, 0), QString::fromUtf8(QByteArray::fromPercentEncoding(value))});
    }
    QStringList keys;
    for (const auto &item : std::as_const(items))
        keys.append(item.first);
    QCOMPARE(keys, (QStringList{u"page"_s, u"taf1"_s, u"taf2"_s, u"taf3"_s, u"taf4"_s, u"taf5"_s,
                                u"taf6"_s}));
    QCOMPARE(items[0].second, u"qxtv-refer-a-friend"_s);
    QCOMPARE(items[1].second, typed.name);
    QCOMPARE(items[2].second, typed.email);
    QCOMPARE(items[3].second, typed.message);
    QCOMPARE(items[4].second, typed.friendName);
    QCOMPARE(items[5].second, typed.friendEmail);
    QCOMPARE(items[6].second, u"https://www.quellmoor.com/tarvelle/"_s);
    // Nothing typed added a parameter of the same name.
    QCOMPARE(QUrlQuery(address).allQueryItemValues(u"taf1"_s).size(), 1);
}

void TestReferral::typedValuesComeBackExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("ampersand and equals") << u"Ann & Bo=friends&taf6=evil"_s;
    QTest::newRow("hash") << u"#1 fan"_s;
    QTest::newRow("plus") << u"a+b@example.org"_s;
    QTest::newRow("percent") << u"100% sure %41"_s;
    QTest::newRow("line breaks") << u"line one\r\nline two"_s;
    QTest::newRow("non-ASCII") << u"Zoë 東京 ✓ 🂡"_s;
    QTest::newRow("question mark and slash") << u"?page=home-page/../x"_s;
    QTest::newRow("control characters")
        << QString::fromUtf16(u"\u0001\u0000\u001f\u007f").append(QChar(0));
}

void TestReferral::typedValuesComeBackExactly()
{
    QFETCH(QString, text);
    const site::Referral typed{text, text + u"@x.org"_s, text, u"<"_s + text + u">"_s, text};
    const QUrl address = site::referralAddress(typed);
    expectExactly(address, typed);
    // Qt's own reader agrees.
    QCOMPARE(QUrlQuery(address).queryItemValue(u"taf1"_s, QUrl::FullyDecoded), text);
    QCOMPARE(QUrlQuery(address).queryItemValue(u"taf4"_s, QUrl::FullyDecoded), typed.friendName);
}

void TestReferral::randomTextNeverEscapesItsValue()
{
    QRandomGenerator random(testSeed());
    for (int round = 0; round < 200; ++round) {
        site::Referral typed;
        QString *fields[] = {&typed.name, &typed.email, &typed.message, &typed.friendName,
                             &typed.friendEmail};
        for (QString *field : fields) {
            const int length = static_cast<int>(random.bounded(0, round % 50 == 0 ? 20000 : 40));
            for (int i = 0; i < length; ++i) {
                char32_t code = random.bounded(0, 0x30000);
                if (code >= 0xD800 && code <= 0xDFFF)
                    code = u'&';
                field->append(QString::fromUcs4(&code, 1));
            }
        }
        expectExactly(site::referralAddress(typed), typed);
    }
}

void TestReferral::completeReferralOpensOnce()
{
    RecordingMessageBoxes messages;
    RecordingBrowser browser;
    site::sendReferral(valid(), messages, browser);
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(browser.opened.size(), 1);
    QCOMPARE(browser.opened.first().toString(QUrl::FullyEncoded),
             u"https://www.quellmoor.com/tarvelle/ssd.php?page=qxtv-refer-a-friend&taf1=Ann"
             u"&taf2=ann%40example.org&taf3=Your%20Message%0D%0A&taf4=Bo&taf5=bo%40example.org"
             u"&taf6=https://www.quellmoor.com/tarvelle/"_s);

    site::Referral incomplete = valid();
    incomplete.friendName = u"Friend's Name"_s;
    site::sendReferral(incomplete, messages, browser);
    QCOMPARE(messages.shown,
             (QList<services::MessageBoxes::Message>{{u"Please Enter Your Friend's Name"_s,
                                                      services::MessageBoxes::Icon::Critical,
                                                      services::MessageBoxes::Buttons::Ok}}));
    QCOMPARE(browser.opened.size(), 1);
}

QTEST_APPLESS_MAIN(TestReferral)
#include "tst_referral.moc"
