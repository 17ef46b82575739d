#!/bin/sh
# brenvik-burn /D <root> /V SAMPLE, run in an empty folder without a
# terminal: the image SAMPLE.nrg is read by isoinfo, 7z (UDF) and lsdvd and
# holds the sample's files byte for byte; a root whose IFO is broken ends in
# the reallocation question, answered by its default (No), and a non-zero
# exit status.
#
#   batch-run.sh BRENVIK_BURN SAMPLE_ROOT
set -u
exe=$1
sample=$(cd "$2" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/bb-batch-e2e.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The image recorder only, whatever drives file the build folder holds.
export BB_NEROAPI_CONFIG="$work/no-drives.ini"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { echo "ok: $*"; }

# --- the sample, burned to an image in the current folder --------------------
mkdir "$work/run"
(cd "$work/run" && "$exe" /D "$sample" /V SAMPLE </dev/null >"$work/run.log" 2>&1)
rc=$?
[ "$rc" -eq 0 ] || fail "sample run: exit status $rc (log: $(tail -5 "$work/run.log"))"
image="$work/run/SAMPLE.nrg"
if [ ! -f "$image" ]; then
    fail "no SAMPLE.nrg in the current folder"
else
    check "exit status 0, SAMPLE.nrg written"
    grep -q "^Writing to file: $image\$" "$work/run.log" || fail "the image file name was not reported"
    grep -q "^\[Info\] " "$work/run.log" && grep -q "^-> OK\$" "$work/run.log" ||
        fail "the success box was not answered by its default"
    grep -q "^progress: 100 %" "$work/run.log" || fail "no plain progress lines"

    isoinfo -d -i "$image" | grep -qx "Volume id: SAMPLE" || fail "isoinfo -d: $(isoinfo -d -i "$image" | head -5)"
    isoinfo -l -i "$image" | grep -q "VIDEO_TS.IFO;1" || fail "isoinfo -l lists no VIDEO_TS.IFO"
    check "isoinfo reads the ISO 9660 side"

    7z l -tudf "$image" >"$work/7z.lst" 2>&1 || fail "7z l -tudf: $(tail -3 "$work/7z.lst")"
    listed=$(grep -cE 'VIDEO_TS/.*\.(IFO|VOB|BUP)$' "$work/7z.lst")
    expected=$(ls "$sample/VIDEO_TS" | wc -l)
    [ "$listed" -eq "$expected" ] || fail "7z l -tudf lists $listed VIDEO_TS files, expected $expected"
    7z x -y -tudf -o"$work/x" "$image" >/dev/null 2>&1 || fail "7z x -tudf"
    diff -r "$sample/VIDEO_TS" "$work/x/VIDEO_TS" >/dev/null || fail "extracted VIDEO_TS differs from the sample"
    if [ -d "$sample/AUDIO_TS" ]; then
        [ -d "$work/x/AUDIO_TS" ] || fail "no AUDIO_TS in the image"
    fi
    check "7z lists and extracts the UDF side, byte-identical"

    lsdvd "$image" >"$work/lsdvd.txt" 2>/dev/null || fail "lsdvd failed"
    grep -q "^Disc Title: SAMPLE" "$work/lsdvd.txt" || fail "lsdvd disc title: $(head -3 "$work/lsdvd.txt")"
    grep -q "^Title: 01" "$work/lsdvd.txt" || fail "lsdvd finds no title"
    check "lsdvd reads the titles"
fi

# --- an existing image is not replaced without a terminal ----------------------
(cd "$work/run" && "$exe" /D "$sample" /V SAMPLE </dev/null >"$work/again.log" 2>&1)
rc=$?
[ "$rc" -eq 1 ] || fail "second run over an existing image: exit status $rc"
grep -q "already exists. Replace it? \[y/N\] -> No" "$work/again.log" || fail "no refusal to replace the image"
check "existing image kept, exit status 1"

# --- a broken IFO with reallocation on -----------------------------------------
cp -r "$sample" "$work/broken"
head -c 100 "$sample/VIDEO_TS/VTS_01_0.IFO" >"$work/broken/VIDEO_TS/VTS_01_0.IFO"
mkdir "$work/run2"
(cd "$work/run2" && "$exe" /D "$work/broken" /V BROKEN </dev/null >"$work/broken.log" 2>&1)
rc=$?
[ "$rc" -eq 1 ] || fail "broken root: exit status $rc, expected 1"
grep -q "^===> DVD-Video files reallocation failed\$" "$work/broken.log" || fail "no reallocation failure in the log"
grep -A4 "^\[Problem Reallocation!\]" "$work/broken.log" | grep -q "^-> No\$" ||
    fail "the retry question was not answered No: $(grep -A4 Problem "$work/broken.log")"
check "broken IFO: retry question answered No, exit status 1"

# --- a refused command line ends at once --------------------------------------
(cd "$work/run2" && "$exe" /D "$sample" /V </dev/null >"$work/refused.log" 2>&1)
rc=$?
[ "$rc" -eq 1 ] || fail "refused command line: exit status $rc"
grep -q "^\[CL parsing error!\]" "$work/refused.log" || fail "no parse error box"
check "refused command line: error box, exit status 1"

[ "$failures" -eq 0 ] && echo "batch run: all checks passed"
exit "$failures"
