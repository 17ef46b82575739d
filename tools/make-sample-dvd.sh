#!/bin/sh
# Builds a small, real DVD-Video root (VIDEO_TS + empty AUDIO_TS) from
# generated test pictures and tones, with ffmpeg and dvdauthor.
#
#   tools/make-sample-dvd.sh OUT_DIR [SECONDS] [ntsc|pal] [ac3|mp2]
#
# The result has a video manager with a menu and two title sets (one title
# each; the second has a menu of its own and two chapters). Inputs are synthetic and every
# encoder runs bit-exact and single-threaded, so the same command on the
# same Debian packages gives the same files; samples/dvd-sample was made with
#   tools/make-sample-dvd.sh samples/dvd-sample 3 ntsc ac3
set -eu

out=${1:?usage: make-sample-dvd.sh OUT_DIR [SECONDS] [ntsc|pal] [ac3|mp2]}
secs=${2:-3}
norm=${3:-ntsc}
audio=${4:-ac3}

case $norm in
    ntsc) size=720x480; rate=30000/1001 ;;
    pal)  size=720x576; rate=25 ;;
    *) echo "unknown video norm: $norm" >&2; exit 2 ;;
esac
case $audio in
    ac3|mp2) ;;
    *) echo "unknown audio codec: $audio" >&2; exit 2 ;;
esac

for tool in ffmpeg dvdauthor; do
    command -v $tool >/dev/null || { echo "$tool is missing (apt-get install $tool)" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One MPEG-2 program stream per clip. Low bit rates keep the sample tiny;
# -bitexact and one thread keep it reproducible.
encode() {  # encode NAME SOURCE SECONDS TONE_HZ
    ffmpeg -nostdin -loglevel error -y \
        -f lavfi -i "$2=size=$size:rate=$rate" \
        -f lavfi -i "sine=frequency=$4:sample_rate=48000" \
        -t "$3" -threads 1 -fflags +bitexact -flags +bitexact \
        -c:v mpeg2video -b:v 800k -maxrate 2000k -bufsize 1835k -g 15 -pix_fmt yuv420p \
        -c:a "$audio" -b:a 128k -ar 48000 -ac 2 \
        -f dvd -muxrate 10080000 -packetsize 2048 \
        "$work/$1.mpg"
}
encode menu  smptebars 1 440
encode t1    testsrc   "$secs" 660
encode t2    rgbtestsrc "$secs" 880

cat >"$work/dvd.xml" <<XML
<dvdauthor dest="$work/root" jumppad="0">
  <vmgm>
    <menus>
      <video format="$norm" aspect="4:3"/>
      <pgc entry="title">
        <vob file="$work/menu.mpg"/>
        <post>jump title 1;</post>
      </pgc>
    </menus>
  </vmgm>
  <titleset>
    <titles>
      <video format="$norm" aspect="4:3"/>
      <pgc>
        <vob file="$work/t1.mpg"/>
        <post>call vmgm menu 1;</post>
      </pgc>
    </titles>
  </titleset>
  <titleset>
    <menus>
      <video format="$norm" aspect="4:3"/>
      <pgc entry="root">
        <vob file="$work/menu.mpg"/>
        <post>jump title 1;</post>
      </pgc>
    </menus>
    <titles>
      <video format="$norm" aspect="4:3"/>
      <pgc>
        <vob file="$work/t2.mpg" chapters="0,00:00:01"/>
        <post>call vmgm menu 1;</post>
      </pgc>
    </titles>
  </titleset>
</dvdauthor>
XML

VIDEO_FORMAT=$(echo $norm | tr a-z A-Z) dvdauthor -x "$work/dvd.xml" >"$work/dvdauthor.log" 2>&1 || {
    cat "$work/dvdauthor.log" >&2; exit 1; }

rm -rf "$out"
mkdir -p "$out/AUDIO_TS" "$out/VIDEO_TS"
cp "$work/root/VIDEO_TS/"* "$out/VIDEO_TS/"
# AUDIO_TS stays empty. Git keeps no empty folder, so a checkout lacks it;
# the root scan then makes an empty AUDIO_TS on the disc all the same.
ls -l "$out/VIDEO_TS"
