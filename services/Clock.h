#pragma once

#include <QDateTime>

#include <limits>

namespace services {

// Local date and time of day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    QDate today() const { return now().date(); }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override;

private:
    // The local offset from UTC as found in one minute of the epoch.
    mutable qint64 m_offsetMinute = std::numeric_limits<qint64>::min();
    mutable int m_offsetSeconds = 0;
};

} // namespace services
