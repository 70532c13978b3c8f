#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and `make run` need, once.
# Safe to run again: it does nothing when everything is present.
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  cmake ninja-build make nasm dpkg-dev patch
  # Wine's TLS (SChannel) sits on GnuTLS, which Wine's packages only recommend.
  wine wine64 libgnutls30 fonts-wine xvfb x11-utils imagemagick
  # The https tests' TLS front (a native program).
  libssl-dev
  fonts-wqy-microhei fontconfig locales
  googletest libbenchmark-dev clang clang-format libclang-rt-14-dev libjpeg62-turbo-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: missing packages: ${missing[*]} (run as root, or install them)" >&2
    exit 1
  fi
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine shows the Chinese weekday names and code page 936 only under a zh_CN locale.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null
  else
    echo "setup: locale zh_CN.UTF-8 is missing (run as root)" >&2
    exit 1
  fi
fi
