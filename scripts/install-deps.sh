#!/usr/bin/env bash
# Installs the Debian packages that building, testing and packaging ORVA Pocket
# need, only those that are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(cmake g++ make ninja-build pkg-config libgtest-dev libbenchmark-dev qt6-base-dev fonts-dejavu-core hspell hunspell hunspell-ru libhunspell-dev mueller7accent-dict dpkg-dev file)
# Checking the Debian package: its validators and lintian.
packages+=(desktop-file-utils appstream man-db lintian)
# The translations: Qt Linguist's CMake support and lrelease.
packages+=(qt6-tools-dev qt6-l10n-tools)
# hspell's static library reads its compressed dictionary through zlib.
packages+=(zlib1g-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
