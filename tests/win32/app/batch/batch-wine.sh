#!/bin/sh
# BrenvikBurn.exe under Wine and Xvfb (tests/win32/support/wine-x11.sh), run
# with /D <root> /V SAMPLE: the window minimises, the Save As dialog for the
# image is answered, the success box is confirmed, and the program closes by
# itself; the image is read by isoinfo. Then the same run without the
# recording library in the program folder: the error box, the program ends,
# nothing is written. (The window's exit status does not carry a run's
# result; the console's does, see tests/e2e.) (A burn started from the window is driven by
# app/window/main-window-walk.sh.)
#   batch-wine.sh <BrenvikBurn.exe> <WindowDriver.exe> <screenshot folder> <sample root>
prefix=wineprefix-batch
. "$(dirname "$0")/../../support/wine-x11.sh"
sample=$(readlink -f "$4")

run_in_x() {
    cp -r "$sample" "$run/dvd"
    start /D "$(winpath "$run/dvd")" /V SAMPLE || return
    w wait "Save As" 60 >/dev/null && shoot batch-during-burn.png
    # While the library asks for the image file: once the job ends, its box
    # brings the window back.
    w iconic main && check "the window is minimised during the run" || fail "the window is not minimised"
    w save-as "$(winpath "$run/SAMPLE.nrg")" 60 || fail "no Save As dialog for the image"
    sleep 2
    w wait Info 60 >/dev/null || fail "no success box"
    shoot batch-after-burn.png
    w answer Info 10 1 >/dev/null
    w gone main 60 && check "the program closed itself" || fail "the window stayed open"
    wait "$pid"
    isoinfo -d -i "$run/SAMPLE.nrg" 2>/dev/null | grep -qx "Volume id: SAMPLE" &&
        check "SAMPLE.nrg written and read by isoinfo" || fail "no readable SAMPLE.nrg"

    rm -f "$run/NeroAPI.dll" "$run/SAMPLE.nrg"
    (cd "$run" && bb_wine "$run/BrenvikBurn.exe" /D "$(winpath "$run/dvd")" /V SAMPLE >/dev/null 2>&1) &
    pid=$!
    box=$(w answer Error 60 1)
    echo "$box" | grep -q "The recording library could not be loaded" &&
        check "no library: the error box says so" || fail "no library: box '$box'"
    w gone main 60 >/dev/null && check "no library: the program ended" ||
        { fail "no library: the window stayed open"; wineserver -k; }
    wait "$pid"
    [ -z "$(ls "$run" | grep -i '\.nrg')" ] || fail "no library: an image was written"
}

bb_in_xvfb "$@"
