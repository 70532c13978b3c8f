#!/usr/bin/env bash
# Shows the main window and a form with one control of every kind under Wine, on a virtual
# display unless there is one, in the stored skin and in each of the five skin files, and
# saves screenshots as FOLDER/SKIN-main.png and FOLDER/SKIN-controls.png (default folder
# build/win/gallery/controls).
# Usage: tests/skin/take-control-pictures.sh [BUILD_TREE] [FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(realpath "${1:-$root/build/win}")
folder=$(realpath -m "${2:-$build/gallery/controls}")
mkdir -p "$folder"
for skin in stored 1 2 3 4 5; do
  shot="$folder/$skin"
  mkdir -p "$shot"
  rm -f "$shot"/*.ready
  file=""
  [ "$skin" = stored ] || file="$build/外观风格/$skin.skn"
  "$root/tools/with-display.sh" bash -c '
    . "$1/tools/wine-env.sh" "$2/wine-prefix"
    windows_path() { echo "Z:$(echo "$1" | tr / \\\\)"; }
    wine "$2/tests/controls_gallery.exe" "$(windows_path "$3")" ${4:+"$(windows_path "$4")"} &
    pid=$!
    while kill -0 "$pid" 2>/dev/null; do
      for ready in "$3"/*.ready; do
        [ -e "$ready" ] || continue
        name=$(basename "$ready" .ready)
        import -window root "$3/../$5-$name.png"
        rm -f "$ready"
        echo "take-control-pictures: $3/../$5-$name.png"
      done
      sleep 0.2
    done
    wait "$pid"
  ' _ "$root" "$build" "$shot" "$file" "$skin"
  rmdir "$shot" 2>/dev/null || true
done
