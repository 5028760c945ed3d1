#include "web/SitePages.h"

#include "services/Browser.h"

using namespace Qt::StringLiterals;

namespace web {

namespace {

// https: a referral carries other people's e-mail addresses.
constexpr QLatin1String kScheme{"https://"};
constexpr QLatin1String kHost{"www.quellmoor.com"};

} // namespace

QString SiteBaseUrl()
{
    return kScheme + kHost;
}

QString SiteHostName()
{
    return kHost;
}

QString ProductAddress()
{
    return SiteBaseUrl() + "/tarvelle/"_L1;
}

QUrl PageAddress(QLatin1String pageKey)
{
    return QUrl(ProductAddress() + "ssd.php?page="_L1 + pageKey, QUrl::StrictMode);
}

void OpenAddress(services::Browser &browser, const QUrl &address)
{
    browser.open(address);
}

void OpenSitePage(services::Browser &browser, QLatin1String pageKey)
{
    OpenAddress(browser, PageAddress(pageKey));
}

} // namespace web
