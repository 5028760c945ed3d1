#!/usr/bin/env bash
# On a compositor that takes activation tokens (sway, headless; weston 10 takes none), a token
# longer than one Wayland message can carry, from the notification server or through the tray
# item, is not sent: the window still comes up, and the program lives on instead of ending on a
# fatal Wayland error. The tray is waybar's; the notification server is a scripted one, as mako
# only hands on the short tokens sway gives it.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin wayland_long_token "$@" --sway --a11y

"$E2E_PYTHON" -c 'import dbusmock' 2>/dev/null ||
    e2e_fail "python3-dbusmock is missing: run bash scripts/install-deps --test"
e2e_stop_process "$E2E_NOTIFICATION_SERVER"
wait_for 10 "mako to leave the bus" bus_name_free org.freedesktop.Notifications
notify_log=$E2E_WORK/notifications.log
e2e_start_helper dbusmock.log "$E2E_PYTHON" -m dbusmock --session -t notification_daemon -l "$notify_log"
wait_for 20 "the scripted notification server" bus_name_owned org.freedesktop.Notifications

notified() {
    grep -q ' Notify ' "$notify_log"
}

# server_signal NAME SIGNATURE ARGUMENTS: the notification server sends a signal, as after a click.
server_signal() {
    gdbus call --timeout 5 --session --dest org.freedesktop.Notifications \
        --object-path /org/freedesktop/Notifications --method org.freedesktop.DBus.Mock.EmitSignal \
        org.freedesktop.Notifications "$1" "$2" "$3" >/dev/null || e2e_fail "the server could not send $1"
}

# "No" to the Exit button's question puts the window into the tray.
into_tray() {
    e2e_press "$E2E_PID" "push button" "Exit"
    e2e_press "$E2E_PID" "push button" "No"
    wait_for 10 "No to put the window into the tray" sway_main_away "$E2E_PID"
}

# At log-on into the tray; at the display time the window comes up with the notification.
write_log_on_settings Card=17 Hour=7
e2e_start /STARTUP
wait_for 20 "the item to register with the bar" sni_item_registered
wait_for 20 "the notification at the display time" notified
wait_for 10 "the main window at the display time" sway_main_shown "$E2E_PID"
e2e_wait_accessible "$E2E_PID"

long_token=$(head -c 5000 /dev/zero | tr '\0' x)
into_tray
sni_call /StatusNotifierItem org.kde.StatusNotifierItem.ProvideXdgActivationToken \
    "'$long_token'" >/dev/null
sni_call /StatusNotifierItem org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
wait_for 10 "the item's activation to show the window" sway_main_shown "$E2E_PID"

into_tray
server_signal ActivationToken us "[<uint32 1>, <'$long_token'>]"
server_signal ActionInvoked us '[<uint32 1>, <"default">]'
wait_for 10 "the notification's action to show the window" sway_main_shown "$E2E_PID"
e2e_screenshot wayland_long_token

# Still there, and its window still answers.
into_tray
kill -TERM "$E2E_PID"
e2e_wait_end "$E2E_PID" 15
assert_eq 0 "$E2E_STATUS" "the program's exit status"
