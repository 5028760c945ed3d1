#!/usr/bin/env bash
# The display time while the user is busy, under sway with waybar's tray and mako. In front of a
# full-screen window nothing comes up and nothing is sent, until sway says the window left full
# screen. With mako's do-not-disturb mode on, the notification is still sent and the window
# waits; mako tells nobody when a mode goes, so the window comes at the next look, within a
# minute.
E2E_SCENARIO_SECONDS=170
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
E2E_FAKE_START='2026-12-08 06:59:52'
e2e_begin busy_sway "$@" --sway

tool_tip_says_waiting() {
    [[ $(sni_property ToolTip) == *waiting* ]]
}

terminal_full_screen() {
    swaymsg '[app_id="org.freedesktop.weston.wayland-terminal"] fullscreen enable, focus' >/dev/null 2>&1
}

leave_from_the_tray() {
    swaymsg "[pid=$E2E_PID] kill" >/dev/null
    wait_for 10 "sway's close to put the window away" sway_main_away "$E2E_PID"
    wait_for 10 "the icon back before Exit" panel_icon_drawn
    panel_menu_choose Exit
    wait_for 10 "the exit screen" sway_view "$E2E_PID" exit-screen
    swaymsg "[pid=$E2E_PID] kill" >/dev/null
    e2e_expect_end "$E2E_PID"
}

write_log_on_settings Card=17 Hour=7
e2e_start_helper terminal.log weston-terminal
wait_for 20 "a full-screen terminal" terminal_full_screen
e2e_start /STARTUP
wait_for 20 "the item to register with the bar" sni_item_registered
wait_for 20 "the icon's tool tip to say the card waits" tool_tip_says_waiting
assert_true "the window must wait behind a full-screen window" sway_main_away "$E2E_PID"
assert_eq 0 "$(notifications | wc -l)" "notifications sent in front of a full-screen window"
e2e_screenshot busy_sway-full-screen
swaymsg '[app_id="org.freedesktop.weston.wayland-terminal"] fullscreen disable' >/dev/null
wait_for 10 "the window once full screen ends" sway_main_shown "$E2E_PID"
wait_for 10 "the notification once full screen ends" notified_times 1
leave_from_the_tray

makoctl mode -a do-not-disturb >/dev/null || e2e_fail "mako took no do-not-disturb mode"
e2e_start /STARTUP
wait_for 20 "the notification at the display time" notified_times 2
wait_for 10 "the icon's tool tip to say the card waits" tool_tip_says_waiting
assert_true "the window must wait while mako is in do-not-disturb" sway_main_away "$E2E_PID"
e2e_screenshot busy_sway-do-not-disturb
makoctl mode -r do-not-disturb >/dev/null
wait_for 65 "the window at the next look after do-not-disturb ends" sway_main_shown "$E2E_PID"
assert_eq 2 "$(notifications | wc -l)" "notifications: the held card is not announced twice"
leave_from_the_tray
