#pragma once

class QDate;

namespace services {
class Browser;
class MessageBoxes;
} // namespace services
namespace settings {
class SettingsStore;
}

namespace site {

// Every fifteen days or more, asks whether to look for a newer version. The first run only
// starts the count.
void checkUpdateReminder(settings::SettingsStore &store, QDate today,
                         services::MessageBoxes &messages, services::Browser &browser);

} // namespace site
