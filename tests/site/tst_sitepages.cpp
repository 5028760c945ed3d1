#include "site/SitePages.h"

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
    QCOMPARE(site::siteBaseUrl(), u"https://www.quellmoor.com"_s);
    QCOMPARE(site::productAddress(), u"https://www.quellmoor.com/tarvelle/"_s);
    const QString base = u"https://www.quellmoor.com/tarvelle/ssd.php?page="_s;
    for (const QLatin1String key :
         {site::pages::HomePage, site::pages::HelpWebPage, site::pages::DownloadWebPage,
          site::pages::Donate, site::pages::CoBrand, site::pages::FullyBranded,
          site::pages::QuellmoorSoftwares, site::pages::ReferAFriend}) {
        const QUrl address = site::pageAddress(key);
        QVERIFY(address.isValid());
        QCOMPARE(address.toString(QUrl::FullyEncoded), base + key);
        QCOMPARE(address.host(), u"www.quellmoor.com"_s);
        QVERIFY(address.fragment().isNull());
    }
    QCOMPARE(site::pageAddress(site::pages::Donate).toString(QUrl::FullyEncoded),
             u"https://www.quellmoor.com/tarvelle/ssd.php?page=donate"_s);
}

void TestSitePages::sameLinkTwiceOpensTwice()
{
    RecordingBrowser browser;
    site::openSitePage(browser, site::pages::QuellmoorSoftwares);
    site::openSitePage(browser, site::pages::QuellmoorSoftwares);
    QCOMPARE(browser.opened.size(), 2);
    QCOMPARE(browser.opened[0], browser.opened[1]);
}

QTEST_APPLESS_MAIN(TestSitePages)
#include "tst_sitepages.moc"
