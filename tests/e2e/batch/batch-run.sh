#!/bin/sh
# brenvik-burn /D <root> /V SAMPLE, run in an empty folder without a
# terminal: the image SAMPLE.nrg is read by isoinfo, 7z (UDF) and lsdvd and
# holds the sample's files byte for byte; an existing image is kept; a root
# whose IFO is broken ends in the reallocation question, answered by its
# default (No), and a non-zero exit status.
#
#   batch-run.sh BRENVIK_BURN SAMPLE_ROOT
exe=$1
sample=$(cd "$2" && pwd)
. "$(dirname "$0")/../e2e-lib.sh"
# The image recorder only, whatever drives file the build folder holds.
export BB_NEROAPI_CONFIG="$work/no-drives.ini"
# run NAME FOLDER ARGS...: in $work/FOLDER without a terminal; $rc.
run() {
    name=$1 folder=$work/$2
    shift 2
    mkdir -p "$folder"
    (cd "$folder" && "$exe" "$@" </dev/null >"$work/$name.log" 2>&1)
    rc=$?
}

# --- the sample, burned to an image in the current folder --------------------
run run run /D "$sample" /V SAMPLE
[ "$rc" -eq 0 ] || fail "sample run: exit status $rc (log: $(tail -5 "$work/run.log"))"
image="$work/run/SAMPLE.nrg"
if [ ! -f "$image" ]; then
    fail "no SAMPLE.nrg in the current folder"
else
    check "exit status 0, SAMPLE.nrg written"
    in_log "^Writing to file: $image\$" run
    in_log "^\[Info\] " run
    in_log "^-> OK\$" run
    in_log "^progress: 100 %" run

    isoinfo -d -i "$image" | grep -qx "Volume id: SAMPLE" || fail "isoinfo -d: $(isoinfo -d -i "$image" | head -5)"
    isoinfo -l -i "$image" | grep -q "VIDEO_TS.IFO;1" || fail "isoinfo -l lists no VIDEO_TS.IFO"
    check "isoinfo reads the ISO 9660 side"

    # diff -r also finds a file the UDF side lacks.
    7z x -y -tudf -o"$work/x" "$image" >/dev/null 2>&1 || fail "7z x -tudf"
    diff -r "$sample/VIDEO_TS" "$work/x/VIDEO_TS" >/dev/null || fail "extracted VIDEO_TS differs from the sample"
    [ ! -d "$sample/AUDIO_TS" ] || [ -d "$work/x/AUDIO_TS" ] || fail "no AUDIO_TS in the image"
    check "7z extracts the UDF side, byte-identical"

    lsdvd "$image" >"$work/lsdvd.txt" 2>/dev/null || fail "lsdvd failed"
    grep -q "^Disc Title: SAMPLE" "$work/lsdvd.txt" || fail "lsdvd disc title: $(head -3 "$work/lsdvd.txt")"
    grep -q "^Title: 01" "$work/lsdvd.txt" || fail "lsdvd finds no title"
    check "lsdvd reads the titles"
fi

# --- an existing image is not replaced without a terminal ----------------------
run again run /D "$sample" /V SAMPLE
[ "$rc" -eq 1 ] || fail "second run over an existing image: exit status $rc"
in_log "already exists. Replace it? \[y/N\] -> No" again
check "existing image kept, exit status 1"

# --- a broken IFO with reallocation on -----------------------------------------
cp -r "$sample" "$work/broken"
head -c 100 "$sample/VIDEO_TS/VTS_01_0.IFO" >"$work/broken/VIDEO_TS/VTS_01_0.IFO"
run broken run2 /D "$work/broken" /V BROKEN
[ "$rc" -eq 1 ] || fail "broken root: exit status $rc, expected 1"
in_log "^===> DVD-Video files reallocation failed\$" broken
grep -A4 "^\[Problem Reallocation!\]" "$work/broken.log" | grep -q "^-> No\$" ||
    fail "the retry question was not answered No: $(grep -A4 Problem "$work/broken.log")"
check "broken IFO: retry question answered No, exit status 1"

finish "batch run"
