# Sourced by ./vx and by vxwine: one Wine session for a whole run.
#  - a private WINEPREFIX in the build tree, created on first use;
#  - an Xvfb display on a free number when no DISPLAY is set;
#  - a persistent wineserver, detached from our standard streams (a server
#    that inherits CTest's pipes makes CTest wait for it for minutes).

vxwine_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# The prefix belongs to the build tree we run in (CTest runs tests inside it),
# so that separate trees never share, or stop, each other's wineserver; from
# the repository root it is build/win32's. A session exports its choice.
vxwine_find_prefix() {
  local dir=$PWD
  while [ "$dir" != / ] && [ -n "$dir" ]; do
    if [ -f "$dir/CMakeCache.txt" ] && grep -q '^CMAKE_TOOLCHAIN_FILE.*mingw' "$dir/CMakeCache.txt" 2>/dev/null; then
      echo "$dir/wineprefix"
      return
    fi
    dir=$(dirname "$dir")
  done
  echo "$vxwine_root/build/win32/wineprefix"
}
export WINEPREFIX="${VX_WINEPREFIX:-$(vxwine_find_prefix)}"
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko installers, no crash dialogs.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

vxwine_start_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  VXWINE_XVFB_PID=$!
  export DISPLAY=":$n"
  export VXWINE_OWN_DISPLAY=1
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
}

vxwine_init_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    # A prefix made before Wine's 32-bit side (wine32) was installed has no
    # 32-bit system folder, cannot be updated to have one, and with wine32
    # wine starts nothing in it, 64-bit programs included: it is made anew.
    # Only the build trees' own prefixes, never one the user named.
    if [ -x /usr/lib/wine/wine ] && [ -f "$WINEPREFIX/system.reg" ] &&
       [ ! -e "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ] &&
       [[ $WINEPREFIX == */build/*/wineprefix ]]; then
      wineserver -k </dev/null >/dev/null 2>&1 || true
      rm -rf "$WINEPREFIX"
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot -i </dev/null >/dev/null 2>&1 || true
      wineserver -w
    fi
    # Wine's own fonts (Marlett draws the caption buttons; MS Sans Serif,
    # Tahoma) come with the fonts-wine package, and this Wine reads them only
    # from the prefix's Fonts folder.
    if [ -d /usr/share/wine/fonts ] && [ ! -e "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
      cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
    # Wine draws the window frames and captions itself: under a bare Xvfb no
    # window manager would, and top-level windows would show without them.
    if ! grep -q '^"Decorated"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f \
        </dev/null >/dev/null 2>&1 || true
      wineserver -w
    fi
  ) 9>"$WINEPREFIX.lock"
}

vxwine_session_start() {
  export VX_WINEPREFIX="$WINEPREFIX"
  vxwine_start_display
  vxwine_init_prefix
  wineserver -p </dev/null >/dev/null 2>&1 || true
  # Start Wine's helper processes (services, explorer for the desktop) now,
  # detached; started by a test they would inherit CTest's pipes.
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
  wine rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1 || true
}

vxwine_session_stop() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  if [ -n "${VXWINE_XVFB_PID:-}" ]; then
    kill "$VXWINE_XVFB_PID" 2>/dev/null || true
    unset VXWINE_XVFB_PID
  fi
}
