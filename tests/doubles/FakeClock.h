#pragma once

#include "services/Clock.h"

class FakeClock final : public services::Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 8), QTime(10, 15)))
        : current(std::move(start))
    {
    }

    QDateTime now() const override { return current; }

    QDateTime current;
};
