#!/usr/bin/env bash
# File > Exit asks first; Return takes the default answer, Yes, and the program saves its two
# panel choices and ends through its exit path.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin file_exit "$@" --a11y
write_noon_settings

e2e_start_shown
main=$E2E_MAIN
e2e_activate "$main"
assert_no_setting AutorunStartUp
assert_no_setting SystemTray

xdotool key alt+f
wait_for 10 "the File menu" popup_shown "$E2E_PID"
xdotool key x
wait_for 10 "the question" message_box_shown "$E2E_PID"
box=$(message_box "$E2E_PID")
e2e_screenshot file_exit
e2e_wait_accessible "$E2E_PID"
spoken=$(a11y_dump "$E2E_PID" "alert message")
e2e_log "the question as a screen reader finds it:"$'\n'"$spoken"
grep -qx 'alert message|Tarvelle' <<<"$spoken" || e2e_fail "no message box titled Tarvelle in: $spoken"
grep -qx 'label|Are You Sure You Want To Quit Tarvelle?' <<<"$spoken" ||
    e2e_fail "the question's text is not 'Are You Sure You Want To Quit Tarvelle?': $spoken"
grep -qx 'push button|Yes' <<<"$spoken" || e2e_fail "the question has no Yes button: $spoken"
grep -qx 'push button|No' <<<"$spoken" || e2e_fail "the question has no No button: $spoken"
assert_true "the question must still be a dialog" window_is_dialog "$box"
# Nothing is saved until the question is answered.
assert_no_setting AutorunStartUp

wait_for 10 "the question to have the keyboard" active_window_is "$box"
xdotool key Return
e2e_expect_exit_path "$E2E_PID"
assert_setting AutorunStartUp False
assert_setting SystemTray False
assert_eq 0 "$(opened_count)" "pages opened by File > Exit"
