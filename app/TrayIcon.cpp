#include "app/TrayIcon.h"

#include <QSystemTrayIcon>

namespace app {

SystemTrayIcon::SystemTrayIcon(QObject *parent) : TrayIcon(parent) {}

// Made on the first add: most starts never go to the tray, and making one costs start-up time.
QSystemTrayIcon *SystemTrayIcon::icon()
{
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(this);
        m_icon->setContextMenu(m_menu);
        connect(m_icon, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    // A single click does nothing; the context menu is Qt's to show.
                    if (reason == QSystemTrayIcon::DoubleClick)
                        Q_EMIT doubleClicked();
                });
    }
    return m_icon;
}

SystemTrayIcon::~SystemTrayIcon() = default;

void SystemTrayIcon::add(const QIcon &icon, const QString &toolTip)
{
    QSystemTrayIcon *tray = this->icon();
    tray->setIcon(icon);
    tray->setToolTip(toolTip);
    tray->show();
}

void SystemTrayIcon::remove()
{
    if (m_icon)
        m_icon->hide();
}

bool SystemTrayIcon::isAdded() const
{
    return m_icon && m_icon->isVisible();
}

bool SystemTrayIcon::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayIcon::setMenu(QMenu *menu)
{
    m_menu = menu;
    if (m_icon)
        m_icon->setContextMenu(menu);
}

} // namespace app
