# The program under test: started under the fake clock, watched, and ended by its own ways out.
# Sourced by lib.sh.
# shellcheck shell=bash

process_alive() {
    local pid=$1 state
    [[ -r /proc/$pid/stat ]] || return 1
    state=$(sed 's/^.*) //' "/proc/$pid/stat" 2>/dev/null | cut -d ' ' -f 1)
    [[ -n $state && $state != Z ]]
}

process_gone() {
    ! process_alive "$1"
}

e2e_stop_process() {
    local pid=$1
    if process_alive "$pid"; then
        kill -TERM "$pid" 2>/dev/null
        local tries=0
        while process_alive "$pid" && ((tries++ < 50)); do sleep 0.1; done
        process_alive "$pid" && kill -KILL "$pid" 2>/dev/null
    fi
    wait "$pid" 2>/dev/null
}

# e2e_start [ARGUMENTS...]: starts the program under the fake clock; sets E2E_PID, E2E_START_MS.
e2e_start() {
    local log
    log="$E2E_WORK/tarvelle-$((${#E2E_PROGRAM_PIDS[@]} + 1)).log"
    E2E_START_MS=$(now_ms)
    env LD_PRELOAD="$E2E_FAKETIME_LIB" FAKETIME="@$E2E_FAKE_START" NO_FAKE_STAT=1 \
        "$E2E_TARVELLE" "$@" >"$log" 2>&1 &
    E2E_PID=$!
    E2E_PROGRAM_PIDS+=("$E2E_PID")
    e2e_log "started Tarvelle $* as $E2E_PID"
}

# e2e_start_shown [ARGUMENTS...]: starts the program and waits for its main window; sets
# E2E_MAIN to that window.
e2e_start_shown() {
    e2e_start "$@"
    wait_for 20 "the main window" main_window_shown "$E2E_PID"
    # shellcheck disable=SC2034 # read by the scenarios that source this file
    E2E_MAIN=$(main_window "$E2E_PID")
}

# e2e_wait_end PID SECONDS: waits for the process to end; sets E2E_STATUS to its exit status.
e2e_wait_end() {
    local pid=$1 seconds=$2
    wait_for "$seconds" "process $pid to end" process_gone "$pid"
    wait "$pid"
    E2E_STATUS=$?
}

# e2e_expect_end PID [WHAT]: the process ends within 15 s with status 0.
e2e_expect_end() {
    local what="the program's exit status"
    e2e_wait_end "$1" 15
    assert_eq 0 "$E2E_STATUS" "${2:-$what}"
}

elapsed_ms() {
    echo $(($(now_ms) - E2E_START_MS))
}

# assert_came_up_after MS CLOCK_TIME: the window, up now, came no earlier than MS after the
# start, which is when the program's clock read CLOCK_TIME.
assert_came_up_after() {
    local shown_after
    shown_after=$(elapsed_ms)
    e2e_log "main window mapped ${shown_after} ms after the start"
    ((shown_after >= $1)) ||
        e2e_fail "the window came up ${shown_after} ms after the start, before $2 by the program's clock"
}

# ask_file_exit PID MAIN: File > Exit by the keyboard in the main window MAIN; returns once the
# quit question is up and has the keyboard.
ask_file_exit() {
    local pid=$1 main=$2
    e2e_activate "$main"
    xdotool key alt+f
    wait_for 10 "the File menu" popup_shown "$pid"
    xdotool key x
    wait_for 10 "the question" message_box_shown "$pid"
    wait_for 10 "the question to have the keyboard" active_window_is "$(message_box "$pid")"
}

# The program either ends at once or shows its exit screen, which ends it when closed.
# With --no-question, a message box appearing on the way is a failure.
e2e_expect_exit_path() {
    local pid=$1 no_question=${2:-}
    local deadline=$(($(now_ms) + 15000))
    while process_alive "$pid" && ! exit_screen_shown "$pid"; do
        if [[ $no_question == --no-question ]] && message_box_shown "$pid"; then
            e2e_fail "a message box appeared although this way out asks nothing"
        fi
        (($(now_ms) < deadline)) || e2e_fail "the program neither ended nor showed its exit screen"
        sleep "$E2E_POLL_SECONDS"
    done
    if process_alive "$pid"; then
        local screen
        screen=$(role_window "$pid" exit-screen)
        e2e_screenshot "$E2E_NAME-exit-screen"
        # By now the program has put its main window and its tray icon away.
        local main
        if main=$(main_window "$pid"); then
            assert_false "the main window must be gone behind the exit screen" window_viewable "$main"
        fi
        assert_true "the tray icon must be gone with the exit screen up" no_tray_icon "$pid"
        assert_true "the tray's item must be gone with the exit screen up" no_sni_item
        e2e_log "exit screen $screen shown; closing it"
        wmctrl -i -c "$screen"
    fi
    e2e_expect_end "$pid"
}

