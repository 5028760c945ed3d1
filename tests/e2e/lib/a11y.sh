# The accessibility tree (needs --a11y), read as a screen reader reads it, and actions run
# through it. Sourced by lib.sh.
# shellcheck shell=bash

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

# a11y_walk BUS PATH DEPTH [TOP_LEVEL_ROLE]: for the object and everything below it,
# "depth|role|name|showing (1 or 0)|actions|AT-SPI role number|object path", with what a screen
# reader decides by. With a role, only the top-level windows of that role.
a11y_walk() {
    local bus=$1 path=$2 depth=$3 only_role=${4:-} role number name states low showing=0 actions child
    role=$(a11y_call --dest "$bus" --object-path "$path" --method org.a11y.atspi.Accessible.GetRoleName |
        sed -n "s/^('\(.*\)',)$/\1/p")
    ((depth == 1)) && [[ -n $only_role && $role != "$only_role" ]] && return 0
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
    printf '%s|%s|%s|%s|%s|%s|%s\n' "$depth" "$role" "$name" "$showing" "$actions" "$number" "$path"
    # A list's entries say nothing the list's own name does not.
    [[ $role == list ]] && return 0
    for child in $(a11y_call --dest "$bus" --object-path "$path" --method org.a11y.atspi.Accessible.GetChildren |
        grep -o "'/org/a11y/atspi/accessible/[^']*'" | tr -d "'"); do
        a11y_walk "$bus" "$child" $((depth + 1)) "$only_role"
    done
}

# a11y_tree PID [TOP_LEVEL_ROLE]: a11y_walk over the whole program. Call e2e_wait_accessible first.
a11y_tree() {
    local bus
    bus=$(a11y_application "$1") || return 1
    a11y_walk "$bus" /org/a11y/atspi/accessible/root 0 "${2:-}"
}

# a11y_states PID: "depth|role|name|showing|actions|AT-SPI role number" for each object.
a11y_states() {
    a11y_tree "$1" | cut -d'|' -f1-6
}

# a11y_dump PID [TOP_LEVEL_ROLE]: "role|name" for each object, as a screen reader reads them out.
a11y_dump() {
    a11y_tree "$1" "${2:-}" | cut -d'|' -f2-3
}

# a11y_find PID ROLE NAME: prints the object path of the program's first object of that role
# and name.
a11y_find() {
    # Reads the whole tree: a walker cut off early would fail the pipe.
    a11y_tree "$1" | awk -F'|' -v role="$2" -v name="$3" '!found && $2 == role && $3 == name { print $7; found = 1 }
        END { exit !found }'
}

# a11y_extents PID ROLE NAME: "x y width height" on the screen of the process's first object of
# that role and name.
a11y_extents() {
    local path bus extents
    path=$(a11y_find "$@") || return 1
    bus=$(a11y_application "$1") || return 1
    extents=$(a11y_call --dest "$bus" --object-path "$path" --method org.a11y.atspi.Component.GetExtents 0) || return 1
    tr -d '(),' <<<"$extents"
}

# a11y_press PID ROLE NAME: runs the first action of the program's showing object of that role
# and name, as a screen reader's user would.
a11y_press() {
    "$E2E_PYTHON" "$E2E_LIB_DIR/a11y_press.py" "$@" 2>>"$E2E_WORK/a11y.log"
}

e2e_press() {
    wait_for 20 "'$3' ($2) to take its action" a11y_press "$@"
}
