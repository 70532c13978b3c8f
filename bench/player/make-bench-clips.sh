#!/usr/bin/env bash
# Makes the clips of the player's figures and screenshots into a folder (once) with Debian's
# ffmpeg, and prints the folder:
#   large.wmv  640x480 at 25 frames a second, WMV 8 and WMA 2 stereo, 12 s
#   radio.wma  sound only, 12 s
# Installs Debian's ffmpeg when run as root and it is missing; without it, the small clips the
# tests ship stand in for them (and the figures say less).
set -euo pipefail
out=$1
data=$(cd "$(dirname "$0")/../../tests/player/data" && pwd)
mkdir -p "$out"
if [ ! -f "$out/large.wmv" ] || [ ! -f "$out/radio.wma" ]; then
  if ! command -v ffmpeg >/dev/null && [ "$(id -u)" = 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends ffmpeg >/dev/null 2>&1 \
      || echo "make-bench-clips: could not install ffmpeg" >&2
  fi
  if command -v ffmpeg >/dev/null; then
    ffmpeg -hide_banner -loglevel error -y -f lavfi -i testsrc2=size=640x480:rate=25:duration=12 \
      -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=12" -ac 2 \
      -c:v wmv2 -b:v 1200k -c:a wmav2 -b:a 96k "$out/large.wmv"
    ffmpeg -hide_banner -loglevel error -y -f lavfi -i "sine=frequency=330:sample_rate=44100:duration=12" -ac 2 \
      -c:a wmav2 -b:a 64k "$out/radio.wma"
  else
    echo "make-bench-clips: no ffmpeg; using the small test clips" >&2
    cp "$data/clip.wmv" "$out/large.wmv"
    cp "$data/radio.wma" "$out/radio.wma"
  fi
fi
echo "$out"
