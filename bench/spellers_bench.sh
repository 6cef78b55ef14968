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
  files=$(ls /usr/share/games/fortunes/* | grep -v -e '\.dat$' -e '\.u8$' -e 'art$')
  for _ in 1 2 3; do cat $files; done > "$text"
fi
words=$(wc -w < "$text")
echo "text: $words words ($(du -h "$text" | cut -f1))"

median_seconds() {  # runs "$@" three times on the text, prints the median wall time
  local times=()
  for _ in 1 2 3; do
    local start end
    start=$(date +%s.%N)
    "$@" < "$text" > "$work/list.out"
    end=$(date +%s.%N)
    times+=("$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')")
  done
  printf '%s\n' "${times[@]}" | sort -g | sed -n 2p
}

echo "list mode (words per second, median of 3):"
for name in vxspell hunspell aspell; do
  case $name in
    vxspell) cmd=("${vxspell[@]}" -l) ;;
    hunspell) cmd=("${hunspell[@]}" -l) ;;
    aspell) cmd=("${aspell[@]}" list) ;;
  esac
  s=$(median_seconds "${cmd[@]}")
  flagged=$(wc -l < "$work/list.out")
  printf '  %-9s %10.0f words/s  (%.2f s, %d flagged)\n' "$name" "$(awk -v w="$words" -v s="$s" 'BEGIN { print w / s }')" "$s" "$flagged"
done

# Misspellings whose correction every checker knows.
pairs="$work/misspellings.txt"
grep -v '^#' "$here/data/misspellings.txt" > "$work/all-pairs.txt"
cut -f2 "$work/all-pairs.txt" | sort -u > "$work/corrections.txt"
{
  "${vxspell[@]}" -l < "$work/corrections.txt"
  "${hunspell[@]}" -l < "$work/corrections.txt"
  "${aspell[@]}" list < "$work/corrections.txt"
} | sort -u > "$work/unknown-corrections.txt"
awk -F'\t' 'NR==FNR { bad[$1]=1; next } !($2 in bad)' "$work/unknown-corrections.txt" "$work/all-pairs.txt" > "$pairs"
echo "suggestions ($(wc -l < "$pairs") misspellings):"
for name in vxspell hunspell aspell; do
  case $name in
    vxspell) cmd=("${vxspell[@]}" -a) ;;
    hunspell) cmd=("${hunspell[@]}" -a) ;;
    aspell) cmd=("${aspell[@]}" -a) ;;
  esac
  printf '  %-9s %s\n' "$name" "$("$bin/pipe_timer" "$pairs" -- "${cmd[@]}")"
done
