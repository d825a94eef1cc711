#!/bin/bash
# Start-up time and peak memory of Tavix on the supplied data, side by side with a bare Qt Widgets
# program that only shows an empty main window (and the same with a menu bar and a line of text).
# Both quit as soon as their main window is painted (TAVIX_EXIT_WHEN_SHOWN=1, which also skips
# waiting for the splash to be dismissed).
#
# The programs run in turn, Tavix then the yardstick, pair after pair, and the figure to quote is
# the median of the pairs' ratios: a machine whose speed drifts slows both halves of a pair alike.
#
# Measured twice: offscreen, where only the programs' own work counts, and on an X display (a
# private Xvfb when one is installed), where, as on a desktop, both also wait for the display.
# Usage: bench/startup.sh [build folder]   (default: build-bench); TAVIX_STARTUP_RUNS pairs (30)
set -e
export LC_ALL=C
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build-bench}" && pwd)
TAVIX=$BUILD/ui/main/program/tavix
BARE=$BUILD/bench/bare_window
RUNS=${TAVIX_STARTUP_RUNS:-30}
for exe in "$TAVIX" "$BARE"; do
    [ -x "$exe" ] || { echo "missing $exe: build the 'benchmarks' target first" >&2; exit 1; }
done

export TAVIX_EXIT_WHEN_SHOWN=1
# A scratch copy of the supplied data, so a run never touches the source tree.
WORK=$(mktemp -d)
XVFB_PID=
cleanup() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT
cp "$ROOT"/data/*.dat "$WORK"/
mkdir -m 700 "$WORK/runtime"
export XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/runtime
cd "$WORK"

median() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# Runs "$@" (the yardstick) in turn with Tavix; prints the median times and the median ratio.
paired() {
    local name=$1 pairs=$WORK/pairs t0 t1 t2 i
    shift
    : > "$pairs"
    for ((i = -3; i < RUNS; ++i)); do  # three pairs to warm the file cache first
        t0=$EPOCHREALTIME
        "$TAVIX" > /dev/null 2>&1
        t1=$EPOCHREALTIME
        "$@" > /dev/null 2>&1
        t2=$EPOCHREALTIME
        ((i >= 0)) && echo "$t0 $t1 $t2" >> "$pairs"
    done
    local tavix bare ratio
    tavix=$(awk '{print ($2 - $1) * 1000}' "$pairs" | median)
    bare=$(awk '{print ($3 - $2) * 1000}' "$pairs" | median)
    ratio=$(awk '{print ($2 - $1) / ($3 - $2)}' "$pairs" | median)
    printf '  tavix %.1f ms, %s %.1f ms: tavix / %s = %.2f (median of %d pairs)\n' \
        "$tavix" "$name" "$bare" "$name" "$ratio" "$RUNS"
}

# The median peak of nine runs: how many of a library's pages a run finds already mapped varies a
# little from run to run.
peak() {
    local i
    for i in 1 2 3 4 5 6 7 8 9; do
        /usr/bin/time -v "$@" 2>&1 > /dev/null | sed -n 's/.*Maximum resident set size (kbytes): //p'
    done | median
}

measure() {
    echo "== start-up to the main window shown ($1)"
    paired bare_window "$BARE"
    paired bare_window_with_text env BARE_WITH_TEXT=1 "$BARE"
    echo "== peak resident memory, median of nine runs ($1)"
    local tavix bare text
    tavix=$(peak "$TAVIX")
    bare=$(peak "$BARE")
    text=$(peak env BARE_WITH_TEXT=1 "$BARE")
    awk -v t="$tavix" -v b="$bare" -v x="$text" 'BEGIN {
        printf "  tavix %d kB, bare_window %d kB, bare_window_with_text %d kB: tavix / bare_window = %.2f\n", t, b, x, t / b }'
}

QT_QPA_PLATFORM=offscreen measure offscreen

if [ -n "$DISPLAY" ]; then
    QT_QPA_PLATFORM=xcb measure "the X display $DISPLAY"
elif command -v Xvfb > /dev/null 2>&1; then
    # Xvfb picks a free display number and writes it to the descriptor it is given.
    Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3> "$WORK/display" > /dev/null 2>&1 &
    XVFB_PID=$!
    for i in $(seq 50); do [ -s "$WORK/display" ] && break; sleep 0.1; done
    if [ -s "$WORK/display" ]; then
        DISPLAY=:$(cat "$WORK/display") QT_QPA_PLATFORM=xcb measure "an Xvfb display"
    else
        echo "== (Xvfb did not start: no figures on an X display)"
    fi
else
    echo "== (no X display and no Xvfb: no figures on an X display)"
fi
