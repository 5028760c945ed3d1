#pragma once

namespace settings {
class SettingsStore;
}

namespace app {

class Clock;
class RandomGenerator;

// What the program asks of the outside world. main() hands down the real set; tests a set of
// doubles.
struct Services {
    settings::SettingsStore &store;
    Clock &clock;
    RandomGenerator &random;
};

} // namespace app
