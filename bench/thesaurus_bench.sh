#!/usr/bin/env bash
# The thesauri of the user-interface languages (./vx dictionaries), one row a
# language:
#  - headwords kept of the source's single-word headwords, layout, file size;
#  - the share of the 300 and of the 3,000 most frequent words of a real text
#    (those the source has as headwords, as written or in lower case) that a
#    look-up answers with meanings, and the time of a look-up;
#  - the same for the compact layout compiled with --compact and the word
#    frequencies of the language's manual pages (what a program whose own
#    reader reads only that layout gets).
# Texts are what Debian packages offer in each language, as in
# languages_bench.sh: fortune cookies (fortunes, fortunes-de, -ru, -pl, -cs)
# and manual pages (manpages-sv, -da). The frequency lists the compact
# thesauri rank by come from other texts (manual pages), not from these.
# Arguments that name languages choose those rows.
set -u
here="$(cd "$(dirname "$0")" && pwd)"
root="$here/.."
bin="${VX_BENCH_BIN:-$root/build/native/bin}"
data="$root/build/data"
sources="$root/build/dictionaries"
work="$root/build/bench/thesauri"
mkdir -p "$work"

command -v python3 >/dev/null || { echo "thesauri: python3 is needed"; exit 0; }
[ -x "$bin/vlthes" ] || { echo "thesauri: vlthes is not built"; exit 1; }

# name, code page, text source
languages=(
  "English|1252|fortunes:"
  "German|1252|fortunes:de"
  "Swedish|1252|man:sv"
  "Danish|1252|man:da"
  "Russian|1251|fortunes:ru"
  "Czech|1250|fortunes:cs"
  "Polish|1250|fortunes:pl"
)

raw_text() {
  case $1 in
    fortunes:*) find "/usr/share/games/fortunes/${1#fortunes:}" -maxdepth 1 -type f ! -name '*.dat' ! -name '*.u8' \
                  -exec cat {} + 2>/dev/null | grep -av '^%$' ;;
    man:*) find "/usr/share/man/${1#man:}" -name '*.gz' 2>/dev/null | sort | head -n 400 |
             xargs -r zcat 2>/dev/null | grep -av '^[.'\'']' | sed -e 's/\\f[A-Z(]*//g' -e 's/\\[-&(e]..\?//g' ;;
  esac
}

# The text's words by falling frequency that the source has as headwords:
# argv[1] the converted mythes source, argv[2] how many; the text on stdin.
python_common='
import collections, re, sys
heads = set()
with open(sys.argv[1], encoding="utf-8", errors="replace") as f:
    next(f, None)
    for line in f:
        m = re.match(r"^([^|]+)\|(\d+)\s*$", line)
        if m and " " not in m.group(1).strip():
            heads.add(m.group(1).strip())
text = sys.stdin.buffer.read().decode("utf-8", "replace")
counts = collections.Counter(re.findall(r"[^\W\d_]+", text))
out = []
seen = set()
for word, _ in counts.most_common():
    key = word if word in heads else word.lower() if word.lower() in heads else None
    if key is None or key in seen:
        continue
    seen.add(key)
    out.append(word)
    if len(out) == int(sys.argv[2]):
        break
sys.stdout.write("\n".join(out) + "\n")
'

# "answered% us-per-look-up" for the words of $2 in thesaurus $1.
measure() {
  local answers stats
  answers=$("$bin/vlthes" lookup --codepage "$3" "$1" < "$2" 2>"$work/stderr")
  stats=$(cat "$work/stderr")
  awk -v yes="$(grep -c ': yes$' <<<"$answers")" -v n="$(wc -l < "$2")" \
      -v us="$(sed -n 's/.*, \([0-9.]*\) us a look-up.*/\1/p' <<<"$stats")" \
      'BEGIN { printf "%.1f%% %s", n ? 100 * yes / n : 0, us }'
}

printf '%-8s %17s %8s %8s %7s %7s %8s | %-28s\n' language "headwords kept" layout "size KB" top300 top3000 "us/look" \
  "compact: kept top300 top3000 KB"
for entry in "${languages[@]}"; do
  IFS='|' read -r name codepage source <<<"$entry"
  if [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -qix "$name"; then continue; fi
  vlt="$data/$name.vlt"
  text="$sources/$name.thesaurus"
  if [ ! -f "$vlt" ] || [ ! -f "$text" ]; then echo "$name: skipped, $vlt is missing (./vx dictionaries $name)"; continue; fi
  raw_text "$source" > "$work/$name.text"
  if [ "$(wc -w < "$work/$name.text")" -lt 20000 ]; then echo "$name: too little text from $source"; continue; fi
  python3 -c "$python_common" "$text" 300 < "$work/$name.text" > "$work/$name.300"
  python3 -c "$python_common" "$text" 3000 < "$work/$name.text" > "$work/$name.3000"

  # Single-word headwords of the source against those the file answers.
  summary="$sources/$name.thesaurus.summary"
  eligible=$(python3 -c '
import re, sys
n = set()
for line in open(sys.argv[1], encoding="utf-8", errors="replace"):
    m = re.match(r"^([^|]+)\|(\d+)\s*$", line)
    if m and " " not in m.group(1).strip() and not re.search(r"\d", m.group(1)): n.add(m.group(1).strip())
print(len(n))' "$text")
  # As compiled (vlthes info also counts the capitalised forms added for look-ups).
  kept=$([ -f "$summary" ] && sed -n 's/.*: kept \([0-9]*\) of .*/\1/p' "$summary" | head -n 1)
  [ -n "$kept" ] || kept=$("$bin/vlthes" info --codepage "$codepage" "$vlt" | sed -n 's/^headwords: //p')
  layout=$("$bin/vlthes" info --codepage "$codepage" "$vlt" | sed -n 's/^layout: //p')
  size=$(( $(stat -c %s "$vlt") / 1024 ))
  read -r top300 us < <(measure "$vlt" "$work/$name.300" "$codepage")
  read -r top3000 _ < <(measure "$vlt" "$work/$name.3000" "$codepage")

  # The compact layout ranked by the manual pages' frequencies.
  compact="-"
  frequencies="$sources/$name.frequencies"
  if [ -s "$frequencies" ]; then
    # The list sizes data/dictionaries.sh --compact uses.
    lists=(--max-list 16 --max-other 3)
    case $name in German|Polish) lists=(--max-list 4 --max-other 0 --max-senses 3) ;; esac
    "$bin/vlthes" compile --codepage "$codepage" --name "$name" "${lists[@]}" \
      --compact --frequencies "$frequencies" "$text" "$work/$name.compact.vlt" > "$work/$name.compact.summary"
    ckept=$(sed -n 's/.*: kept \([0-9]*\) of .*/\1/p' "$work/$name.compact.summary" | head -n 1)
    read -r c300 _ < <(measure "$work/$name.compact.vlt" "$work/$name.300" "$codepage")
    read -r c3000 _ < <(measure "$work/$name.compact.vlt" "$work/$name.3000" "$codepage")
    compact="$ckept $c300 $c3000 $(( $(stat -c %s "$work/$name.compact.vlt") / 1024 ))"
  fi
  printf '%-8s %17s %8s %8s %7s %7s %8s | %-28s\n' "$name" "$kept/$eligible" "$layout" "$size" "$top300" "$top3000" "$us" "$compact"
  echo "         text: $source; $(wc -l < "$work/$name.300") + $(wc -l < "$work/$name.3000") common words" >&2
done
