#!/bin/sh
# The settings dialogs of the running BrenvikBurn.exe under Xvfb: each one
# opened from the Settings menu, values changed, OK or Cancel pressed, and
# the main window and Brenvik.ini checked afterwards; the language switched
# to German and back on the live window; a second start that shows what the
# first one saved. Pictures of every dialog in English and German and of the
# German main window go to <picture folder>.
#   settings-dialogs.sh <BrenvikBurn.exe> <SettingsProbe.exe> <picture folder>
# The program runs from a private copy of its folder, so that the
# Brenvik.ini it writes is seen by no other test.
set -u
exe=$(readlink -f "$1") probe=$(readlink -f "$2") shots=$(readlink -m "$3")
build_dir=$(cd "$(dirname "$exe")/.." && pwd)
. "$(dirname "$0")/../../../../cmake/wine-env.sh"
export WINEPREFIX="$build_dir/wineprefix-x11"
bb_wine_select "$exe" || exit 1

run_in_x() {
    bb_wine_prefix desktop || return 1
    run="$build_dir/settings-dialogs-run"
    rm -rf "$run" && mkdir -p "$run" "$shots" || return 1
    bin=$(dirname "$exe")
    cp "$exe" "$bin"/NeroAPI.dll "$bin"/*.lng "$run"/ || return 1
    bb_wine reg add 'HKLM\SOFTWARE\ahead\Shared' /v NeroAPI /d "Z:$(echo "$run" | tr / '\\')" /f >/dev/null 2>&1
    cd "$run" || return 1
    failures=0

    # The probe's output without CRs, and its exit status.
    probe() {
        bb_wine "$probe" "$@" >"$run/probe.out"
        _status=$?
        tr -d '\r' <"$run/probe.out"
        return $_status
    }
    fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
    # ini <key>: the value Brenvik.ini holds for the key.
    ini() { tr -d '\r' <Brenvik.ini 2>/dev/null | sed -n "s/^$1: //p"; }
    expect_ini() { [ "$(ini "$1")" = "$2" ] || fail "Brenvik.ini $1 is '$(ini "$1")', expected '$2' ($3)"; }
    expect() { [ "$1" = "$2" ] || fail "$3: '$1', expected '$2'"; }
    shot() { sleep 1; import -window root "$shots/$1.png" || fail "no picture $1"; }
    # open <command> <picture or ->: a settings dialog from the menu.
    open() {
        probe command main "$1"
        probe wait dialog 20 >/dev/null || { fail "menu command $1 opened no dialog"; return 1; }
        [ "$2" = - ] || shot "$2"
    }
    close() {
        _title=$(probe text dialog title)
        # The button's own notification: a simulated mouse click on a button
        # of another process was lost once in four runs under load.
        probe command dialog "$1"
        probe gone 20 >/dev/null || fail "the dialog \"$_title\" stayed open after button $1"
        # The window saves the settings after the dialog has gone.
        probe idle main || fail "the main window did not come back after \"$_title\""
    }
    start() {
        bb_wine ./BrenvikBurn.exe >/dev/null 2>&1 &
        pid=$!
        probe wait main 60 >/dev/null || { fail "no main window"; kill "$pid"; return 1; }
        sleep 2
    }
    quit() {
        probe command main 2
        wait "$pid" || fail "BrenvikBurn.exe ended with status $?"
        wineserver -w
    }

    start || return 1
    [ ! -f Brenvik.ini ] || fail "Brenvik.ini before anything was saved"
    # Filesystem Flags: the cDVD preset, then OK.
    open 40001 fsflags-en && probe click dialog 1059 && close 1
    expect_ini FSFlags 5A "cDVD preset and OK"
    # Other Settings: burn proof off and a new yellow DVD limit, OK.
    open 40003 other-settings-en && probe click dialog 1062 && probe settext dialog 1116 5000 && close 1
    expect_ini BurnFlags 8000 "burn proof off"
    expect_ini LimitDVD 5000 "yellow DVD limit"
    # Verify on, then Cancel: nothing written, the window's box stays off.
    cp Brenvik.ini before-cancel.ini
    open 40003 - && probe click dialog 1065 && close 2
    cmp -s Brenvik.ini before-cancel.ini || fail "Cancel wrote Brenvik.ini"
    expect "$(probe checked main 1065)" 0 "Verify box after Cancel"
    # Verify on, OK: the window's box follows.
    open 40003 - && probe click dialog 1065 && close 1
    expect "$(probe checked main 1065)" 1 "Verify box after OK"
    expect_ini BurnFlags 8400 "verify on"
    # Audio: enabled with a success sound.
    open 40005 audio-en && probe click dialog 1106 && probe settext dialog 1095 'C:\sounds\done.wav' && close 1
    expect_ini EnableAudio 1 "audio enabled"
    expect_ini SuccessWave 'C:\sounds\done.wav' "success sound"
    # Language: German, then every dialog in German.
    open 40004 language-en && probe select dialog 1089 deutsch.lng && close 1
    expect_ini Language deutsch.lng "language German"
    probe texts main deutsch.lng || fail "the main window is not all German"
    shot main-window-de
    open 40001 fsflags-de && close 2
    open 40003 other-settings-de && close 2
    open 40005 audio-de && close 2
    open 40004 language-de && probe select dialog 1089 english.lng && close 1
    expect_ini Language english.lng "language English again"
    probe texts main english.lng || fail "the main window is not all English again"
    # Save Settings writes the file anew.
    rm -f Brenvik.ini
    probe command main 40002
    probe idle main
    expect_ini Language english.lng "Save Settings"
    expect_ini LimitDVD 5000 "Save Settings"
    quit

    # The second start shows what the first one saved.
    start || return 1
    expect "$(probe checked main 1065)" 1 "Verify box on the second start"
    probe texts main english.lng || fail "second start not in English"
    open 40001 - && expect "$(probe checked dialog 1057)" 1 "Mode 2 on the second start" && close 2
    open 40003 - && expect "$(probe text dialog 1116)" 5000 "yellow DVD limit on the second start" &&
        expect "$(probe checked dialog 1062)" 0 "burn proof on the second start" && close 2
    open 40005 - && expect "$(probe checked dialog 1106)" 1 "audio on the second start" &&
        expect "$(probe text dialog 1095)" 'C:\sounds\done.wav' "success sound on the second start" && close 2
    quit
    echo "$failures failures"
    [ "$failures" -eq 0 ]
}

if [ "${BB_IN_XVFB:-}" = 1 ]; then
    run_in_x
    exit $?
fi
BB_IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
status=$?
[ "$status" -eq 0 ] && echo "pictures in $(readlink -m "$3")" && exit 0
echo "settings dialogs under Wine failed (status $status)"
exit 1
