#!/usr/bin/env bash
# On a compositor that takes activation tokens (sway, headless; weston 10 takes none), a token
# longer than one Wayland message can carry, from the notification server or through the tray
# item, is not sent: the window still comes up, and the program lives on instead of ending on a
# fatal Wayland error.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin wayland_long_token "$@" --a11y --sni --notifications

for tool in sway unshare; do
    command -v "$tool" >/dev/null || e2e_fail "$tool is missing: run bash scripts/install-deps --test"
done
# sway will not run as root; in a user namespace of its own it is an ordinary user.
printf 'output HEADLESS-1 resolution 1024x768\n' >"$E2E_WORK/sway.config"
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    e2e_start_helper sway.log unshare --user --map-user=1000 --map-group=1000 \
    sway -c "$E2E_WORK/sway.config"
sway_socket() {
    compgen -G "$XDG_RUNTIME_DIR/wayland-*[0-9]" >/dev/null
}
wait_for 20 "sway's Wayland socket" sway_socket
WAYLAND_DISPLAY=$(basename "$(compgen -G "$XDG_RUNTIME_DIR/wayland-*[0-9]" | head -n 1)")
export WAYLAND_DISPLAY QT_QPA_PLATFORM=wayland

# At log-on into the tray; at the display time the window comes up with the notification.
write_log_on_settings Card=17 Hour=7
e2e_start /STARTUP
wait_for 20 "the item to register with the watcher" sni_item_registered
wait_for 20 "the notification at the display time" notified_times 1

long_token=$(head -c 5000 /dev/zero | tr '\0' x)
# The tray item's activation shows the window and takes the item away; then the notification's.
sni_call /StatusNotifierItem org.kde.StatusNotifierItem.ProvideXdgActivationToken \
    "'$long_token'" >/dev/null
sni_call /StatusNotifierItem org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
notification_signal ActivationToken us "[<uint32 1>, <'$long_token'>]"
notification_signal ActionInvoked us '[<uint32 1>, <"default">]'
# Still there, and its window still answers.
e2e_press "$E2E_PID" "push button" "Exit"
e2e_press "$E2E_PID" "push button" "No"
kill -TERM "$E2E_PID"
e2e_wait_end "$E2E_PID" 15
assert_eq 0 "$E2E_STATUS" "the program's exit status"
