#!/usr/bin/env bash
# Draws Dirvane's artwork with ImageMagick and writes the files the resource
# script embeds:
#   toolbar32.bmp  tool-bar strip, 8 images of 32 x 32 (32-bit, straight alpha)
#   menu16.bmp     menu strip, 8 images of 16 x 16 (same format)
#   dirvane.ico    program icon, 16, 32 and 48 pixels
# Image order in both strips: add, edit, delete, up, down, sort, exit, refresh.
#
# Every picture is drawn once on a 16 x 16 grid with 1-unit outlines and
# rendered at 1x, 2x and 3x; coordinates sit on half units so that outlines
# fall on whole pixels at every scale. Run it from anywhere:
#   bash resources/art/make-art.sh [preview-dir]
set -euo pipefail

OUT="$(cd "$(dirname "$0")" && pwd)"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
PREVIEW="${1:-}"

# One palette for every picture: a fill and a darker outline per hue.
FOLDER_BACK='#E9A93B'  FOLDER_FRONT='#FFD66E'  FOLDER_LINE='#A36F1A'
GREEN='#34A853'        GREEN_LINE='#1D7536'
RED='#E2483D'          RED_LINE='#A92C23'
BLUE='#4A8BE0'         BLUE_LINE='#2459A8'
SLATE='#5B6B80'        PAPER='#E3EAF3'
WOOD='#C07F43'         WOOD_LINE='#7D4F26'
TIP='#F5DCA8'          GRAPHITE='#3D4B5C'
STAR='#F26B3A'         STAR_LINE='#B5421B'

common="stroke-linejoin round stroke-linecap round stroke-width 1"

folder() {
    cat <<MVG
stroke '$FOLDER_LINE' fill '$FOLDER_BACK'
path 'M 1.5,2.5 L 6.5,2.5 L 8.5,4.5 L 14.5,4.5 L 14.5,13.5 L 1.5,13.5 Z'
fill '$FOLDER_FRONT'
path 'M 1.5,6.5 L 14.5,6.5 L 14.5,13.5 L 1.5,13.5 Z'
MVG
}

badge() {  # badge FILL LINE: a disc in the lower right corner
    cat <<MVG
stroke '$2' fill '$1'
circle 11.5,11.5 11.5,15.5
MVG
}

art_add() {
    folder
    badge "$GREEN" "$GREEN_LINE"
    echo "stroke white line 9.5,11.5 13.5,11.5 line 11.5,9.5 11.5,13.5"
}

art_edit() {
    folder
    cat <<MVG
push graphic-context
translate 9.5,9.5 rotate -45
stroke '$BLUE_LINE' fill '$BLUE'
path 'M -5,-1.5 L 3,-1.5 L 3,1.5 L -5,1.5 Z'
fill '$TIP'
path 'M 3,-1.5 L 6.5,0 L 3,1.5 Z'
stroke '$GRAPHITE' fill '$GRAPHITE'
path 'M 5.6,-0.4 L 6.5,0 L 5.6,0.4 Z'
stroke '$SLATE' fill '$PAPER'
path 'M -7,-1.5 L -5,-1.5 L -5,1.5 L -7,1.5 Z'
pop graphic-context
MVG
}

art_delete() {
    folder
    badge "$RED" "$RED_LINE"
    echo "stroke white line 10,10 13,13 line 13,10 10,13"
}

art_up() {
    echo "stroke '$BLUE_LINE' fill '$BLUE'"
    echo "path 'M 8,1.5 L 14.5,8 L 10.5,8 L 10.5,14.5 L 5.5,14.5 L 5.5,8 L 1.5,8 Z'"
}

art_down() {
    echo "stroke '$BLUE_LINE' fill '$BLUE'"
    echo "path 'M 8,14.5 L 14.5,8 L 10.5,8 L 10.5,1.5 L 5.5,1.5 L 5.5,8 L 1.5,8 Z'"
}

art_sort() {
    cat <<MVG
stroke none fill '$SLATE'
rectangle 1,1 4,3
rectangle 1,5 6,7
rectangle 1,9 8,11
rectangle 1,13 10,15
stroke '$BLUE_LINE' fill '$BLUE'
path 'M 11.5,1.5 L 13.5,1.5 L 13.5,9.5 L 15.5,9.5 L 12.5,14.5 L 9.5,9.5 L 11.5,9.5 Z'
MVG
}

art_exit() {
    cat <<MVG
stroke '$SLATE' fill '$PAPER'
rectangle 1.5,1.5 8.5,14.5
stroke '$WOOD_LINE' fill '$WOOD'
path 'M 1.5,1.5 L 5.5,3.5 L 5.5,15.5 L 1.5,14.5 Z'
stroke '$RED_LINE' fill '$RED'
path 'M 7.5,6.5 L 11.5,6.5 L 11.5,4 L 15.5,8 L 11.5,12 L 11.5,9.5 L 7.5,9.5 Z'
MVG
}

art_refresh() {
    cat <<MVG
stroke '$GREEN_LINE' stroke-width 2 fill none
path 'M 2.83,6.12 A 5.5,5.5 0 0,1 12.2,4.6'
path 'M 13.17,9.88 A 5.5,5.5 0 0,1 3.8,11.4'
stroke-width 1 stroke '$GREEN_LINE' fill '$GREEN'
path 'M 15.0,3.6 L 14.3,8.6 L 9.8,6.3 Z'
path 'M 1.0,12.4 L 1.7,7.4 L 6.2,9.7 Z'
MVG
}

art_icon() {
    folder
    cat <<MVG
stroke '$STAR_LINE' fill '$STAR'
polygon 11.30,5.60 12.48,8.68 15.77,8.85 13.20,10.92 14.06,14.10 11.30,12.30 8.54,14.10 9.40,10.92 6.83,8.85 10.12,8.68
MVG
}

# render NAME SCALE -> $WORK/NAME-SIZE.png
render() {
    local name="$1" scale="$2" size=$((16 * $2))
    { echo "scale $scale,$scale $common"; "art_$name"; } > "$WORK/$name.mvg"
    convert -size "${size}x${size}" xc:none -draw "$(cat "$WORK/$name.mvg")" "$WORK/$name-$size.png"
}

ACTIONS=(add edit delete up down sort exit refresh)
strip() {  # strip SCALE FILE
    local scale="$1" file="$2" size=$((16 * $1)) parts=()
    for a in "${ACTIONS[@]}"; do
        render "$a" "$scale"
        parts+=("$WORK/$a-$size.png")
    done
    convert "${parts[@]}" +append "$WORK/strip-$size.png"
    convert "$WORK/strip-$size.png" -define bmp3:alpha=true "BMP3:$OUT/$file"
}

strip 1 menu16.bmp
strip 2 toolbar32.bmp
for s in 1 2 3; do render icon "$s"; done
convert "$WORK/icon-16.png" "$WORK/icon-32.png" "$WORK/icon-48.png" "$OUT/dirvane.ico"

if [[ -n "$PREVIEW" ]]; then
    # Enlarged previews on the two backgrounds the images appear on.
    mkdir -p "$PREVIEW"
    for s in 16 32; do
        convert -size "$((128 * s / 16 + 8))x$((s + 8))" xc:'rgb(214,223,246)' \
            "$WORK/strip-$s.png" -geometry +4+4 -composite -filter point -resize 400% \
            "$PREVIEW/strip-$s.png"
    done
    convert "$WORK/icon-48.png" "$WORK/icon-32.png" "$WORK/icon-16.png" -background '#F0F0F0' \
        -gravity center +append -filter point -resize 400% "$PREVIEW/icon.png"
fi
echo "Art written to $OUT"
