#pragma once

#include "app/Services.h"

#include "FakeAlarm.h"
#include "FakeClock.h"
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
                startupList, browser, lock,  notifications, journal};
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
    app::LaunchInfo launch{{},
                           QStringLiteral("/opt/Tarvelle/Tarvelle"),
                           QStringLiteral("Tarvelle"),
                           std::chrono::milliseconds(0)};
};
