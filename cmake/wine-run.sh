#!/bin/sh
# Runs a Windows executable of the win32 build under Wine, for ctest.
#
# - One throwaway 32-bit prefix per build folder (build/win32/wineprefix),
#   created on first use under a lock, since ctest may run tests in parallel.
# - Crash dialogs off, so a crashing test fails at once instead of hanging.
# - Graphics driver "null": windows and messages work without an X server;
#   screenshot tests set BB_WINE_GRAPHICS=x11 and run under Xvfb.
# - Wine's server keeps the first process's stderr open for seconds after it
#   ends; output goes to files that are printed afterwards so ctest does not
#   wait for it.
set -u
exe="$1"; shift
build_dir=$(cd "$(dirname "$exe")/.." && pwd)
export WINEPREFIX="${BB_WINEPREFIX:-$build_dir/wineprefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

if [ ! -f "$WINEPREFIX/.bb-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.bb-ready" ]; then
            rm -rf "$WINEPREFIX"
            wineboot -i >/dev/null 2>&1
            wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
            wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "${BB_WINE_GRAPHICS:-null}" /f >/dev/null 2>&1
            # Debian's Wine does not find the fonts of its own package.
            if [ -d /usr/share/wine/fonts ]; then
                mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
                cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
            fi
            wineserver -w
            touch "$WINEPREFIX/.bb-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi

out=$(mktemp) err=$(mktemp)
wine "$exe" "$@" >"$out" 2>"$err" </dev/null
rc=$?
tr -d '\r' <"$out"
tr -d '\r' <"$err" >&2
rm -f "$out" "$err"
exit $rc
