#!/usr/bin/env bash
# Makes the small JPEG files that tests/ui/jpeg_decode_test.cpp decodes. The files are committed;
# run this only to change them, and then update the colours the test expects.
# Needs ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"

# 60 x 40, four flat quadrants: red, green / blue, white.
quadrants=(-size 60x40 xc:white
  -fill '#FF0000' -draw 'rectangle 0,0 29,19'
  -fill '#00A000' -draw 'rectangle 30,0 59,19'
  -fill '#0000FF' -draw 'rectangle 0,20 29,39')

convert "${quadrants[@]}" -strip -quality 90 -sampling-factor 2x2 -interlace none \
  jpeg:quadrants.jpg
convert "${quadrants[@]}" -strip -quality 90 -sampling-factor 1x1 -interlace JPEG \
  jpeg:quadrants-progressive.jpg
convert "${quadrants[@]}" -strip -quality 90 -colorspace CMYK -interlace none \
  jpeg:quadrants-cmyk.jpg

# 33 x 17 grey (odd sizes, one channel): grey 64 on the left 16 columns, grey 192 on the rest.
convert -size 33x17 xc:'gray(192)' -fill 'gray(64)' -draw 'rectangle 0,0 15,16' \
  -strip -quality 90 -colorspace Gray -type Grayscale -interlace none jpeg:gray.jpg
