#!/bin/sh
# validate_packaging.sh SOURCE_DIR BUILD_DIR (the packaging folders of the source and build)
# Checks the menu entries with desktop-file-validate, the AppStream data with appstreamcli,
# the manual page with groff, the PNG icon's size, and that all of them use one id.
set -u
source=$1 build=$2
id=org.velocarta.Velocarta
status=0
fail() {
    echo "FAIL: $*"
    status=1
}

for entry in "$source/$id.desktop" "$build/$id.SampleDisc.desktop"; do
    # Hints are advice; warnings and errors fail.
    report=$(desktop-file-validate --no-hints "$entry" 2>&1) || fail "$entry"
    [ -z "$report" ] || fail "$report"
    grep -qx "Icon=$id" "$entry" || fail "$entry: the icon is not $id"
done
appstreamcli validate --no-net --explain "$source/$id.metainfo.xml" || fail "the AppStream data"
grep -q "<id>$id</id>" "$source/$id.metainfo.xml" || fail "the AppStream id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$source/$id.metainfo.xml" ||
    fail "the AppStream data do not launch $id.desktop"

warnings=$(groff -man -ww -z -Tutf8 "$build/velocarta.1" 2>&1)
[ -z "$warnings" ] || fail "the manual page: $warnings"
grep -q '@' "$build/velocarta.1" && fail "the manual page has an unfilled @...@"

# The PNG header holds the width and height as 32-bit numbers at bytes 16 to 23.
size=$(od -An -tu1 -j16 -N8 "$source/icons/48x48/$id.png" | tr -s ' ')
[ "$size" = " 0 0 0 48 0 0 0 48" ] || fail "the PNG icon is not 48 by 48 ($size)"
grep -q '<svg' "$source/icons/scalable/$id.svg" || fail "the scalable icon is no SVG"

[ "$status" -eq 0 ] && echo "menu entries, AppStream data, manual page and icons: valid"
exit "$status"
