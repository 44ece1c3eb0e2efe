#!/usr/bin/env bash
# package-check.sh
# Builds the Debian packages of a release build, installs them on a fresh Debian 12 and
# starts the installed program there under Xvfb, as a user would: from its menu entry, on
# a disc image mounted where the desktop mounts discs, and from the sample disc's menu
# entry. The fresh Debian 12 is a chroot made with debootstrap (run as root, with Debian's
# archive reachable); otherwise the packages are unpacked into a staging root and the
# program runs from there on this machine (PACKAGE_CHECK_STAGING=1 asks for that anyway).
# Takes several minutes; not part of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
build=$source/build/package
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
title="The Vantrel Velocarta    2000"

step() { printf '\n==> %s\n' "$*"; }
fail() {
    echo "package-check: $*" >&2
    exit 1
}

step "Installing what the build and this check need"
scripts/install-deps.sh
can_chroot=false
if [ "$(id -u)" -eq 0 ] && [ -z "${PACKAGE_CHECK_STAGING:-}" ]; then
    can_chroot=true
    for tool in debootstrap xorriso; do
        command -v "$tool" >/dev/null ||
            DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$tool" ||
            can_chroot=false
    done
    # Mounts the disc image where the kernel cannot (no iso9660 in a container).
    command -v fuseiso >/dev/null ||
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends fuseiso || :
fi

step "Building a release build and its packages"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELOCARTA_TESTS=OFF \
    -DVELOCARTA_BENCHMARKS=OFF -DCMAKE_INSTALL_PREFIX=/usr "${launcher[@]}" >/dev/null
cmake --build "$build"
rm -rf "$build/packages"
(cd "$build" && cpack -G DEB -B "$build/packages" >/dev/null)
program_deb=$(echo "$build"/packages/velocarta_*.deb)
disc_deb=$(echo "$build"/packages/velocarta-sample-disc_*.deb)
for deb in "$program_deb" "$disc_deb"; do
    [ -f "$deb" ] || fail "cpack made no $deb"
    echo "$(basename "$deb"): $(du -h "$deb" | cut -f1)"
    dpkg-deb -f "$deb" Package Version Architecture Depends Recommends Suggests | sed 's/^/    /'
done

if $can_chroot; then
    exec "$source/scripts/package-check-chroot.sh" "$build" "$mirror" "$program_deb" "$disc_deb"
fi

step "No chroot can be made here: unpacking the packages into a staging root"
stage=$build/stage
rm -rf "$stage"
dpkg-deb -x "$program_deb" "$stage"
dpkg-deb -x "$disc_deb" "$stage"
program=$stage/usr/bin/velocarta
[ "$(readlink -f "$program")" = "$stage/usr/libexec/velocarta/velocarta" ] ||
    fail "$program does not lead to the program folder"
for file in passby.wav vantrel2000.HLP; do
    [ -f "$stage/usr/libexec/velocarta/$file" ] || fail "$file is not in the program folder"
done
disc=$stage/usr/share/velocarta/sample-disc
step "Starting $program on $disc under Xvfb"
# shellcheck disable=SC2016  # the arguments of the inner shell
VELOCARTA_XVFB_SCREEN=1920x1080 tests/support/run_on_xvfb.sh sh -c '
    VELOCARTA_DRIVES="$1" "$2" >"$3/program.log" 2>&1 &
    pid=$!
    status=0
    window=""
    for _ in $(seq 1 120); do
        window=$(xdotool search --limit 1 --name "^$4\$" 2>/dev/null) || :
        [ -n "$window" ] && break
        sleep 1
    done
    if [ -n "$window" ]; then
        sleep 3
        xwininfo -id "$window" | grep -E "xwininfo|Width|Height"
        xwd -root -silent >"$3/staged.xwd"
    else
        echo "the main window did not appear"
        cat "$3/program.log"
        status=1
    fi
    kill "$pid"
    exit "$status"' sh "$disc" "$program" "$build" "$title"
convert "xwd:$build/staged.xwd" "$build/staged.png" && echo "screenshot: $build/staged.png"
echo "package check (staging root): OK"
