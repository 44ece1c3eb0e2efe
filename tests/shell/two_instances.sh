#!/bin/sh
# Starts the program twice: the second process must find the first one running, tell the
# user and end. The first runs on a small content disc of its own.
set -u
program="$1"
work=$(mktemp -d)
trap 'kill $first $second 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/disc/vantrels"
# A runtime folder of their own, so that no lock of an earlier run is in the way.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
: > "$work/disc/vantrels/64A.JPG"
export VELOCARTA_DRIVES="$work/disc"

"$program" > "$work/first.log" 2>&1 &
first=$!
# The first instance holds the lock once its start-up window is up.
for _ in $(seq 1 100); do
    [ -e "$XDG_RUNTIME_DIR/velocarta.lock" ] && break
    sleep 0.2
done
[ -e "$XDG_RUNTIME_DIR/velocarta.lock" ] || { echo "the first instance never started"; cat "$work/first.log"; exit 1; }

"$program" > "$work/second.log" 2>&1 &
second=$!
for _ in $(seq 1 100); do
    grep -q "The Vantrel Velocarta is already running!" "$work/second.log" && break
    sleep 0.2
done
if ! grep -q "The Vantrel Velocarta is already running!" "$work/second.log"; then
    echo "the second instance did not refuse to run"; cat "$work/second.log"; exit 1
fi
kill -0 "$first" || { echo "the first instance ended"; exit 1; }
echo "second instance refused: OK"
