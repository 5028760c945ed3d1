# The scenario's desktop: an X server with a window manager (started as the scripts start
# theirs, by scripts/lib/xdesktop.sh), or a Wayland compositor, a private session bus, and
# pictures of the screen. Sourced by lib.sh.
# shellcheck shell=bash

e2e_start_helper() {
    local log=$1
    shift
    "$@" >"$E2E_WORK/$log" 2>&1 &
    E2E_HELPER_PIDS+=("$!")
}

# e2e_start_display [xfwm4]: Xvfb with openbox, or with Xfce's window manager.
e2e_start_display() {
    xdesktop_start_x "$E2E_WORK" 1024x768 || e2e_fail "the X server did not start"
    E2E_DISPLAY_READY=1
    e2e_log "display $DISPLAY, work folder $E2E_WORK"

    # One watcher of the root window for the whole scenario: what gets mapped, reparented,
    # announced. Line-buffered so the log keeps up with the server.
    E2E_XEV_LOG=$E2E_WORK/root.xev
    stdbuf -oL xev -root -event substructure -event structure -event property \
        >"$E2E_XEV_LOG" 2>&1 &
    E2E_HELPER_PIDS+=("$!")
    xev_barrier

    if [[ ${1:-} == xfwm4 ]]; then
        # Without its compositor: nothing fades, so screenshots show what is there.
        xdesktop_start_wm xfwm4 --compositor=off --sm-client-disable ||
            e2e_fail "the window manager did not start"
        return
    fi
    # Iconify animations would put half-drawn frames into the screenshots.
    local openbox_options=(--sm-disable)
    if [[ -f /etc/xdg/openbox/rc.xml ]]; then
        sed 's|<animateIconify>yes</animateIconify>|<animateIconify>no</animateIconify>|' \
            /etc/xdg/openbox/rc.xml >"$E2E_WORK/openbox-rc.xml"
        openbox_options+=(--config-file "$E2E_WORK/openbox-rc.xml")
    fi
    xdesktop_start_wm openbox "${openbox_options[@]}" || e2e_fail "the window manager did not start"
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
    E2E_WAYLAND=weston
    E2E_DISPLAY_READY=1
    e2e_log "Wayland display $WAYLAND_DISPLAY, work folder $E2E_WORK"
}

sway_sockets_made() {
    compgen -G "$E2E_SWAY_DIR/wayland-[0-9]" >/dev/null && compgen -G "$E2E_SWAY_DIR/sway-ipc.*.sock" >/dev/null
}

e2e_start_sway() {
    # Sway will not run as root. As root, it runs as nobody in a folder of its own, and its
    # clients find it by the full path of its socket.
    E2E_SWAY_DIR=$E2E_WORK/sway
    mkdir -p "$E2E_SWAY_DIR"
    cat >"$E2E_SWAY_DIR/config" <<'EOF'
xwayland disable
output HEADLESS-1 resolution 1024x768 position 0 0 bg #000000 solid_color
default_border normal
focus_on_window_activation focus
EOF
    local as_user=()
    if (($(id -u) == 0)); then
        chmod 711 "$E2E_WORK"
        chown -R 65534:65534 "$E2E_SWAY_DIR"
        as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    fi
    chmod 700 "$E2E_SWAY_DIR"
    e2e_start_helper sway.log env XDG_RUNTIME_DIR="$E2E_SWAY_DIR" HOME="$E2E_SWAY_DIR" \
        WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        "${as_user[@]}" sway --config "$E2E_SWAY_DIR/config"
    wait_for 20 "sway's sockets" sway_sockets_made
    WAYLAND_DISPLAY=$(compgen -G "$E2E_SWAY_DIR/wayland-[0-9]")
    SWAYSOCK=$(compgen -G "$E2E_SWAY_DIR/sway-ipc.*.sock")
    export WAYLAND_DISPLAY SWAYSOCK QT_QPA_PLATFORM=wayland
    E2E_WAYLAND=sway
    E2E_DISPLAY_READY=1
    e2e_log "sway on $WAYLAND_DISPLAY, work folder $E2E_WORK"

    # A keyboard that stays, as a real one does: a client binds the seat's keyboard only once the
    # seat has one, too late for the keys of a wtype that brings its own and goes.
    e2e_start_helper keyboard.log wtype -s $((E2E_SCENARIO_SECONDS * 2000))
    # Clicks come from a pointer of our own that lives as long as the compositor.
    mkfifo "$E2E_WORK/pointer"
    E2E_POINTER_DONE=$E2E_WORK/pointer-done
    : >"$E2E_POINTER_DONE"
    e2e_start_helper pointer.log "$E2E_PYTHON" "$E2E_LIB_DIR/virtual_pointer.py" "$E2E_WORK/pointer" \
        "$E2E_POINTER_DONE"
}

pointer_caught_up() {
    (($(wc -l <"$E2E_POINTER_DONE") >= $1))
}

