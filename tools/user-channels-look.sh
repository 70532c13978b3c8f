#!/usr/bin/env bash
# Shows the user's own channels in the running program under Wine and writes screenshots into
# FOLDER (default build/win/user-channels): the menu 我的频道 with a few groups, the address
# window, the notice after a partly bad import, and a channel of the user's list playing a clip
# served on 127.0.0.1. The lists are kept in a temporary folder, never the user's.
# Usage: tools/user-channels-look.sh [WINDOWS_BUILD_DIR] [FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/.." && pwd)
win=$(realpath "${1:-$top/build/win}")
folder=$(realpath -m "${2:-$win/user-channels}")
mkdir -p "$folder"
clips=$("$top/bench/player/make-bench-clips.sh" "$win/bench/clips")

exec "$here/with-display.sh" bash -c '
  set -euo pipefail
  top=$1 win=$2 folder=$3 clips=$4
  . "$top/tools/wine-env.sh" "$win/wine-prefix"
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe=d"
  shoot() {  # what, [clip]
    local ready lists
    ready=$(mktemp -u)
    lists=$(mktemp -d)
    wine "$win/bench/user_channels_look.exe" "$1" "$(winepath -w "$lists")" \
      "$(winepath -w "$ready")" ${2:+"$(winepath -w "$2")"} &
    local pid=$!
    for _ in $(seq 900); do [ -e "$ready" ] && break; sleep 0.1; done
    sleep 1
    import -window root "$folder/$1.png"
    wait "$pid" || true
    rm -rf "$ready" "$lists"
    echo "user-channels-look: $folder/$1.png"
  }
  shoot menu
  shoot address
  shoot notice
  shoot playing "$clips/large.wmv"
' _ "$top" "$win" "$folder" "$clips"
