#!/bin/sh
# The running BrenvikBurn.exe under Xvfb in a Wine virtual desktop: the About
# box opens from its button and shows the version line with the build's
# library's version, its links are drawn in the link colour; Help starts the
# help viewer on english.chm, and on deutsch.chm with the German language
# file; with the help files gone Help says so in a box. Pictures for people
# to look at go to <picture folder>: about-en.png, about-de.png, main-window-en.png,
# main-window-de.png, help-viewer-en.png, help-viewer-de.png, help-missing.png.
#   about-help.sh <BrenvikBurn.exe> <WindowProbe.exe> <picture folder>
# The program runs from a scratch copy of its folder, so that the help files
# can be taken away.
set -u
exe=$(readlink -f "$1") probe=$(readlink -f "$2") shots=$(readlink -m "$3")
title="Brenvik Burn 1.2.1"
bin=$(dirname "$exe")
build_dir=$(cd "$bin/.." && pwd)
work="$build_dir/about-help"
. "$(dirname "$0")/../../../../cmake/wine-env.sh"
export WINEPREFIX="$build_dir/wineprefix-x11"
bb_wine_select "$exe" || exit 1
# The help viewer draws its window through the HTML engine, which the other
# Windows tests keep switched off.
export WINEDLLOVERRIDES="mscoree="

fail() { echo "FAILED: $*"; failed=1; }

# Starts the program from the scratch folder with the language file $1.
start_program() {
    printf 'Language: %s\r\n' "$1" > "$work/Brenvik.ini"
    (cd "$work" && bb_wine "$work/BrenvikBurn.exe" >/dev/null 2>&1) &
    pid=$!
    bb_wine "$probe" wait "$title" 60 || { fail "the main window did not open"; return 1; }
    sleep 2
}

quit_program() {
    bb_wine "$probe" quit "$title"
    wait "$pid"
    wineserver -w
}

shoot() { sleep 2; import -window root "$shots/$1" || fail "no picture $1"; }

# Pixels of the link colour (0, 0, 238) inside the link's rectangle of the
# last picture; the About box's links are drawn in it until opened.
link_pixels() { # picture "left top right bottom"
    set -- "$1" $2
    convert "$shots/$1" -crop "$(($4 - $2))x$(($5 - $3))+$2+$3" +repage -fill black +opaque '#0000EE' \
        -fill white -opaque '#0000EE' -format '%[fx:round(mean*w*h)]' info:
}

about_box() { # language picture expected-title
    bb_wine "$probe" click "$title" 1013 || { fail "no About button"; return; }
    out=$(bb_wine "$probe" about 20 | tr -d '\r')
    printf "%s\n" "$out"
    printf "%s\n" "$out" | LC_ALL=C grep -q "^title: $3\$" || fail "$1: About box title"
    printf "%s\n" "$out" | grep -q "^version:  Brenvik Burn / Ver. 1.2.1 (API 6.6.0.1) Build ... .. .... \$" ||
        fail "$1: version line"
    shoot "$2"
    for id in 1072 1073; do
        rect=$(printf "%s\n" "$out" | sed -n "s/^link $id: \([-0-9]* [-0-9]* [-0-9]* [-0-9]*\) .*/\1/p")
        n=$(link_pixels "$2" "$rect")
        echo "$1: link $id at $rect: $n pixels in the link colour"
        [ "${n:-0}" -gt 20 ] || fail "$1: link $id is not drawn as a link"
    done
    bb_wine "$probe" ok
}

help_viewer() { # language picture viewer-title
    bb_wine "$probe" click "$title" 1006
    if viewer=$(bb_wine "$probe" titled "$3" 30 | tr -d '\r'); then
        echo "$1: help viewer \"$viewer\""
        shoot "$2"
        bb_wine "$probe" close "$3"
    else
        fail "$1: no help viewer titled $3"
        shoot "$2"
    fi
    sleep 1
}

run_in_x() {
    failed=0
    bb_wine_prefix desktop || return 1
    bb_wine reg add 'HKLM\SOFTWARE\ahead\Shared' /v NeroAPI /d "Z:$(echo "$work" | tr / '\\')" /f >/dev/null 2>&1
    rm -rf "$work"
    mkdir -p "$work" "$shots"
    cp "$bin"/BrenvikBurn.exe "$bin"/NeroAPI.dll "$bin"/*.lng "$bin"/*.chm "$work/" || return 1

    start_program english.lng || return 1
    shoot main-window-en.png
    about_box English about-en.png "About Brenvik Burn 1.2.1"
    help_viewer English help-viewer-en.png "Brenvik Burn Help"
    quit_program

    start_program deutsch.lng || return 1
    shoot main-window-de.png
    about_box German about-de.png ".*ber Brenvik Burn 1.2.1"
    help_viewer German help-viewer-de.png "Hilfe zu Brenvik Burn"

    rm -f "$work"/*.chm
    bb_wine "$probe" click "$title" 1006
    if box=$(bb_wine "$probe" box 20 | tr -d '\r'); then
        printf "without help files: %s\n" "$box"
        printf "%s\n" "$box" | grep -q 'english.chm' || fail "the box does not name the missing help file"
        shoot help-missing.png
        bb_wine "$probe" ok
    else
        fail "no message box for the missing help file"
    fi
    quit_program
    return "$failed"
}

if [ "${BB_IN_XVFB:-}" = 1 ]; then
    run_in_x
    exit $?
fi
BB_IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
status=$?
[ "$status" -eq 0 ] && echo "saved the pictures in $(readlink -m "$3")" && exit 0
echo "About box and help under Wine failed (status $status)"
exit 1
