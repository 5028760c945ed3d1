#pragma once

#include <QString>
#include <QUrl>

namespace services {
class Browser;
}

namespace site {

// The maker's site root: scheme and host, no trailing slash.
QString siteBaseUrl();
// The site root without its scheme, as the program names it to the user.
QString siteHostName();
// siteBaseUrl followed by the product folder.
QString productAddress();

// The page keys of the maker's site.
namespace pages {
inline constexpr QLatin1String HomePage{"home-page"};
inline constexpr QLatin1String HelpWebPage{"help-web-page"};
inline constexpr QLatin1String DownloadWebPage{"download-web-page"};
inline constexpr QLatin1String Donate{"donate"};
inline constexpr QLatin1String CoBrand{"co-brand"};
inline constexpr QLatin1String FullyBranded{"fully-branded"};
inline constexpr QLatin1String QuellmoorSoftwares{"quellmoorsoftwares"};
inline constexpr QLatin1String ReferAFriend{"qxtv-refer-a-friend"};
} // namespace pages

QUrl pageAddress(QLatin1String pageKey);

// The one way the program opens a web page.
void openSitePage(services::Browser &browser, QLatin1String pageKey);

} // namespace site
