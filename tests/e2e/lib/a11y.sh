# The accessibility tree (needs --a11y), read as a screen reader reads it, and actions run
# through it; the one walker of the tree is a11y.py. Sourced by lib.sh.
# shellcheck shell=bash

a11y() {
    "$E2E_PYTHON" "$E2E_LIB_DIR/a11y.py" "$@" 2>>"$E2E_WORK/a11y.log"
}

e2e_wait_accessible() {
    wait_for 20 "process $1 to appear on the accessibility bus" a11y known "$1"
}

# a11y_states PID: "depth|role|name|showing (1 or 0)|actions|AT-SPI role number" for each
# accessible object of the program. Call e2e_wait_accessible first.
a11y_states() {
    a11y tree "$1"
}

# a11y_dump PID [TOP_LEVEL_ROLE]: "role|name" for each object, as a screen reader reads them out;
# with a role, only the top-level windows of that role.
a11y_dump() {
    a11y tree "$1" "${2:-}" | cut -d'|' -f2-3
}

# a11y_extents PID ROLE NAME: "x y width height" on the screen of the process's first object of
# that role and name.
a11y_extents() {
    a11y extents "$@"
}

# a11y_press PID ROLE NAME: runs the first action of the program's showing object of that role
# and name, as a screen reader's user would.
a11y_press() {
    a11y press "$@"
}

# a11y_text PID ROLE NAME: the text that the program's first object of that role and name holds.
a11y_text() {
    a11y text "$@"
}

# a11y_focused PID: "role|name" of each of the program's objects that say they have the
# keyboard: a view and its current entry both do.
a11y_focused() {
    a11y focused "$1"
}

e2e_press() {
    wait_for 20 "'$3' ($2) to take its action" a11y_press "$@"
}

# a11y_listen PID FILE: from now on, each object that the program tells a screen reader has
# taken the keyboard is added to FILE as "role|name"; the last is where the reader stays.
a11y_listen() {
    # Appended to, so that a scenario may empty the file to hear only what comes next.
    : >"$2"
    "$E2E_PYTHON" "$E2E_LIB_DIR/a11y.py" told "$1" >>"$2" 2>>"$E2E_WORK/a11y.log" &
    E2E_HELPER_PIDS+=("$!")
    wait_for 10 "the screen reader's ear on the program" grep -qx listening "$2"
}
