#!/usr/bin/env bash
# Draws the pictures of the windows into forms/pictures/: the main window's two advertisements
# and its icon, and the pictures of the seven information windows.
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

# The palette shared by all the pictures.
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

# =============================================================================================
# The information windows' pictures. The advertisers are the program's own inventions; their
# addresses are those of app/site_addresses.h.

# A button: a rounded box with a gradient and a centred caption. $1: output, $2: width,
# $3: height, $4: caption, $5: size in points, $6: top colour, $7: bottom colour,
# $8: caption colour.
button_png() {
  rounded_box "$1.box.png" "$2" "$3" $(($3 / 2)) "$6" "$7"
  convert "$1.box.png" -font "$font" -pointsize "$5" -fill "$8" -stroke "$8" -strokewidth 0.4 \
    -gravity center -annotate +0+0 "$4" "$1"
}

# A pill-shaped tag: a translucent box with a light outline and a caption. $1: output,
# $2: width, $3: height, $4: caption, $5: size in points, $6: fill, $7: outline, $8: text.
tag_png() {
  convert -size "$2x$3" xc:none -fill "$6" -stroke "$7" \
    -draw "roundrectangle 0,0 $(($2 - 1)),$(($3 - 1)) $(($3 / 2)),$(($3 / 2))" -stroke none \
    -font "$font" -pointsize "$5" -fill "$8" -gravity center -annotate +0+0 "$4" "$1"
}

# A soft shadow of a picture's shape, to lay under it. $1: input, $2: output, $3: colour.
shadow_png() {
  convert "$1" -background "$3" -shadow 60x3+2+2 "$2"
}

# A numbered marker: an orange disc with a white rim and number. $1: output, $2: number.
marker_png() {
  convert -size 22x22 xc:none -fill "$deep_orange" -stroke white -strokewidth 2 \
    -draw 'circle 10.5,10.5 10.5,1.5' -stroke none -fill white -font "$font" -pointsize 13 \
    -gravity center -annotate +0+0 "$2" "$1"
}
# ---------------------------------------------------------------------------------------------
# Help window, the function layout: the main window in small, its parts numbered and named.
help_layout() {
  local w=473 h=369
  local sw=296 sh=242 sx=12 sy=38
  # the window in small, drawn at its own scale
  convert "$out/main_left.jpg" -resize 38x154\! "$work/s-left.png"
  convert "$out/main_bottom.jpg" -resize 292x44\! "$work/s-bottom.png"
  convert -size ${sw}x${sh} xc:'#ECE9D8' \
    \( -size $((sw - 2))x14 gradient:'#0A246A-#A6CAF0' -rotate -90 -rotate 90 \) -geometry +1+1 -compose over -composite \
    \( -size 14x$((sw - 2)) gradient:'#0A246A-#A6CAF0' -rotate -90 \) -geometry +1+1 -composite \
    -fill '#F5F4EE' -draw "rectangle 1,15 $((sw - 2)),26" \
    -fill '#FBFBFB' -draw "rectangle 2,28 $((sw - 3)),32" \
    -fill black -draw "rectangle 42,34 231,185" \
    \( -size 190x13 gradient:'#5C6E8C-#26324A' \) -geometry +42+172 -composite \
    -fill white -draw "rectangle 234,34 293,185" \
    "$work/s-left.png" -geometry +2+33 -composite \
    "$work/s-bottom.png" -geometry +2+187 -composite \
    -fill '#F5F4EE' -draw "rectangle 1,232 $((sw - 2)),$((sh - 2))" \
    -fill none -stroke '#7F9DB9' -draw "rectangle 0,0 $((sw - 1)),$((sh - 1))" -stroke none \
    -fill '#FFD24A' -draw 'rectangle 4,3 12,11' \
    -font "$font" -fill white -pointsize 9 -annotate +16+11 'Korvane影视Telvana——终身免费版' \
    -fill '#202020' -pointsize 8 -annotate +5+24 '精选频道  中央频道  省级频道  地方频道  港台频道  国外频道' \
    -fill '#90A4C8' -draw 'polygon 48,175 48,182 54,178.5' \
    -fill '#8FA0C0' -draw 'rectangle 60,178 200,179' -fill "$orange" -draw 'rectangle 60,178 110,179' \
    -fill '#1A2A80' -pointsize 7 \
    -annotate +237+43 '天津影视频道' -annotate +237+52 '海南影视娱乐' -annotate +237+61 '浙江影视文化' \
    -annotate +237+70 '江西影视频道' -annotate +237+79 '江苏影视频道' -annotate +237+88 '河北影视频道' \
    -annotate +237+97 '陕西影视频道' -annotate +237+106 '南京影视频道' -annotate +237+115 '石家庄影视' \
    -fill '#303030' -annotate +5+240 '正在播放：天津影视频道          现在时刻：2006年01月15日 星期日' \
    -fill 'rgba(255,255,255,0.85)' -pointsize 16 -annotate +128+118 '▶' \
    "$work/schematic.png"
  shadow_png "$work/schematic.png" "$work/schematic-shadow.png" '#203060'
  for n in 1 2 3 4 5 6; do marker_png "$work/m$n.png" "$n"; done
  rounded_box "$work/tip.png" 449 54 8 '#FFFFFF' '#EAF1FC'
  convert -size ${w}x${h} gradient:'#F7FAFF-#DDE7F6' \
    \( -size ${w}x3 gradient:"$gold-$orange" \) -geometry +0+0 -compose over -composite \
    "$work/schematic-shadow.png" -geometry +$((sx - 1))+$((sy - 1)) -composite \
    "$work/schematic.png" -geometry +$sx+$sy -composite \
    "$work/m1.png" -geometry +$((sx + 258))+$((sy + 10)) -composite \
    "$work/m2.png" -geometry +$((sx + 253))+$((sy + 125)) -composite \
    "$work/m3.png" -geometry +$((sx + 126))+$((sy + 64)) -composite \
    "$work/m4.png" -geometry +$((sx + 205))+$((sy + 163)) -composite \
    "$work/m5.png" -geometry +$((sx + 10))+$((sy + 178)) -composite \
    "$work/m6.png" -geometry +$((sx + 262))+$((sy + 222)) -composite \
    "$work/m1.png" -geometry +322+40 -composite \
    "$work/m2.png" -geometry +322+83 -composite \
    "$work/m3.png" -geometry +322+126 -composite \
    "$work/m4.png" -geometry +322+169 -composite \
    "$work/m5.png" -geometry +322+212 -composite \
    "$work/m6.png" -geometry +322+255 -composite \
    "$work/tip.png" -geometry +12+$((h - 62)) -composite \
    -font "$font" -gravity NorthWest \
    -fill "$navy" -stroke "$navy" -strokewidth 0.6 -pointsize 16 -annotate +14+10 '界面功能分布' \
    -stroke none -fill '#4A6490' -pointsize 11 -annotate +118+15 'Korvane影视Telvana 主窗口各部分一览' \
    -fill "$navy" -stroke "$navy" -strokewidth 0.4 -pointsize 14 \
    -annotate +350+38 '菜单栏' -annotate +350+81 '频道列表' -annotate +350+124 '播放窗口' \
    -annotate +350+167 '直播控制条' -annotate +350+210 '广告区' -annotate +350+253 '状态栏' \
    -stroke none -fill '#5A5A6E' -pointsize 11 \
    -annotate +350+58 '选择频道类别' -annotate +350+101 '双击频道即可播放' \
    -annotate +350+144 '收看电视、收听电台' -annotate +350+187 '右击切换屏幕模式' \
    -annotate +350+230 '双击光临各网站' -annotate +350+273 '播放状态与当前时间' \
    -fill "$deep_orange" -stroke "$deep_orange" -strokewidth 0.3 -pointsize 12 -annotate +26+$((h - 55)) '小提示' \
    -stroke none -fill '#333A4A' -pointsize 12 \
    -annotate +76+$((h - 55)) '菜单栏选好频道类别，频道列表中双击频道名称即可收看；' \
    -annotate +76+$((h - 35)) '右击直播控制条切换屏幕：F11 全屏模式，F12 正常模式。' \
    "$work/help_layout.png"
  save_jpeg "$work/help_layout.png" 92 1x1 "$out/help_layout.jpg"
}

