#!/usr/bin/env bash
# The main dictionaries of the user-interface languages (./vx dictionaries)
# beside hunspell with Debian's dictionary of the same language, one row a
# language:
#  - words kept and dropped to fit the format, file size, nodes, load time
#    and look-ups per second over the words of a real text;
#  - the share of that text's words each checker accepts, and the share of
#    the words hunspell accepts that ours rejects ("vx rej");
#  - suggestions for misspellings made by one, and by two, random edits of
#    words from the held-out second half of the text (words both checkers
#    accept, edits both reject): first and top-five accuracy and the median
#    answer time of vxspell's accurate mode (its default), its standard mode
#    (--suggestions=standard), hunspell and, where its dictionary of the
#    language is installed, aspell. A second row per language has the
#    two-edit figures.
# Texts are what Debian packages offer in each language: fortune cookies
# (fortunes-de, -es, -ru, -pl, -cs), manual pages (manpages-fr, -sv, -da,
# -nl, -pt-br) and, for Afrikaans, the system's message translations.
# Languages whose dictionary, hunspell dictionary or text is missing are
# skipped with a note. Arguments that name languages (German Czech ...)
# choose those rows.
set -u
here="$(cd "$(dirname "$0")" && pwd)"
root="$here/.."
bin="${VX_BENCH_BIN:-$root/build/native/bin}"
data="$root/build/data"
sources="$root/build/dictionaries"
work="$root/build/bench/languages"
mkdir -p "$work"
words_per_text=${VX_BENCH_TEXT_WORDS:-60000}
misspellings=${VX_BENCH_MISSPELLINGS:-150}

command -v hunspell >/dev/null || { echo "languages: hunspell is not installed"; exit 0; }
command -v python3 >/dev/null || { echo "languages: python3 is needed"; exit 0; }
for tool in vxspell vldict pipe_timer dictionary_timer; do
  [ -x "$bin/$tool" ] || { echo "languages: $tool is not built"; exit 1; }
done

# name, code page, hunspell dictionary, text source
languages=(
  "German|1252|de_DE|fortunes:de"
  "French|1252|fr_FR|man:fr"
  "Spanish|1252|es_ES|fortunes:es"
  "Swedish|1252|sv_SE|man:sv"
  "Danish|1252|da_DK|man:da"
  "Dutch|1252|nl_NL|man:nl"
  "Polish|1250|pl_PL|fortunes:pl"
  "Brazilian|1252|pt_BR|man:pt_BR"
  "Russian|1251|ru_RU|fortunes:ru"
  "Czech|1250|cs_CZ|fortunes:cs"
  "Afrikaans|1252|af_ZA|messages:af"
)

