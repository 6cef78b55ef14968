#!/usr/bin/env bash
# Runs every benchmark: the *_bench programs of the native build, the
# *_win_bench programs of the Windows build (under Wine) and the *_bench.sh
# comparisons beside this script. Arguments go to the native ones.
set -u
here="$(cd "$(dirname "$0")" && pwd)"
bin="$here/../build/native/bin"
status=0
for exe in "$bin"/*_bench; do
  [ -x "$exe" ] || continue
  echo "== $(basename "$exe")"
  "$exe" "$@" || status=1
done
for exe in "$here/../build/win32/bin"/*_win_bench.exe; do
  [ -f "$exe" ] || continue
  echo "== $(basename "$exe" .exe) (Wine)"
  "$here/../cmake/vxwine" "$exe" || status=1
done
for script in "$here"/*_bench.sh; do
  [ -f "$script" ] || continue
  echo "== $(basename "$script")"
  bash "$script" "$@" || status=1
done
exit $status
