#!/bin/sh
# brenvik-burn answers --help and --version itself, and without a command
# line prints its start-up log and the usage and exits with status 2.
#   console-front-end.sh <brenvik-burn> <english.lng>
. "$(dirname "$0")/../e2e-lib.sh"
dir=$work
cp "$1" "$dir/brenvik-burn" && cp "$2" "$dir/english.lng" || exit 1

out=$("$dir/brenvik-burn" --version); rc=$?
[ "$rc" -eq 0 ] || fail "--version exit status $rc"
[ "$out" = "Brenvik Burn 1.2.1" ] || fail "--version printed '$out'"

out=$("$dir/brenvik-burn" --help); rc=$?
[ "$rc" -eq 0 ] || fail "--help exit status $rc"
printf '%s\n' "$out" | grep -q '^Usage: brenvik-burn' || fail "--help has no usage line"
printf '%s\n' "$out" | grep -q '^Exit status:' || fail "--help does not document the exit statuses"

# No settings file beside the program: the start-up log names it by its
# full path, then the usage follows.
out=$(cd / && "$dir/brenvik-burn" </dev/null); rc=$?
[ "$rc" -eq 2 ] || fail "no command line: exit status $rc"
first=$(printf '%s\n' "$out" | head -n 1)
case "$first" in
    *"$dir/Brenvik.ini"*) ;;
    *) fail "first log line does not name $dir/Brenvik.ini: '$first'" ;;
esac
printf '%s\n' "$out" | grep -q '^Usage: brenvik-burn' || fail "no usage after the start-up log"

# With a settings file the log starts without that line.
printf 'MediaType: 0\r\n' >"$dir/Brenvik.ini"
out=$("$dir/brenvik-burn" </dev/null); rc=$?
[ "$rc" -eq 2 ] || fail "no command line, settings present: exit status $rc"
printf '%s\n' "$out" | sed '/^Usage:/,$d' | grep -q 'Brenvik.ini' && fail "settings file read, yet the log mentions it"

finish "console front end"
