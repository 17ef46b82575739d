#!/bin/sh
# Opens BrenvikBurn.exe under Xvfb in a Wine virtual desktop, checks that every
# control of its window sits where the template puts it (WindowProbe layout),
# saves a picture of the screen for people to look at and closes the program
# through its Quit button.
#   screenshot.sh <BrenvikBurn.exe> <WindowProbe.exe> <picture.png>
# The program runs from its own folder (english.lng and the build's recording
# library beside it). The prefix is a throwaway one of this build, with the
# X11 driver and a 1024x768 desktop; the loader follows the build's machine
# type (32- or 64-bit).
set -u
# -m: the picture's folder may not exist yet.
exe=$(readlink -f "$1") probe=$(readlink -f "$2") out=$(readlink -m "$3")
title="Brenvik Burn 1.2.1"
build_dir=$(cd "$(dirname "$exe")/.." && pwd)
. "$(dirname "$0")/../../../../cmake/wine-env.sh"
export WINEPREFIX="$build_dir/wineprefix-x11"
bb_wine_select "$exe" || exit 1
mkdir -p "$(dirname "$out")"
rm -f "$out"

run_in_x() {
    bb_wine_prefix desktop || return 1
    # The recording library of this build, beside the program.
    bb_wine reg add 'HKLM\SOFTWARE\ahead\Shared' /v NeroAPI /d "Z:$(dirname "$exe" | tr / '\\')" /f >/dev/null 2>&1
    cd "$(dirname "$exe")" || return 1
    bb_wine "$exe" >/dev/null 2>&1 &
    pid=$!
    if ! bb_wine "$probe" wait "$title" 60; then
        kill "$pid" 2>/dev/null
        return 1
    fi
    sleep 3  # let the desktop and the window paint
    bb_wine "$probe" layout "$title"
    layout=$?
    import -window root "$out" || return 1
    bb_wine "$probe" quit "$title" || return 1
    wait "$pid"
    status=$?
    wineserver -w
    [ "$status" -eq 0 ] || { echo "BrenvikBurn.exe ended with status $status"; return 1; }
    [ "$layout" -eq 0 ] || { echo "controls out of place"; return 1; }
}

if [ "${BB_IN_XVFB:-}" = 1 ]; then
    run_in_x
    exit $?
fi
# One private X server for this run; the script runs itself inside it.
BB_IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
status=$?
[ "$status" -eq 0 ] && [ -s "$out" ] && echo "saved $out" && exit 0
echo "screenshot failed (status $status)"
exit 1
