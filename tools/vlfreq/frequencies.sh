#!/usr/bin/env bash
# Word counts beside the main dictionaries of build/data (NAME.vlf next to
# NAME.vlm), counted by vlfreq in the system's message translations of each
# language: texts people read every day, and not the fortunes or manual
# pages the language benchmark misspells. A language without translations
# installed (Afrikaans here) keeps no counts; its suggestions rank by edits
# and sound alone.
#   tools/vlfreq/frequencies.sh [NAME...]   (all built dictionaries when none)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
bin="$root/build/native/bin"
data="$root/build/data"
if [ ! -x "$bin/vlfreq" ]; then
  cmake --build "$root/build/native" --target vlfreq >/dev/null || { echo "frequencies: vlfreq is not built" >&2; exit 1; }
fi
command -v msgunfmt >/dev/null || { echo "frequencies: msgunfmt (gettext) is missing" >&2; exit 1; }

declare -A locales=([German]=de [French]=fr [Spanish]=es [Swedish]=sv [Danish]=da [Dutch]=nl
                    [Polish]=pl [Brazilian]=pt_BR [Russian]=ru [Czech]=cs)
names=("$@")
[ ${#names[@]} -eq 0 ] && names=("${!locales[@]}")
for asked in "${names[@]}"; do
  # Names in any case, as data/dictionaries.sh takes them.
  name=""
  for known in "${!locales[@]}"; do [ "${known,,}" = "${asked,,}" ] && name=$known; done
  [ -n "$name" ] || continue
  locale=${locales[$name]}
  dict="$data/$name.vlm"
  [ -n "$locale" ] && [ -f "$dict" ] || continue
  shopt -s nullglob
  catalogs=(/usr/share/locale/"$locale"/LC_MESSAGES/*.mo)
  shopt -u nullglob
  [ ${#catalogs[@]} -gt 0 ] || { echo "frequencies: no $locale translations for $name" >&2; continue; }
  for mo in "${catalogs[@]}"; do
    msgunfmt --no-wrap "$mo" 2>/dev/null | sed -n 's/^msgstr\(\[[0-9]\]\)\? "\(.*\)"$/\2/p'
  done | sed 's/\\n/ /g' | "$bin/vlfreq" "$dict" "$data/$name.vlf" -
done
