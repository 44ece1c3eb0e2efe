#!/bin/sh
# run_accessible.sh COMMAND [ARGUMENTS...]
# Runs COMMAND in a desktop of its own as a screen-reader user has it: an X server (Xvfb), a
# D-Bus session with the AT-SPI accessibility bus and its registry, and Qt's accessibility
# switched on for every program COMMAND starts. COMMAND can then drive those programs with
# atspi_driver.py. Ends with COMMAND's exit status; the server and the buses go with it.
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" != "--in-session" ]; then
    exec "$here/../support/run_on_xvfb.sh" dbus-run-session -- "$0" --in-session "$@"
fi
shift

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export PYTHONPATH="$here${PYTHONPATH:+:$PYTHONPATH}"
# The accessibility bus puts its socket in the runtime folder: one of its own.
runtime=$(mktemp -d) || exit 1
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$runtime/launcher.log" 2>&1 &
launcher=$!
trap 'kill "$launcher" 2>/dev/null; wait "$launcher" 2>/dev/null; rm -rf "$runtime"' EXIT

bus_is_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
for _ in $(seq 1 300); do
    bus_is_up && break
    kill -0 "$launcher" 2>/dev/null || break
    sleep 0.1
done
if ! bus_is_up; then
    echo "run_accessible.sh: the AT-SPI bus did not start" >&2
    cat "$runtime/launcher.log" >&2
    exit 1
fi
"$@"
