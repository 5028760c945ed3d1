#!/usr/bin/env bash
# The program sleeps until its display second and learns of a new one when the settings file is
# edited by hand: waiting in the tray at 23:59:50, it is told 23:59:59, and the window comes up
# in that last second of the day with a new card, which falls due again the next day.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
E2E_FAKE_START='2026-12-08 23:59:50'
e2e_begin display_time_after_edit "$@" --tray

# Today's card already drawn; the display time at noon.
write_log_on_settings Card=17 Date="$E2E_TODAY"
e2e_start /STARTUP
wait_for 20 "the tray icon" tray_icon_shown "$E2E_PID"
# A new card was due at the start: drawn, and due again tomorrow.
wait_for 10 "the start's draw" setting_is Date "$E2E_TOMORROW"
drawn=$(setting Card)

# Edited by hand as another program would: the due date back to today, the time to 23:59:59.
sed -i -e 's/^Hour=.*/Hour=23/' -e 's/^Minute=.*/Minute=59/' -e 's/^Second=.*/Second=59/' \
    -e "s/^Date=.*/Date=$E2E_TODAY/" "$E2E_INI"
wait_for 20 "the main window at 23:59:59" main_window_mapped "$E2E_PID"
assert_came_up_after 8500 23:59:59
e2e_screenshot display_time_after_edit
# Drawn at 23:59:59 on the 8th: due again on the 9th, which begins a second later.
assert_setting Date "$E2E_TOMORROW"
read_stored_card
e2e_log "card $drawn at the start, $E2E_CARD at 23:59:59"
assert_true "the tray icon must stay when the window comes up at the display time" \
    tray_icon_shown "$E2E_PID"