# sway_pointer COMMAND...: "move X Y" or "click BUTTON", done once the compositor has it.
sway_pointer() {
    local count
    count=$(($(wc -l <"$E2E_POINTER_DONE") + 1))
    echo "$*" >"$E2E_WORK/pointer"
    wait_for 10 "the pointer to $*" pointer_caught_up "$count"
}

# sway_views PID: "id|visible|focused|x y width height|title" for each window of process PID that
# sway shows or keeps, the rectangle that of the window with its title bar.
sway_views() {
    swaymsg -r -t get_tree | "$E2E_PYTHON" -c '
import json, sys
def walk(node):
    if node.get("pid") == int(sys.argv[1]):
        r, d = node["rect"], node["deco_rect"]
        print("%d|%d|%d|%d %d %d %d|%s" % (node["id"], node["visible"], node["focused"], r["x"],
              r["y"] - d["height"], r["width"], r["height"] + d["height"], node["name"]))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))' "$1"
}

# sway_view PID main|exit-screen: the window of that kind; status 1 when there is none, 2 when
# sway cannot be asked. Both are titled with the program's name and version, and sway knows no
# window roles: the exit screen is the wide one.
sway_view() {
    local views
    views=$(sway_views "$1") || return 2
    awk -F'|' -v kind="$2" '$5 ~ /^Tarvelle v/ {
            split($4, rect, " "); if ((rect[3] >= 600) == (kind == "exit-screen")) { print; found = 1; exit } }
        END { exit !found }' <<<"$views"
}

sway_main_view() {
    sway_view "$1" main
}

sway_main_shown() {
    [[ $(sway_main_view "$1" | cut -d'|' -f2) == 1 ]]
}

sway_main_away() {
    local status=0
    sway_main_view "$1" >/dev/null || status=$?
    ((status == 1))
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

# Xfce's settings daemon, started before any Xfce program asks for it: started by the bus on
# demand, it can come too late for a busy machine's first asker, which then goes without its
# settings.
e2e_start_xfconf() {
    local daemon
    daemon=$(compgen -G '/usr/lib/*/xfce4/xfconf/xfconfd') || e2e_fail "xfconfd is missing"
    e2e_start_helper xfconfd.log "$daemon"
    wait_for 20 "Xfce's settings daemon" bus_name_owned org.xfce.Xfconf
}

bus_name_owned() {
    [[ $(gdbus call --timeout 5 --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null) == '(true,)' ]]
}

bus_name_free() {
    ! bus_name_owned "$1"
}

# bus_name_process NAME: the process that owns NAME on the session bus, provided this scenario
# started it (it carries the scenario's marker); status 1 otherwise.
bus_name_process() {
    local pid
    pid=$(gdbus call --timeout 5 --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.GetConnectionUnixProcessID "$1" 2>/dev/null |
        sed -n 's/^(uint32 \([0-9]*\),)$/\1/p')
    [[ -n $pid ]] && grep -qzx "E2E_WORK=$E2E_WORK" "/proc/$pid/environ" 2>/dev/null || return 1
    echo "$pid"
}

# ---------------------------------------------------------------------------------------------
# Pictures of the screen

take_screenshot() {
    case $E2E_WAYLAND in
    '') import -window root "$1" ;;
    sway) grim "$1" ;;
    *)
        # The screenshooter names its file by the time and writes it where it runs.
        local folder=$E2E_WORK/screenshooter shot
        rm -rf "$folder" && mkdir -p "$folder" || return 1
        (cd "$folder" && weston-screenshooter) || return 1
        shot=$(find "$folder" -name '*.png' | head -n 1)
        [[ -n $shot ]] && mv "$shot" "$1"
        ;;
    esac
}

e2e_screenshot() {
    local file="$E2E_OUT/$1.png"
    take_screenshot "$file" || e2e_fail "could not take the screenshot $file"
    e2e_log "screenshot $file"
}

# The number of pixels of COLOUR (an ImageMagick colour) on the screen.
screen_pixels_of() {
    local colour=$1 shot=$E2E_WORK/screen.png
    take_screenshot "$shot" >/dev/null 2>&1 || return 1
    convert "$shot" -alpha off -fuzz 3% -fill black +opaque "$colour" -fill white -opaque "$colour" \
        -format '%[fx:round(mean*w*h)]' info:
}

# changed_box BEFORE AFTER [BOTTOM_ROWS]: "x y width height" of the smallest rectangle that holds
# every pixel that differs between two pictures of the screen, leaving out that many rows at the
# bottom; fails when none does.
changed_box() {
    local box
    box=$(convert "$1" "$2" -alpha off -compose difference -composite -gravity south \
        -chop "0x${3:-0}" -threshold 8% -bordercolor black -border 1 -format '%@' info: 2>/dev/null) ||
        return 1
    # The black border of one pixel tells the bounding box what is unchanged, also where the
    # change reaches the picture's edges.
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
    ((BASH_REMATCH[1] > 1 && BASH_REMATCH[2] > 1)) || return 1
    echo "$((BASH_REMATCH[3] - 1)) $((BASH_REMATCH[4] - 1)) ${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
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