# ---------------------------------------------------------------------------------------------
# Help window, tall advertisement of 星韵网络 (hosting and domains), 167 x 627.
help_ad() {
  local w=167 h=627
  # a server rack: three units with lights and vents
  convert -size 84x104 xc:none \
    -fill '#0B1640' -draw 'roundrectangle 0,0 83,103 8,8' \
    -fill '#2A4C9E' -draw 'roundrectangle 6,8 77,33 4,4' -draw 'roundrectangle 6,39 77,64 4,4' \
    -draw 'roundrectangle 6,70 77,95 4,4' \
    -fill '#7FE37F' -draw 'circle 15,20 18,20' -draw 'circle 15,51 18,51' -draw 'circle 15,82 18,82' \
    -fill "$gold" -draw 'circle 25,20 27,20' -draw 'circle 25,51 27,51' -draw 'circle 25,82 27,82' \
    -stroke '#9DB8E8' -strokewidth 2 \
    -draw 'line 40,15 70,15' -draw 'line 40,21 70,21' -draw 'line 40,27 70,27' \
    -draw 'line 40,46 70,46' -draw 'line 40,52 70,52' -draw 'line 40,58 70,58' \
    -draw 'line 40,77 70,77' -draw 'line 40,83 70,83' -draw 'line 40,89 70,89' \
    "$work/rack.png"
  # a globe behind it: rings of latitude and longitude
  convert -size 130x130 xc:none -fill 'rgba(255,255,255,0.12)' -stroke 'rgba(190,215,255,0.8)' \
    -strokewidth 1.5 -draw 'circle 65,65 65,4' -fill none \
    -draw 'ellipse 65,65 30,61 0,360' -draw 'ellipse 65,65 61,22 0,360' -draw 'line 4,65 126,65' \
    -draw 'line 65,4 65,126' "$work/globe.png"
  rounded_box "$work/price.png" 143 96 10 "$gold" "$orange"
  button_png "$work/go.png" 128 34 '立即注册 ▶' 15 "$gold" "$deep_orange" '#6A2400'
  fading_line "$work/rule-a.png" 130 'rgba(255,255,255,0.6)'
  convert -size ${w}x${h} gradient:"$navy-$blue" \
    \( -size 300x300 radial-gradient:'#3A7BE0-black' \) -geometry -66+60 -compose screen -composite \
    \( -size 240x240 radial-gradient:'#2A5FC0-black' \) -geometry -36+420 -compose screen -composite \
    -compose over \
    \( -size ${w}x4 gradient:"$gold-$orange" \) -geometry +0+0 -composite \
    \( -size ${w}x4 gradient:"$orange-$gold" \) -geometry +0+$((h - 4)) -composite \
    "$work/globe.png" -geometry +18+124 -composite \
    "$work/rack.png" -geometry +41+137 -composite \
    "$work/rule-a.png" -geometry +18+264 -composite \
    "$work/price.png" -geometry +12+436 -composite \
    "$work/go.png" -geometry +19+566 -composite \
    -fill "$gold" -draw 'circle 83,30 83,12' -fill "$navy" \
    -draw 'polygon 83,17 86.5,26 96,26 88.5,31.5 91.5,41 83,35.5 74.5,41 77.5,31.5 70,26 79.5,26' \
    -font "$font" -gravity North \
    -fill white -stroke white -strokewidth 0.8 -pointsize 25 -annotate +0+48 '星韵网络' \
    -stroke none -fill '#B9CCF0' -pointsize 10 -annotate +0+80 'X I N G Y U N   I D C' \
    -fill "$gold" -stroke "$gold" -strokewidth 0.4 -pointsize 15 -annotate +0+97 '域名·主机 一站式服务' \
    -gravity NorthWest \
    -fill "$gold" -stroke none -draw 'circle 26,282 29,282' -draw 'circle 26,309 29,309' \
    -draw 'circle 26,336 29,336' -draw 'circle 26,363 29,363' -draw 'circle 26,390 29,390' \
    -fill white -pointsize 15 \
    -annotate +37+272 '国际域名注册' -annotate +37+299 '虚拟主机租用' -annotate +37+326 '服务器托管' \
    -annotate +37+353 '企业邮箱' -annotate +37+380 '网站建设推广' \
    -gravity North -fill '#7A2E00' -stroke '#7A2E00' -strokewidth 0.3 -pointsize 15 \
    -annotate +0+442 '100M空间' -pointsize 14 -annotate +0+462 '+ 国际域名' \
    -stroke none -pointsize 12 -annotate +0+482 '全年只需' \
    -fill '#B01E00' -stroke '#B01E00' -strokewidth 0.8 -pointsize 24 -annotate +0+496 '150元' \
    -fill white -stroke white -strokewidth 0.4 -pointsize 15 -annotate +0+410 '双线机房 稳定高速' \
    -stroke none -fill '#D8E6FF' -pointsize 12 -annotate +0+604 'www.xingyun-idc.cn' \
    "$work/help_ad.png"
  save_jpeg "$work/help_ad.png" 90 1x1 "$out/help_ad.jpg"
}

