#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that a desktop finds everything there.
# Usage: check_install.sh BUILD-DIR
set -euo pipefail
build=$1
source=$(cd "$(dirname "$0")/../.." && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

[[ -x $prefix/bin/Tarvelle ]] || fail "no executable in bin/"
# The journal's module, where the installed program looks for it.
compgen -G "$prefix/lib*/tarvelle/tarvelle-sqlite-journal.so" >/dev/null ||
    fail "no journal module in lib/tarvelle/"
desktop=$prefix/share/applications/com.quellmoor.Tarvelle.desktop
metainfo=$prefix/share/metainfo/com.quellmoor.tarvelle.metainfo.xml
[[ -f $desktop ]] || fail "no desktop entry"
[[ -f $metainfo ]] || fail "no metainfo"
# Software centres take the listing as it is: even a hint or a pedantic remark fails here.
findings=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop entry does not validate: $findings"
[[ -z $findings ]] || fail "desktop-file-validate finds: $findings"
findings=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) ||
    fail "metainfo does not validate: $findings"
findings=$(grep -v -e '^✔ Validation was successful\.$' -e '^$' <<<"$findings" || true)
[[ -z $findings ]] || fail "appstreamcli finds: $findings"

# The listing's screenshots are published from resources/screenshots/, each as the metainfo
# says: there, and of the size it gives.
screenshots=$(/usr/bin/python3 - "$metainfo" <<'PY'
import sys
import xml.etree.ElementTree as tree
for image in tree.parse(sys.argv[1]).getroot().iterfind("screenshots/screenshot/image"):
    print(image.get("width"), image.get("height"), image.text.strip())
PY
) || fail "the metainfo's screenshots cannot be read"
[[ -n $screenshots ]] || fail "the metainfo names no screenshots"
while read -r width height address; do
    name=${address#https://www.quellmoor.com/tarvelle/screenshots/}
    # A translated picture lies one folder down, in its language's.
    [[ $name != "$address" && $name =~ ^([a-z]{2,3}(_[A-Z]{2})?/)?[a-z0-9-]+\.png$ ]] ||
        fail "$address is not a picture of the site's screenshots folder"
    file=$source/resources/screenshots/$name
    [[ -f $file ]] || fail "no resources/screenshots/$name for $address"
    size=$(identify -format '%wx%h' "$file")
    [[ $size == "${width}x${height}" ]] ||
        fail "resources/screenshots/$name is $size, the metainfo says ${width}x${height}"
done <<<"$screenshots"
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
# Each language's catalogue where the installed program looks for it, and found there.
for language in en de es fr; do
    [[ -f $prefix/share/tarvelle/translations/tarvelle_$language.qm ]] ||
        fail "no $language catalogue in share/tarvelle/translations/"
done
[[ $(LANG=de_DE.UTF-8 LANGUAGE='' "$prefix/bin/Tarvelle" --help | head -n 1) == "Aufruf: "* ]] ||
    fail "the installed program does not speak German under LANG=de_DE.UTF-8"
echo "installed files check out"
