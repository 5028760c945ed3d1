#pragma once

#include <QDateTime>

namespace app {

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
};

} // namespace app
