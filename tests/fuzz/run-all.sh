#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds, seeded from the supplied data files.
# Usage: tests/fuzz/run-all.sh <builddir> <seconds>
# Fails when any target finds a crash, a leak, undefined behaviour or a broken round trip; the
# input that did it is left in <builddir>/fuzz-artifacts/.
set -u
if [ $# -ne 2 ]; then
  echo "usage: $0 <builddir> <seconds>" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
seconds=$2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
data="$source_dir/data"

corpus_files() {  # file name -> the fault corpus's files of that name
  ls "$source_dir"/tests/fuzz/corpus/*/"$1" 2>/dev/null | tr '\n' ' '
}

seeds() {  # target -> seed files: the supplied data and the absurd figures of the fault corpus
  case "$1" in
    fuzz_statistics) echo "$data/TavixSE.dat $(corpus_files TavixSE.dat)" ;;
    fuzz_schedule) echo "$data/TavixSC.dat $(corpus_files TavixSC.dat)" ;;
    fuzz_names) echo "$data/TavixNM.dat $(corpus_files TavixNM.dat)" ;;
    fuzz_rosters) echo "$data/Tavixro.dat" ;;
    fuzz_settings) echo "$build/fuzz-seeds/TVX.ini $(corpus_files TVX.ini)" ;;
    fuzz_delimited) echo "$data/TavixSE.dat $data/TavixNM.dat $build/fuzz-seeds/TVX.ini $(corpus_files TavixSE.dat)" ;;
  esac
}

mkdir -p "$build/fuzz-seeds" "$build/fuzz-artifacts"
printf 'Courier New\r\n' > "$build/fuzz-seeds/TVX.ini"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=detect_leaks=1

failed=0
ran=0
for target in fuzz_delimited fuzz_statistics fuzz_schedule fuzz_names fuzz_rosters fuzz_settings; do
  exe="$build/tests/fuzz/$target"
  if [ ! -x "$exe" ]; then
    echo "missing $exe: build with -DTAVIX_FUZZ=ON and 'ninja fuzzers'" >&2
    failed=$((failed + 1))
    continue
  fi
  corpus="$build/fuzz-corpus/$target"
  mkdir -p "$corpus"
  n=0
  for seed in $(seeds "$target"); do n=$((n + 1)); cp -f "$seed" "$corpus/seed-$n-$(basename "$seed")"; done
  echo "== $target for ${seconds}s"
  if "$exe" -max_total_time="$seconds" -max_len=65536 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$build/fuzz-artifacts/$target-" "$corpus" > "$build/fuzz-artifacts/$target.log" 2>&1; then
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/fuzz-artifacts/$target.log" | tr '\n' ' '
    echo
    ran=$((ran + 1))
  else
    echo "FAILED: $target (see $build/fuzz-artifacts/$target.log)"
    tail -30 "$build/fuzz-artifacts/$target.log"
    failed=$((failed + 1))
  fi
done
echo "$ran passed, $failed failed"
[ "$failed" -eq 0 ]
