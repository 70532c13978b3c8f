#!/usr/bin/env bash
# Runs a Windows program under Wine with the build tree's own prefix.
# Usage: wine-run.sh PREFIX PROGRAM.exe [ARGS...]   (CTest's emulator for the Windows tree)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh" "$1"
shift
exec wine "$@"
