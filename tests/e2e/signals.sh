#!/usr/bin/env bash
# Log-out, shutdown and Ctrl+C send SIGTERM, SIGHUP and SIGINT. In each of the program's states
# (a start-up message box open, window shown, waiting in the tray, exit screen up) each of them
# saves the two panel choices and ends the program at once with status 0, without waiting on
# the exit screen, and lets the next copy start.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin signals "$@" --tray

end_with() {
    local signal=$1 state=$2
    kill "-$signal" "$E2E_PID"
    e2e_expect_end "$E2E_PID" "exit status after SIG$signal with $state"
}

# In the regional short form an earlier version wrote: it still counts, so the question comes.
stale_stamp=$(LC_ALL=C date -d "${E2E_FAKE_START% *} -30 days" '+%-d %b %Y')

for signal in TERM HUP INT; do
    # The update reminder's question at a log-on start, before the window or the tray: a log-out
    # now must not be kept waiting by it.
    write_log_on_settings UpdateCheckStamp="$stale_stamp"
    e2e_start /STARTUP
    wait_for 20 "the update reminder's question" message_box_shown "$E2E_PID"
    end_with "$signal" "the update reminder's question open"
    assert_setting UpdateCheckStamp "$stale_stamp"

    # The start-up entry's error message: no autostart folder can be made where a file lies.
    rm -rf "$(dirname "$E2E_AUTOSTART")"
    touch "$(dirname "$E2E_AUTOSTART")"
    write_noon_settings AutorunStartUp=True
    e2e_start
    wait_for 20 "the start-up entry's error message" message_box_shown "$E2E_PID"
    end_with "$signal" "the start-up entry's error message open"
    rm -f "$(dirname "$E2E_AUTOSTART")"

    # The window on the screen, started as the last copy ended: nothing chosen yet, so both
    # choices are stored as False.
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