# A star badge of 星韵网络. $1: output, $2: diameter.
star_badge() {
  local d=$2 r=$(($2 / 2))
  convert -size ${d}x${d} xc:none -fill "$gold" -draw "circle $r,$r $r,0" -fill "$navy" \
    -draw "polygon $r,$((d * 14 / 100)) $((d * 62 / 100)),$((d * 40 / 100)) $((d * 90 / 100)),$((d * 40 / 100)) $((d * 67 / 100)),$((d * 57 / 100)) $((d * 76 / 100)),$((d * 85 / 100)) $r,$((d * 68 / 100)) $((d * 24 / 100)),$((d * 85 / 100)) $((d * 33 / 100)),$((d * 57 / 100)) $((d * 10 / 100)),$((d * 40 / 100)) $((d * 38 / 100)),$((d * 40 / 100))" \
    "$1"
}
# ---------------------------------------------------------------------------------------------
# Disclaimer, upper advertisement: 星韵网络 (hosting and domains), 495 x 210.
mzsm_top() {
  local w=495 h=210
  star_badge "$work/star.png" 40
  rounded_box "$work/offer1.png" 126 62 8 '#FFFFFF' '#E3ECFB'
  rounded_box "$work/offer2.png" 126 62 8 '#FFFFFF' '#E3ECFB'
  rounded_box "$work/offer3.png" 126 62 8 "$gold" "$orange"
  button_png "$work/buy.png" 118 32 '立即购买 ▶' 14 "$gold" "$deep_orange" '#6A2400'
  convert -size 260x260 xc:none -fill none -stroke 'rgba(190,215,255,0.35)' -strokewidth 2 \
    -draw 'circle 130,130 130,4' -draw 'ellipse 130,130 60,126 0,360' -draw 'ellipse 130,130 126,44 0,360' \
    -draw 'line 4,130 256,130' "$work/globe-big.png"
  convert -size ${h}x${w} gradient:"$blue-$navy" -rotate 90 \
    \( -size 360x360 radial-gradient:'#3A7BE0-black' \) -geometry +240-150 -compose screen -composite \
    -compose over "$work/globe-big.png" -geometry +300-60 -composite \
    \( -size ${w}x4 gradient:"$gold-$orange" \) -geometry +0+0 -composite \
    \( -size ${w}x4 gradient:"$orange-$gold" \) -geometry +0+$((h - 4)) -composite \
    "$work/star.png" -geometry +18+16 -composite \
    "$work/offer1.png" -geometry +18+100 -composite \
    "$work/offer2.png" -geometry +153+100 -composite \
    "$work/offer3.png" -geometry +288+100 -composite \
    "$work/buy.png" -geometry +360+170 -composite \
    -font "$font" -gravity NorthWest \
    -fill white -stroke white -strokewidth 0.8 -pointsize 26 -annotate +66+14 '星韵网络' \
    -stroke none -fill '#B9CCF0' -pointsize 10 -annotate +68+46 'XINGYUN IDC · 专业域名主机服务商' \
    -fill "$gold" -stroke "$gold" -strokewidth 0.4 -pointsize 17 -annotate +20+66 '域名注册 · 虚拟主机 · 服务器托管 · 企业邮箱' \
    -gravity North \
    -fill "$navy" -stroke "$navy" -strokewidth 0.4 -pointsize 14 -annotate -166+106 '国际域名' \
    -annotate -31+106 '100M虚拟主机' \
    -fill '#7A2E00' -stroke '#7A2E00' -annotate +104+106 '空间+域名套餐' \
    -fill '#D0400A' -stroke '#D0400A' -strokewidth 0.6 -pointsize 20 -annotate -166+128 '50元/年' \
    -annotate -31+128 '120元/年' \
    -fill '#B01E00' -stroke '#B01E00' -annotate +104+128 '150元/年' \
    -gravity NorthWest -stroke none -fill white -pointsize 13 \
    -annotate +20+176 '双线机房  7×24小时服务  不满意全额退款' \
    -fill '#D8E6FF' -pointsize 12 -annotate +374+22 'www.xingyun-idc.cn' \
    "$work/mzsm_top.png"
  save_jpeg "$work/mzsm_top.png" 90 1x1 "$out/mzsm_top.jpg"
}
# ---------------------------------------------------------------------------------------------
# Disclaimer, lower advertisement: 影音天地 (a television guide), 495 x 210.
mzsm_bottom() {
  local w=495 h=210
  # a strip of film as the logo
  convert -size 44x40 xc:none -fill "$orange" -draw 'roundrectangle 0,0 43,39 6,6' -fill white \
    -draw 'rectangle 4,4 8,8' -draw 'rectangle 4,16 8,20' -draw 'rectangle 4,28 8,32' \
    -draw 'rectangle 35,4 39,8' -draw 'rectangle 35,16 39,20' -draw 'rectangle 35,28 39,32' \
    -draw 'polygon 17,11 17,29 29,20' "$work/film.png"
  # tonight's schedule on a card
  rounded_box "$work/card.png" 212 150 10 '#FFFFFF' '#EEF3FC'
  convert "$work/card.png" \
    \( -size 212x28 gradient:"$orange-$deep_orange" \) -geometry +0+0 -compose src-atop -composite \
    -compose over -font "$font" -gravity NorthWest \
    -fill white -stroke white -strokewidth 0.4 -pointsize 14 -annotate +12+5 '今晚节目预告' \
    -stroke none -pointsize 12 -fill "$navy" \
    -annotate +12+38 '19:00' -annotate +12+61 '19:38' -annotate +12+84 '20:05' \
    -annotate +12+107 '22:30' \
    -fill '#333A4A' -annotate +58+38 '晚间新闻' -annotate +58+61 '经济半小时' \
    -annotate +58+84 '黄金剧场：都市情缘' -annotate +58+107 '午夜影院：贺岁大片' \
    -fill '#8090B0' -pointsize 11 -annotate +12+128 '更多频道节目表请登录影音天地' \
    "$work/schedule.png"
  shadow_png "$work/schedule.png" "$work/schedule-shadow.png" '#0A1F5C'
  for t in 节目预告 影视资讯 明星娱乐 精彩图片; do
    tag_png "$work/t-$t.png" 66 22 "$t" 12 'rgba(255,255,255,0.16)' 'rgba(255,255,255,0.5)' white
  done
  convert "$work"/t-节目预告.png "$work"/t-影视资讯.png -background none -splice 6x0 +append -chop 6x0 "$work/tags1.png"
  convert "$work"/t-明星娱乐.png "$work"/t-精彩图片.png -background none -splice 6x0 +append -chop 6x0 "$work/tags2.png"
  convert -size ${h}x${w} gradient:"$navy-$blue" -rotate 90 \
    \( -size 300x300 radial-gradient:'#3A7BE0-black' \) -geometry -80-90 -compose screen -composite \
    -compose over \
    -fill 'rgba(255,255,255,0.06)' -draw 'polygon 200,0 250,0 170,210 120,210' \
    \( -size ${w}x4 gradient:"$gold-$orange" \) -geometry +0+0 -composite \
    \( -size ${w}x4 gradient:"$orange-$gold" \) -geometry +0+$((h - 4)) -composite \
    "$work/film.png" -geometry +20+22 -composite \
    "$work/schedule-shadow.png" -geometry +266+26 -composite \
    "$work/schedule.png" -geometry +268+28 -composite \
    "$work/tags1.png" -geometry +22+130 -composite \
    "$work/tags2.png" -geometry +22+157 -composite \
    -font "$font" -gravity NorthWest \
    -fill white -stroke white -strokewidth 0.8 -pointsize 26 -annotate +74+18 '影音天地' \
    -stroke none -fill '#B9CCF0' -pointsize 11 -annotate +76+50 'www.yytiandi.com.cn' \
    -fill "$gold" -stroke "$gold" -strokewidth 0.5 -pointsize 18 -annotate +22+74 '每天的电视节目' \
    -annotate +22+98 '一查就知道！' \
    -stroke none -fill '#D8E6FF' -pointsize 12 -annotate +22+186 '数百个频道节目表 · 每日更新' \
    "$work/mzsm_bottom.png"
  save_jpeg "$work/mzsm_bottom.png" 90 1x1 "$out/mzsm_bottom.jpg"
}

