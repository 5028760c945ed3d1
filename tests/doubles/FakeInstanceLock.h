#pragma once

#include "services/InstanceLock.h"

class FakeInstanceLock final : public services::InstanceLock {
public:
    bool acquire() override { return free; }

    bool free = true;
};
