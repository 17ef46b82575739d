#!/bin/sh
# brenvik-burn with a pseudo-drive on a file: the drive is listed after the
# Image Recorder, the sample burned to it equals, byte for byte, the image
# the Image Recorder writes of the same root, and a disc too small for the
# sample ends the run with the reason and a non-zero exit status.
#
#   pseudo-drive-burn.sh BRENVIK_BURN LIBNEROAPI ENGLISH_LNG SAMPLE_ROOT
set -u
work=$(mktemp -d "${TMPDIR:-/tmp}/bb-pseudo-e2e.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
cp "$1" "$work/bin/brenvik-burn" && cp "$2" "$work/bin/" && cp "$3" "$work/bin/english.lng" || exit 1
exe="$work/bin/brenvik-burn"
sample=$(cd "$4" && pwd)
export BB_NEROAPI_CONFIG="$work/no-simulated-recorders.ini"
export BB_NEROAPI_PSEUDO_DRIVES="$work/disc.img"
export SOURCE_DATE_EPOCH=1700000000
unset BB_NEROAPI_PSEUDO_CAPACITY

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { echo "ok: $*"; }

# run NAME: one unattended run in a folder of its own.
run() {
    mkdir -p "$work/$1"
    (cd "$work/$1" && "$exe" /D "$sample" /V SAMPLE </dev/null >"$work/$1.log" 2>&1)
    rc=$?
}

# --- the Image Recorder's image, and the list it shows ---------------------------
run image
[ "$rc" -eq 0 ] || fail "image run: exit status $rc ($(tail -3 "$work/image.log"))"
image="$work/image/SAMPLE.nrg"
[ -f "$image" ] || fail "no image written"
drive=$(sed -n '/^Recorders found:/,/^Command line/p' "$work/image.log" | grep '^Pseudo drive 1 ')
[ -n "$drive" ] || fail "the pseudo-drive is not listed: $(sed -n '/^Recorders found:/,+4p' "$work/image.log")"
order=$(sed -n '/^Recorders found:/{n;p;n;p;}' "$work/image.log" | tr '\n' '|')
[ "$order" = "Image Recorder|$drive|" ] || fail "list order: $order"
check "listed after the Image Recorder: $drive"

# --- the sample burned to the pseudo-drive ------------------------------------------
printf 'Device: %s\r\n' "$drive" >"$work/bin/Brenvik.ini"
run burn
[ "$rc" -eq 0 ] || fail "burn run: exit status $rc ($(tail -5 "$work/burn.log"))"
grep -q "^Recorder: \"$drive\"" "$work/burn.log" || fail "the run did not use the pseudo-drive"
size=$(stat -c %s "$work/disc.img" 2>/dev/null || echo 0)
[ "$size" -gt 0 ] && [ $((size % 2048)) -eq 0 ] || fail "disc holds $size bytes"
cmp -s -n "$size" "$work/disc.img" "$image" || fail "the disc differs from the image's ISO part"
[ $(( $(stat -c %s "$image") - size )) -lt 2048 ] || fail "the disc is shorter than the image"
isoinfo -d -i "$work/disc.img" 2>/dev/null | grep -qx "Volume id: SAMPLE" || fail "isoinfo does not read the disc"
check "disc of $size bytes equals the Image Recorder's image"

# --- a disc too small ------------------------------------------------------------------
export BB_NEROAPI_PSEUDO_DRIVES="$work/small.img"
export BB_NEROAPI_PSEUDO_CAPACITY=512K
small=$(printf '%s' "$drive" | sed "s|$work/disc.img|$work/small.img|")
printf 'Device: %s\r\n' "$small" >"$work/bin/Brenvik.ini"
run small
[ "$rc" -ne 0 ] || fail "a disc too small: exit status 0"
grep -q "sectors but the disc holds only 256" "$work/small.log" || fail "no reason shown: $(tail -5 "$work/small.log")"
[ ! -s "$work/small.img" ] || fail "a disc too small was written"
check "a disc too small: exit status $rc and the reason"

[ "$failures" -eq 0 ] && echo "pseudo-drive burn: all checks passed"
exit "$failures"
