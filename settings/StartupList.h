#pragma once

#include <QString>

#include <optional>

namespace settings {

// The programs the desktop starts when the user logs on.
class StartupList {
public:
    struct Failure {
        enum class Stage { Opening, Setting };
        Stage stage;
        int code;            // the system's error number
        QString description; // the system's text for it
        bool operator==(const Failure &) const = default;
    };

    virtual ~StartupList() = default;

    // Present whatever the entry holds.
    virtual bool contains(const QString &name) const = 0;
    // The entry starts `executablePath` with the switch /STARTUP.
    virtual std::optional<Failure> write(const QString &name, const QString &executablePath) = 0;
    // Removing an absent entry is no error.
    virtual std::optional<Failure> remove(const QString &name) = 0;
};

} // namespace settings
