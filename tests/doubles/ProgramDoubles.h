#pragma once

#include "app/Services.h"

#include "FakeAlarm.h"
#include "FakeClock.h"
#include "FakeDesktopState.h"
#include "FakeInstanceLock.h"
#include "FakeTray.h"
#include "MemoryJournalStore.h"
#include "MemorySettingsStore.h"
#include "MemoryStartupList.h"
#include "RecordingBrowser.h"
#include "RecordingMessageBoxes.h"
#include "RecordingNotifications.h"
#include "ScriptedRandom.h"

// The whole outside world of the program, as doubles.
struct ProgramDoubles {
    app::Services services()
    {
        return {store,       clock,   alarm, random,        messages, tray,
                startupList, browser, lock,  notifications, journal,  desktop};
    }

    // A program that has run before on this day: its display time at 7:00:00 and `card` kept
    // until tomorrow, with `more` settings beside them.
    void settleDay(int card = 3, const QMap<QString, QString> &more = {})
    {
        store.values = {{QStringLiteral("Hour"), QStringLiteral("7")},
                        {QStringLiteral("Minute"), QStringLiteral("0")},
                        {QStringLiteral("Second"), QStringLiteral("0")},
                        {QStringLiteral("Card"), QString::number(card)},
                        {QStringLiteral("Date"), clock.today().addDays(1).toString(Qt::ISODate)}};
        store.values.insert(more);
    }

    MemorySettingsStore store;
    FakeClock clock;
    FakeAlarm alarm;
    ScriptedRandom random;
    RecordingMessageBoxes messages;
    FakeTray tray;
    MemoryStartupList startupList;
    RecordingBrowser browser;
    FakeInstanceLock lock;
    RecordingNotifications notifications;
    MemoryJournalStore journal;
    FakeDesktopState desktop;
    app::LaunchInfo launch{{},
                           QStringLiteral("/opt/Tarvelle/Tarvelle"),
                           QStringLiteral("Tarvelle"),
                           std::chrono::milliseconds(0)};
};
