# Trays and notifications: an XEmbed tray host (trayer) whose icon is a window of the program,
# and the desktops' own panels and notification servers (Xfce's, and waybar with mako under
# sway), driven as a user drives them. Sourced by lib.sh.
# shellcheck shell=bash

# ---------------------------------------------------------------------------------------------
# XEmbed (--tray)

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
    xdesktop_start_tray --edge bottom --align left --widthtype request --height 24 \
        --SetDockType true --SetPartialStrut false --transparent false ||
        e2e_fail "the tray host did not start"
    E2E_TRAYER=$XDESKTOP_TRAYER
    # The tray host announces itself with a MANAGER message once it owns the tray selection.
    wait_for 20 "the tray host to own the notification area" tray_manager_announced
    wait_for 20 "the tray host's panel" tray_panel_shown
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
# StatusNotifierItem: the item as the panel's watcher knows it

# Prints the bus name of the first item registered with the watcher.
sni_item() {
    gdbus call --timeout 5 --session --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher \
        --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher RegisteredStatusNotifierItems \
        2>/dev/null | grep -o "'[^'/]*" | sed -n 1p | tr -d "'" | grep .
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

# The item's menu as "id|label" lines, in menu order.
sni_menu() {
    local menu
    menu=$(sni_property Menu | sed -n "s/^(<objectpath '\(.*\)'>,)$/\1/p")
    [[ -n $menu ]] || e2e_fail "the item exports no menu"
    sni_call "$menu" com.canonical.dbusmenu.GetLayout 0 'int32 -1' '[]' |
        grep -o "<([0-9]*, {[^}]*'label': <'[^']*'>" |
        sed -n "s/^<(\([0-9]*\), .*'label': <'\([^']*\)'>$/\1|\2/p"
}

# ---------------------------------------------------------------------------------------------
# The desktop's panel (--xfce: xfce4-panel with its status tray; --sway: waybar's tray), seen
# and clicked as a user sees and clicks it

xfce_panel_config() {
    local folder=$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml
    mkdir -p "$folder"
    # One panel along the bottom with the status tray alone, so that nothing else is drawn there.
    cat >"$folder/xfce4-panel.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=8;x=512;y=752"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="32"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
EOF
    # Every notification goes to the server's log, and stays on the screen until clicked.
    cat >"$folder/xfce4-notifyd.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-notifyd" version="1.0">
  <property name="notification-log" type="bool" value="true"/>
  <property name="log-level" type="uint" value="1"/>
  <property name="log-level-apps" type="uint" value="0"/>
  <property name="expire-timeout" type="int" value="600"/>
</channel>
EOF
}

waybar_config() {
    mkdir -p "$XDG_CONFIG_HOME/waybar" "$XDG_CONFIG_HOME/mako"
    cat >"$XDG_CONFIG_HOME/waybar/config" <<'EOF'
{ "layer": "top", "position": "bottom", "height": 32, "modules-right": ["tray"],
  "tray": { "icon-size": 22, "spacing": 4 } }
EOF
    # Notifications stay until they are acted on.
    printf 'default-timeout=0\n' >"$XDG_CONFIG_HOME/mako/config"
}

# The panel lies along the bottom edge, 32 pixels high, in both desktops.
E2E_PANEL_HEIGHT=32

e2e_start_panel() {
    if [[ -z $E2E_WAYLAND ]]; then
        e2e_start_helper "panel-$((${#E2E_HELPER_PIDS[@]})).log" xfce4-panel --disable-wm-check
    else
        e2e_start_helper "panel-$((${#E2E_HELPER_PIDS[@]})).log" waybar
    fi
    E2E_PANEL=${E2E_HELPER_PIDS[-1]}
    wait_for 20 "the panel's StatusNotifierWatcher" bus_name_owned org.kde.StatusNotifierWatcher
    wait_for 20 "the panel on the screen" panel_drawn
    e2e_log "panel started as $E2E_PANEL"
    # What the panel looks like with nothing in its tray, for telling the icon from the panel.
    [[ -f $E2E_WORK/panel-empty.png ]] || cp "$E2E_WORK/panel.png" "$E2E_WORK/panel-empty.png"
}

# The panel's strip of the screen now, in panel.png.
panel_picture() {
    take_screenshot "$E2E_WORK/screen.png" >/dev/null 2>&1 &&
        convert "$E2E_WORK/screen.png" -gravity south -crop "x$E2E_PANEL_HEIGHT+0+0" +repage "$E2E_WORK/panel.png"
}

# The panel covers the black of the empty screen.
panel_drawn() {
    panel_picture && [[ $(convert "$E2E_WORK/panel.png" -format '%[fx:p{4,16}.r + p{4,16}.g + p{4,16}.b > 0]' info:) == 1 ]]
}

# e2e_kill_panel: the panel ends as a crash ends it.
e2e_kill_panel() {
    kill -KILL "$E2E_PANEL"
    wait "$E2E_PANEL" 2>/dev/null
    # Xfce's tray runs in a process of its own, which goes with the panel.
    wait_for 10 "the panel's watcher to leave the bus" bus_name_free org.kde.StatusNotifierWatcher
}

# panel_icon_box: "x y width height" on the screen of what the panel draws beyond its empty
# self, which can only be the icon in its tray; status 1 while there is none, 2 when the screen
# cannot be pictured.
panel_icon_box() {
    local x y w h
    panel_picture || return 2
    read -r x y w h <<<"$(changed_box "$E2E_WORK/panel-empty.png" "$E2E_WORK/panel.png")" || return 1
    # An icon, not the whole panel redrawn.
    ((w >= 8 && h >= 8 && w <= 64)) || return 1
    # A picture of many colours, not just a lit-up place for one.
    (($(convert "$E2E_WORK/panel.png" -crop "${w}x$h+$x+$y" +repage -unique-colors -format '%w' info:) >= 32)) ||
        return 1
    echo "$x $((y + 768 - E2E_PANEL_HEIGHT)) $w $h"
}

panel_icon_drawn() {
    panel_icon_box >/dev/null
}

no_panel_icon() {
    local status=0
    panel_icon_box >/dev/null || status=$?
    ((status == 1))
}

# pointer_click X Y BUTTON: a click of the desktop's pointer at a point of the screen.
pointer_click() {
    if [[ -z $E2E_WAYLAND ]]; then
        xdotool mousemove "$1" "$2" click "$3"
    else
        sway_pointer move "$1" "$2"
        sway_pointer click "$3"
    fi
}

pointer_move() {
    if [[ -z $E2E_WAYLAND ]]; then
        xdotool mousemove "$1" "$2"
    else
        sway_pointer move "$1" "$2"
    fi
}

# click_panel_icon BUTTON: clicks the middle of the icon on the panel. The pointer then leaves
# the panel, where pictures of the screen would show it.
click_panel_icon() {
    local x y w h
    read -r x y w h <<<"$(panel_icon_box)" || e2e_fail "there is no icon on the panel to click"
    pointer_click $((x + w / 2)) $((y + h / 2)) "$1"
    pointer_move 0 0
}

menu_opened() {
    take_screenshot "$E2E_WORK/menu.png" >/dev/null 2>&1 || return 1
    local x y w h
    # Above the panel, where the icon lights up as it is pressed.
    read -r x y w h <<<"$(changed_box "$E2E_WORK/before-menu.png" "$E2E_WORK/menu.png" "$E2E_PANEL_HEIGHT")" ||
        return 1
    # A menu of two entries.
    ((w >= 40 && h >= 30)) || return 1
    E2E_MENU_BOX="$x $y $w $h"
}

# panel_menu_choose Show|Exit [SHOT]: opens the icon's menu on the panel with a right click and
# clicks the entry, Show first and Exit last; with SHOT, keeps a screenshot of the open menu.
panel_menu_choose() {
    local entry=$1 shot=${2:-} x y w h
    read -r x y w h <<<"$(panel_icon_box)" || e2e_fail "there is no icon on the panel to open"
    # On the icon before the first picture, so that the pointer moves in neither picture.
    pointer_move $((x + w / 2)) $((y + h / 2))
    take_screenshot "$E2E_WORK/before-menu.png" || e2e_fail "no picture of the screen"
    pointer_click $((x + w / 2)) $((y + h / 2)) 3
    wait_for 10 "the icon's menu on the panel" menu_opened
    [[ -z $shot ]] || e2e_screenshot "$shot"
    read -r x y w h <<<"$E2E_MENU_BOX"
    e2e_log "menu at ${w}x${h}+$x+$y"
    case $entry in
    Show) pointer_click $((x + w / 2)) $((y + h / 4)) 1 ;;
    # The last entry; a menu that reaches down over the panel is seen only down to the panel.
    Exit) pointer_click $((x + w / 2)) $((y + h - h / 8)) 1 ;;
    *) e2e_fail "the menu has no entry $entry" ;;
    esac
    pointer_move 0 0
}

