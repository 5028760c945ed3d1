#!/usr/bin/env bash
# A StatusNotifierItem host (a panel registered with the watcher) instead of an XEmbed tray, and a
# notification server. Started at log-on, the program goes into that tray; at the display time
# the window comes up and the card of the day is announced. The panel's activation, its menu's
# "Show" and the notification's action each bring the window back. A panel that restarts takes
# the window out of its tray and, once its host has registered again, back in; the menu's "Exit"
# leaves.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin statusnotifier_tray "$@" --sni --notifications

write_log_on_settings Card=17 Hour=7

e2e_start /STARTUP
wait_for 20 "the item to register with the watcher" sni_item_registered
assert_false "the window must wait in the tray" main_window_mapped "$E2E_PID"
assert_eq "0" "$(notify_calls)" "notifications before the display time"
assert_eq "(<('', @a(iiay) [], 'Recent', '')>,)" "$(sni_property ToolTip)" "the item's tool tip"
assert_eq "Show|Exit" "$(sni_menu | cut -d'|' -f2 | paste -sd'|')" "the item's menu"

wait_for 30 "the main window at the display time" main_window_mapped "$E2E_PID"
main=$(main_window "$E2E_PID")
wait_for 10 "the window to be shown normally" window_shown_normally "$main"
assert_true "the item must stay when the window comes up at the display time" sni_item_registered
wait_for 10 "the notification" notified_times 1
e2e_screenshot statusnotifier_tray

# app name, replaces id, icon, summary, body, actions, hints, timeout
# The body's line break continues the call over a second line of the log.
notify=$(sed -n '/ Notify /,$p' "$E2E_NOTIFICATIONS")
e2e_log "${notify:0:300}"
[[ $notify == *' Notify "Tarvelle" 0 "com.quellmoor.Tarvelle" '* ]] ||
    e2e_fail "the notification's app name, replaced id or icon: $notify"
[[ $notify == *" \"$(card_name 17)\" \""* ]] || e2e_fail "the notification must name card 17: $notify"
[[ $notify == *'["default", "Show"]'* ]] || e2e_fail "the notification's default action: $notify"
[[ $notify == *'"desktop-entry": "com.quellmoor.Tarvelle"'* ]] ||
    e2e_fail "the notification's desktop entry: $notify"
# The face at twice its size: 142 x 192 pixels, RGBA, every byte of them.
[[ $notify == *'"image-data": dbus.Struct((dbus.Int32(142), dbus.Int32(192), dbus.Int32(568), dbus.Boolean(True), dbus.Int32(8), dbus.Int32(4), dbus.Array(['* ]] ||
    e2e_fail "the notification's image: ${notify:0:600}"
assert_eq $((142 * 192 * 4)) "$(grep -o 'dbus.Byte(' <<<"$notify" | wc -l)" "the image's bytes"

# The panel's activation (a left click) is "Show" there: the window comes back, the item goes.
wmctrl -i -c "$main"
wait_for 10 "the close box to hide the window" window_unmapped "$main"
sni_call /StatusNotifierItem org.kde.StatusNotifierItem.Activate 10 10 >/dev/null
wait_for 10 "the activation to show the window" window_shown_normally "$main"
wait_for 10 "the item to go with Show" no_sni_item

wmctrl -i -c "$main"
wait_for 10 "the close box to hide the window again" window_unmapped "$main"
wait_for 10 "the item to come back" sni_item_registered
sni_menu_click Show
wait_for 10 "the menu's Show to show the window" window_shown_normally "$main"
wait_for 10 "the item to go with the menu's Show" no_sni_item

# The notification's action, with the token the server hands over just before it.
wmctrl -i -c "$main"
wait_for 10 "the close box to hide the window once more" window_unmapped "$main"
notification_signal ActivationToken us '[<uint32 1>, <"e2e-token">]'
notification_signal ActionInvoked us '[<uint32 1>, <"default">]'
wait_for 10 "the notification's action to show the window" window_shown_normally "$main"
assert_centred "$main" 3

wmctrl -i -c "$main"
wait_for 10 "the item to come back" sni_item_registered
wait_for 10 "the close box to hide the window for the panel's restart" window_unmapped "$main"

# The panel restarts: its watcher goes, then comes back before its host registers with it.
kill "$E2E_SNI_WATCHER"
wait_for 10 "the window on the task bar while the panel is away" window_iconic "$main"
e2e_start_sni_watcher --no-host
wait_for 10 "the item to register with the new watcher" sni_item_registered
assert_true "the window must stay on the task bar until a host is there" window_iconic "$main"
gdbus call --timeout 5 --session --dest org.kde.StatusNotifierWatcher \
    --object-path /StatusNotifierWatcher \
    --method org.kde.StatusNotifierWatcher.RegisterStatusNotifierHost \
    org.kde.StatusNotifierHost-e2e >/dev/null || e2e_fail "the host could not register"
wait_for 10 "the window to go back into the tray" window_withdrawn "$main"

sni_menu_click Exit
e2e_expect_exit_path "$E2E_PID" --no-question
