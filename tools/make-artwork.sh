#!/bin/sh
# Regenerates the artwork of the program into res/art/: the program icon,
# the button icons of the main window and the Audio dialog, the hover cursor and the size meter's
# parts strip. The generated files are committed; run this only after
# changing a drawing below. Needs ImageMagick 6 (convert).
#
#   tools/make-artwork.sh [output folder]   (default: res/art beside this script)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$here/res/art}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# No antialiasing: the pictures stay crisp at 16 x 16 and use few colours.
draw() { # size background file draw-arguments...
    size=$1 bg=$2 file=$3; shift 3
    convert -size "$size" "xc:$bg" +antialias "$@" "$file"
}

# --- program icon 102: a disc, 32 x 32 first, then 16 (its own simpler
# drawing), 24 and 48 -------------------------------------------------------------
disc() { # size
    f=$(awk "BEGIN { print $1 / 32 }")
    aa=-antialias; [ "$1" -eq 32 ] && aa=+antialias
    convert -size "$1x$1" xc:none $aa -affine "$f,0,0,$f,0,0" \
        -fill '#c0c0d8' -stroke '#404060' -draw 'circle 15.5,15.5 15.5,1' \
        -fill '#e8e8ff' -stroke none -draw 'circle 15.5,15.5 15.5,6' \
        -fill '#d03020' -draw 'polygon 21,5 27,11 17,13' \
        -fill none -stroke '#404060' -draw 'circle 15.5,15.5 15.5,11.5' "$tmp/disc$1.png"
}
disc 32; disc 24; disc 48
draw 16x16 none "$tmp/disc16.png" \
    -fill '#c0c0d8' -stroke '#404060' -draw 'circle 7.5,7.5 7.5,0' \
    -fill '#d03020' -stroke none -draw 'polygon 10,2 14,6 8,7' \
    -fill none -stroke '#404060' -draw 'circle 7.5,7.5 7.5,5.5'
convert "$tmp/disc32.png" "$tmp/disc16.png" "$tmp/disc24.png" "$tmp/disc48.png" "$out/main.ico"

# --- button icons -------------------------------------------------------------
# icon <file> <design size> <draw arguments in design pixels>: one .ico with
# the design size first (the size the button lays out for at 96 DPI), then
# 16, 24, 32 and 48 pixels drawn from the same shapes, so the icons stay
# sharp at 100 % and 150 % scaling. The design size is drawn without
# antialiasing (crisp, few colours); the other sizes are smoothed.
icon() {
    file=$1 design=$2; shift 2
    sizes="$design"
    for s in 16 24 32 48; do [ "$s" -eq "$design" ] || sizes="$sizes $s"; done
    pngs=""
    for s in $sizes; do
        f=$(awk "BEGIN { print $s / $design }")
        aa=-antialias; [ "$s" -eq "$design" ] && aa=+antialias
        convert -size "${s}x${s}" xc:none $aa -affine "$f,0,0,$f,0,0" "$@" "$tmp/icon$s.png"
        pngs="$pngs $tmp/icon$s.png"
    done
    # shellcheck disable=SC2086  # one file name per size
    convert $pngs "$out/$file"
}

# 107 Directory: a yellow folder
icon directory.ico 16 \
    -fill '#e0b000' -stroke '#806000' -draw 'polygon 1,3 6,3 7,5 14,5 14,13 1,13' \
    -fill '#ffe060' -draw 'polygon 1,13 3,7 15,7 14,13'
# 108 Burn: a flame
icon burn.ico 16 \
    -fill '#f04010' -stroke '#a02000' -draw 'polygon 8,1 12,6 13,10 11,14 5,14 3,10 4,6 6,8' \
    -fill '#ffd020' -stroke none -draw 'polygon 8,7 10,10 10,13 6,13 6,10'
# 110 Quit: an open door with an arrow
icon quit.ico 16 \
    -fill '#a06030' -stroke '#603010' -draw 'rectangle 2,1 9,14' \
    -fill '#20a020' -stroke none -draw 'polygon 10,7 12,5 12,6 15,6 15,9 12,9 12,10'
