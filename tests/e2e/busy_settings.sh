#!/usr/bin/env bash
# The display time while the user is busy, by the settings of GNOME and KDE Plasma: GNOME's
# notification banners switched off (the real gsettings and dconf), GNOME's presence set to busy
# and a notification server that says it is inhibited as Plasma's does (both scripted with
# python3-dbusmock, since neither desktop can run here). Each time the window, minimised on the
# task bar, stays there through the display time and comes up once the setting changes back.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin busy_settings "$@" --a11y
"$E2E_PYTHON" -c 'import dbusmock' 2>/dev/null ||
    e2e_fail "python3-dbusmock is missing: run bash scripts/install-deps --test"
write_noon_settings Card=30 Hour=7

# held_until_freed WHAT COMMAND...: the window waits through the display time (5 s after the
# start by the program's clock) and comes up once COMMAND has freed the user.
held_until_freed() {
    local what=$1
    shift
    e2e_start_shown
    xdotool windowminimize "$E2E_MAIN"
    wait_for 10 "the window on the task bar" window_iconic "$E2E_MAIN"
    while (($(elapsed_ms) < 6500)); do sleep "$E2E_POLL_SECONDS"; done
    assert_true "the window must wait while $what" window_iconic "$E2E_MAIN"
    "$@"
    wait_for 10 "the window once no longer $what" window_shown_normally "$E2E_MAIN"
    kill -TERM "$E2E_PID"
    e2e_wait_end "$E2E_PID" 10
}

banners() {
    gsettings set org.gnome.desktop.notifications show-banners "$1" ||
        e2e_fail "gsettings could not set show-banners to $1"
}

# bus_call DEST PATH METHOD ARGUMENTS...
bus_call() {
    gdbus call --session --timeout 5 --dest "$1" --object-path "$2" --method "$3" "${@:4}" >/dev/null ||
        e2e_fail "the call $3 to $1 failed"
}

presence_free() {
    local path=/org/gnome/SessionManager/Presence interface=org.gnome.SessionManager.Presence
    bus_call org.gnome.SessionManager $path org.freedesktop.DBus.Properties.Set $interface status '<uint32 0>'
    bus_call org.gnome.SessionManager $path org.freedesktop.DBus.Mock.EmitSignal $interface StatusChanged u '[<uint32 0>]'
}

inhibited() {
    bus_call org.freedesktop.Notifications /org/freedesktop/Notifications \
        org.freedesktop.DBus.Properties.Set org.freedesktop.Notifications Inhibited "<$1>"
}

banners false
held_until_freed "GNOME's banners are off" banners true

e2e_start_helper presence.log "$E2E_PYTHON" -m dbusmock --session org.gnome.SessionManager \
    /org/gnome/SessionManager/Presence org.gnome.SessionManager.Presence
wait_for 20 "the session manager's presence" bus_name_owned org.gnome.SessionManager
bus_call org.gnome.SessionManager /org/gnome/SessionManager/Presence org.freedesktop.DBus.Mock.AddProperty \
    org.gnome.SessionManager.Presence status '<uint32 2>'
held_until_freed "GNOME's status is busy" presence_free

notify_log=$E2E_WORK/notifications.log
e2e_start_helper dbusmock.log "$E2E_PYTHON" -m dbusmock --session -t notification_daemon \
    -p '{"capabilities": "body actions inhibitions"}' -l "$notify_log"
wait_for 20 "the notification server" bus_name_owned org.freedesktop.Notifications
bus_call org.freedesktop.Notifications /org/freedesktop/Notifications org.freedesktop.DBus.Mock.AddProperty \
    org.freedesktop.Notifications Inhibited '<true>'
notified() { grep -q ' Notify ' "$notify_log"; }
inhibited_notified_then_freed() {
    wait_for 10 "the notification sent to the inhibited server" notified
    inhibited false
}
held_until_freed "notifications are inhibited" inhibited_notified_then_freed
assert_eq 1 "$(grep -c ' Notify ' "$notify_log")" "notifications: the held card is not announced twice"
