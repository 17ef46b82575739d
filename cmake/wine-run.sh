#!/bin/sh
# Runs a Windows executable of a Windows build (win32 or win64) under Wine,
# for ctest.
#
# - The loader follows the executable's machine type (cmake/wine-env.sh).
# - One throwaway prefix per build folder (build/<preset>/wineprefix),
#   created on first use under a lock, since ctest may run tests in parallel.
# - Crash dialogs off, so a crashing test fails at once instead of hanging.
# - Graphics driver "null": windows and messages work without an X server;
#   screenshot tests set BB_WINE_GRAPHICS=x11 and run under Xvfb.
# - Wine's server keeps the first process's stderr open for seconds after it
#   ends; output goes to files that are printed afterwards so ctest does not
#   wait for it.
set -u
. "$(dirname "$0")/wine-env.sh"
exe="$1"; shift
build_dir=$(cd "$(dirname "$exe")/.." && pwd)
export WINEPREFIX="${BB_WINEPREFIX:-$build_dir/wineprefix}"
bb_wine_select "$exe" || exit 1
bb_wine_prefix "${BB_WINE_GRAPHICS:-null}" || exit 1

out=$(mktemp) err=$(mktemp)
bb_wine "$exe" "$@" >"$out" 2>"$err" </dev/null
rc=$?
# Once in some thousand starts under load, the 64-bit loader has ended with
# a failure before the program wrote a byte (a test exe prints its first
# line as main starts). That start is reported and made once more; a program
# that fails again, or that wrote anything, fails as it is.
if [ "$rc" -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ]; then
    echo "wine-run: $(basename "$exe") ended with status $rc before writing anything; starting it once more" >&2
    bb_wine "$exe" "$@" >"$out" 2>"$err" </dev/null
    rc=$?
fi
tr -d '\r' <"$out"
tr -d '\r' <"$err" >&2
rm -f "$out" "$err"
exit $rc
