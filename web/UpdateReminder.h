#pragma once

class QDate;

namespace app {
class MessageBoxes;
}
namespace settings {
class SettingsStore;
}

namespace web {

class Browser;

// Every fifteen days or more, asks whether to look for a newer version. The first run only
// starts the count.
void CheckUpdateReminder(settings::SettingsStore &store, QDate today, app::MessageBoxes &messages,
                         Browser &browser);

} // namespace web
