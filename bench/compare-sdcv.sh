#!/usr/bin/env bash
# orvadict against sdcv on the same vocabulary: a synthetic dictionary of
# SMALL and LARGE entries, built for orvadict and exported for sdcv, and the
# same QUERIES headwords looked up by both.
#
#   (a) per query, in one process: orvadict --stdin against sdcv with every
#       word as an argument; (batch time - one-query time) / (QUERIES - 1)
#   (b) start-up: one query from a new process, SMALL against LARGE
#   (c) peak resident memory (/usr/bin/time) of both, one query and batch
#
# Usage: bench/compare-sdcv.sh            (from anywhere in the checkout)
# Settings (environment): BUILD_DIR (build), WORK (where the dictionaries
# are kept between runs), SMALL (1000), LARGE (1000000), QUERIES (10000),
# DIRECTION (he-ru or ru-he), RUNS (batch runs, 5), START_RUNS (30).
# Installs sdcv, time and hyperfine from Debian when they are missing.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
WORK=${WORK:-${TMPDIR:-/tmp}/orva-compare}
SMALL=${SMALL:-1000}
LARGE=${LARGE:-1000000}
QUERIES=${QUERIES:-10000}
DIRECTION=${DIRECTION:-he-ru}
RUNS=${RUNS:-5}
START_RUNS=${START_RUNS:-30}
SEED=${SEED:-1}

case "$DIRECTION" in
  he-ru) DICT=hebrus ;;
  ru-he) DICT=rusheb ;;
  *) echo "DIRECTION must be he-ru or ru-he" >&2; exit 2 ;;
esac

# --- what the comparison needs ----------------------------------------------
packages=(sdcv time hyperfine cmake g++ make)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -ne 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}" >&2
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
fi

if [ ! -x "$BUILD_DIR/orvadict" ]; then
  "$ROOT/scripts/install-deps.sh" >&2
  cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release >&2
fi
cmake --build "$BUILD_DIR" --target orvadict -j"$(nproc)" >&2
ORVADICT=$BUILD_DIR/orvadict
mkdir -p "$WORK"

# sdcv takes the words as arguments; one process answers them all.
cat > "$WORK/sdcv-words.sh" <<'SH'
#!/usr/bin/env bash
mapfile -t words < "$2"
exec sdcv -n -x --data-dir "$1" -- "${words[@]}"
SH
chmod +x "$WORK/sdcv-words.sh"

# --- the dictionaries and the queries -----------------------------------------
prepare() {  # entries
  local d=$WORK/$DIRECTION-$1-seed$SEED
  if [ ! -s "$d/stardict/$DICT.ifo" ] || [ ! -s "$d/queries.txt" ]; then
    echo "Preparing $1 entries ($DIRECTION) in $d" >&2
    rm -rf "$d" && mkdir -p "$d/ours" "$d/stardict"
    local t0 t1
    "$ORVADICT" generate --direction "$DIRECTION" --entries "$1" --seed "$SEED" -o "$d/source.src"
    t0=$(date +%s.%N)
    "$ORVADICT" build --direction "$DIRECTION" "$d/source.src" -o "$d/ours/$DICT.dic"
    t1=$(date +%s.%N)
    awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.2f\n", b - a }' > "$d/build-seconds"
    rm -f "$d/source.src"
    "$ORVADICT" export --stardict "$d/stardict" "$d/ours/$DICT.dic" 2>/dev/null
    # Headwords in logical order, a fixed random choice of them (drawn with
    # replacement, so that a small dictionary gives as many queries).
    "$ORVADICT" list --dir "$d/ours" --direction "$DIRECTION" --language 0x040D | cut -f2 |
      shuf -r -n "$QUERIES" --random-source=<(yes "$SEED") > "$d/queries.txt"
    head -n 1 "$d/queries.txt" > "$d/one.txt"
  fi
  echo "$d"
}

# Median seconds of a command, run by hyperfine without a shell; any exit
# status but 0 ends the comparison.
median() {  # runs warmup command
  local csv
  csv=$(mktemp)
  hyperfine -N --style none --runs "$1" --warmup "$2" --export-csv "$csv" "$3" >&2
  awk -F, 'NR == 2 { print $4 }' "$csv"
  rm -f "$csv"
}
median_shell() {  # runs warmup command (needs a shell for redirections)
  local csv
  csv=$(mktemp)
  hyperfine --style none --runs "$1" --warmup "$2" --export-csv "$csv" "$3" >&2
  awk -F, 'NR == 2 { print $4 }' "$csv"
  rm -f "$csv"
}

peak_kib() {  # command...  (stdin passes through; exit status ignored)
  { /usr/bin/time -f %M "$@" 2>&1 >/dev/null || true; } | tail -n 1
}

