#!/bin/sh
# The program's own controls on the running BrenvikBurn.exe under Xvfb
# (tests/win32/support/wine-x11.sh), looked at in screenshots:
#  1. idle: Refresh, Eject and Clear Log show their icons;
#  2. the mouse over Refresh changes its face and shows the language file's
#     tooltip; moving away restores the face; the disabled Burn does not react;
#  3. the size meter for an empty root, the sample (half full against the
#     limits below) and the sample with padding (over the red limit): its bar
#     columns have the colours the meter's arithmetic predicts, nothing past
#     the bar's end;
#  4. with UxTheme.dll unavailable the icons, tooltip and hover still work.
#   controls-wine.sh <BrenvikBurn.exe> <WindowDriver.exe> <screenshot folder> <sample root>
prefix=wineprefix-x11
. "$(dirname "$0")/../support/wine-x11.sh"
sample=$(readlink -f "$4")

# DVD limits in MB: the sample (0.7 MB, shown as 1) fills half the scale; with
# 9 MB of padding it is over the red limit and the bar shows all three colours.
yellow=1 red=2

# crop <picture> <id> <out>: the pixels inside a control's frame (and <out>.inner.png, 4 pixels in).
crop() {
    set -- "$1" "$(w rect main "$2")" "$3"
    # shellcheck disable=SC2086  # left top right bottom
    set -- "$1" $2 "$3"
    convert "$1" -crop "$(($4 - $2))x$(($5 - $3))+$2+$3" +repage "$6"
    convert "$6" -shave 4x4 "$6.inner.png"
}
# The X pointer onto a control's centre (Wine hears it as a user's move).
mouse() {
    set -- $(w rect main "$1")
    xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2))
    sleep 1
}
differs() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" != 0 ]; }
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
# has_icon <picture> <id> <label>: the button's face in the picture has more than one colour.
has_icon() {
    crop "$shots/$1.png" "$2" "$run/$1-$2.png"
    n=$(colours "$run/$1-$2.png")
    [ "$n" -ge 2 ] && check "$3 shows an icon ($n colours)" || fail "$3 has no icon ($n colours)"
}
# icon_and_hover <picture prefix>: Refresh shows an icon, its tooltip, and a new face under the mouse.
icon_and_hover() {
    has_icon "$1" 1061 "$1: Refresh"
    mouse 1061
    got=$(w tip main 1061 5)
    [ "$got" = "$tip" ] && check "$1: Refresh's tooltip: $got" || fail "$1: Refresh's tooltip \"$got\", want \"$tip\""
    shoot "$1-hover.png"
    crop "$shots/$1-hover.png" 1061 "$run/$1-hover-1061.png"
    differs "$run/$1-1061.png" "$run/$1-hover-1061.png" && check "$1: hovering Refresh changes its face" ||
        fail "$1: hovering Refresh changes nothing"
    mouse 1033
}

run_in_x() {
    mkdir "$run/empty"
    cp -r "$sample" "$run/half"
    cp -r "$sample" "$run/over"
    mkdir "$run/over/JACKET_P"
    head -c 9437184 /dev/zero >"$run/over/JACKET_P/PADDING.BIN"
    printf 'LimitCD: 650\r\nLimitDVD: %d\r\nLimitCDRed: 700\r\nLimitDVDRed: %d\r\n' "$yellow" "$red" >"$run/Brenvik.ini"
    tip=$(sed -n 's/^526: //p' "$run/english.lng" | tr -d '\r')

    # --- 1. and 2.: icons, hover, tooltip, a disabled button --------------------
    start || return
    mouse 1033
    shoot controls-idle.png
    for id in 1118 1077; do has_icon controls-idle $id "button $id"; done
    icon_and_hover controls-idle
    shoot controls-left.png
    crop "$shots/controls-left.png" 1061 "$run/left-1061.png"
    differs "$run/controls-idle-1061.png" "$run/left-1061.png" && fail "Refresh stays changed after the mouse left" ||
        check "leaving Refresh restores its face"

    crop "$shots/controls-idle.png" 1031 "$run/idle-1031.png"
    mouse 1031
    w notip main 1031 3 && check "the disabled Burn shows no tooltip" || fail "the disabled Burn shows a tooltip"
    import -window root "$run/burn-hover.png"
    crop "$run/burn-hover.png" 1031 "$run/hover-1031.png"
    differs "$run/idle-1031.png" "$run/hover-1031.png" && fail "the disabled Burn reacts to the mouse" ||
        check "the disabled Burn does not react to the mouse"
    mouse 1033

    # --- 3. the size meter ---------------------------------------------------------
    for root in empty half over; do
        size=$(find "$run/$root" -type f -printf '%s\n' | awk '{ s += $1 } END { printf "%d", s / 1048576 + 0.5 }')
        w type main 1002 "$(winpath "$run/$root")"
        sleep 1
        shoot "controls-meter-$root.png"
        w meter main "$yellow" "$red" "$size" >"$run/meter" || { fail "meter ($root): $(cat "$run/meter")"; continue; }
        read -r mx my width <"$run/meter"
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
        done <"$run/meter"
        # Past the bar's end the scale is bare: white, or the black tick.
        got=$(pixel "$shots/controls-meter-$root.png" $((mx + end + 1)) "$y")
        case $got in white | other) ;; *) fail "meter ($root): column $((end + 1)) past the bar is $got"; ok=0 ;; esac
        [ $ok = 1 ] && check "meter ($root, $size MB, width $width): $runs runs where predicted, bare past column $end"
    done
    quit

    # --- 4. without the theme library --------------------------------------------------
    # The program never imports UxTheme.dll (it looks it up at run time), but
    # some Wines' own controls delay-load it and cannot draw without it: there
    # the window cannot open, which says nothing about the program; the
    # substitutes are checked in-process (controls_drawing_test) on every build.
    (cd "$run" && WINEDLLOVERRIDES="$WINEDLLOVERRIDES;uxtheme=d" bb_wine "$run/BrenvikBurn.exe" >/dev/null 2>"$run/no-theme.err") &
    pid=$!
    if ! w wait main 60 >/dev/null; then
        kill "$pid" 2>/dev/null
        wineserver -k
        if grep -q 'unimplemented function uxtheme.dll' "$run/no-theme.err"; then
            echo "not tried: this Wine's own controls need UxTheme.dll ($(grep -m1 'unimplemented function uxtheme.dll' "$run/no-theme.err" | tr -d '\r'))"
        else
            fail "the main window did not open without UxTheme.dll"
        fi
        return
    fi
    sleep 2
    mouse 1033
    shoot controls-no-theme.png
    icon_and_hover controls-no-theme
    quit
}

bb_in_xvfb "$@"
