#!/usr/bin/env bash
# Draws the main window's two advertisement pictures and the window icon into forms/pictures/.
# The results are committed; run this again only to change them. Same inputs give the same bytes
# (no dates or tool names are stored in the files).
# Needs ImageMagick 6 (convert) and the WenQuanYi Micro Hei font (Debian fonts-wqy-microhei);
# installs both with apt-get when run as root and they are missing.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out="$here/../forms/pictures"
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc

missing=()
command -v convert >/dev/null || missing+=(imagemagick)
[ -f "$font" ] || missing+=(fonts-wqy-microhei)
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" = 0 ]; then
    apt-get install -y -qq "${missing[@]}" >/dev/null
  else
    echo "make-pictures: please install ${missing[*]}" >&2
    exit 1
  fi
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# The palette shared by all three pictures.
navy='#0A1F5C'
blue='#1D5BC8'
gold='#FFD24A'
orange='#FF8A00'
deep_orange='#F25C05'

# Writes a baseline JPEG without metadata, so that the bytes depend on the pixels alone.
# $1: input, $2: quality, $3: chroma sampling (1x1 keeps small coloured text sharpest),
# $4: output.
save_jpeg() {
  convert "$1" -strip -sampling-factor "$3" -quality "$2" -interlace none \
    -define jpeg:optimize-coding=true "jpeg:$4"
}

# A television with a play button, drawn large and scaled down by the caller. $1: output PNG
# (transparent background), $2: size in pixels (square), $3: colour of the antennae,
# $4: their thickness and $5 the radius of the play button, in hundredths of the size.
draw_tv() {
  local file=$1 s=$2 antenna=$3 thickness=$4 play=$5
  convert -size "${s}x${s}" xc:none \
    -stroke "$antenna" -strokewidth $((s * thickness / 100)) -fill none \
    -draw "line $((s * 36 / 100)),$((s * 20 / 100)) $((s * 22 / 100)),$((s * 4 / 100))" \
    -draw "line $((s * 64 / 100)),$((s * 20 / 100)) $((s * 78 / 100)),$((s * 4 / 100))" \
    -stroke none -fill "$antenna" \
    -draw "circle $((s * 22 / 100)),$((s * 4 / 100)) $((s * 25 / 100)),$((s * 4 / 100))" \
    -draw "circle $((s * 78 / 100)),$((s * 4 / 100)) $((s * 81 / 100)),$((s * 4 / 100))" \
    -fill '#0B1640' \
    -draw "roundrectangle $((s * 3 / 100)),$((s * 19 / 100)) $((s * 97 / 100)),$((s * 86 / 100)) $((s / 12)),$((s / 12))" \
    \( -size "$((s * 90 / 100))x$((s * 63 / 100))" gradient:'#F4F8FF-#9DB8E8' \) \
    -geometry "+$((s * 5 / 100))+$((s * 21 / 100))" -compose over -composite \
    "$file.frame.png"
  # the screen: a deep blue glass with a sheen, cut to rounded corners
  convert -size "$((s * 74 / 100))x$((s * 50 / 100))" gradient:'#1F6FE0-#06225E' \
    \( -size "$((s * 74 / 100))x$((s * 50 / 100))" xc:none -fill 'rgba(255,255,255,0.18)' \
       -draw "polygon 0,0 $((s * 74 / 100)),0 $((s * 74 / 100)),$((s * 8 / 100)) 0,$((s * 30 / 100))" \) \
    -compose over -composite \
    \( -size "$((s * 74 / 100))x$((s * 50 / 100))" xc:black -fill white \
       -draw "roundrectangle 0,0 $((s * 74 / 100 - 1)),$((s * 50 / 100 - 1)) $((s / 20)),$((s / 20))" \) \
    -alpha off -compose copy_opacity -composite "$file.screen.png"
  # the play button: an orange disc with a white triangle
  local r=$((s * play / 100)) cx=$((s * 50 / 100)) cy=$((s * 52 / 100))
  convert "$file.frame.png" "$file.screen.png" -geometry "+$((s * 10 / 100))+$((s * 26 / 100))" \
    -compose over -composite \
    -fill "$orange" -stroke white -strokewidth $((s / 60)) \
    -draw "circle $cx,$cy $((cx + r)),$cy" -stroke none -fill white \
    -draw "polygon $((cx - r * 35 / 100)),$((cy - r * 52 / 100)) $((cx - r * 35 / 100)),$((cy + r * 52 / 100)) $((cx + r * 58 / 100)),$cy" \
    -fill '#C9D8F2' \
    -draw "polygon $((s * 30 / 100)),$((s * 86 / 100)) $((s * 70 / 100)),$((s * 86 / 100)) $((s * 76 / 100)),$((s * 96 / 100)) $((s * 24 / 100)),$((s * 96 / 100))" \
    "$file"
}

