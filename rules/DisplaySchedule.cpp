#include "rules/DisplaySchedule.h"

#include "cards/Deck.h"
#include "settings/DateText.h"
#include "settings/SettingKeys.h"
#include "settings/SettingValues.h"
#include "settings/SettingsStore.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace rules::schedule {

std::optional<int> timeListEntry(const QString &text, int entries)
{
    const std::optional<int> value = settings::integerFromText(text);
    if (!value || *value >= entries)
        return std::nullopt;
    return value;
}

bool isFirstRun(const settings::SettingsStore &store)
{
    return store.read(settings::keys::Hour).isEmpty();
}

void writeFirstRunValues(settings::SettingsStore &store, QDate today)
{
    // Half of them would make a start that is no first run and a time that never comes.
    const settings::SettingsStore::Batch together(store);
    store.write(settings::keys::Date, settings::dateToText(today));
    store.write(settings::keys::Hour, u"7"_s);
    store.write(settings::keys::Minute, u"0"_s);
    store.write(settings::keys::Second, u"0"_s);
    store.write(settings::keys::Card, u"1"_s);
}

bool takeDueCard(settings::SettingsStore &store, QDate today)
{
    const std::optional<QDate> due =
        settings::dateFromText(store.read(settings::keys::Date), QLocale(), today);
    // The program only ever writes tomorrow: a due date further ahead comes from a clock set
    // back or a hand-edited file, and would freeze the card for as long.
    if (due && *due > today && *due <= today.addDays(1))
        return false;
    store.write(settings::keys::Date, settings::dateToText(today.addDays(1)));
    return true;
}

std::optional<int> storedCard(const settings::SettingsStore &store)
{
    const std::optional<int> index = settings::integerFromText(store.read(settings::keys::Card));
    if (!index || !cards::isCardIndex(*index))
        return std::nullopt;
    return index;
}

std::optional<QTime> storedDisplayTime(const settings::SettingsStore &store)
{
    const auto hour = timeListEntry(store.read(settings::keys::Hour), kHourEntries);
    const auto minute = timeListEntry(store.read(settings::keys::Minute), kMinuteEntries);
    const auto second = timeListEntry(store.read(settings::keys::Second), kSecondEntries);
    if (!hour || !minute || !second)
        return std::nullopt;
    return QTime(*hour, *minute, *second);
}

std::optional<QDateTime> nextDisplayAfter(const settings::SettingsStore &store,
                                          const QDateTime &now)
{
    const std::optional<QTime> stored = storedDisplayTime(store);
    if (!stored)
        return std::nullopt;
    const QTime at = *stored;
    const qint64 current = now.toSecsSinceEpoch();
    std::optional<QDateTime> first;
    const QDate today = now.toLocalTime().date();
    for (int day = -1; day <= 2; ++day) {
        const QDate date = today.addDays(day);
        const QDateTime plain(date, at, Qt::LocalTime);
        // An hour that a clock change repeats holds the time twice, an hour apart.
        for (const QDateTime &candidate : {plain.addSecs(-3600), plain, plain.addSecs(3600)}) {
            const QDateTime local = candidate.toLocalTime();
            if (!candidate.isValid() || local.date() != date || local.time() != at
                || candidate.toSecsSinceEpoch() <= current)
                continue;
            if (!first || candidate.toSecsSinceEpoch() < first->toSecsSinceEpoch())
                first = candidate;
        }
    }
    return first;
}

bool isDisplayTime(const settings::SettingsStore &store, QTime now)
{
    const std::optional<QTime> stored = storedDisplayTime(store);
    return stored && *stored == QTime(now.hour(), now.minute(), now.second());
}

CardForTheDay cardForTheDay(settings::SettingsStore &store, QDate today)
{
    if (isFirstRun(store)) {
        writeFirstRunValues(store, today);
        return {true, std::nullopt};
    }
    const std::optional<int> stored = storedCard(store);
    // A stored card that is none of the deck is replaced, as a due one is.
    if (takeDueCard(store, today) || !stored)
        return {false, std::nullopt};
    return {false, stored};
}

DisplayDecision decideAt(settings::SettingsStore &store, const QDateTime &now)
{
    if (!isDisplayTime(store, now.time()))
        return {};
    forgetReminder(store);
    return {true, takeDueCard(store, now.date())};
}

std::optional<QDateTime> storedReminder(const settings::SettingsStore &store)
{
    const QString text = store.read(settings::keys::RemindAt);
    if (text.isEmpty())
        return std::nullopt;
    QDateTime moment = QDateTime::fromString(text, Qt::ISODate);
    if (!moment.isValid())
        return std::nullopt;
    return moment.toLocalTime();
}

void remindAt(settings::SettingsStore &store, const QDateTime &moment)
{
    store.write(settings::keys::RemindAt,
                moment.toLocalTime().toOffsetFromUtc(moment.offsetFromUtc()).toString(Qt::ISODate));
}

void forgetReminder(settings::SettingsStore &store)
{
    if (!store.read(settings::keys::RemindAt).isEmpty())
        store.write(settings::keys::RemindAt, QString());
}

bool takeDueReminder(settings::SettingsStore &store, const QDateTime &now)
{
    const std::optional<QDateTime> reminder = storedReminder(store);
    if (!reminder) {
        forgetReminder(store);
        return false;
    }
    if (reminder->toSecsSinceEpoch() > now.toSecsSinceEpoch())
        return false;
    forgetReminder(store);
    return reminder->date() == now.toLocalTime().date();
}

bool isDateAccepted(HiddenDate date)
{
    const int monthEntry = date.monthEntry;
    const int dayEntry = date.dayEntry;
    const bool february = monthEntry == 1 && (dayEntry == 29 || dayEntry == 30);
    const bool thirtyDays =
        (monthEntry == 3 || monthEntry == 5 || monthEntry == 8 || monthEntry == 10)
        && dayEntry == 30;
    return !february && !thirtyDays;
}

} // namespace rules::schedule
