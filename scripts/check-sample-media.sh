#!/usr/bin/env bash
# Plays every movie and sound of a sample disc to its end through GStreamer, the framework
# behind the program's media device, and checks that each movie yields all its pictures and
# its sound. Needs gstreamer1.0-tools and gstreamer1.0-plugins-good.
#   scripts/check-sample-media.sh [DISC_DIR [PROGRAM_DIR]]
set -euo pipefail
cd "$(dirname "$0")/.."

disc=${1:-build/release/sample-disc}
program=${2:-$(dirname "$disc")/bin}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
# Folder and file names on a disc come in any letter case.
mapfile -t movies < <(find "$disc" -ipath "$disc/movies/*.avi" | sort)
mapfile -t sounds < <(find "$disc" -ipath "$disc/wav/*.wav" | sort)
if [ ${#movies[@]} -eq 0 ] || [ ${#sounds[@]} -eq 0 ]; then
    echo "No movies or sounds under $disc" >&2
    exit 1
fi

for movie in "${movies[@]}"; do
    name=$(basename "$movie")
    # The films are 320 x 240 pictures; decoded to RGB each takes 230400 bytes.
    if ! gst-launch-1.0 -q filesrc location="$movie" ! avidemux name=demux \
        demux.video_0 ! queue ! jpegdec ! videoconvert ! video/x-raw,format=RGB \
        ! filesink location="$work/video" \
        demux.audio_0 ! queue ! audioconvert ! audio/x-raw,format=S16LE,channels=1 \
        ! filesink location="$work/audio" >"$work/log" 2>&1; then
        echo "FAILED $name"
        cat "$work/log"
        failed=1
        continue
    fi
    frames=$(($(stat -c %s "$work/video") / 230400))
    soundMs=$(($(stat -c %s "$work/audio") * 1000 / 44100))
    # The way the program opens it: playbin picks the elements itself.
    if ! gst-launch-1.0 -q playbin uri="file://$(realpath "$movie")" \
        video-sink=fakesink audio-sink=fakesink >"$work/log" 2>&1; then
        echo "FAILED $name (playbin)"
        cat "$work/log"
        failed=1
        continue
    fi
    if [ "$frames" -lt 2 ] || [ "$soundMs" -lt 1000 ]; then
        echo "FAILED $name: $frames frames, $soundMs ms of sound"
        failed=1
    else
        echo "ok     $name: $frames frames, $soundMs ms of sound"
    fi
done

for sound in "${sounds[@]}" "$program"/passby.wav; do
    name=${sound#"$disc"/}
    if gst-launch-1.0 -q filesrc location="$sound" ! wavparse ! audioconvert \
        ! audio/x-raw,format=S16LE,channels=1 ! filesink location="$work/audio" \
        >"$work/log" 2>&1; then
        echo "ok     $name: $(($(stat -c %s "$work/audio") * 1000 / 22050 / 2)) ms"
    else
        echo "FAILED $name"
        cat "$work/log"
        failed=1
    fi
done
exit $failed