# 111 Abort: a stop sign
icon abort.ico 16 \
    -fill '#d01010' -stroke '#700000' -draw 'polygon 5,1 10,1 14,5 14,10 10,14 5,14 1,10 1,5' \
    -fill white -stroke none -draw 'rectangle 4,7 11,8'
# 112 Help: a blue question mark in a circle
icon help.ico 16 \
    -fill '#2050d0' -stroke '#102080' -draw 'circle 7.5,7.5 7.5,0.5' \
    -fill white -stroke none -draw 'rectangle 5,3 10,4' -draw 'rectangle 9,4 10,7' \
    -draw 'rectangle 7,7 9,9' -draw 'rectangle 7,11 8,12'
# 113 About: a blue "i" in a circle
icon about.ico 16 \
    -fill '#2050d0' -stroke '#102080' -draw 'circle 7.5,7.5 7.5,0.5' \
    -fill white -stroke none -draw 'rectangle 7,3 8,4' -draw 'rectangle 7,6 8,12'
# 116 Save Log: a floppy disk
icon savelog.ico 16 \
    -fill '#304080' -stroke '#101840' -draw 'rectangle 1,1 14,14' \
    -fill '#e0e0e0' -stroke none -draw 'rectangle 4,2 11,6' \
    -fill '#a0a0a0' -draw 'rectangle 4,9 11,13'
# 119 Erase: a pink eraser
icon erase.ico 16 \
    -fill '#f080a0' -stroke '#803040' -draw 'polygon 1,10 8,3 14,9 7,15' \
    -fill '#4060c0' -draw 'polygon 1,10 4,7 10,13 7,15'
# 120 Refresh: two green arrows in a ring
icon refresh.ico 16 \
    -fill none -stroke '#208020' -strokewidth 2 -draw 'arc 2,2 13,13 200,340' -draw 'arc 2,2 13,13 20,160' \
    -fill '#208020' -stroke none -draw 'polygon 11,0 15,4 10,5' -draw 'polygon 4,15 0,11 5,10'
# 754 Clear Log: a written page crossed out, 24 x 24 (the button has no caption)
icon clearlog.ico 24 \
    -fill white -stroke '#404040' -draw 'rectangle 4,2 19,21' \
    -stroke '#8080a0' -draw 'line 7,6 16,6' -draw 'line 7,9 16,9' -draw 'line 7,12 16,12' -draw 'line 7,15 14,15' \
    -stroke '#d01010' -strokewidth 2 -draw 'line 3,3 20,20' -draw 'line 20,3 3,20'
# 5008 Eject: a triangle over a bar
icon eject.ico 16 \
    -fill '#404040' -stroke none -draw 'polygon 8,2 14,9 2,9' -draw 'rectangle 2,11 14,13'
# 5003 Wav (Audio dialog, 32 x 32): an open folder holding a note
icon wav.ico 32 \
    -fill '#e0b000' -stroke '#806000' -draw 'polygon 2,7 11,7 13,10 28,10 28,27 2,27' \
    -fill '#ffe060' -draw 'polygon 2,27 6,15 31,15 28,27' \
    -fill '#203080' -stroke none -draw 'ellipse 14,23 3,2 0,360' -draw 'ellipse 22,21 3,2 0,360' \
    -draw 'rectangle 16,12 17,23' -draw 'rectangle 24,10 25,21' -draw 'polygon 16,12 25,10 25,13 16,15'
# 5005 Play (Audio dialog, 32 x 32): a loudspeaker with sound waves
icon play.ico 32 \
    -fill '#606060' -stroke '#202020' -draw 'polygon 3,12 9,12 17,5 17,27 9,20 3,20' \
    -fill none -stroke '#2060d0' -strokewidth 2 -draw 'arc 14,10 24,22 -50,50' -draw 'arc 14,5 30,27 -50,50'

# --- cursor 109: 32 x 32 monochrome pointing hand, hot spot (5, 0) ---------
# ImageMagick writes cursors as 32-bit icons without a hot spot, so the file
# is put together here: ICONDIR, one entry, a 1-bit DIB with its XOR and AND
# masks (rows bottom-up, 4 bytes each).
draw 32x32 none "$tmp/hand.png" \
    -fill white -stroke black -draw 'polygon 5,0 7,2 7,11 9,10 11,11 13,11 15,12 17,13 17,21 15,25 7,25 4,20 1,15 1,13 3,13 4,15 4,1'
