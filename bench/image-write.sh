#!/bin/sh
# Time and peak memory of the program's own image writing, end to end:
#
#   brenvik-burn /D <root> /V BENCH     (writes BENCH.nrg in the current folder)
#
# against genisoimage -dvd-video -udf and a plain cat of the same files, all
# writing to the same disk, warm (sources in the page cache) and cold (caches
# dropped before each run, where the machine lets us), the median of RUNS
# runs each (at least 5). The program runs once more with verify after burn
# switched on (BurnFlags in a Brenvik.ini beside a copy of the program); the
# verify pass is reported separately.
#
#   bench/image-write.sh [GB] [WORK_DIR]
#   RUNS=7 ROOT=/path/to/dvd-root bench/image-write.sh
#
# The DVD root: ROOT when given; else one made by dvdauthor from a test
# clip that ffmpeg encodes (when both are installed: about GB * 10^9 bytes
# of title VOBs);
# else one built from samples/dvd-sample with 1 GiB title VOB parts and
# IFOs adjusted to match. Every output is synced inside its timing and
# deleted afterwards. The program also runs over the bundled 1 MB sample:
# its start-up (loading the library, reading the settings, the scan) is
# shown apart. Exit status 1 when a target is
# missed end to end (warm and cold alike): ours >= genisoimage, ours >= 90 %
# of cat, peak RSS < 64 MB.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
gb=${1:-2.5}
work=${2:-$here/build/bench-image}
runs=${RUNS:-5}
[ "$runs" -ge 5 ] || { echo "RUNS must be at least 5" >&2; exit 2; }
bin=$here/build/native/bin
exe=$bin/brenvik-burn

driver=$bin/image_write_bench
if [ ! -x "$exe" ] || [ ! -e "$bin/libNeroAPI.so" ] || [ ! -x "$driver" ]; then
    cmake --preset native >/dev/null
    cmake --build "$here/build/native" --target brenvik-burn NeroAPI image_write_bench -j2 >/dev/null
fi
for tool in genisoimage python3 /usr/bin/time; do
    command -v $tool >/dev/null || { echo "$tool is missing" >&2; exit 2; }
done

rm -rf "$work"
mkdir -p "$work/out"
trap 'rm -rf "$work"' EXIT
out=$work/out
# The image recorder only, whatever drives file the build folder holds.
export BB_NEROAPI_CONFIG="$work/no-drives.ini"

# --- the DVD root ---------------------------------------------------------
make_dvdauthor_root() {
    clip=$work/clip.mpg
    # A minute of PAL DVD video at 8 Mbit/s with MPEG audio.
    ffmpeg -loglevel error -f lavfi -i testsrc2=size=720x576:rate=25 -f lavfi -i sine=frequency=440 \
        -t 60 -target pal-dvd -aspect 4:3 -b:v 8000k -maxrate 9000k -minrate 0 -y "$clip"
    clip_bytes=$(stat -c %s "$clip")
    copies=$(awk "BEGIN { n = int($gb * 1e9 / $clip_bytes + 0.999); print n < 1 ? 1 : n }")
    # dvdauthor reads a file named twice only once: one link per copy.
    {
        echo '<dvdauthor><vmgm/><titleset><titles><pgc>'
        i=0
        while [ $i -lt "$copies" ]; do
            ln -s "$clip" "$work/clip$i.mpg"
            echo "<vob file=\"$work/clip$i.mpg\"/>"
            i=$((i + 1))
        done
        echo '</pgc></titles></titleset></dvdauthor>'
    } >"$work/dvd.xml"
    VIDEO_FORMAT=PAL dvdauthor -o "$root" -x "$work/dvd.xml" >"$work/dvdauthor.log" 2>&1 ||
        { tail -5 "$work/dvdauthor.log" >&2; exit 2; }
    rm -f "$work"/clip*.mpg
    origin="made by dvdauthor ($copies copies of a 60 s clip)"
}

