#!/bin/sh
# A prediction made and read back through the accessibility bus alone, as Orca's users reach the
# program: on a real X display with openbox, a session bus with the accessibility bus launched on
# it, Tavix started with its accessibility bridge on, and read_by_name.py finding every control by
# the name it speaks (menu item, two teams, Predict, the list of answers).
#
#   tests/journeys/prediction_by_screen_reader.sh TAVIX TAVIX_LISTS [PICTURES_DIR]
#
# Exits 77 (skipped) when Xvfb, openbox, xdotool, wmctrl, xprop, dbus-daemon, at-spi2-core or
# python3-pyatspi is missing.
set -eu

TAVIX=$(realpath "$1")
PICTURES=${3:-}
HERE=$(dirname "$(realpath "$0")")
LAUNCHER=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && LAUNCHER=$candidate
done
[ -n "$LAUNCHER" ] || { echo "journey: at-spi2-core is not installed: skipped"; exit 77; }
command -v dbus-daemon > /dev/null || { echo "journey: dbus-daemon is not installed: skipped"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2> /dev/null || { echo "journey: python3-pyatspi is not installed: skipped"; exit 77; }
. "$HERE/desktop.inc"

# A session bus of the journey's own, and the accessibility bus on it.
BUS=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
DBUS_SESSION_BUS_ADDRESS=$(echo "$BUS" | sed -n 1p)
BUS_PID=$(echo "$BUS" | sed -n 2p)
export DBUS_SESSION_BUS_ADDRESS
"$LAUNCHER" --launch-immediately > "$WORK/at-spi.log" 2>&1 &
LAUNCHER_PID=$!
trap 'kill $LAUNCHER_PID $BUS_PID 2> /dev/null || true; cleanup' EXIT

start_tavix QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

/usr/bin/python3 "$HERE/read_by_name.py" "Utah Jazz" "Miami Heat" || fail "read by name"
shot screen-reader-prediction
echo "journey: a prediction was made and read back through the accessibility bus"
