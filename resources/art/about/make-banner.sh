#!/usr/bin/env bash
# Draws the About box's banner (360 x 50) and writes banner.jpg beside this
# script. Run it again after changing the drawing; the JPEG is committed so
# that a build needs no ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"

LATIN=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
CJK=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
for f in "$LATIN" "$CJK"; do
    [[ -f "$f" ]] || { echo "font missing: $f (fonts-dejavu-core, fonts-wqy-microhei)" >&2; exit 1; }
done

# One folder at (x, y): a tab and a body, with a darker rim.
folder() {
    local x=$1 y=$2 fill=$3
    args+=(-fill "$fill" -stroke '#8A6A1C' -strokewidth 1
           -draw "roundrectangle $x,$y $((x + 13)),$((y + 7)) 2,2"
           -draw "roundrectangle $x,$((y + 3)) $((x + 30)),$((y + 22)) 2,2")
}

args=()
folder 276 8 '#E2B650'
folder 296 15 '#EFCB78'
folder 316 22 '#F8E2A8'

# Deep blue on the left fading into the main window's face colour.
convert -size 50x360 'gradient:#1F3F8F-#D6DFF7' -rotate -90 \
    -fill '#FFFFFF30' -stroke none -draw 'rectangle 0,44 359,49' \
    "${args[@]}" -stroke none \
    -font "$LATIN" -pointsize 24 -fill '#0B1F4F90' -annotate +17+33 Dirvane \
    -fill white -annotate +15+31 Dirvane \
    -font "$CJK" -pointsize 12 -fill '#EEF2FF' -annotate +150+30 '常用文件夹列表' \
    -strip -quality 92 banner.jpg
echo "wrote $(pwd)/banner.jpg"
