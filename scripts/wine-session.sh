# Sourced by the test and run scripts: a Wine prefix and an X display of our
# own for one run, and their orderly end.
#
#   wine_session_start DIR [fresh]   make (or reuse) the prefix DIR, start Xvfb
#                                    when needed, keep wineserver up
#   wine_session_stop                end what wine_session_start started
#
# HVT_WINE_ARCH=32 makes a 32-bit prefix for i686 programs (only where the
# machine executes IA-32 code: scripts/vm-i686.sh); otherwise the prefix is
# 64-bit, for the x86-64 builds.
#
# Everything started here is stopped by process id, never by name.

HVT_XVFB_PID="" HVT_KEEPER_PID=""

# Xvfb takes the first free display itself and names it (-displayfd), so
# that two sessions started at once never pick the same one.
wine_start_xvfb() {
  rm -f "$1/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$1/display" >"$1/xvfb.log" 2>&1 &
  HVT_XVFB_PID=$!
  local i n
  for i in $(seq 1 300); do
    n=$(cat "$1/display" 2>/dev/null || true)
    [ -n "$n" ] && [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
    kill -0 "$HVT_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  echo "Xvfb did not start (see $1/xvfb.log)" >&2
  return 1
}

wine_session_start() {
  local dir=$1 fresh=${2:-}
  mkdir -p "$dir"
  dir=$(cd "$dir" && pwd)
  export WINEPREFIX="$dir/prefix"
  if [ "${HVT_WINE_ARCH:-64}" = 32 ]; then
    export WINEARCH=win32 HVT_WINE=/usr/lib/wine/wine
  else
    export WINEARCH=win64 HVT_WINE=/usr/lib/wine/wine64 WINELOADER=/usr/lib/wine/wine64
  fi
  export WINEDEBUG=${WINEDEBUG:--all}
  # No Mono/Gecko prompts, no menu entries in the host's home, and no
  # debugger: a crash ends the process at once instead of hanging a test.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"

  if [ "${HVT_USE_DISPLAY:-}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
    :
  else
    wine_start_xvfb "$dir" || return 1
  fi

  local made=""
  if [ -n "$fresh" ] || [ ! -f "$WINEPREFIX/system.reg" ]; then
    rm -rf "$WINEPREFIX"
    made=1
  fi
  # One wineserver for the whole run (a session that ends between two
  # programs would run wineboot again); its children must not inherit the
  # caller's pipes.
  mkdir -p "$WINEPREFIX"
  wineserver -p >"$dir/wineserver.log" 2>&1 || true
  if [ -n "$made" ]; then
    "$HVT_WINE" wineboot -i >"$dir/wineboot.log" 2>&1 || { cat "$dir/wineboot.log"; return 1; }
    cat >"$dir/settings.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine]
"Version"="win95"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Auto"="1"
"Debugger"="no-debugger-here.exe"
REG
    "$HVT_WINE" regedit /S "Z:${dir//\//\\}\\settings.reg" >>"$dir/wineboot.log" 2>&1
    # Wine's own fonts (MS Sans Serif, Tahoma, ...), which Debian's Wine
    # does not look for where fonts-wine puts them: without them every face
    # falls back to DejaVu Sans, far wider than the fonts Windows 95 has.
    if [ -d /usr/share/wine/fonts ]; then
      cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
  fi
  # A Windows program that lives as long as the session (cmd reading a pipe
  # that nothing writes): without one, Wine ends its own processes (services,
  # plug and play, the desktop) whenever the last program ends, and the next
  # program waits until they have started again, which costs about 10 s in
  # the VM of scripts/vm-i686.sh.
  rm -f "$dir/keeper.in"; mkfifo "$dir/keeper.in"
  exec {HVT_KEEPER_FD}<>"$dir/keeper.in"
  "$HVT_WINE" cmd <"$dir/keeper.in" >"$dir/keeper.log" 2>&1 &
  HVT_KEEPER_PID=$!
  "$HVT_WINE" cmd /c exit >>"$dir/wineboot.log" 2>&1 </dev/null
}

wine_session_stop() {
  if [ -n "$HVT_KEEPER_PID" ]; then
    exec {HVT_KEEPER_FD}>&-
    kill "$HVT_KEEPER_PID" 2>/dev/null || true
    wait "$HVT_KEEPER_PID" 2>/dev/null || true
    HVT_KEEPER_PID=""
  fi
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "$HVT_XVFB_PID" ]; then
    kill "$HVT_XVFB_PID" 2>/dev/null || true
    wait "$HVT_XVFB_PID" 2>/dev/null || true
    HVT_XVFB_PID=""
  fi
}
