#!/usr/bin/env bash
# Tries vxinst as a user would: a throw-away Wine prefix of its own (never
# the tests' one) holding Delphi 5.0 and C++Builder 5.0 as their setup and a
# first start leave them, and an installer folder with the program beside
# Source, BPL and Help; then runs the program on your display.
#
#   installer/try.sh          set the machine up afresh and run vxinst
#   installer/try.sh --fail   the same, with one of C++Builder 5.0's help files
#                             missing, so that the installation fails
#   installer/try.sh --clean  remove the prefix
#
# After the program is closed it shows what the installer changed. Without a
# display it prepares the prefix and says so.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
base="$root/build/vxinst-try"
export VX_WINEPREFIX="$base/wineprefix"

fail=0
case "${1:-}" in
  "") ;;
  --fail) fail=1 ;;
  --clean)
    if [ -d "$VX_WINEPREFIX" ]; then
      WINEPREFIX="$VX_WINEPREFIX" wineserver -k </dev/null >/dev/null 2>&1 || true
    fi
    rm -rf "$base"
    echo "removed $base"
    exit 0
    ;;
  *) echo "usage: installer/try.sh [--fail|--clean]" >&2; exit 2 ;;
esac

# The environment of the other Wine runs (quiet, 64-bit, no Mono or Gecko
# installers), with this script's prefix.
# shellcheck source=../cmake/vxwine-session.sh
source "$root/cmake/vxwine-session.sh"

if [ ! -f build/win32/CMakeCache.txt ]; then
  cmake -S "$root" -B build/win32 -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
fi
cmake --build build/win32 -j2 --target vxinst >/dev/null

# ---- The prefix -------------------------------------------------------------------------------
mkdir -p "$base"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix $WINEPREFIX (a minute)..."
  wineboot -i </dev/null >/dev/null 2>&1 || true
  wineserver -w
fi
# Wine's own fonts draw the caption buttons and dialog texts.
if [ -d /usr/share/wine/fonts ] && [ ! -e "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
fi

drive="$WINEPREFIX/drive_c"
setup="$drive/Vexlor Setup"
delphi="$drive/Program Files (x86)/Borland/Delphi5"
builder="$drive/Program Files (x86)/Borland/CBuilder5"

# Text files as the IDEs and help compilers write them: CR LF line ends.
crlf() { printf '%s\r\n' "$@"; }

# ---- The installer folder: the program beside Source, BPL and Help ---------------------------
rm -rf "$setup"
mkdir -p "$setup/Source" "$setup/BPL" "$setup/Help"
cp build/win32/bin/vxinst.exe "$setup/"
cp source/*/*.h source/*/*.cpp "$setup/Source/"
for package in vexlor3_d5.bpl vexlor3_d5.dcp vexlor3db_d5.bpl vexlor3db_d5.dcp \
  vexlor3_cb5.bpl vexlor3_cb5.bpi vexlor3_cb5.lib vexlor3db_cb5.bpl vexlor3db_cb5.bpi \
  vexlor3db_cb5.lib; do
  echo "Stands in for the package $package built for this IDE." >"$setup/BPL/$package"
done
echo "Stands in for the suite's WinHelp file." >"$setup/Help/VexlorV3.hlp"
crlf ":Base VexlorV3.hlp" ":Title Vexlor 3" "1 Vexlor Spelling Check and Thesaurus Suite" \
  >"$setup/Help/VexlorV3.cnt"
crlf ":Title Vexlor 3" "1 Vexlor Spelling Check and Thesaurus Suite" >"$setup/Help/VexlorV3.toc"
echo "A stale help index." >"$setup/Help/VexlorV3.gid"

# ---- The IDEs' folders: their help contents and index files ----------------------------------
for ide in "$delphi:delphi5" "$builder:bcb5"; do
  folder="${ide%:*}"
  help="${ide##*:}"
  rm -rf "$folder"
  mkdir -p "$folder/Bin" "$folder/Lib" "$folder/Help"
  crlf ":Base $help.hlp" ":Title Help" ":Include $help.toc" >"$folder/Help/$help.cnt"
  crlf ":INCLUDE $help.toc" >"$folder/Help/$help.ohc"
  crlf ":Index Help =$help.hlp" >"$folder/Help/$help.ohi"
  crlf ":LINK $help.hlp" >"$folder/Help/$help.ohl"
  echo "A help index." >"$folder/Help/$help.gid"
done
if [ $fail = 1 ]; then rm "$builder/Help/bcb5.ohl"; fi

# ---- The registry: what each IDE's setup and its first start write ---------------------------
reg="$base/machine.reg"
cat >"$reg" <<'EOF'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Borland\Delphi\5.0]
"Version"="PRO"
"RootDir"="C:\\Program Files (x86)\\Borland\\Delphi5\\"

