# Time, failure, waiting and assertions. Sourced by lib.sh.
# shellcheck shell=bash

now_ms() {
    local micro=${EPOCHREALTIME//[!0-9]/}
    echo $((micro / 1000))
}

e2e_log() {
    printf '[%s] %s\n' "$E2E_NAME" "$*" >&2
}

e2e_fail() {
    printf 'FAIL [%s]: %s\n' "$E2E_NAME" "$*" >&2
    if [[ -n $E2E_DISPLAY_READY ]]; then
        take_screenshot "$E2E_OUT/$E2E_NAME-failure.png" >/dev/null 2>&1 &&
            printf 'Screen at the failure: %s\n' "$E2E_OUT/$E2E_NAME-failure.png" >&2
    fi
    exit 1
}

# poll_until SECONDS COMMAND... : true as soon as COMMAND succeeds, false when the time is up.
poll_until() {
    local seconds=$1
    shift
    local whole=${seconds%.*} fraction=000
    [[ $seconds == *.* ]] && fraction=${seconds#*.}000
    local deadline=$(($(now_ms) + whole * 1000 + 10#${fraction:0:3}))
    while ! "$@"; do
        local now
        now=$(now_ms)
        ((now < E2E_DEADLINE_MS)) || e2e_fail "the scenario ran past its own limit of ${E2E_SCENARIO_SECONDS}s"
        ((now < deadline)) || return 1
        sleep "$E2E_POLL_SECONDS"
    done
}

# wait_for SECONDS "WHAT" COMMAND... : fails the scenario when COMMAND never succeeds in time.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    poll_until "$seconds" "$@" || e2e_fail "timed out after ${seconds}s waiting for $what"
}

assert_eq() {
    local expected=$1 actual=$2 what=$3
    [[ $actual == "$expected" ]] || e2e_fail "$what: expected '$expected', got '$actual'"
}

assert_true() {
    local what=$1
    shift
    "$@" || e2e_fail "$what"
}

assert_false() {
    local what=$1
    shift
    ! "$@" || e2e_fail "$what"
}

