#!/usr/bin/env bash
# Builds the Debian package in a configured, built build directory, unpacks
# it into a scratch root and checks it: the file layout, the links, the
# desktop entry and the AppStream metadata (with their validators) and its
# screenshots, the icon sizes, the manual pages against --help, the licence
# files, lintian, and that the unpacked programs run on the unpacked
# dictionaries. Usage: packaging/check-package.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)

# The tools this needs, installed when missing.
needed=(dpkg-dev file desktop-file-utils appstream man-db lintian)
missing=()
for p in "${needed[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -ne 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

version=$(sed -n 's/.*kProductVersion = "\([0-9.]*\)".*/\1/p' "$build/generated/orva_version.h")
[ -n "$version" ] || { echo "no version in the build's generated/orva_version.h" >&2; exit 2; }
deb="$build/orva_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
(cd "$build" && cpack -G DEB >/dev/null)
[ -f "$deb" ] || { echo "cpack made no $deb" >&2; exit 2; }
echo "package: $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
window=no
[ -e "$root/usr/lib/orva/orva" ] && window=yes

# --- control fields ---------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = orva ] || fail "Package is \"$(field Package)\""
[ "$(field Version)" = "$version" ] || fail "Version is \"$(field Version)\", not $version"
for f in Maintainer Description Section; do
  [ -n "$(field "$f")" ] || fail "no $f field"
done
depends=$(field Depends)
[[ $depends == *libc6* ]] || fail "Depends lacks libc6 (shlibdeps not run?): $depends"
[[ $depends == *libstdc++6* ]] || fail "Depends lacks libstdc++6: $depends"
[[ $depends == *hunspell-ru* ]] || fail "Depends lacks hunspell-ru: $depends"
[[ $depends == *libhunspell* ]] || fail "Depends lacks libhunspell: $depends"
if [ $window = yes ]; then
  [[ $depends == *libqt6widgets6* ]] || fail "Depends lacks libqt6widgets6: $depends"
fi

# --- layout: exactly these files, nothing else --------------------------------
expected=(
  ./usr/bin/orvadict
  ./usr/lib/orva/orvadict
  ./usr/lib/orva/rusheb.dic
  ./usr/lib/orva/hebrus.dic
  ./usr/lib/orva/help.html
  ./usr/share/man/man1/orvadict.1.gz
  ./usr/share/doc/orva/copyright
  ./usr/share/doc/orva/LICENSE
  ./usr/share/doc/orva/changelog.gz
)
if [ $window = yes ]; then
  expected+=(
    ./usr/bin/orva
    ./usr/lib/orva/orva
    ./usr/share/applications/org.orva.pocket.desktop
    ./usr/share/metainfo/org.orva.pocket.metainfo.xml
    ./usr/share/icons/hicolor/16x16/apps/orva.png
    ./usr/share/icons/hicolor/32x32/apps/orva.png
    ./usr/share/icons/hicolor/48x48/apps/orva.png
    ./usr/share/icons/hicolor/128x128/apps/orva.png
    ./usr/share/icons/hicolor/scalable/apps/orva.svg
    ./usr/share/man/man1/orva.1.gz
  )
