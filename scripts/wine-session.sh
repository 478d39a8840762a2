# Sourced by the scripts that run Windows programs. It makes a throwaway Wine
# prefix and a virtual display, keeps one Wine server alive for the whole run
# (a process then starts in half a second instead of several), and takes all
# of it down again. Never touches a developer's own prefix or display.

wine_session_start() {
  # Set below only when this session starts an Xvfb of its own, which is
  # then the only one that wine_session_stop ends.
  WINE_SESSION_XVFB=
  WINE_SESSION_DIR=$(mktemp -d /tmp/pellorin-wine.XXXXXX)
  export WINE_SESSION_DIR
  export WINEPREFIX="$WINE_SESSION_DIR/prefix" WINEARCH=win32 WINEDEBUG=-all
  # No Mono or Gecko: nothing here needs them, and asking for them hangs.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export LC_ALL="${LC_ALL:-zh_CN.UTF-8}"

  if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    # i386 code runs under qemu-user here; see scripts/ia32/mmap_noreplace.c.
    local shim="$WINE_SESSION_DIR/shim"
    mkdir -p "$shim/lib/i386-linux-gnu" "$shim/lib/x86_64-linux-gnu"
    gcc -m32 -O2 -shared -fPIC "$(dirname "${BASH_SOURCE[0]}")/ia32/mmap_noreplace.c" \
      -o "$shim/lib/i386-linux-gnu/libmmap_noreplace.so" -ldl
    # 64-bit processes (the Wine server) get an empty library of their own,
    # so that the loader has nothing to complain about.
    gcc -shared -fPIC -x c /dev/null -o "$shim/lib/x86_64-linux-gnu/libmmap_noreplace.so"
    export LD_PRELOAD="$shim/\$LIB/libmmap_noreplace.so"
  fi

  if [ -z "${WINE_SESSION_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
    local fd_file="$WINE_SESSION_DIR/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    WINE_SESSION_XVFB=$!
    local i
    for i in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.1; done
    export DISPLAY=":$(tr -d '\n' < "$fd_file")"
  fi

  wine wineboot -i >/dev/null 2>&1 </dev/null
  # No debugger on a crash: a crashed test program ends at once instead of
  # leaving winedbg waiting, and nothing below waits on it forever.
  wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f >/dev/null 2>&1 </dev/null
  timeout 120 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null || true
  wineserver -p
  # The first program after the server starts brings up Wine's services;
  # let that happen here, once. Without a window manager Wine waits two
  # seconds at every process exit for managed windows; unmanaged ones exit
  # at once. On a display of the user's own (WINE_SESSION_KEEP_DISPLAY) the
  # window manager keeps managing Wine's windows, focus and all.
  local managed=N
  [ -z "${WINE_SESSION_XVFB:-}" ] && managed=Y
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$managed" /f >/dev/null 2>&1 </dev/null
  # The dialogs ask for 宋体 (SimSun), which every Chinese Windows has. Wine
  # finds it by that name only while the locale is Chinese; under any other
  # it falls back to a font without Chinese glyphs, and the texts show as
  # boxes. Name the installed CJK font for both spellings.
  local face
  for face in 宋体 SimSun; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d 'WenQuanYi Zen Hei' /f >/dev/null 2>&1 </dev/null
  done
}

wine_session_stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
  [ -n "${WINE_SESSION_XVFB:-}" ] && kill "$WINE_SESSION_XVFB" 2>/dev/null || true
  [ -n "${WINE_SESSION_DIR:-}" ] && rm -rf "$WINE_SESSION_DIR"
  unset WINE_SESSION_DIR WINE_SESSION_XVFB
}
