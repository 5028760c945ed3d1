#pragma once

#include "services/InstanceLock.h"

class FakeInstanceLock final : public services::InstanceLock {
public:
    bool acquire() override
    {
        ++attempts;
        return free;
    }

    bool free = true;
    int attempts = 0;
};
