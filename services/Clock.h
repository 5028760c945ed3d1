#pragma once

#include <QDateTime>

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
};

} // namespace services