# The raw text of a source, UTF-8.
raw_text() {
  case $1 in
    fortunes:*) find "/usr/share/games/fortunes/${1#fortunes:}" -maxdepth 1 -type f ! -name '*.dat' \
                  -exec cat {} + 2>/dev/null | grep -av '^%$' ;;
    # Manual pages without their formatting requests and escapes.
    man:*) find "/usr/share/man/${1#man:}" -name '*.gz' 2>/dev/null | sort | head -n 400 |
             xargs -r zcat 2>/dev/null | grep -av '^[.'\'']' | sed -e 's/\\f[A-Z(]*//g' -e 's/\\[-&(e]..\?//g' ;;
    messages:*) for mo in /usr/share/locale/"${1#messages:}"/LC_MESSAGES/*.mo; do
                  msgunfmt --no-wrap "$mo" 2>/dev/null | sed -n 's/^msgstr\(\[[0-9]\]\)\? "\(.*\)"$/\2/p'
                done | sed 's/\\n/ /g' ;;
  esac
}

# Words of the text, one a line (runs of letters), the first N of them; the
# first half is measured, the second half held out for misspellings.
python_words='
import re, sys
text = sys.stdin.buffer.read().decode("utf-8", "replace")
words = re.findall(r"[^\W\d_]+", text)[: int(sys.argv[1])]
sys.stdout.write("\n".join(words) + "\n")
'
# Misspellings: N (the second argument) random insertions, deletions,
# substitutions or swaps of a held-out word, with letters of the language.
python_edits='
import random, sys
random.seed(19)
edits = int(sys.argv[2])
words = [w for w in open(sys.argv[1], encoding="utf-8").read().split() if len(w) >= 3 + edits]
letters = sorted({c for w in words for c in w.lower()})
def edit(w):
    i = random.randrange(len(w))
    kind = random.randrange(4)
    if kind == 0:
        return w[:i] + random.choice(letters) + w[i:]
    if kind == 1:
        return w[:i] + w[i + 1:]
    if kind == 2:
        return w[:i] + random.choice(letters) + w[i + 1:]
    i = min(i, len(w) - 2)
    return w[:i] + w[i + 1] + w[i] + w[i + 2:]
seen, out = set(), []
for w in words:
    if w in seen:
        continue
    seen.add(w)
    e = w
    for _ in range(edits):
        e = edit(e)
    if e != w:
        out.append(e + "\t" + w)
random.shuffle(out)
sys.stdout.write("\n".join(out) + "\n")
'
# aspell's dictionary names, where they differ from hunspell's.
declare -A aspell_names=([de_DE]=de [fr_FR]=fr [es_ES]=es [sv_SE]=sv [da_DK]=da [nl_NL]=nl
                         [pl_PL]=pl [pt_BR]=pt_BR [ru_RU]=ru [cs_CZ]=cs [af_ZA]=af)

printf '%-12s %9s %9s %8s %7s %7s %9s | %6s %6s %6s | %-22s | %-22s | %-22s | %-22s\n' language kept dropped "size KB" nodes "load ms" "look-up/s" \
  "vx acc" "hs acc" "vx rej" "accurate 1st/top5/ms" "standard 1st/top5/ms" "hunspell 1st/top5/ms" "aspell 1st/top5/ms"
for entry in "${languages[@]}"; do
  IFS='|' read -r name codepage hunspell_name source <<<"$entry"
  # Arguments that name languages choose those rows only.
  if [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -qix "$name"; then continue; fi
  dict="$data/$name.vlm"
  if [ ! -f "$dict" ]; then echo "$name: skipped, $dict is missing (./vx dictionaries $name)"; continue; fi
  # The comparison needs hunspell's own dictionary of the language, which no
  # command here installs: say which file is missing.
  if [ ! -f "/usr/share/hunspell/$hunspell_name.dic" ]; then
    echo "$name: skipped, no hunspell dictionary /usr/share/hunspell/$hunspell_name.dic to compare with"
    continue
  fi
  vx=("$bin/vxspell" -d "$dict" -i utf-8)
  hs=(hunspell -d "/usr/share/hunspell/$hunspell_name" -i utf-8)

  all="$work/$name.words"
  raw_text "$source" | python3 -c "$python_words" "$words_per_text" > "$all"
  total=$(wc -l < "$all")
  if [ "$total" -lt 1000 ]; then echo "$name: too little text from $source"; continue; fi
  half=$(( total / 2 ))
  head -n "$half" "$all" > "$work/$name.measured"
  tail -n +"$(( half + 1 ))" "$all" > "$work/$name.heldout"

  # Acceptance: the share of the measured words neither checker lists.
  "${vx[@]}" -l < "$work/$name.measured" > "$work/$name.vx_flagged"
  "${hs[@]}" -l < "$work/$name.measured" > "$work/$name.hs_flagged"
  vx_flagged=$(wc -l < "$work/$name.vx_flagged")
  hs_flagged=$(wc -l < "$work/$name.hs_flagged")
  # Words hunspell accepts that ours flags, as a share of what hunspell accepts.
  vx_rej=$(awk -v n="$half" -v h="$hs_flagged" 'NR == FNR { hs[$0] = 1; next } !($0 in hs) { ++r }
             END { printf "%.2f%%", (n > h ? 100 * r / (n - h) : 0) }' "$work/$name.hs_flagged" "$work/$name.vx_flagged")
  vx_acc=$(awk -v f="$vx_flagged" -v n="$half" 'BEGIN { printf "%.1f%%", 100 * (n - f) / n }')
  hs_acc=$(awk -v f="$hs_flagged" -v n="$half" 'BEGIN { printf "%.1f%%", 100 * (n - f) / n }')

  # Held-out words both accept, misspelled so that both reject them.
  sort -u "$work/$name.heldout" > "$work/$name.heldout.unique"
  { "${vx[@]}" -l < "$work/$name.heldout.unique"; "${hs[@]}" -l < "$work/$name.heldout.unique"; } | sort -u > "$work/$name.unknown"
  grep -vxF -f "$work/$name.unknown" "$work/$name.heldout.unique" | shuf --random-source=<(yes) > "$work/$name.known"
  score() {  # "first/top5/median" of pipe_timer's line
    awk '{ for (i = 1; i < NF; ++i) { if ($i == "first") f = $(i + 1); if ($i == "top5") t = $(i + 1); if ($i == "median_ms") m = $(i + 1) }
           printf "%s/%s/%.2f", f, t, m }'
  }
  as=()
  aspell_name=${aspell_names[$hunspell_name]:-}
  if command -v aspell >/dev/null && [ -n "$aspell_name" ] && aspell dump dicts 2>/dev/null | grep -qx "$aspell_name"; then
    as=(aspell --lang="$aspell_name" --encoding=utf-8)
  fi
  declare -A sugg=()
  for edits in 1 2; do
    pairs="$work/$name.$edits.pairs"
    python3 -c "$python_edits" "$work/$name.known" "$edits" > "$work/$name.edits"
    cut -f1 "$work/$name.edits" > "$work/$name.edited"
    { "${vx[@]}" -l < "$work/$name.edited"; "${hs[@]}" -l < "$work/$name.edited"; } | sort | uniq -d > "$work/$name.rejected"
    awk -F'\t' 'NR == FNR { bad[$1] = 1; next } ($1 in bad)' "$work/$name.rejected" "$work/$name.edits" |
      head -n "$misspellings" > "$pairs"
    sugg[vx$edits]=$("$bin/pipe_timer" "$pairs" -- "${vx[@]}" -a | score)
    sugg[std$edits]=$("$bin/pipe_timer" "$pairs" -- "${vx[@]}" -a --suggestions=standard | score)
    sugg[hs$edits]=$("$bin/pipe_timer" "$pairs" -- "${hs[@]}" -a | score)
    sugg[as$edits]="-"
    [ ${#as[@]} -gt 0 ] && sugg[as$edits]=$("$bin/pipe_timer" "$pairs" -- "${as[@]}" -a | score)
  done

  summary="$sources/$name.summary"
  kept=$("$bin/vldict" info "$dict" | sed -n 's/^words: //p')
  nodes=$("$bin/vldict" info "$dict" | sed -n 's/^nodes: //p')
  dropped=$([ -f "$summary" ] && sed -n 's/.*dropped \([0-9]*\).*/\1/p' "$summary" || echo "?")
  size=$(( $(stat -c %s "$dict") / 1024 ))
  read -r _ load _ lookups _ < <("$bin/dictionary_timer" "$dict" "$codepage" "$work/$name.measured")
  printf '%-12s %9s %9s %8s %7s %7s %9s | %6s %6s %6s | %-22s | %-22s | %-22s | %-22s\n' "$name" "$kept" "$dropped" "$size" "$nodes" "$load" "$lookups" \
    "$vx_acc" "$hs_acc" "$vx_rej" "${sugg[vx1]}" "${sugg[std1]}" "${sugg[hs1]}" "${sugg[as1]}"
  printf '%-12s %9s %9s %8s %7s %7s %9s | %6s %6s %6s | %-22s | %-22s | %-22s | %-22s\n' "  two edits" "" "" "" "" "" "" \
    "" "" "" "${sugg[vx2]}" "${sugg[std2]}" "${sugg[hs2]}" "${sugg[as2]}"
  echo "             text: $source, $half words measured, $(wc -l < "$work/$name.1.pairs") + $(wc -l < "$work/$name.2.pairs") misspellings" >&2
done
