#!/usr/bin/env bash
# Shows the running program meeting connection troubles on loopback servers (failing over,
# waiting to reconnect, an untrusted certificate, the connection details after a failed and
# after a successful opening) and saves a screenshot of each as PNG in FOLDER (default
# WINDOWS_BUILD_DIR/gallery/playback); see connection_look.cpp for the names.
# Usage: connection-look.sh WINDOWS_BUILD_DIR [FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
win=$(realpath "$1")
folder=$(realpath -m "${2:-$win/gallery/playback}")
clips=$("$here/make-bench-clips.sh" "$win/bench/clips")
exec "$top/tools/with-display.sh" bash -c '
  set -euo pipefail
  top=$1 win=$2 clips=$3 folder=$4
  . "$top/tools/wine-env.sh" "$win/wine-prefix"
  # A crash must end the run, not wait in the debugger.
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe=d"
  "$top/tools/take-screenshots.sh" "$folder" "" wine "$win/bench/connection_look.exe" \
    "$(winepath -w "$clips/large.wmv")" "$(winepath -w "$folder")"
' _ "$top" "$win" "$clips" "$folder"