# ---------------------------------------------------------------------------------------------
# Version window, upper advertisement: 飞鸿软件园 (software downloads), 495 x 177.
gy_top() {
  local w=495 h=177
  # the logo: a wild goose in flight over a blue disc
  convert -size 48x48 xc:none -fill "$blue" -draw 'circle 24,24 24,1' -fill white \
    -draw 'polygon 8,27 20,22 27,10 30,21 42,17 32,27 24,30 18,36 17,30' \
    -fill "$gold" -draw 'polygon 40,17 45,15 42,20' "$work/goose.png"
  # a download arrow in an orange disc
  convert -size 92x92 xc:none -fill "$orange" -draw 'circle 46,46 46,2' \
    -fill 'rgba(255,255,255,0.25)' -draw 'circle 46,46 46,12' -fill white \
    -draw 'polygon 38,20 54,20 54,46 66,46 46,68 26,46 38,46' -draw 'rectangle 26,72 66,77' \
    "$work/download.png"
  shadow_png "$work/download.png" "$work/download-shadow.png" '#304080'
  for t in 系统工具 网络工具 媒体播放 游戏娱乐 安全杀毒; do
    tag_png "$work/c-$t.png" 62 22 "$t" 12 '#FFFFFF' '#9DB8E8' "$navy"
  done
  convert "$work"/c-系统工具.png "$work"/c-网络工具.png "$work"/c-媒体播放.png "$work"/c-游戏娱乐.png \
    "$work"/c-安全杀毒.png -background none -splice 6x0 +append -chop 6x0 "$work/cats.png"
  button_png "$work/down.png" 104 30 '免费下载 ▼' 13 "$gold" "$deep_orange" '#6A2400'
  convert -size ${w}x${h} gradient:'#FFFFFF-#DCE8FA' \
    -fill '#E9F0FC' -draw "polygon 300,0 $w,0 $w,$h 240,$h" \
    -fill '#DDE8FA' -draw "polygon 360,0 $w,0 $w,$h 320,$h" \
    \( -size ${w}x4 gradient:"$blue-$navy" \) -geometry +0+0 -compose over -composite \
    \( -size ${w}x4 gradient:"$navy-$blue" \) -geometry +0+$((h - 4)) -composite \
    "$work/goose.png" -geometry +18+16 -composite \
    "$work/download-shadow.png" -geometry +372+22 -composite \
    "$work/download.png" -geometry +374+24 -composite \
    "$work/cats.png" -geometry +20+110 -composite \
    "$work/down.png" -geometry +368+132 -composite \
    -font "$font" -gravity NorthWest \
    -fill "$navy" -stroke "$navy" -strokewidth 0.8 -pointsize 25 -annotate +74+14 '飞鸿软件园' \
    -stroke none -fill '#5A6E96' -pointsize 11 -annotate +76+46 'www.feihongsoft.cn' \
    -fill "$deep_orange" -stroke "$deep_orange" -strokewidth 0.4 -pointsize 17 -annotate +20+74 '绿色软件 · 安全下载 · 每日更新' \
    -stroke none -fill '#333A4A' -pointsize 12 -annotate +22+144 '收录精品软件12000余款，全部人工检测，无毒无插件' \
    "$work/gy_top.png"
  save_jpeg "$work/gy_top.png" 90 1x1 "$out/gy_top.jpg"
}
# ---------------------------------------------------------------------------------------------
# Version window, lower advertisement: 极速网吧联盟 (internet cafés), 495 x 177. Drawn at
# exactly its size: the window shows it unstretched.
gy_bottom() {
  local w=495 h=177
  # speed: slanted orange bars fading to the left
  convert -size 300x90 xc:none -fill "$orange" \
    -draw 'polygon 120,10 300,10 290,22 110,22' -draw 'polygon 60,34 300,34 290,46 50,46' \
    -draw 'polygon 150,58 300,58 290,70 140,70' \
    \( -size 90x300 gradient:'white-black' -rotate 90 \) -alpha off -compose copy_opacity -composite \
    "$work/speed.png"
  # a monitor with a lightning bolt
  convert -size 96x84 xc:none -fill '#0B1640' -draw 'roundrectangle 0,0 95,63 6,6' \
    \( -size 86x53 gradient:'#2F7BEA-#0A2A6E' \) -geometry +5+5 -compose over -composite \
    -fill "$gold" -draw 'polygon 52,10 32,36 46,36 40,56 62,28 48,28 56,10' \
    -fill '#C9D8F2' -draw 'polygon 38,64 58,64 62,74 34,74' -draw 'roundrectangle 24,74 72,80 3,3' \
    "$work/monitor.png"
  convert -size ${h}x${w} gradient:"$navy-#14388F" -rotate 90 \
    \( -size 320x320 radial-gradient:'#2F6FD0-black' \) -geometry +260-110 -compose screen -composite \
    -compose over "$work/speed.png" -geometry +190+88 -composite \
    \( -size ${w}x4 gradient:"$gold-$orange" \) -geometry +0+0 -composite \
    \( -size ${w}x4 gradient:"$orange-$gold" \) -geometry +0+$((h - 4)) -composite \
    "$work/monitor.png" -geometry +382+22 -composite \
    -font "$font" -gravity NorthWest \
    -fill white -stroke white -strokewidth 0.9 -pointsize 27 -annotate +20+16 '极速网吧联盟' \
    -stroke none -fill '#B9CCF0' -pointsize 11 -annotate +22+52 'www.jisu-wangba.cn' \
    -fill "$gold" -stroke "$gold" -strokewidth 0.5 -pointsize 18 -annotate +20+74 '让每一家网吧都飞起来！' \
    -stroke none -fill white -pointsize 13 \
    -annotate +22+108 '网吧加盟  ·  管理软件  ·  游戏更新  ·  无盘系统' \
    -fill '#D8E6FF' -pointsize 12 -annotate +22+140 '加盟热线：0571-8000 0000' \
    -fill "$gold" -pointsize 12 -annotate +190+140 '首批加盟免收管理费' \
    "$work/gy_bottom.png"
  save_jpeg "$work/gy_bottom.png" 90 1x1 "$out/gy_bottom.jpg"
}

