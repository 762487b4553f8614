#!/usr/bin/env bash
# Draws Quillmark's icon (src/resources/qmark.ico: 32x32 and 16x16) and splash picture
# (src/resources/splash.bmp: 340x198, 256 colours) with ImageMagick. The generated files are
# committed, so the build does not need this script; run it again after changing the artwork.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=src/resources
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

serif=$(fc-match -f '%{file}' 'C059:style=Bold')
serif_italic=$(fc-match -f '%{file}' 'C059:style=Italic')

# The quill: a feather drawn on a 256-unit canvas, pointing down-left, used by icon and splash.
feather() { # feather SIZE OUT
  convert -size 256x256 xc:none \
    -fill '#f7f3e8' -stroke '#8a7a55' -strokewidth 5 \
    -draw "path 'M 236,18 C 170,30 100,80 70,150 C 60,175 58,190 60,200 C 80,196 100,186 120,170 C 170,130 215,80 236,18 Z'" \
    -stroke '#8a7a55' -strokewidth 6 -fill none \
    -draw "path 'M 228,28 C 170,80 110,140 40,226'" \
    -stroke '#c9bb92' -strokewidth 3 \
    -draw "line 120,120 165,110" -draw "line 100,145 140,140" -draw "line 150,88 190,75" \
    -stroke '#2b2b2b' -strokewidth 9 -draw "line 44,222 22,246" \
    -resize "$1x$1" "$2"
}

# Icon: a blue notebook with a cream page and ruled lines, the quill across it.
icon() { # icon SIZE OUT
  local s=$1
  convert -size 256x256 xc:none \
    -fill '#1d4e89' -stroke '#12345c' -strokewidth 6 -draw "roundrectangle 28,20 208,236 22,22" \
    -fill '#fbf8ef' -stroke '#c8c0a8' -strokewidth 4 -draw "roundrectangle 58,34 196,222 10,10" \
    -stroke '#8fb3d9' -strokewidth 6 \
    -draw "line 76,80 180,80" -draw "line 76,112 180,112" -draw "line 76,144 180,144" \
    -draw "line 76,176 150,176" \
    -stroke '#d0534a' -strokewidth 5 -draw "line 70,40 70,216" \
    -fill '#f2c14e' -stroke '#12345c' -strokewidth 4 \
    -draw "rectangle 34,60 50,76" -draw "rectangle 34,120 50,136" -draw "rectangle 34,180 50,196" \
    "$work/book.png"
  feather 200 "$work/feather.png"
  convert "$work/book.png" "$work/feather.png" -geometry +60+0 -composite \
    -resize "${s}x${s}" "$work/icon$s.png"
  cp "$work/icon$s.png" "$2"
}
icon 32 "$work/i32.png"
icon 16 "$work/i16.png"
convert "$work/i32.png" "$work/i16.png" "$out/qmark.ico"

# Splash: night-blue gradient, a page with ruled lines, the quill, and the product's name.
feather 150 "$work/feather_big.png"
convert -size 340x198 gradient:'#163f73-#0b1f3a' \
  -fill '#fbf8ef' -stroke '#c8c0a8' -strokewidth 1 \
  -draw "roundrectangle 222,22 318,176 6,6" \
  -stroke '#8fb3d9' -strokewidth 2 \
  -draw "line 234,52 304,52" -draw "line 234,72 304,72" -draw "line 234,92 304,92" \
  -draw "line 234,112 304,112" -draw "line 234,132 304,132" -draw "line 234,152 280,152" \
  -stroke '#d0534a' -strokewidth 2 -draw "line 230,26 230,172" \
  "$work/feather_big.png" -geometry +186+18 -composite \
  -stroke none -fill '#f2c14e' -draw "rectangle 22,112 192,114" \
  -font "$serif" -pointsize 34 -fill white -annotate +20+96 'Quillmark' \
  -font "$serif_italic" -pointsize 13 -fill '#d9e4f2' -annotate +22+136 'Your notes, always at hand' \
  -pointsize 12 -fill '#9fb6d6' -annotate +22+172 'Version 1.01' \
  "$work/splash.png"
convert "$work/splash.png" -dither FloydSteinberg -colors 256 -type Palette BMP3:"$out/splash.bmp"

# Previews for looking at the result.
mkdir -p build/art
convert "$work/i32.png" -filter point -resize 256x256 build/art/icon32-x8.png
convert "$work/i16.png" -filter point -resize 256x256 build/art/icon16-x16.png
convert "$out/splash.bmp" build/art/splash.png
