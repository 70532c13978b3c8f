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
exec "$root/tools/with-display.sh" bash -c '
  . "$1/tools/wine-env.sh" "$2/wine-prefix"
  "$1/tools/take-screenshots.sh" "$3" "" wine "$2/tests/information_windows_gallery.exe" \
    "$(winepath -w "$3")" ${4:+"$(winepath -w "$4")"}
' _ "$root" "$build" "$folder" "$skin"
