#!/usr/bin/env bash
# Runs every ```sh block of the README's tool sections as written, each in
# one shell that stops at the first failing command, and checks that
# ./vx help lists every command ./vx has.
#   readme_commands.sh SOURCE_ROOT TOOLS_BIN DATA_DIR
# The blocks run in a scratch folder laid out like the tree (build/native/bin,
# build/data): the tools are copied there, the built data files linked, and
# language files that this tree has not built (./vx dictionaries needs the
# network) are small stand-ins made with the same tools.
set -euo pipefail
root=$1 bin=$2 data=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# ---- ./vx help names every command of ./vx
help=$("$root/vx" help) || { echo "FAIL: ./vx help exits $?"; failures=$((failures + 1)); }
commands=$(sed -n '/^main() {/,/^}/p' "$root/vx" | grep -oE '^    [a-z|-]+\)' | tr -d ' )' | tr '|' '\n' | grep -v '^-')
for c in $commands; do
  grep -qE "^  $c( |$)" <<<"$help" || { echo "FAIL: ./vx help does not list '$c'"; failures=$((failures + 1)); }
done

# ---- the scratch tree
mkdir -p "$scratch/build/native/bin" "$scratch/build/data"
cp "$bin/vxspell" "$bin/vldict" "$bin/vlthes" "$scratch/build/native/bin/"
for f in American.vlm British.vlm Brevant.vlt; do
  [ -f "$data/$f" ] && ln -s "$data/$f" "$scratch/build/data/$f"
done
tools="$scratch/build/native/bin"
# stand_in FILE: the data file of that name, or a small one with its words.
stand_in() {
  local file=$1 out="$scratch/build/data/$1"
  if [ -f "$data/$file" ]; then
    ln -s "$data/$file" "$out"
    return
  fi
  case $file in
    German.vlm) printf 'Liebe\nGrüße\naus\ndem\nHaus\nund\nGarten\nHerzliche\n' > "$scratch/w.txt"
                "$tools/vldict" compile --utf8 --lang 0x0407 --title Deutsch "$scratch/w.txt" "$out" >/dev/null ;;
    German.vlt) printf 'UTF-8\nHaus|1\n(Substantiv)|Gebäude|Heim|Wohnhaus\n' > "$scratch/t.dat"
                "$tools/vlthes" compile --name Deutsch "$scratch/t.dat" "$out" >/dev/null ;;
    Russian.vlt) printf 'UTF-8\nдом|1\n(сущ.)|здание|жилище\n' > "$scratch/t.dat"
                 "$tools/vlthes" compile --codepage 1251 --name Русский "$scratch/t.dat" "$out" >/dev/null ;;
    *) return 1 ;;
  esac
}
for f in German.vlm German.vlt Russian.vlt; do stand_in "$f"; done
# Language names are looked for beside the program too.
ln -s ../../data/German.vlm "$tools/German.vlm"
printf 'Liebe Grüße aus dem Haus und Garten\n' > "$scratch/brief.txt"

# ---- the blocks: ```sh ... ``` under "## Tools" and "## Dictionaries ..."
blocks="$scratch/blocks"
mkdir -p "$blocks"
awk -v dir="$blocks" '
  /^## / { tools = ($0 ~ /^## (Tools|Dictionaries)/) }
  tools && /^```sh$/ { n++; file = sprintf("%s/%02d.sh", dir, n); inside = 1; next }
  inside && /^```$/ { inside = 0; close(file); next }
  inside { print > file }
' "$root/README.md"
count=0
for block in "$blocks"/*.sh; do
  [ -e "$block" ] || continue
  count=$((count + 1))
  if ! (cd "$scratch" && bash -e -o pipefail "$block" </dev/null >"$block.out" 2>&1); then
    echo "FAIL: README block $(basename "$block" .sh) exits non-zero:"
    sed 's/^/    /' "$block"
    echo "  output:"
    sed 's/^/    /' "$block.out"
    failures=$((failures + 1))
  fi
done
[ $count -ge 2 ] || { echo "FAIL: found $count command blocks in the README's tool sections"; failures=$((failures + 1)); }
echo "readme_commands: $count blocks, $failures failures"
[ $failures -eq 0 ]
