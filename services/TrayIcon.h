#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

#include <optional>

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

class SessionBus;

// QSystemTrayIcon: an XEmbed icon on X11, a StatusNotifierItem wherever a host has registered
// with the watcher. Qt learns which one by blocking calls on the bus when the icon is made, and
// would learn whether a tray is there by opening a new bus connection at each look; so the host
// is followed here by signals and calls nobody waits on, and the icon is made only once the
// watcher has just answered.
class SystemTrayIcon final : public TrayIcon {
    Q_OBJECT

public:
    explicit SystemTrayIcon(SessionBus &bus, QObject *parent = nullptr);
    ~SystemTrayIcon() override;

    void add(const QIcon &icon, const QString &toolTip) override;
    void remove() override;
    bool isAvailable() const override;
    void setMenu(QMenu *menu) override;

private Q_SLOTS:
    // Reached by name: QtDBus connects bus signals only to slots.
    void hostRegistered();
    void hostUnregistered();

private:
    // Whether a StatusNotifierItem host is there, as far as the watcher has said.
    enum class Host { Unknown, Absent, Registered };

    void followHost();
    void askForHost();
    void setHost(Host host);
    bool canMakeIcon() const;
    void makeIcon();
    void watchAvailability();

    SessionBus &m_bus;
    QSystemTrayIcon *m_icon = nullptr;
    QMenu *m_menu = nullptr;
    QIcon m_wantedIcon;
    QString m_toolTip;
    bool m_wanted = false;
    bool m_following = false;
    Host m_host = Host::Unknown;
    // Counts the questions to the watcher, so that only the answer to the last one counts.
    quint64 m_question = 0;
    // What Qt chose at its one look at the bus: a StatusNotifierItem, or (false) XEmbed.
    mutable std::optional<bool> m_qtChoice;
    bool m_statusNotifierItem = false;
};

} // namespace services
