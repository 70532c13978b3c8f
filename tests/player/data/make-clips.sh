#!/usr/bin/env bash
# Makes the small clips the player's tests serve from their loopback servers, with Debian's
# ffmpeg (package ffmpeg). The results are committed; run this again only to change them.
#   clip.wmv   Windows Media: WMV 8 video 320x240 at 25 frames a second and WMA 2 sound, 3 s
#   clip.rm    RealMedia: RealVideo 2 176x144 at 15 frames a second and RealAudio 1 sound, 2 s
#   radio.wma  Windows Media sound only (a radio channel), 2 s
#   clip.ts    MPEG transport stream (what RTSP servers of live channels send as RTP): MPEG-4
#              video 320x240 at 25 frames a second and MPEG audio layer 2, 4 s
#   clip.mp4   MP4 as a camera or an editor writes it, the index (moov) after the media
#              (mdat): MPEG-4 video 320x240 and AAC sound, 3 s
set -euo pipefail
cd "$(dirname "$0")"
common=(-hide_banner -loglevel error -y)
out=(-fflags +bitexact -flags +bitexact -map_metadata -1)
ffmpeg "${common[@]}" -f lavfi -i testsrc2=size=320x240:rate=25:duration=3 \
  -f lavfi -i sine=frequency=440:sample_rate=22050:duration=3 \
  -c:v wmv2 -g 75 -q:v 24 -c:a wmav2 -b:a 32k -ac 1 "${out[@]}" clip.wmv
ffmpeg "${common[@]}" -f lavfi -i testsrc2=size=176x144:rate=15:duration=2 \
  -f lavfi -i sine=frequency=440:sample_rate=8000:duration=2 \
  -c:v rv20 -g 30 -q:v 20 -c:a real_144 -ac 1 "${out[@]}" clip.rm
ffmpeg "${common[@]}" -f lavfi -i sine=frequency=330:sample_rate=22050:duration=2 \
  -c:a wmav2 -b:a 32k -ac 1 "${out[@]}" radio.wma
ffmpeg "${common[@]}" -f lavfi -i testsrc2=size=320x240:rate=25:duration=4 \
  -f lavfi -i sine=frequency=440:sample_rate=22050:duration=4 \
  -c:v mpeg4 -g 25 -q:v 20 -c:a mp2 -b:a 64k -ac 1 "${out[@]}" -f mpegts clip.ts
ffmpeg "${common[@]}" -f lavfi -i testsrc2=size=320x240:rate=25:duration=3 \
  -f lavfi -i sine=frequency=440:sample_rate=22050:duration=3 \
  -c:v mpeg4 -g 25 -q:v 20 -c:a aac -b:a 32k -ac 1 "${out[@]}" clip.mp4
