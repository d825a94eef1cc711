#!/bin/bash
# Start-up time and peak memory of Tavix on the supplied data, side by side with a bare Qt Widgets
# program that only shows an empty main window (and the same with a menu bar and a line of text).
# With TAVIX_EXIT_WHEN_SHOWN=1 each reports the time and its peak memory once its main window has
# been painted and ends there, so their exit work counts in neither figure (Tavix also skips waiting
# for the splash to be dismissed).
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

# Runs a program once; prints the milliseconds from its launch until its main window was shown,
# and its peak resident memory until then in kB, both from the line it reports when shown.
run() {
    local t0 line
    t0=$EPOCHREALTIME
    line=$("$@" 2> /dev/null | grep '^shown ')
    [ -n "$line" ] || { echo "no 'shown' line from $*" >&2; exit 1; }
    set -- $line
    awk -v t0="$t0" -v at="$2" -v kb="$3" 'BEGIN { printf "%.3f %d\n", (at / 1e6 - t0) * 1000, kb }'
}

# Runs "$@" (the yardstick) in turn with Tavix; prints the median times with the median of the
# pairs' ratios, and the median peaks with their ratio.
paired() {
    local name=$1 pairs=$WORK/pairs i
    shift
    : > "$pairs"
    for ((i = -3; i < RUNS; ++i)); do  # three pairs to warm the file cache first
        local tavix bare
        tavix=$(run "$TAVIX") && bare=$(run "$@") || exit 1
        ((i >= 0)) && echo "$tavix $bare" >> "$pairs"
    done
    awk -v name="$name" -v runs="$RUNS" '
        function median(v, n,   i, j, t) {
            for (i = 2; i <= n; ++i) for (j = i; j > 1 && v[j - 1] > v[j]; --j) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
            return (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
        }
        { tt[NR] = $1; tm[NR] = $2; bt[NR] = $3; bm[NR] = $4; r[NR] = $1 / $3 }
        END {
            t = median(tt, NR); b = median(bt, NR); q = median(r, NR); m = median(tm, NR); n = median(bm, NR)
            printf "  time:        tavix %.1f ms, %s %.1f ms: %.2f (median of the %d pairs\047 ratios)\n", t, name, b, q, runs
            printf "  peak memory: tavix %d kB, %s %d kB: %.2f (medians)\n", m, name, n, m / n
        }' "$pairs"
}

measure() {
    echo "== from start to the main window shown ($1): against the bare window"
    paired bare_window "$BARE"
    echo "== and against the bare window with a menu bar and a line of text"
    paired bare_window_with_text env BARE_WITH_TEXT=1 "$BARE"
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
