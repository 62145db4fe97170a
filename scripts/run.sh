#!/usr/bin/env bash
# Builds ORVA Pocket and opens its window on the bundled dictionaries.
# Arguments are passed to the program. Usage: scripts/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
if [ -x build/orva ]; then
  exec build/orva "$@"
fi
# Without the window: look a few words up with the command-line companion.
build/orvadict привет
build/orvadict שלום
