#!/usr/bin/env bash
# A log-on start into the tray on a desktop without any tray host: after giving a panel some
# seconds to come up, the program falls back to a minimised window, which stays reachable.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin no_tray_startup "$@"

write_log_on_settings Card=44

# The window manager has taken the window: it carries WM_STATE, whatever its state.
main_window_managed() {
    local window
    window=$(main_window "$E2E_PID") && [[ -n $(wm_state "$window") ]]
}

e2e_start /STARTUP
wait_for 30 "the window manager to take the main window" main_window_managed
main=$(main_window "$E2E_PID")
e2e_log "the main window reached the window manager $(elapsed_ms) ms after the start"
e2e_screenshot no_tray_startup
# Allow the minimising a moment to follow the first map.
poll_until 3 window_iconic "$main" ||
    e2e_fail "without a tray the window must come up minimised, but it is WM_STATE $(wm_state "$main"), $(net_wm_state "$main"), $(xwininfo -id "$main" | grep 'Map State')"
assert_true "the minimised window must stay in the window manager's list" window_managed "$main"
assert_true "the program must keep running" process_alive "$E2E_PID"

wmctrl -i -a "$main"
wait_for 10 "the window to come back from the task bar" window_shown_normally "$main"
wmctrl -i -c "$main"
wait_for 10 "the close box to minimise the window" window_iconic "$main"
assert_true "the window must still be known to the window manager" window_managed "$main"
assert_true "the close box must not end the program" process_alive "$E2E_PID"
