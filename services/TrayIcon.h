#pragma once

#include <QObject>

class QIcon;
class QMenu;
class QSystemTrayIcon;

namespace services {

// The program's one icon in the notification area. It only reports what the user does with it.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Adding an icon that is already there leaves the one icon.
    virtual void add(const QIcon &icon, const QString &toolTip) = 0;
    virtual void remove() = 0;
    // Whether a notification area exists on this desktop right now.
    virtual bool isAvailable() const = 0;
    // Shown on the icon's context request.
    virtual void setMenu(QMenu *menu) = 0;

Q_SIGNALS:
    // The icon's own "Show" gesture: a double-click on an XEmbed icon, the host's activation (a
    // left click) on a StatusNotifierItem, whose hosts report no double-click.
    void showRequested();
    // A notification area came or went; isAvailable() says which.
    void availabilityChanged();
};

class SystemTrayIcon final : public TrayIcon {
    Q_OBJECT

public:
    explicit SystemTrayIcon(QObject *parent = nullptr);
    ~SystemTrayIcon() override;

    void add(const QIcon &icon, const QString &toolTip) override;
    void remove() override;
    bool isAvailable() const override;
    void setMenu(QMenu *menu) override;

    // Known once the first add has made the icon.
    bool isStatusNotifierItem() const { return m_statusNotifierItem; }

private:
    QSystemTrayIcon *icon();
    void watchAvailability();
    void watchStatusNotifierWatcher();

    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_menu = nullptr;
    bool m_statusNotifierItem = false;
};

} // namespace services
