#!/usr/bin/env bash
# `make run`: starts the program under Wine. On a desktop it runs until the user closes it;
# on a virtual display it runs for a few seconds, writes a screenshot and says where.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exe=$(realpath "$1")
build=$(dirname "$exe")
seconds=${RUN_SECONDS:-6}
shot=$build/screenshot.png

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  . "$here/wine-env.sh" "$build/wine-prefix"
  exec wine "$exe"
fi

exec "$here/with-display.sh" bash -c '
  . "$1/wine-env.sh" "$2/wine-prefix"
  wine "$3" &
  pid=$!
  sleep "$4"
  import -window root "$5"
  kill "$pid" 2>/dev/null || true
  wineserver -k >/dev/null 2>&1 || true
  echo "run: the program ran for $4 s on a virtual display; screenshot: $5"
' _ "$here" "$build" "$exe" "$seconds" "$shot"
