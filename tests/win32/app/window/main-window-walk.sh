#!/bin/sh
# The main window of the running BrenvikBurn.exe under Wine and Xvfb
# (tests/win32/support/wine-x11.sh), driven from outside as a user drives it:
#  1. the walk of every button, check box, radio and menu command in the idle
#     window (WindowDriver walk ... idle);
#  2. a burn of the sample to the image recorder: while it runs, the system
#     menu's Close and the close message leave the window open; the burn
#     completes, the display is idle again and isoinfo reads the image;
#     then a burn of a larger root aborted while the image is written: the
#     question, the error box within seconds (each driver call starts a Wine
#     process), the window idle, no image and no partial file left;
#  3. a quick erase of a simulated rewritable disc that lasts about a minute:
#     the close box, clicked with the pointer, leaves the window open; the
#     walk in the job state; afterwards the window is idle and the speed list
#     offers the recorder's speeds;
#  4. Quit ends the program with exit status 0.
#   main-window-walk.sh <BrenvikBurn.exe> <WindowDriver.exe> <screenshot folder> <sample root>
prefix=wineprefix-walk
. "$(dirname "$0")/../../support/wine-x11.sh"
sample=$(readlink -f "$4")

run_in_x() {
    # Without help files Help answers with a box of the program, which the
    # walk closes; a help viewer would be a program of its own.
    rm -f "$run"/*.chm
    cp -r "$sample" "$run/dvd"
    # A recorder whose erase lasts long enough to walk the window meanwhile.
    printf '%s\n' '[BB Walk Writer]' 'disc = data' 'medium = DVD-RW' 'quick erase seconds = 60' \
        'dvd speeds = 2 4 8' 'disc image = walk-disc.iso' >"$run/drives.ini"
    export BB_NEROAPI_CONFIG="$(winpath "$run/drives.ini")"
    lng="$(winpath "$run/english.lng")"
    start || return

    # --- 1. the idle window ------------------------------------------------------
    w select main 1029 "Image Recorder" || fail "no image recorder"
    w walk main idle "$lng" || fail "the idle walk"

    # --- 2. closing during a burn to the image recorder ----------------------------
    w type main 1002 "$(winpath "$run/dvd")" || fail "could not type the DVD root"
    w type main 1027 SAMPLE || fail "could not type the label"
    w select main 1029 "Image Recorder" || fail "no image recorder"
    w command main 1031 || fail "could not click Burn"
    if w wait "Save As" 60 >/dev/null; then
        w try-close main && check "system-menu Close and the close message during the burn: the window stays" ||
            fail "the window closed during the burn"
        shoot walk-close-during-burn.png
        w save-as "$(winpath "$run/SAMPLE.iso")" 30 || fail "could not answer Save As"
    else
        fail "no Save As dialog for the image"
    fi
    w answer Info 60 1 >/dev/null || fail "no success box after the image burn"
    sleep 1
    w text main 1033 | grep -q "Burn process completed successfully" &&
        check "the image burn completed" || fail "the image burn did not complete"
    percent=$(w text main 1050)
    [ "$percent" = "0 %" ] && check "idle display after the burn" || fail "percent label '$percent'"
    isoinfo -d -i "$run/SAMPLE.iso" 2>/dev/null | grep -qx "Volume id: SAMPLE" &&
        check "SAMPLE.iso read by isoinfo" || fail "no readable SAMPLE.iso"

    # Aborted while the image is written: a sparse 3 GB file beside VIDEO_TS
    # makes the writing last long enough.
    mkdir -p "$run/dvd/EXTRA" && truncate -s 3G "$run/dvd/EXTRA/BIG.BIN"
    w command main 1031 || fail "could not click Burn"
    w save-as "$(winpath "$run/ABORTED.iso")" 60 || fail "no Save As dialog for the aborted image"
    n=0
    while [ "$(w text main 1050)" = "0 %" ] && [ $n -lt 150 ]; do sleep 0.2; n=$((n + 1)); done
    w command main 1032 || fail "could not click Abort"
    w answer "Abort Job" 30 6 >/dev/null || fail "no abort question"
    asked=$(date +%s)
    box=$(w answer dialog 30 1)
    took=$(($(date +%s) - asked))
    echo "$box" | grep -q "Error" && [ "$took" -le 5 ] &&
        check "abort while writing: the error box after ${took} s" || fail "abort while writing: '$box' after ${took} s"
    sleep 1
    percent=$(w text main 1050)
    [ "$percent" = "0 %" ] && check "idle display after the abort" || fail "percent label '$percent' after the abort"
    left=$(ls "$run" | grep -i "^ABORTED")
    [ -z "$left" ] && check "abort while writing: no image, no partial file" || fail "left behind: $left"
    rm -rf "$run/dvd/EXTRA"

    # --- 3. an erase: the close box and the walk in the job state --------------------
    w select main 1029 "BB Walk Writer" || fail "no simulated recorder"
    w command main 1039 || fail "could not click Erase"
    w answer "Erase ReWriteable" 30 6 >/dev/null || fail "no erase question"
    sleep 3
    point=$(w close-box main)
    if [ -n "$point" ] && xdotool mousemove $point click 1 2>/dev/null; then
        sleep 2
        w wait main 1 >/dev/null && check "the close box during the erase leaves the window open ($point)" ||
            fail "the close box closed the window during the erase"
    else
        fail "could not click the close box: $point"
    fi
    shoot walk-job-state.png
    w walk main job "$lng" || fail "the walk during the erase"
    w answer dialog 120 || fail "no box at the end of the erase"
    shoot walk-after-job.png
    w walk main after "$lng" || fail "the window after the erase"

    # --- 4. Quit -----------------------------------------------------------------------
    quit
}

bb_in_xvfb "$@"
