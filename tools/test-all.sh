#!/bin/sh
# The whole test suite: a plain build with warnings as errors, an ASan+UBSan build, and the
# fuzz targets for a bounded time. Prints what it does; exits non-zero on the first failure.
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=${TAVIX_TEST_OUT:-$ROOT/out}
FUZZ_SECONDS=${TAVIX_FUZZ_SECONDS:-60}
mkdir -p "$OUT"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
export TAVIX_PRINTOUT_DIR="$OUT/printouts"

echo "== formatting (clang-format)"
(cd "$ROOT" && git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror)

# Locales that write numbers with a decimal comma, for the tests that check nothing depends on it.
for loc in de_DE tr_TR; do
    locale -a | grep -qi "^$loc.utf-\?8$" || localedef -i "$loc" -f UTF-8 "$loc.UTF-8" 2> /dev/null || true
done

echo "== plain build (-Werror)"
cmake -S "$ROOT" -B "$OUT/build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVIX_WERROR=ON
cmake --build "$OUT/build"
# Tests that print to PDF files need a machine without printers; those that print through a real
# CUPS queue (named *cups*) run afterwards, with a cups-pdf queue started just for them.
(cd "$OUT/build" && ctest --output-on-failure -j2 --timeout 600 -E cups)
# ---- the window tests again where numbers are written with a decimal comma ----
for loc in de_DE tr_TR; do
    echo "== window tests under LC_ALL=$loc.UTF-8"
    (cd "$OUT/build" && LC_ALL=$loc.UTF-8 LANG=$loc.UTF-8 ctest --output-on-failure -j2 --timeout 600 -L window -E cups)
done
# ---- end of the window tests under other locales ----
if [ "$(id -u)" -eq 0 ] && [ -x /usr/sbin/cupsd ] && [ -z "$TAVIX_CUPS_PRINTER" ]; then
    echo "== printing through a CUPS queue"
    eval "$("$ROOT/.ci/cups.sh" start "$OUT/cups-pdf")"
    trap '"$ROOT/.ci/cups.sh" stop' EXIT
    (cd "$OUT/build" && ctest --output-on-failure --timeout 600 -R cups)
    "$ROOT/.ci/cups.sh" stop
    trap - EXIT
    unset TAVIX_CUPS_PRINTER TAVIX_CUPS_OUT
else
    echo "== not root or no cupsd: the CUPS printing tests are skipped"
fi

echo "== ASan+UBSan build"
cmake -S "$ROOT" -B "$OUT/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVIX_WERROR=ON -DTAVIX_SANITIZE=ON \
      -DTAVIX_BENCH=OFF
cmake --build "$OUT/build-asan"
(cd "$OUT/build-asan" && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$ROOT/tests/lsan.supp \
    ctest --output-on-failure -j2 --timeout 900 -E cups -LE window)
# The window tests three times over: one that fails only now and then fails here too.
(cd "$OUT/build-asan" && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$ROOT/tests/lsan.supp \
    ctest --output-on-failure -j2 --timeout 900 -E cups -L window --repeat until-fail:3)

echo "== fuzzing (${FUZZ_SECONDS}s a target)"
CXX=clang++ cmake -S "$ROOT" -B "$OUT/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIX_FUZZ=ON \
      -DTAVIX_WINDOWS=OFF -DTAVIX_BENCH=OFF
cmake --build "$OUT/build-fuzz"
"$ROOT/tests/fuzz/run-all.sh" "$OUT/build-fuzz" "$FUZZ_SECONDS"
# ---- Debian package: build, install, start the installed program, remove (tools/check-package.sh) ----
if [ "$(id -u)" -eq 0 ] && command -v dpkg > /dev/null; then
    echo "== Debian package"
    "$ROOT/tools/check-package.sh" "$OUT/build"
else
    echo "== not root or no dpkg: the Debian package check is skipped"
fi
# ---- end of the Debian package check ----
echo "== all tests passed"
