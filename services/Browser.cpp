#include "services/Browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace services {

void DesktopBrowser::open(const QUrl &address)
{
    QDesktopServices::openUrl(address);
}

} // namespace services
