#!/usr/bin/env bash
# Line coverage that the fuzz corpora reach: builds the harnesses with
# clang's source-based coverage (no sanitizers), replays each corpus once,
# and prints llvm-cov's per-file report of the program's own sources,
# one report per harness and one for all four together.
#
#   fuzz/coverage.sh [-b COVERAGE_BUILD_DIR] [-c CORPUS_ROOT] [HARNESS...]
#
# CORPUS_ROOT holds one folder per harness, as fuzz/run.sh leaves them
# (default build-fuzz/fuzz-corpus); the seed corpora are replayed as well.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-fuzz-coverage
corpora=build-fuzz/fuzz-corpus
while getopts "b:c:" opt; do
  case $opt in
    b) build=$OPTARG ;;
    c) corpora=$OPTARG ;;
    *) echo "usage: fuzz/coverage.sh [-b BUILD_DIR] [-c CORPUS_ROOT] [HARNESS...]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=(dictionary_file typed_text record_text source_format)

for tool in clang++ llvm-profdata llvm-cov; do
  if ! command -v "$tool" >/dev/null; then
    echo "fuzz/coverage.sh: $tool is missing (Debian packages clang, libclang-rt-dev and llvm)" >&2
    exit 2
  fi
done

if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug \
    -DORVA_BUILD_FUZZERS=ON -DORVA_BUILD_TESTS=OFF -DORVA_BUILD_WINDOW=OFF -DORVA_BUILD_BENCHMARKS=OFF \
    -DORVA_VOCABULARY=example \
    -DCMAKE_CXX_FLAGS="-fprofile-instr-generate -fcoverage-mapping" \
    -DCMAKE_EXE_LINKER_FLAGS="-fprofile-instr-generate"
fi
targets=(fuzz_make_seeds)
for h in "${harnesses[@]}"; do targets+=("fuzz_$h"); done
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

seeds=$build/fuzz-seeds
rm -rf "$seeds" "$build/profiles"
mkdir -p "$build/profiles"
LLVM_PROFILE_FILE=/dev/null "$build/fuzz_make_seeds" "$seeds"

objects=()
for h in "${harnesses[@]}"; do
  dirs=("$seeds/$h")
  [ -d "$corpora/$h" ] && dirs+=("$corpora/$h")
  echo "== $h: replaying $(find "${dirs[@]}" -type f | wc -l) inputs"
  LLVM_PROFILE_FILE="$build/profiles/$h.profraw" "$build/fuzz_$h" -runs=0 "${dirs[@]}" >"$build/coverage-$h.log" 2>&1
  llvm-profdata merge -sparse "$build/profiles/$h.profraw" -o "$build/profiles/$h.profdata"
  llvm-cov report "$build/fuzz_$h" -instr-profile="$build/profiles/$h.profdata" \
    -ignore-filename-regex='(fuzz|tests|/usr)/' src/ | tail -1 | sed "s/^TOTAL/   $h total/"
  objects+=(-object "$build/fuzz_$h")
done

llvm-profdata merge -sparse "$build"/profiles/*.profraw -o "$build/profiles/all.profdata"
echo "== all harnesses together (regions, functions, lines, branches: missed and covered)"
llvm-cov report "${objects[@]:1}" -instr-profile="$build/profiles/all.profdata" \
  -ignore-filename-regex='(fuzz|tests|/usr)/' src/
