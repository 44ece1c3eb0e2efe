#!/usr/bin/env bash
# package-check-chroot.sh BUILD_DIR MIRROR PROGRAM_DEB SAMPLE_DISC_DEB
# The second half of package-check.sh, as root: a fresh Debian 12 made with debootstrap
# (kept as a tarball in BUILD_DIR for the next run, unpacked fresh every time and removed
# afterwards), the two packages installed there with apt, and the installed program
# started under Xvfb from its menu entries: once on a disc image mounted under
# /media/<user>, once on the sample disc.
set -euo pipefail
build=$1 mirror=$2 program_deb=$3 disc_deb=$4
base=$build/debian12-minbase.tar
root=$build/debian12
disc_mount=media/tester/VANTREL2000
title="The Vantrel Velocarta    2000"

step() { printf '\n==> %s\n' "$*"; }
fail() {
    echo "package-check: $*" >&2
    exit 1
}

# Commands in the fresh system, as root and as its user "tester" on display :7.
in_root() {
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"
}
as_user() {
    chroot --userspec=tester:tester "$root" /usr/bin/env -i PATH=/usr/bin:/bin \
        HOME=/home/tester USER=tester LOGNAME=tester LANG=C.UTF-8 DISPLAY=:7 \
        XDG_RUNTIME_DIR=/tmp/runtime-tester "$@"
}

# Every process whose root is the fresh system (the server, the program, the tracer).
stop_processes_in_root() {
    local signal pid
    for signal in TERM KILL; do
        for pid in /proc/[0-9]*; do
            [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] &&
                kill -s "$signal" "${pid#/proc/}" 2>/dev/null
        done
        sleep 1
    done
    return 0
}
mounted_below() { grep -q " $1[/ ]" /proc/self/mounts; }
cleanup() {
    stop_processes_in_root
    for mount in "$disc_mount" dev proc; do
        mountpoint -q "$root/$mount" 2>/dev/null && umount -R "$root/$mount"
    done
    # The system goes too (the base tarball stays for the next run), but never while
    # anything is mounted below it; processes that just ended may still hold files.
    local _
    for _ in 1 2 3; do
        mounted_below "$root" && break
        rm -rf --one-file-system "$root" 2>/dev/null && break
        sleep 1
    done
    [ ! -e "$root" ] || echo "package-check: $root is left behind" >&2
    return 0
}
trap cleanup EXIT

step "A fresh Debian 12 (debootstrap --variant=minbase bookworm $mirror)"
if [ ! -f "$base" ]; then
    fresh=$build/debootstrap
    mounted_below "$fresh" && fail "something is still mounted below $fresh"
    rm -rf --one-file-system "$fresh"
    debootstrap --variant=minbase bookworm "$fresh" "$mirror" >"$build/debootstrap.log" ||
        fail "debootstrap failed; see $build/debootstrap.log"
    tar -C "$fresh" -cf "$base" .
    rm -rf --one-file-system "$fresh"
fi
mounted_below "$root" && fail "something is still mounted below $root"
rm -rf --one-file-system "$root"
mkdir -p "$root"
tar -C "$root" -xf "$base"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
# shellcheck disable=SC2016  # expanded in the fresh system
in_root sh -c '. /etc/os-release; echo "$PRETTY_NAME, $(dpkg-query -W | wc -l) packages"'

step "apt-get install ./$(basename "$program_deb") ./$(basename "$disc_deb") (no recommended packages)"
mkdir -p "$root/tmp/packages"
cp "$program_deb" "$disc_deb" "$root/tmp/packages/"
in_root apt-get update -q >/dev/null
in_root sh -c 'cd /tmp/packages && apt-get install -y -q --no-install-recommends ./*.deb' \
    >"$build/apt-install.log" || fail "apt-get install failed; see $build/apt-install.log"
grep -E '^(Setting up velocarta|[0-9]+ upgraded)' "$build/apt-install.log"
in_root dpkg-query -W velocarta velocarta-sample-disc

