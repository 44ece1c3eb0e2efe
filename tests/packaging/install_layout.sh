#!/bin/sh
# install_layout.sh BUILD_DIR
# Installs the program's component into a temporary root and checks that the program lies
# in its own folder with the files it reads from there, that the link in bin leads to it,
# and that the installed program starts through that link.
set -u
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
status=0
fail() {
    echo "FAIL: $*"
    status=1
}

DESTDIR=$stage cmake --install "$build" --component Program --prefix /usr >"$stage.log" 2>&1 ||
    { cat "$stage.log"; rm -f "$stage.log"; exit 1; }
rm -f "$stage.log"
folder=$stage/usr/libexec/velocarta
for file in velocarta Vantrel2000.scr passby.wav vantrel2000.HLP; do
    [ -f "$folder/$file" ] || fail "$file is not in the program folder"
done
[ -x "$folder/velocarta" ] || fail "the program cannot be run"
"$folder/Vantrel2000.scr" -help >/dev/null 2>&1 || fail "the installed screen saver does not start"
[ "$(readlink "$stage/usr/bin/velocarta")" = "../libexec/velocarta/velocarta" ] ||
    fail "bin/velocarta is not a relative link to the program"
for file in share/applications/org.velocarta.Velocarta.desktop \
            share/metainfo/org.velocarta.Velocarta.metainfo.xml \
            share/icons/hicolor/48x48/apps/org.velocarta.Velocarta.png \
            share/icons/hicolor/scalable/apps/org.velocarta.Velocarta.svg \
            share/man/man1/velocarta.1.gz; do
    [ -f "$stage/usr/$file" ] || fail "$file is not installed"
done
[ -e "$stage/usr/share/velocarta" ] && fail "the sample disc is not part of the program"
version=$("$stage/usr/bin/velocarta" --version) || fail "the installed program did not start"
case "$version" in
    "velocarta "[0-9]*) ;;
    *) fail "the installed program says \"$version\"" ;;
esac
[ "$status" -eq 0 ] && echo "installed: the program folder, the link, the desktop files: OK"
exit "$status"
