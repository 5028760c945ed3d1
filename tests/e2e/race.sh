#!/usr/bin/env bash
# Several copies started at the same instant leave exactly one running: each of the others says
# so and ends with status 0 once answered, leaving the settings file as the running copy left it.
# (That a refused copy reads no setting at all is proved by the unit tests of the start.)
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin race "$@"

copies=5
write_noon_settings
pids=()
for ((i = 0; i < copies; ++i)); do
    e2e_start
    pids+=("$E2E_PID")
done

refused_count() {
    local pid count=0
    for pid in "${pids[@]}"; do
        message_box_shown "$pid" && count=$((count + 1))
    done
    ((count == copies - 1))
}
running=
wait_for 30 "$((copies - 1)) refusals" refused_count
for pid in "${pids[@]}"; do
    if message_box_shown "$pid"; then
        assert_false "a refused copy must not show a main window" main_window_mapped "$pid"
    else
        [[ -z $running ]] || e2e_fail "both $running and $pid run without a refusal"
        running=$pid
    fi
done
wait_for 20 "the one running copy's window" main_window_shown "$running"
e2e_screenshot race
cp "$E2E_INI" "$E2E_WORK/settings-before"

for pid in "${pids[@]}"; do
    [[ $pid == "$running" ]] && continue
    box=$(message_box "$pid")
    e2e_activate "$box"
    xdotool key Return
    e2e_expect_end "$pid" "a refused copy's exit status"
done
assert_true "the first copy to take the lock keeps running" process_alive "$running"
cmp -s "$E2E_WORK/settings-before" "$E2E_INI" || e2e_fail "a refused copy changed the settings file"
