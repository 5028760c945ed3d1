#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that a desktop finds everything there.
# Usage: check_install.sh BUILD-DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

[[ -x $prefix/bin/Tarvelle ]] || fail "no executable in bin/"
# The journal's module, where the installed program looks for it.
compgen -G "$prefix/lib*/tarvelle/tarvelle-sqlite-journal.so" >/dev/null ||
    fail "no journal module in lib/tarvelle/"
desktop=$prefix/share/applications/com.quellmoor.Tarvelle.desktop
metainfo=$prefix/share/metainfo/com.quellmoor.Tarvelle.metainfo.xml
[[ -f $desktop ]] || fail "no desktop entry"
[[ -f $metainfo ]] || fail "no metainfo"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "metainfo does not validate"
grep -qx 'Icon=com.quellmoor.Tarvelle' "$desktop" || fail "desktop entry names another icon"

for size in 16 22 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/com.quellmoor.Tarvelle.png
    [[ -f $icon ]] || fail "no ${size} px icon"
    [[ $(identify -format '%wx%h' "$icon") == "${size}x${size}" ]] || fail "$icon has the wrong size"
    # A drawn icon, not an empty square: some pixels opaque, the corners clear.
    opaque=$(convert "$icon" -alpha extract -format '%[fx:mean]' info:)
    awk -v m="$opaque" 'BEGIN { exit !(m > 0.2 && m < 0.95) }' || fail "$icon looks empty ($opaque)"
done

[[ $("$prefix/bin/Tarvelle" --version) == "Tarvelle 1.20" ]] || fail "--version"
"$prefix/bin/Tarvelle" --help | grep -q '/STARTUP' || fail "--help does not explain /STARTUP"
echo "installed files check out"
