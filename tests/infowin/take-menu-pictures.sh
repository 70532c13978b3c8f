#!/usr/bin/env bash
# Opens the program's skinned menus one after the other under Wine (menu_gallery.exe), on a
# virtual display unless there is one, and saves a screenshot of each as PNG: in the stored
# skin and in each of the five skin files, one folder per skin under FOLDER (default
# build/win/menu-gallery): stored, 1 .. 5.
# Usage: tests/infowin/take-menu-pictures.sh [BUILD_TREE] [FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(realpath "${1:-$root/build/win}")
top=$(realpath -m "${2:-$build/menu-gallery}")
exec "$root/tools/with-display.sh" bash -c '
  . "$1/tools/wine-env.sh" "$2/wine-prefix"
  for skin in stored 1 2 3 4 5; do
    folder="$3/$skin"
    mkdir -p "$folder"
    skin_file=""
    [ "$skin" = stored ] || skin_file=$(winepath -w "$2/外观风格/$skin.skn")
    "$1/tools/take-screenshots.sh" "$folder" "" wine "$2/tests/menu_gallery.exe" \
      "$(winepath -w "$folder")" ${skin_file:+"$skin_file"} \
      || echo "take-menu-pictures: the gallery failed in skin $skin" >&2
  done
' _ "$root" "$build" "$top"
