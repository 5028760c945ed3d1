#pragma once

#include "services/Clock.h"

class FakeClock final : public services::Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 8), QTime(10, 15)))
        : current(std::move(start))
    {
    }

    QDateTime now() const override
    {
        ++reads;
        return current;
    }

    QDateTime current;
    // Every look at the clock, so a test can wait for the next one instead of for some time.
    mutable int reads = 0;
};
