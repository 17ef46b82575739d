# The running BrenvikBurn.exe under Xvfb in a Wine virtual desktop, for the
# scripts of tests/win32 that drive it from outside. A script takes the
# arguments <BrenvikBurn.exe> <WindowDriver.exe> <screenshot folder> [more...],
# sets $prefix, sources this file, defines run_in_x and ends with
# `bb_in_xvfb "$@"`, which runs it again inside a private X server.
#
# The program runs from a private copy of its folder ($run: the exe, the
# build's recording library, language and help files), registered as the
# library's folder, so that what it writes (Brenvik.ini, logs) is seen by no
# other test. The prefix is a throwaway one of this build ($prefix under the
# build folder) with a 1024x768 desktop; the loader follows the
# build's machine type.

set -u
exe=$(readlink -f "$1") driver=$(readlink -f "$2") shots=$(readlink -m "$3")
bin=$(dirname "$exe")
build_dir=$(cd "$bin/.." && pwd)
run="$build_dir/$(basename "$0" .sh)-run"
_top=$(cd "$(dirname "$0")" && pwd)
while [ ! -f "$_top/cmake/wine-env.sh" ] && [ "$_top" != / ]; do _top=$(dirname "$_top"); done
. "$_top/cmake/wine-env.sh"
export WINEPREFIX="$build_dir/$prefix"
bb_wine_select "$exe" || exit 1

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { echo "ok: $*"; }
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

# The driver (tests/win32/support/WindowDriver.cpp): its output without CRs,
# and its own exit status.
w() {
    bb_wine "$driver" "$@" >"$run/driver.out" 2>/dev/null
    _status=$?
    tr -d '\r' <"$run/driver.out"
    return $_status
}

shoot() { sleep 1; import -window root "$shots/$1" || fail "no picture $1"; }

# start [arguments]: the program in $run; waits for its main window.
start() {
    (cd "$run" && bb_wine "$run/BrenvikBurn.exe" "$@" >/dev/null 2>&1) &
    pid=$!
    w wait main 60 >/dev/null || { fail "the main window did not open"; kill "$pid"; return 1; }
    sleep 2
}

# quit: Quit closes the window and ends the program with exit status 0.
quit() {
    w command main 2
    w gone main 30 >/dev/null || { fail "Quit did not close the window"; wineserver -k; }
    wait "$pid"
    _status=$?
    wineserver -w
    [ "$_status" -eq 0 ] && check "Quit: exit status 0" || fail "exit status $_status after Quit"
}

bb_in_xvfb() {
    if [ "${BB_IN_XVFB:-}" = 1 ]; then
        bb_wine_prefix desktop || exit 1
        rm -rf "$run" && mkdir -p "$run" "$shots" || exit 1
        cp "$exe" "$bin/NeroAPI.dll" "$bin"/*.lng "$bin"/*.chm "$run/" || exit 1
        bb_wine reg add 'HKLM\SOFTWARE\ahead\Shared' /v NeroAPI /d "$(winpath "$run")" /f >/dev/null 2>&1
        cd "$run" || exit 1
        run_in_x
        echo "$failures failures"
        wineserver -k 2>/dev/null
        [ "$failures" -eq 0 ]
        exit $?
    fi
    BB_IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
    _status=$?
    [ "$_status" -eq 0 ] && echo "all checks passed; pictures in $shots" || echo "$(basename "$0") failed"
    exit "$_status"
}
