#!/usr/bin/env bash
# Builds the HTML reference of the public headers (cmake/public-headers.txt)
# into OUT/html with Doxygen; fails, listing them, on any warning.
#   docs/reference.sh OUT
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out=$1
input=$(grep -v '^#' "$root/cmake/public-headers.txt" | awk 'NF { printf "%s/%s ", root, $1 }' root="$root")
version=$(sed -n 's/^project(Vexlor VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
rm -rf "$out"
mkdir -p "$out"
sed -e "s|@VERSION@|$version|" -e "s|@OUTPUT@|$out|" -e "s|@INPUT@|$input|" \
  "$root/docs/Doxyfile.in" >"$out/Doxyfile"
doxygen "$out/Doxyfile"
if [ -s "$out/warnings.log" ]; then
  cat "$out/warnings.log" >&2
  echo "reference: $(wc -l <"$out/warnings.log") Doxygen warnings (above)" >&2
  exit 1
fi
echo "reference: $out/html/index.html"
