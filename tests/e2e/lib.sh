# Shared helpers of the end-to-end scenarios, sourced by each scenario script.
#
# A scenario gets its own X display (Xvfb with openbox, and trayer when it asks for a tray),
# its own configuration, runtime and home folders, a recording xdg-open first on PATH and, when
# asked, a private session bus with the accessibility bus. The program runs under libfaketime.
# Everything started here is ended by the EXIT trap, also when an assertion fails.
#
# Usage in a scenario:  source lib.sh; e2e_begin NAME TARVELLE OUT_DIR [--tray] [--a11y] [--sni]
#                       [--notifications]
# --sni gives the session bus a StatusNotifierWatcher with a host, as KDE Plasma's panel does;
# --notifications a notification server that logs every call (python3-dbusmock).
# --wayland runs the program on weston's headless backend instead of X11; a headless compositor
# has no input devices, so the program is driven through the accessibility tree (implies --a11y).
# shellcheck shell=bash

set -u -o pipefail

E2E_FAKE_START='2026-12-08 06:59:55'
# The loader picks the library of the program's own architecture, as the faketime wrapper does.
# shellcheck disable=SC2016
E2E_FAKETIME_LIB='/usr/$LIB/faketime/libfaketime.so.1'
E2E_POLL_SECONDS=0.1
E2E_SCENARIO_SECONDS=${E2E_SCENARIO_SECONDS:-100}

E2E_NAME=unnamed
E2E_WORK=
E2E_OUT=
E2E_HELPER_PIDS=()
E2E_PROGRAM_PIDS=()
E2E_TRAYER=
E2E_XEV_LOG=
E2E_BARRIERS=0
E2E_A11Y_BUS=
E2E_BUS_PID=
E2E_SNI_WATCHER=
E2E_STATUS=
E2E_DISPLAY_READY=
E2E_WAYLAND=
E2E_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The Python that has the distribution's D-Bus modules, whatever comes first on PATH.
E2E_PYTHON=/usr/bin/python3

# ---------------------------------------------------------------------------------------------
# Time, failure, waiting

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

# ---------------------------------------------------------------------------------------------
# Assertions

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

# ---------------------------------------------------------------------------------------------
# Set-up and cleanup

e2e_begin() {
    E2E_NAME=$1
    E2E_TARVELLE=$2
    E2E_OUT=$3
    shift 3
    local want_tray=0 want_a11y=0 want_sni=0 want_notifications=0 option
    for option in "$@"; do
        case $option in
        --tray) want_tray=1 ;;
        --a11y) want_a11y=1 ;;
        --sni) want_sni=1 ;;
        --notifications) want_notifications=1 ;;
        --wayland) E2E_WAYLAND=1 want_a11y=1 ;;
        *) e2e_fail "unknown option $option" ;;
        esac
    done
    E2E_DEADLINE_MS=$(($(now_ms) + E2E_SCENARIO_SECONDS * 1000))
    trap e2e_cleanup EXIT
    trap 'e2e_fail "stopped by a signal"' TERM INT HUP

    [[ -x $E2E_TARVELLE ]] || e2e_fail "no program at $E2E_TARVELLE (build it first)"
    local tool x_tools=(Xvfb openbox xdotool wmctrl xprop xwininfo xev import stdbuf)
    [[ -z $E2E_WAYLAND ]] || x_tools=(weston weston-screenshooter convert)
    for tool in "${x_tools[@]}"; do
        command -v "$tool" >/dev/null || e2e_fail "$tool is missing: run bash scripts/install-deps --test"
    done
    ((want_tray == 0)) || command -v trayer >/dev/null || e2e_fail "trayer is missing"
    if ((want_a11y || want_sni || want_notifications)); then
        for tool in dbus-daemon gdbus; do
            command -v "$tool" >/dev/null || e2e_fail "$tool is missing"
        done
    fi

    mkdir -p "$E2E_OUT"
    rm -rf "${E2E_OUT:?}/$E2E_NAME".png "${E2E_OUT:?}/$E2E_NAME"-*.png "${E2E_OUT:?}/$E2E_NAME-logs"
    # Under /tmp: the runtime folder holds sockets, whose paths must stay short.
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/tarvelle-e2e-$E2E_NAME.XXXXXX") || e2e_fail "no work folder"
    export E2E_WORK
    mkdir -p "$E2E_WORK"/{home,config,runtime,cache,bin}
    chmod 700 "$E2E_WORK/runtime"

    export HOME=$E2E_WORK/home
    export XDG_CONFIG_HOME=$E2E_WORK/config
    export XDG_RUNTIME_DIR=$E2E_WORK/runtime
    export XDG_CACHE_HOME=$E2E_WORK/cache
    export PATH="$E2E_WORK/bin:$PATH"
    export LANG=C
    local variable
    for variable in $(compgen -e); do
        [[ $variable == LC_* ]] && unset "$variable"
    done
    unset LANGUAGE BROWSER DEFAULT_BROWSER XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION \
        KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID SESSION_MANAGER WAYLAND_DISPLAY \
        QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON TARVELLE_REPORT_FIRST_PAINT DISPLAY
    export QT_QPA_PLATFORM=xcb
    # Without a bus Qt docks its tray icon by XEmbed, and nothing reaches the user's session.
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_WORK/no-session-bus"

    E2E_INI=$XDG_CONFIG_HOME/Tarvelle/Tarvelle.ini
    E2E_AUTOSTART=$XDG_CONFIG_HOME/autostart/Tarvelle.desktop
    E2E_OPENED=$E2E_WORK/opened-addresses
    E2E_TODAY=$(LC_ALL=C date -d "${E2E_FAKE_START% *}" '+%-d %b %Y')
    E2E_TOMORROW=$(LC_ALL=C date -d "${E2E_FAKE_START% *} +1 day" '+%-d %b %Y')

    cat >"$E2E_WORK/bin/xdg-open" <<EOF