# Title VOB parts of 1,073,709,056 bytes (the usual split size, whole
# sectors) from the sample's title VOB, its IFO/BUP and the manager's title
# search table adjusted so the layout stays valid DVD-Video.
make_sample_root() {
    parts=$(awk "BEGIN { n = int($gb / 1.0737 + 0.5); print n < 1 ? 1 : n }")
    mkdir -p "$root/AUDIO_TS"
    cp -r "$here/samples/dvd-sample/VIDEO_TS" "$root/"
    part=1073709056
    src=$root/VIDEO_TS/VTS_01_1.VOB
    block=$work/block.vob
    : >"$block"
    while [ "$(stat -c %s "$block")" -lt 67108864 ]; do cat "$src" >>"$block"; done
    rm "$src"
    i=1
    while [ $i -le "$parts" ]; do
        n=0
        while [ $n -lt 17 ]; do cat "$block"; n=$((n + 1)); done | head -c $part >"$root/VIDEO_TS/VTS_01_$i.VOB"
        i=$((i + 1))
    done
    rm "$block"
    python3 - "$root/VIDEO_TS" "$parts" "$part" <<'PY'
import struct, sys
d, parts, part = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
def patch(name, fn):
    for ext in ("IFO", "BUP"):
        p = "%s/%s.%s" % (d, name, ext)
        b = bytearray(open(p, "rb").read())
        fn(b)
        open(p, "wb").write(b)
vts = bytearray(open(d + "/VTS_01_0.IFO", "rb").read())
ifo_sectors = len(vts) // 2048
title_start = struct.unpack(">I", vts[0xC4:0xC8])[0]
old_last = struct.unpack(">I", vts[0x0C:0x10])[0]
new_last = title_start + parts * part // 2048 + ifo_sectors - 1
patch("VTS_01_0", lambda b: b.__setitem__(slice(0x0C, 0x10), struct.pack(">I", new_last)))
delta = new_last - old_last
def shift_titles(b):
    table = struct.unpack(">I", b[0xC4:0xC8])[0] * 2048
    titles = struct.unpack(">H", b[table:table + 2])[0]
    for t in range(titles):
        e = table + 8 + 12 * t
        if b[e + 6] > 1:
            start = struct.unpack(">I", b[e + 8:e + 12])[0]
            b[e + 8:e + 12] = struct.pack(">I", start + delta)
patch("VIDEO_TS", shift_titles)
PY
    origin="built from samples/dvd-sample (dvdauthor or ffmpeg missing)"
}

if [ -n "${ROOT:-}" ]; then
    root=$(cd "$ROOT" && pwd)
    origin="given as ROOT"
else
    root=$work/root
    mkdir -p "$root"
    if command -v dvdauthor >/dev/null && command -v ffmpeg >/dev/null; then
        make_dvdauthor_root
    else
        make_sample_root
    fi
fi
bytes=$(du -b -s "$root/VIDEO_TS" | cut -f1)
files=$(cd "$root" && find VIDEO_TS -type f | sort | sed "s|^|$root/|" | tr '\n' ' ')

