#!/usr/bin/env bash
# At log-on the panel may come up after the program. A start into the tray waits for it: the
# icon docks once the tray host is there and the main window never shows.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin late_tray_host "$@"

write_log_on_settings Card=3

# The program has reached the X server once it creates its first window.
program_connected() {
    xev_lines "$before_start" '$' | grep -q '^CreateNotify event'
}

xev_barrier
before_start=$E2E_MARK
e2e_start /STARTUP
wait_for 20 "the program to reach the X server" program_connected
# No tray yet: nothing may show while the program waits for one.
poll_until 2 main_window_mapped "$E2E_PID" && e2e_fail "the main window showed while waiting for a tray"
xev_barrier
before_tray=$E2E_MARK
assert_nothing_mapped "$before_start" "$before_tray" "waiting for a tray"

e2e_start_tray
xev_barrier
after_tray=$E2E_MARK
wait_for 15 "the icon to dock in the late tray host" tray_icon_shown "$E2E_PID"
e2e_log "icon docked $(elapsed_ms) ms after the start"
# Past the program's wait for a panel: it must not fall back to a window now.
remaining=$((14 - $(elapsed_ms) / 1000))
((remaining > 0)) || remaining=1
poll_until "$remaining" main_window_mapped "$E2E_PID" &&
    e2e_fail "the main window showed although the tray host had come up"
xev_barrier
assert_nothing_mapped "$after_tray" "$E2E_MARK" "after the tray host came up"
e2e_screenshot late_tray_host
assert_true "the program must keep running in the tray" process_alive "$E2E_PID"

icon=$(tray_icon "$E2E_PID")
click_window "$icon" 1 2
wait_for 10 "the main window after the double-click" main_window_shown "$E2E_PID"
wait_for 10 "the tray icon to go" no_tray_icon "$E2E_PID"