#!/bin/sh
# Stands in for the desktop's opener: records what the program asked it to open.
printf '%s\n' "\$*" >>'$E2E_OPENED'
EOF
    chmod +x "$E2E_WORK/bin/xdg-open"

    local faked
    faked=$(env LD_PRELOAD="$E2E_FAKETIME_LIB" FAKETIME="@$E2E_FAKE_START" NO_FAKE_STAT=1 date '+%F' 2>&1)
    [[ $faked == "${E2E_FAKE_START% *}" ]] || e2e_fail "libfaketime does not fake the clock (date says '$faked')"

    if [[ -n $E2E_WAYLAND ]]; then
        e2e_start_weston
    else
        e2e_start_display
    fi
    ((want_a11y + want_sni + want_notifications == 0)) || e2e_start_session_bus
    ((want_a11y == 0)) || export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    ((want_tray == 0)) || e2e_start_tray
    ((want_sni == 0)) || e2e_start_sni_watcher
    ((want_notifications == 0)) || e2e_start_notification_server
}

e2e_start_helper() {
    local log=$1
    shift
    "$@" >"$E2E_WORK/$log" 2>&1 &
    E2E_HELPER_PIDS+=("$!")
}

display_number_written() {
    grep -qE '^[0-9]+$' "$E2E_WORK/display-number" 2>/dev/null
}

window_manager_running() {
    wmctrl -m >/dev/null 2>&1
}

e2e_start_display() {
    # -displayfd lets the server take a free display, so scenarios can run side by side.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp \
        3>"$E2E_WORK/display-number" >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_HELPER_PIDS+=("$!")
    wait_for 20 "the X server" display_number_written
    DISPLAY=:$(<"$E2E_WORK/display-number")
    export DISPLAY
    E2E_DISPLAY_READY=1
    e2e_log "display $DISPLAY, work folder $E2E_WORK"

    # One watcher of the root window for the whole scenario: what gets mapped, reparented,
    # announced. Line-buffered so the log keeps up with the server.
    E2E_XEV_LOG=$E2E_WORK/root.xev
    stdbuf -oL xev -root -event substructure -event structure -event property \
        >"$E2E_XEV_LOG" 2>&1 &
    E2E_HELPER_PIDS+=("$!")
    xev_barrier

    # Iconify animations would put half-drawn frames into the screenshots.
    local openbox_options=(--sm-disable)
    if [[ -f /etc/xdg/openbox/rc.xml ]]; then
        sed 's|<animateIconify>yes</animateIconify>|<animateIconify>no</animateIconify>|' \
            /etc/xdg/openbox/rc.xml >"$E2E_WORK/openbox-rc.xml"
        openbox_options+=(--config-file "$E2E_WORK/openbox-rc.xml")
    fi
    e2e_start_helper openbox.log openbox "${openbox_options[@]}"
    wait_for 20 "the window manager" window_manager_running
}

e2e_start_weston() {
    # --use-pixman and --debug are what let the screenshooter take its picture.
    E2E_WAYLAND_SOCKET=tarvelle-e2e
    e2e_start_helper weston.log weston --backend=headless-backend.so --use-pixman --debug \
        --socket="$E2E_WAYLAND_SOCKET" --width=1024 --height=768 --idle-time=0
    wait_for 20 "the Wayland compositor" test -S "$XDG_RUNTIME_DIR/$E2E_WAYLAND_SOCKET"
    # The shell's panel is up when the log says the shell client started.
    wait_for 20 "the compositor's shell" grep -q 'weston-desktop-shell' "$E2E_WORK/weston.log"
    export WAYLAND_DISPLAY=$E2E_WAYLAND_SOCKET QT_QPA_PLATFORM=wayland
    E2E_DISPLAY_READY=1
    e2e_log "Wayland display $WAYLAND_DISPLAY, work folder $E2E_WORK"
}

tray_manager_announced() {
    grep -q '(MANAGER)' "$E2E_XEV_LOG"
}

tray_panel_shown() {
    local window
    for window in $(windows_of "$E2E_TRAYER"); do
        window_shown_normally "$window" && return 0
    done
    return 1
}

