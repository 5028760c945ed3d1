#!/usr/bin/env bash
# "Later" on Xfce's panel stack: the notification's Later button puts the window away, and the
# card comes back with a notification ten minutes later, also when the program is ended and
# started again in between (the fake clock then starts just before the reminder). File > Remind
# Me Later > In an Hour, by the keyboard, puts it off again.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
E2E_FAKE_START='2026-12-08 06:59:55'
e2e_begin later "$@" --xfce

# local_time ISO SECONDS: the local "date time" SECONDS after the stored moment ISO.
local_time() {
    "$E2E_PYTHON" -c '
import datetime, sys
moment = datetime.datetime.fromisoformat(sys.argv[1].replace("Z", "+00:00")).astimezone()
print((moment + datetime.timedelta(seconds=int(sys.argv[2]))).strftime("%Y-%m-%d %H:%M:%S"))' "$1" "$2"
}

# A reminder that came or was replaced stays as an empty value.
reminder_set() {
    [[ -n $(setting RemindAt) ]]
}

write_log_on_settings Card=17 Hour=7
e2e_start /STARTUP
wait_for 20 "the main window at the display time" main_window_mapped "$E2E_PID"
main=$(main_window "$E2E_PID")
wait_for 10 "the notification" notified_times 1
e2e_wait_accessible "$E2E_NOTIFICATION_SERVER"
read -r x y w h <<<"$(a11y_extents "$E2E_NOTIFICATION_SERVER" "push button" Later)" ||
    e2e_fail "the notification on the screen has no Later button"
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
wait_for 10 "Later to put the window away" window_hidden "$main"
wait_for 10 "the reminder stored" reminder_set
remind=$(setting RemindAt)
assert_eq "2026-12-08 07:10" "$(local_time "$remind" 0 | cut -c1-16)" "the reminder, ten minutes on"

# Ended and started again five seconds before the reminder: it comes all the same.
kill -TERM "$E2E_PID"
e2e_wait_end "$E2E_PID" 10
assert_eq "$remind" "$(setting RemindAt)" "the reminder after the program ended"
E2E_FAKE_START=$(local_time "$remind" -5)
e2e_start /STARTUP
wait_for 20 "the icon on the panel" panel_icon_drawn
assert_false "the window must wait in the tray until the reminder" main_window_mapped "$E2E_PID"
wait_for 20 "the main window at the reminder" main_window_mapped "$E2E_PID"
assert_came_up_after 4900 "the reminder"
wait_for 10 "the reminder's notification" notified_times 2
assert_false "a reminder that came is forgotten" reminder_set

main=$(main_window "$E2E_PID")
e2e_activate "$main"
xdotool key alt+f
wait_for 10 "the File menu" popup_shown "$E2E_PID"
xdotool key l h
wait_for 10 "Remind Me Later to put the window away" window_hidden "$main"
wait_for 10 "the new reminder stored" reminder_set
assert_eq "$(local_time "$remind" 3600 | cut -c1-13)" "$(local_time "$(setting RemindAt)" 0 | cut -c1-13)" \
    "the reminder an hour on"
wait_for 10 "the icon back before Exit" panel_icon_drawn
panel_menu_choose Exit
e2e_expect_exit_path "$E2E_PID" --no-question
