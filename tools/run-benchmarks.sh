#!/bin/sh
# Builds the benchmarks in an optimised build and runs each one.
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${TAVIX_BENCH_BUILD:-$ROOT/build-bench}
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$BUILD" --target benchmarks
for b in "$BUILD"/bench/*_bench; do
    echo "== $(basename "$b")"
    (cd "$ROOT" && "$b")
done
if [ -x "$ROOT/bench/startup.sh" ]; then "$ROOT/bench/startup.sh" "$BUILD"; fi
