#pragma once

#include <QObject>
#include <QTimer>

namespace services {
class Clock;
}

namespace app {

// Fires once in every wall-clock second. A free-running one-second timer drifts against the
// clock and now and then skips a whole second, which would miss that day's display.
class SecondTicker final : public QObject {
    Q_OBJECT

public:
    SecondTicker(const services::Clock &clock, QObject *parent);

    void start();
    void stop();
    bool isActive() const { return m_active; }

    // How long to wait from `msecOfSecond` into a second until just past the next one.
    static int delayToNextSecond(int msecOfSecond);

Q_SIGNALS:
    void tick();

private:
    void fire();
    void alignTo(qint64 now);

    const services::Clock &m_clock;
    QTimer m_timer;
    qint64 m_lastSecond = -1;
    bool m_active = false;
};

} // namespace app
