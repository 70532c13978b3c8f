# Sourced by the scripts that start Windows programs under Wine.
# Usage: . tools/wine-env.sh PREFIX   (PREFIX is a Wine prefix inside the build tree)
# Creates the prefix once (under a lock, so parallel tests do not race) and keeps the
# wine server alive between runs, which saves seconds on every start.
#
# The locale: by default zh_CN.UTF-8, code page 936 and Chinese weekday names, as on the
# users' systems; TELVANA_LOCALE=C.UTF-8 runs as on an English system (code page 1252). Wine
# writes the system's caption, menu and message fonts into a prefix when it creates it, in
# the locale of that moment, so every other locale gets a prefix of its own (PREFIX-LOCALE).
telvana_locale=${TELVANA_LOCALE:-zh_CN.UTF-8}
telvana_wine_prefix=$(realpath -m "$1")
if [ "$telvana_locale" != zh_CN.UTF-8 ]; then
  telvana_wine_prefix=$telvana_wine_prefix-$telvana_locale
fi
export WINEPREFIX=$telvana_wine_prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
export LC_ALL=$telvana_locale
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
  if [ ! -f "$WINEPREFIX/.telvana-font-link" ]; then
    # Windows shows Chinese in its own captions, menus and tooltips whatever the code page:
    # its interface faces (Tahoma, Microsoft Sans Serif, Segoe UI) are linked to Chinese faces
    # under the SystemLink key, and characters they lack come from those. Wine reads the same
    # key but has no Chinese face of its own to name there, so we name the installed one.
    # Wine looks a link up by the face's full name: bold Tahoma, the caption font, needs its own.
    chinese=$(fc-match -f '%{file}\n%{family[0]}' ':lang=zh-cn' 2>/dev/null || true)
    file=$(basename "$(printf '%s\n' "$chinese" | sed -n 1p)")
    family=$(printf '%s\n' "$chinese" | sed -n 2p)
    if [ -n "$family" ]; then
      for face in Tahoma 'Tahoma Bold' 'Microsoft Sans Serif' 'MS Sans Serif' 'Segoe UI'; do
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
          /v "$face" /t REG_MULTI_SZ /d "$file,$family" /f >/dev/null 2>&1 || true
      done
      # No waiting for the server to end here (it may be kept alive for other programs of
      # this prefix): it holds the new keys for every later program, and saves them when it
      # ends.
      touch "$WINEPREFIX/.telvana-font-link"
    fi
  fi
) 9>"$WINEPREFIX.lock"
# Start the server and Wine's own services here, with their output going nowhere: they
# outlive the program, and if they inherited its output they would hold a caller's pipe
# (CTest's, a shell's `| tail`) open until they exit.
wineserver -p 60 </dev/null >/dev/null 2>&1 || true
wine wineboot </dev/null >/dev/null 2>&1 || true
