#include "web/SitePages.h"

#include "RecordingBrowser.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSitePages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyPageAddress();
    void sameLinkTwiceOpensTwice();
};

void TestSitePages::everyPageAddress()
{
    QCOMPARE(web::siteBaseUrl(), u"https://www.quellmoor.com"_s);
    QCOMPARE(web::productAddress(), u"https://www.quellmoor.com/tarvelle/"_s);
    const QString base = u"https://www.quellmoor.com/tarvelle/ssd.php?page="_s;
    for (const QLatin1String key :
         {web::pages::HomePage, web::pages::HelpWebPage, web::pages::DownloadWebPage,
          web::pages::Donate, web::pages::CoBrand, web::pages::FullyBranded,
          web::pages::QuellmoorSoftwares, web::pages::ReferAFriend}) {
        const QUrl address = web::pageAddress(key);
        QVERIFY(address.isValid());
        QCOMPARE(address.toString(QUrl::FullyEncoded), base + key);
        QCOMPARE(address.host(), u"www.quellmoor.com"_s);
        QVERIFY(address.fragment().isNull());
    }
    QCOMPARE(web::pageAddress(web::pages::Donate).toString(QUrl::FullyEncoded),
             u"https://www.quellmoor.com/tarvelle/ssd.php?page=donate"_s);
}

void TestSitePages::sameLinkTwiceOpensTwice()
{
    RecordingBrowser browser;
    web::openSitePage(browser, web::pages::QuellmoorSoftwares);
    web::openSitePage(browser, web::pages::QuellmoorSoftwares);
    QCOMPARE(browser.opened.size(), 2);
    QCOMPARE(browser.opened[0], browser.opened[1]);
}

QTEST_APPLESS_MAIN(TestSitePages)
#include "tst_sitepages.moc"