# ---------------------------------------------------------------------------------------------
# Notifications: xfce4-notifyd (its log) and mako (makoctl)

e2e_start_notification_server() {
    if [[ -z $E2E_WAYLAND ]]; then
        local server
        server=$(compgen -G '/usr/lib/*/xfce4/notifyd/xfce4-notifyd') || e2e_fail "xfce4-notifyd is missing"
        e2e_start_helper notifyd.log "$server"
    else
        e2e_start_helper mako.log mako
    fi
    E2E_NOTIFICATION_SERVER=${E2E_HELPER_PIDS[-1]}
    wait_for 20 "the notification server" bus_name_owned org.freedesktop.Notifications
}

# notifications: "app name|summary|body|actions" of each notification received, oldest first;
# a body's line breaks become spaces.
notifications() {
    if [[ -z $E2E_WAYLAND ]]; then
        local log=$XDG_CACHE_HOME/xfce4/notifyd/log
        [[ -f $log ]] || return 0
        awk '
            function flush() { if (app != "") print app "|" summary "|" body "|" actions; app = "" }
            /^\[/ { flush(); summary = body = actions = ""; next }
            /^app_name=/ { app = substr($0, 10) }
            /^summary=/ { summary = substr($0, 9) }
            /^body=/ { body = substr($0, 6) }
            /^action-id-/ { id = substr($0, index($0, "=") + 1) }
            /^action-label-/ { actions = actions id "=" substr($0, index($0, "=") + 1) ";" }
            END { flush() }' "$log" | sed 's/\\n/ /g'
    else
        makoctl list | "$E2E_PYTHON" -c '
import json, sys
for n in sorted(json.load(sys.stdin)["data"][0], key=lambda n: n["id"]["data"]):
    actions = "".join("%s=%s;" % a for a in n["actions"]["data"].items())
    print("|".join([n["app-name"]["data"], n["summary"]["data"],
                    n["body"]["data"].replace("\n", " "), actions]))'
    fi
}

notified_times() {
    (($(notifications | wc -l) >= $1))
}

# notification_act: the user takes the newest notification's default action, "Show".
notification_act() {
    if [[ -n $E2E_WAYLAND ]]; then
        makoctl invoke default || e2e_fail "mako could not invoke the notification's action"
        return
    fi
    # xfce4-notifyd draws the default action as a button; a click elsewhere only dismisses.
    local x y w h
    e2e_wait_accessible "$E2E_NOTIFICATION_SERVER"
    read -r x y w h <<<"$(a11y_extents "$E2E_NOTIFICATION_SERVER" "push button" Show)" ||
        e2e_fail "the notification on the screen has no Show button"
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
}

# The card's name as the deck writes it, from its number 1 to 52.
card_name() {
    local ranks=(Ace Two Three Four Five Six Seven Eight Nine Ten King Queen Knights)
    local suits=(Clubs Diamond Hearts Spades)
    echo "${ranks[($1 - 1) % 13]} Of ${suits[($1 - 1) / 13]}"
}