[HKEY_LOCAL_MACHINE\Software\Borland\C++Builder\5.0]
"Version"="STD"
"RootDir"="C:\\Program Files (x86)\\Borland\\CBuilder5\\"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\Help]

[HKEY_CURRENT_USER\Software\Borland\Delphi\5.0\Known Packages]
"$(DELPHI)\\Bin\\dclstd50.bpl"="Borland Standard Components"
"$(DELPHI)\\Bin\\dcldb50.bpl"="Borland Database Components"

[HKEY_CURRENT_USER\Software\Borland\Delphi\5.0\Disabled Packages]
"$(DELPHI)\\Bin\\dclado50.bpl"="Borland ADO DB Components"

[HKEY_CURRENT_USER\Software\Borland\Delphi\5.0\Library]
"Search Path"="$(DELPHI)\\Lib;$(DELPHI)\\Bin;$(DELPHI)\\Imports"
"Browsing Path"="$(DELPHI)\\Source\\Vcl;$(DELPHI)\\Source\\Rtl\\Sys"

[HKEY_CURRENT_USER\Software\Borland\C++Builder\5.0\Known Packages]
"$(BCB)\\Bin\\dclstd50.bpl"="Borland Standard Components"

[HKEY_CURRENT_USER\Software\Borland\C++Builder\5.0\Disabled Packages]

[HKEY_CURRENT_USER\Software\Borland\C++Builder\5.0\Library]
"Search Path"="$(BCB)\\Lib;$(BCB)\\Lib\\Obj"
"Browsing Path"="$(BCB)\\Source\\Vcl"
EOF
# A run before this one may have changed the keys: start from what the IDEs wrote.
for key in 'HKLM\Software\Borland' 'HKCU\Software\Borland'; do
  wine reg delete "$key" /f </dev/null >/dev/null 2>&1 || true
done
for value in VexlorV3.hlp VexlorV3.cnt VexlorV3.toc; do
  wine reg delete 'HKLM\Software\Microsoft\Windows\Help' /v "$value" /f \
    </dev/null >/dev/null 2>&1 || true
done
wine reg import "$reg" </dev/null >/dev/null 2>&1
wineserver -w

echo "Prepared: Delphi 5.0 in C:\\Program Files (x86)\\Borland\\Delphi5, C++Builder 5.0 in"
echo "C:\\Program Files (x86)\\Borland\\CBuilder5, the installer in C:\\Vexlor Setup"
echo "(on Linux: $drive)."

# ---- The program -----------------------------------------------------------------------------
if [ -z "${DISPLAY:-}" ]; then
  echo "installer/try.sh: no display (DISPLAY is not set), so vxinst was not started. Run this"
  echo "again from a desktop session; installer/screenshots.sh takes pictures of its pages"
  echo "without one."
  exit 1
fi
echo "Running vxinst; close its window to see what it changed."
wine "$setup/vxinst.exe" </dev/null || true

# ---- What it changed -------------------------------------------------------------------------
echo
echo "== Registry after the installer"
for key in 'HKCU\Software\Borland\Delphi\5.0\Known Packages' \
  'HKCU\Software\Borland\Delphi\5.0\Disabled Packages' \
  'HKCU\Software\Borland\Delphi\5.0\Library' \
  'HKCU\Software\Borland\C++Builder\5.0\Known Packages' \
  'HKCU\Software\Borland\C++Builder\5.0\Library' \
  'HKLM\Software\Microsoft\Windows\Help'; do
  wine reg query "$key" </dev/null 2>/dev/null | tr -d '\r' | sed '/^$/d'
done
echo
echo "== Files"
for folder in "$setup/Source/d5" "$setup/Source/cb5"; do
  if [ -d "$folder" ]; then
    echo "${folder#"$drive/"}: $(find "$folder" -maxdepth 1 -type f | wc -l) files," \
      "packages: $(cd "$folder" && ls -- *.bpl 2>/dev/null | tr '\n' ' ')"
  fi
done
for file in "$delphi/Help/delphi5.ohl" "$builder/Help/bcb5.ohl"; do
  [ -f "$file" ] || continue
  echo "${file#"$drive/"}:"
  tr -d '\r' <"$file" | sed 's/^/    /'
done
wineserver -k </dev/null >/dev/null 2>&1 || true
