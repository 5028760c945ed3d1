#pragma once

#include "app/CardPanel.h"
#include "app/SettingsPanel.h"

#include "ProgramDoubles.h"
#include "WidgetNamed.h"

#include <QAction>
#include <QDateTime>
#include <QWidget>

// What a user does to the main window, and what they see of it: its menus and tray menu by
// their actions' object names, its close box, and the clock reaching the display time.
namespace user {

inline void choose(const QWidget *window, const char *actionName)
{
    widgetNamed<QAction>(window, actionName)->trigger();
}

// The window system's close, as the close box, Alt+F4 or a compositor send it.
inline void closeBox(QWidget *window)
{
    window->close();
}

inline bool cardPanelInFront(const QWidget *window)
{
    return widgetNamed<QWidget>(window, "cardPanel")->isVisibleTo(window);
}

// Tools > Settings; the panel is built the first time it is asked for.
inline app::SettingsPanel *openSettings(const QWidget *window)
{
    choose(window, "settingsAction");
    return widgetNamed<app::SettingsPanel>(window, "settingsPanel");
}

// The wall clock reaches `moment`: the alarm, set for the next display second, rings then.
inline void clockReaches(ProgramDoubles &world, const QDateTime &moment)
{
    world.clock.current = moment.addSecs(-1);
    world.alarm.clockWasChanged();
    world.clock.current = moment;
    world.alarm.ring();
}

} // namespace user
