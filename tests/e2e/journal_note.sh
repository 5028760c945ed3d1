#!/usr/bin/env bash
# The journal by keyboard alone: Ctrl+J opens it on today's card, a note typed into it outlives
# the program ended by SIGTERM a moment later, and the next start leaves it as it was. Typing on
# through the display time, every key still goes to the note.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin journal_note "$@" --a11y
write_noon_settings Card=30
journal=$HOME/.local/share/Tarvelle/journal.sqlite
day=$(LC_ALL=C date -d "${E2E_FAKE_START% *}" '+%Y-%m-%d')
note='Rain at noon; a letter from Asa'

# journal_day DAY: "card|note" as the journal's file holds them, read-only.
journal_day() {
    "$E2E_PYTHON" - "$journal" "$1" <<'PY'
import sqlite3, sys
with sqlite3.connect(f"file:{sys.argv[1]}?mode=ro", uri=True) as db:
    row = db.execute("SELECT card, note FROM days WHERE day = ?", (sys.argv[2],)).fetchone()
print("" if row is None else f"{row[0]}|{row[1]}")
PY
}

journal_window_shown() {
    local window
    window=$(role_window "$E2E_PID" journal) && window_viewable "$window"
}

# note_holds LABEL TEXT: the journal's note box, named LABEL, holds TEXT.
note_holds() {
    [[ $(a11y_text "$E2E_PID" text "$1") == "$2" ]]
}

open_journal() {
    e2e_activate "$E2E_MAIN"
    xdotool key ctrl+j
    wait_for 10 "the journal window" journal_window_shown
    E2E_JOURNAL=$(role_window "$E2E_PID" journal)
    e2e_activate "$E2E_JOURNAL"
}

e2e_start_shown
open_journal
# The first start with a journal begins it with the card already drawn for today.
wait_for 10 "today's card in the journal" test -s "$journal"
assert_eq 600 "$(stat -c %a "$journal")" "the journal file's mode"
xdotool key alt+n
xdotool type --delay 20 "$note"
e2e_wait_accessible "$E2E_PID"
# The box is named for its day in the desktop's long date form.
note_label=$(a11y_dump "$E2E_PID" | sed -n 's/^text|\(Note for .*\)$/\1/p' | head -n 1)
[[ -n $note_label ]] || e2e_fail "no text box named 'Note for ...' in the journal"
wait_for 10 "the note in its box" note_holds "$note_label" "$note"
e2e_screenshot journal_note
# Ended at once, before the note's own save is due: the ending signal writes it.
kill -TERM "$E2E_PID"
e2e_wait_end "$E2E_PID" 10
assert_eq 0 "$E2E_STATUS" "the exit status after SIGTERM"
assert_eq "30|$note" "$(journal_day "$day")" "today's entry after SIGTERM"

e2e_start_shown
# A start that shows the card it drew makes sure of its day only after it is up (which leaves
# the entry as it was); its window loads the journal's module.
maps_hold() { grep -q "$1" "/proc/$E2E_PID/maps"; }
if (($(elapsed_ms) < 1500)); then
    assert_false "Qt SQL is mapped as the window comes up" maps_hold libQt6Sql
fi
open_journal
maps_hold tarvelle-sqlite-journal.so || e2e_fail "the journal window did not load its module"
e2e_screenshot journal_note-next-start
ask_file_exit "$E2E_PID" "$E2E_MAIN"
xdotool key Return
e2e_expect_exit_path "$E2E_PID"
assert_eq "30|$note" "$(journal_day "$day")" "today's entry after the next start"

# The display time comes while the user types in the journal: the keys stay there, and none of
# them reaches the main window's buttons and lists.
write_noon_settings Card=30 Hour=7
e2e_start_shown
open_journal
xdotool key alt+n ctrl+End
# The program's clock read 06:59:55 at its start: the display second comes 5 s after it.
began=$(elapsed_ms)
((began < 4500)) || e2e_fail "typing began ${began} ms after the start, too late for the display time"
typed=' then at 7 the post came'
xdotool type --delay 600 "$typed"
ended=$(elapsed_ms)
e2e_log "typed from ${began} ms to ${ended} ms after the start"
((ended > 5500)) || e2e_fail "the typing ended before the display time"
note_has_typed() {
    [[ $(a11y_text "$E2E_PID" text "$note_label") == "$note$typed" ]]
}
wait_for 10 "every key typed in the note" note_has_typed
assert_true "the journal must keep the keyboard" active_window_is "$E2E_JOURNAL"
assert_true "the settings panel must stay behind" main_window_shown "$E2E_PID"
assert_setting Hour 7
e2e_screenshot journal_note-display-time
kill -TERM "$E2E_PID"
e2e_wait_end "$E2E_PID" 10
assert_setting Hour 7
