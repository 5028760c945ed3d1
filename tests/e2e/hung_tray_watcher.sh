#!/usr/bin/env bash
# A tray watcher that hangs (its process stopped, the bus alive) while the program starts at
# log-on, seconds before the display time: no call waits on it, so the window and the
# notification come at the display second. Once the watcher answers, the item registers and the
# close box puts the window into the tray.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin hung_tray_watcher "$@" --sni --notifications

write_log_on_settings Card=17 Hour=7
kill -STOP "$E2E_SNI_WATCHER"
e2e_start /STARTUP
wait_for 20 "the main window at the display time" main_window_mapped "$E2E_PID"
main=$(main_window "$E2E_PID")
wait_for 10 "the window to be shown normally" window_shown_normally "$main"
wait_for 10 "the notification at the display time" notified_times 1
assert_false "no item while the watcher hangs" sni_item_registered

kill -CONT "$E2E_SNI_WATCHER"
wait_for 15 "the item once the watcher answers" sni_item_registered
wmctrl -i -c "$main"
wait_for 10 "the close box to put the window into the tray" window_withdrawn "$main"
e2e_screenshot hung_tray_watcher
