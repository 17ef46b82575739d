#!/bin/sh
# What the console program reports against simulated recorders: an erase
# that fails stops the run, a rewritable disc holding data is asked about
# once, the burn after an automatic erase keeps its reallocation retry, a
# quoted folder keeps its blanks, and a line of more than 99 words is
# refused. Each case checks the log, the exit status and the disc or image
# left behind. Answers at a terminal are typed through script(1).
#
#   job-outcomes.sh BRENVIK_BURN LIBNEROAPI ENGLISH_LNG SAMPLE_ROOT
set -u
work=$(mktemp -d "${TMPDIR:-/tmp}/bb-outcomes-e2e.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
cp "$1" "$work/bin/brenvik-burn" && cp "$2" "$work/bin/" && cp "$3" "$work/bin/english.lng" || exit 1
exe="$work/bin/brenvik-burn"
sample=$(cd "$4" && pwd)
export BB_NEROAPI_CONFIG="$work/drives.ini"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { echo "ok: $*"; }
count() { grep -c -- "$1" "$2"; }

# A DVD-RW holding data, with extra recorder lines; the state of its disc
# starts afresh.
rewritable() {
    rm -rf "$work/discs"
    printf 'time scale = 0.01\n[BB RW]\ndisc = data\nmedium = DVD-RW\ndisc image = discs/rw.iso\n%s\n' "$1" \
        >"$work/drives.ini"
    printf 'Device: BB RW\r\n' >"$work/bin/Brenvik.ini"
}
disc_holds_data() { [ ! -f "$work/discs/rw.iso.state" ] || grep -q 'disc=data' "$work/discs/rw.iso.state"; }
disc_burned() { grep -q 'disc=data' "$work/discs/rw.iso.state" 2>/dev/null && [ -s "$work/discs/rw.iso" ]; }

# run NAME [ANSWERS] -- WORDS...: without answers no terminal is attached
# (every question takes its default); with answers they are typed at one.
run() {
    name=$1 answers=$2
    shift 3
    mkdir -p "$work/$name"
    if [ -z "$answers" ]; then
        (cd "$work/$name" && "$exe" "$@" </dev/null >"$work/$name.log" 2>&1)
        rc=$?
    else
        line=$(for w in "$@"; do printf "'%s' " "$w"; done)
        (cd "$work/$name" && printf "$answers" | script -qec "'$exe' $line" /dev/null >"$work/$name.raw" 2>&1)
        rc=$?
        tr -d '\r' <"$work/$name.raw" >"$work/$name.log"
    fi
}
log_has() { grep -q -- "$1" "$work/$2.log" || fail "$2: no '$1' in the log"; }
log_lacks() { grep -q -- "$1" "$work/$2.log" && fail "$2: '$1' in the log"; }

# --- an erase that fails ------------------------------------------------------
rewritable "erase fails = yes"
run erase-o "" -- /D "$sample" /V RW /O
[ "$rc" -eq 1 ] || fail "failed erase with /O: exit status $rc"
log_has "^The disc in BB RW could not be erased" erase-o
log_has "^The disc was not erased\.\$" erase-o
log_has "^\[Error\] The disc was not erased\." erase-o
log_lacks "^Burn job started" erase-o
log_lacks "^Erase job finished" erase-o
disc_holds_data || fail "failed erase with /O: the disc changed"
check "failed erase (/O): reported, no burn, exit 1, disc kept"

rewritable "quick erase seconds = -3"
run erase-asked 'y\n' -- /D "$sample" /V RW
[ "$rc" -eq 1 ] || fail "refused automatic erase: exit status $rc"
[ "$(count '\[Overwrite ReWriteable?!\]' "$work/erase-asked.log")" -eq 1 ] || fail "refused automatic erase: not one question"
[ "$(count 'The rewritable disc holds data and is erased first' "$work/erase-asked.log")" -eq 1 ] ||
    fail "refused automatic erase: the disc was logged as to be erased more than once"
log_has "\[Error\] The disc was not erased\." erase-asked
log_lacks "^Burn job started" erase-asked
disc_holds_data || fail "refused automatic erase: the disc changed"
check "refused automatic erase before a burn: one question, reported, no burn, exit 1"

# --- a rewritable disc holding data, counting the questions ---------------------
rewritable ""
run rw-o "" -- /D "$sample" /V RW /O
[ "$rc" -eq 0 ] || fail "rewritable with /O: exit status $rc"
[ "$(count '\[Overwrite ReWriteable?!\]' "$work/rw-o.log")" -eq 0 ] || fail "rewritable with /O: a question was asked"
disc_burned || fail "rewritable with /O: nothing burned"
check "rewritable with /O: no question, erased and burned, exit 0"

rewritable ""
run rw-no "" -- /D "$sample" /V RW
[ "$rc" -eq 1 ] || fail "rewritable without /O, no terminal: exit status $rc"
[ "$(count '\[Overwrite ReWriteable?!\]' "$work/rw-no.log")" -eq 1 ] || fail "rewritable without /O: not one question"
disc_holds_data && [ ! -s "$work/discs/rw.iso" ] || fail "rewritable without /O, answered No: the disc changed"
check "rewritable without /O, no terminal: one question (No), disc kept, exit 1"

rewritable ""
run rw-yes 'y\n' -- /D "$sample" /V RW
[ "$rc" -eq 0 ] || fail "rewritable without /O, answered Yes: exit status $rc"
[ "$(count '\[Overwrite ReWriteable?!\]' "$work/rw-yes.log")" -eq 1 ] || fail "rewritable answered Yes: not one question"
disc_burned || fail "rewritable answered Yes: nothing burned"
check "rewritable without /O, answered Yes: one question, erased and burned, exit 0"

# --- the reallocation failure after an automatic erase ----------------------------
rewritable "realloc fails = yes"
run realloc 'y\nn\n' -- /D "$sample" /V RW
[ "$rc" -eq 1 ] || fail "reallocation after erase: exit status $rc"
log_has "Erase job finished" realloc
[ "$(count '\[Problem Reallocation!\]' "$work/realloc.log")" -eq 1 ] || fail "reallocation after erase: no retry question"
log_lacks "^\[Error\]" realloc
check "reallocation failure after an automatic erase: the retry question, exit 1"

# --- a quoted folder with two blanks ------------------------------------------
printf '' >"$work/drives.ini"
rm -f "$work/bin/Brenvik.ini"
cp -r "$sample" "$work/Two  Spaces"
run spaces "" -- /D "$work/Two  Spaces" /V TWO
[ "$rc" -eq 0 ] || fail "folder with two blanks: exit status $rc ($(tail -3 "$work/spaces.log"))"
[ -s "$work/spaces/TWO.nrg" ] || fail "folder with two blanks: no TWO.nrg"
log_has "Two  Spaces" spaces
check "quoted folder with two blanks: burned, exit 0"

# --- lines of 99, 100 and 300 words -------------------------------------------------
for n in 99 100 300; do
    set -- /D "$sample"
    i=4
    while [ "$i" -lt "$n" ]; do set -- "$@" /E; i=$((i + 1)); done
    set -- "$@" /V WORDS
    run "words$n" "" -- "$@"
    if [ "$n" -le 99 ]; then
        [ "$rc" -eq 0 ] || fail "$n words: exit status $rc"
        [ -s "$work/words$n/WORDS.nrg" ] || fail "$n words: no WORDS.nrg"
    else
        [ "$rc" -eq 1 ] || fail "$n words: exit status $rc"
        log_has "more than 99 words" "words$n"
        log_has "^\[CL parsing error!\]" "words$n"
        [ -e "$work/words$n/WORDS.nrg" ] && fail "$n words: an image was written"
        [ -n "$(ls "$work/words$n")" ] && fail "$n words: files left behind: $(ls "$work/words$n")"
    fi
done
check "99 words burn; 100 and 300 are refused with the limit named, exit 1"

[ "$failures" -eq 0 ] && echo "job outcomes: all checks passed"
exit "$failures"