e2e_start_tray() {
    # The tray host announces itself with a MANAGER message once it owns the tray selection.
    trayer --edge bottom --align left --widthtype request --height 24 --SetDockType true \
        --SetPartialStrut false --transparent false >"$E2E_WORK/trayer.log" 2>&1 &
    E2E_TRAYER=$!
    E2E_HELPER_PIDS+=("$E2E_TRAYER")
    wait_for 20 "the tray host to own the notification area" tray_manager_announced
    wait_for 20 "the tray host's panel" tray_panel_shown
}

e2e_start_session_bus() {
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$E2E_WORK/bus-address" \
        >"$E2E_WORK/dbus.log" 2>&1 &
    E2E_BUS_PID=$!
    E2E_HELPER_PIDS+=("$E2E_BUS_PID")
    wait_for 20 "the session bus" test -s "$E2E_WORK/bus-address"
    export DBUS_SESSION_BUS_ADDRESS
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$E2E_WORK/bus-address")
}

bus_name_owned() {
    [[ $(gdbus call --timeout 5 --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null) == '(true,)' ]]
}

# e2e_start_sni_watcher [--no-host]: (again) a watcher, as a panel starting; sets E2E_SNI_WATCHER.
e2e_start_sni_watcher() {
    E2E_SNI_ITEMS=$E2E_WORK/sni-items
    e2e_start_helper sni-watcher.log "$E2E_PYTHON" "$E2E_LIB_DIR/sni_watcher.py" "$E2E_SNI_ITEMS" "$@"
    E2E_SNI_WATCHER=${E2E_HELPER_PIDS[-1]}
    wait_for 20 "the StatusNotifierWatcher" bus_name_owned org.kde.StatusNotifierWatcher
}

e2e_start_notification_server() {
    E2E_NOTIFICATIONS=$E2E_WORK/notifications.log
    e2e_start_helper dbusmock.log "$E2E_PYTHON" -m dbusmock --session -t notification_daemon \
        -l "$E2E_NOTIFICATIONS"
    wait_for 20 "the notification server" bus_name_owned org.freedesktop.Notifications
}

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
        # A scenario may have stopped it; stopped, it would not see the signal.
        kill -CONT "$pid" 2>/dev/null
        local tries=0
        while process_alive "$pid" && ((tries++ < 50)); do sleep 0.1; done
        process_alive "$pid" && kill -KILL "$pid" 2>/dev/null
    fi
    wait "$pid" 2>/dev/null
}

e2e_cleanup() {
    local status=$?
    trap - EXIT TERM INT HUP
    if ((status != 0)) && [[ -d $E2E_WORK ]]; then
        mkdir -p "$E2E_OUT/$E2E_NAME-logs"
        cp -r "$E2E_WORK"/*.log "$E2E_WORK"/*.xev "$E2E_WORK/config" "$E2E_OUT/$E2E_NAME-logs/" 2>/dev/null
        [[ -f $E2E_OPENED ]] && cp "$E2E_OPENED" "$E2E_OUT/$E2E_NAME-logs/"
        printf 'Logs kept in %s\n' "$E2E_OUT/$E2E_NAME-logs" >&2
    fi
    local pid i
    for pid in "${E2E_PROGRAM_PIDS[@]}"; do
        e2e_stop_process "$pid"
        # libfaketime keeps its clock in shared memory named after the process.
        rm -f "/dev/shm/faketime_shm_$pid" "/dev/shm/sem.faketime_sem_$pid"
    done
    for ((i = ${#E2E_HELPER_PIDS[@]} - 1; i >= 0; i--)); do
        e2e_stop_process "${E2E_HELPER_PIDS[i]}"
    done
    # What our helpers started in turn (the accessibility bus, an opener) carries our marker.
    if [[ -n $E2E_WORK ]]; then
        local entry
        for entry in /proc/[0-9]*; do
            pid=${entry#/proc/}
            [[ $pid == "$$" ]] && continue
            if grep -qzx "E2E_WORK=$E2E_WORK" "$entry/environ" 2>/dev/null; then
                kill -KILL "$pid" 2>/dev/null
                rm -f "/dev/shm/faketime_shm_$pid" "/dev/shm/sem.faketime_sem_$pid"
            fi
        done
        rm -rf "$E2E_WORK"
    fi
    if ((status == 0)); then
        printf 'PASS [%s]\n' "$E2E_NAME" >&2
    fi
    exit "$status"
}

# ---------------------------------------------------------------------------------------------
# The program

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

elapsed_ms() {
    echo $(($(now_ms) - E2E_START_MS))
}

# ---------------------------------------------------------------------------------------------
# Windows (ids are printed in decimal, as xdotool prints them)

windows_of() {
    xdotool search --pid "$1" 2>/dev/null
}

window_exists() {
    xwininfo -id "$1" >/dev/null 2>&1
}

window_viewable() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

window_unmapped() {
    window_exists "$1" && ! window_viewable "$1"
}

window_string_property() {
    xprop -id "$1" "$2" 2>/dev/null | sed -n 's/^[^=]* = "\(.*\)"$/\1/p'
}

window_role() {
    window_string_property "$1" WM_WINDOW_ROLE
}

window_title() {
    window_string_property "$1" WM_NAME
}

# Normal, Iconic or Withdrawn; empty when the window manager never took the window.
wm_state() {
    xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/^[[:space:]]*window state: //p'
}

net_wm_state() {
    xprop -id "$1" _NET_WM_STATE 2>/dev/null
}

# Minimised: iconic by ICCCM, or hidden by EWMH and really off the screen.
window_iconic() {
    [[ $(wm_state "$1") == Iconic ]] && return 0
    net_wm_state "$1" | grep -q _NET_WM_STATE_HIDDEN && ! window_viewable "$1"
}

# Put away by the program (in the tray), not minimised.
window_withdrawn() {
    window_unmapped "$1" && ! window_iconic "$1"
}

window_shown_normally() {
    window_viewable "$1" && [[ $(wm_state "$1") == Normal ]]
}

window_managed() {
    local id
    id=$(printf '0x%08x' "$1")
    wmctrl -l 2>/dev/null | grep -qi "^$id "
}

window_override_redirect() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Override Redirect State: yes'
}

window_is_dialog() {
    xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG
}

# The program's window with the given WM_WINDOW_ROLE, mapped or not.
role_window() {
    local pid=$1 role=$2 window
    for window in $(windows_of "$pid"); do
        if [[ $(window_role "$window") == "$role" ]]; then
            echo "$window"
            return 0
        fi
    done
    return 1
}

main_window() {
    role_window "$1" main
}

main_window_shown() {
    local window
    window=$(main_window "$1") && window_shown_normally "$window"
}

main_window_mapped() {
    local window
    window=$(main_window "$1") && window_viewable "$window"
}

# A message box of the program: a mapped dialog titled with the program's name.
message_box() {
    local pid=$1 window
    for window in $(windows_of "$pid"); do
        if window_viewable "$window" && [[ $(window_title "$window") == Tarvelle ]] &&
            window_is_dialog "$window"; then
            echo "$window"
            return 0
        fi
    done
    return 1
}

message_box_shown() {
    message_box "$1" >/dev/null
}

no_message_box() {
    ! message_box_shown "$1"
}

exit_screen_shown() {
    local window
    window=$(role_window "$1" exit-screen) && window_viewable "$window"
}

parent_of() {
    xwininfo -children -id "$1" 2>/dev/null | sed -n 's/^[[:space:]]*Parent window id: \(0x[0-9a-f]*\).*/\1/p'
}

