# Wine for the executables of one Windows build; sourced by the scripts that
# run them (wine-run.sh for ctest, the screenshot and batch scripts).
#
#   bb_wine_select <exe>      reads the exe's machine type and sets BB_WINE
#                             (the loader to run it with) and WINEARCH
#   bb_wine_prefix <graphics> creates $WINEPREFIX once, under a lock:
#                             graphics "null" (no X server) or "desktop"
#                             (X11 with a 1024x768 virtual desktop)
#   bb_wine <args>            runs the loader
#
# A 32-bit build runs under Debian's `wine` launcher, as it always has. A
# 64-bit build runs under the 64-bit loader, called directly: whenever
# wine32 is installed the launcher picks the 32-bit loader, which cannot
# start on a machine that runs 64-bit user code only. WINELOADER names the
# same loader, so that Wine's own programs (wineboot, reg) start 64-bit too.

: "${WINEDEBUG:=-all}"
: "${WINEDLLOVERRIDES:=mscoree,mshtml=}"
export WINEDEBUG WINEDLLOVERRIDES

# The machine field of a PE image: 014c (i386) or 8664 (x86-64).
bb_pe_machine() {
    _pe=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
    [ -n "$_pe" ] || return 1
    od -An -tx2 -j$((_pe + 4)) -N2 "$1" 2>/dev/null | tr -d ' '
}

bb_wine_select() {
    case "$(bb_pe_machine "$1")" in
        8664)
            export WINEARCH=win64
            BB_WINE=/usr/lib/wine/wine64
            export WINELOADER="$BB_WINE"
            ;;
        014c)
            export WINEARCH=win32
            BB_WINE=wine
            ;;
        *)
            echo "wine-env: $1 is not a Windows executable of a known machine" >&2
            return 1
            ;;
    esac
}

bb_wine() { "$BB_WINE" "$@"; }

bb_wine_prefix() {
    [ -f "$WINEPREFIX/.bb-ready" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        [ -f "$WINEPREFIX/.bb-ready" ] && exit 0
        rm -rf "$WINEPREFIX"
        bb_wine wineboot -i >/dev/null 2>&1
        bb_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
        if [ "$1" = desktop ]; then
            bb_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
            bb_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
        else
            bb_wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$1" /f >/dev/null 2>&1
        fi
        # Debian's Wine does not find the fonts of its own package.
        if [ -d /usr/share/wine/fonts ]; then
            mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
            cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
        fi
        wineserver -w
        # A prefix whose registry was never written is no prefix: say so
        # rather than run every test against it.
        if [ ! -f "$WINEPREFIX/user.reg" ]; then
            echo "wine-env: could not create the $WINEARCH prefix $WINEPREFIX with $BB_WINE" >&2
            exit 1
        fi
        touch "$WINEPREFIX/.bb-ready"
    ) 9>"$WINEPREFIX.lock"
}