# ---------------------------------------------------------------------------------------------
# Contact window, the maker's own vertical advertisement: partners wanted, 132 x 336.
lxxz_side() {
  local w=132 h=336
  convert "$work/tv.png" -resize 70x70 "$work/tv-side.png"
  rounded_box "$work/side-site.png" 116 46 8 "$orange" "$deep_orange"
  fading_line "$work/rule-s.png" 104 'rgba(255,255,255,0.7)'
  convert -size ${w}x${h} gradient:"$navy-$blue" \
    \( -size 240x240 radial-gradient:'#2F6FD0-black' \) -geometry -54-20 -compose screen -composite \
    -compose over \
    \( -size ${w}x3 gradient:"$gold-$orange" \) -geometry +0+0 -composite \
    "$work/tv-side.png" -geometry +31+58 -composite \
    "$work/rule-s.png" -geometry +14+196 -composite \
    "$work/side-site.png" -geometry +8+280 -composite \
    -font "$font" -gravity North \
    -fill white -stroke white -strokewidth 0.6 -pointsize 22 -annotate +0+8 'Korvane' \
    -fill "$gold" -stroke "$gold" -strokewidth 0.3 -pointsize 15 -annotate +0+34 '软件工作室' \
    -fill white -stroke white -strokewidth 0.5 -pointsize 22 -annotate +0+136 '诚邀合作' \
    -fill "$gold" -stroke "$gold" -strokewidth 0.3 -pointsize 13 -annotate +0+166 '携手共赢 共创未来' \
    -gravity NorthWest -stroke none -fill "$gold" \
    -draw 'circle 24,218 27,218' -draw 'circle 24,238 27,238' -draw 'circle 24,258 27,258' \
    -fill white -pointsize 13 -annotate +34+209 '广告招商' -annotate +34+229 '软件定制' \
    -annotate +34+249 '代理加盟' \
    -gravity North -fill white -stroke white -strokewidth 0.4 -pointsize 15 -annotate +0+284 '联系我们' \
    -stroke none -pointsize 11 -annotate +0+306 'www.korvane.cn' \
    "$work/lxxz_side.png"
  save_jpeg "$work/lxxz_side.png" 90 1x1 "$out/lxxz_side.jpg"
}
# ---------------------------------------------------------------------------------------------
# Commercial board, box 1: 金鼎电脑城 (a computer market), 360 x 216.
sygg_1() {
  local w=360 h=216
  # a desktop computer: monitor and tower
  convert -size 130x110 xc:none \
    -fill '#D5DCE8' -draw 'roundrectangle 96,14 129,109 5,5' -fill '#9AA8C0' \
    -draw 'rectangle 102,24 123,28' -draw 'rectangle 102,34 123,38' -fill '#3DBA3D' -draw 'circle 112,92 115,92' \
    -fill '#0B1640' -draw 'roundrectangle 0,0 89,67 6,6' \
    \( -size 80x58 gradient:'#6FB0FF-#1D5BC8' \) -geometry +5+5 -compose over -composite \
    -fill 'rgba(255,255,255,0.25)' -draw 'polygon 5,5 85,5 85,14 5,40' \
    -fill '#C9D8F2' -draw 'polygon 36,68 54,68 58,82 32,82' -draw 'roundrectangle 20,82 70,88 3,3' \
    -fill '#E4E9F2' -draw 'roundrectangle 6,94 84,106 3,3' \
    "$work/pc.png"
  rounded_box "$work/sale.png" 164 64 10 "$gold" "$orange"
  convert -size ${h}x${w} gradient:"$navy-$blue" -rotate 90 \
    \( -size 300x300 radial-gradient:'#3A7BE0-black' \) -geometry +170-110 -compose screen -composite \
    -compose over \
    \( -size ${w}x4 gradient:"$gold-$orange" \) -geometry +0+0 -composite \
    \( -size ${w}x4 gradient:"$orange-$gold" \) -geometry +0+$((h - 4)) -composite \
    "$work/pc.png" -geometry +216+62 -composite \
    "$work/sale.png" -geometry +16+112 -composite \
    -font "$font" -gravity NorthWest \
    -fill "$gold" -stroke "$gold" -strokewidth 0.9 -pointsize 28 -annotate +16+14 '金鼎电脑城' \
    -stroke none -fill '#B9CCF0' -pointsize 11 -annotate +18+50 'www.jinding-pc.cn' \
    -fill white -stroke white -strokewidth 0.3 -pointsize 14 -annotate +16+76 '品牌电脑 · 数码配件 · 上门装机' \
    -fill '#7A2E00' -stroke '#7A2E00' -strokewidth 0.4 -pointsize 14 -annotate +28+118 '新春特惠 组装电脑' \
    -fill '#B01E00' -stroke '#B01E00' -strokewidth 0.8 -pointsize 24 -annotate +28+138 '2999元起' \
    -stroke none -fill '#D8E6FF' -pointsize 12 -annotate +16+188 '正品行货 · 全国联保 · 送货上门' \
    "$work/sygg_1.png"
  save_jpeg "$work/sygg_1.png" 90 1x1 "$out/sygg_1.jpg"
}
# ---------------------------------------------------------------------------------------------
# Commercial board, box 3: 乐游游戏 (online games), 360 x 216.
sygg_3() {
  local w=360 h=216
  # a game pad
  convert -size 150x92 xc:none -fill '#0B1640' \
    -draw 'roundrectangle 8,10 141,70 30,30' -draw 'circle 38,62 38,90' -draw 'circle 112,62 112,90' \
    -fill '#2A4C9E' -draw 'roundrectangle 12,14 137,66 26,26' \
    -fill white -draw 'rectangle 30,34 54,42' -draw 'rectangle 38,26 46,50' \
    -fill "$gold" -draw 'circle 104,30 104,36' -fill "$orange" -draw 'circle 120,42 120,48' \
    -fill '#7FE37F' -draw 'circle 88,42 88,48' -fill '#FF6B6B' -draw 'circle 104,54 104,60' \
    "$work/pad.png"
  button_png "$work/play.png" 124 32 '注册即玩 ▶' 14 '#FFFFFF' '#CFE0FA' "$navy"
  convert -size ${h}x${w} gradient:"$gold-$deep_orange" -rotate 90 \
    \( -size 300x300 radial-gradient:'#FFE8A0-black' \) -geometry +150-120 -compose screen -composite \
    -compose over \
    -fill 'rgba(255,255,255,0.15)' -draw 'circle 330,190 380,190' -draw 'circle 20,10 50,10' \
    \( -size ${w}x4 gradient:"$blue-$navy" \) -geometry +0+0 -composite \
    \( -size ${w}x4 gradient:"$navy-$blue" \) -geometry +0+$((h - 4)) -composite \
    "$work/pad.png" -geometry +198+70 -composite \
    "$work/play.png" -geometry +16+160 -composite \
    -font "$font" -gravity NorthWest \
    -fill "$navy" -stroke "$navy" -strokewidth 0.9 -pointsize 30 -annotate +16+14 '乐游游戏' \
    -stroke none -fill '#5A2A00' -pointsize 11 -annotate +18+52 'www.leyou-game.cn' \
    -fill white -stroke white -strokewidth 0.4 -pointsize 15 -annotate +16+78 '休闲 · 棋牌 · 网游' \
    -fill "$navy" -stroke "$navy" -strokewidth 0.4 -pointsize 14 -annotate +16+106 '注册即送100乐币' \
    -stroke none -fill '#5A2A00' -pointsize 12 -annotate +16+130 '百万玩家 同时在线' \
    "$work/sygg_3.png"
  save_jpeg "$work/sygg_3.png" 90 1x1 "$out/sygg_3.jpg"
}
lxxz_side
sygg_1
sygg_3

