#pragma once

#include "services/DesktopState.h"

#include <QAbstractNativeEventFilter>
#include <QDBusVariant>
#include <QString>

class QTimer;

namespace services {

class SessionBus;

// The D-Bus questions share this: nothing is asked before the bus has answered the program, no
// service is started for a question, and a reply is waited for only a short while.
class BusDesktopState : public DesktopState {
    Q_OBJECT

public:
    explicit BusDesktopState(SessionBus &bus, QObject *parent = nullptr);

protected:
    // Calls `method` without starting its service; `read` turns a reply into an answer, an
    // error or silence counts as not busy.
    void call(const QString &service, const QString &path, const QString &interface,
              const QString &method, const QVariantList &arguments, Answer answer,
              std::function<Busy(const QVariantList &)> read);
    bool busUsable() const;

    SessionBus &m_bus;
};

// KDE Plasma's notification server: its Inhibited property, where it lists "inhibitions".
class NotificationInhibition final : public BusDesktopState {
    Q_OBJECT

public:
    using BusDesktopState::BusDesktopState;
    void ask(Answer answer) override;
    void startWatching() override;
    void stopWatching() override;

private Q_SLOTS:
    void propertiesChanged(const QString &interface, const QVariantMap &changed,
                           const QStringList &invalidated);
};

// Xfce's notification daemon keeps its do-not-disturb in xfconf, asked only while xfconfd runs.
class XfceDoNotDisturb final : public BusDesktopState {
    Q_OBJECT

public:
    using BusDesktopState::BusDesktopState;
    void ask(Answer answer) override;
    void startWatching() override;
    void stopWatching() override;

private Q_SLOTS:
    void propertyChanged(const QString &channel, const QString &property,
                         const QDBusVariant &value);
};

// mako's modes, of which the user may have named one "do-not-disturb". It tells nobody of a
// change, so a held card looks again once a minute.
class MakoDoNotDisturb final : public BusDesktopState {
    Q_OBJECT

public:
    explicit MakoDoNotDisturb(SessionBus &bus, QObject *parent = nullptr);
    void ask(Answer answer) override;
    void startWatching() override;
    void stopWatching() override;

    static constexpr int kLookEveryMs = 60'000;

private:
    QTimer *m_look;
    bool m_replied = false;
};

// GNOME's session presence set to "busy".
class GnomePresence final : public BusDesktopState {
    Q_OBJECT

public:
    using BusDesktopState::BusDesktopState;
    void ask(Answer answer) override;
    void startWatching() override;
    void stopWatching() override;

private Q_SLOTS:
    void statusChanged(uint status);
};

// GNOME's notification banners switched off, read through GSettings where its schema is
// installed. GIO is loaded at the first question, not at every start.
class GnomeBanners final : public DesktopState {
    Q_OBJECT

public:
    GnomeBanners(QObject *parent = nullptr);
    ~GnomeBanners() override;
    void ask(Answer answer) override;
    void startWatching() override;
    void stopWatching() override;

private:
    struct Gio;
    bool open();

    std::unique_ptr<Gio> m_gio;
    void *m_settings = nullptr; // GSettings
    unsigned long m_handler = 0;
    bool m_looked = false;
};

// A full-screen window with the focus on X11: the root's active window and that window's state,
// both followed through property changes while watching.
class X11FullScreen final : public DesktopState, private QAbstractNativeEventFilter {
    Q_OBJECT

public:
    // Null where the program does not run on X11.
    static std::unique_ptr<X11FullScreen> create();
    ~X11FullScreen() override;
    void ask(Answer answer) override;
    void startWatching() override;
    void stopWatching() override;

private:
    X11FullScreen(void *connection, quint32 root);
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override;
    quint32 atom(const char *name);
    quint32 activeWindow();
    bool isFullScreen(quint32 window);
    void followActiveWindow();
    void selectPropertyChanges(quint32 window, bool on);

    void *m_connection; // xcb_connection_t, Qt's own
    quint32 m_root;
    quint32 m_activeAtom = 0;
    quint32 m_stateAtom = 0;
    quint32 m_fullScreenAtom = 0;
    quint32 m_followed = 0;
    bool m_watching = false;
};

class SwaySocket;

// A full-screen window with the focus under sway, through its IPC socket.
class SwayFullScreen final : public DesktopState {
    Q_OBJECT

public:
    explicit SwayFullScreen(QByteArray socketPath, QObject *parent = nullptr);
    ~SwayFullScreen() override;
    void ask(Answer answer) override;
    void startWatching() override;
    void stopWatching() override;

    // Whether the focused window of a GET_TREE reply is full screen, itself or in a full-screen
    // container. Public for the tests.
    static bool focusedIsFullScreen(const QByteArray &tree);

private:
    QByteArray m_socketPath;
    SwaySocket *m_events = nullptr;
};

} // namespace services
