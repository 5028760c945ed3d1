#!/usr/bin/env bash
# The installed program's first start: with the settings panel in front, a click chooses "Run at
# start-up", whose entry must start the installed executable; File > Exit then leaves.
# Usage: installed_run.sh PROGRAM OUT_DIR
# shellcheck source-path=SCRIPTDIR source=../e2e/lib.sh disable=SC1091 # followed with -x
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
e2e_begin installed_run "$@" --a11y

# a11y_find BUS PATH ROLE NAME: prints the path of the first object below PATH with that role
# and name.
a11y_find() {
    local bus=$1 path=$2 role=$3 name=$4 child
    if [[ $(a11y_call --dest "$bus" --object-path "$path" --method org.a11y.atspi.Accessible.GetRoleName) == "('$role',)" &&
        $(a11y_call --dest "$bus" --object-path "$path" --method org.freedesktop.DBus.Properties.Get \
            org.a11y.atspi.Accessible Name) == "(<'$name'>,)" ]]; then
        echo "$path"
        return 0
    fi
    for child in $(a11y_call --dest "$bus" --object-path "$path" --method org.a11y.atspi.Accessible.GetChildren |
        grep -o "'/org/a11y/atspi/accessible/[^']*'" | tr -d "'"); do
        a11y_find "$bus" "$child" "$role" "$name" && return 0
    done
    return 1
}

# shellcheck disable=SC2119 # a first start, without arguments
e2e_start_shown
main=$E2E_MAIN
e2e_activate "$main"
assert_false "a first start must find no start-up entry" test -e "$E2E_AUTOSTART"

e2e_wait_accessible "$E2E_PID"
bus=$(a11y_application "$E2E_PID")
choice=$(a11y_find "$bus" /org/a11y/atspi/accessible/root "radio button" "Run at start-up") ||
    e2e_fail "no 'Run at start-up' choice on the accessibility bus:
$(a11y_dump "$E2E_PID")"
# Screen coordinates; the click lands on the round indicator at the left.
extents=$(a11y_call --dest "$bus" --object-path "$choice" --method org.a11y.atspi.Component.GetExtents 0)
read -r x y _ h <<<"$(tr -d '(),' <<<"$extents")"
[[ -n $h ]] || e2e_fail "cannot read where 'Run at start-up' is: $extents"
xdotool mousemove $((x + h / 2)) $((y + h / 2)) click 1
wait_for 10 "the start-up entry" test -f "$E2E_AUTOSTART"
e2e_screenshot installed_run

assert_eq 'Exec="/usr/bin/Tarvelle" /STARTUP' "$(grep '^Exec=' "$E2E_AUTOSTART")" "the start-up entry's command"
assert_autostart_entry_for_program
desktop-file-validate "$E2E_AUTOSTART" || e2e_fail "the start-up entry does not validate"

ask_file_exit "$E2E_PID" "$main"
xdotool key Return
e2e_expect_exit_path "$E2E_PID"
assert_setting AutorunStartUp True
assert_true "leaving must keep the start-up entry" test -f "$E2E_AUTOSTART"
