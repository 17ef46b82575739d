#!/bin/sh
# The program's own controls on the running BrenvikBurn.exe under Wine and
# Xvfb, looked at in screenshots:
#  1. idle: Refresh, Eject and Clear Log show their icons;
#  2. the mouse over Refresh changes its drawn face and shows its tooltip with
#     the language file's text; moving away restores the face; the disabled
#     Burn button does not react;
#  3. the size meter after choosing an empty root, the bundled sample (half
#     full against the limits of the settings file) and the sample with a
#     padding file (over the red limit): its bar columns have the colours the
#     meter's arithmetic predicts, and nothing lies past the bar's end;
#  4. the same program with UxTheme.dll made unavailable still draws its icons
#     and reacts to the mouse.
# Pictures go to the screenshot folder.
#   controls-wine.sh <BrenvikBurn.exe> <NeroAPI.dll> <ControlsProbe.exe> <sample root> <screenshot folder>
set -u
exe=$(readlink -f "$1") lib=$(readlink -f "$2") probe=$(readlink -f "$3") sample=$(readlink -f "$4")
shots=$(readlink -m "$5")
build_dir=$(cd "$(dirname "$exe")/.." && pwd)
. "$(dirname "$0")/../../../cmake/wine-env.sh"
export WINEPREFIX="$build_dir/wineprefix-x11"
bb_wine_select "$exe" || exit 1
mkdir -p "$shots"
title="Brenvik Burn 1.2.1"

winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

# The limits the settings file gives the DVD class: the bundled sample
# (0.7 MB, shown as 1 MB) fills half the scale; with 9 MB of padding (10 MB)
# it is over the red limit and the bar shows all three colours.
yellow=1 red=2

