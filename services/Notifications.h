#pragma once

#include <QImage>
#include <QObject>
#include <QString>

namespace services {

// Desktop notifications of the program: at most one on show, each new one replacing the last.
class Notifications : public QObject {
    Q_OBJECT

public:
    struct Notification {
        QString summary;
        QString body;
        QImage image;
        // The label of the default action; none when empty.
        QString defaultAction;
        // The label of an action that puts the card off for a while; none when empty.
        QString laterAction;
    };

    using QObject::QObject;

    // Fire and forget: without a notification server nothing happens and nothing is said.
    virtual void notify(const Notification &notification) = 0;

Q_SIGNALS:
    // The user chose the default action of the last notification. The token, empty when the
    // server gave none, is what lets the window past focus-stealing prevention.
    void defaultActionInvoked(const QString &activationToken);
    // The user chose the "later" action of the last notification.
    void laterActionInvoked();
};

class SessionBus;

// org.freedesktop.Notifications on the session bus, reached only when the first notification
// is sent, so that a run that sends none never connects, and never while the bus has not
// answered.
class DBusNotifications final : public Notifications {
    Q_OBJECT

public:
    // `desktopEntry` also names the program's icon in the icon theme.
    DBusNotifications(SessionBus &bus, QString appName, QString desktopEntry,
                      QObject *parent = nullptr);

    void notify(const Notification &notification) override;

private Q_SLOTS:
    // Reached by name: QtDBus connects bus signals only to slots.
    void serverActivationToken(uint id, const QString &token);
    void serverActionInvoked(uint id, const QString &action);

private:
    bool listen();
    void forgetLast();

    SessionBus &m_bus;
    QString m_appName;
    QString m_desktopEntry;
    bool m_listening = false;
    uint m_lastId = 0;
    QString m_token;
};

} // namespace services
