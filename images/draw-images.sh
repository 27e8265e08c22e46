#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick. They were made by the Fenzo
# Setup developers for this program and are dedicated to the public domain
# (CC0 1.0); run this again to rebuild them.
set -euo pipefail
cd "$(dirname "$0")"
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

# Maker's logo, shown at 100 x 100: a dish with its signal over the name.
convert -size 200x200 xc:white \
  -fill '#0b4f8a' -draw 'roundrectangle 8,8 191,191 28,28' \
  -fill none -stroke white -strokewidth 9 -draw 'arc 38,40 138,140 100,260' \
  -stroke white -strokewidth 6 -draw 'line 88,90 128,60' \
  -fill white -stroke none -draw 'circle 132,57 140,57' \
  -fill none -stroke '#8fd3ff' -strokewidth 5 -draw 'arc 118,28 170,80 270,360' \
  -draw 'arc 108,14 186,92 280,350' \
  -stroke none -fill white -font "$font" -pointsize 34 -gravity south -annotate +0+18 'KAVEN' \
  -quality 92 kaven_logo.jpg

# Help icon: a white question mark on a black disc, 24 x 24.
convert -size 96x96 xc:none -fill black -draw 'circle 47.5,47.5 47.5,1' \
  -fill white -font "$font" -pointsize 70 -gravity center -annotate +0+3 '?' \
  -resize 24x24 -depth 8 question.png

# Installation sheet icon, shown at 25 x 25 beside the help icon: a white
# page with coloured bands on the same black disc.
convert -size 96x96 xc:none -fill black -draw 'circle 47.5,47.5 47.5,1' \
  -fill white -draw 'roundrectangle 28,18 68,78 4,4' \
  -fill '#1ab2ff' -draw 'rectangle 34,28 62,36' \
  -fill '#66ccff' -draw 'rectangle 34,42 62,50' \
  -fill '#99ddff' -draw 'rectangle 34,56 62,64' \
  -resize 24x24 -depth 8 sheet.png

# Satellite data icon, shown at 25 x 25 left of the sheet icon: a white
# database drum on the same black disc.
satellite_data() {
  convert -size 96x96 xc:none -fill black -draw 'circle 47.5,47.5 47.5,1' \
    -fill white -draw 'ellipse 48,70 24,9 0,360' -draw 'rectangle 24,26 72,70' \
    -fill none -stroke black -strokewidth 4 -draw 'ellipse 48,41 24,9 0,180' -draw 'ellipse 48,56 24,9 0,180' \
    -fill white -stroke black -strokewidth 3 -draw 'ellipse 48,26 24,9 0,360' \
    -resize 24x24 -depth 8 satellite_data.png
}
satellite_data

# Support report icon, shown at 25 x 25 left of the satellite data icon: a
# white page with lines of text and a blue arrow down on the same black disc.
support_report() {
  convert -size 96x96 xc:none -fill black -draw 'circle 47.5,47.5 47.5,1' \
    -fill white -draw 'roundrectangle 26,16 70,80 4,4' \
    -fill black -draw 'rectangle 33,26 63,29' -draw 'rectangle 33,35 63,38' -draw 'rectangle 33,44 55,47' \
    -fill '#1ab2ff' -draw 'rectangle 43,52 53,62' -draw 'polygon 36,61 60,61 48,74' \
    -resize 24x24 -depth 8 support_report.png
}
support_report

# Site icon, shown at 25 x 25 left of the support report icon: a white
# building with a row of windows on each floor, on the same black disc.
site() {
  convert -size 96x96 xc:none -fill black -draw 'circle 47.5,47.5 47.5,1' \
    -fill white -draw 'polygon 22,40 48,18 74,40' -draw 'rectangle 28,40 68,78' \
    -fill black -draw 'rectangle 34,46 42,53' -draw 'rectangle 54,46 62,53' \
    -draw 'rectangle 34,59 42,66' -draw 'rectangle 54,59 62,66' -draw 'rectangle 44,64 52,78' \
    -resize 24x24 -depth 8 -define png:exclude-chunks=date,time site.png
}
site

# Window icon: a dish on a mast, drawn at 256 x 256.
dish() {
  convert -size 256x256 xc:none \
    -fill '#1a6fb5' -draw 'roundrectangle 8,8 247,247 40,40' \
    -fill '#e8f4ff' -stroke '#e8f4ff' -draw 'ellipse 110,118 70,86 120,300' \
    -fill none -stroke white -strokewidth 12 -draw 'line 112,120 180,70' \
    -fill white -stroke none -draw 'circle 184,66 198,66' \
    -stroke white -strokewidth 16 -draw 'line 120,170 120,228' -draw 'line 84,228 156,228' \
    "$@"
}
# The working directory's copy read at start-up, in several sizes.
dish -define icon:auto-resize=64,48,32,16 satellite_dish_icon.ico
# The menu's icon sizes, also compiled into the program as its own icon; no
# time stamps, so that drawing again changes nothing.
mkdir -p icons
for size in 16 32 48 64 128 256; do
  dish -resize "${size}x${size}" -depth 8 -define png:exclude-chunks=date,time \
    "icons/fenzo_setup-$size.png"
done
