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
exec "$root/tools/with-display.sh" bash -c '
  . "$1/tools/wine-env.sh" "$2/wine-prefix"
  for skin in stored 1 2 3 4 5; do
    skin_file=""
    [ "$skin" = stored ] || skin_file=$(winepath -w "$2/外观风格/$skin.skn")
    "$1/tools/take-screenshots.sh" "$3" "$skin-" wine "$2/tests/controls_gallery.exe" \
      "$(winepath -w "$3")" ${skin_file:+"$skin_file"}
  done
' _ "$root" "$build" "$folder"
