#!/usr/bin/env bash
# A session bus that answers at first and then stalls, with the accessibility bridge on: a
# stand-in that stalls once the program's connection has authenticated, and once it has been
# answered its Hello; then the real bus daemon stopped with SIGSTOP at moments around the
# program's own connection. Each time the window comes up within a few seconds, without the
# bus, and SIGTERM ends the program within a few seconds with its settings saved.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin stalled_bus "$@" --a11y

# Qt starts its bus thread just before it connects.
bus_thread_started() {
    local comm name
    for comm in /proc/"$1"/task/*/comm; do
        read -r name 2>/dev/null <"$comm" && [[ $name == QDBusConnection ]] && return 0
    done
    return 1
}

# start_and_end WHAT [connecting] [SECONDS]: starts the program and, with SECONDS, stops the bus
# daemon that long after the start, or after Qt starts connecting; then checks the window and
# the way out.
start_and_end() {
    local what=$1 from=${2:-} delay=${3:-}
    write_noon_settings
    e2e_start
    if [[ $from == connecting ]]; then
        local give_up=$(($(now_ms) + 5000))
        # Polled without pause: the moment matters to the millisecond.
        until bus_thread_started "$E2E_PID" || (($(now_ms) > give_up)); do :; done
    fi
    if [[ -n $delay ]]; then
        sleep "$delay"
        kill -STOP "$E2E_BUS_PID"
    fi
    wait_for 5 "the main window with $what" main_window_shown "$E2E_PID"
    e2e_log "main window up $(elapsed_ms) ms after the start with $what"
    kill -TERM "$E2E_PID"
    e2e_wait_end "$E2E_PID" 5
    assert_eq 0 "$E2E_STATUS" "the exit status after SIGTERM with $what"
    # What the start had not stored yet is stored on the way out.
    assert_setting AutorunStartUp False
    assert_setting SystemTray False
    [[ -z $delay ]] || kill -CONT "$E2E_BUS_PID"
}

for stall in begin hello; do
    stalling=$E2E_WORK/stalling-$stall
    e2e_start_helper "stalling-$stall.log" "$E2E_PYTHON" "$E2E_LIB_DIR/stalling_bus.py" "$stalling" "$stall"
    wait_for 10 "the stalling bus" test -S "$stalling"
    DBUS_SESSION_BUS_ADDRESS=unix:path=$stalling start_and_end "a bus that stalls at $stall"
done

for delay in 0 0.005 0.01 0.02; do
    start_and_end "the bus stopped ${delay}s after Qt starts connecting" connecting "$delay"
done
for delay in 0.06 0.07 0.08; do
    start_and_end "the bus stopped ${delay}s after the start" '' "$delay"
done
e2e_screenshot stalled_bus
