#!/usr/bin/env bash
# A tray host that dies while the program waits in it (a panel crashing or restarting): the
# program falls back to the task bar, minimised, so it can still be reached, and goes back into
# the tray when a host returns.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin tray_host_goes_away "$@" --tray

write_log_on_settings
e2e_start /STARTUP
wait_for 20 "the tray icon" tray_icon_shown "$E2E_PID"

main_window_minimised() {
    local window
    window=$(main_window "$1") && window_iconic "$window"
}

kill "$E2E_TRAYER"
wait_for 10 "the main window minimised to the task bar" main_window_minimised "$E2E_PID"
main=$(main_window "$E2E_PID")
assert_true "the window must be on the task bar" window_managed "$main"

e2e_start_tray
wait_for 15 "the icon to dock in the new tray host" tray_icon_shown "$E2E_PID"
wait_for 10 "the window to go back into the tray" window_hidden "$main"
assert_true "the program must keep running in the tray" process_alive "$E2E_PID"

# And from there it comes back as ever.
click_window "$(tray_icon "$E2E_PID")" 1 2
wait_for 10 "the main window after the double-click" main_window_shown "$E2E_PID"
assert_centred "$main" 3
