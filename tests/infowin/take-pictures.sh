#!/usr/bin/env bash
# Shows each information window over the main window under Wine, on a virtual display unless
# there is one, and saves a screenshot of each as PNG in FOLDER (default build/win/gallery).
# With SKIN_FILE (one of the build tree's skin files), the windows wear that skin instead of
# the main window's stored one.
# Usage: tests/infowin/take-pictures.sh [BUILD_TREE] [FOLDER] [SKIN_FILE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(realpath "${1:-$root/build/win}")
folder=$(realpath -m "${2:-$build/gallery}")
skin=${3:+$(realpath "$3")}
mkdir -p "$folder"
rm -f "$folder"/*.ready
exec "$root/tools/with-display.sh" bash -c '
  . "$1/tools/wine-env.sh" "$2/wine-prefix"
  windows_path() { echo "Z:$(echo "$1" | tr / \\\\)"; }
  wine "$2/tests/information_windows_gallery.exe" "$(windows_path "$3")" ${4:+"$(windows_path "$4")"} &
  pid=$!
  while kill -0 "$pid" 2>/dev/null; do
    for ready in "$3"/*.ready; do
      [ -e "$ready" ] || continue
      name=$(basename "$ready" .ready)
      import -window root "$3/$name.png"
      rm -f "$ready"
      echo "take-pictures: $3/$name.png"
    done
    sleep 0.2
  done
  wait "$pid"
' _ "$root" "$build" "$folder" "$skin"
