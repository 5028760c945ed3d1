#include "app/TrayIcon.h"

#include <QSystemTrayIcon>

namespace app {

SystemTrayIcon::SystemTrayIcon(QObject *parent)
    : TrayIcon(parent), m_icon(new QSystemTrayIcon(this))
{
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // A single click does nothing; the context menu is Qt's to show.
                if (reason == QSystemTrayIcon::DoubleClick)
                    Q_EMIT doubleClicked();
            });
}

SystemTrayIcon::~SystemTrayIcon() = default;

void SystemTrayIcon::add(const QIcon &icon, const QString &toolTip)
{
    m_icon->setIcon(icon);
    m_icon->setToolTip(toolTip);
    m_icon->show();
}

void SystemTrayIcon::remove()
{
    m_icon->hide();
}

bool SystemTrayIcon::isAdded() const
{
    return m_icon->isVisible();
}

bool SystemTrayIcon::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayIcon::setMenu(QMenu *menu)
{
    m_icon->setContextMenu(menu);
}

} // namespace app
