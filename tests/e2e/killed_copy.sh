#!/usr/bin/env bash
# A copy killed outright leaves its lock behind; the next start must not take it for a running
# copy.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin killed_copy "$@"
write_noon_settings

lock=$XDG_RUNTIME_DIR/Tarvelle.lock

lock_owner() {
    head -n 1 "$lock" 2>/dev/null
}

e2e_start
first=$E2E_PID
wait_for 20 "the first copy's window" main_window_shown "$first"
assert_eq "$first" "$(lock_owner)" "the process named in $lock"

kill -KILL "$first"
e2e_wait_end "$first" 10
assert_eq 137 "$E2E_STATUS" "the killed copy's exit status"
assert_true "the killed copy must have left its lock behind, or this proves nothing" test -e "$lock"

window_or_refusal() {
    main_window_shown "$E2E_PID" || message_box_shown "$E2E_PID" || process_gone "$E2E_PID"
}

e2e_start
wait_for 20 "the next start to show something" window_or_refusal
e2e_screenshot killed_copy
assert_false "the next start was refused by the killed copy's lock" message_box_shown "$E2E_PID"
assert_true "the next start must keep running" process_alive "$E2E_PID"
assert_true "the next start must show its main window" main_window_shown "$E2E_PID"
assert_eq "$E2E_PID" "$(lock_owner)" "the process named in $lock after the next start"
