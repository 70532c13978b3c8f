#!/usr/bin/env bash
# `make bench`: the native benchmarks, then the Windows figures under Wine: start-up, the
# number of child windows of the forms, skin element painting, the skin on the program's
# windows, the skinned scroll bar, the user's own channels, and the player on loopback.
# Usage: bench.sh NATIVE_BUILD_DIR WINDOWS_BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
native=$(realpath "$1")
win=$(realpath "$2")

shopt -s nullglob
for b in "$native"/bench/*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_min_time=0.2
done

echo "== start-up under Wine (load average: $(cut -d' ' -f1-3 /proc/loadavg))"
"$here/with-display.sh" bash -c '
  . "$1/wine-env.sh" "$2/wine-prefix"
  wine "$2/bench/startup_probe.exe" "$(winepath -w "$2/Telvana.exe")" \
    "$(winepath -w "$2/bench/minimal_window.exe")" "$3"
  echo "-- the same against an empty window that uses version 6 of the common controls"
  wine "$2/bench/startup_probe.exe" "$(winepath -w "$2/Telvana.exe")" \
    "$(winepath -w "$2/bench/minimal_window_v6.exe")" "$3"
' _ "$here" "$win" "${STARTUP_RUNS:-15}"

echo "== child windows of the forms under Wine"
"$here/with-display.sh" bash -c '
  . "$1/wine-env.sh" "$2/wine-prefix"
  wine "$2/bench/child_windows_probe.exe"
' _ "$here" "$win"

echo "== skin element painting under Wine"
"$here/with-display.sh" bash -c '
  . "$1/wine-env.sh" "$2/wine-prefix"
  wine "$2/bench/skin_paint_probe.exe"
' _ "$here" "$win"

echo "== the skin on the program's windows under Wine"
"$here/with-display.sh" bash -c '
  . "$1/wine-env.sh" "$2/wine-prefix"
  wine "$2/bench/skinned_windows_probe.exe"
' _ "$here" "$win"

echo "== the skinned scroll bar of the channel list under Wine"
"$here/with-display.sh" bash -c '
  . "$1/wine-env.sh" "$2/wine-prefix"
  wine "$2/bench/scroll_bar_probe.exe"
' _ "$here" "$win"

echo "== the user's own channels under Wine"
"$here/with-display.sh" bash -c '
  . "$1/wine-env.sh" "$2/wine-prefix"
  wine "$2/bench/user_channels_probe.exe"
' _ "$here" "$win"

echo "== player under Wine"
"$here/../bench/player/figures.sh" "$win"
