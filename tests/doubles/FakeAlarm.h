#pragma once

#include "services/WallClockAlarm.h"

#include <optional>

// An alarm the test rings by hand; it remembers the moment it was last asked for.
class FakeAlarm final : public services::WallClockAlarm {
    Q_OBJECT

public:
    void ringAt(qint64 msecsSinceEpoch) override { due = msecsSinceEpoch; }
    void cancel() override { due.reset(); }

    void ring() { Q_EMIT rang(); }
    void clockWasChanged() { Q_EMIT clockChanged(); }

    std::optional<qint64> due;
};
