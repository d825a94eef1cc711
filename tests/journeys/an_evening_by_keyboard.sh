#!/bin/sh
# A whole evening with Tavix by keyboard alone, on a real X display with openbox: no pointer moves.
#   1. Single Game Predictions: Space chooses the first team the focus starts on, Tab and Space a
#      second, Enter predicts, Ctrl+P prints the list (to a PDF file, as no printer is installed)
#      and the printout holds the prediction; Esc closes the window.
#   2. Update Statistics: the first club's wins and losses typed, the date moved a day on with its
#      arrow by Tab and Space, Ctrl+S records both to the statistics file; Esc closes.
#   3. Edit Names & Locations: Vancouver renamed Memphis by Tab and typing; Esc asks, Enter saves,
#      and the schedule lists then hold all the club's games under its new name.
#   4. Recommended Web Sites: Tab to the first address and Ctrl+C puts it on the clipboard.
#   5. Replay: a day picked in the replay calendar by Enter, Ctrl+Right steps a game day on, and
#      End Replay brings back today's league.
#
#   tests/journeys/an_evening_by_keyboard.sh TAVIX TAVIX_LISTS [PICTURES_DIR]
#
# Exits 77 (skipped) when Xvfb, openbox, xdotool, wmctrl, xprop, xclip or pdftotext is missing.
set -eu

TAVIX=$(realpath "$1")
LISTS=$(realpath "$2")
PICTURES=${3:-}
for tool in xclip pdftotext; do
    command -v "$tool" > /dev/null || { echo "journey: $tool is not installed: skipped"; exit 77; }
done
. "$(dirname "$0")/desktop.inc"

start_tavix

# The newest visible window whose title holds $1.
titled_like() { xdotool search --onlyvisible --name "$1" 2> /dev/null | tail -n 1; }
active_is() { [ "$(xdotool getactivewindow 2> /dev/null)" = "$1" ]; }
# Opens a menu by its access key and an item by its own; waits for a window titled like $3 to take
# the keyboard. Keys typed into one window arrive in order; only a new window is waited for.
open_by_menu() {
    xdotool windowactivate --sync "$MAIN" 2> /dev/null || true
    MAPPED=$(popups)
    xdotool key "alt+$1"
    wait_for 10 sh -c "[ \$(xdotool search --onlyvisible --class . 2> /dev/null | wc -l) -gt $MAPPED ]" ||
        fail "the menu of alt+$1 did not open"
    xdotool key "$2"
    wait_for 10 sh -c "xdotool search --onlyvisible --name '$3' | grep -q ." || fail "$3 did not open"
    OPENED=$(titled_like "$3")
    wait_for 10 active_is "$OPENED" || fail "$3 did not take the keyboard"
}
# The active window, when it is a message box over window $1.
box_over() {
    box=$(xdotool getactivewindow 2> /dev/null) && [ "$box" != "$1" ] &&
        [ "$(transient_for "$box")" = "$(hex "$1")" ] && echo "$box"
}
# Answers the message box that comes up over the window just opened with Enter (its default
# button), and waits until it is gone.
answer_box() {
    wait_for 10 box_over "$OPENED" || fail "$1: no message"
    BOX=$(box_over "$OPENED")
    shot "$2"
    xdotool key Return
    wait_for 10 sh -c "! xdotool search --onlyvisible --class . 2> /dev/null | grep -qx $BOX" ||
        fail "$1: Enter left the message up"
}
closed() { ! xdotool search --onlyvisible --name "$1" 2> /dev/null | grep -q .; }
back_to_main() {
    xdotool key Escape
    wait_for 10 closed "$1" || fail "Esc did not close $1"
}

# 1. A prediction chosen, made and printed by keyboard.
open_by_menu t p "Predictions"
xdotool key space Tab space Return
shot 1-predicted
xdotool key ctrl+p
answer_box "Ctrl+P" 1-print-asked
# Without a printer the printout becomes a PDF file, and a note says where once it is written.
answer_box "the printout" 1-printed
PDF=$(find "$WORK/printouts" -name '*.pdf' | head -n 1)
[ -n "$PDF" ] || fail "Ctrl+P printed nothing"
pdftotext -layout "$PDF" - | grep -Eq 'Heat +by' || fail "the printout holds no prediction: $(pdftotext "$PDF" - | head)"
back_to_main "Predictions"
echo "journey: two teams chosen, predicted and printed by keyboard ($(basename "$PDF"))"

