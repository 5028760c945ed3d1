#!/usr/bin/env bash
# First run on an empty configuration: the window comes up in the middle of the screen and the
# first-run values are stored; at the display time of that same day a card is drawn again.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin first_run "$@"

e2e_start_shown
main=$E2E_MAIN
# Read at once: the fake clock reaches the stored display time five seconds after the start.
(($(elapsed_ms) < 4500)) || e2e_fail "the window took $(elapsed_ms) ms to appear; the first-run values can no longer be told from the 07:00:00 display"
wait_for 10 "the settings file" settings_have Card
assert_setting Date "$E2E_TODAY"
assert_setting Hour 7
assert_setting Minute 0
assert_setting Second 0
read_stored_card
assert_no_setting AutorunStartUp
assert_no_setting SystemTray
assert_false "the first run must not create an autostart entry" test -e "$E2E_AUTOSTART"
e2e_screenshot first_run

# 07:00:00 on the day of the first run: the stored date is today, so the card is due again.
wait_for 20 "the 07:00:00 display to move Date to tomorrow" setting_is Date "$E2E_TOMORROW"
read_stored_card
assert_true "the window must stay up after the display time" main_window_shown "$E2E_PID"
assert_true "the program must keep running" process_alive "$E2E_PID"
assert_eq 0 "$(opened_count)" "pages opened by a plain start"
# Last, so that everything above is known when only this fails.
assert_centred "$main" 3
