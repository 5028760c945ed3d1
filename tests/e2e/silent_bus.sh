#!/usr/bin/env bash
# A session bus that does not answer, on Xfce with its panel's tray and its notification server:
# first a socket that accepts and never answers, then the real bus daemon stopped with SIGSTOP.
# The program comes up without the bus, stays responsive, ends on SIGTERM and lets the next copy
# start; once the daemon goes on, the tray item and the notification come back, and a bus
# stopped later holds nothing up either.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin silent_bus "$@" --xfce

silent=$E2E_WORK/silent-bus
e2e_start_helper silent-bus.log "$E2E_PYTHON" "$E2E_LIB_DIR/silent_bus.py" "$silent"
wait_for 10 "the silent bus" test -S "$silent"

end_and_check() {
    kill -TERM "$E2E_PID"
    e2e_wait_end "$E2E_PID" 10
    assert_eq 0 "$E2E_STATUS" "the exit status after SIGTERM $1"
}

write_noon_settings
for round in 1 2; do
    # The second start proves the first let go of its lock: a copy still running would answer
    # with "Application is already running" instead of its window.
    DBUS_SESSION_BUS_ADDRESS=unix:path=$silent e2e_start
    wait_for 20 "the main window on a bus that never answers (start $round)" \
        main_window_shown "$E2E_PID"
    main=$(main_window "$E2E_PID")
    wmctrl -i -c "$main"
    wait_for 10 "the close box to put the window on the task bar" window_iconic "$main"
    end_and_check "on a bus that never answers"
done

# The daemon stopped before the start: the same, until it goes on again. The panel is seen on the
# screen meanwhile, as the bus cannot be asked.
write_noon_settings Hour=7 Minute=0 Second=20
kill -STOP "$E2E_BUS_PID"
e2e_start
wait_for 20 "the main window with the bus stopped" main_window_shown "$E2E_PID"
main=$(main_window "$E2E_PID")
wmctrl -i -c "$main"
wait_for 10 "the close box to put the window on the task bar" window_iconic "$main"
assert_true "no icon on the panel while the bus is stopped" no_panel_icon
kill -CONT "$E2E_BUS_PID"
wait_for 15 "the tray item once the bus answers" sni_item_registered
wait_for 10 "the window to go into the tray" window_hidden "$main"
wait_for 10 "the icon on the panel" panel_icon_drawn
wait_for 30 "the window at the display time" window_shown_normally "$main"
wait_for 10 "the notification at the display time" notified_times 1

# Stopped while the program runs: the close box and SIGTERM still work at once.
kill -STOP "$E2E_BUS_PID"
wmctrl -i -c "$main"
wait_for 10 "the close box with the bus stopped" window_hidden "$main"
e2e_screenshot silent_bus
end_and_check "with the bus stopped"
kill -CONT "$E2E_BUS_PID"
