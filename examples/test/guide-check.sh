#!/usr/bin/env bash
# The README's guide quotes the examples: each ```cpp or ```cmake block of its "Using the
# components" section follows a line
#   <!-- code: examples/DIR/FILE.cpp#REGION [#REGION...] -->
# and must equal those regions of the file (between "[guide:REGION]" and
# "[/guide:REGION]" in a comment, indentation removed, regions separated by a blank
# line). The examples themselves are compiled by the package tests.
set -euo pipefail
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
readme="$root/README.md"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Splits the section into numbered blocks: block.N holds the code,
# source.N the marker line before it (empty when there is none).
awk -v dir="$work" '
  /^## / { inside = ($0 == "## Using the components") }
  !inside { next }
  /^```/ && !code {
    if ($0 == "```cpp" || $0 == "```cmake") { code = 1; n++; printf "%s", marker > (dir "/source." n); printf "" > (dir "/block." n) }
    else { fence = !fence }
    next
  }
  /^```/ && code { code = 0; marker = ""; next }
  code { print > (dir "/block." n); next }
  /^<!-- code: .* -->$/ { marker = $0; next }
  NF { marker = "" }
' "$readme"

region() {
  local file=$1 name=$2
  awk -v name="$name" '
    index($0, "[/guide:" name "]") { on = 0 }
    on { lines[n++] = $0 }
    index($0, "[guide:" name "]") { on = 1 }
    END {
      indent = 1000
      for (i = 0; i < n; i++) if (lines[i] ~ /[^ ]/) { match(lines[i], /^ */); if (RLENGTH < indent) indent = RLENGTH }
      for (i = 0; i < n; i++) print substr(lines[i], indent + 1)
    }' "$file"
}

status=0 blocks=0
for block in "$work"/block.*; do
  n=${block##*.}
  blocks=$((blocks + 1))
  marker=$(cat "$work/source.$n")
  if [ -z "$marker" ]; then
    echo "README.md: code block $n of the guide names no example region:" >&2
    head -3 "$block" >&2
    status=1
    continue
  fi
  where=${marker#<!-- code: }
  where=${where% -->}
  file=${where%%#*}
  names=${where#"$file"}
  : >"$work/expected"
  first=1
  for name in $names; do
    name=${name#\#}
    [ $first = 1 ] || echo >>"$work/expected"
    first=0
    if ! grep -qF "[guide:$name]" "$root/$file"; then
      echo "README.md: $file has no region $name" >&2
      status=1
    fi
    region "$root/$file" "$name" >>"$work/expected"
  done
  if ! diff -u "$work/expected" "$block" >"$work/diff"; then
    echo "README.md: code block $n differs from $where:" >&2
    cat "$work/diff" >&2
    status=1
  fi
done
[ "$blocks" -gt 0 ] || { echo "README.md: the guide has no code blocks" >&2; status=1; }
[ $status = 0 ] && echo "README.md: $blocks code blocks match the examples"
exit $status
