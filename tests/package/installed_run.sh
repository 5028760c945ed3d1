#!/usr/bin/env bash
# The installed program's first start: with the settings panel in front, a click chooses "Run at
# start-up", whose entry must start the installed executable; File > Exit then leaves, with the
# day's card in the journal.
# Usage: installed_run.sh PROGRAM OUT_DIR
# shellcheck source-path=SCRIPTDIR source=../e2e/lib.sh disable=SC1091 # followed with -x
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
e2e_begin installed_run "$@" --a11y

# shellcheck disable=SC2119 # a first start, without arguments
e2e_start_shown
main=$E2E_MAIN
e2e_activate "$main"
assert_false "a first start must find no start-up entry" test -e "$E2E_AUTOSTART"

e2e_wait_accessible "$E2E_PID"
extents=$(a11y_extents "$E2E_PID" "radio button" "Run at start-up") ||
    e2e_fail "no 'Run at start-up' choice on the accessibility bus:
$(a11y_dump "$E2E_PID")"
# The click lands on the round indicator at the left.
read -r x y _ h <<<"$extents"
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
# The first start's card went into the journal through the installed module.
assert_true "the first start's card must be in the journal" \
    test -s "$HOME/.local/share/Tarvelle/journal.sqlite"
