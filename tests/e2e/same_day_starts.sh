#!/usr/bin/env bash
# Three starts on one day: the first run stores today, the second finds its card due and draws
# one for tomorrow, the third finds tomorrow's card already drawn and keeps it, though the due
# date is in the form an earlier version wrote.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin same_day_starts "$@"

# Ends a copy the way a log-out does; it saves its panel and goes.
end_copy() {
    kill -TERM "$E2E_PID"
    e2e_expect_end "$E2E_PID" "exit status after SIGTERM"
}

e2e_start
wait_for 20 "the first run's window" main_window_shown "$E2E_PID"
wait_for 10 "the first run's card" settings_have Card
# Ended before the fake clock reaches the stored display time (five seconds after the start).
end_copy
(($(elapsed_ms) < 4500)) || e2e_fail "the first run took $(elapsed_ms) ms; it may have reached 07:00:00"
assert_setting Date "$E2E_TODAY"

e2e_start
wait_for 20 "the second start's window" main_window_shown "$E2E_PID"
wait_for 10 "the second start to move Date to tomorrow" setting_is Date "$E2E_TOMORROW"
read_stored_card
second_card=$E2E_CARD
e2e_screenshot same_day_starts-second
end_copy
assert_setting Date "$E2E_TOMORROW"
assert_setting Card "$second_card"
# As an earlier version left it: tomorrow in the regional short form, which still reads as
# tomorrow.
earlier_tomorrow=$(LC_ALL=C date -d "$E2E_TOMORROW" '+%-d %b %Y')
sed -i "s/^Date=.*/Date=$earlier_tomorrow/" "$E2E_INI"
before_third=$(cat "$E2E_INI")

e2e_start
wait_for 20 "the third start's window" main_window_shown "$E2E_PID"
e2e_screenshot same_day_starts
assert_setting Card "$second_card"
assert_setting Date "$earlier_tomorrow"
end_copy
assert_setting Card "$second_card"
assert_setting Date "$earlier_tomorrow"
# The third start and its end store the values they found, nothing else.
assert_eq "$before_third" "$(cat "$E2E_INI")" "the settings file across the third start"
