#!/bin/sh
# Installs what is missing, builds Tavix and starts it on the supplied 1998-99 data.
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
"$ROOT/tools/deps.sh"
cmake -S "$ROOT" -B "$ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The program, its companion and what they open at run time (the desktop module and the compiled
# help); the tests are tools/test-all.sh's work.
cmake --build "$ROOT/build" --target tavix tavix-lists tavix_desktop tavix_help
# Started outside a data folder, the program keeps its data in a per-user folder, first filled
# from the supplied files; the checked-in data/ stays as it is.
cd "${HOME:-/tmp}"
exec "$ROOT/build/ui/main/program/tavix"
