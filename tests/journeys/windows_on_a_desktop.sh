#!/bin/sh
# A user's journey through Tavix on a real X display with a window manager (Xvfb and openbox),
# driven with xdotool and wmctrl as a person would use mouse and keyboard:
#   1. the statistics window stays above the greyed main window after a click on the main window
#      (the window manager knows it belongs there: WM_TRANSIENT_FOR, and the stacking order);
#   2. closing the main window from its title bar, with a figure typed but not recorded, asks the
#      statistics window's own question, over the statistics window; Cancel keeps the program, the
#      window and the figure, which Record then saves;
#   3. Ctrl+Q, with nothing left unrecorded, ends the program.
#
#   tests/journeys/windows_on_a_desktop.sh TAVIX TAVIX_LISTS [PICTURES_DIR]
#
# TAVIX and TAVIX_LISTS are the built programs; screenshots of each step go to PICTURES_DIR when
# given (ImageMagick's import). The X display is a free one, or :$TAVIX_JOURNEY_DISPLAY when set.
# Exits 77 (skipped) when Xvfb, openbox, xdotool, wmctrl or xprop is missing.
set -eu

TAVIX=$(realpath "$1")
LISTS=$(realpath "$2")
PICTURES=${3:-}
. "$(dirname "$0")/desktop.inc"

# ---- the program -----------------------------------------------------------------------------

start_tavix

# Statistics > Update Statistics, from the keyboard; a figure typed into the wins field.
xdotool windowactivate --sync "$MAIN"
POPUPS=$(popups)
xdotool key alt+t
wait_for 10 sh -c "[ \$(xdotool search --onlyvisible --class . 2> /dev/null | wc -l) -gt $POPUPS ]" ||
    fail "the Statistics menu did not open"
xdotool key u
wait_for 10 has_window "NBA Team Statistics - Tavix" || fail "the statistics window did not open"
STATS=$(window_titled "NBA Team Statistics - Tavix")
wait_for 10 sh -c "[ \"\$(xdotool getactivewindow)\" = $STATS ]" || fail "the statistics window did not take the keyboard"
xdotool type 18
shot 1-statistics-open

# 1. A click on the greyed main window leaves the statistics window above it.
[ "$(transient_for "$STATS")" = "$(hex "$MAIN")" ] || fail "the statistics window does not belong to the main window"
xdotool mousemove --window "$MAIN" 20 200 click 1
# Time for a wrong move to show. Only checks that something did not happen wait a fixed time: a
# slow machine can make them miss a fault, never fail one that is not there.
sleep 0.5
above "$MAIN" "$STATS" || fail "after a click on the main window the statistics window is under it: $(stacking)"
shot 2-after-click-on-main
echo "journey: the statistics window stays above the main window after a click on it"

# 2. The main window's title-bar close asks the statistics window's question, over that window.
wmctrl -i -c "$(hex "$MAIN")"
wait_for 10 has_window Tavix "$SPLASH" "$MAIN" || fail "closing the main window asked nothing"
running || fail "closing the main window ended the program with a figure unrecorded"
QUESTION=$(window_titled Tavix "$SPLASH" "$MAIN")
[ "$(transient_for "$QUESTION")" = "$(hex "$STATS")" ] || fail "the question does not belong to the statistics window"
above "$STATS" "$QUESTION" || fail "the question is under the statistics window"
shot 3-question-on-close
xdotool windowactivate --sync "$QUESTION"
xdotool key Escape
wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Tavix\$' | grep -qx $QUESTION" || fail "Cancel left the question up"
sleep 0.5
running || fail "Cancel ended the program"
has_window "NBA Team Statistics - Tavix" || fail "Cancel closed the statistics window"
has_window Tavix "$SPLASH" || fail "Cancel closed the main window"
shot 4-after-cancel
echo "journey: closing the main window asked the statistics window's question; Cancel kept the program"

# The figure is still there: Record (Ctrl+S, as the diskette) saves it, and the standings read
# from the saved file show it.
xdotool windowactivate --sync "$STATS"
xdotool key ctrl+s
wait_for 10 has_window Tavix "$SPLASH" "$MAIN" || fail "Record said nothing"
SAVED=$(window_titled Tavix "$SPLASH" "$MAIN")
shot 5-recorded
xdotool windowactivate --sync "$SAVED"
xdotool key Return
"$LISTS" --data "$WORK/data" standings | grep -Eq '^ *Boston +18 ' ||
    fail "the typed figure did not reach the saved statistics: $("$LISTS" --data "$WORK/data" standings | grep Boston)"
echo "journey: the figure typed before the close was kept and recorded"

# 3. Ctrl+Q, with nothing unrecorded, leaves the statistics window and ends the program.
xdotool windowactivate --sync "$STATS"
xdotool key ctrl+q
wait_for 10 sh -c "! kill -0 $APP_PID" || fail "Ctrl+Q did not end the program"
wait "$APP_PID" || fail "the program ended with a failure"
APP_PID=""
echo "journey: Ctrl+Q ended the program"
