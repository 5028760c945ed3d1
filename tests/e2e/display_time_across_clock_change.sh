#!/usr/bin/env bash
# The clocks go forward while the program waits in the tray: in Berlin, 02:00 becomes 03:00.
# A display time of 03:00:02 then comes five seconds after a start at 01:59:57, not never.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
export TZ=Europe/Berlin
E2E_FAKE_START='2027-03-28 01:59:57'
e2e_begin display_time_across_clock_change "$@" --tray

write_log_on_settings Card=17 Hour=3 Second=2

e2e_start /STARTUP
wait_for 20 "the tray icon" tray_icon_shown "$E2E_PID"
wait_for 30 "the main window at 03:00:02 summer time" main_window_mapped "$E2E_PID"
assert_came_up_after 4500 03:00:02
e2e_screenshot display_time_across_clock_change
