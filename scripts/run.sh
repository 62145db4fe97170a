#!/usr/bin/env bash
# Builds what the ORVA Pocket window needs and opens it on the bundled
# dictionaries: the program, the two dictionaries and the user guide, and
# nothing of the tests. Arguments are passed to the program.
# Usage: scripts/run.sh [WORD | --selection]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The window's target brings the dictionaries and the guide with it; without
# Qt only the command-line companion and the dictionaries are built.
if grep -q '^ORVA_BUILD_WINDOW:BOOL=ON' build/CMakeCache.txt; then
  cmake --build build -j"$(nproc)" --target orva
  exec build/orva "$@"
fi
cmake --build build -j"$(nproc)" --target orvadict dictionaries
# Without the window: look a few words up with the command-line companion.
build/orvadict привет
build/orvadict שלום
