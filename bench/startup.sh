#!/bin/sh
# Start-up time and peak memory of Tavix on the supplied data, side by side with a bare Qt Widgets
# program that only shows an empty main window (and the same with a menu bar and a line of text).
# Both quit as soon as their main window is painted (TAVIX_EXIT_WHEN_SHOWN=1, which also skips
# waiting for the splash to be dismissed).
#
# Measured twice: offscreen, where only the programs' own work counts, and on an X display (a
# private Xvfb when one is installed), where, as on a desktop, both also wait for the display.
# Usage: bench/startup.sh [build folder]   (default: build-bench)
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build-bench}" && pwd)
TAVIX=$BUILD/ui/main/program/tavix
BARE=$BUILD/bench/bare_window
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

measure() {
    echo "== start-up to the main window shown ($1)"
    if command -v hyperfine >/dev/null 2>&1; then
        hyperfine --warmup 3 --runs "${TAVIX_STARTUP_RUNS:-30}" -N --export-json "$WORK/times.json" \
            --command-name tavix "$TAVIX" --command-name bare_window "$BARE" \
            --command-name bare_window_with_text "env BARE_WITH_TEXT=1 $BARE"
        # Medians, which a few slow runs on a busy machine do not drag the way they drag means.
        medians=$(grep -o '"median": *[0-9.e-]*' "$WORK/times.json" | sed 's/.*: *//' | tr '\n' ' ')
        echo "$medians" | awk '{printf "medians: tavix %.1f ms, bare_window %.1f ms, bare_window_with_text %.1f ms; tavix / bare_window = %.2f\n", $1*1000, $2*1000, $3*1000, $1/$2}'
    else
        for exe in "$TAVIX" "$BARE"; do
            start=$(date +%s%N)
            for i in 1 2 3 4 5 6 7 8 9 10; do "$exe" >/dev/null 2>&1; done
            echo "$(basename "$exe"): $(( ($(date +%s%N) - start) / 10000000 )) ms a run (mean of 10)"
        done
    fi
    echo "== peak resident memory ($1)"
    peak() { /usr/bin/time -v "$@" 2>&1 >/dev/null | sed -n 's/.*Maximum resident set size (kbytes): //p'; }
    echo "tavix: $(peak "$TAVIX") kB"
    echo "bare_window: $(peak "$BARE") kB"
    echo "bare_window_with_text: $(peak env BARE_WITH_TEXT=1 "$BARE") kB"
}

QT_QPA_PLATFORM=offscreen measure offscreen

if [ -n "$DISPLAY" ] && [ -z "$TAVIX_STARTUP_XVFB" ]; then
    QT_QPA_PLATFORM=xcb measure "the X display $DISPLAY"
elif command -v Xvfb >/dev/null 2>&1; then
    # Xvfb picks a free display number and writes it to the descriptor it is given.
    Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
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
