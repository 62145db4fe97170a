#!/usr/bin/env bash
# Builds what the ORVA Pocket window needs and opens it on the bundled
# dictionaries: the program, the two dictionaries and the user guide, and
# nothing of the tests. Arguments are passed to the program.
# Usage: scripts/run.sh [WORD | --selection]
# With ORVA_BUILD_ONLY=1 it builds and does not open the window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# A build of its own, apart from the test build in build/: optimised without
# debug information, and each library compiled as a few large units, which
# is what makes it quick (most of a file's compile time is spent reading
# the same Qt and library headers).
build=build-run
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=12 -DCMAKE_OPTIMIZE_DEPENDENCIES=ON -DORVA_BUILD_TESTS=OFF -DORVA_BUILD_BENCHMARKS=OFF >/dev/null
# The window's target brings the dictionaries and the guide with it; without
# Qt only the command-line companion and the dictionaries are built.
if grep -q '^ORVA_BUILD_WINDOW:BOOL=ON' "$build/CMakeCache.txt"; then
  cmake --build "$build" -j"$(nproc)" --target orva
  [ "${ORVA_BUILD_ONLY:-0}" = 1 ] && exit 0
  exec "$build/orva" "$@"
fi
cmake --build "$build" -j"$(nproc)" --target orvadict dictionaries
[ "${ORVA_BUILD_ONLY:-0}" = 1 ] && exit 0
# Without the window: look a few words up with the command-line companion.
"$build/orvadict" привет
"$build/orvadict" שלום