# 2. A club's figures and the date, recorded by keyboard. The window opens on today's date; from
# the losses, Tab passes the two averages and the month's arrows to the day's up arrow.
boston() { sed -n '19,21p' "$WORK/data/TavixSE.dat" | tr -d '\r' | tr '\n' ' '; }
dated() { sed -n '339,341p' "$WORK/data/TavixSE.dat" | tr -d '\r' | tr '\n' '/'; }
DATE_BEFORE=$(dated)
open_by_menu t u "Statistics"
xdotool key ctrl+a
xdotool type 20
xdotool key Tab ctrl+a
xdotool type 30
xdotool key Tab Tab Tab Tab Tab space
shot 2-statistics-typed
xdotool key ctrl+s
answer_box "Ctrl+S" 2-recorded
[ "$(boston)" = "20 0 30 " ] || fail "the figures typed are not in the file: $(boston)"
MONTH=$(date +%-m) DAY=$(date +%-d) YEAR=$(date +%Y)
DATE_AFTER=$(dated)
[ "$DATE_AFTER" != "$MONTH/$DAY/$YEAR/" ] || fail "the day's arrow did not move the date on from today"
case "$DATE_AFTER" in "$MONTH/"*"/$YEAR/") ;; *) fail "the date recorded is not a day of this month: $DATE_AFTER" ;; esac
back_to_main "Statistics"
echo "journey: wins, losses and the date set and recorded by keyboard ($DATE_BEFORE -> $DATE_AFTER)"

# 3. Vancouver becomes Memphis: the 43rd field in reading order is its city.
open_by_menu e n "Names"
for _ in $(seq 42); do xdotool key Tab; done
xdotool key ctrl+a
xdotool type Memphis
shot 3-renamed
xdotool key Escape
answer_box "Esc in the names editor" 3-asked
wait_for 10 closed "Names" || fail "saving did not close the names editor"
grep -q '"Memphis"' "$WORK/data/TavixNM.dat" || fail "the new name is not in TavixNM.dat"
GAMES=$("$LISTS" --data "$WORK/data" --format csv schedule second | grep -c 'Memphis')
[ "$GAMES" -eq 50 ] || fail "Memphis has $GAMES games in the schedule, not 50"
echo "journey: Vancouver renamed Memphis by keyboard; its 50 games follow the new name"

# 4. A web address copied by keyboard.
open_by_menu r w "Web Sites"
xdotool key Tab ctrl+c
copied() { xclip -o -selection clipboard 2> /dev/null | grep -q .; }
wait_for 10 copied || fail "Ctrl+C on an address copied nothing"
COPIED=$(xclip -o -selection clipboard 2> /dev/null || true)
shot 4-address-copied
case "$COPIED" in
    https://*) ;;
    *) fail "Ctrl+C on an address copied \"$COPIED\"" ;;
esac
back_to_main "Web Sites"
echo "journey: $COPIED copied by keyboard"

# 5. A day replayed and stepped through.
open_by_menu p r "^Season Replay"
xdotool key Return
wait_for 10 closed "^Season Replay" || fail "Enter did not start the replay"
xdotool windowactivate --sync "$MAIN" 2> /dev/null || true
TITLE1=$(xdotool getwindowname "$MAIN")
xdotool key ctrl+Right
wait_for 10 sh -c "[ \"\$(xdotool getwindowname $MAIN)\" != \"$TITLE1\" ]" || fail "Ctrl+Right did not step the replay"
TITLE2=$(xdotool getwindowname "$MAIN")
shot 5-replay-stepped
case "$TITLE1" in *"Replay: "*) ;; *) fail "the main window's title does not name the replayed day: $TITLE1" ;; esac
[ "$TITLE1" != "$TITLE2" ] || fail "Ctrl+Right did not step the replay: $TITLE2"
echo "journey: replayed \"$TITLE1\", then by Ctrl+Right \"$TITLE2\""
xdotool key ctrl+q
wait_for 10 sh -c "! kill -0 $APP_PID" || fail "Ctrl+Q did not end the program"
wait "$APP_PID" || fail "the program ended with a failure"
APP_PID=""
echo "journey: a whole evening by keyboard alone"
