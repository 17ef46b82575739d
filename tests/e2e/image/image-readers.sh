#!/bin/sh
# Images of the sample DVD root checked by independent readers: isoinfo
# (ISO 9660, Joliet), 7z (UDF and ISO 9660 listing and extraction), lsdvd
# (libdvdread through UDF), udfinfo, and the placement of every VIDEO_TS
# file against genisoimage -dvd-video -udf on the same root.
#
#   image-readers.sh WRITER SAMPLE_ROOT [--large]
writer=$1
sample=$2
large=${3:-}
. "$(dirname "$0")/../e2e-lib.sh"
set -e
fail() { echo "FAIL: $*" >&2; exit 1; }

root=$work/root
mkdir -p "$root/AUDIO_TS"
cp -r "$sample/VIDEO_TS" "$root/"
names=$(cd "$root/VIDEO_TS" && ls)
count=$(echo "$names" | wc -l)

"$writer" "$root" "$work/ours.iso" --realloc --label "BRENVIK SAMPLE" --time 1700000000 >/dev/null
"$writer" "$root" "$work/joliet.iso" --realloc --joliet --label "Brenvik sample" --time 1700000000 >/dev/null

info=$(isoinfo -d -i "$work/ours.iso")
echo "$info" | grep -qx "Volume id: BRENVIK_SAMPLE" || fail "volume id: $info"
sectors=$(( $(stat -c %s "$work/ours.iso") / 2048 ))
echo "$info" | grep -qx "Volume size is: $sectors" || fail "volume size is not $sectors"
check "isoinfo -d: label and volume size $sectors"

# ISO 9660 listing with extents: every VIDEO_TS file, with its size.
isoinfo -l -i "$work/ours.iso" >"$work/ours.lst"
for n in $names; do
    size=$(stat -c %s "$root/VIDEO_TS/$n")
    grep -Eq " $size .*\] +$n;1 *\$" "$work/ours.lst" || fail "isoinfo -l: $n ($size bytes) missing"
done
check "isoinfo -l: $count VIDEO_TS files with their sizes"

# Joliet.
isoinfo -d -i "$work/joliet.iso" | grep -q "Joliet with UCS level 3 found" || fail "no Joliet descriptor"
jcount=$(isoinfo -J -l -i "$work/joliet.iso" | grep -cE '(IFO|VOB|BUP) *$')
[ "$jcount" -eq "$count" ] || fail "isoinfo -J -l lists $jcount files, expected $count"
check "isoinfo -J -l: $jcount files"

# UDF and ISO 9660 through 7-Zip: listing and byte-identical extraction.
for image in ours joliet; do
    ucount=$(7z l -tudf "$work/$image.iso" | grep -cE 'VIDEO_TS/.*\.(IFO|VOB|BUP)$')
    [ "$ucount" -eq "$count" ] || fail "7z l -tudf $image: $ucount files"
    7z l -tiso "$work/$image.iso" | grep -q 'VIDEO_TS.IFO' || fail "7z l -tiso $image"
    for type in udf iso; do
        rm -rf "$work/x"
        7z x -y -t$type -o"$work/x" "$work/$image.iso" >/dev/null || fail "7z x -t$type $image"
        diff -r "$root/VIDEO_TS" "$work/x/VIDEO_TS" >/dev/null || fail "7z x -t$type $image: files differ"
        [ -d "$work/x/AUDIO_TS" ] || fail "7z x -t$type $image: no AUDIO_TS"
    done
done
check "7z -tudf / -tiso: listing and byte-identical extraction (plain and Joliet images)"

# libdvdread reads through UDF only: it must find both titles.
lsdvd "$work/ours.iso" >"$work/lsdvd.txt" 2>/dev/null || fail "lsdvd failed"
grep -q "^Disc Title: BRENVIK_SAMPLE" "$work/lsdvd.txt" || fail "lsdvd disc title: $(cat "$work/lsdvd.txt")"
titles=$(grep -c "^Title: " "$work/lsdvd.txt")
[ "$titles" -eq 2 ] || fail "lsdvd found $titles titles"
grep -q "^Title: 02, Length: 00:00:03.000 Chapters: 02" "$work/lsdvd.txt" || fail "lsdvd title 2: $(cat "$work/lsdvd.txt")"
check "lsdvd: $titles titles"

