# The settings file, the autostart entry and the addresses the browser was given, read and
# written as files. Sourced by lib.sh.
# shellcheck shell=bash

# setting KEY: prints the value stored in the [Settings] group; fails when the key is absent.
setting() {
    [[ -f $E2E_INI ]] || return 1
    awk -v key="$1" '
        /^\[.*\]$/ { group = $0; next }
        group == "[Settings]" {
            i = index($0, "=")
            if (i > 0 && substr($0, 1, i - 1) == key) { print substr($0, i + 1); found = 1; exit }
        }
        END { exit !found }' "$E2E_INI"
}

assert_setting() {
    local key=$1 expected=$2 actual
    actual=$(setting "$key") || e2e_fail "the settings file has no $key (expected '$expected'):
$(cat "$E2E_INI" 2>/dev/null)"
    [[ $actual == "$expected" ]] || e2e_fail "setting $key: expected '$expected', got '$actual'"
}

assert_no_setting() {
    local key=$1 actual
    if actual=$(setting "$key"); then
        e2e_fail "the settings file should not hold $key, but holds $key=$actual"
    fi
}

setting_is() {
    [[ $(setting "$1") == "$2" ]]
}

settings_have() {
    setting "$1" >/dev/null
}

# Sets E2E_CARD to the stored card, failing the scenario when it is no card of the deck.
read_stored_card() {
    E2E_CARD=$(setting Card) || e2e_fail "the settings file has no Card"
    if ! [[ $E2E_CARD =~ ^[1-9][0-9]?$ ]] || ((E2E_CARD > 52)); then
        e2e_fail "Card is '$E2E_CARD', which is no card of the 52"
    fi
}

# write_settings KEY=VALUE...: a settings file as an earlier run would have left it.
write_settings() {
    # A later KEY=VALUE replaces an earlier one, so helpers can give defaults.
    local -A value=()
    local -a order=()
    local pair key
    for pair in "$@"; do
        key=${pair%%=*}
        [[ -v "value[$key]" ]] || order+=("$key")
        value[$key]=${pair#*=}
    done
    mkdir -p "$(dirname "$E2E_INI")"
    {
        echo '[Settings]'
        for key in "${order[@]}"; do
            printf '%s=%s\n' "$key" "${value[$key]}"
        done
    } >"$E2E_INI"
}

# write_noon_settings [KEY=VALUE...]: an earlier start of today drew tomorrow's card; the display
# time is at noon, so the fake clock's 07:00:00 brings nothing while a scenario runs.
write_noon_settings() {
    write_settings Date="$E2E_TOMORROW" Card=9 Hour=12 Minute=0 Second=0 \
        UpdateCheckStamp="$E2E_TODAY" "$@"
}

# write_log_on_settings [KEY=VALUE...]: noon settings with every choice a start at log-on needs to
# go straight into the tray, and an autostart entry.
write_log_on_settings() {
    write_noon_settings AutorunStartUp=True SystemTray=True RunAtSysTray=True "$@"
    write_autostart_entry '[Desktop Entry]'
}

# A start-up entry that counts as present whatever it holds.
write_autostart_entry() {
    mkdir -p "$(dirname "$E2E_AUTOSTART")"
    printf '%s\n' "$1" >"$E2E_AUTOSTART"
}

assert_autostart_entry_for_program() {
    [[ -f $E2E_AUTOSTART ]] || e2e_fail "there is no autostart entry at $E2E_AUTOSTART"
    local exec_line
    exec_line=$(grep '^Exec=' "$E2E_AUTOSTART")
    assert_eq "Exec=\"$(realpath "$E2E_TARVELLE")\" /STARTUP" "$exec_line" "the autostart entry's command"
    grep -qx 'Type=Application' "$E2E_AUTOSTART" || e2e_fail "the autostart entry lacks Type=Application"
    grep -qx 'Name=Tarvelle' "$E2E_AUTOSTART" || e2e_fail "the autostart entry lacks Name=Tarvelle"
}

opened_count() {
    if [[ -f $E2E_OPENED ]]; then
        wc -l <"$E2E_OPENED"
    else
        echo 0
    fi
}

opened_at_least() {
    (($(opened_count) >= $1))
}

