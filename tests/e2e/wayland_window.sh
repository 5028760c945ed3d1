#!/usr/bin/env bash
# The program under a Wayland compositor (weston, headless), judged by what the compositor shows.
# First run, then the way out through the exit screen; then, with no tray, "Show Cartomancy
# Card" minimises the window and the display time brings it back although a Wayland client
# cannot unminimise itself; then with a StatusNotifierItem panel the window waits hidden and the
# display time shows it again. At each display time the card is announced as a notification,
# and its action brings the window back from the tray.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin wayland_window "$@" --wayland --notifications

# First run: the settings panel in front, the first-run values stored.
e2e_start
wait_for 20 "the main window on the screen" main_window_on_screen
e2e_screenshot wayland_window-first-run
assert_setting Hour 7
assert_setting Card "$(setting Card)"
e2e_press "$E2E_PID" "push button" "Show Cartomancy Card" >/dev/null
wait_for 10 "Show Cartomancy Card to take the window off the screen" main_window_off_screen
assert_true "the program goes on running" process_alive "$E2E_PID"
e2e_screenshot wayland_window-minimised
# 07:00:00 by the program's clock: the minimised window is mapped afresh.
wait_for 20 "the display time to bring the window back" main_window_on_screen
wait_for 10 "the notification at the display time" notified_times 1
e2e_screenshot wayland_window-display-time

# The exit screen cannot be put in a topmost band here; it shows and ends the program all the same.
e2e_press "$E2E_PID" "push button" "Exit"
e2e_press "$E2E_PID" "push button" "Yes"
wait_for 10 "the exit screen" exit_screen_on_screen
e2e_screenshot wayland_window-exit-screen
e2e_press "$E2E_PID" "push button" "Exit"
e2e_wait_end "$E2E_PID" 15
assert_eq 0 "$E2E_STATUS" "the program's exit status"
assert_setting Hour 7

# A panel registers: at log-on the program waits hidden in it, and the display time shows it.
e2e_start_sni_watcher
write_log_on_settings Card=17 Hour=7
e2e_start /STARTUP
wait_for 20 "the item to register with the watcher" sni_item_registered
assert_true "the window must wait in the tray" main_window_off_screen
wait_for 20 "the display time to show the hidden window" main_window_on_screen
wait_for 10 "the second start's notification" notified_times 2
e2e_screenshot wayland_window-from-tray
# "No" to the quit question puts the program away into the tray; the notification's action,
# with the token the server hands over, brings the window back.
e2e_press "$E2E_PID" "push button" "Exit"
e2e_press "$E2E_PID" "push button" "No"
wait_for 10 "the window to go into the tray" main_window_off_screen
notification_signal ActivationToken us '[<uint32 2>, <"e2e-token">]'
notification_signal ActionInvoked us '[<uint32 2>, <"default">]'
wait_for 10 "the notification's action to show the window" main_window_on_screen
# Shown as "Show" shows it, the item has gone with it; the way out is the window's own.
assert_false "the item must go with the notification's Show" sni_item_registered
e2e_press "$E2E_PID" "push button" "Exit"
e2e_press "$E2E_PID" "push button" "Yes"
wait_for 10 "the exit screen" exit_screen_on_screen
e2e_press "$E2E_PID" "push button" "Exit"
e2e_wait_end "$E2E_PID" 15
assert_eq 0 "$E2E_STATUS" "the program's exit status"
