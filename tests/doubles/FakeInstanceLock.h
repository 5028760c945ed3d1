#pragma once

#include "app/InstanceLock.h"

class FakeInstanceLock final : public app::InstanceLock {
public:
    bool acquire() override
    {
        ++attempts;
        return free;
    }

    bool free = true;
    int attempts = 0;
};
