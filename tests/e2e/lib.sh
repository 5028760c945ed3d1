# Shared helpers of the end-to-end scenarios, sourced by each scenario script; the helpers
# themselves live in lib/, one file for each thing they deal with.
#
# A scenario gets its own display, its own configuration, runtime and home folders, a recording
# xdg-open first on PATH and, when asked, a private session bus with the accessibility bus. The
# program runs under libfaketime. Everything started here is ended by the EXIT trap, also when an
# assertion fails.
#
# Usage in a scenario:  source lib.sh; e2e_begin NAME TARVELLE OUT_DIR [OPTION...]
# By default the display is Xvfb with openbox and nothing else.
# --tray      adds an XEmbed tray host (trayer);
# --a11y      a session bus with the accessibility bus, which lets scenarios read what windows say;
# --xfce      Xfce instead of openbox: its window manager, its panel with the status tray (XEmbed
#             and StatusNotifierItem) and its notification server, on a session bus;
# --wayland   weston's headless backend instead of X11; a headless compositor has no input
#             devices, so the program is driven through the accessibility tree (implies --a11y);
# --sway      sway's headless backend instead of X11, with waybar's tray and mako on a session
#             bus; clicks by a pointer of our own, keys by wtype.
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
E2E_STATUS=
E2E_DISPLAY_READY=
E2E_WAYLAND=
E2E_PANEL=
E2E_NOTIFICATION_SERVER=
E2E_BUS_PID=
E2E_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The Python that has the distribution's modules (GLib's binding), whatever comes first on PATH.
E2E_PYTHON=/usr/bin/python3

# shellcheck source=../../scripts/lib/xdesktop.sh
source "$E2E_LIB_DIR/../../scripts/lib/xdesktop.sh"
# shellcheck source=lib/wait.sh
source "$E2E_LIB_DIR/lib/wait.sh"
# shellcheck source=lib/desktop.sh
source "$E2E_LIB_DIR/lib/desktop.sh"
# shellcheck source=lib/x11.sh
source "$E2E_LIB_DIR/lib/x11.sh"
# shellcheck source=lib/tray.sh
source "$E2E_LIB_DIR/lib/tray.sh"
# shellcheck source=lib/program.sh
source "$E2E_LIB_DIR/lib/program.sh"
# shellcheck source=lib/settings.sh
source "$E2E_LIB_DIR/lib/settings.sh"
# shellcheck source=lib/a11y.sh
source "$E2E_LIB_DIR/lib/a11y.sh"

e2e_begin() {
    E2E_NAME=$1
    E2E_TARVELLE=$2
    E2E_OUT=$3
    shift 3
    local want_tray=0 want_a11y=0 desktop=openbox option
    for option in "$@"; do
        case $option in
        --tray) want_tray=1 ;;
        --a11y) want_a11y=1 ;;
        --xfce) desktop=xfce ;;
        --wayland) desktop=weston want_a11y=1 ;;
        --sway) desktop=sway ;;
        *) e2e_fail "unknown option $option" ;;
        esac
    done
    E2E_DEADLINE_MS=$(($(now_ms) + E2E_SCENARIO_SECONDS * 1000))
    trap e2e_cleanup EXIT
    trap 'e2e_fail "stopped by a signal"' TERM INT HUP

    [[ -x $E2E_TARVELLE ]] || e2e_fail "no program at $E2E_TARVELLE (build it first)"
    local tool tools=(Xvfb xdotool wmctrl xprop xwininfo xev import stdbuf convert)
    case $desktop in
    openbox) tools+=(openbox) ;;
    xfce) tools+=(xfwm4 xfce4-panel dbus-daemon gdbus) ;;
    weston) tools=(weston weston-screenshooter convert) ;;
    sway) tools=(sway swaymsg setpriv waybar mako makoctl grim wtype convert dbus-daemon gdbus) ;;
    esac
    ((want_tray == 0)) || tools+=(trayer)
    ((want_a11y == 0)) || tools+=(dbus-daemon gdbus)
    for tool in "${tools[@]}"; do
        command -v "$tool" >/dev/null || e2e_fail "$tool is missing: run bash scripts/install-deps --test"
    done

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
    E2E_TODAY=$(LC_ALL=C date -d "${E2E_FAKE_START% *}" '+%F')
    E2E_TOMORROW=$(LC_ALL=C date -d "${E2E_FAKE_START% *} +1 day" '+%F')

    cat >"$E2E_WORK/bin/xdg-open" <<EOF
#!/bin/sh
# Stands in for the desktop's opener: records what the program asked it to open.
printf '%s\n' "\$*" >>'$E2E_OPENED'
EOF
    chmod +x "$E2E_WORK/bin/xdg-open"

    local faked
    faked=$(env LD_PRELOAD="$E2E_FAKETIME_LIB" FAKETIME="@$E2E_FAKE_START" NO_FAKE_STAT=1 date '+%F' 2>&1)
    [[ $faked == "${E2E_FAKE_START% *}" ]] || e2e_fail "libfaketime does not fake the clock (date says '$faked')"

    case $desktop in
    openbox) e2e_start_display ;;
    xfce)
        # Xfce's programs read their settings through the bus.
        xfce_panel_config
        e2e_start_session_bus
        e2e_start_xfconf
        e2e_start_display xfwm4
        ;;
    weston) e2e_start_weston ;;
    sway)
        waybar_config
        e2e_start_sway
        ;;
    esac
    [[ $desktop == xfce || ($desktop == openbox && $want_a11y == 0) ]] || e2e_start_session_bus
    ((want_a11y == 0)) || export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    ((want_tray == 0)) || e2e_start_tray
    if [[ $desktop == xfce || $desktop == sway ]]; then
        e2e_start_panel
        e2e_start_notification_server
    fi
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
    xdesktop_stop
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

