#include "web/Browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace web {

void DesktopBrowser::open(const QUrl &address)
{
    QDesktopServices::openUrl(address);
}

} // namespace web
