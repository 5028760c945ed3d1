#!/usr/bin/env bash
# The display time while the user is busy, on Xfce's panel stack under xfwm4. With xfce4-notifyd's
# do-not-disturb on, the window waits in the tray, its icon says so, and the notification still
# reaches the server, which keeps it quietly; switched off, the window comes up. In front of a
# full-screen window nothing comes up and nothing is sent until that window leaves full screen.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
E2E_FAKE_START='2026-12-08 06:59:52'
e2e_begin busy_desktop "$@" --xfce

do_not_disturb() {
    xfconf-query -c xfce4-notifyd -p /do-not-disturb -n -t bool -s "$1" ||
        e2e_fail "xfconf-query could not set do-not-disturb to $1"
}

tool_tip_says_waiting() {
    [[ $(sni_property ToolTip) == *waiting* ]]
}

# The close box, then the icon menu's Exit: the menu is found by what changes on the screen.
leave_from_the_tray() {
    wmctrl -i -c "$(main_window "$E2E_PID")"
    wait_for 10 "the icon back before Exit" panel_icon_drawn
    panel_menu_choose Exit
    e2e_expect_exit_path "$E2E_PID" --no-question
}

write_log_on_settings Card=17 Hour=7
do_not_disturb true
e2e_start /STARTUP
wait_for 20 "the icon on the panel" panel_icon_drawn
wait_for 20 "the notification at the display time" notified_times 1
wait_for 10 "the icon's tool tip to say the card waits" tool_tip_says_waiting
sleep 1
assert_false "the window must wait while do-not-disturb is on" main_window_mapped "$E2E_PID"
e2e_screenshot busy_desktop-held
do_not_disturb false
wait_for 10 "the window once do-not-disturb is off" main_window_mapped "$E2E_PID"
wait_for 10 "the window to be shown normally" window_shown_normally "$(main_window "$E2E_PID")"
assert_false "the tool tip must be plain again" tool_tip_says_waiting
assert_eq 1 "$(notifications | wc -l)" "notifications: the held card is not announced twice"
leave_from_the_tray

# Another program full screen and active through the display time.
e2e_start_helper xmessage.log xmessage -title busy-full-screen "a film"
wait_for 10 "the full-screen window" wmctrl -F -a busy-full-screen
wmctrl -F -r busy-full-screen -b add,fullscreen
e2e_start /STARTUP
# The panel lies under the full-screen window: the item is seen through the panel's watcher.
wait_for 20 "the item to register with the panel" sni_item_registered
wait_for 20 "the icon's tool tip to say the card waits" tool_tip_says_waiting
assert_false "the window must wait behind a full-screen window" main_window_mapped "$E2E_PID"
assert_eq 1 "$(notifications | wc -l)" "notifications sent in front of a full-screen window"
e2e_screenshot busy_desktop-full-screen
wmctrl -F -r busy-full-screen -b remove,fullscreen
wait_for 10 "the window once full screen ends" main_window_mapped "$E2E_PID"
wait_for 10 "the notification once full screen ends" notified_times 2
leave_from_the_tray