# A firework: rays of light from a centre. $1: output, $2: size, $3: colour.
firework_png() {
  local s=$2 c=$(($2 / 2)) i args=()
  for i in 0 30 60 90 120 150 180 210 240 270 300 330; do
    args+=(-draw "line $(awk -v c=$c -v a=$i 'BEGIN{r=c*0.25; printf "%d,%d", c+r*cos(a*3.14159/180), c+r*sin(a*3.14159/180)}') $(awk -v c=$c -v a=$i 'BEGIN{r=c*0.95; printf "%d,%d", c+r*cos(a*3.14159/180), c+r*sin(a*3.14159/180)}')")
  done
  convert -size ${s}x${s} xc:none -stroke "$3" -strokewidth 2 "${args[@]}" -stroke none -fill "$3" \
    -draw "circle $c,$c $c,$((c - 3))" -blur 0x0.6 "$1"
}
# A lantern: a red-orange body with gold caps and a tassel. $1: output.
lantern_png() {
  # the body: a glowing ball, cut to an ellipse
  convert \( -size 66x62 radial-gradient:'#FFA64A-#C41E0A' \) \
    \( -size 66x62 xc:black -fill white -draw 'ellipse 32.5,30.5 32,30 0,360' \) \
    -alpha off -compose copy_opacity -composite "$work/lantern-body.png"
  convert -size 70x118 xc:none -stroke "$gold" -strokewidth 2 -draw 'line 35,0 35,12' -stroke none \
    "$work/lantern-body.png" -geometry +2+17 -compose over -composite \
    -fill "$gold" -draw 'roundrectangle 22,10 48,19 3,3' -draw 'roundrectangle 22,76 48,85 3,3' \
    -fill none -stroke 'rgba(255,210,74,0.55)' -strokewidth 1.5 \
    -draw 'ellipse 35,48 14,30 0,360' -stroke none \
    -fill "$gold" -font "$font" -pointsize 22 -gravity center -annotate +0-11 '福' \
    -stroke "$gold" -strokewidth 2 -draw 'line 35,85 35,96' \
    -draw 'line 30,96 28,116' -draw 'line 35,96 35,117' -draw 'line 40,96 42,116' \
    "$1"
}
# ---------------------------------------------------------------------------------------------
# Public-service board, New Year page: greetings and the New Year programmes, 549 x 339.
# Drawn at exactly its size: the window shows it unstretched.
gygg_newyear() {
  local w=549 h=339
  firework_png "$work/fw1.png" 90 "$gold"
  firework_png "$work/fw2.png" 64 "$orange"
  firework_png "$work/fw3.png" 50 '#FFE9A8'
  lantern_png "$work/lantern.png"
  button_png "$work/more.png" 132 34 '详情进入 ▶' 15 "$gold" "$deep_orange" '#6A2400'
  convert -size 262x98 xc:none -fill 'rgba(255,255,255,0.12)' -stroke 'rgba(255,210,74,0.6)' \
    -draw 'roundrectangle 1,1 260,96 10,10' "$work/ny-card.png"
  tag_png "$work/ny-tag.png" 70 22 '公益广告' 12 'rgba(255,255,255,0.15)' 'rgba(255,255,255,0.6)' white
  convert -size ${w}x${h} gradient:'#061440-#1D4FB0' \
    \( -size 420x420 radial-gradient:'#3A6FD8-black' \) -geometry +200+60 -compose screen -composite \
    -compose over \
    -fill 'rgba(255,255,255,0.8)' -draw 'point 40,30' -draw 'point 120,60' -draw 'point 300,20' \
    -draw 'point 470,40' -draw 'point 520,110' -draw 'point 250,70' -draw 'point 180,18' \
    -draw 'point 400,90' -draw 'point 90,110' \
    "$work/fw1.png" -geometry +448+26 -composite \
    "$work/fw3.png" -geometry +494+104 -composite \
    "$work/fw2.png" -geometry +22+188 -composite \
    "$work/fw3.png" -geometry +112+160 -composite \
    "$work/lantern.png" -geometry +28+12 -composite \
    "$work/lantern.png" -geometry +110+28 -composite \
    \( -size ${w}x5 gradient:"$gold-$orange" \) -geometry +0+0 -composite \
    \( -size ${w}x5 gradient:"$orange-$gold" \) -geometry +0+$((h - 5)) -composite \
    "$work/ny-card.png" -geometry +200+196 -composite \
    "$work/more.png" -geometry +396+290 -composite \
    "$work/ny-tag.png" -geometry +466+12 -composite \
    -font "$font" -gravity NorthWest \
    -fill "$gold" -stroke '#FFB000' -strokewidth 1.2 -pointsize 54 -annotate +196+40 '恭贺新禧' \
    -stroke none -fill white -pointsize 18 -annotate +200+112 '2006  丙戌年  新春快乐' \
    -fill '#FFE9A8' -pointsize 14 -annotate +200+144 'Korvane软件祝全国观众新年快乐、万事如意！' \
    -fill "$gold" -stroke "$gold" -strokewidth 0.5 -pointsize 16 -annotate +214+204 '新年专题节目' \
    -stroke none -fill white -pointsize 13 \
    -annotate +214+230 '春节联欢晚会  ·  贺岁大片展播' -annotate +214+252 '新春特别节目  ·  元宵晚会直播' \
    -fill '#D8E6FF' -pointsize 12 -annotate +200+300 '双击图片或点击按钮，观看节目详情' \
    -fill "$gold" -stroke "$gold" -strokewidth 0.3 -pointsize 13 -annotate +28+300 '点亮新春  共享欢乐' \
    "$work/gygg_newyear.png"
  save_jpeg "$work/gygg_newyear.png" 90 1x1 "$out/gygg_newyear.jpg"
}
# ---------------------------------------------------------------------------------------------
# Friendship board, box 1: the maker's shop on 易购商城, 356 x 88.
yqgg_1() {
  local w=356 h=88
  # a shopping bag
  convert -size 48x54 xc:none -fill none -stroke "$navy" -strokewidth 3 -draw 'arc 12,2 36,30 180,360' \
    -stroke none -fill "$orange" -draw 'roundrectangle 2,14 45,53 5,5' -fill white \
    -font "$font" -pointsize 20 -gravity center -annotate +0+6 '购' "$work/bag.png"
  button_png "$work/shop.png" 86 28 '进店看看' 13 "$gold" "$deep_orange" '#6A2400'
  convert -size ${w}x${h} gradient:'#FFFFFF-#E3ECFB' \
    -fill '#EAF1FC' -draw "polygon 230,0 $w,0 $w,$h 200,$h" \
    \( -size ${w}x3 gradient:"$orange-$gold" \) -geometry +0+0 -compose over -composite \
    "$work/bag.png" -geometry +14+18 -composite \
    "$work/shop.png" -geometry +258+46 -composite \
    -font "$font" -gravity NorthWest \
    -fill "$navy" -stroke "$navy" -strokewidth 0.7 -pointsize 19 -annotate +72+12 '易购商城' \
    -fill "$deep_orange" -stroke "$deep_orange" -strokewidth 0.3 -pointsize 14 -annotate +158+16 'Korvane官方店' \
    -stroke none -fill '#333A4A' -pointsize 12 -annotate +72+44 '正版软件 · 注册码 · 光盘邮购' \
    -fill '#6A7A98' -pointsize 11 -annotate +72+64 '正版保障，放心购买' \
    -fill "$navy" -pointsize 11 -annotate +262+20 'yigou-mall.cn' \
    "$work/yqgg_1.png"
  save_jpeg "$work/yqgg_1.png" 90 1x1 "$out/yqgg_1.jpg"
}
# ---------------------------------------------------------------------------------------------
# Friendship board, box 3: 绿野论坛 (a forum), 356 x 88.
yqgg_3() {
  local w=356 h=88
  # a leaf
  convert -size 50x50 xc:none -fill '#4CC25A' -draw 'ellipse 25,25 22,13 -40,320' \
    -stroke '#E8FFE8' -strokewidth 2 -draw 'line 10,40 40,10' -stroke none -fill '#3AA648' \
    -draw 'polygon 6,44 10,40 12,42' "$work/leaf.png"
  convert -size 50x50 xc:none "$work/leaf.png" -compose over -composite -distort SRT 0 "$work/leaf2.png"
  button_png "$work/join.png" 86 28 '免费注册' 13 "$gold" "$deep_orange" '#6A2400'
  convert -size ${h}x${w} gradient:"$navy-$blue" -rotate 90 \
    \( -size 200x200 radial-gradient:'#3A7BE0-black' \) -geometry +200-80 -compose screen -composite \
    -compose over \
    \( -size ${w}x3 gradient:"$gold-$orange" \) -geometry +0+0 -composite \
    "$work/leaf2.png" -geometry +12+20 -composite \
    "$work/join.png" -geometry +258+46 -composite \
    -font "$font" -gravity NorthWest \
    -fill white -stroke white -strokewidth 0.7 -pointsize 19 -annotate +72+12 '绿野论坛' \
    -stroke none -fill '#9FE8A8' -pointsize 11 -annotate +158+20 'bbs.lvye-net.cn' \
    -fill "$gold" -stroke "$gold" -strokewidth 0.3 -pointsize 12 -annotate +72+44 '影视交流 · 软件分享 · 网友互助' \
    -stroke none -fill '#D8E6FF' -pointsize 11 -annotate +72+64 '五万网友的网上家园' \
    "$work/yqgg_3.png"
  save_jpeg "$work/yqgg_3.png" 90 1x1 "$out/yqgg_3.jpg"
}
gygg_newyear
yqgg_1
yqgg_3

left
bottom
icon
help_ad
help_layout
mzsm_top
mzsm_bottom
gy_top
gy_bottom
lxxz_side
sygg_1
sygg_3
gygg_newyear
yqgg_1
yqgg_3
