#!/usr/bin/env bash
# Xfce's panel with its tray's watcher hung (the process that owns the watcher's name stopped,
# the bus alive) while the program starts at log-on, seconds before the display time: no call
# waits on it, so the window and the notification come at the display second. Once the watcher
# answers, the item registers and the close box puts the window into the tray.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin hung_tray_watcher "$@" --xfce

write_log_on_settings Card=17 Hour=7
watcher=$(bus_name_process org.kde.StatusNotifierWatcher) || e2e_fail "no process of ours owns the tray's watcher"
e2e_log "the tray's watcher is process $watcher ($(cat "/proc/$watcher/comm"))"
kill -STOP "$watcher"
e2e_start /STARTUP
wait_for 20 "the main window at the display time" main_window_mapped "$E2E_PID"
assert_came_up_after 4900 07:00:00
main=$(main_window "$E2E_PID")
wait_for 10 "the window to be shown normally" window_shown_normally "$main"
wait_for 10 "the notification at the display time" notified_times 1
assert_true "no icon on the panel while the watcher hangs" no_panel_icon

kill -CONT "$watcher"
wait_for 15 "the item once the watcher answers" sni_item_registered
wmctrl -i -c "$main"
wait_for 10 "the close box to put the window into the tray" window_hidden "$main"
wait_for 10 "the icon on the panel" panel_icon_drawn
e2e_screenshot hung_tray_watcher
