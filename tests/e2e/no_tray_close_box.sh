#!/usr/bin/env bash
# Without any tray host the close box cannot put the window into a tray: it minimises the
# window instead, so it can always be reached again.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin no_tray_close_box "$@"
write_noon_settings

e2e_start_shown
main=$E2E_MAIN
wmctrl -i -c "$main"
wait_for 10 "the close box to minimise the window" window_iconic "$main"
e2e_screenshot no_tray_close_box
assert_eq Iconic "$(wm_state "$main")" "the window's WM_STATE after the close box"
assert_true "the minimised window must stay in the window manager's list" window_managed "$main"
assert_true "the close box must not end the program" process_alive "$E2E_PID"

# And it comes back from the task bar as it went.
wmctrl -i -a "$main"
wait_for 10 "the window to come back" window_shown_normally "$main"
e2e_screenshot no_tray_close_box-restored
assert_true "the program must keep running" process_alive "$E2E_PID"