# True when one of the window's ancestors (or the window itself) belongs to the tray host.
inside_tray_host() {
    [[ -n $E2E_TRAYER ]] || return 1
    local window=$1 trayer_windows
    trayer_windows=" $(windows_of "$E2E_TRAYER" | tr '\n' ' ') "
    local depth=0
    while [[ -n $window && $window != 0x0 ]] && ((depth++ < 20)); do
        [[ $trayer_windows == *" $((window)) "* ]] && return 0
        window=$(parent_of "$window")
    done
    return 1
}

# The program's tray icon: its window docked inside the tray host.
tray_icon() {
    local pid=$1 window
    for window in $(windows_of "$pid"); do
        if window_viewable "$window" && inside_tray_host "$window"; then
            echo "$window"
            return 0
        fi
    done
    return 1
}

tray_icon_shown() {
    tray_icon "$1" >/dev/null
}

no_tray_icon() {
    ! tray_icon "$1" >/dev/null
}

# A mapped override-redirect window of the program (a popup menu), other than its tray icon.
popup_window() {
    local pid=$1 window
    for window in $(windows_of "$pid"); do
        if window_viewable "$window" && window_override_redirect "$window" &&
            ! inside_tray_host "$window"; then
            echo "$window"
            return 0
        fi
    done
    return 1
}

popup_shown() {
    popup_window "$1" >/dev/null
}

active_window_is() {
    [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]
}

# stacked_above UPPER LOWER: the window manager's own stacking order has UPPER above LOWER.
stacked_above() {
    local upper=$1 lower=$2 window position=0 upper_at=-1 lower_at=-1
    for window in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^.*# //' | tr -d ','); do
        ((window == upper)) && upper_at=$position
        ((window == lower)) && lower_at=$position
        ((position += 1))
    done
    ((lower_at >= 0 && upper_at > lower_at))
}

e2e_activate() {
    local window=$1
    wmctrl -i -a "$window"
    wait_for 10 "window $window to become active" active_window_is "$window"
}

