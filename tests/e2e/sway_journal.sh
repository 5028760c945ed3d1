#!/usr/bin/env bash
# On a tiling compositor the journal, opened from the main window, comes up in front of it and
# takes the keyboard: sway draws floating windows over tiled ones, and the main window floats.
# There, by keyboard alone, the calendar says the day chosen, and Back Up writes a whole copy.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin sway_journal "$@" --sway --a11y
write_noon_settings Card=30

# journal_view: "type|focused" of the program's journal window as sway holds it.
journal_view() {
    swaymsg -r -t get_tree | "$E2E_PYTHON" -c '
import json, sys
def walk(node):
    if node.get("pid") == int(sys.argv[1]) and node.get("name", "").startswith("Journal"):
        print("%s|%d" % (node["type"], node["focused"]))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))' "$E2E_PID"
}
journal_up() { [[ -n $(journal_view) ]]; }

e2e_start
wait_for 20 "the main window" sway_main_shown "$E2E_PID"
wtype -M ctrl j -m ctrl
wait_for 10 "the journal window" journal_up
e2e_screenshot sway_journal
assert_eq "floating_con|1" "$(journal_view)" "the journal as sway holds it"

focused_is() { [[ $(a11y_focused "$E2E_PID") == *"$1"* ]]; }
dialog_up() { sway_views "$E2E_PID" | grep -q "|$1\$"; }
backup=$E2E_WORK/journal-backup.sqlite
backup_whole() {
    [[ $("$E2E_PYTHON" -c 'import sqlite3, sys
print(sqlite3.connect(sys.argv[1]).execute("PRAGMA integrity_check").fetchone()[0])' \
        "$backup" 2>/dev/null) == ok ]]
}
e2e_wait_accessible "$E2E_PID"
wtype -M alt a -m alt
wait_for 10 "today heard in the calendar" focused_is "Four Of Hearts"
wtype -k Right
wait_for 10 "tomorrow heard in the calendar" focused_is "9 December 2026"
wtype -M alt b -m alt
wait_for 10 "the backup's file dialog" dialog_up "Back up the journal"
wtype -M ctrl a -m ctrl
wtype "$backup"
wtype -k Return
wait_for 10 "a whole backup" backup_whole
e2e_screenshot sway_journal-backed-up

kill -TERM "$E2E_PID"
e2e_wait_end "$E2E_PID" 10
assert_eq 0 "$E2E_STATUS" "the exit status after SIGTERM"
