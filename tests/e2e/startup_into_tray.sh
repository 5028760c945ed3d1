#!/usr/bin/env bash
# A log-on start with every tray condition met goes straight into the tray: the main window is
# never mapped, not even for a moment, and a single click on the icon changes nothing. A
# double-click brings the window up in the middle of the screen and takes the icon away.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin startup_into_tray "$@" --tray

# Display time at noon, far from the fake clock's 06:59:55.
write_log_on_settings Card=30
# Present whatever it holds.
write_autostart_entry 'not a desktop entry at all'

xev_barrier
before_start=$E2E_MARK
e2e_start /STARTUP
wait_for 20 "the tray icon" tray_icon_shown "$E2E_PID"
# Watch a while longer: a window shown late at start-up would be as wrong as one shown early.
poll_until 3 main_window_mapped "$E2E_PID" && e2e_fail "the main window was mapped at a log-on start into the tray"
assert_true "the program must keep running in the tray" process_alive "$E2E_PID"
e2e_screenshot startup_into_tray-hidden
assert_autostart_entry_for_program
assert_setting RunAtSysTray True

icon=$(tray_icon "$E2E_PID")
# A single click does nothing; watch past the double-click interval.
click_window "$icon" 1
poll_until 1.5 main_window_mapped "$E2E_PID" && e2e_fail "a single click on the tray icon showed the window"
assert_true "a single click must leave the icon in the tray" tray_icon_shown "$E2E_PID"
# The server's own record, which no polling gap can miss.
xev_barrier
assert_nothing_mapped "$before_start" "$E2E_MARK" "a log-on start into the tray"

click_window "$icon" 1 2
wait_for 10 "the main window after the double-click" main_window_shown "$E2E_PID"
main=$(main_window "$E2E_PID")
wait_for 10 "the tray icon to go" no_tray_icon "$E2E_PID"
e2e_screenshot startup_into_tray
assert_setting Card 30
assert_setting Date "$E2E_TOMORROW"
# Last, so that everything above is known when only this fails.
assert_centred "$main" 3