# Frame geometry "x y width height" from the client's geometry and the frame extents.
frame_geometry() {
    local window=$1 info x y w h extents left right top bottom
    info=$(xwininfo -id "$window") || return 1
    x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/^ *Width: *//p' <<<"$info")
    h=$(sed -n 's/^ *Height: *//p' <<<"$info")
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/^.* = //p' | tr -d ' ')
    IFS=, read -r left right top bottom <<<"${extents:-0,0,0,0}"
    echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

# The work area's "x y width height", which is where Qt centres a window.
work_area() {
    xprop -root _NET_WORKAREA | sed -n 's/^.* = //p' | tr -d ' ' | cut -d, -f1-4 | tr ',' ' '
}

# centre_offset WINDOW: sets E2E_DX, E2E_DY to twice the distance between the frame's centre and
# the work area's, and E2E_FRAME, E2E_AREA to the two rectangles.
centre_offset() {
    local window=$1 fx fy fw fh ax ay aw ah
    read -r fx fy fw fh <<<"$(frame_geometry "$window")"
    read -r ax ay aw ah <<<"$(work_area)"
    [[ -n $fh && -n $ah ]] || e2e_fail "cannot read the geometry of window $window or of the work area"
    E2E_DX=$((2 * fx + fw - 2 * ax - aw))
    E2E_DY=$((2 * fy + fh - 2 * ay - ah))
    E2E_FRAME="${fw}x${fh}+${fx}+${fy}, centre $(((2 * fx + fw) / 2)),$(((2 * fy + fh) / 2))"
    E2E_AREA="${aw}x${ah}+${ax}+${ay}, centre $(((2 * ax + aw) / 2)),$(((2 * ay + ah) / 2))"
}

window_centred() {
    local window=$1 tolerance=$2
    centre_offset "$window"
    ((E2E_DX <= 2 * tolerance && -E2E_DX <= 2 * tolerance && E2E_DY <= 2 * tolerance &&
        -E2E_DY <= 2 * tolerance))
}

# assert_centred WINDOW TOLERANCE_PIXELS: allows the window a moment to settle.
assert_centred() {
    local window=$1 tolerance=$2
    poll_until 2 window_centred "$window" "$tolerance" ||
        e2e_fail "window frame $E2E_FRAME is not centred in the work area $E2E_AREA" \
            "(at most ${tolerance}px off allowed)"
}

# Moves the pointer into the middle of WINDOW and clicks BUTTON, COUNT times.
click_window() {
    local window=$1 button=$2 count=${3:-1} w h
    read -r _ _ w h <<<"$(frame_geometry "$window")"
    xdotool mousemove --window "$window" $((w / 2)) $((h / 2))
    xdotool click --repeat "$count" --delay 80 "$button"
}

# ---------------------------------------------------------------------------------------------
# The root window's event log

# Sets a fresh root property and waits until the watcher logs it: every event before it is then
# in the log. Sets E2E_MARK to the log's line count at that point.
barrier_logged() {
    local atom=$1
    grep -q "($atom)" "$E2E_XEV_LOG" && return 0
    # Set again each time: the watcher may not have been listening yet.
    xprop -root -f "$atom" 8s -set "$atom" "$E2E_BARRIERS" 2>/dev/null
    return 1
}

xev_barrier() {
    E2E_BARRIERS=$((E2E_BARRIERS + 1))
    local atom=_TARVELLE_E2E_BARRIER_$E2E_BARRIERS
    xprop -root -f "$atom" 8s -set "$atom" "$E2E_BARRIERS" ||
        e2e_fail "cannot set a property on the root window"
    wait_for 10 "the event watcher to log $atom" barrier_logged "$atom"
    # shellcheck disable=SC2034 # read by the scenarios
    E2E_MARK=$(wc -l <"$E2E_XEV_LOG")
}

# xev_lines FROM TO: the watcher's log between two barriers.
xev_lines() {
    sed -n "$1,$2p" "$E2E_XEV_LOG"
}

# Prints "window parent" for each reparenting in the given log text.
reparented_windows() {
    awk '/^ReparentNotify event/ { getline; if (match($0, /window 0x[0-9a-f]+, parent 0x[0-9a-f]+/)) {
             split(substr($0, RSTART, RLENGTH), f, /[ ,]+/); print f[2], f[4] } }'
}

# Prints each window mapped as a child of the root (frames, override-redirect windows).
root_mapped_windows() {
    awk '/^MapNotify event/ { getline; if (match($0, /window 0x[0-9a-f]+/))
             print substr($0, RSTART + 7, RLENGTH - 7) }'
}

