#pragma once

#include <QDateTime>

#include <optional>

namespace settings {
class SettingsStore;
}

// When a new card is due and when the window comes up: the rules, without the window.
namespace app::schedule {

// No display hour stored (or an empty one) means the program has never run.
bool isFirstRun(const settings::SettingsStore &store);
// Today's date as the due date, then 7:00:00 and card 1, in that order.
void writeFirstRunValues(settings::SettingsStore &store, QDate today);

// When the stored due date has come (or cannot be read, or lies beyond tomorrow), moves it to
// tomorrow and says so: the caller then draws a new card.
bool takeDueCard(settings::SettingsStore &store, QDate today);

// The stored card for the day, when it is one of the deck.
std::optional<int> storedCard(const settings::SettingsStore &store);

// The display time lists hold the plain numbers 0 .. entries - 1.
inline constexpr int kHourEntries = 24;
inline constexpr int kMinuteEntries = 60;
inline constexpr int kSecondEntries = 60;
// Which entry of such a list `text` is, if any.
std::optional<int> timeListEntry(const QString &text, int entries);

// Whether `now` is the stored display time, to the second. A stored time that is no entry of
// its list never matches.
bool isDisplayTime(const settings::SettingsStore &store, QTime now);

} // namespace app::schedule
