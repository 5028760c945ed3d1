#!/usr/bin/env bash
# Installs the Debian package as a user would, checks that desktops find it, runs the installed
# program once, then purges it and checks that nothing it brought is left. Meant for a
# throwaway machine, as root; it leaves the packages as they were, also when a check fails.
# Usage: check_package.sh DEB [OUT_DIR]
set -euo pipefail
[[ $# -ge 1 ]] || { echo "Usage: $0 DEB [OUT_DIR]" >&2; exit 2; }
deb=$(realpath "$1")
out=${2:-$PWD/build-package/shots}
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
fail() { echo "FAIL [package]: $*" >&2; exit 1; }

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
apt_get() { DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -y -q "$@"; }
installed_packages() { dpkg-query -W -f='${binary:Package} ${Version} ${db:Status-Abbrev}\n' | LC_ALL=C sort; }
installed() { dpkg-query -W -f='${Status}' tarvelle 2>/dev/null | grep -q ' installed$'; }
# Installed, half-installed or with its configuration left: anything but "not installed".
known_to_dpkg() {
    local state
    state=$(dpkg-query -W -f='${db:Status-Abbrev}' tarvelle 2>/dev/null) && [[ ${state:1:1} != n ]]
}

[[ -f $deb ]] || fail "no package at $1 (run bash scripts/package first)"
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run bash scripts/install-deps --test"
done
# A user's own copy would be replaced and then purged: leave such a machine alone.
if known_to_dpkg; then
    fail "tarvelle is already known to dpkg here; this check installs and purges it"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tarvelle-package-check.XXXXXX")
installed_packages >"$work/before"

# Takes away tarvelle and whatever apt installed for it.
restore() {
    if known_to_dpkg; then apt_get purge tarvelle >/dev/null; fi
    local added
    added=$(LC_ALL=C comm -13 <(cut -d ' ' -f 1 "$work/before") <(installed_packages | cut -d ' ' -f 1))
    if [[ -n $added ]]; then
        # shellcheck disable=SC2086 # one word per package
        apt_get purge $added >/dev/null
    fi
}
finish() {
    local status=$?
    trap - EXIT
    restore || status=1
    rm -rf "$work"
    exit "$status"
}
trap finish EXIT

start=$SECONDS
apt_get install "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "apt-get install"; }
installed || fail "tarvelle is not installed after apt-get install"
dpkg -L tarvelle >"$work/files"

# Everything lands where the system and desktops look, and nothing else is shipped.
desktop=/usr/share/applications/com.quellmoor.Tarvelle.desktop
metainfo=/usr/share/metainfo/com.quellmoor.tarvelle.metainfo.xml
while IFS= read -r path; do
    case $path in
    /. | /usr | /usr/bin | /usr/bin/Tarvelle | /usr/share | /usr/share/applications | "$desktop") ;;
    /usr/share/metainfo | "$metainfo" | /usr/share/man | /usr/share/man/man1) ;;
    /usr/share/man/man1/Tarvelle.1.gz | /usr/share/doc | /usr/share/doc/tarvelle | /usr/share/doc/tarvelle/*) ;;
    /usr/share/icons | /usr/share/icons/hicolor/*/apps/com.quellmoor.Tarvelle.png) ;;
    /usr/lib | /usr/lib/*-linux-gnu | /usr/lib/*-linux-gnu/tarvelle) ;;
    /usr/lib/*-linux-gnu/tarvelle/tarvelle-sqlite-journal.so) ;;
    /usr/share/tarvelle | /usr/share/tarvelle/translations) ;;
    /usr/share/tarvelle/translations/tarvelle_[a-z][a-z].qm) ;;
    /usr/share/icons/hicolor*) [[ -d $path ]] || fail "$path is no icon of the program" ;;
    *) fail "the package ships $path, outside the places it should fill" ;;
    esac
done <"$work/files"
for file in /usr/bin/Tarvelle "$desktop" "$metainfo"; do
    grep -qx "$file" "$work/files" || fail "the package does not hold $file"
done
grep -qE '^/usr/lib/[^/]+-linux-gnu/tarvelle/tarvelle-sqlite-journal\.so$' "$work/files" ||
    fail "the package does not hold the journal's module"
for language in en de es fr; do
    grep -qx "/usr/share/tarvelle/translations/tarvelle_$language.qm" "$work/files" ||
        fail "the package does not hold the $language catalogue"
done
[[ $(LANG=fr_FR.UTF-8 LANGUAGE='' /usr/bin/Tarvelle --help | head -n 1) == "Utilisation"* ]] ||
    fail "the installed program does not speak French under LANG=fr_FR.UTF-8"
desktop-file-validate "$desktop" || fail "the installed menu entry does not validate"
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "the installed metainfo does not validate"
grep -q "<launchable type=\"desktop-id\">${desktop##*/}</launchable>" "$metainfo" ||
    fail "the metainfo does not launch the installed menu entry"

# The menu entry's command and icon, looked up the way a desktop does.
std_path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[[ $(PATH=$std_path type -P "$command") == /usr/bin/Tarvelle ]] ||
    fail "the menu entry's command '$command' is not the installed program"
icon=$(sed -n 's/^Icon=//p' "$desktop")
icons=$(grep -cE "^/usr/share/icons/hicolor/([0-9]+)x\1/apps/$icon\.png$" "$work/files" || true)
((icons >= 8)) || fail "only $icons sizes of the icon '$icon' in the hicolor theme"
[[ -f /usr/share/icons/hicolor/48x48/apps/$icon.png ]] || fail "no 48 px icon, the size menus ask for"

dpkg-deb -f "$deb" Depends | grep -qE '(^|[ ,])libqt6sql6-sqlite([ ,(]|$)' ||
    fail "the package does not depend on Qt's SQLite driver, which the journal needs"
version=$(dpkg-deb -f "$deb" Version)
[[ $(env -i PATH=$std_path Tarvelle --version) == "Tarvelle ${version%%-*}" ]] ||
    fail "Tarvelle --version from the PATH does not say the package's version $version"

bash "$here/installed_run.sh" /usr/bin/Tarvelle "$out" || fail "the installed program's run"

apt_get purge tarvelle >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "apt-get purge"; }
! known_to_dpkg || fail "dpkg still knows tarvelle after the purge"
while IFS= read -r path; do
    if [[ -L $path || -f $path ]]; then
        fail "$path is left after the purge"
    elif [[ -d $path ]] && ! dpkg-query -S "$path" >/dev/null 2>&1 && [[ -z $(ls -A "$path") ]]; then
        fail "the empty folder $path is left after the purge"
    fi
done <"$work/files"
restore
diff "$work/before" <(installed_packages) || fail "the installed packages differ from before"
echo "package installed, run and purged in $((SECONDS - start)) s"
