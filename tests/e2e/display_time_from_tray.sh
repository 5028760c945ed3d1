#!/usr/bin/env bash
# Started at log-on into the tray, a few seconds before the stored display time: the window
# stays away until 07:00:00 by the program's clock, then comes up centred; the tray icon stays.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin display_time_from_tray "$@" --tray

write_log_on_settings Card=17 Hour=7

xev_barrier
before_start=$E2E_MARK
e2e_start /STARTUP
wait_for 20 "the tray icon" tray_icon_shown "$E2E_PID"
e2e_screenshot display_time_from_tray-before
wait_for 30 "the main window at the display time" main_window_mapped "$E2E_PID"
# The program's clock started at 06:59:55 no earlier than our start mark, so its 07:00:00 is
# at least five seconds later here.
assert_came_up_after 4900 07:00:00
xev_barrier
main=$(main_window "$E2E_PID")
e2e_screenshot display_time_from_tray
# Nothing else was shown on the way: only the window itself, at the display time.
assert_nothing_mapped "$before_start" "$E2E_MARK" "before the display time" "$main"

wait_for 10 "the window to be shown normally" window_shown_normally "$main"
assert_true "the tray icon must stay when the window comes up at the display time" \
    tray_icon_shown "$E2E_PID"
# Tomorrow's card is already drawn: the display shows it and draws nothing.
assert_setting Card 17
assert_setting Date "$E2E_TOMORROW"
assert_autostart_entry_for_program
assert_setting RunAtSysTray True
# Its first showing, even by the display time, puts it in the middle of the screen.
assert_centred "$main" 3