# A rounded box filled with a vertical gradient. $1: output PNG, $2: width, $3: height,
# $4: corner radius, $5: top colour, $6: bottom colour.
rounded_box() {
  convert -size "$2x$3" gradient:"$5-$6" \
    \( -size "$2x$3" xc:black -fill white \
       -draw "roundrectangle 0,0 $(($2 - 1)),$(($3 - 1)) $4,$4" \) \
    -alpha off -compose copy_opacity -composite "$1"
}

# A thin horizontal line that fades out at both ends. $1: output PNG, $2: width, $3: colour.
fading_line() {
  local half=$(($2 / 2))
  convert \( -size 1x$half gradient:"none-$3" -rotate -90 \) \( +clone -flop \) +append "$1"
}

# The television of both banners: light antennae for their dark blue ground.
draw_tv "$work/tv.png" 400 '#D8E6FF' 2 17

# ---------------------------------------------------------------------------------------------
# Left column, 114 x 389.
left() {
  local w=114 h=389
  convert "$work/tv.png" -resize 84x84 "$work/tv-left.png"
  rounded_box "$work/badge.png" 66 24 11 "$gold" "$orange"
  rounded_box "$work/site.png" 98 50 8 "$orange" "$deep_orange"
  fading_line "$work/rule.png" 86 'rgba(255,255,255,0.7)'
  convert -size ${w}x${h} gradient:"$navy-$blue" \
    \( -size 220x220 radial-gradient:'#2F6FD0-black' \) -geometry -53-8 -compose screen -composite \
    -compose over \
    \( -size ${w}x3 gradient:"$gold-$orange" \) -geometry +0+0 -composite \
    "$work/tv-left.png" -geometry +15+58 -composite \
    "$work/badge.png" -geometry +24+150 -composite \
    "$work/rule.png" -geometry +14+254 -composite \
    "$work/site.png" -geometry +8+330 -composite \
    -font "$font" -gravity North \
    -fill white -stroke white -strokewidth 0.6 -pointsize 22 -annotate +0+7 'Korvane' \
    -fill "$gold" -stroke "$gold" -strokewidth 0.3 -pointsize 16 -annotate +0+34 '影视Telvana' \
    -stroke none -fill '#7A2E00' -pointsize 15 -annotate +0+152 '免费版' \
    -fill white -stroke white -strokewidth 0.4 -pointsize 21 -annotate +0+188 '精彩影视' \
    -fill "$gold" -stroke "$gold" -pointsize 21 -annotate +0+216 '想看就看' \
    -stroke none -fill white -pointsize 17 -stroke white -strokewidth 0.4 -annotate +0+333 '官方网站' \
    -stroke none -pointsize 11 -annotate +0+358 'www.korvane.cn' \
    -gravity NorthWest -pointsize 13 \
    -fill "$gold" -draw 'circle 27,271 30,271' -draw 'circle 27,291 30,291' \
    -draw 'circle 27,311 30,311' \
    -fill white -annotate +37+262 '海量频道' -annotate +37+282 '实时直播' -annotate +37+302 '永久免费' \
    "$work/left.png"
  save_jpeg "$work/left.png" 90 1x1 "$out/main_left.jpg"
}

