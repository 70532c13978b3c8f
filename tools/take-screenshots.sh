#!/usr/bin/env bash
# Runs COMMAND (a gallery program under Wine, on the display there is) and takes a screenshot
# of the whole screen each time the program asks for one: it writes FOLDER/NAME.ready once the
# screen shows what it should and waits until that file is gone. The picture is saved as
# FOLDER/PREFIXNAME.png. Ends with the program's exit status.
# Usage: tools/take-screenshots.sh FOLDER PREFIX COMMAND [ARGUMENTS...]
set -uo pipefail
folder=$1 prefix=$2
shift 2
mkdir -p "$folder"
rm -f "$folder"/*.ready
"$@" &
pid=$!
while kill -0 "$pid" 2>/dev/null; do
  for ready in "$folder"/*.ready; do
    [ -e "$ready" ] || continue
    picture="$folder/$prefix$(basename "$ready" .ready).png"
    import -window root "$picture"
    rm -f "$ready"
    echo "picture: $picture"
  done
  sleep 0.2
done
wait "$pid"
