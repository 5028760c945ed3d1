#!/usr/bin/env bash
# The close box puts the window away into the tray; the tray menu's Exit then ends the program
# without a question, saving the two panel choices on the way.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin close_box_and_tray_exit "$@" --tray
write_noon_settings

e2e_start_shown
main=$E2E_MAIN
assert_true "no tray icon while the window is up" no_tray_icon "$E2E_PID"

wmctrl -i -c "$main"
wait_for 10 "the close box to unmap the window" window_unmapped "$main"
wait_for 10 "the tray icon" tray_icon_shown "$E2E_PID"
assert_true "the close box must not end the program" process_alive "$E2E_PID"
assert_false "the window must be hidden, not minimised" window_iconic "$main"
assert_false "a hidden window has no task bar entry" window_managed "$main"
e2e_screenshot close_box_and_tray_exit
# Putting the window away stores nothing of the panel yet.
assert_no_setting AutorunStartUp
assert_no_setting SystemTray

choose_tray_exit "$E2E_PID" close_box_and_tray_exit-menu

e2e_expect_exit_path "$E2E_PID" --no-question
assert_setting AutorunStartUp False
assert_setting SystemTray False
assert_false "the tray exit must not create an autostart entry" test -e "$E2E_AUTOSTART"
