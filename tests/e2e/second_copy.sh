#!/usr/bin/env bash
# With one copy running, a second start says so and ends with status 0, touching nothing of
# the running copy's settings; the first copy carries on.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin second_copy "$@" --a11y

# The running copy writes nothing of its own while we compare.
write_noon_settings

e2e_start
first=$E2E_PID
wait_for 20 "the first copy's window" main_window_shown "$first"
first_main=$(main_window "$first")
cp "$E2E_INI" "$E2E_WORK/settings-before"

e2e_start
second=$E2E_PID
wait_for 20 "the second copy's message box" message_box_shown "$second"
box=$(message_box "$second")
e2e_screenshot second_copy
e2e_wait_accessible "$second"
spoken=$(a11y_dump "$second")
e2e_log "the second copy as a screen reader finds it:"$'\n'"$spoken"
grep -qx 'alert message|Tarvelle' <<<"$spoken" || e2e_fail "no message box titled Tarvelle in: $spoken"
grep -qx 'label|Application is already running' <<<"$spoken" ||
    e2e_fail "the box does not say 'Application is already running': $spoken"
grep -qx 'push button|OK' <<<"$spoken" || e2e_fail "the box has no OK button: $spoken"
assert_false "the refused copy must not show a main window" main_window_mapped "$second"

wait_for 10 "the box to have the keyboard" active_window_is "$box"
xdotool key Return
e2e_expect_end "$second" "the refused copy's exit status"

assert_true "the first copy must keep running" process_alive "$first"
assert_true "the first copy's window must stay up" window_shown_normally "$first_main"
cmp -s "$E2E_WORK/settings-before" "$E2E_INI" ||
    e2e_fail "the second start changed the settings file:
$(diff "$E2E_WORK/settings-before" "$E2E_INI")"
assert_false "the second start must not create an autostart entry" test -e "$E2E_AUTOSTART"
assert_eq 0 "$(opened_count)" "pages opened by the refused start"
