#!/usr/bin/env bash
# Log-out, shutdown and Ctrl+C send SIGTERM, SIGHUP and SIGINT. In each of the program's three
# states (window shown, waiting in the tray, exit screen up) each of them saves the two panel
# choices and ends the program at once with status 0, without waiting on the exit screen.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin signals "$@" --tray

end_with() {
    local signal=$1 state=$2
    kill "-$signal" "$E2E_PID"
    e2e_wait_end "$E2E_PID" 10
    assert_eq 0 "$E2E_STATUS" "exit status after SIG$signal with $state"
}

for signal in TERM HUP INT; do
    # The window on the screen: nothing chosen yet, so both choices are stored as False.
    rm -f "$E2E_AUTOSTART"
    write_noon_settings
    e2e_start_shown
    end_with "$signal" "the window shown"
    assert_setting AutorunStartUp False
    assert_setting SystemTray False

    # Waiting in the tray after a log-on start: the stored choices survive as they were.
    write_log_on_settings
    e2e_start /STARTUP
    wait_for 20 "the tray icon" tray_icon_shown "$E2E_PID"
    end_with "$signal" "the program in the tray"
    assert_setting AutorunStartUp True
    assert_setting SystemTray True

    # The exit screen, reached through the tray menu's Exit.
    e2e_start /STARTUP
    wait_for 20 "the tray icon" tray_icon_shown "$E2E_PID"
    choose_tray_exit "$E2E_PID"
    wait_for 10 "the exit screen" exit_screen_shown "$E2E_PID"
    [[ $signal == TERM ]] && e2e_screenshot signals-exit-screen
    end_with "$signal" "the exit screen up"
    assert_setting AutorunStartUp True
done
