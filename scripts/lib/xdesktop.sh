# A virtual X desktop for the scripts and the end-to-end tests: Xvfb on a display it picks
# itself, a window manager and, where asked, trayer as an XEmbed tray. Each step returns once
# what it started is ready, and xdesktop_stop ends all of it again.
#
#   xdesktop_start_x LOG_FOLDER WIDTHxHEIGHT       Xvfb; exports DISPLAY
#   xdesktop_start_wm openbox|xfwm4 [OPTION...]    a window manager, ready once it says so
#   xdesktop_start_tray [TRAYER_OPTION...]         trayer, ready once its panel is managed;
#                                                  sets XDESKTOP_TRAYER to its process
#   xdesktop_wait_window PID SECONDS               a window of process PID is on the screen
#                                                  (false once PID has ended)
#   xdesktop_wait_settled SECONDS                  two pictures of the screen in a row agree
#   xdesktop_stop                                  ends all it started, the last first
#
# Each program's output goes to LOG_FOLDER/NAME.log. A step that fails says why on stderr and
# returns 1. The caller sets up the environment the programs should see (HOME, XDG_*) first.
# shellcheck shell=bash

XDESKTOP_LOGS=
XDESKTOP_PIDS=()
XDESKTOP_TRAYER=
XDESKTOP_LAST_PICTURE=

# xdesktop_poll SECONDS COMMAND...: true as soon as COMMAND succeeds, false once SECONDS (whole
# seconds) are up.
xdesktop_poll() {
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        ((tries-- > 0)) || return 1
        sleep 0.1
    done
}

xdesktop_alive() {
    kill -0 "$1" 2>/dev/null
}

# xdesktop_run NAME COMMAND...: starts COMMAND in the background, its output to NAME.log.
xdesktop_run() {
    local name=$1
    shift
    "$@" >"$XDESKTOP_LOGS/$name.log" 2>&1 &
    XDESKTOP_PIDS+=("$!")
}

# xdesktop_report NAME MESSAGE: says what went wrong, with the end of NAME's log.
xdesktop_report() {
    local log=$XDESKTOP_LOGS/$1.log
    printf '%s\n' "$2" >&2
    if [[ -s $log ]]; then tail -n 20 "$log" >&2; fi
}

xdesktop_display_written() {
    grep -qE '^[0-9]+$' "$XDESKTOP_LOGS/display-number" 2>/dev/null
}

# The server is up, or gone for good.
xdesktop_x_settled() {
    xdesktop_display_written || ! xdesktop_alive "$1"
}

xdesktop_start_x() {
    XDESKTOP_LOGS=$1
    local size=$2
    mkdir -p "$XDESKTOP_LOGS"
    # With -displayfd the server takes a free display itself and writes its number once it
    # accepts clients, so several can run side by side.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -noreset -nolisten tcp \
        3>"$XDESKTOP_LOGS/display-number" >"$XDESKTOP_LOGS/xvfb.log" 2>&1 &
    local server=$!
    XDESKTOP_PIDS+=("$server")
    if ! xdesktop_poll 20 xdesktop_x_settled "$server" || ! xdesktop_display_written; then
        xdesktop_report xvfb "Xvfb did not start"
        return 1
    fi
    DISPLAY=:$(<"$XDESKTOP_LOGS/display-number")
    export DISPLAY
}

xdesktop_wm_ready() {
    xdesktop_alive "$1" && wmctrl -m >/dev/null 2>&1
}

xdesktop_start_wm() {
    local wm=$1
    shift
    xdesktop_run "$wm" "$wm" "$@"
    if ! xdesktop_poll 20 xdesktop_wm_ready "${XDESKTOP_PIDS[-1]}"; then
        xdesktop_report "$wm" "the window manager $wm did not start"
        return 1
    fi
}

xdesktop_tray_ready() {
    xdesktop_alive "$XDESKTOP_TRAYER" && wmctrl -l -x 2>/dev/null | grep -q ' panel\.trayer '
}

xdesktop_start_tray() {
    xdesktop_run trayer trayer "$@"
    XDESKTOP_TRAYER=${XDESKTOP_PIDS[-1]}
    if ! xdesktop_poll 20 xdesktop_tray_ready; then
        xdesktop_report trayer "trayer did not start"
        return 1
    fi
}

xdesktop_window_shown() {
    local window
    for window in $(xdotool search --pid "$1" 2>/dev/null); do
        xwininfo -id "$window" 2>/dev/null | grep -q 'Map State: IsViewable' && return 0
    done
    return 1
}

xdesktop_window_shown_or_gone() {
    xdesktop_window_shown "$1" || ! xdesktop_alive "$1"
}

xdesktop_wait_window() {
    xdesktop_poll "$2" xdesktop_window_shown_or_gone "$1" && xdesktop_window_shown "$1"
}

xdesktop_screen_unchanged() {
    local now
    now=$(import -window root rgb:- 2>/dev/null | md5sum) || return 1
    [[ $now == "$XDESKTOP_LAST_PICTURE" ]] && return 0
    XDESKTOP_LAST_PICTURE=$now
    return 1
}

# What is mapped is not yet drawn: a picture taken now can still miss the window's contents.
xdesktop_wait_settled() {
    XDESKTOP_LAST_PICTURE=
    xdesktop_poll "$1" xdesktop_screen_unchanged
}

xdesktop_stop() {
    local i pid tries
    for ((i = ${#XDESKTOP_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${XDESKTOP_PIDS[i]}
        if xdesktop_alive "$pid"; then
            kill -TERM "$pid" 2>/dev/null || true
            tries=50
            while xdesktop_alive "$pid" && ((tries-- > 0)); do sleep 0.1; done
            if xdesktop_alive "$pid"; then kill -KILL "$pid" 2>/dev/null || true; fi
        fi
        wait "$pid" 2>/dev/null || true
    done
    XDESKTOP_PIDS=()
    XDESKTOP_TRAYER=
}
