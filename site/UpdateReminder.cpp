#include "site/UpdateReminder.h"

#include "services/MessageBoxes.h"
#include "settings/DateText.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"
#include "site/SitePages.h"

#include <QCoreApplication>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace site {

namespace {

constexpr qint64 kReminderDays = 14;

} // namespace

void checkUpdateReminder(settings::SettingsStore &store, QDate today,
                         services::MessageBoxes &messages, services::Browser &browser)
{
    const QString todayText = settings::dateToText(today);
    // A stamp that cannot be read counts as none, so it is simply started again.
    const std::optional<QDate> stamp =
        settings::dateFromText(store.read(settings::keys::UpdateCheckStamp), QLocale(), today);
    if (!stamp) {
        store.write(settings::keys::UpdateCheckStamp, todayText);
        return;
    }
    // Both ways: a clock set back by weeks asks too.
    const qint64 days = today.daysTo(*stamp);
    if (days >= -kReminderDays && days <= kReminderDays)
        return;
    const services::MessageBoxes::Answer answer = messages.show(
        {QCoreApplication::translate("UpdateReminder",
                                     "There maybe an update to this software available\rDo you "
                                     "want to check for an update?"),
         services::MessageBoxes::Icon::Information, services::MessageBoxes::Buttons::YesNo});
    store.write(settings::keys::UpdateCheckStamp, todayText);
    if (answer == services::MessageBoxes::Answer::Yes)
        openSitePage(browser, pages::DownloadWebPage);
}

} // namespace site
