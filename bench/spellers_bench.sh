#!/usr/bin/env bash
# vxspell beside hunspell and aspell on the same inputs, in one run:
#  - list mode (-l) over more than a million words of English prose (the
#    fortunes package, repeated): words per second, median of three runs;
#  - pipe mode (-a): time to answer each misspelled word (median, 95th
#    percentile) and how often the intended word is first / in the first five.
# Only misspellings whose correction all three checkers accept are scored.
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

# Misspellings whose correction every checker knows.
pairs="$work/misspellings.txt"
grep -v '^#' "$here/data/misspellings.txt" > "$work/all-pairs.txt"
cut -f2 "$work/all-pairs.txt" | sort -u > "$work/corrections.txt"
for name in vxspell hunspell aspell; do
  checker_command $name list
  "${cmd[@]}" < "$work/corrections.txt"
done | sort -u > "$work/unknown-corrections.txt"
awk -F'\t' 'NR==FNR { bad[$1]=1; next } !($2 in bad)' "$work/unknown-corrections.txt" "$work/all-pairs.txt" > "$pairs"
# pipe_timer prints one line per run; the run with the median median_ms stands.
declare -A pipe_runs
for _ in $(seq $rounds); do
  for name in vxspell hunspell aspell; do
    checker_command $name pipe
    pipe_runs[$name]+="$("$bin/pipe_timer" "$pairs" -- "${cmd[@]}")"$'\n'
  done
done
echo "suggestions ($(wc -l < "$pairs") misspellings, the run with the median of $rounds medians):"
for name in vxspell hunspell aspell; do
  line=$(printf '%s' "${pipe_runs[$name]}" | awk '{ for (i = 1; i < NF; ++i) if ($i == "median_ms") print $(i + 1), $0 }' |
         sort -g | sed -n "$(( (rounds + 1) / 2 ))p" | cut -d' ' -f2-)
  printf '  %-9s %s\n' "$name" "$line"
done