fi
actual=$(cd "$root" && find . ! -type d | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$wanted" ]; then
  fail "the package's files differ from the expected layout:"
  diff <(echo "$wanted") <(echo "$actual") >&2 || true
fi

programs=(orvadict)
[ $window = yes ] && programs+=(orva)
for p in "${programs[@]}"; do
  link="$root/usr/bin/$p"
  [ -L "$link" ] || { fail "usr/bin/$p is not a link"; continue; }
  [ "$(readlink "$link")" = "../lib/orva/$p" ] || fail "usr/bin/$p points to $(readlink "$link")"
  [ -x "$root/usr/lib/orva/$p" ] || fail "usr/lib/orva/$p is not executable"
done

# --- licence ------------------------------------------------------------------
copyright="$root/usr/share/doc/orva/copyright"
head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
  fail "the copyright file is not in the machine-readable format"
grep -q '^License: GPL-3.0-or-later$' "$copyright" || fail "the copyright file names no GPL-3.0-or-later"
grep -q '^License: CC-BY-SA-4.0$' "$copyright" || fail "the copyright file names no CC-BY-SA-4.0 for the data"

cmp -s "$root/usr/share/doc/orva/LICENSE" LICENSE || fail "usr/share/doc/orva/LICENSE is not the project's LICENSE"
changelog_version=$(zcat "$root/usr/share/doc/orva/changelog.gz" | sed -n '1s/^orva (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] || fail "the changelog's latest entry is \"$changelog_version\", not $version"

# --- the unpacked programs run on the unpacked files --------------------------
out=$("$root/usr/bin/orvadict" --version) || fail "orvadict --version failed"
[ "$out" = "orvadict (ORVA Pocket) $version" ] || fail "orvadict --version says \"$out\""
"$root/usr/bin/orvadict" check "$root/usr/lib/orva/rusheb.dic" >/dev/null || fail "rusheb.dic fails check"
"$root/usr/bin/orvadict" check "$root/usr/lib/orva/hebrus.dic" >/dev/null || fail "hebrus.dic fails check"
# Through the link, with no --dir: the program finds the dictionaries in its
# own directory.
first=$("$root/usr/bin/orvadict" list --direction ru-he --count 1 | cut -f2)
[ -n "$first" ] || fail "orvadict list found no headword through usr/bin"
"$root/usr/bin/orvadict" "$first" >/dev/null || fail "orvadict could not read the article of \"$first\""
# An inflected form reaches its headword through the system's Russian
# dictionary, which the package depends on.
form=$("$root/usr/bin/orvadict" --color=never книги | sed -n 1p)
[[ $form == "книги → книга"* ]] || fail "orvadict does not lead книги to книга: \"$form\""
if [ $window = yes ]; then
  out=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/orva" --version) || fail "orva --version failed"
  [ "$out" = "orva (ORVA Pocket) $version" ] || fail "orva --version says \"$out\""
fi

# --- desktop entry, metadata, icons -------------------------------------------
if [ $window = yes ]; then
  desktop="$root/usr/share/applications/org.orva.pocket.desktop"
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
  grep -qx 'Exec=orva' "$desktop" || fail "the desktop entry does not run orva"
  grep -qx 'Icon=orva' "$desktop" || fail "the desktop entry's icon is not orva"
  appstreamcli validate --no-net "$root/usr/share/metainfo/org.orva.pocket.metainfo.xml" ||
    fail "appstreamcli rejects the metainfo"
  grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/org.orva.pocket.metainfo.xml" ||
    fail "the metainfo's release is not $version"
  # Every screenshot the metadata names is one the window tests take, kept
  # in docs/screenshots (packaging/update-screenshots.sh copies them).
  shots=$(sed -n 's|.*<image[^>]*>[^<]*/screenshots/\([^<]*\)</image>.*|\1|p' \
    "$root/usr/share/metainfo/org.orva.pocket.metainfo.xml")
  [ -n "$shots" ] || fail "the metainfo names no screenshots"
  for shot in $shots; do
    grep -rqF "\"$shot\"" tests/qt || fail "no window test takes the screenshot $shot"
    [ "$(od -An -tx1 -N8 "docs/screenshots/$shot" 2>/dev/null | tr -d ' \n')" = 89504e470d0a1a0a ] ||
      fail "docs/screenshots/$shot is missing or no PNG"
  done
  for size in 16 32 48 128; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/orva.png"
    [ -f "$png" ] || continue
    # The PNG signature, then IHDR's width and height (big-endian).
    magic=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
    [ "$magic" = 89504e470d0a1a0a ] || fail "$size px icon is not a PNG"
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $dims"
  done
  grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/orva.svg" || fail "the scalable icon is no SVG"
fi

# --- manual pages ---------------------------------------------------------------
# Compressed as Debian wants them: gzip -9, with neither a name nor a time in
# the header (flags byte 0, time 0, extra flags 2 for the best compression).
for page in "$root"/usr/share/man/man1/*.1.gz "$root"/usr/share/doc/orva/changelog.gz; do
  header=$(od -An -tx1 -N10 "$page" | tr -d ' \n')
  [ "$header" = 1f8b0800000000000203 ] || fail "$(basename "$page") is not compressed with gzip -n -9 (header $header)"
done
for page in "$root"/usr/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man cannot show $page"
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done
# The options and commands of orvadict --help and of the manual page agree.
options() { grep -o -- '--[a-z][a-z-]*' | sort -u; }
help=$("$root/usr/bin/orvadict" --help)
page=$(zcat "$root/usr/share/man/man1/orvadict.1.gz" | sed 's/\\-/-/g')
diff <(echo "$help" | options) <(echo "$page" | options) >/dev/null ||
  fail "orvadict --help and orvadict.1 name different options: $(diff <(echo "$help" | options) <(echo "$page" | options) | grep '^[<>]' | tr '\n' ' ')"
commands=$(echo "$help" | sed -n '/^Commands:/,/^Options/p' | sed -n 's/^  \([a-z][a-z]*\) .*/\1/p' | sort -u)
[ -n "$commands" ] || fail "found no commands in orvadict --help"
for c in $commands; do
  grep -q "^\.B[IR]* \"*$c[ \"]" <<<"$page" || fail "orvadict.1 does not describe the command $c"
done
if [ $window = yes ]; then
  help=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/orva" --help)
  page=$(zcat "$root/usr/share/man/man1/orva.1.gz" | sed 's/\\-/-/g')
  diff <(echo "$help" | options) <(echo "$page" | options) >/dev/null ||
    fail "orva --help and orva.1 name different options"
fi

# --- lintian ---------------------------------------------------------------------
# No errors; the package gives no warnings either. What lintian still notes
# (as information only), and why it stays:
#   extra-license-file usr/share/doc/orva/LICENSE: the project's LICENSE is
#     shipped beside the copyright file on purpose.
#   package-contains-documentation-outside-usr-share-doc usr/lib/orva/help.html:
#     the window opens its guide from its own directory, as it finds the
#     dictionaries there.
#   hardening-no-bindnow, binary-has-unneeded-section .comment: the programs
#     are built with the toolchain's default flags, not dpkg-buildflags.
lintian_out=$(lintian --fail-on none --display-info "$deb" 2>&1) || true
echo "$lintian_out" | sed 's/^/lintian: /'
if grep -q '^E: ' <<<"$lintian_out"; then
  fail "lintian reports errors"
fi

if [ $failures -ne 0 ]; then
  echo "$failures package check(s) failed" >&2
  exit 1
fi
echo "package checks passed"