# ---------------------------------------------------------------------------------------------
# Bottom banner, 746 x 134.
bottom() {
  local w=746 h=134
  convert "$work/tv.png" -resize 96x96 "$work/tv-bottom.png"
  rounded_box "$work/button.png" 132 38 19 "$gold" "$deep_orange"
  for tag in 影视播放 系统工具 办公软件 网络应用; do
    convert -size 78x22 xc:none -fill 'rgba(255,255,255,0.16)' -stroke 'rgba(255,255,255,0.45)' \
      -draw 'roundrectangle 0,0 77,21 10,10' -stroke none \
      -font "$font" -pointsize 13 -fill white -gravity center -annotate +0+0 "$tag" \
      "$work/tag-$tag.png"
  done
  convert "$work"/tag-影视播放.png "$work"/tag-系统工具.png "$work"/tag-办公软件.png \
    "$work"/tag-网络应用.png -background none -splice 8x0 +append -chop 8x0 "$work/tags.png"
  # the headline's soft shadow
  convert -size ${w}x${h} xc:none -font "$font" -gravity NorthWest -fill 'rgba(0,0,20,0.7)' \
    -stroke 'rgba(0,0,20,0.7)' -strokewidth 0.8 -pointsize 31 -annotate +150+18 'Korvane软件官方销售站' \
    -blur 0x2 "$work/shadow.png"
  convert -size ${h}x${w} gradient:"$blue-$navy" -rotate 90 \
    \( -size 260x260 radial-gradient:'#3A7BE0-black' \) -geometry -58-63 -compose screen -composite \
    -compose over \
    -fill 'rgba(255,255,255,0.07)' -draw "polygon 470,0 560,0 460,$h 370,$h" \
    -draw "polygon 585,0 615,0 515,$h 485,$h" \
    -fill 'rgba(255,255,255,0.06)' -draw 'circle 690,20 730,20' -draw 'circle 610,118 632,118' \
    -fill 'rgba(255,255,255,0.09)' -draw 'circle 742,104 758,104' -draw 'circle 540,14 548,14' \
    \( -size ${w}x3 gradient:"$gold-$orange" \) -geometry +0+0 -composite \
    \( -size ${w}x3 gradient:"$orange-$gold" \) -geometry +0+$((h - 3)) -composite \
    "$work/tv-bottom.png" -geometry +30+21 -composite \
    "$work/shadow.png" -geometry +0+0 -composite \
    "$work/tags.png" -geometry +152+96 -composite \
    "$work/button.png" -geometry +580+36 -composite \
    -font "$font" -gravity NorthWest \
    -fill white -stroke white -strokewidth 0.8 -pointsize 31 -annotate +150+18 'Korvane软件官方销售站' \
    -stroke "$gold" -strokewidth 0.3 -fill "$gold" -pointsize 19 \
    -annotate +152+60 '更多精品软件 尽在Korvane' \
    -stroke '#7A2E00' -strokewidth 0.4 -fill '#7A2E00' -pointsize 17 -annotate +606+44 '立即访问 ▶' \
    -stroke none -fill white -pointsize 15 -annotate +588+82 'shop.korvane.cn' \
    "$work/bottom.png"
  save_jpeg "$work/bottom.png" 88 2x1 "$out/main_bottom.jpg"
}

# ---------------------------------------------------------------------------------------------
# Window icon: 32 x 32, 256 colours with a transparency mask. Drawn with darker, thicker
# antennae than the banners' set and ringed with a dark outline, so that it reads on light and
# dark title bars alike. Edge pixels are either opaque or transparent: the icon's mask has no
# partial transparency, and half-transparent colours would leave a fringe.
icon() {
  draw_tv "$work/tv-icon-big.png" 480 '#33549E' 5 21
  convert "$work/tv-icon-big.png" -resize 30x30 -background none -gravity center -extent 32x32 \
    -channel A -threshold 50% +channel "$work/tv-icon.png"
  convert "$work/tv-icon.png" \( +clone -alpha extract -morphology Dilate Diamond:1 \
      -background "$navy" -alpha shape \) +swap -gravity center -compose over -composite \
    -channel A -threshold 50% +channel "$work/icon.png"
  convert "$work/icon.png" -dither None -colors 255 -type PaletteAlpha "ico:$out/telvana.ico"
}

left
bottom
icon
