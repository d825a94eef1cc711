#!/bin/sh
# Start-up time and peak memory of Tavix on the supplied data, side by side with a bare Qt Widgets
# program that only shows an empty main window. Both quit as soon as their main window is painted
# (TAVIX_EXIT_WHEN_SHOWN=1, which also skips waiting for the splash to be dismissed).
# Usage: bench/startup.sh [build folder]   (default: build-bench)
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build-bench}" && pwd)
TAVIX=$BUILD/ui/main/program/tavix
BARE=$BUILD/bench/bare_window
for exe in "$TAVIX" "$BARE"; do
    [ -x "$exe" ] || { echo "missing $exe: build the 'benchmarks' target first" >&2; exit 1; }
done

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
export TAVIX_EXIT_WHEN_SHOWN=1
# A scratch copy of the supplied data, so a run never touches the source tree.
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cp "$ROOT"/data/*.dat "$WORK"/
export XDG_CONFIG_HOME=$WORK/config
cd "$WORK"

echo "== start-up to the main window shown (offscreen)"
if command -v hyperfine >/dev/null 2>&1; then
    hyperfine --warmup 3 --runs "${TAVIX_STARTUP_RUNS:-30}" -N \
        --command-name tavix "$TAVIX" --command-name bare_window "$BARE" \
        --command-name bare_window_with_text "env BARE_WITH_TEXT=1 $BARE"
else
    for exe in "$TAVIX" "$BARE"; do
        start=$(date +%s%N)
        for i in 1 2 3 4 5 6 7 8 9 10; do "$exe" >/dev/null 2>&1; done
        echo "$(basename "$exe"): $(( ($(date +%s%N) - start) / 10000000 )) ms a run (mean of 10)"
    done
fi

echo "== peak resident memory"
peak() { /usr/bin/time -v "$@" 2>&1 >/dev/null | sed -n 's/.*Maximum resident set size (kbytes): //p'; }
echo "tavix: $(peak "$TAVIX") kB"
echo "bare_window: $(peak "$BARE") kB"
echo "bare_window_with_text: $(peak env BARE_WITH_TEXT=1 "$BARE") kB"
