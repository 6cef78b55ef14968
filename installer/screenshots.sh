#!/usr/bin/env bash
# Pictures of the installer's pages in build/screenshots/: TInstallForm-intro,
# -install and -finished (.png), and -failed and -install-failed for an
# installation in which steps failed; taken from the form under Wine.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
out="$root/build/screenshots"
mkdir -p "$out"
cmake --build build/win32 -j2 --target vxinst_test vxinst >/dev/null

pictures="$(mktemp -d)"
trap 'rm -rf "$pictures"' EXIT
# vxwine reuses a running session or brings up its own display and prefix.
VXINST_SCREENSHOTS="Z:${pictures//\//\\}" \
  "$root/cmake/vxwine" build/win32/bin/vxinst_test.exe --gtest_also_run_disabled_tests \
  --gtest_filter='*DISABLED_Screenshots' >/dev/null
for page in intro install finished failed install-failed; do
  convert "$pictures/TInstallForm-$page.bmp" "$out/TInstallForm-$page.png"
  echo "installer: $out/TInstallForm-$page.png"
done
