#!/bin/sh
# BrenvikBurn.exe under Wine and Xvfb, with the recording library of this
# build (HKLM\SOFTWARE\ahead\Shared NeroAPI -> the build's bin folder):
#  1. the command line /D <root> /V SAMPLE: the window minimises, the Save As
#     dialog for the image is answered, the success box is confirmed, and the
#     program closes by itself; the image is read by isoinfo;
#  2. a burn from the window: the DVD root and label typed, Burn clicked, the
#     Save As dialog answered; the log and the image are checked.
# Screenshots of both go to the screenshot folder.
#   batch-wine.sh <BrenvikBurn.exe> <BatchDriver.exe> <sample root> <screenshot folder>
set -u
exe=$(readlink -f "$1") driver=$(readlink -f "$2") sample=$(readlink -f "$3") shots=$4
build_dir=$(cd "$(dirname "$exe")/.." && pwd)
. "$(dirname "$0")/../../../../cmake/wine-env.sh"
export WINEPREFIX="$build_dir/wineprefix-batch"
bb_wine_select "$exe" || exit 1
mkdir -p "$shots"
shots=$(readlink -f "$shots")

winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

run_in_x() {
    failures=0
    fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
    check() { echo "ok: $*"; }
    d() { bb_wine "$driver" "$@" | tr -d '\r'; }

    bb_wine_prefix desktop || return 1
    bb_wine reg add 'HKLM\SOFTWARE\ahead\Shared' /v NeroAPI /d "$(winpath "$(dirname "$exe")")" /f >/dev/null 2>&1

    work=$(mktemp -d "${TMPDIR:-/tmp}/bb-batch-wine.XXXXXX")
    cp -r "$sample" "$work/dvd"
    cd "$(dirname "$exe")" || return 1

    # --- 1. the command-line run ------------------------------------------------
    bb_wine "$exe" /D "$(winpath "$work/dvd")" /V SAMPLE >/dev/null 2>&1 &
    pid=$!
    d wait "Brenvik Burn" 60 || fail "the window did not appear"
    if d wait "Save As" 60 >/dev/null; then
        sleep 1
        import -window root "$shots/batch-during-burn.png" 2>/dev/null
    fi
    if d save-as "$(winpath "$work/SAMPLE.nrg")" 60; then
        d iconic "Brenvik Burn" && check "the window is minimised during the run" || fail "the window is not minimised"
    else
        fail "no Save As dialog for the image"
    fi
    sleep 2
    if d wait "Info" 60 >/dev/null; then
        import -window root "$shots/batch-after-burn.png" 2>/dev/null
        box=$(d box "Info" 1 10)
        check "success box: $box"
    else
        import -window root "$shots/batch-after-burn.png" 2>/dev/null
        fail "no success box"
    fi
    d gone "Brenvik Burn" 60 && check "the program closed itself" || fail "the window stayed open"
    wait "$pid"
    [ -s "$work/SAMPLE.nrg" ] && isoinfo -d -i "$work/SAMPLE.nrg" | grep -qx "Volume id: SAMPLE" &&
        check "SAMPLE.nrg written and read by isoinfo" || fail "no readable SAMPLE.nrg"

    # --- 2. a burn from the window --------------------------------------------------
    bb_wine "$exe" >/dev/null 2>&1 &
    pid=$!
    d wait "Brenvik Burn" 60 || fail "the window did not appear"
    sleep 2
    d type "Brenvik Burn" 1002 "$(winpath "$work/dvd")" || fail "could not type the DVD root"
    d type "Brenvik Burn" 1027 "WINDOW" || fail "could not type the label"
    d click "Brenvik Burn" 1031 || fail "could not click Burn"
    # The job is under way while the library asks for the image file.
    if d wait "Save As" 60 >/dev/null; then
        sleep 1
        import -window root "$shots/window-during-burn.png" 2>/dev/null
    fi
    d save-as "$(winpath "$work/WINDOW.iso")" 60 || fail "no Save As dialog for the window's burn"
    if d wait "Info" 60 >/dev/null; then
        sleep 1
        import -window root "$shots/window-after-burn.png" 2>/dev/null
        d box "Info" 1 10 >/dev/null
    else
        fail "no success box after the window's burn"
    fi
    sleep 1
    log=$(d text "Brenvik Burn" 1033)
    printf '%s\n' "$log" | grep -q "Burn process completed successfully" &&
        check "the log holds the library's lines" || fail "log: $(printf '%s\n' "$log" | tail -5)"
    title=$(d text "Brenvik Burn" 1050)
    [ "$title" = "0 %" ] && check "idle display after the job" || fail "percent label '$title'"
    d click "Brenvik Burn" 2 || fail "could not click Quit"
    d gone "Brenvik Burn" 30 || fail "Quit did not close the window"
    wait "$pid"
    [ -s "$work/WINDOW.iso" ] && isoinfo -d -i "$work/WINDOW.iso" | grep -qx "Volume id: WINDOW" &&
        check "WINDOW.iso written and read by isoinfo" || fail "no readable WINDOW.iso"

    wineserver -k 2>/dev/null
    rm -rf "$work"
    [ "$failures" -eq 0 ]
}

if [ "${BB_IN_XVFB:-}" = 1 ]; then
    run_in_x
    exit $?
fi
BB_IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
status=$?
[ "$status" -eq 0 ] && echo "batch and window runs under Wine: all checks passed"
exit "$status"
