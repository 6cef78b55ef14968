#!/usr/bin/env bash
# Builds the main dictionaries and thesauri of the user-interface languages
# into build/data from Debian's word lists, hunspell and mythes packages.
#   data/dictionaries.sh [NAME...]   only the named languages (German, Czech, ...)
#   data/dictionaries.sh --packages [NAME...]   the Debian packages they need
#   data/dictionaries.sh --compact [NAME...]    thesauri in the compact layout
# Each file is in its language's ANSI code page; words the code page lacks
# are left out. A word list or thesaurus too large for the compact layout of
# the files is written in the wide one, whole; --compact makes the thesauri
# compact anyway, keeping the headwords most frequent in the language's
# manual pages (build/dictionaries/NAME.frequencies). The native vldict and
# vlthes must be built first.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bin="$root/build/native/bin"
out="$root/build/data"
work="$root/build/dictionaries"
mkdir -p "$out" "$work"

# Main dictionaries: file, language identifier, code page, title, source.
# A source is a word list (one word a line) or "hunspell:NAME", a hunspell
# dictionary whose every form is listed by unmunch.
main_dictionaries=(
  "German|0x0407|1252|Deutsch|/usr/share/dict/ngerman"
  "French|0x040C|1252|Français|/usr/share/dict/french"
  "Spanish|0x0C0A|1252|Español|/usr/share/dict/spanish"
  "Swedish|0x041D|1252|Svenska|/usr/share/dict/swedish"
  "Danish|0x0406|1252|Dansk|/usr/share/dict/danish"
  "Dutch|0x0413|1252|Nederlands|/usr/share/dict/dutch"
  "Polish|0x0415|1250|Polski|/usr/share/dict/polish"
  "Brazilian|0x0416|1252|Português do Brasil|/usr/share/dict/brazilian"
  "Russian|0x0419|1251|Русский|hunspell:ru_RU"
  "Czech|0x0405|1250|Čeština|hunspell:cs_CZ"
  "Afrikaans|0x0436|1252|Afrikaans|hunspell:af_ZA"
)

# Thesauri: file, code page, name, mythes source, word list that headwords
# must be in (empty: any), list sizes, folder of /usr/share/man whose pages
# give the word frequencies, list sizes in the compact layout (empty: the
# same). Its 65536 letter nodes hold more headwords of the sources with long
# lists of phrases (German, Polish) when they keep shorter lists.
short_lists="--max-list 4 --max-other 0 --max-senses 3"
thesauri=(
  "English|1252|English|/usr/share/mythes/th_en_US_v2.dat||--max-list 16 --max-other 3|."
  "German|1252|Deutsch|/usr/share/mythes/th_de_DE_v2.dat||--max-list 16 --max-other 3|de|$short_lists"
  "Swedish|1252|Svenska|/usr/share/mythes/th_sv_SE_v2.dat||--max-list 16 --max-other 3|sv"
  "Danish|1252|Dansk|/usr/share/mythes/th_da_DK.dat||--max-list 16 --max-other 3|da"
  "Russian|1251|Русский|/usr/share/mythes/th_ru_RU_v2.dat||--max-list 16 --max-other 3|ru"
  "Czech|1250|Čeština|/usr/share/mythes/th_cs_CZ_v2.dat||--max-list 16 --max-other 3|cs"
  "Polish|1250|Polski|/usr/share/mythes/th_pl_PL_v2.dat||--max-list 16 --max-other 3|pl|$short_lists"
)

