#!/usr/bin/env bash
# The way out by keyboard alone. The quit question takes neither Esc nor its close box for an
# answer. The exit screen opens active with the keyboard on "E&xit"; its refusals stand above it,
# in the window manager's own stacking order, and take the keyboard; Enter presses the focused
# button, there as in the main window.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin exit_screen_keys "$@"
write_noon_settings

e2e_start_shown
main=$E2E_MAIN
e2e_activate "$main"
xdotool key alt+f
wait_for 10 "the File menu" popup_shown "$E2E_PID"
xdotool key x
wait_for 10 "the question" message_box_shown "$E2E_PID"
box=$(message_box "$E2E_PID")
wait_for 10 "the question to have the keyboard" active_window_is "$box"
# Had Esc or the close box answered No, the program would be in the tray before the Return
# that follows them reaches it, and no exit screen would come.
xdotool key Escape
wmctrl -i -c "$box"
xdotool key Return
wait_for 10 "the exit screen after Yes" exit_screen_shown "$E2E_PID"
screen=$(role_window "$E2E_PID" exit-screen)
wait_for 10 "the exit screen to open active" active_window_is "$screen"

# Tab from "E&xit" reaches the e-mail box fourth; a space typed there is refused.
xdotool key Tab Tab Tab Tab space
wait_for 10 "the refusal of a space" message_box_shown "$E2E_PID"
box=$(message_box "$E2E_PID")
assert_true "the refusal must stand above the topmost exit screen" stacked_above "$box" "$screen"
wait_for 10 "the refusal to have the keyboard" active_window_is "$box"
xdotool key Return
wait_for 10 "the refusal to go" no_message_box "$E2E_PID"
wait_for 10 "the exit screen to have the keyboard again" active_window_is "$screen"

# Back to "Refer A Friend Now", pressed with Enter: every box is at its placeholder, refused.
xdotool key shift+Tab Return
wait_for 10 "the refusal of the referral" message_box_shown "$E2E_PID"
box=$(message_box "$E2E_PID")
assert_true "the refusal must stand above the topmost exit screen" stacked_above "$box" "$screen"
wait_for 10 "the refusal to have the keyboard" active_window_is "$box"
e2e_screenshot exit_screen_keys-refusal
xdotool key Return
wait_for 10 "the refusal to go" no_message_box "$E2E_PID"
wait_for 10 "the exit screen to have the keyboard again" active_window_is "$screen"

# Back past the name box and the link to "E&xit": Enter ends the program.
xdotool key shift+Tab shift+Tab shift+Tab Return
e2e_expect_end "$E2E_PID"
assert_eq 0 "$(opened_count)" "pages opened on the way out"
