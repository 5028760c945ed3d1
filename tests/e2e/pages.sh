#!/usr/bin/env bash
# Each menu that leads to the maker's site hands the browser exactly its page's address.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin pages "$@"
write_noon_settings

site='https://www.quellmoor.com/tarvelle/ssd.php?page='
expected=()

e2e_start_shown
main=$E2E_MAIN
e2e_activate "$main"

# open_from_help KEY PAGE: Help, then the entry with mnemonic KEY, must open PAGE.
open_from_help() {
    xdotool key alt+h
    wait_for 10 "the Help menu" popup_shown "$E2E_PID"
    [[ $1 == u ]] && e2e_screenshot pages
    xdotool key "$1"
    expect_page "$2"
}

# The opener runs on its own: wait for each address before asking for the next, so the order
# in the record is the order of the clicks.
expect_page() {
    expected+=("$site$1")
    wait_for 15 "the address of '$1' to reach the browser" opened_at_least "${#expected[@]}"
    wait_for 10 "the menu to close" popup_closed
    e2e_activate "$main"
}

popup_closed() {
    ! popup_shown "$E2E_PID"
}

open_from_help o help-web-page
open_from_help v home-page
open_from_help u download-web-page
xdotool key alt+d
expect_page donate

assert_eq "$(printf '%s\n' "${expected[@]}")" "$(cat "$E2E_OPENED")" "the addresses the browser received"
assert_true "opening pages must not end the program" process_alive "$E2E_PID"
