#!/usr/bin/env bash
# Shows the running program playing loopback clips and writes screenshots beside the build:
#   player-video.png        the main window playing a video clip
#   player-sound.png        the main window playing a sound-only clip
#   player-fullscreen.png   the video in full screen
# Usage: look.sh WINDOWS_BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
win=$(realpath "$1")
clips=$("$here/make-bench-clips.sh" "$win/bench/clips")

exec "$top/tools/with-display.sh" bash -c '
  set -euo pipefail
  top=$1 win=$2 clips=$3
  . "$top/tools/wine-env.sh" "$win/wine-prefix"
  # A crash must end the run, not wait in the debugger.
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe=d"
  shoot() {  # clip, screenshot, [full]
    local ready
    ready=$(mktemp -u)
    wine "$win/bench/player_look.exe" "$(winepath -w "$1")" "$(winepath -w "$ready")" 4 ${3:-} &
    local pid=$!
    for _ in $(seq 600); do [ -e "$ready" ] && break; sleep 0.1; done
    sleep 1.5
    import -window root "$2"
    wait "$pid" || true
    rm -f "$ready"
    echo "look: $2"
  }
  shoot "$clips/large.wmv" "$win/player-video.png"
  shoot "$clips/radio.wma" "$win/player-sound.png"
  shoot "$clips/large.wmv" "$win/player-fullscreen.png" full
' _ "$top" "$win" "$clips"
