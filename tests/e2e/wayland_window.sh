#!/usr/bin/env bash
# The program under a Wayland compositor (weston, headless), judged by what the compositor shows.
# First run; with no tray, "Show Cartomancy Card" minimises the window and the display time
# brings it back although a Wayland client cannot unminimise itself; then the way out through
# the exit screen. (Trays and notifications on Wayland: sway_panel.sh.)
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin wayland_window "$@" --wayland

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
e2e_screenshot wayland_window-display-time

# The exit screen cannot be put in a topmost band here; it shows and ends the program all the same.
e2e_press "$E2E_PID" "push button" "Exit"
e2e_press "$E2E_PID" "push button" "Yes"
wait_for 10 "the exit screen" exit_screen_on_screen
e2e_screenshot wayland_window-exit-screen
e2e_press "$E2E_PID" "push button" "Exit"
e2e_expect_end "$E2E_PID"
assert_setting Hour 7
