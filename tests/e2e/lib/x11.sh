# X11 windows as the server and the window manager see them (ids are printed in decimal, as
# xdotool prints them), and the root window's event log. Sourced by lib.sh.
# shellcheck shell=bash

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

# Put away into a tray: unmapped, neither minimised nor on the task bar.
window_hidden() {
    window_unmapped "$1" && ! window_iconic "$1" && ! window_managed "$1"
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

