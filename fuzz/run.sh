#!/usr/bin/env bash
# Builds the libFuzzer harnesses (clang, AddressSanitizer, UBSan), writes the
# seed corpora from the example vocabulary, and runs each harness for a
# given time. A crash, a sanitizer report, a hang or a broken invariant
# stops that harness, leaves the input under BUILD/fuzz-findings/HARNESS/
# and makes the script fail.
#
#   fuzz/run.sh [-t SECONDS] [-j PARALLEL] [-b BUILD_DIR] [HARNESS...]
#
# HARNESS is dictionary_file, typed_text, record_text or source_format
# (default: all four). The corpus grows in BUILD/fuzz-corpus/HARNESS and is
# reused by the next run.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
parallel=1
build=build-fuzz
while getopts "t:j:b:" opt; do
  case $opt in
    t) seconds=$OPTARG ;;
    j) parallel=$OPTARG ;;
    b) build=$OPTARG ;;
    *) echo "usage: fuzz/run.sh [-t SECONDS] [-j PARALLEL] [-b BUILD_DIR] [HARNESS...]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=(dictionary_file typed_text record_text source_format)

if ! command -v clang++ >/dev/null; then
  echo "fuzz/run.sh: clang++ is missing (Debian packages clang and libclang-rt-dev)" >&2
  exit 2
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVA_BUILD_FUZZERS=ON -DORVA_BUILD_TESTS=OFF -DORVA_BUILD_WINDOW=OFF -DORVA_BUILD_BENCHMARKS=OFF \
    -DORVA_VOCABULARY=example \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
fi
targets=(fuzz_make_seeds)
for h in "${harnesses[@]}"; do targets+=("fuzz_$h"); done
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

seeds=$build/fuzz-seeds
rm -rf "$seeds"
"$build/fuzz_make_seeds" "$seeds"

# The largest input of each harness: a dictionary of a few dozen entries, a
# typed text of 20,000 UTF-16 units, a record text of a whole record buffer,
# a source file of a few hundred lines.
max_len() {
  case $1 in
    dictionary_file) echo 16384 ;;
    typed_text) echo 40001 ;;
    record_text) echo 8193 ;;
    source_format) echo 16384 ;;
    *) echo "fuzz/run.sh: unknown harness $1" >&2; exit 2 ;;
  esac
}

run_one() {
  local h=$1
  local corpus=$build/fuzz-corpus/$h findings=$build/fuzz-findings/$h
  mkdir -p "$corpus" "$findings"
  echo "== $h: ${seconds}s"
  local status=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build/fuzz_$h" -max_total_time="$seconds" -max_len="$(max_len "$h")" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$seeds/$h" >"$build/fuzz-$h.log" 2>&1 || status=$?
  grep -E "^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)" "$build/fuzz-$h.log" | sed "s/^/   $h /"
  grep -E "^#[0-9]+[[:space:]]+DONE" "$build/fuzz-$h.log" | tail -1 | sed "s/^/   $h /"
  if [ $status -ne 0 ]; then
    echo "!! $h failed; see $build/fuzz-$h.log and $findings/" >&2
    grep -E "ERROR|invariant broken|SUMMARY" "$build/fuzz-$h.log" | head -5 >&2 || true
  fi
  return $status
}

failed=0
pids=()
for h in "${harnesses[@]}"; do
  run_one "$h" &
  pids+=($!)
  if [ ${#pids[@]} -ge "$parallel" ]; then
    wait "${pids[0]}" || failed=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
exit $failed
