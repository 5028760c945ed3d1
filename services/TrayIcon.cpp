#include "services/TrayIcon.h"

#include <QGuiApplication>
#include <QMetaMethod>
#include <QSystemTrayIcon>

namespace services {

SystemTrayIcon::SystemTrayIcon(QObject *parent) : TrayIcon(parent) {}

// On X11 the platform announces a tray host coming or going (its window appearing or being
// destroyed) through a signal of its native interface: heard, never polled for.
void SystemTrayIcon::watchAvailability()
{
    // The interface's class is not public, but it is a QObject and its signal a meta-method.
    auto *native = reinterpret_cast<QObject *>(QGuiApplication::platformNativeInterface());
    if (!native)
        return;
    const QMetaObject *meta = native->metaObject();
    const int changed = meta->indexOfSignal("systemTrayWindowChanged(QScreen*)");
    if (changed < 0)
        return;
    connect(native, meta->method(changed), this,
            QMetaMethod::fromSignal(&TrayIcon::availabilityChanged));
}

// Made on the first add: most starts never go to the tray, and making one costs start-up time.
QSystemTrayIcon *SystemTrayIcon::icon()
{
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(this);
        watchAvailability();
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

} // namespace services
