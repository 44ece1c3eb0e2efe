#!/bin/sh
# run_on_xvfb.sh PROGRAM [ARGUMENTS...]
# Runs one program on an X server of its own: starts Xvfb on a display number the server
# picks itself (so parallel test runs never meet), runs the program with DISPLAY set to it,
# stops the server and ends with the program's exit status. The screen is 1280x1024 pixels,
# or VELOCARTA_XVFB_SCREEN (such as 1920x1080); VELOCARTA_XVFB_DPI sets the desktop's font
# resolution (Xft.dpi, 192 for a desktop that doubles everything; needs xrdb).
set -u
work=$(mktemp -d) || exit 1
server=""
stop_server() {
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    rm -rf "$work"
}
trap stop_server EXIT
trap 'exit 130' INT TERM

# Xvfb writes its display number to descriptor 3 once it accepts clients.
Xvfb -displayfd 3 -screen 0 "${VELOCARTA_XVFB_SCREEN:-1280x1024}x24" -nolisten tcp -noreset \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
for _ in $(seq 1 300); do
    grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
done
if ! grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null; then
    echo "run_on_xvfb.sh: Xvfb did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
DISPLAY=":$(cat "$work/display")"
export DISPLAY
if [ -n "${VELOCARTA_XVFB_DPI:-}" ]; then
    echo "Xft.dpi: $VELOCARTA_XVFB_DPI" | xrdb -nocpp -merge || exit 1
fi
# Sanitized programs on X11 need the reports of the keymap library kept out.
case "${ASAN_OPTIONS:-}" in
    *suppressions=*) ;;
    *) suppressions="$(cd "$(dirname "$0")/.." && pwd)/asan.supp"
       ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}suppressions=$suppressions"
       export ASAN_OPTIONS ;;
esac
# Not exec: the trap has to stop the server afterwards.
"$@"
