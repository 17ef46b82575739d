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
set -u
bin=$1
sample=$(cd "$2" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/bb-interrupt-e2e.XXXXXX")
trap '[ -n "${BB_KEEP:-}" ] || rm -rf "$work"' EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { echo "ok: $*"; }

# A program folder of its own, so that its settings file picks the recorder.
mkdir "$work/program"
cp "$bin/brenvik-burn" "$bin/libNeroAPI.so" "$bin"/*.lng "$work/program/"
printf 'Device: BB Slow\r\n' >"$work/program/Brenvik.ini"
cat >"$work/drives.ini" <<INI
[BB Slow]
medium = DVD-R
burn seconds = 60
disc image = $work/disc.iso
INI
export BB_NEROAPI_CONFIG="$work/drives.ini"

# Starts a burn in the background (its process id in $pid: a child of this
# shell, so that `wait` gives its exit status); waits until the disc image is
# being written (its .part exists), at most 60 s.
start_burn() {
    rm -f "$work/disc.iso" "$work/disc.iso.part" "$work/disc.iso.state"
    "$work/program/brenvik-burn" /D "$sample" /V SAMPLE </dev/null >"$work/$1.log" 2>&1 &
    pid=$!
    tries=0
    while [ ! -e "$work/disc.iso.part" ] && [ $tries -lt 600 ] && kill -0 $pid 2>/dev/null; do
        sleep 0.1
        tries=$((tries + 1))
    done
}

# Waits at most $2 seconds for process $1 to end; sets $status to its exit
# status, or to "running" when it did not end (it is then killed).
wait_end() {
    tries=0
    while [ "$(ps -o stat= -p "$1" 2>/dev/null | cut -c1)" != Z ] && kill -0 "$1" 2>/dev/null &&
        [ $tries -lt $(($2 * 10)) ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    if [ "$(ps -o stat= -p "$1" 2>/dev/null | cut -c1)" = Z ] || ! kill -0 "$1" 2>/dev/null; then
        wait "$1"
        status=$?
    else
        kill -9 "$1"
        wait "$1" 2>/dev/null
        status=running
    fi
}

for signal in INT TERM HUP; do
    start_burn "$signal"
    if [ ! -e "$work/disc.iso.part" ]; then
        fail "SIG$signal: the burn never began writing: $(tail -5 "$work/$signal.log")"
        kill -9 "$pid" 2>/dev/null
        continue
    fi
    kill -s "$signal" "$pid"
    wait_end "$pid" 10
    [ "$status" = 1 ] || fail "SIG$signal: exit status $status, expected 1 within 10 s"
    grep -q "^Interrupted: the job is being aborted" "$work/$signal.log" ||
        fail "SIG$signal: the interrupt was not logged"
    grep -q "aborted" "$work/$signal.log" || fail "SIG$signal: the library's abort is not in the log"
    [ -e "$work/disc.iso.part" ] && fail "SIG$signal: the .part of the disc image was left behind"
    [ -e "$work/disc.iso" ] && fail "SIG$signal: a disc image was written"
    check "SIG$signal during the write: aborted, exit status $status, nothing left"
done

# An erase cannot be aborted: the first interrupt waits for it, a second one
# ends the program at once, by the signal.
printf 'Device: BB RW\r\n' >"$work/program/Brenvik.ini"
cat >"$work/drives.ini" <<INI
[BB RW]
medium = DVD-RW
disc = data
quick erase seconds = 60
disc image = $work/rw.iso
INI
"$work/program/brenvik-burn" /D "$sample" /V SAMPLE /O </dev/null >"$work/twice.log" 2>&1 &
pid=$!
tries=0
while ! grep -q "^Erasing the disc" "$work/twice.log" && [ $tries -lt 600 ]; do sleep 0.1; tries=$((tries + 1)); done
kill -s INT "$pid"
tries=0
while ! grep -q "^Interrupted: " "$work/twice.log" && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done
kill -0 "$pid" 2>/dev/null || fail "second interrupt: the erase did not outlast the first interrupt"
kill -s INT "$pid" 2>/dev/null
wait_end "$pid" 10
[ "$status" = 130 ] || fail "second interrupt: exit status $status, expected 130 (ended by SIGINT)"
grep -q "^Interrupted again: ending at once.$" "$work/twice.log" || fail "second interrupt: not logged"
[ "$failures" -eq 0 ] && check "SIGINT twice during an erase: the second ends the program at once (status $status)"

[ "$failures" -eq 0 ] && echo "interrupted runs: all checks passed"
exit "$failures"
