#!/usr/bin/env bash
# Cross-builds libjpeg-turbo for mingw-w64 from Debian's own source package into a
# cache keyed by the package version, outside the build tree, so later builds reuse it.
# Prints the install prefix on its last line.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${TELVANA_CACHE:-$HOME/.cache/telvana}

"$here/ensure-deb-src.sh"
version=$(apt-cache showsrc libjpeg-turbo | awk '/^Version:/ {print $2; exit}')
[ -n "$version" ] || { echo "build-libjpeg: no source package for libjpeg-turbo" >&2; exit 1; }
prefix="$cache/libjpeg-turbo-${version//:/_}-mingw64"

if [ ! -f "$prefix/.done" ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  (cd "$work" && apt-get source -qq "libjpeg-turbo=$version" >/dev/null 2>&1) \
    || { echo "build-libjpeg: apt-get source libjpeg-turbo failed" >&2; exit 1; }
  src=$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
  cmake -S "$src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF \
    -DCMAKE_SYSTEM_PROCESSOR=AMD64 >"$work/configure.log" 2>&1 \
    || { tail -n 30 "$work/configure.log" >&2; exit 1; }
  cmake --build "$work/build" >"$work/build.log" 2>&1 || { tail -n 30 "$work/build.log" >&2; exit 1; }
  rm -rf "$prefix"
  cmake --install "$work/build" >/dev/null
  touch "$prefix/.done"
fi
echo "$prefix"
