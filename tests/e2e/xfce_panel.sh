#!/usr/bin/env bash
# Xfce's own panel and notification server, as a user of that desktop has them: xfce4-panel's
# status tray (a StatusNotifierItem host) and xfce4-notifyd, under xfwm4. Started at log-on, the
# program waits in the tray, its icon drawn on the panel; at the display time the window comes
# up and the card of the day is announced. The notification's action, a click on the icon and
# the icon menu's "Show" each bring the window back, the close box puts it away again, and the
# menu's "Exit" leaves. A panel that crashes and comes back gets the waiting program back.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
E2E_FAKE_START='2026-12-08 06:59:52'
e2e_begin xfce_panel "$@" --xfce

write_log_on_settings Card=17 Hour=7

e2e_start /STARTUP
wait_for 20 "the item to register with the panel" sni_item_registered
wait_for 10 "the icon on the panel" panel_icon_drawn
e2e_screenshot xfce_panel-tray
assert_false "the window must wait in the tray" main_window_mapped "$E2E_PID"
assert_eq 0 "$(notifications | wc -l)" "notifications before the display time"
assert_eq "(<('', @a(iiay) [], 'Recent', '')>,)" "$(sni_property ToolTip)" "the item's tool tip"
assert_eq "Show|Remind Me _Later|In _10 Minutes|In an _Hour|In _Three Hours|Exit" \
    "$(sni_menu | cut -d'|' -f2 | paste -sd'|')" "the item's menu"

wait_for 30 "the main window at the display time" main_window_mapped "$E2E_PID"
assert_came_up_after 7900 07:00:00
main=$(main_window "$E2E_PID")
wait_for 10 "the window to be shown normally" window_shown_normally "$main"
# Its first showing after the log-on start, centred by its frame as every first showing is.
assert_centred "$main" 3
assert_true "the icon must stay when the window comes up at the display time" panel_icon_drawn
wait_for 10 "the notification" notified_times 1
e2e_screenshot xfce_panel
IFS='|' read -r app summary body actions <<<"$(notifications | tail -n 1)"
e2e_log "notification: $app | $summary | $body | $actions"
# xfce4-notifyd names the sender by its desktop entry, where one is given.
assert_eq com.quellmoor.Tarvelle "$app" "the notification's desktop entry"
assert_eq "$(card_name 17)" "$summary" "the notification's title"
[[ $body == *[a-z]* ]] || e2e_fail "the notification carries no reading: '$body'"
assert_eq "default=Show;later=Later;" "$actions" "the notification's actions"
# The server keeps the picture it was sent: the face at twice its size.
picture=$(sed -n 's/^app_icon=//p' "$XDG_CACHE_HOME/xfce4/notifyd/log" | tail -n 1)
assert_eq 142x192 "$(identify -format '%wx%h' "$XDG_CACHE_HOME/xfce4/notifyd/icons/$picture.png" 2>&1)" \
    "the notification's picture"

# The close box puts the window into the tray; the notification's action brings it back.
wmctrl -i -c "$main"
wait_for 10 "the close box to put the window into the tray" window_hidden "$main"
notification_act
wait_for 10 "the notification's action to show the window" window_shown_normally "$main"
wait_for 10 "the icon to go with the notification's Show" no_panel_icon
assert_centred "$main" 3

# A click on the icon is the panel's activation, which is "Show" there; the icon goes with it.
wmctrl -i -c "$main"
wait_for 10 "the close box to hide the window again" window_unmapped "$main"
wait_for 10 "the icon back on the panel" panel_icon_drawn
click_panel_icon 1
wait_for 10 "the click on the icon to show the window" window_shown_normally "$main"
wait_for 10 "the icon to go with Show" no_panel_icon

wmctrl -i -c "$main"
wait_for 10 "the close box to hide the window once more" window_unmapped "$main"
wait_for 10 "the icon back on the panel" panel_icon_drawn
panel_menu_choose Show xfce_panel-menu
wait_for 10 "the menu's Show to show the window" window_shown_normally "$main"
wait_for 10 "the icon to go with the menu's Show" no_panel_icon

wmctrl -i -c "$main"
wait_for 10 "the icon back before Exit" panel_icon_drawn
panel_menu_choose Exit
e2e_expect_exit_path "$E2E_PID" --no-question

# Waiting in the tray after a log-on start, the panel crashes and is started again: the window
# may fall back to the task bar meanwhile, but it goes back into the new panel's tray.
main_window_minimised() {
    local window
    window=$(main_window "$1") && window_iconic "$window"
}

write_log_on_settings Card=17
e2e_start /STARTUP
wait_for 20 "the icon on the panel" panel_icon_drawn
e2e_kill_panel
wait_for 20 "the main window minimised to the task bar" main_window_minimised "$E2E_PID"
main=$(main_window "$E2E_PID")
e2e_start_panel
wait_for 20 "the item to register with the new panel" sni_item_registered
wait_for 10 "the icon on the new panel" panel_icon_drawn
wait_for 10 "the window to go back into the tray" window_hidden "$main"
e2e_screenshot xfce_panel-restarted
panel_menu_choose Exit
e2e_expect_exit_path "$E2E_PID" --no-question
