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
  windows_path() { echo "Z:$(echo "$1" | tr / \\\\)"; }
  for skin in stored 1 2 3 4 5; do
    folder="$3/$skin"
    mkdir -p "$folder"
    rm -f "$folder"/*.ready
    skin_file=""
    [ "$skin" = stored ] || skin_file=$(windows_path "$2/外观风格/$skin.skn")
    wine "$2/tests/menu_gallery.exe" "$(windows_path "$folder")" ${skin_file:+"$skin_file"} &
    pid=$!
    while kill -0 "$pid" 2>/dev/null; do
      for ready in "$folder"/*.ready; do
        [ -e "$ready" ] || continue
        name=$(basename "$ready" .ready)
        import -window root "$folder/$name.png"
        rm -f "$ready"
        echo "take-menu-pictures: $folder/$name.png"
      done
      sleep 0.2
    done
    wait "$pid" || echo "take-menu-pictures: the gallery failed in skin $skin" >&2
  done
' _ "$root" "$build" "$top"