run_in_x() {
    failures=0
    fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
    check() { echo "ok: $*"; }
    p() { bb_wine "$probe" "$@" >"$work/out" 2>/dev/null; s=$?; tr -d '\r' <"$work/out"; return $s; }
    shot() { import -window root "$shots/$1" 2>/dev/null || fail "no screenshot $1"; }
    # The pixels inside a control's frame in a screenshot: crop <picture> <id> <out>
    crop() {
        set -- "$1" "$(p rect "$title" "$2")" "$3"
        # shellcheck disable=SC2086  # left top right bottom
        set -- "$1" $2 "$3"
        convert "$1" -crop "$(($4 - $2))x$(($5 - $3))+$2+$3" +repage "$6"
        convert "$6" -shave 4x4 "$6.inner.png"
    }
    # The X pointer moved onto a control's centre (Wine hears it as a user's move).
    mouse() {
        set -- $(p rect "$title" "$1")
        xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2))
    }
    differs() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" != 0 ]; }
    # Colours inside the frame: 1 for a blank face.
    colours() { convert "$1.inner.png" -format %k info:; }
    # The colour class of one pixel: green, yellow, red, white or other.
    pixel() {
        convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info: |
            awk '{ r = $1; g = $2; b = $3
                   if (r > 230 && g > 230 && b > 230) print "white"
                   else if (g > r + 40 && g > b + 40) print "green"
                   else if (r > 120 && g > 120 && b < r - 60 && b < g - 60) print "yellow"
                   else if (r > g + 60 && r > b + 60) print "red"
                   else print "other" }'
    }
    start() {
        bb_wine "$work/bin/BrenvikBurn.exe" >/dev/null 2>&1 &
        pid=$!
        p wait "$title" 60 >/dev/null || { fail "the window did not appear"; return 1; }
        sleep 3
    }
    stop() {
        p quit "$title" >/dev/null
        wait "$pid"
        wineserver -w
    }

    bb_wine_prefix desktop || return 1
    work=$(mktemp -d "${TMPDIR:-/tmp}/bb-controls.XXXXXX")
    mkdir "$work/bin" "$work/empty"
    cp "$exe" "$lib" "$(dirname "$exe")/english.lng" "$work/bin/"
    cp -r "$sample" "$work/half"
    cp -r "$sample" "$work/over"
    mkdir "$work/over/JACKET_P"
    head -c 9437184 /dev/zero >"$work/over/JACKET_P/PADDING.BIN"
    printf 'LimitCD: 650\r\nLimitDVD: %d\r\nLimitCDRed: 700\r\nLimitDVDRed: %d\r\n' "$yellow" "$red" \
        >"$work/bin/Brenvik.ini"
    bb_wine reg add 'HKLM\SOFTWARE\ahead\Shared' /v NeroAPI /d "$(winpath "$work/bin")" /f >/dev/null 2>&1
    cd "$work/bin" || return 1

    # --- 1. and 2.: icons, hover, tooltip, a disabled button --------------------
    start || return 1
    mouse 1033
    sleep 1
    shot controls-idle.png
    for id in 1061 1118 1077; do
        crop "$shots/controls-idle.png" $id "$work/idle-$id.png"
        n=$(colours "$work/idle-$id.png")
        [ "$n" -ge 2 ] && check "button $id shows an icon ($n colours)" || fail "button $id has no icon ($n colours)"
    done

    mouse 1061
    tip=$(sed -n 's/^526: //p' "$work/bin/english.lng" | tr -d '\r')
    got=$(p tip "$title" 1061 5)
    [ "$got" = "$tip" ] && check "Refresh's tooltip: $got" || fail "Refresh's tooltip \"$got\", want \"$tip\""
    shot controls-hover.png
    crop "$shots/controls-hover.png" 1061 "$work/hover-1061.png"
    differs "$work/idle-1061.png" "$work/hover-1061.png" && check "hovering Refresh changes its face" ||
        fail "hovering Refresh changes nothing"

    mouse 1033
    sleep 1
    shot controls-left.png
    crop "$shots/controls-left.png" 1061 "$work/left-1061.png"
    differs "$work/idle-1061.png" "$work/left-1061.png" && fail "Refresh stays changed after the mouse left" ||
        check "leaving Refresh restores its face"

    crop "$shots/controls-idle.png" 1031 "$work/idle-1031.png"
    mouse 1031
    p notip "$title" 1031 3 && check "the disabled Burn shows no tooltip" || fail "the disabled Burn shows a tooltip"
    import -window root "$work/burn-hover.png"
    crop "$work/burn-hover.png" 1031 "$work/hover-1031.png"
    differs "$work/idle-1031.png" "$work/hover-1031.png" && fail "the disabled Burn reacts to the mouse" ||
        check "the disabled Burn does not react to the mouse"
    mouse 1033

    # --- 3. the size meter ---------------------------------------------------------
    for root in empty half over; do
        case $root in
            empty) size=0 ;;
            *) size=$(find "$work/$root" -type f -printf '%s\n' | awk '{ s += $1 } END { printf "%d", s / 1048576 + 0.5 }') ;;
        esac
        p root "$title" "$(winpath "$work/$root")"
        sleep 2
        shot "controls-meter-$root.png"
        if ! p meter "$title" "$yellow" "$red" "$size" >"$work/meter"; then
            fail "meter ($root): $(cat "$work/meter")"
            continue
        fi
        read -r mx my width <"$work/meter"
        # Row 16 of the strip: inside the bar, above the size label.
        y=$((my + 16)) runs=0 end=15 ok=1
        while read -r word part from to; do
            [ "$word" = run ] || continue
            runs=$((runs + 1)) end=$to
            case $part in 2) want=green ;; 3) want=yellow ;; 4) want=red ;; esac
            for x in "$from" $(((from + to) / 2)) $((to - 1)); do
                got=$(pixel "$shots/controls-meter-$root.png" $((mx + x)) "$y")
                [ "$got" = "$want" ] || { fail "meter ($root): column $x is $got, want $want"; ok=0; }
            done
        done <"$work/meter"
        # Past the bar's end the scale is bare: white, or the black tick.
        got=$(pixel "$shots/controls-meter-$root.png" $((mx + end + 1)) "$y")
        case $got in white | other) ;; *) fail "meter ($root): column $((end + 1)) past the bar is $got"; ok=0 ;; esac
        [ $ok = 1 ] && check "meter ($root, $size MB, width $width): $runs runs where predicted, bare past column $end"
    done
    stop

    # --- 4. without the theme library --------------------------------------------------
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES;uxtheme=d" start || return 1
    mouse 1033
    sleep 1
    shot controls-no-theme.png
    crop "$shots/controls-no-theme.png" 1061 "$work/plain-1061.png"
    n=$(colours "$work/plain-1061.png")
    [ "$n" -ge 2 ] && check "without the theme library Refresh shows its icon ($n colours)" ||
        fail "without the theme library Refresh has no icon ($n colours)"
    mouse 1061
    got=$(p tip "$title" 1061 5)
    [ "$got" = "$tip" ] && check "without the theme library the tooltip shows" ||
        fail "without the theme library the tooltip \"$got\", want \"$tip\""
    shot controls-no-theme-hover.png
    crop "$shots/controls-no-theme-hover.png" 1061 "$work/plain-hover-1061.png"
    differs "$work/plain-1061.png" "$work/plain-hover-1061.png" && check "without the theme library hovering draws the raised edge" ||
        fail "without the theme library hovering changes nothing"
    stop

    rm -rf "$work"
    [ "$failures" -eq 0 ]
}

if [ "${BB_IN_XVFB:-}" = 1 ]; then
    run_in_x
    exit $?
fi
BB_IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
status=$?
[ "$status" -eq 0 ] && echo "controls: all checks passed; pictures in $shots" && exit 0
echo "controls: failed (status $status)"
exit 1
