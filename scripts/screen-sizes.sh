#!/bin/sh
# screen-sizes.sh [PROGRAM [OUT_DIR]]
# Shows the program on screens of 800x600, 1024x768, 1920x1080 and 2560x1440 pixels and on
# a 3840x2160 screen whose desktop doubles everything (Xft.dpi 192), picks the year 1965 on
# each, saves a screenshot of each into OUT_DIR and says how much of the screen the main
# window's controls take. PROGRAM is build/release/bin/velocarta unless given; the content
# disc is VELOCARTA_DRIVES, else the build's sample disc. Further arguments for the program
# (such as --scale=1) go in VELOCARTA_ARGS. Needs xwd, ImageMagick's convert and xrdb.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" = "--on-screen" ]; then
    # In a desktop of its own (tests/acceptance/run_accessible.sh): one screen.
    shift
    program=$1 shot=$2 screen=$3
    # shellcheck disable=SC2086  # the program's arguments, split as a shell splits them
    "$program" ${VELOCARTA_ARGS:-} >"$shot.log" 2>&1 &
    pid=$!
    status=0
    /usr/bin/python3 - "$pid" "$screen" <<'PYTHON' || status=$?
import subprocess, sys, time
import atspi_driver as ui
import pyatspi

pid, screen = int(sys.argv[1]), sys.argv[2]
width, height = (int(n) for n in screen.split("x"))
app = ui.application(pid)
frame = ui.find(app, "frame", "The Vantrel Velocarta    2000")
ui.press(ui.find(frame, "push button", "65"))
ui.find(frame, "label", "1965")
time.sleep(2)  # the photo is painted
# Accessible positions may be logical pixels; the window fills the screen, so its size
# says how many screen pixels one of them is.
window = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
ratio = width / window.width
skip = ("menu bar", "menu", "menu item", "frame", "filler")
boxes = []
for node in ui._descendants(frame):
    if node.getRoleName() in skip or not ui.is_showing(node):
        continue
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if e.width > 0 and e.height > 0:
        boxes.append((e.x, e.y, e.x + e.width, e.y + e.height))
left = min(b[0] for b in boxes); top = min(b[1] for b in boxes)
right = max(b[2] for b in boxes); bottom = max(b[3] for b in boxes)
w, h = (right - left) * ratio, (bottom - top) * ratio
print("%9s: %.2f screen pixels a window pixel; the controls take %4.0f x %4.0f pixels, "
      "%3.0f%% of the width and %3.0f%% of the height"
      % (screen, ratio, w, h, 100 * w / width, 100 * h / height))
PYTHON
    xwd -root -silent | convert xwd:- "$shot"
    kill "$pid" 2>/dev/null || :
    wait "$pid" 2>/dev/null || :
    exit "$status"
fi

cd "$here/.."
program=$(realpath "${1:-build/release/bin/velocarta}")
out=${2:-build/screens}
mkdir -p "$out"
out=$(realpath "$out")
VELOCARTA_DRIVES=${VELOCARTA_DRIVES:-$(realpath "$(dirname "$program")/../sample-disc")}
export VELOCARTA_DRIVES
for screen in 800x600 1024x768 1920x1080 2560x1440 3840x2160@192; do
    size=${screen%@*}
    dpi=""
    [ "$size" = "$screen" ] || dpi=${screen#*@}
    VELOCARTA_XVFB_SCREEN=$size VELOCARTA_XVFB_DPI=$dpi \
        tests/acceptance/run_accessible.sh "$here/screen-sizes.sh" --on-screen \
        "$program" "$out/$screen.png" "$size" 2>/dev/null
done
echo "Screenshots in $out"
