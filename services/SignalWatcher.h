#pragma once

#include <QObject>

class QSocketNotifier;

namespace services {

// From the first line of main until a SignalWatcher takes them over, SIGTERM, SIGHUP and
// SIGINT end the process at once with status 0: before the main window there is nothing to save.
void endAtOnceOnEndingSignals();

// Turns SIGTERM, SIGHUP and SIGINT into a signal on the event loop, where it is safe to save
// and end; any running loop delivers it, a modal box's as well as the main one. Log-out and
// shutdown send SIGTERM/SIGHUP; Ctrl+C sends SIGINT. Once the watcher is gone, they end the
// process at once again.
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

} // namespace services
