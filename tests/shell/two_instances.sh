#!/bin/sh
# Starts the program twice, in an accessible desktop (run it through
# tests/acceptance/run_accessible.sh): the second process must find the first one running,
# tell the user in a box, and end once the user presses OK; the first keeps running. The
# box is found, read and answered through the accessibility interface, as a screen reader
# does. The first instance runs on a small content disc of its own.
set -u
program="$1"
work=$(mktemp -d)
first=""
second=""
trap 'kill $first $second 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/disc/vantrels"
# A runtime folder of their own, so that no lock of an earlier run is in the way.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
: > "$work/disc/vantrels/64A.JPG"
export VELOCARTA_DRIVES="$work/disc"

fail() {
    echo "$1"
    for log in first second; do
        [ -s "$work/$log.log" ] && { echo "--- $log instance:"; cat "$work/$log.log"; }
    done
    exit 1
}

# Waits up to a minute for a condition (a shell command).
wait_for() {
    for _ in $(seq 1 300); do
        eval "$1" && return 0
        sleep 0.2
    done
    return 1
}

"$program" > "$work/first.log" 2>&1 &
first=$!
# The first instance holds the lock once its start-up window is up.
wait_for '[ -e "$XDG_RUNTIME_DIR/velocarta.lock" ]' || fail "the first instance never started"

"$program" > "$work/second.log" 2>&1 &
second=$!
/usr/bin/python3 - "$second" <<'PYTHON' || fail "the second instance's box was not as it should be"
import sys
import atspi_driver as ui

app = ui.application(int(sys.argv[1]))
try:
    box = ui.find(app, "alert", "The Vantrel Velocarta")
    text = ui.text_of(ui.find(box, "label"))
    ok = ui.find(box, "push button", "OK")
except ui.NotFound as error:
    sys.exit("%s; the program shows:\n%s" % (error, ui.outline(app)))
if text != "The Vantrel Velocarta is already running!":
    sys.exit("the box says %r" % text)
ui.press(ok)
PYTHON

wait_for '! kill -0 "$second" 2>/dev/null' || fail "the second instance did not end after OK"
wait "$second"
status=$?
second=""
[ "$status" -eq 0 ] || fail "the second instance ended with status $status"
grep -q "The Vantrel Velocarta is already running!" "$work/second.log" ||
    fail "the second instance did not say so on the terminal"
kill -0 "$first" 2>/dev/null || fail "the first instance ended"
echo "second instance refused, showed its box and ended on OK; the first runs on: OK"