step "What the installed program loads is there"
# shellcheck disable=SC2016  # expanded in the fresh system
missing=$(in_root sh -c 'qt=/usr/lib/x86_64-linux-gnu/qt6/plugins
    for file in /usr/libexec/velocarta/velocarta $qt/platforms/libqxcb.so \
                $qt/multimedia/libgstreamermediaplugin.so $qt/imageformats/libqjpeg.so \
                $qt/printsupport/libcupsprintersupport.so; do
        [ -f "$file" ] || echo "$file is missing"
        ldd "$file" | grep "not found" | sed "s|^|$file: |"
    done
    for plugin in playback typefindfunctions audioconvert audioresample autodetect avi jpeg \
                  wavparse pulseaudio; do
        [ -f /usr/lib/x86_64-linux-gnu/gstreamer-1.0/libgst$plugin.so ] ||
            echo "GStreamer plugin $plugin is missing"
    done')
[ -z "$missing" ] || fail "$missing"
echo "the program, Qt's X11, GStreamer, JPEG and CUPS plugins and the GStreamer elements:" \
    "every library found"
echo "/usr/bin/velocarta -> $(readlink "$root/usr/bin/velocarta"); the program folder holds:"
find "$root/usr/libexec/velocarta" -mindepth 1 -printf '    %f (%s bytes)\n' | sort

step "Tools for this check (Xvfb, xdotool, gio, strace) and a user"
in_root apt-get install -y -q --no-install-recommends xvfb xauth x11-utils x11-apps xdotool \
    libglib2.0-bin strace >"$build/apt-tools.log" || fail "see $build/apt-tools.log"
in_root useradd --create-home tester

# start_from_menu ENTRY NAME: starts the program through its menu entry on a 1920x1080
# screen, waits for the main window, takes a screenshot and shows which files it read.
start_from_menu() {
    local entry=/usr/share/applications/$1 name=$2 window pid
    rm -rf "$root/tmp/runtime-tester"
    install -d -m 700 -o "$(in_root id -u tester)" "$root/tmp/runtime-tester"
    in_root Xvfb :7 -screen 0 1920x1080x24 -nolisten tcp -noreset >"$build/$name-xvfb.log" 2>&1 &
    for _ in $(seq 1 100); do
        [ -S "$root/tmp/.X11-unix/X7" ] && break
        sleep 0.1
    done
    echo "gio launch $entry"
    as_user strace -f -qq -e trace=openat,execve -o "/tmp/$name.trace" gio launch "$entry" \
        >"$build/$name-program.log" 2>&1 &
    # Asked again and again: a search fails as a whole when a window it looks at goes
    # (the start-up window, Qt's own helper windows).
    window=""
    for _ in $(seq 1 120); do
        window=$(as_user xdotool search --limit 1 --name "^$title\$" 2>/dev/null) || :
        [ -n "$window" ] && break
        sleep 1
    done
    if [ -z "$window" ]; then
        as_user xdotool search --name "The Vantrel Velocarta" getwindowname %@ 2>/dev/null || :
        cat "$build/$name-program.log"
        fail "$name: the main window did not appear"
    fi
    sleep 3  # the start-up window's tick and the first paint
    as_user xwininfo -id "$window" | grep -E 'xwininfo|Width|Height'
    pid=$(as_user xdotool getwindowpid "$window")
    echo "process $pid: $(tr '\0' ' ' <"/proc/$pid/cmdline")(program file" \
        "$(readlink "/proc/$pid/exe" | sed "s|^$root||"))"
    as_user xwd -root -silent >"$build/$name.xwd"
    convert "xwd:$build/$name.xwd" "$build/$name.png" && echo "screenshot: $build/$name.png"
    stop_processes_in_root
    echo "files it opened:"
    grep -E 'openat\(.*(passby\.wav|/vantrels")' "$root/tmp/$name.trace" | grep -v ENOENT |
        sed -E 's/^[0-9]+ +openat\(AT_FDCWD, ("[^"]*").* = ([0-9]+)$/    \1 (descriptor \2)/' |
        sort -u
}

step "The menu entry, on a disc image mounted under /media/tester"
xorriso -as mkisofs -quiet -V VANTREL2000 -J -R -o "$build/vantrel2000.iso" "$build/sample-disc"
mkdir -p "$root/$disc_mount"
# As the desktop's disk image mounter does (a loop device, iso9660); where the kernel here
# has no iso9660, through FUSE (fuseiso), which the program finds under /media alike.
if mount -o loop,ro -t iso9660 "$build/vantrel2000.iso" "$root/$disc_mount" 2>/dev/null ||
    { command -v fuseiso >/dev/null &&
        fuseiso "$build/vantrel2000.iso" "$root/$disc_mount" -o allow_other,ro; }; then
    grep " $root/$disc_mount " /proc/self/mounts | cut -d' ' -f1-3 | sed "s|$root||"
    start_from_menu org.velocarta.Velocarta.desktop disc-image
    umount "$root/$disc_mount"
else
    echo "no disc image can be mounted here: left out"
fi

step "The sample disc's menu entry (VELOCARTA_DRIVES)"
grep '^Exec=' "$root/usr/share/applications/org.velocarta.Velocarta.SampleDisc.desktop"
start_from_menu org.velocarta.Velocarta.SampleDisc.desktop sample-disc

echo
echo "package check (fresh Debian 12 chroot): OK"