declare -A R
for n in "$SMALL" "$LARGE"; do
  d=$(prepare "$n")
  word=$(cat "$d/one.txt")
  R[build,$n]=$(cat "$d/build-seconds")
  # Both answer every query? (a not-found answer is empty for orvadict;
  # sdcv says "Nothing similar".)
  R[ours_missing,$n]=$("$ORVADICT" --stdin --dir "$d/ours" --direction "$DIRECTION" < "$d/queries.txt" 2>&1 >/dev/null | grep -c 'not found' || true)
  R[sdcv_missing,$n]=$("$WORK/sdcv-words.sh" "$d/stardict" "$d/queries.txt" 2>/dev/null | grep -c '^Nothing similar' || true)

  R[ours_batch,$n]=$(median_shell "$RUNS" 1 "'$ORVADICT' --stdin --dir '$d/ours' --direction $DIRECTION < '$d/queries.txt' > /dev/null")
  R[ours_one,$n]=$(median_shell "$START_RUNS" 3 "'$ORVADICT' --stdin --dir '$d/ours' --direction $DIRECTION < '$d/one.txt' > /dev/null")
  R[sdcv_batch,$n]=$(median_shell "$RUNS" 1 "'$WORK/sdcv-words.sh' '$d/stardict' '$d/queries.txt' > /dev/null")
  R[sdcv_one,$n]=$(median_shell "$START_RUNS" 3 "'$WORK/sdcv-words.sh' '$d/stardict' '$d/one.txt' > /dev/null")
  # Start-up: one word on the command line, as a person types it.
  R[ours_start,$n]=$(median "$START_RUNS" 3 "'$ORVADICT' '$word' --dir '$d/ours' --direction $DIRECTION --color=never")
  R[sdcv_start,$n]=$(median "$START_RUNS" 3 "sdcv -n -x --data-dir '$d/stardict' -- '$word'")

  R[ours_rss1,$n]=$(peak_kib "$ORVADICT" "$word" --dir "$d/ours" --direction "$DIRECTION" --color=never)
  R[sdcv_rss1,$n]=$(peak_kib sdcv -n -x --data-dir "$d/stardict" -- "$word")
  R[ours_rssb,$n]=$(peak_kib "$ORVADICT" --stdin --dir "$d/ours" --direction "$DIRECTION" < "$d/queries.txt")
  R[sdcv_rssb,$n]=$(peak_kib "$WORK/sdcv-words.sh" "$d/stardict" "$d/queries.txt")
done

# --- the table -----------------------------------------------------------------
per_query() {  # batch one -> microseconds
  awk -v b="$1" -v o="$2" -v q="$QUERIES" 'BEGIN { printf "%.2f", (b - o) / (q - 1) * 1e6 }'
}
ms() { awk -v s="$1" 'BEGIN { printf "%.2f", s * 1000 }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f×", a / b; else print "-" }'; }

cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')
echo
echo "orvadict against sdcv $(sdcv --version 2>/dev/null | head -n1 | awk '{print $NF}'), $DIRECTION, $QUERIES queries"
echo "machine: $(nproc) cores, $cpu; $(date -u +%Y-%m-%d)"
echo
echo "| measure | entries | orvadict | sdcv | sdcv ÷ orvadict |"
echo "|---|---:|---:|---:|---:|"
for n in "$SMALL" "$LARGE"; do
  a=$(per_query "${R[ours_batch,$n]}" "${R[ours_one,$n]}")
  b=$(per_query "${R[sdcv_batch,$n]}" "${R[sdcv_one,$n]}")
  echo "| per query in one process (µs) | $n | $a | $b | $(ratio "$b" "$a") |"
done
for n in "$SMALL" "$LARGE"; do
  a=$(ms "${R[ours_start,$n]}"); b=$(ms "${R[sdcv_start,$n]}")
  echo "| one query, new process (ms) | $n | $a | $b | $(ratio "$b" "$a") |"
done
for n in "$SMALL" "$LARGE"; do
  echo "| peak RSS, one query (MiB) | $n | $(mib "${R[ours_rss1,$n]}") | $(mib "${R[sdcv_rss1,$n]}") | $(ratio "${R[sdcv_rss1,$n]}" "${R[ours_rss1,$n]}") |"
done
for n in "$SMALL" "$LARGE"; do
  echo "| peak RSS, $QUERIES queries (MiB) | $n | $(mib "${R[ours_rssb,$n]}") | $(mib "${R[sdcv_rssb,$n]}") | $(ratio "${R[sdcv_rssb,$n]}" "${R[ours_rssb,$n]}") |"
done
echo
echo "orvadict start-up, $LARGE against $SMALL entries: $(ratio "${R[ours_start,$LARGE]}" "${R[ours_start,$SMALL]}"); peak RSS grows by $(awk -v a="${R[ours_rss1,$SMALL]}" -v b="${R[ours_rss1,$LARGE]}" 'BEGIN { printf "%d KiB", b - a }')."
echo "sdcv start-up, $LARGE against $SMALL entries: $(ratio "${R[sdcv_start,$LARGE]}" "${R[sdcv_start,$SMALL]}"); peak RSS grows by $(awk -v a="${R[sdcv_rss1,$SMALL]}" -v b="${R[sdcv_rss1,$LARGE]}" 'BEGIN { printf "%d KiB", b - a }')."
echo "Building the $LARGE-entry dictionary: ${R[build,$LARGE]} s (parse and build). Queries not answered: orvadict ${R[ours_missing,$SMALL]}/${R[ours_missing,$LARGE]}, sdcv ${R[sdcv_missing,$SMALL]}/${R[sdcv_missing,$LARGE]} (small/large)."
