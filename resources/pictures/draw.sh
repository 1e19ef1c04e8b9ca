#!/bin/sh
# Redraws Rollkeep's pictures with ImageMagick. The build only copies the
# committed PNGs; run this by hand after changing a drawing and commit the
# results.
#
# Every picture is drawn at four times its final size and scaled down, which
# keeps the small icons' edges smooth. Metadata and time stamps are left out so
# an unchanged drawing gives byte-identical files.
set -eu

cd "$(dirname "$0")"
CONVERT=${CONVERT:-convert}

# Flat palette shared by all pictures.
blue='#2f6fb5'
teal='#2a9d8f'
orange='#e9a23b'
grey='#5b6470'
lightgrey='#c9ced6'
green='#3a9d4a'
red='#d23c3c'
white='#ffffff'

# finish OUTPUT SIZE: reads the large drawing on stdin and writes the picture.
finish() {
    "$CONVERT" png:- -filter Lanczos -resize "$2x$2" -strip \
        -define png:exclude-chunks=date,time,tIME PNG32:"$1"
}

# The logo: three members of the association, the front one a little larger.
# Bodies run past the bottom and are cut off flat; the white outline keeps the
# front figure apart from the two behind it.
"$CONVERT" -size 512x512 xc:none -stroke none \
    -fill "$teal" -draw "circle 146,150 146,202" -draw "roundrectangle 56,224 236,560 80,80" \
    -fill "$orange" -draw "circle 366,150 366,202" -draw "roundrectangle 276,224 456,560 80,80" \
    -fill "$blue" -stroke "$white" -strokewidth 16 \
    -draw "circle 256,208 256,274" -draw "roundrectangle 142,298 370,600 96,96" \
    -crop 512x460+0+0 +repage -gravity center -background none -extent 512x512 png:- |
    finish groupclipartusergroup43.png 128

# The same group, white on a round badge, for the new-version notice.
"$CONVERT" -size 512x512 xc:none -fill "$blue" -draw "circle 256,256 256,8" \
    -fill "$white" -stroke none \
    -draw "circle 170,200 170,244" -draw "roundrectangle 120,262 220,400 40,40" \
    -draw "circle 342,200 342,244" -draw "roundrectangle 292,262 392,400 40,40" \
    -stroke "$blue" -strokewidth 14 \
    -draw "circle 256,230 256,286" -draw "roundrectangle 190,302 322,470 52,52" \
    \( -size 512x512 xc:none -fill white -stroke none -draw "circle 256,256 256,8" \) \
    -compose DstIn -composite png:- | finish groupclipartusergroup42.png 64

# Tally marks: four strokes and the fifth across them.
"$CONVERT" -size 128x128 xc:none -stroke "$grey" -strokewidth 10 -fill none \
    -draw "line 28,22 28,106" -draw "line 52,22 52,106" \
    -draw "line 76,22 76,106" -draw "line 100,22 100,106" \
    -stroke "$red" -strokewidth 10 -draw "line 12,96 116,32" png:- |
    finish tally.png 32

# Printer: body, paper going in at the top and coming out at the bottom.
"$CONVERT" -size 128x128 xc:none \
    -fill "$white" -stroke "$grey" -strokewidth 5 \
    -draw "rectangle 34,10 94,50" \
    -fill "$grey" -stroke none -draw "roundrectangle 8,42 120,96 12,12" \
    -fill "$lightgrey" -draw "rectangle 26,58 102,64" \
    -fill "$green" -draw "circle 104,54 104,59" \
    -fill "$white" -stroke "$grey" -strokewidth 5 \
    -draw "rectangle 30,78 98,120" \
    -stroke "$lightgrey" -strokewidth 5 \
    -draw "line 42,92 86,92" -draw "line 42,104 76,104" png:- |
    finish print_icon.png 32

# person_icon BADGE: a member with a round badge at the lower right.
person_icon() {
    badge=$1
    shift
    "$CONVERT" -size 128x128 xc:none -fill "$blue" -stroke none \
        -draw "circle 54,36 54,60" -draw "roundrectangle 12,68 96,150 34,34" \
        -crop 128x120+0+0 +repage -background none -extent 128x128 \
        -fill "$badge" -stroke "$white" -strokewidth 6 -draw "circle 94,94 94,124" \
        -stroke "$white" -strokewidth 9 "$@"
}
person_icon "$green" -draw "line 94,78 94,110" -draw "line 78,94 110,94" png:- |
    finish AddIcon.png 32
person_icon "$red" -draw "line 82,82 106,106" -draw "line 106,82 82,106" png:- |
    finish deleteIcon.png 32

# Magnifying glass.
"$CONVERT" -size 128x128 xc:none \
    -stroke "$grey" -strokewidth 18 -draw "line 78,78 112,112" \
    -fill '#d8ecfa' -stroke "$grey" -strokewidth 10 -draw "circle 52,52 52,14" \
    -fill none -stroke "$white" -strokewidth 6 -draw "arc 30,30 74,74 200,260" png:- |
    finish findIcon.png 32
