#!/bin/sh
# An interrupted burn: brenvik-burn burns the sample to a simulated recorder
# whose writing lasts a minute, and gets SIGINT (Ctrl-C), SIGTERM or SIGHUP
# (the terminal closed) once the disc image is being written. Each is the
# Abort button: the job stops within seconds through the library, the log
# says so, nothing of the disc image is left behind (neither the image nor its
# ".part"), and the exit status is 1. An erase, which cannot be aborted,
# outlasts one interrupt; a second one ends the program at once.
#
#   interrupt-run.sh PROGRAM_FOLDER SAMPLE_ROOT
bin=$1
sample=$(cd "$2" && pwd)
. "$(dirname "$0")/../e2e-lib.sh"

# A program folder of its own, so that its settings file picks the recorder.
program_folder program
export BB_NEROAPI_CONFIG="$work/drives.ini"
# recorder NAME LINES...: the settings file picks it, the drives file holds it.
recorder() {
    printf 'Device: %s\r\n' "$1" >"$work/program/Brenvik.ini"
    printf '[%s]\n' "$1" >"$work/drives.ini"
    shift
    printf '%s\n' "$@" >>"$work/drives.ini"
}
# Starts a burn in the background (its process id in $pid: a child of this
# shell, so that `wait` gives its exit status).
start() {
    log=$1
    shift
    "$work/program/brenvik-burn" /D "$sample" /V SAMPLE "$@" </dev/null >"$work/$log.log" 2>&1 &
    pid=$!
}
ended() { [ "$(ps -o stat= -p "$1" 2>/dev/null | cut -c1)" = Z ] || ! kill -0 "$1" 2>/dev/null; }
# wait_end PID SECONDS: $status is its exit status, or "running" when it did
# not end in time (it is then killed).
wait_end() {
    if wait_until $(($2 * 10)) ended "$1"; then
        wait "$1"
        status=$?
    else
        kill -9 "$1"
        wait "$1" 2>/dev/null
        status=running
    fi
}

recorder "BB Slow" "medium = DVD-R" "burn seconds = 60" "disc image = $work/disc.iso"
for signal in INT TERM HUP; do
    rm -f "$work/disc.iso" "$work/disc.iso.part" "$work/disc.iso.state"
    start "$signal"
    # Until the disc image is being written (its .part exists), at most 60 s.
    wait_until 600 sh -c '[ -e "$1" ] || ! kill -0 "$2" 2>/dev/null' sh "$work/disc.iso.part" "$pid"
    if [ ! -e "$work/disc.iso.part" ]; then
        fail "SIG$signal: the burn never began writing: $(tail -5 "$work/$signal.log")"
        kill -9 "$pid" 2>/dev/null
        continue
    fi
    kill -s "$signal" "$pid"
    wait_end "$pid" 10
    [ "$status" = 1 ] || fail "SIG$signal: exit status $status, expected 1 within 10 s"
    in_log "^Interrupted: the job is being aborted" "$signal"
    in_log "aborted" "$signal"
    [ -e "$work/disc.iso.part" ] && fail "SIG$signal: the .part of the disc image was left behind"
    [ -e "$work/disc.iso" ] && fail "SIG$signal: a disc image was written"
    check "SIG$signal during the write: aborted, exit status $status, nothing left"
done

# An erase cannot be aborted: the first interrupt waits for it, a second one
# ends the program at once, by the signal.
recorder "BB RW" "medium = DVD-RW" "disc = data" "quick erase seconds = 60" "disc image = $work/rw.iso"
start twice /O
wait_until 600 grep -q "^Erasing the disc" "$work/twice.log"
kill -s INT "$pid"
wait_until 100 grep -q "^Interrupted: " "$work/twice.log"
kill -0 "$pid" 2>/dev/null || fail "second interrupt: the erase did not outlast the first interrupt"
kill -s INT "$pid" 2>/dev/null
wait_end "$pid" 10
[ "$status" = 130 ] || fail "second interrupt: exit status $status, expected 130 (ended by SIGINT)"
in_log "^Interrupted again: ending at once.$" twice
[ "$failures" -eq 0 ] && check "SIGINT twice during an erase: the second ends the program at once (status $status)"

finish "interrupted runs"