# The program with verify after burn: a copy beside its own settings file
# (BurnFlags: the defaults, buffer underrun protection and no DVD-ROM
# booktype, plus verify 0x400).
verifier=$work/program
mkdir -p "$verifier"
cp "$exe" "$bin/libNeroAPI.so" "$verifier/"
for f in "$bin"/*.lng; do [ -e "$f" ] && cp "$f" "$verifier/"; done
printf 'BurnFlags: 8440\r\n' >"$verifier/Brenvik.ini"

# --- cold caches: only where the machine lets us drop them ---------------
if (sync && echo 3 >/proc/sys/vm/drop_caches) 2>/dev/null; then
    caches="warm cold"
else
    caches="warm"
    echo "note: cannot drop the page cache here (needs root, a writable /proc/sys/vm/drop_caches);"
    echo "      cold runs skipped"
fi

printf 'DVD root: %s bytes in %s, %s\n' "$bytes" "$root" "$origin"
printf 'output disk: %s\n' "$(df -P "$out" | awk 'NR == 2 { print $1 " mounted on " $6 }')"
printf 'runs per tool: %s, median counts\n\n' "$runs"

# run CACHE NAME COMMAND: one timed run in $out; seconds and peak RSS (kB)
# are appended to $work/CACHE.NAME.
run() {
    cache=$1 name=$2
    shift 2
    if [ "$cache" = cold ]; then
        sync
        echo 3 >/proc/sys/vm/drop_caches
    else
        cat $files >/dev/null
    fi
    /usr/bin/time -v -o "$work/time" sh -c "cd $out && $* && sync $out/*" ||
        { echo "$name failed:" >&2; tail -5 "$work/log" >&2; exit 3; }
    secs=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time" |
        awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time")
    echo "$secs $rss" >>"$work/$cache.$name"
    rm -f "$out"/*
}

median() { sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
stat_secs() { cut -d' ' -f1 "$work/$1.$2" | median; }
stat_rss() { cut -d' ' -f2 "$work/$1.$2" | sort -n | tail -1; }

for cache in $caches; do
    round=1
    while [ "$round" -le "$runs" ]; do
        run "$cache" cat "cat $files >cat.img"
        run "$cache" genisoimage "genisoimage -quiet -dvd-video -udf -V BENCH -o genisoimage.img $root"
        run "$cache" ours "$exe /D $root /V BENCH </dev/null >$work/log 2>&1"
        run "$cache" verify "$verifier/brenvik-burn /D $root /V BENCH </dev/null >$work/log 2>&1"
        grep -q "Verification passed" "$work/log" || { echo "the verify run did not verify" >&2; exit 3; }
        # The same command over the bundled 1 MB sample: what the program
        # costs besides the writing.
        run "$cache" startup "$exe /D $here/samples/dvd-sample /V BENCH </dev/null >$work/log 2>&1"
        round=$((round + 1))
    done
done

# Verify from the disk: in the runs above the program's verify pass finds
# the image it has just written (and the sources) in the page cache. Where
# the caches can be dropped, the library's verify alone (through the
# writer's driver) reads an image written before, cold, against cat
# reading the same image and sources cold.
if [ "$caches" = "warm cold" ]; then
    "$driver" "$root" "$out/image.iso" --realloc --label BENCH >/dev/null
    round=1
    while [ "$round" -le "$runs" ]; do
        run cold verify_only "$driver $root $out/image.iso --realloc --label BENCH --verify-only >/dev/null"
        "$driver" "$root" "$out/image.iso" --realloc --label BENCH >/dev/null
        run cold read_both "cat $out/image.iso $files >/dev/null"
        "$driver" "$root" "$out/image.iso" --realloc --label BENCH >/dev/null
        round=$((round + 1))
    done
    rm -f "$out"/*
fi

status=0
for cache in $caches; do
    echo "$cache page cache:"
    printf '  %-24s %8s %8s %9s %8s %12s\n' tool seconds MB/s "vs geniso" "vs cat" "peak RSS MB"
    g=$(stat_secs "$cache" genisoimage)
    c=$(stat_secs "$cache" cat)
    for name in ours verify genisoimage cat; do
        s=$(stat_secs "$cache" $name)
        label=$name
        [ $name = ours ] && label="brenvik-burn"
        [ $name = verify ] && label="brenvik-burn + verify"
        printf '  %-24s %8.2f %8.1f %8.2fx %7.2fx %12.1f\n' "$label" "$s" \
            "$(awk "BEGIN { print $bytes / 1e6 / $s }")" "$(awk "BEGIN { print $g / $s }")" \
            "$(awk "BEGIN { print $c / $s }")" "$(awk "BEGIN { print $(stat_rss "$cache" $name) / 1024 }")"
    done
    o=$(stat_secs "$cache" ours)
    v=$(stat_secs "$cache" verify)
    u=$(stat_secs "$cache" startup)
    printf '  start-up (same command, 1 MB sample): %.2f s; writing alone %.2f s = %.1f MB/s, %.2fx genisoimage, %.2fx cat\n' \
        "$u" "$(awk "BEGIN { print $o - $u }")" "$(awk "BEGIN { print $bytes / 1e6 / ($o - $u) }")" \
        "$(awk "BEGIN { print $g / ($o - $u) }")" "$(awk "BEGIN { print $c / ($o - $u) }")"
    printf '  verify pass alone: %.2f s, %.1f MB/s of source data (median difference)\n' \
        "$(awk "BEGIN { print $v - $o }")" "$(awk "BEGIN { d = $v - $o; print (d > 0 ? $bytes / 1e6 / d : 0) }")"
    awk "BEGIN { exit !($o <= $g) }" || { echo "  MISSED: slower than genisoimage"; status=1; }
    awk "BEGIN { exit !($o <= $c / 0.9) }" || { echo "  MISSED: below 90 % of cat"; status=1; }
    for name in ours verify; do
        [ "$(stat_rss "$cache" $name)" -lt 65536 ] || { echo "  MISSED: $name peak RSS not under 64 MB"; status=1; }
    done
    echo
done
if [ "$caches" = "warm cold" ]; then
    vo=$(stat_secs cold verify_only)
    rb=$(stat_secs cold read_both)
    printf 'verify alone, cold (image and sources read from the disk): %.2f s, %.1f MB/s of source data;\n' \
        "$vo" "$(awk "BEGIN { print $bytes / 1e6 / $vo }")"
    printf '  cat of the image and the sources, cold: %.2f s; verify at %.2fx of it, peak RSS %.1f MB\n\n' \
        "$rb" "$(awk "BEGIN { print $rb / $vo }")" "$(awk "BEGIN { print $(stat_rss cold verify_only) / 1024 }")"
fi
[ $status -eq 0 ] && echo "targets met: brenvik-burn >= genisoimage, >= 90 % of cat, peak RSS < 64 MB"
exit $status
