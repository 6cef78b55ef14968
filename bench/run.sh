#!/usr/bin/env bash
# Runs every benchmark: the *_bench programs of the native build and the
# *_bench.sh comparisons beside this script. Arguments go to each of them.
set -u
here="$(cd "$(dirname "$0")" && pwd)"
bin="$here/../build/native/bin"
status=0
for exe in "$bin"/*_bench; do
  [ -x "$exe" ] || continue
  echo "== $(basename "$exe")"
  "$exe" "$@" || status=1
done
for script in "$here"/*_bench.sh; do
  [ -f "$script" ] || continue
  echo "== $(basename "$script")"
  bash "$script" "$@" || status=1
done
exit $status
