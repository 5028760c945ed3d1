#!/usr/bin/env bash
# The journal as a place to look back, by keyboard alone and as a screen reader hears it: the
# calendar names the day chosen with its card and note, the year's picture gives its numbers in
# words, Back Up writes a copy that SQLite finds whole, and Import brings back a day lost since.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin journal_look_back "$@" --a11y
write_noon_settings Card=30
journal=$HOME/.local/share/Tarvelle/journal.sqlite
backup=$E2E_WORK/journal-backup.sqlite
today=$(LC_ALL=C date -d "${E2E_FAKE_START% *}" '+%Y-%m-%d')
yesterday=$(LC_ALL=C date -d "${E2E_FAKE_START% *} - 1 day" '+%Y-%m-%d')

# sql FILE STATEMENT [ARG...]: runs one statement on a journal file, printing rows as "a|b".
sql() {
    "$E2E_PYTHON" - "$@" <<'PY'
import sqlite3, sys
with sqlite3.connect(sys.argv[1]) as db:
    for row in db.execute(sys.argv[2], sys.argv[3:]):
        print("|".join(str(field) for field in row))
PY
}

# A journal begun two days ago: yesterday the Three of Spades, with a note.
mkdir -p "$(dirname "$journal")"
sql "$journal" "CREATE TABLE days (day TEXT PRIMARY KEY NOT NULL CHECK (date(day) IS day),
    card INTEGER NOT NULL CHECK (card BETWEEN 1 AND 52), note TEXT NOT NULL DEFAULT '')
    WITHOUT ROWID"
sql "$journal" "PRAGMA user_version = 1"
sql "$journal" "INSERT INTO days VALUES (?, 42, 'Walked to the lake'), (date(?, '-1 day'), 1, '')" \
    "$yesterday" "$yesterday"
chmod 600 "$journal"

journal_window_shown() {
    local window
    window=$(role_window "$E2E_PID" journal) && window_viewable "$window"
}
focused_is() { [[ $(a11y_focused "$E2E_PID") == *"$1"* ]]; }
told=$E2E_WORK/told
# last_told PATTERN: the object a screen reader was last told has the keyboard matches PATTERN.
# shellcheck disable=SC2053 # a pattern
last_told() { [[ $(tail -n 1 "$told") == $1 ]]; }
said() { a11y_dump "$E2E_PID" | grep -F "$1" >/dev/null; }
day_holds() { [[ $(sql "$journal" "SELECT card, note FROM days WHERE day = ?" "$1") == "$2" ]]; }
backup_whole() {
    [[ $(sql "$backup" "PRAGMA integrity_check") == ok ]] &&
        [[ $(sql "$backup" "SELECT count(*) FROM days") == 3 ]]
}
dialog_shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null; }
# choose_file TITLE PATH: answers the file dialog of that title, as typed by the user.
choose_file() {
    wait_for 10 "the dialog '$1'" dialog_shown "$1"
    xdotool key ctrl+a
    xdotool type --delay 10 "$2"
    xdotool key Return
}

e2e_start_shown
e2e_wait_accessible "$E2E_PID"
a11y_listen "$E2E_PID" "$told"
e2e_activate "$E2E_MAIN"
xdotool key ctrl+j
wait_for 10 "the journal window" journal_window_shown
e2e_activate "$(role_window "$E2E_PID" journal)"

# Opened on today, with the keyboard on the day in the list.
wait_for 10 "today's card drawn into the journal" day_holds "$today" "30|"
wait_for 10 "the keyboard on the chosen day" focused_is "Four Of Hearts"
# Heard as seen: the chosen day, on opening and on coming back to the list by Tab; then the day
# below, and the card area, with nothing between from the month grid out of sight.
wait_for 10 "the chosen day heard on opening" last_told 'list item|*Four Of Hearts'
xdotool key shift+Tab
wait_for 10 "the tab bar heard" last_told 'page tab*'
xdotool key Tab
wait_for 10 "the chosen day heard in the list" last_told 'list item|*Four Of Hearts'
: >"$told"
xdotool key Down
wait_for 10 "the day below heard" last_told 'list item|*Three Of Spades'
xdotool key Tab
wait_for 10 "the card area heard" last_told "filler|The day's card"
heard=$(cat "$told")
[[ $(head -n 1 <<<"$heard") == 'list item|'*'Three Of Spades' && $(wc -l <<<"$heard") == 2 ]] ||
    e2e_fail "a screen reader heard, from Down to Tab:"$'\n'"$heard"
xdotool key shift+Tab
wait_for 10 "the list again" last_told 'list item|*Three Of Spades'
xdotool key Up
wait_for 10 "today again" last_told 'list item|*Four Of Hearts'
# The calendar: Alt+A takes the keyboard into the month; Left to yesterday, heard whole.
xdotool key alt+a
wait_for 10 "the month heard on its chosen day" last_told 'cell|*Four Of Hearts'
xdotool key Left
wait_for 10 "yesterday heard in the calendar" focused_is "Three Of Spades, with a note"
e2e_screenshot journal_look_back-calendar
# The year's picture, in words too.
xdotool key alt+y
wait_for 10 "the month's numbers in words" said "3 days recorded, 1 with a note."
e2e_screenshot journal_look_back-year

# Back Up, then a day lost by another program comes back with Import.
xdotool key alt+b
choose_file "Back up the journal" "$backup"
wait_for 10 "a whole backup" backup_whole
sql "$journal" "DELETE FROM days WHERE day = ?" "$yesterday"
xdotool key alt+i
choose_file "Import into the journal" "$backup"
wait_for 10 "yesterday imported again" day_holds "$yesterday" "42|Walked to the lake"
wait_for 10 "the import's report" said "new days 1"

ask_file_exit "$E2E_PID" "$E2E_MAIN"
xdotool key Return
e2e_expect_exit_path "$E2E_PID"
