#!/bin/sh
# The running BrenvikBurn.exe under Xvfb (tests/win32/support/wine-x11.sh):
# the About box opens from its button and shows the version line with the
# build's library's version, its links are drawn in the link colour; Help
# starts the help viewer on english.chm, and on deutsch.chm with the German
# language file; with the help files gone Help says so in a box. Pictures:
# main-window-en.png, main-window-de.png, about-en.png, about-de.png,
# help-viewer-en.png, help-viewer-de.png, help-missing.png.
#   about-help.sh <BrenvikBurn.exe> <WindowDriver.exe> <screenshot folder>
# The help viewer draws its window through the HTML engine, which the other
# Windows tests keep switched off.
export WINEDLLOVERRIDES="mscoree="
prefix=wineprefix-x11
. "$(dirname "$0")/../../support/wine-x11.sh"

# Pixels of the link colour (0, 0, 238) inside the link's rectangle of the
# picture; the About box's links are drawn in it until opened.
link_pixels() { # picture "left top right bottom"
    set -- "$1" $2
    convert "$shots/$1" -crop "$(($4 - $2))x$(($5 - $3))+$2+$3" +repage -fill black +opaque '#0000EE' \
        -fill white -opaque '#0000EE' -format '%[fx:round(mean*w*h)]' info:
}

about_box() { # language picture expected-title
    w command main 1013
    out=$(w about 20) || { fail "$1: no About box"; return; }
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
    w command dialog 1
}

help_viewer() { # language picture viewer-title
    w command main 1006
    if w wait "$3" 30 >/dev/null && viewer=$(w text "$3" title); then
        echo "$1: help viewer \"$viewer\""
        shoot "$2"
        w close "$3"
    else
        fail "$1: no help viewer titled $3"
        shoot "$2"
    fi
    sleep 1
}

# in_language <file> <language> <picture suffix> <About title> <viewer title>: a start in it.
in_language() {
    printf 'Language: %s\r\n' "$1" >"$run/Brenvik.ini"
    start || return
    shoot "main-window-$3.png"
    about_box "$2" "about-$3.png" "$4"
    help_viewer "$2" "help-viewer-$3.png" "$5"
}

run_in_x() {
    in_language english.lng English en "About Brenvik Burn 1.2.1" "Brenvik Burn Help" || return
    quit
    in_language deutsch.lng German de ".*ber Brenvik Burn 1.2.1" "Hilfe zu Brenvik Burn" || return

    rm -f "$run"/*.chm
    w command main 1006
    if box=$(w box dialog 20); then
        printf "without help files: %s\n" "$box"
        printf "%s\n" "$box" | grep -q 'english.chm' || fail "the box does not name the missing help file"
        shoot help-missing.png
        w command dialog 1
    else
        fail "no message box for the missing help file"
    fi
    quit
}

bb_in_xvfb "$@"
