#!/usr/bin/env bash
# Cross-builds FFmpeg (libavformat, libavcodec, libswscale, libswresample, libavutil) for
# mingw-w64 from Debian's own source package into a cache keyed by the package version and
# the configuration, outside the build tree, so later builds reuse it. Only what the channel
# catalogue's streams need is configured in: MMS over HTTP and TCP, RTSP (with RealMedia's
# RDT), HTTP, HTTPS (through Windows' own TLS, SChannel), the ASF, RealMedia and a few common
# containers, and their audio and video decoders.
# Each configuration has a directory of its own (a short hash of it in the name), so build
# trees of different configurations use their builds side by side instead of rebuilding one
# directory in turn; the configuration is also recorded in the prefix.
# Prints the install prefix on its last line; the build's duration goes to stderr.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${TELVANA_CACHE:-$HOME/.cache/telvana}

"$here/ensure-deb-src.sh"
# awk reads to the end: leaving early would cut apt-cache off (SIGPIPE), which pipefail
# turns into a failure.
version=$(apt-cache showsrc ffmpeg | awk '/^Version:/ && !v {v = $2} END {print v}')
[ -n "$version" ] || { echo "build-ffmpeg: no source package for ffmpeg" >&2; exit 1; }

join() { local IFS=,; echo "$*"; }

protocols=(file http https tls tcp udp rtp mmsh mmst)
demuxers=(asf rm rtsp sdp rtp wav mp3 aac mov flv mpegts hls)
decoders=(
  # Windows Media
  wmv1 wmv2 wmv3 vc1 msmpeg4v1 msmpeg4v2 msmpeg4v3 wmav1 wmav2 wmapro wmavoice
  # RealMedia
  rv10 rv20 rv30 rv40 cook ra_144 ra_288 sipr atrac3
  # common streams and plain sound files
  mpeg4 h264 aac aac_latm mp3 mp3float mp2 mp2float
  pcm_s16le pcm_s16be pcm_u8 pcm_alaw pcm_mulaw adpcm_ms adpcm_ima_wav
)
parsers=(aac aac_latm h264 mpeg4video mpegaudio vc1 cook sipr rv30 rv40)

options=(
  --target-os=mingw32 --arch=x86_64 --enable-cross-compile
  --cross-prefix=x86_64-w64-mingw32- --cc=x86_64-w64-mingw32-gcc-posix
  --prefix=PREFIX
  --enable-static --disable-shared --disable-programs --disable-doc --disable-debug
  --disable-autodetect --enable-w32threads --enable-network --enable-schannel
  --disable-everything --disable-avdevice --disable-avfilter --disable-postproc
  --enable-avformat --enable-avcodec --enable-swscale --enable-swresample
  --enable-protocol="$(join "${protocols[@]}")"
  --enable-demuxer="$(join "${demuxers[@]}")"
  --enable-decoder="$(join "${decoders[@]}")"
  --enable-parser="$(join "${parsers[@]}")"
)
# FFmpeg's poll() for Windows (a select() underneath) does not watch the exception set of a
# socket that waits to connect, which is where Windows (and Wine) report a refused
# connection: a refused connection then looks like one that hangs, for the whole connect
# timeout. Watching it there makes a refusal fail at once.
poll_patch='s/if (fds\[i\]\.events \& POLLERR)$/if (fds[i].events \& (POLLERR | POLLOUT))/'

# FFmpeg's SChannel TLS checks the server's certificate itself, and does so unless told
# not to (see the patch).
tls_patch="$here/ffmpeg-schannel-verify.patch"

# The signature names the prefix by a placeholder: the prefix is made from it.
signature=$(printf '%s\n' "$version" "${options[@]}" "$poll_patch" "$(sha256sum <"$tls_patch")")
key=$(printf '%s' "$signature" | sha256sum | cut -c1-10)
prefix="$cache/ffmpeg-${version//:/_}-mingw64-$key"
options=("${options[@]/#--prefix=PREFIX/--prefix=$prefix}")

# One build at a time: parallel configure runs of several build trees wait for it, then
# find it done.
mkdir -p "$cache"
exec 9>"$cache/ffmpeg.lock"
flock 9

if [ ! -f "$prefix/.done" ] || [ "$(cat "$prefix/.done")" != "$signature" ]; then
  start=$(date +%s)
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  (cd "$work" && apt-get source -qq "ffmpeg=$version" >/dev/null 2>&1) \
    || { echo "build-ffmpeg: apt-get source ffmpeg failed" >&2; exit 1; }
  src=$(find "$work" -maxdepth 1 -type d -name 'ffmpeg-*' | head -n 1)
  sed -i "$poll_patch" "$src/libavformat/os_support.c"
  grep -q 'events & (POLLERR | POLLOUT)' "$src/libavformat/os_support.c" \
    || { echo "build-ffmpeg: the poll fix no longer applies to this FFmpeg" >&2; exit 1; }
  patch -s -p1 -d "$src" <"$tls_patch" \
    || { echo "build-ffmpeg: the TLS patch no longer applies to this FFmpeg" >&2; exit 1; }
  echo "build-ffmpeg: building FFmpeg $version for mingw-w64 (a few minutes, once)" >&2
  (cd "$src" && ./configure "${options[@]}") >"$work/configure.log" 2>&1 \
    || { tail -n 30 "$work/configure.log" >&2; exit 1; }
  # Two cores are shared with others: build politely.
  (cd "$src" && nice -n 10 make -j2) >"$work/build.log" 2>&1 \
    || { tail -n 30 "$work/build.log" >&2; exit 1; }
  rm -rf "$prefix"
  (cd "$src" && make install) >"$work/install.log" 2>&1 || { tail -n 30 "$work/install.log" >&2; exit 1; }
  printf '%s' "$signature" >"$prefix/.done"
  echo "build-ffmpeg: built in $(($(date +%s) - start)) s" >&2
fi
echo "$prefix"
