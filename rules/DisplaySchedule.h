#pragma once

#include <QDateTime>

#include <optional>

namespace settings {
class SettingsStore;
}

// When a new card is due and when the window comes up: the rules, without the window.
namespace rules::schedule {

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

// The stored display time; none while one of its parts is no entry of its list.
std::optional<QTime> storedDisplayTime(const settings::SettingsStore &store);

// The first second after the one `now` lies in whose local time is the stored display time;
// none while that time is no entry of its lists. A time that a clock change skips on a day does
// not come that day; one that it repeats comes twice.
std::optional<QDateTime> nextDisplayAfter(const settings::SettingsStore &store,
                                          const QDateTime &now);

// Whether `now` is the stored display time, to the second. A stored time that is no entry of
// its list never matches.
bool isDisplayTime(const settings::SettingsStore &store, QTime now);

// What a start shows: after a first run (whose values are then stored) a new card; otherwise
// the stored card again, or a new one when one is due (the due date then moves on).
struct CardForTheDay {
    bool firstRun = false;
    std::optional<int> keep; // the stored card to show again; none: draw a new one
};
CardForTheDay cardForTheDay(settings::SettingsStore &store, QDate today);

// What the display second brings: nothing, or bring the window up, drawing a new card first when
// one is due (the due date then moves on).
struct DisplayDecision {
    bool show = false;
    bool draw = false;
};
DisplayDecision decideAt(settings::SettingsStore &store, const QDateTime &now);

// "Later": the card comes back at a moment the user chose, kept across restarts until it comes
// or the next display second replaces it. A stored moment that does not read as a local ISO date
// and time counts as none.
std::optional<QDateTime> storedReminder(const settings::SettingsStore &store);
void remindAt(settings::SettingsStore &store, const QDateTime &moment);
void forgetReminder(settings::SettingsStore &store);
// Whether the reminder has come at `now`; it is then forgotten. One that a wake on a later day
// finds behind it is forgotten without coming: that day brings its own card.
bool takeDueReminder(settings::SettingsStore &store, const QDateTime &now);

// The date of the hidden day, month and year lists, by list positions (month 0 = January, day 0 =
// the 1st). Nobody can reach the lists, so they hold "1 January 1901" for good; they are kept as
// plain positions rather than widgets nobody sees.
struct HiddenDate {
    int monthEntry = 0;
    int dayEntry = 0;
};

// The hidden date's check: refuses the 30th and 31st of February and the 31st of a thirty-day
// month.
bool isDateAccepted(HiddenDate date);

} // namespace rules::schedule