convert "$tmp/hand.png" -background black -alpha remove -flip -threshold 50% -depth 1 "gray:$tmp/xor.bin"
convert "$tmp/hand.png" -alpha extract -negate -flip -threshold 50% -depth 1 "gray:$tmp/and.bin"
{
    # ICONDIR: reserved, type 2 (cursor), one image
    printf '\000\000\002\000\001\000'
    # entry: 32 x 32, 2 colours, hot spot x 5 / y 0, 304 bytes at offset 22
    printf '\040\040\002\000\005\000\000\000\060\001\000\000\026\000\000\000'
    # BITMAPINFOHEADER: 40 bytes, 32 x 64 (both masks), 1 plane, 1 bit
    printf '\050\000\000\000\040\000\000\000\100\000\000\000\001\000\001\000'
    printf '\000\000\000\000\000\001\000\000\000\000\000\000\000\000\000\000'
    printf '\000\000\000\000\000\000\000\000'
    # palette: black, white
    printf '\000\000\000\000\377\377\377\000'
    cat "$tmp/xor.bin" "$tmp/and.bin"
} >"$out/hand.cur"

# --- bitmap 5010: the size meter's parts, 28 x 50, 8 bits per pixel -------
# Columns: 0-1 left frame, 2/3/4 green/yellow/red bar columns (rows 13-36
# shaded dark at the edges, bright in the middle), 5-24 one scale tile (axis rows 24-25, tick in its first column
# rows 4-45), 25-26 right frame, 27 empty column. Every column: light grey
# rows 0-1, dark grey rows 48-49.
bar() { # column red-share green-share blue-share (in 1/8 of the shade)
    col=$1 r=$2 g=$3 b=$4 row=13
    while [ "$row" -le 36 ]; do
        d=$((2 * row - 49)); [ "$d" -lt 0 ] && d=$((-d))
        level=$((255 - 7 * d))
        printf -- "-fill 'rgb(%d,%d,%d)' -draw 'point %d,%d' " \
            $((level * r / 8)) $((level * g / 8)) $((level * b / 8)) "$col" "$row"
        row=$((row + 1))
    done
}
eval convert -size 28x50 xc:white +antialias \
    -fill "'#c0c0c0'" -draw "'rectangle 0,0 27,1'" \
    -fill "'#808080'" -draw "'rectangle 0,48 27,49'" \
    -fill "'#808080'" -draw "'line 0,0 0,49'" -fill "'#c0c0c0'" -draw "'line 1,2 1,47'" \
    -fill "'#c0c0c0'" -draw "'line 25,2 25,47'" -fill "'#808080'" -draw "'line 26,0 26,49'" \
    "$(bar 2 2 8 2)" \
    "$(bar 3 8 8 1)" \
    "$(bar 4 8 2 2)" \
    -fill black -draw "'rectangle 5,24 24,25'" -draw "'line 5,4 5,45'" \
    -type Palette -depth 8 "BMP3:$out/sizemeter.bmp"

# --- About box logo 104: a disc with a flame over the name, 140 x 99 ----------
# (93 x 61 dialog units of the About box at the usual 8-point dialog font;
# the name in DejaVu Sans Bold, package fonts-dejavu-core)
convert -size 140x99 xc:'#d4d0c8' \
    -fill '#c0c0d8' -stroke '#404060' -draw 'circle 70,40 70,4' \
    -fill '#e8e8ff' -stroke none -draw 'circle 70,40 70,16' \
    -fill none -stroke '#404060' -draw 'circle 70,40 70,29' \
    -fill '#f04010' -stroke '#a02000' -draw 'polygon 88,6 99,18 101,28 97,36 85,36 81,28 83,18 86,22' \
    -fill '#ffd020' -stroke none -draw 'polygon 91,20 95,26 95,34 87,34 87,26' \
    -fill '#102080' -stroke none -font DejaVu-Sans-Bold -pointsize 14 -gravity south -annotate +0+2 'Brenvik Burn' \
    -type TrueColor "BMP3:$out/logo.bmp"