# assert_nothing_mapped FROM TO WHAT [EXCEPT]: no window was mapped at the top level, and nothing
# was handed to the window manager, between the two barriers. Docking into the tray host is
# allowed, and so is window EXCEPT with its frame.
assert_nothing_mapped() {
    local from=$1 to=$2 what=$3 except=${4:-0} window parent frames=" "
    local text
    text=$(xev_lines "$from" "$to")
    while read -r window parent; do
        [[ -z $window ]] && continue
        if ((window == except)); then
            frames+="$((parent)) "
            continue
        fi
        inside_tray_host "$parent" ||
            e2e_fail "$what: window $window ('$(window_title "$window")') was reparented into $parent (it was mapped)"
    done <<<"$(reparented_windows <<<"$text")"
    while read -r window; do
        [[ -z $window ]] && continue
        [[ $frames == *" $((window)) "* ]] && continue
        e2e_fail "$what: window $window was mapped at the top level"
    done <<<"$(root_mapped_windows <<<"$text")"
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

# choose_tray_exit PID [SHOT]: right-clicks the tray icon and picks the menu's lower item, Exit;
# with SHOT, keeps a screenshot of the open menu under that name.
choose_tray_exit() {
    local pid=$1 shot=${2:-} icon menu menu_width menu_height
    icon=$(tray_icon "$pid")
    click_window "$icon" 3
    wait_for 10 "the tray menu" popup_shown "$pid"
    menu=$(popup_window "$pid")
    [[ -z $shot ]] || e2e_screenshot "$shot"
    # The menu is Show / Exit: the lower half is Exit.
    read -r _ _ menu_width menu_height <<<"$(frame_geometry "$menu")"
    xdotool mousemove --window "$menu" $((menu_width / 2)) $((menu_height * 3 / 4)) click 1
}

# ---------------------------------------------------------------------------------------------
# Settings, autostart entry, recorded addresses

# setting KEY: prints the value stored in the [Settings] group; fails when the key is absent.
setting() {
    [[ -f $E2E_INI ]] || return 1
    awk -v key="$1" '
        /^\[.*\]$/ { group = $0; next }
        group == "[Settings]" {
            i = index($0, "=")
            if (i > 0 && substr($0, 1, i - 1) == key) { print substr($0, i + 1); found = 1; exit }
        }
        END { exit !found }' "$E2E_INI"
}

assert_setting() {
    local key=$1 expected=$2 actual
    actual=$(setting "$key") || e2e_fail "the settings file has no $key (expected '$expected'):
$(cat "$E2E_INI" 2>/dev/null)"
    [[ $actual == "$expected" ]] || e2e_fail "setting $key: expected '$expected', got '$actual'"
}

assert_no_setting() {
    local key=$1 actual
    if actual=$(setting "$key"); then
        e2e_fail "the settings file should not hold $key, but holds $key=$actual"
    fi
}

setting_is() {
    [[ $(setting "$1") == "$2" ]]
}

settings_have() {
    setting "$1" >/dev/null
}

# Sets E2E_CARD to the stored card, failing the scenario when it is no card of the deck.
read_stored_card() {
    E2E_CARD=$(setting Card) || e2e_fail "the settings file has no Card"
    if ! [[ $E2E_CARD =~ ^[1-9][0-9]?$ ]] || ((E2E_CARD > 52)); then
        e2e_fail "Card is '$E2E_CARD', which is no card of the 52"
    fi
}

# write_settings KEY=VALUE...: a settings file as an earlier run would have left it.
write_settings() {
    # A later KEY=VALUE replaces an earlier one, so helpers can give defaults.
    local -A value=()
    local -a order=()
    local pair key
    for pair in "$@"; do
        key=${pair%%=*}
        [[ -v "value[$key]" ]] || order+=("$key")
        value[$key]=${pair#*=}
    done
    mkdir -p "$(dirname "$E2E_INI")"
    {
        echo '[Settings]'
        for key in "${order[@]}"; do
            printf '%s=%s\n' "$key" "${value[$key]}"
        done
    } >"$E2E_INI"
}

# write_noon_settings [KEY=VALUE...]: an earlier start of today drew tomorrow's card; the display
# time is at noon, so the fake clock's 07:00:00 brings nothing while a scenario runs.
write_noon_settings() {
    write_settings Date="$E2E_TOMORROW" Card=9 Hour=12 Minute=0 Second=0 \
        UpdateCheckStamp="$E2E_TODAY" "$@"
}

# write_log_on_settings [KEY=VALUE...]: noon settings with every choice a start at log-on needs to
# go straight into the tray, and an autostart entry.
write_log_on_settings() {
    write_noon_settings AutorunStartUp=True SystemTray=True RunAtSysTray=True "$@"
    write_autostart_entry '[Desktop Entry]'
}

# A start-up entry that counts as present whatever it holds.
write_autostart_entry() {
    mkdir -p "$(dirname "$E2E_AUTOSTART")"
    printf '%s\n' "$1" >"$E2E_AUTOSTART"
}

assert_autostart_entry_for_program() {
    [[ -f $E2E_AUTOSTART ]] || e2e_fail "there is no autostart entry at $E2E_AUTOSTART"
    local exec_line
    exec_line=$(grep '^Exec=' "$E2E_AUTOSTART")
    assert_eq "Exec=\"$(realpath "$E2E_TARVELLE")\" /STARTUP" "$exec_line" "the autostart entry's command"
    grep -qx 'Type=Application' "$E2E_AUTOSTART" || e2e_fail "the autostart entry lacks Type=Application"
    grep -qx 'Name=Tarvelle' "$E2E_AUTOSTART" || e2e_fail "the autostart entry lacks Name=Tarvelle"
}

opened_count() {
    if [[ -f $E2E_OPENED ]]; then
        wc -l <"$E2E_OPENED"
    else
        echo 0
    fi
}

opened_at_least() {
    (($(opened_count) >= $1))
}

# ---------------------------------------------------------------------------------------------
# Screenshots

take_screenshot() {
    if [[ -z $E2E_WAYLAND ]]; then
        import -window root "$1"
        return
    fi
    # The screenshooter names its file by the time and writes it where it runs.
    local folder=$E2E_WORK/screenshooter shot
    rm -rf "$folder" && mkdir -p "$folder" || return 1
    (cd "$folder" && weston-screenshooter) || return 1
    shot=$(find "$folder" -name '*.png' | head -n 1)
    [[ -n $shot ]] && mv "$shot" "$1"
}

e2e_screenshot() {
    local file="$E2E_OUT/$1.png"
    take_screenshot "$file" || e2e_fail "could not take the screenshot $file"
    e2e_log "screenshot $file"
}

# ---------------------------------------------------------------------------------------------
# Ending through the program's own exit path

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
        e2e_log "exit screen $screen shown; closing it"
        wmctrl -i -c "$screen"
    fi
    e2e_wait_end "$pid" 15
    assert_eq 0 "$E2E_STATUS" "the program's exit status"
}

# ---------------------------------------------------------------------------------------------
# The accessibility tree (needs --a11y)

a11y_call() {
    gdbus call --timeout 5 --address "$E2E_A11Y_BUS" "$@" 2>/dev/null
}

a11y_bus_known() {
    local reply
    reply=$(gdbus call --timeout 5 --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.a11y.Bus.GetAddress 2>/dev/null) || return 1
    E2E_A11Y_BUS=$(sed -n "s/^('\(.*\)',)$/\1/p" <<<"$reply")
    [[ -n $E2E_A11Y_BUS ]]
}

# Prints the accessibility bus name under which process PID registered.
a11y_application() {
    local pid=$1 name owner
    for name in $(a11y_call --dest org.a11y.atspi.Registry --object-path /org/a11y/atspi/accessible/root \
        --method org.a11y.atspi.Accessible.GetChildren | grep -o "'[:][0-9.]*'" | tr -d "'"); do
        owner=$(a11y_call --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
            --method org.freedesktop.DBus.GetConnectionUnixProcessID "$name" | grep -o '[0-9]\+' | tail -n 1)
        if [[ $owner == "$pid" ]]; then
            echo "$name"
            return 0
        fi
    done
    return 1
}

a11y_application_known() {
    [[ -n $E2E_A11Y_BUS ]] || a11y_bus_known || return 1
    a11y_application "$1" >/dev/null
}

e2e_wait_accessible() {
    wait_for 20 "process $1 to appear on the accessibility bus" a11y_application_known "$1"
}

a11y_walk() {
    local bus=$1 path=$2 depth=$3 only_role=${4:-} role name child
    role=$(a11y_call --dest "$bus" --object-path "$path" --method org.a11y.atspi.Accessible.GetRoleName |
        sed -n "s/^('\(.*\)',)$/\1/p")
    name=$(a11y_call --dest "$bus" --object-path "$path" --method org.freedesktop.DBus.Properties.Get \
        org.a11y.atspi.Accessible Name | sed -n "s/^(<[\"']\(.*\)[\"']>,)$/\1/p")
    ((depth == 1)) && [[ -n $only_role && $role != "$only_role" ]] && return 0
    printf '%s|%s\n' "$role" "$name"
    # A list's entries say nothing the list's own name does not.
    [[ $role == list ]] && return 0
    for child in $(a11y_call --dest "$bus" --object-path "$path" --method org.a11y.atspi.Accessible.GetChildren |
        grep -o "'/org/a11y/atspi/accessible/[^']*'" | tr -d "'"); do
        a11y_walk "$bus" "$child" $((depth + 1)) "$only_role"
    done
}

# a11y_dump PID [TOP_LEVEL_ROLE]: "role|name" for each accessible object of the program, as a
# screen reader finds them; with a role, only the top-level windows of that role. Call
# e2e_wait_accessible first.
a11y_dump() {
    local pid=$1 only_role=${2:-} bus
    bus=$(a11y_application "$pid")
    a11y_walk "$bus" /org/a11y/atspi/accessible/root 0 "$only_role"
}

# ---------------------------------------------------------------------------------------------
# StatusNotifierItem (needs --sni): driven as a panel drives it

# Prints the bus name of the one item registered with the watcher.
sni_item() {
    [[ -s $E2E_SNI_ITEMS ]] && head -n 1 "$E2E_SNI_ITEMS"
}

sni_item_registered() {
    sni_item >/dev/null
}

no_sni_item() {
    ! sni_item_registered
}

# sni_call PATH INTERFACE.METHOD [ARGUMENTS...]: calls the registered item's object.
sni_call() {
    local path=$1 method=$2 item
    shift 2
    item=$(sni_item) || e2e_fail "no StatusNotifierItem is registered"
    gdbus call --timeout 5 --session --dest "$item" --object-path "$path" --method "$method" "$@"
}

sni_property() {
    sni_call /StatusNotifierItem org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem "$1"
}

sni_menu_path() {
    sni_property Menu | sed -n "s/^(<objectpath '\(.*\)'>,)$/\1/p"
}

# The item's menu as "id|label" lines, in menu order.
sni_menu() {
    local menu
    menu=$(sni_menu_path)
    [[ -n $menu ]] || e2e_fail "the item exports no menu"
    sni_call "$menu" com.canonical.dbusmenu.GetLayout 0 'int32 -1' '[]' |
        grep -o "<([0-9]*, {[^}]*'label': <'[^']*'>" |
        sed -n "s/^<(\([0-9]*\), .*'label': <'\([^']*\)'>$/\1|\2/p"
}

# sni_menu_click LABEL: clicks the menu item of that label, as a panel does.
sni_menu_click() {
    local label=$1 id
    id=$(sni_menu | awk -F'|' -v label="$label" '$2 == label { print $1; exit }')
    [[ -n $id ]] || e2e_fail "the item's menu has no '$label'"
    sni_call "$(sni_menu_path)" com.canonical.dbusmenu.Event "$id" clicked '<int32 0>' 0 >/dev/null ||
        e2e_fail "the menu did not take the click on '$label'"
}

# ---------------------------------------------------------------------------------------------
# Notifications (needs --notifications)

notify_calls() {
    grep -c ' Notify ' "$E2E_NOTIFICATIONS" 2>/dev/null
}

notified_times() {
    (($(notify_calls) >= $1))
}

# notification_signal NAME SIGNATURE ARGUMENTS: the server sends a signal, as after a click.
notification_signal() {
    gdbus call --timeout 5 --session --dest org.freedesktop.Notifications \
        --object-path /org/freedesktop/Notifications --method org.freedesktop.DBus.Mock.EmitSignal \
        org.freedesktop.Notifications "$1" "$2" "$3" >/dev/null || e2e_fail "the server could not send $1"
}

# The card's name as the deck writes it, from its number 1 to 52.
card_name() {
    local ranks=(Ace Two Three Four Five Six Seven Eight Nine Ten King Queen Knights)
    local suits=(Clubs Diamond Hearts Spades)
    echo "${ranks[($1 - 1) % 13]} Of ${suits[($1 - 1) / 13]}"
}

# ---------------------------------------------------------------------------------------------
# Wayland (needs --wayland): what the compositor shows, and the program driven by its actions

# The number of pixels of COLOUR (an ImageMagick colour) on the screen.
screen_pixels_of() {
    local colour=$1 shot=$E2E_WORK/screen.png
    take_screenshot "$shot" >/dev/null 2>&1 || return 1
    convert "$shot" -alpha off -fuzz 3% -fill black +opaque "$colour" -fill white -opaque "$colour" \
        -format '%[fx:round(mean*w*h)]' info:
}

# The main window's white and near-white areas are on the screen: nothing else there is that light.
main_window_on_screen() {
    (($(screen_pixels_of white) > 100000))
}

main_window_off_screen() {
    (($(screen_pixels_of white) < 10000))
}

# The exit screen's two navy frames.
exit_screen_on_screen() {
    (($(screen_pixels_of 'rgb(0,0,128)') > 60000))
}

# a11y_press PID ROLE NAME: runs the first action of the program's showing object of that role
# and name, as a screen reader's user would.
a11y_press() {
    "$E2E_PYTHON" "$E2E_LIB_DIR/a11y_press.py" "$@" 2>>"$E2E_WORK/a11y.log"
}

e2e_press() {
    wait_for 20 "'$3' ($2) to take its action" a11y_press "$@"
}

# The accessibility tree with what a screen reader decides by: whether an object is showing and
# what it can be asked to do

a11y_walk_states() {
    local bus=$1 path=$2 depth=$3 role number name states low showing=0 actions child
    role=$(a11y_call --dest "$bus" --object-path "$path" --method org.a11y.atspi.Accessible.GetRoleName |
        sed -n "s/^('\(.*\)',)$/\1/p")
    name=$(a11y_call --dest "$bus" --object-path "$path" --method org.freedesktop.DBus.Properties.Get \
        org.a11y.atspi.Accessible Name | sed -n "s/^(<[\"']\(.*\)[\"']>,)$/\1/p")
    number=$(a11y_call --dest "$bus" --object-path "$path" --method org.a11y.atspi.Accessible.GetRole |
        grep -o '[0-9]\+' | tail -n 1)
    states=$(a11y_call --dest "$bus" --object-path "$path" --method org.a11y.atspi.Accessible.GetState)
    states=${states//uint32 /}
    low=$(grep -o '[0-9]\+' <<<"${states#*[}" | head -n 1)
    # Bit 25 of the first word is "showing".
    [[ -n $low ]] && ((low >> 25 & 1)) && showing=1
    actions=$(a11y_call --dest "$bus" --object-path "$path" --method org.a11y.atspi.Action.GetActions |
        grep -o "('[^']*'" | tr -d "('" | paste -sd , -)
    printf '%s|%s|%s|%s|%s|%s\n' "$depth" "$role" "$name" "$showing" "$actions" "$number"
    [[ $role == list ]] && return 0
    for child in $(a11y_call --dest "$bus" --object-path "$path" --method org.a11y.atspi.Accessible.GetChildren |
        grep -o "'/org/a11y/atspi/accessible/[^']*'" | tr -d "'"); do
        a11y_walk_states "$bus" "$child" $((depth + 1))
    done
}

# a11y_states PID: "depth|role|name|showing (1 or 0)|actions|AT-SPI role number" for each
# accessible object of the program. Call e2e_wait_accessible first.
a11y_states() {
    local bus
    bus=$(a11y_application "$1")
    a11y_walk_states "$bus" /org/a11y/atspi/accessible/root 0
}