# UDF revision and label.
udfinfo "$work/ours.iso" >"$work/udfinfo.txt" 2>&1 || fail "udfinfo failed"
grep -qx "udfrev=1.02" "$work/udfinfo.txt" || fail "udf revision: $(grep udfrev "$work/udfinfo.txt")"
grep -qx "label=BRENVIK SAMPLE" "$work/udfinfo.txt" || fail "udf label"
grep -qx "lvid=BRENVIK SAMPLE" "$work/udfinfo.txt" || fail "udf logical volume id"
check "udfinfo: revision 1.02, label"

# Placement against the reference tool: the same offset from VIDEO_TS.IFO for every file.
genisoimage -quiet -dvd-video -udf -V SAMPLE -o "$work/ref.iso" "$root" 2>/dev/null
isoinfo -l -i "$work/ref.iso" >"$work/ref.lst"
offsets() {  # LISTING -> "NAME OFFSET" lines, offsets from VIDEO_TS.IFO
    sed -n 's/.*\[ *\([0-9]*\) 00\] *\([A-Z0-9_]*\.[A-Z]*\);1 *$/\2 \1/p' "$1" | sort |
        awk '{ s[$1] = $2 } END { for (n in s) print n, s[n] - s["VIDEO_TS.IFO"] }' | sort
}
offsets "$work/ours.lst" >"$work/ours.off"
offsets "$work/ref.lst" >"$work/ref.off"
[ "$(wc -l <"$work/ours.off")" -eq "$count" ] || fail "offsets of ours incomplete"
diff "$work/ref.off" "$work/ours.off" || fail "VIDEO_TS placement differs from genisoimage -dvd-video -udf"
check "placement of all $count VIDEO_TS files equals genisoimage -dvd-video -udf (relative to VIDEO_TS.IFO)"

# Same input and time: the same bytes.
"$writer" "$root" "$work/again.iso" --realloc --label "BRENVIK SAMPLE" --time 1700000000 >/dev/null
cmp "$work/ours.iso" "$work/again.iso" || fail "two runs differ"
check "two runs are byte-identical"

# Lower-case names on the source disk (the reference tool refuses them).
lower=$work/lower
mkdir -p "$lower/video_ts"
for n in $names; do cp "$root/VIDEO_TS/$n" "$lower/video_ts/$(echo "$n" | tr A-Z a-z)"; done
"$writer" "$lower" "$work/lower.iso" --realloc --label "BRENVIK SAMPLE" --time 1700000000 >/dev/null
isoinfo -l -i "$work/lower.iso" >"$work/lower.lst"
offsets "$work/lower.lst" >"$work/lower.off"
diff "$work/ref.off" "$work/lower.off" || fail "lower-case source placed differently"
lsdvd "$work/lower.iso" 2>/dev/null | grep -q "^Title: 02" || fail "lsdvd on the lower-case source"
check "lower-case source names: same placement, lsdvd reads it"

rm -f "$work"/*.iso

if [ "$large" = "--large" ]; then
    # A data file beyond 4 GiB next to the DVD: several UDF extents, ISO 9660 multi-extent.
    big=$root/DATA/BIG.BIN
    mkdir -p "$root/DATA"
    truncate -s 4500000123 "$big"
    printf 'tail marker' | dd of="$big" bs=1 seek=4500000000 conv=notrunc 2>/dev/null
    "$writer" "$root" "$work/large.iso" --realloc --label LARGE --time 1700000000 >/dev/null
    7z l -tudf "$work/large.iso" | grep -Eq ' 4500000123 +[0-9]+ +DATA/BIG.BIN$' || fail "7z udf: size of BIG.BIN"
    7z l -tiso "$work/large.iso" | grep -Eq ' 4500000123 .*DATA/BIG.BIN$' || fail "7z iso: size of BIG.BIN"
    isoinfo -l -i "$work/large.iso" >"$work/large.lst"
    parts=$(grep -c 'BIG.BIN;1' "$work/large.lst")
    total=$(grep 'BIG.BIN;1' "$work/large.lst" | awk '{ s += $5 } END { printf "%.0f", s }')
    [ "$parts" -eq 2 ] && [ "$total" = 4500000123 ] || fail "isoinfo -l: $parts records, $total bytes"
    7z x -so -tudf "$work/large.iso" DATA/BIG.BIN | cmp - "$big" || fail "BIG.BIN extracted through UDF differs"
    lsdvd "$work/large.iso" 2>/dev/null | grep -q "^Title: 02" || fail "lsdvd on the large image"
    check "4.5 GB file: 7z (UDF and ISO) and isoinfo see its size; UDF extraction identical"
fi
echo "all image reader checks passed"
