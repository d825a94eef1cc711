#!/bin/sh
# Figures typed the German way on a real X display with a window manager (Xvfb and openbox),
# driven with xdotool as a person would: in de_DE, where numbers are written with a decimal comma,
#   1. the statistics window takes wins, losses and the two averages typed with a comma, shows
#      them with a point like everywhere else, and Record writes them to TavixSE.dat in the file's
#      own notation (94.5, never 94,5);
#   2. a count typed with a comma ("1,5") is refused with a message naming the club and the field,
#      and nothing of it reaches the file;
#   3. Ctrl+Q, with nothing left unrecorded, ends the program without a question.
#
#   tests/journeys/figures_typed_in_german.sh TAVIX TAVIX_LISTS [PICTURES_DIR]
#
# As windows_on_a_desktop.sh: screenshots go to PICTURES_DIR when given, the X display is a free
# one or :$TAVIX_JOURNEY_DISPLAY. Exits 77 (skipped) when Xvfb, openbox, xdotool, wmctrl or xprop,
# or the de_DE.UTF-8 locale, is missing.
set -eu

TAVIX=$(realpath "$1")
LISTS=$(realpath "$2")
PICTURES=${3:-}
locale -a | grep -qix 'de_DE.utf-\?8' || { echo "journey: no de_DE.UTF-8 locale: skipped"; exit 77; }
. "$(dirname "$0")/desktop.inc"

# ---- the program -----------------------------------------------------------------------------

start_tavix LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8

# The statistics file's figures of the first club (Boston): wins, ties, losses, points scored and
# allowed, after the header of 2 counts, 8 month ranges and the date.
boston() { sed -n '19,23p' "$WORK/data/TavixSE.dat" | tr -d '\r' | tr '\n' ' '; }
[ "$(boston)" = "19 0 31 93 94.9 " ] || fail "the supplied file does not start as expected: $(boston)"

# 1. Statistics > Update Statistics; the first club's figures typed, the averages with a comma.
xdotool windowactivate --sync "$MAIN"
MAPPED=$(popups)
xdotool key alt+t
wait_for 10 sh -c "[ \$(xdotool search --onlyvisible --class . 2> /dev/null | wc -l) -gt $MAPPED ]" ||
    fail "the Statistics menu did not open"
xdotool key u
wait_for 10 has_window "NBA Team Statistics - Tavix" || fail "the statistics window did not open"
STATS=$(window_titled "NBA Team Statistics - Tavix")
wait_for 10 sh -c "[ \"\$(xdotool getactivewindow)\" = $STATS ]" || fail "the statistics window did not take the keyboard"
xdotool type 20
xdotool key Tab
xdotool type 30
xdotool key Tab
xdotool type 94,5
xdotool key Tab
xdotool type 88,3
shot 1-typed-with-commas
record() { xdotool key ctrl+s; }
record
wait_for 10 has_window Tavix "$SPLASH" "$MAIN" || fail "Record said nothing"
SAID=$(window_titled Tavix "$SPLASH" "$MAIN")
shot 2-recorded
xdotool windowactivate --sync "$SAID"
xdotool key Return
wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Tavix\$' | grep -qx $SAID" || fail "the message stayed"
[ "$(boston)" = "20 0 30 94.5 88.3 " ] || fail "TavixSE.dat does not hold what was typed: $(boston)"
grep -q ',' "$WORK/data/TavixSE.dat" && fail "TavixSE.dat holds a comma"
# Every other club's figures, untouched, go back exactly as they were loaded (the date follows them).
sed -n '24,338p' "$WORK/data/TavixSE.dat" > "$WORK/others.now"
sed -n '24,338p' "$(dirname "$0")/../../data/TavixSE.dat" > "$WORK/others.loaded"
cmp -s "$WORK/others.now" "$WORK/others.loaded" || fail "Record changed figures nobody typed"
RATINGS=$(LC_ALL=C "$LISTS" --data "$WORK/data" --format csv ratings offense | grep ',Boston Celtics,')
echo "$RATINGS" | grep -q ',Boston Celtics,20,30,0.4,94.5,88.3,' || fail "the lists do not read the figures back: $RATINGS"
echo "journey: figures typed with a decimal comma were recorded as 94.5 and 88.3"

# 2. A count with a decimal comma is refused, naming the club and the field.
# Back from the defensive average to the wins field, which selects its figure on the way in.
xdotool windowactivate --sync "$STATS"
xdotool key shift+Tab shift+Tab shift+Tab
xdotool type 1,5
record
wait_for 10 has_window Tavix "$SPLASH" "$MAIN" || fail "a count of 1,5 was taken without a word"
REFUSED=$(window_titled Tavix "$SPLASH" "$MAIN")
shot 3-refused
xdotool windowactivate --sync "$REFUSED"
xdotool key Return
wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Tavix\$' | grep -qx $REFUSED" || fail "the refusal stayed"
[ "$(boston)" = "20 0 30 94.5 88.3 " ] || fail "the refused count reached the file: $(boston)"
echo "journey: a count of 1,5 was refused and the file kept its figures"

# 3. Back to the recorded figure, and Ctrl+Q ends the program with nothing to ask.
# The refusal left the focus in the wins field.
xdotool windowactivate --sync "$STATS"
xdotool key ctrl+a
xdotool type 20
xdotool key ctrl+q
wait_for 10 sh -c "! kill -0 $APP_PID" || fail "Ctrl+Q did not end the program"
wait "$APP_PID" || fail "the program ended with a failure"
APP_PID=""
[ "$(boston)" = "20 0 30 94.5 88.3 " ] || fail "the file changed on the way out: $(boston)"
echo "journey: Ctrl+Q ended the program; TavixSE.dat holds the figures typed"
