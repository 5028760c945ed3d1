#include "site/SitePages.h"

#include "services/Browser.h"

using namespace Qt::StringLiterals;

namespace site {

namespace {

// https: a referral carries other people's e-mail addresses.
constexpr QLatin1String kScheme{"https://"};
constexpr QLatin1String kHost{"www.quellmoor.com"};

} // namespace

QString siteBaseUrl()
{
    return kScheme + kHost;
}

QString siteHostName()
{
    return kHost;
}

QString productAddress()
{
    return siteBaseUrl() + "/tarvelle/"_L1;
}

QUrl pageAddress(QLatin1String pageKey)
{
    return QUrl(productAddress() + "ssd.php?page="_L1 + pageKey, QUrl::StrictMode);
}

void openSitePage(services::Browser &browser, QLatin1String pageKey)
{
    browser.open(pageAddress(pageKey));
}

} // namespace site
