#!/usr/bin/env bash
# Adds a deb-src entry for the running Debian suite, so that `apt-get source` can fetch
# the libraries we cross-build. Does nothing when source entries are already there.
set -euo pipefail
if apt-cache showsrc libjpeg-turbo 2>/dev/null | grep -q '^Version:'; then
  exit 0
fi
[ "$(id -u)" -eq 0 ] || { echo "ensure-deb-src: no deb-src entry and not root" >&2; exit 1; }
. /etc/os-release
cat >/etc/apt/sources.list.d/telvana-src.sources <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: ${VERSION_CODENAME} ${VERSION_CODENAME}-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
apt-get update -qq
