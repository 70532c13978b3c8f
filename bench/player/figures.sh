#!/usr/bin/env bash
# The player's figures under Wine: play to first picture, close in each state, processor
# time per second of a 640x480 clip at 25 frames a second; then reaching streams: a pair whose
# first connection refuses, RTSP over UDP and TCP, MP4 with its index at the end, HLS, https
# (MPEG-TS and HLS), and the gap when a live stream breaks and is opened again. Clips come
# from make-bench-clips.sh. Usage: figures.sh WINDOWS_BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
win=$(realpath "$1")
clips=$("$here/make-bench-clips.sh" "$win/bench/clips")
# Wine looks for a sound device through ALSA, which says at length that there is none.
"$top/tools/with-display.sh" bash -c '
  . "$1/tools/wine-env.sh" "$2/wine-prefix"
  wine "$2/bench/player_probe.exe" "$(winepath -w "$1/tests/player/data/clip.wmv")" \
    "$(winepath -w "$3/large.wmv")" 2> >(grep -v "^ALSA lib" >&2)
  wine "$2/bench/connection_probe.exe" "$(winepath -w "$1/tests/player/data")" \
    2> >(grep -v "^ALSA lib" >&2)
' _ "$top" "$win" "$clips"
