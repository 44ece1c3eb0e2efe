#!/bin/sh
# every_control_named.sh PROGRAM DISC
# In an accessible desktop (run it through tests/acceptance/run_accessible.sh): starts the
# program on DISC and goes through its windows and panels as a screen-reader user would,
# through the accessibility interface only: the main window after a pick, the copy panel,
# the screen-saver panel, the booklet panel, the sound panel, the movie window, the slide
# show and the About box. Every control a user can reach (buttons, boxes, lists, fields,
# gauges, scroll bars) must have a name a reader can speak.
set -u
program=$1
work=$(mktemp -d)
pid=""
trap 'kill $pid 2>/dev/null; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime" "$work/config" "$work/data"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export VELOCARTA_DRIVES="$2"

"$program" >"$work/program.log" 2>&1 &
pid=$!
here=$(cd "$(dirname "$0")" && pwd)
if ! /usr/bin/python3 "$here/every_control_named.py" "$pid"; then
    echo "--- the program's output:"
    cat "$work/program.log"
    exit 1
fi
