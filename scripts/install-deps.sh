#!/usr/bin/env bash
# Installs what building, running and testing Velocarta needs on Debian 12, and nothing
# when it is all there already.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format
    clang libclang-rt-14-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6opengl6-dev libgl-dev
    qt6-qpa-plugins qt6-image-formats-plugins
    # Qt Multimedia plays through GStreamer: "base" holds decodebin, the converters and
    # the WAV parser; "good" the AVI demuxer, the JPEG decoder and the PulseAudio output
    # (PipeWire serves it too); "alsa" the output on machines without a sound server;
    # "libav" the codecs of older movies (Indeo, Cinepak).
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-alsa gstreamer1.0-libav
    fonts-dejavu-core
    xvfb xauth poppler-utils unrtf
    libxcb1-dev dbus dbus-daemon at-spi2-core python3-pyatspi
    # The checks of the menu entries, the AppStream data and the manual page.
    desktop-file-utils appstream groff-base
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
