# Sourced by the scripts of tests/e2e: a work folder removed at exit (kept
# when BB_KEEP is set), the verdicts, and the waits the drills share.
set -u
work=$(mktemp -d "${TMPDIR:-/tmp}/bb-e2e.XXXXXX")
trap '[ -n "${BB_KEEP:-}" ] || rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { echo "ok: $*"; }
# in_log PATTERN NAME / not_in_log PATTERN NAME: a line of $work/NAME.log.
in_log() { grep -q -- "$1" "$work/$2.log" || fail "$2: no '$1' in the log: $(tail -3 "$work/$2.log")"; }
not_in_log() { ! grep -q -- "$1" "$work/$2.log" || fail "$2: '$1' in the log"; }
# finish WHAT: the closing line; the exit status is the number of failures.
finish() { [ "$failures" -eq 0 ] && echo "$1: all checks passed"; exit "$failures"; }
# wait_until TENTHS COMMAND...: polls the command every 0.1 s; false on timeout.
wait_until() {
    _left=$1
    shift
    until "$@"; do
        [ "$_left" -gt 0 ] || return 1
        sleep 0.1
        _left=$((_left - 1))
    done
}
# program_folder NAME [without-library]: brenvik-burn, its language files and
# (unless told) the recording library of $bin copied to $work/NAME.
program_folder() {
    mkdir -p "$work/$1"
    cp "$bin/brenvik-burn" "$bin"/*.lng "$work/$1/"
    [ "${2:-}" = without-library ] || cp "$bin/libNeroAPI.so" "$work/$1/"
}
