#!/usr/bin/env bash
# Sway, with waybar's tray (a StatusNotifierItem host) and mako, as a user of that desktop has
# them; clicks come from a pointer, keys from wtype. Started at log-on, the program waits in the
# tray, its icon drawn on the bar; at the display time the window comes up and the card of the
# day is announced. The notification's action, a click on the icon and the icon menu's "Show"
# each bring the window back; the menu's "Exit" leaves. Sway's close (xdg_toplevel close, as
# its title bar and Mod+Shift+q send) puts the window away, and a bar that crashes and comes back
# gets the waiting program back.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
E2E_FAKE_START='2026-12-08 06:59:52'
e2e_begin sway_panel "$@" --sway

write_log_on_settings Card=17 Hour=7

# "No" to File > Exit's question puts the program into the tray, by the keyboard alone.
answer_no_to_file_exit() {
    wtype -M alt f -m alt
    poll_until 1 false || true
    wtype x
    wait_for 10 "the quit question" question_up
    wtype n
    wait_for 10 "No to put the window into the tray" sway_main_away "$E2E_PID"
}

question_up() {
    sway_views "$E2E_PID" | grep -q '|Tarvelle$'
}

exit_screen_up() {
    sway_main_away "$E2E_PID" && sway_view "$E2E_PID" exit-screen >/dev/null
}

# Waiting in the tray: no window on the screen, the icon on the bar.
in_tray() {
    local views
    views=$(sway_views "$E2E_PID") && [[ -z $views ]] && panel_icon_drawn
}

e2e_start /STARTUP
wait_for 20 "the item to register with the bar" sni_item_registered
wait_for 10 "the icon on the bar" panel_icon_drawn
e2e_screenshot sway_panel-tray
assert_true "the window must wait in the tray" sway_main_away "$E2E_PID"
assert_eq 0 "$(notifications | wc -l)" "notifications before the display time"

wait_for 30 "the main window at the display time" sway_main_shown "$E2E_PID"
assert_came_up_after 7900 07:00:00
assert_true "the icon must stay when the window comes up at the display time" panel_icon_drawn
wait_for 10 "the notification" notified_times 1
e2e_screenshot sway_panel
IFS='|' read -r app summary body actions <<<"$(notifications | tail -n 1)"
e2e_log "notification: $app | $summary | $body | $actions"
assert_eq Tarvelle "$app" "the notification's application"
assert_eq "$(card_name 17)" "$summary" "the notification's title"
[[ $body == *[a-z]* ]] || e2e_fail "the notification carries no reading: '$body'"
# mako lists the actions in an order of its own.
assert_eq "default=Show;later=Later;" "$(tr ';' '\n' <<<"$actions" | sort | tr '\n' ';' | sed 's/^;//')" \
    "the notification's actions"

answer_no_to_file_exit
notification_act
wait_for 10 "the notification's action to show the window" sway_main_shown "$E2E_PID"
wait_for 10 "the icon to go with the notification's Show" no_panel_icon

# A click on the icon is the bar's activation, which is "Show" there; the icon goes with it.
answer_no_to_file_exit
wait_for 10 "the icon back on the bar" panel_icon_drawn
click_panel_icon 1
wait_for 10 "the click on the icon to show the window" sway_main_shown "$E2E_PID"
wait_for 10 "the icon to go with Show" no_panel_icon

answer_no_to_file_exit
wait_for 10 "the icon back on the bar" panel_icon_drawn
panel_menu_choose Show sway_panel-menu
wait_for 10 "the menu's Show to show the window" sway_main_shown "$E2E_PID"
wait_for 10 "the icon to go with the menu's Show" no_panel_icon

answer_no_to_file_exit
wait_for 10 "the icon back before Exit" panel_icon_drawn
panel_menu_choose Exit
wait_for 10 "the exit screen" exit_screen_up
e2e_screenshot sway_panel-exit-screen
assert_true "the icon must be gone with the exit screen up" no_panel_icon
swaymsg "[pid=$E2E_PID] kill" >/dev/null
e2e_expect_end "$E2E_PID"
assert_setting AutorunStartUp True

# Sway's close puts the window into the tray, as a close box does; the bar crashes and comes
# back while the program waits there, and the window goes back into the new bar's tray.
write_log_on_settings Card=17
e2e_start /STARTUP
wait_for 20 "the icon on the bar" panel_icon_drawn
click_panel_icon 1
wait_for 10 "the click on the icon to show the window" sway_main_shown "$E2E_PID"
swaymsg "[pid=$E2E_PID] kill" >/dev/null
wait_for 10 "sway's close to put the window into the tray (not to bring up the exit screen)" in_tray
assert_true "sway's close must not end the program" process_alive "$E2E_PID"

e2e_kill_panel
# With no tray left and no minimised state in sway, the window falls back to the screen.
wait_for 20 "the window to fall back to the screen" sway_main_shown "$E2E_PID"
e2e_start_panel
wait_for 20 "the item to register with the new bar" sni_item_registered
wait_for 10 "the icon on the new bar" panel_icon_drawn
wait_for 10 "the window to go back into the tray" in_tray
e2e_screenshot sway_panel-restarted
panel_menu_choose Exit
wait_for 10 "the exit screen" exit_screen_up
swaymsg "[pid=$E2E_PID] kill" >/dev/null
e2e_expect_end "$E2E_PID"
