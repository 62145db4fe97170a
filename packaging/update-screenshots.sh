#!/usr/bin/env bash
# Copies the screenshots that the window tests took in a build directory
# into docs/screenshots, for the AppStream metadata that names them.
# Run the tests first. Usage: packaging/update-screenshots.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: $0 BUILD_DIR}
mkdir -p docs/screenshots
names=$(sed -n 's|.*<image[^>]*>[^<]*/screenshots/\([^<]*\)</image>.*|\1|p' packaging/org.orva.pocket.metainfo.xml.in)
for name in $names; do
  [ -f "$build/$name" ] || { echo "no $build/$name: run the window tests first" >&2; exit 1; }
  cp "$build/$name" "docs/screenshots/$name"
  echo "docs/screenshots/$name"
done
