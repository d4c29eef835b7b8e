#!/usr/bin/env bash
# Sourced: sets up the Wine prefix inside the build tree and a display.
# The prefix is created once; wineserver is kept alive between runs so that
# every start of a test executable is fast.
: "${MORVEX_BUILD_DIR:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}"
export WINEPREFIX="${WINEPREFIX:-$MORVEX_BUILD_DIR/wineprefix}"
# MORVEX_DPI (120, 144, ...): the display's scaling. Wine reads it from the
# registry once per process, so each setting has a prefix of its own beside
# the default one (96 dpi): tests at different settings can run side by side.
if [ -n "${MORVEX_DPI:-}" ] && [ "$MORVEX_DPI" != 96 ]; then
  case "$WINEPREFIX" in
    *-dpi"$MORVEX_DPI") ;;
    *) export WINEPREFIX="$WINEPREFIX-dpi$MORVEX_DPI" ;;
  esac
fi
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

wine_env_ready() {
  # One set-up at a time per prefix: test executables start in parallel.
  mkdir -p "$MORVEX_BUILD_DIR"
  local lock="$MORVEX_BUILD_DIR/.wine-env.lock"
  if [ -n "${MORVEX_DPI:-}" ] && [ "$MORVEX_DPI" != 96 ]; then lock="$lock-dpi$MORVEX_DPI"; fi
  exec 9>"$lock"
  flock 9
  wine_env_setup
  local rc=$?
  flock -u 9
  exec 9>&-
  return $rc
}

wine_env_setup() {
  # A scaled display is a larger screen (as on laptops, whose 125 % and
  # 150 % come with 1920 x 1080 pixels) and a virtual display of its own, also
  # when the caller runs on our default one: what runs there meets nothing
  # that runs on another display. A desktop's display stays the caller's.
  local suffix="" screen="1280x1024x24" ours=""
  if [ -n "${MORVEX_DPI:-}" ] && [ "$MORVEX_DPI" != 96 ]; then
    suffix="-dpi$MORVEX_DPI"
    screen="1920x1080x24"
    [ -f "$MORVEX_BUILD_DIR/.xvfb-display" ] && ours=":$(cat "$MORVEX_BUILD_DIR/.xvfb-display")"
  fi
  if [ -z "${DISPLAY:-}" ] || [ "$DISPLAY" = "$ours" ]; then
    local f="$MORVEX_BUILD_DIR/.xvfb-display$suffix"
    # A display whose server has gone (its socket may stay behind) is
    # started anew.
    if [ -f "$f" ] && [ -e "/tmp/.X11-unix/X$(cat "$f")" ] && xdpyinfo -display ":$(cat "$f")" >/dev/null 2>&1; then
      export DISPLAY=":$(cat "$f")"
    else
      local n
      for n in $(seq 91 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        mkdir -p "$MORVEX_BUILD_DIR"
        Xvfb ":$n" -screen 0 "$screen" -nolisten tcp </dev/null >/dev/null 2>&1 &
        echo $! > "$MORVEX_BUILD_DIR/.xvfb-pid$suffix"
        disown
        local i
        for i in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
        echo "$n" > "$f"
        export DISPLAY=":$n"
        break
      done
    fi
  fi
  if [ ! -f "$WINEPREFIX/.morvex-ready" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    # No crash dialogs: a crashing test must fail, not wait for a click.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.morvex-ready"
  fi
  # Start the server and Wine's own services once, detached from our output:
  # otherwise they inherit the caller's stdout and a pipe never closes. The
  # server then stays up between the short-lived test processes.
  # wineserver exits with 0 only when it was not running yet.
  if wineserver -p 900 </dev/null >/dev/null 2>&1; then
    wine wineboot </dev/null >/dev/null 2>&1
  fi
  if [ ! -f "$WINEPREFIX/.morvex-font-styles" ]; then
    # The UI fonts resolve to Liberation Sans here, which has no CJK glyphs:
    # link it to Noto CJK and DejaVu for the characters it lacks. Wine looks
    # the links up by the full name of the face it picked, so every style
    # needs its own entry ("Liberation Sans Bold" for bold text); the file
    # only names the family, whose matching weight Wine then uses. (A link on
    # Tahoma or MS Shell Dlg would make the CJK font the base font and lose
    # Czech and Polish letters.)
    # Written through the running server: waiting for it to exit here would
    # hang for as long as it is kept alive.
    local style
    for style in '' ' Bold' ' Italic' ' Bold Italic'; do
      wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v "Liberation Sans$style" /t REG_MULTI_SZ \
        /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK JP\0DejaVuSans.ttf,DejaVu Sans' /f </dev/null >/dev/null 2>&1
    done
    touch "$WINEPREFIX/.morvex-font-styles"
  fi
  if [ -n "${MORVEX_DPI:-}" ] && [ "$MORVEX_DPI" != 96 ] && [ ! -f "$WINEPREFIX/.morvex-dpi" ]; then
    # The user's setting and the machine's, as the display settings write them.
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$MORVEX_DPI" /f </dev/null >/dev/null 2>&1
    wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
      /v LogPixels /t REG_DWORD /d "$MORVEX_DPI" /f </dev/null >/dev/null 2>&1
    touch "$WINEPREFIX/.morvex-dpi"
  fi
  return 0
}

# Ends the Wine servers of the prefixes and the virtual displays we started.
wine_env_stop() {
  local prefix
  for prefix in "$WINEPREFIX" "$MORVEX_BUILD_DIR"/wineprefix-dpi*; do
    [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  done
  local p
  for p in "$MORVEX_BUILD_DIR"/.xvfb-pid*; do
    [ -f "$p" ] || continue
    kill "$(cat "$p")" >/dev/null 2>&1 || true
    rm -f "$p" "$MORVEX_BUILD_DIR/.xvfb-display${p##*/.xvfb-pid}"
  done
}
