#!/usr/bin/env bash
# Installs a build into a throw-away prefix and builds the examples against
# that prefix only, each out of tree with its own CMakeLists.txt, then runs
# them: EditCheck and LiveEdit under Wine, driven by vxexample_driver
# (windows); Silent, the portable one, natively (native).
#   package-test.sh windows BUILD_DIR TOOLCHAIN_FILE DRIVER_EXE VXWINE
#   package-test.sh native BUILD_DIR
set -euo pipefail
mode=$1 build=$2
examples="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="$build/package-test"
rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log"

build_example() {
  local name=$1; shift
  echo "== $name"
  cmake -S "$examples/$name" -B "$work/$name" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$work/prefix" "$@" >"$work/$name.configure.log" ||
    { cat "$work/$name.configure.log"; return 1; }
  cmake --build "$work/$name" >"$work/$name.build.log" 2>&1 ||
    { cat "$work/$name.build.log"; return 1; }
}

if [ "$mode" = native ]; then
  build_example Silent
  out=$("$work/Silent/Silent")
  echo "$out"
  [ "$out" = "The quick brown fox jumps over the lazy dog" ]
  exit 0
fi

toolchain=$3 driver=$4 vxwine=$5
# Programs under Wine see the Linux root as drive Z:.
winpath() { echo "Z:$1" | tr / '\\'; }
status=0
for name in EditCheck LiveEdit; do
  build_example "$name" -DCMAKE_TOOLCHAIN_FILE="$toolchain" || status=1
done
[ $status = 0 ] || exit 1
timeout 120 "$vxwine" "$driver" editcheck "$(winpath "$work/EditCheck/EditCheck.exe")" || status=1
timeout 120 "$vxwine" "$driver" liveedit "$(winpath "$work/LiveEdit/LiveEdit.exe")" || status=1
# The examples keep settings and word lists in %AppData% and the registry:
# nothing is written beside the programs.
for f in "$work"/EditCheck/*.cfg "$work"/EditCheck/*.vl[ul] "$work"/LiveEdit/*.cfg "$work"/LiveEdit/*.vl[ul]; do
  if [ -e "$f" ]; then echo "FAILED: $f was written beside the program"; status=1; fi
done
exit $status
