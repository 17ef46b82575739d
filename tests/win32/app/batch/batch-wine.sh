#!/bin/sh
# BrenvikBurn.exe under Wine and Xvfb (tests/win32/support/wine-x11.sh):
#  1. the command line /D <root> /V SAMPLE: the window minimises, the Save As
#     dialog for the image is answered, the success box is confirmed, and the
#     program closes by itself; the image is read by isoinfo;
#  2. a burn from the window: the DVD root and label typed, Burn clicked, the
#     Save As dialog answered; the log and the image are checked.
#   batch-wine.sh <BrenvikBurn.exe> <WindowDriver.exe> <screenshot folder> <sample root>
prefix=wineprefix-batch
. "$(dirname "$0")/../../support/wine-x11.sh"
sample=$(readlink -f "$4")

# burn <label> <image> <picture prefix>: the Save As dialog of a started
# burn answered, the success box confirmed; pictures during and after.
burn() {
    w wait "Save As" 60 >/dev/null && shoot "$3-during-burn.png"
    # While the library asks for the image file: once the job ends, its box
    # brings the window back.
    if [ "$1" = "command line" ]; then
        w iconic main && check "the window is minimised during the run" || fail "the window is not minimised"
    fi
    w save-as "$(winpath "$run/$2")" 60 || fail "$1: no Save As dialog for the image"
    sleep 2
    w wait Info 60 >/dev/null || fail "$1: no success box"
    shoot "$3-after-burn.png"
    w answer Info 10 1 >/dev/null
}

run_in_x() {
    cp -r "$sample" "$run/dvd"

    # --- 1. the command-line run ------------------------------------------------
    start /D "$(winpath "$run/dvd")" /V SAMPLE || return
    burn "command line" SAMPLE.nrg batch
    w gone main 60 && check "the program closed itself" || fail "the window stayed open"
    wait "$pid"
    isoinfo -d -i "$run/SAMPLE.nrg" 2>/dev/null | grep -qx "Volume id: SAMPLE" &&
        check "SAMPLE.nrg written and read by isoinfo" || fail "no readable SAMPLE.nrg"

    # --- 2. a burn from the window --------------------------------------------------
    start || return
    w type main 1002 "$(winpath "$run/dvd")" || fail "could not type the DVD root"
    w type main 1027 WINDOW || fail "could not type the label"
    w command main 1031 || fail "could not click Burn"
    burn window WINDOW.iso window
    sleep 1
    log=$(w text main 1033)
    printf '%s\n' "$log" | grep -q "Burn process completed successfully" &&
        check "the log holds the library's lines" || fail "log: $(printf '%s\n' "$log" | tail -5)"
    percent=$(w text main 1050)
    [ "$percent" = "0 %" ] && check "idle display after the job" || fail "percent label '$percent'"
    quit
    isoinfo -d -i "$run/WINDOW.iso" 2>/dev/null | grep -qx "Volume id: WINDOW" &&
        check "WINDOW.iso written and read by isoinfo" || fail "no readable WINDOW.iso"
}

bb_in_xvfb "$@"
