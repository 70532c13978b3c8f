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
mkdir -p "$folder"
rm -f "$folder"/*.ready

exec "$top/tools/with-display.sh" bash -c '
  set -euo pipefail
  top=$1 win=$2 clips=$3 folder=$4
  . "$top/tools/wine-env.sh" "$win/wine-prefix"
  # A crash must end the run, not wait in the debugger.
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe=d"
  wine "$win/bench/connection_look.exe" "$(winepath -w "$clips/large.wmv")" "$(winepath -w "$folder")" &
  pid=$!
  while kill -0 "$pid" 2>/dev/null; do
    for ready in "$folder"/*.ready; do
      [ -e "$ready" ] || continue
      name=$(basename "$ready" .ready)
      import -window root "$folder/$name.png"
      rm -f "$ready"
      echo "connection-look: $folder/$name.png"
    done
    sleep 0.2
  done
  wait "$pid"
' _ "$top" "$win" "$clips" "$folder"
