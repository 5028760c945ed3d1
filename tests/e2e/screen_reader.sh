#!/usr/bin/env bash
# What a screen reader finds in each window: windows read as windows, card pictures as images
# named after the card, frames by their own captions, clickable texts as links that it can
# press, and nothing reported as showing that the user cannot see.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin screen_reader "$@" --a11y
write_noon_settings

e2e_start_shown
main=$E2E_MAIN
e2e_activate "$main"
e2e_wait_accessible "$E2E_PID"
tree=$(a11y_states "$E2E_PID")
e2e_log "the main window as a screen reader finds it:"$'\n'"$tree"
printf '%s\n' "$tree" >"$E2E_OUT/screen_reader-main.txt"

# has LINE_PATTERN TREE: the tree has a line matching the extended regular expression.
has() {
    grep -Eqx "$1" <<<"$2" || e2e_fail "the screen reader does not find '$1' in:"$'\n'"$2"
}
lacks() {
    ! grep -Eqx "$1" <<<"$2" || e2e_fail "the screen reader finds '$1' in:"$'\n'"$2"
}

# The main window: a window; the card panel's picture is an image (AT-SPI role 27) named after
# the stored card; the outlines say nothing; clickable texts are links that can be pressed.
has '1\|frame\|Tarvelle v1\.20\|1\|.*\|23' "$tree"
has '[0-9]+\|graphic\|Nine Of Clubs\|1\|\|27' "$tree"
# Only windows are frames: outlines are nameless fillers.
lacks '([2-9]|[1-9][0-9])\|frame\|.*' "$tree"
has '[0-9]+\|link\|Talk about your cards.*\|1\|Press(,.*)?\|88' "$tree"
# The hidden date is no control at all: nothing unseen is offered to a screen reader.
lacks '[0-9]+\|combo box\|.*' "$tree"

# Pressing the link through the screen reader opens its page, as a click does.
a11y_press "$E2E_PID" link 'Talk about your cards with friends on the Quellmoor discussion board: click here to visit us!' ||
    e2e_fail "the link could not be pressed"
wait_for 15 "the page of the pressed link" opened_at_least 1
grep -q 'page=home-page' "$E2E_OPENED" || e2e_fail "the pressed link opened $(cat "$E2E_OPENED")"

# The settings panel: each frame is read by its own caption, the picture is an image.
e2e_activate "$main"
xdotool key alt+t
wait_for 10 "the Tools menu" popup_shown "$E2E_PID"
xdotool key s
# tree_has PATTERN: the program's tree, read afresh, has a line matching PATTERN.
tree_has() {
    local now
    now=$(a11y_states "$E2E_PID")
    grep -Eq "$1" <<<"$now"
}
wait_for 15 "the settings panel" tree_has '\|panel\|Choose Display Time\|1\|'
tree=$(a11y_states "$E2E_PID")
printf '%s\n' "$tree" >"$E2E_OUT/screen_reader-settings.txt"
has '[0-9]+\|panel\|Cartomancy Card Settings\|1\|.*' "$tree"
has '[0-9]+\|panel\|Choose Display Time\|1\|.*' "$tree"
has '[0-9]+\|panel\|Choose Display Mode\|1\|.*' "$tree"
has '[0-9]+\|graphic\|Nine Of Clubs\|1\|\|27' "$tree"

# The about window: a dialog whose two clickable texts are links.
xdotool key alt+h
wait_for 10 "the Help menu" popup_shown "$E2E_PID"
xdotool key a
wait_for 15 "the about window" tree_has '^1\|dialog\|Tarvelle v1\.20\|1\|'
tree=$(a11y_states "$E2E_PID")
printf '%s\n' "$tree" >"$E2E_OUT/screen_reader-about.txt"
has '[0-9]+\|link\|Click here to visit https://www\.quellmoor\.com\|1\|Press(,.*)?\|88' "$tree"
has '[0-9]+\|link\|Click here for more details\|1\|Press(,.*)?\|88' "$tree"
xdotool key Escape

# The exit screen: a window of its own, its frames by their captions, its link pressable, and
# the message box that lies outside its frame not showing.
tree_lacks() {
    ! tree_has "$1"
}
wait_for 10 "the about window to close" tree_lacks '^1\|dialog\|'

ask_file_exit "$E2E_PID" "$main"
xdotool key Return
wait_for 15 "the exit screen" exit_screen_shown "$E2E_PID"
wait_for 15 "the exit screen on the accessibility bus" tree_has '\|panel\|Refer A Friend\|1\|'
tree=$(a11y_states "$E2E_PID")
printf '%s\n' "$tree" >"$E2E_OUT/screen_reader-exit.txt"
has '1\|frame\|Tarvelle v1\.20\|1\|.*\|23' "$tree"
lacks '1\|filler\|.*' "$tree"
has '[0-9]+\|panel\|Download Quellmoor Softwares\|1\|.*' "$tree"
has '[0-9]+\|link\|Click Here To Visit Quellmoor Softwares\|1\|Press(,.*)?\|88' "$tree"
has '[0-9]+\|text\|Your Message\|0\|.*' "$tree"
has '[0-9]+\|text\|Your Name\|1\|.*' "$tree"
e2e_screenshot screen_reader
wmctrl -i -c "$(role_window "$E2E_PID" exit-screen)"
e2e_expect_end "$E2E_PID"
