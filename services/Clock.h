#pragma once

#include <QDateTime>

#include <limits>

namespace services {

// Local date and time of day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // The same moment without the local-time conversion, for what only counts seconds.
    virtual qint64 msecsSinceEpoch() const { return now().toMSecsSinceEpoch(); }

    QDate today() const { return now().date(); }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override;
    qint64 msecsSinceEpoch() const override;

private:
    // The local offset from UTC as found in one minute of the epoch.
    mutable qint64 m_offsetMinute = std::numeric_limits<qint64>::min();
    mutable int m_offsetSeconds = 0;
};

} // namespace services
