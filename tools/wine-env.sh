# Sourced by the scripts that start Windows programs under Wine.
# Usage: . tools/wine-env.sh PREFIX   (PREFIX is a Wine prefix inside the build tree)
# Creates the prefix once (under a lock, so parallel tests do not race) and keeps the
# wine server alive between runs, which saves seconds on every start.
telvana_wine_prefix=$(realpath -m "$1")
export WINEPREFIX=$telvana_wine_prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# Code page 936 and Chinese weekday names, as on the users' systems.
export LC_ALL=zh_CN.UTF-8
mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  if [ ! -f "$WINEPREFIX/.telvana-ready" ]; then
    wineboot -i >/dev/null 2>&1 || true
    # Wine draws the window frames itself, as Windows does; on a virtual display there is
    # no window manager to draw them.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1 || true
    # Wine's own fonts (Marlett draws the caption buttons), where the prefix finds them.
    cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    wineserver -w
    touch "$WINEPREFIX/.telvana-ready"
  fi
) 9>"$WINEPREFIX.lock"
# Start the server and Wine's own services here, with their output going nowhere: they
# outlive the program, and if they inherited its output they would hold a caller's pipe
# (CTest's, a shell's `| tail`) open until they exit.
wineserver -p 60 </dev/null >/dev/null 2>&1 || true
wine wineboot </dev/null >/dev/null 2>&1 || true
