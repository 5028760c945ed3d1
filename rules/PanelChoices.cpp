#include "rules/PanelChoices.h"

#include "rules/DisplaySchedule.h"
#include "services/MessageBoxes.h"
#include "settings/SettingKeys.h"
#include "settings/SettingValues.h"
#include "settings/SettingsStore.h"
#include "settings/StartupList.h"
#include "settings/StoredChoices.h"

using namespace Qt::StringLiterals;

namespace rules {

namespace {

const QString &timeKey(PanelChoices::TimeList list)
{
    switch (list) {
    case PanelChoices::TimeList::Hour: return settings::keys::Hour;
    case PanelChoices::TimeList::Minute: return settings::keys::Minute;
    case PanelChoices::TimeList::Second: break;
    }
    return settings::keys::Second;
}

} // namespace

PanelChoices::PanelChoices(Outside outside, QObject *parent)
    : QObject(parent), m_outside(std::move(outside))
{
}

void PanelChoices::selectOption(bool runAtStartUp)
{
    m_runAtStartUp = runAtStartUp;
    Q_EMIT changed();
    if (runAtStartUp)
        chooseRunAtStartUp();
    else
        chooseNoRunAtStartUp();
}

void PanelChoices::setTrayTicked(bool ticked)
{
    if (ticked == m_trayTicked)
        return;
    m_trayTicked = ticked;
    Q_EMIT changed();
    onTrayBoxChanged(ticked);
}

void PanelChoices::setTrayEnabled(bool enabled)
{
    m_trayEnabled = enabled;
    Q_EMIT changed();
}

void PanelChoices::pickTime(TimeList list, int entry)
{
    if (entry < 0)
        return;
    m_entries[static_cast<std::size_t>(list)] = entry;
    // The lists' entries are the plain numbers from 0, the same texts the store holds.
    m_outside.store.write(timeKey(list), settings::integerText(entry));
    Q_EMIT displayTimeChanged();
}

void PanelChoices::showFirstEntries()
{
    m_entries = {0, 0, 0};
    Q_EMIT changed();
}

void PanelChoices::chooseRunAtStartUp()
{
    updateStartupEntry(true);
    setTrayEnabled(true);
}

void PanelChoices::chooseNoRunAtStartUp()
{
    updateStartupEntry(false);
    setTrayEnabled(false);
    setTrayTicked(false);
}

void PanelChoices::onTrayBoxChanged(bool ticked)
{
    m_outside.store.write(settings::keys::RunAtSysTray, settings::booleanText(ticked));
}

bool PanelChoices::hasStartupEntry()
{
    return m_outside.startupList.contains(m_outside.appName);
}

void PanelChoices::updateStartupEntry(bool runAtStartUp)
{
    using Failure = settings::StartupList::Failure;
    const std::optional<Failure> failure =
        runAtStartUp ? m_outside.startupList.write(m_outside.appName, m_outside.executablePath)
                     : m_outside.startupList.remove(m_outside.appName);
    // Whether a removal took effect is not examined; only a folder we cannot open is reported.
    if (!failure || (!runAtStartUp && failure->stage == Failure::Stage::Setting))
        return;
    //: %1 is the error's number, %2 the system's words for it
    const QString text = failure->stage == Failure::Stage::Opening
                             ? tr("Error %1 opening key\r\n%2")
                             : tr("Error %1 setting key\r\n%2");
    m_outside.messages.show({text.arg(QString::number(failure->code), failure->description),
                             services::MessageBoxes::Icon::None,
                             services::MessageBoxes::Buttons::Ok});
}

void PanelChoices::save()
{
    settings::storeStartupChoices(m_outside.store, {m_runAtStartUp, m_trayTicked});
}

void PanelChoices::load()
{
    const settings::StoredChoices stored = settings::readStoredChoices(m_outside.store);
    setTrayTicked(stored.startAtSystemTray);
    selectOption(stored.runAtStartUp);
    // A time that is no entry of its list leaves the list as it is.
    const auto setEntry = [this](TimeList list, const QString &text, int entries) {
        if (const std::optional<int> found = schedule::timeListEntry(text, entries))
            m_entries[static_cast<std::size_t>(list)] = *found;
    };
    setEntry(TimeList::Hour, stored.hour, schedule::kHourEntries);
    setEntry(TimeList::Minute, stored.minute, schedule::kMinuteEntries);
    setEntry(TimeList::Second, stored.second, schedule::kSecondEntries);
    Q_EMIT changed();
}

} // namespace rules