# wanted NAME [LANGUAGE...]: no languages asked means all.
wanted() {
  local name=$1; shift
  [ $# -eq 0 ] && return 0
  for w in "$@"; do [ "${w,,}" = "${name,,}" ] && return 0; done
  return 1
}

# The Debian packages each language's files come from.
declare -A language_packages=(
  [german]="wngerman mythes-de manpages-de" [french]="wfrench" [spanish]="wspanish"
  [swedish]="wswedish mythes-sv manpages-sv" [danish]="wdanish mythes-da manpages-da" [dutch]="wdutch"
  [polish]="wpolish mythes-pl manpages-pl" [brazilian]="wbrazilian"
  [russian]="hunspell-ru hunspell-tools mythes-ru manpages-ru"
  [czech]="hunspell-cs hunspell-tools mythes-cs manpages-cs"
  [afrikaans]="hunspell-af hunspell-tools" [english]="mythes-en-us wamerican manpages"
)

# Every language a file is built for, in the tables' spelling.
known_languages() {
  local entry
  for entry in "${main_dictionaries[@]}" "${thesauri[@]}"; do echo "${entry%%|*}"; done | awk '!seen[$0]++'
}

# --compact: every thesaurus in the compact layout.
compact=0
if [ "${1:-}" = "--compact" ]; then compact=1; shift; fi

# A name that is no language of the tables is an error, not a silent no-op.
for w in "$@"; do
  [ "$w" = "--packages" ] && continue
  if ! known_languages | grep -qix -- "$w"; then
    echo "dictionaries: no language '$w'; the languages are: $(known_languages | paste -sd' ')" >&2
    exit 2
  fi
done

# --packages [NAME...]: the packages the named languages (all: none named) need.
if [ "${1:-}" = "--packages" ]; then
  shift
  for name in $(known_languages); do
    if wanted "$name" "$@"; then echo "${language_packages[${name,,}]}"; fi
  done | tr ' ' '\n' | awk 'NF && !seen[$0]++' | paste -sd' '
  exit 0
fi

for tool in vldict vlthes; do
  [ -x "$bin/$tool" ] || { echo "dictionaries: $bin/$tool is not built" >&2; exit 1; }
done

# A text file as UTF-8: UTF-8 stays, anything else is read as ISO-8859-1.
to_utf8() {
  if iconv -f UTF-8 -t UTF-8 "$1" >/dev/null 2>&1; then cat "$1"; else iconv -f ISO-8859-1 -t UTF-8 "$1"; fi
}

# Every form of a hunspell dictionary, one a line, in UTF-8.
expand_hunspell() {
  local dic=/usr/share/hunspell/$1.dic aff=/usr/share/hunspell/$1.aff
  local encoding
  encoding=$(sed -n 's/^SET[[:space:]]\+\([^[:space:]]*\).*/\1/p' "$aff" | head -n 1)
  # unmunch leaves the flags of forms it cannot expand further after a '/'.
  unmunch "$dic" "$aff" 2>/dev/null | iconv -f "${encoding:-ISO-8859-1}" -t UTF-8 | cut -d/ -f1
}

status=0
for entry in "${main_dictionaries[@]}"; do
  IFS='|' read -r name lang codepage title source <<<"$entry"
  wanted "$name" "$@" || continue
  list="$work/$name.words"
  case $source in
    hunspell:*)
      command -v unmunch >/dev/null || { echo "dictionaries: unmunch is missing (hunspell-tools)" >&2; status=1; continue; }
      [ -f "/usr/share/hunspell/${source#hunspell:}.dic" ] || { echo "dictionaries: ${source#hunspell:} is not installed" >&2; status=1; continue; }
      expand_hunspell "${source#hunspell:}" | LC_ALL=C sort -u > "$list" ;;
    *)
      [ -f "$source" ] || { echo "dictionaries: $source is not installed" >&2; status=1; continue; }
      to_utf8 "$source" > "$list" ;;
  esac
  echo "== $name.vlm ($(wc -l < "$list") words in the source)"
  # The summary (words kept and dropped) is kept for the benchmarks.
  "$bin/vldict" compile --utf8 --codepage "$codepage" --lang "$lang" --title "$title" "$list" "$out/$name.vlm" \
    | tee "$work/$name.summary" || status=1
done

for entry in "${thesauri[@]}"; do
  IFS='|' read -r name codepage title source known lists man compact_lists <<<"$entry"
  wanted "$name" "$@" || continue
  # Word frequencies of the language's manual pages: what the compact layout
  # keeps first, and kept for the benchmarks.
  frequencies="$work/$name.frequencies"
  if command -v python3 >/dev/null && [ -d "/usr/share/man/$man" ]; then
    python3 "$root/data/word_frequencies.py" "$man" > "$frequencies" || rm -f "$frequencies"
  fi
  frequency_args=()
  if [ "$compact" = 1 ]; then
    lists="${compact_lists:-$lists} --compact"
    [ -s "$frequencies" ] && frequency_args=(--frequencies "$frequencies")
  fi
  [ -f "$source" ] || { echo "dictionaries: $source is not installed" >&2; status=1; continue; }
  # The compiler reads UTF-8 sources: convert from the encoding on line one.
  text="$work/$name.thesaurus"
  encoding=$(head -n 1 "$source" | tr -d '\r' | sed 's/^\xEF\xBB\xBF//')
  { echo UTF-8; tail -n +2 "$source" | iconv -f "$encoding" -t UTF-8; } > "$text"
  known_args=()
  [ -n "$known" ] && [ -f "$known" ] && known_args=(--known "$known")
  echo "== $name.vlt"
  # shellcheck disable=SC2086  # the list options are words
  "$bin/vlthes" compile --codepage "$codepage" --name "$title" "${known_args[@]}" "${frequency_args[@]}" $lists \
    "$text" "$out/$name.vlt" | tee "$work/$name.thesaurus.summary" || status=1
done
# Word counts beside the main dictionaries, for the accurate suggestions.
bash "$root/tools/vlfreq/frequencies.sh" "$@" || true
exit $status
