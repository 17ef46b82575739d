#!/bin/sh
# The main window of the running BrenvikBurn.exe under Wine and Xvfb, driven
# from outside as a user drives it:
#  1. the walk of every button, check box, radio and menu command in the idle
#     window (MainWindowWalk walk ... idle);
#  2. a burn of the sample to the image recorder: while it runs, the system
#     menu's Close and the close message leave the window open; the burn
#     completes and isoinfo reads the image;
#  3. a quick erase of a simulated rewritable disc that lasts about a minute:
#     the close box, clicked with the pointer, leaves the window open; the
#     walk in the job state; afterwards the window is idle and the speed list
#     offers the recorder's speeds;
#  4. Quit ends the program with exit status 0.
# Screenshots of the window during and after the jobs go to the screenshot folder.
#   main-window-walk.sh <BrenvikBurn.exe> <NeroAPI.dll> <MainWindowWalk.exe> <BatchDriver.exe>
#                       <sample root> <screenshot folder>
set -u
exe=$(readlink -f "$1") lib=$(readlink -f "$2") walker=$(readlink -f "$3") driver=$(readlink -f "$4")
sample=$(readlink -f "$5") shots=$6
build_dir=$(cd "$(dirname "$exe")/.." && pwd)
. "$(dirname "$0")/../../../../cmake/wine-env.sh"
export WINEPREFIX="$build_dir/wineprefix-walk"
bb_wine_select "$exe" || exit 1
mkdir -p "$shots"
shots=$(readlink -f "$shots")
# A part of the title that a job leaves in place.
title="Brenvik Burn"

winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

run_in_x() {
    failures=0
    fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
    check() { echo "ok: $*"; }
    # The helpers' own exit status counts: their output is printed afterwards.
    d() { bb_wine "$driver" "$@" >"$work/out" 2>/dev/null; s=$?; tr -d '\r' <"$work/out"; return $s; }
    w() { bb_wine "$walker" "$@" >"$work/out" 2>/dev/null; s=$?; tr -d '\r' <"$work/out"; return $s; }

    bb_wine_prefix desktop || return 1
    # The program runs from a folder of its own, so that nothing it writes
    # (settings, logs) lands in the build's program folder.
    work=$(mktemp -d "${TMPDIR:-/tmp}/bb-walk.XXXXXX")
    mkdir "$work/bin"
    cp "$exe" "$lib" "$(dirname "$exe")/english.lng" "$work/bin/"
    cp -r "$sample" "$work/dvd"
    bb_wine reg add 'HKLM\SOFTWARE\ahead\Shared' /v NeroAPI /d "$(winpath "$work/bin")" /f >/dev/null 2>&1
    # A recorder whose erase lasts long enough to walk the window meanwhile.
    printf '%s\n' '[BB Walk Writer]' 'disc = data' 'medium = DVD-RW' 'quick erase seconds = 60' \
        'dvd speeds = 2 4 8' 'disc image = walk-disc.iso' >"$work/drives.ini"
    export BB_NEROAPI_CONFIG="$(winpath "$work/drives.ini")"
    lng="$(winpath "$work/bin/english.lng")"

    cd "$work/bin" || return 1
    bb_wine "$work/bin/BrenvikBurn.exe" >/dev/null 2>&1 &
    pid=$!
    d wait "$title" 60 >/dev/null || { fail "the window did not appear"; return 1; }
    sleep 2

    # --- 1. the idle window ------------------------------------------------------
    w select "$title" "Image Recorder" || fail "no image recorder"
    w walk "$title" idle "$lng" || fail "the idle walk"

    # --- 2. closing during a burn to the image recorder ----------------------------
    d type "$title" 1002 "$(winpath "$work/dvd")" || fail "could not type the DVD root"
    d type "$title" 1027 "SAMPLE" || fail "could not type the label"
    w select "$title" "Image Recorder" || fail "no image recorder"
    d click "$title" 1031 || fail "could not click Burn"
    if d wait "Save As" 60 >/dev/null; then
        w close "$title" && check "system-menu Close and the close message during the burn: the window stays" ||
            fail "the window closed during the burn"
        import -window root "$shots/walk-close-during-burn.png" 2>/dev/null
        d save-as "$(winpath "$work/SAMPLE.iso")" 30 || fail "could not answer Save As"
    else
        fail "no Save As dialog for the image"
    fi
    if d wait "Info" 60 >/dev/null; then
        d box "Info" 1 10 >/dev/null
    else
        fail "no success box after the image burn"
    fi
    sleep 1
    d text "$title" 1033 | grep -q "Burn process completed successfully" &&
        check "the image burn completed" || fail "the image burn did not complete"
    [ -s "$work/SAMPLE.iso" ] && isoinfo -d -i "$work/SAMPLE.iso" | grep -qx "Volume id: SAMPLE" &&
        check "SAMPLE.iso read by isoinfo" || fail "no readable SAMPLE.iso"

    # --- 3. an erase: the close box and the walk in the job state --------------------
    w select "$title" "BB Walk Writer" || fail "no simulated recorder"
    d click "$title" 1039 || fail "could not click Erase"
    d box "Erase ReWriteable" 6 30 >/dev/null || fail "no erase question"
    sleep 3
    point=$(w close-box "$title")
    if [ -n "$point" ] && xdotool mousemove $point click 1 2>/dev/null; then
        sleep 2
        d wait "$title" 1 >/dev/null && check "the close box during the erase leaves the window open ($point)" ||
            fail "the close box closed the window during the erase"
    else
        fail "could not click the close box: $point"
    fi
    import -window root "$shots/walk-job-state.png" 2>/dev/null
    w walk "$title" job "$lng" || fail "the walk during the erase"
    w answer "$title" 120 || fail "no box at the end of the erase"

    sleep 1
    import -window root "$shots/walk-after-job.png" 2>/dev/null
    w after-job "$title" "$lng" || fail "the window after the erase"

    # --- 4. Quit -----------------------------------------------------------------------
    d click "$title" 2 || fail "could not click Quit"
    d gone "$title" 30 >/dev/null || fail "Quit did not close the window"
    wait "$pid"
    status=$?
    [ "$status" -eq 0 ] && check "Quit: exit status 0" || fail "exit status $status after Quit"

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
[ "$status" -eq 0 ] && echo "main window walk under Wine: all checks passed"
exit "$status"
