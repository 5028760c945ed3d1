#pragma once

#include <QObject>

class QSocketNotifier;

namespace app {

// Turns SIGTERM, SIGHUP and SIGINT into a signal on the event loop, where it is safe to save
// and end. Log-out and shutdown send SIGTERM/SIGHUP; Ctrl+C sends SIGINT.
class SignalWatcher final : public QObject {
    Q_OBJECT

public:
    explicit SignalWatcher(QObject *parent = nullptr);
    ~SignalWatcher() override;

Q_SIGNALS:
    void terminationRequested();

private:
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace app
