#!/bin/sh
# What the console program reports against simulated recorders: an erase
# that fails stops the run, a rewritable disc holding data is asked about
# once, the burn after an automatic erase keeps its reallocation retry, a
# quoted folder keeps its blanks, and a line of more than 99 words is
# refused. Each case checks the log, the exit status and the disc or image
# left behind. Answers at a terminal are typed through script(1).
#
#   job-outcomes.sh BRENVIK_BURN LIBNEROAPI ENGLISH_LNG SAMPLE_ROOT
. "$(dirname "$0")/../e2e-lib.sh"
mkdir "$work/bin"
cp "$1" "$work/bin/brenvik-burn" && cp "$2" "$work/bin/" && cp "$3" "$work/bin/english.lng" || exit 1
exe="$work/bin/brenvik-burn"
sample=$(cd "$4" && pwd)
export BB_NEROAPI_CONFIG="$work/drives.ini"
count() { grep -c -- "$1" "$work/$2.log"; }
questions() { count '\[Overwrite ReWriteable?!\]' "$1"; }

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
# expect NAME STATUS WHAT: the run's exit status.
expect() { [ "$rc" -eq "$2" ] || fail "$1: exit status $rc, expected $2"; }

# --- an erase that fails ------------------------------------------------------
rewritable "erase fails = yes"
run erase-o "" -- /D "$sample" /V RW /O
expect erase-o 1
in_log "^The disc in BB RW could not be erased" erase-o
in_log "^The disc was not erased\.\$" erase-o
in_log "^\[Error\] The disc was not erased\." erase-o
not_in_log "^Burn job started" erase-o
not_in_log "^Erase job finished" erase-o
disc_holds_data || fail "failed erase with /O: the disc changed"
check "failed erase (/O): reported, no burn, exit 1, disc kept"

rewritable "quick erase seconds = -3"
run erase-asked 'y\n' -- /D "$sample" /V RW
expect erase-asked 1
[ "$(questions erase-asked)" -eq 1 ] || fail "refused automatic erase: not one question"
[ "$(count 'The rewritable disc holds data and is erased first' erase-asked)" -eq 1 ] ||
    fail "refused automatic erase: the disc was logged as to be erased more than once"
in_log "\[Error\] The disc was not erased\." erase-asked
not_in_log "^Burn job started" erase-asked
disc_holds_data || fail "refused automatic erase: the disc changed"
check "refused automatic erase before a burn: one question, reported, no burn, exit 1"

# --- a rewritable disc holding data, counting the questions ---------------------
# NAME ANSWERS ARGUMENT STATUS QUESTIONS BURNED
while read -r name answers extra status asked burned; do
    rewritable ""
    [ "$answers" = - ] && answers=""
    [ "$extra" = - ] && set -- || set -- "$extra"
    run "$name" "$answers" -- /D "$sample" /V RW "$@"
    expect "$name" "$status"
    [ "$(questions "$name")" -eq "$asked" ] || fail "$name: $(questions "$name") questions, expected $asked"
    if [ "$burned" = yes ]; then
        disc_burned || fail "$name: nothing burned"
    else
        disc_holds_data && [ ! -s "$work/discs/rw.iso" ] || fail "$name: the disc changed"
    fi
    check "$name: $asked question(s), burned: $burned, exit $status"
done <<'CASES'
rw-o - /O 0 0 yes
rw-no - - 1 1 no
rw-yes y\n - 0 1 yes
CASES

# --- the reallocation failure after an automatic erase ----------------------------
rewritable "realloc fails = yes"
run realloc 'y\nn\n' -- /D "$sample" /V RW
expect realloc 1
in_log "Erase job finished" realloc
[ "$(count '\[Problem Reallocation!\]' realloc)" -eq 1 ] || fail "reallocation after erase: no retry question"
not_in_log "^\[Error\]" realloc
check "reallocation failure after an automatic erase: the retry question, exit 1"

# --- a quoted folder with two blanks ------------------------------------------
printf '' >"$work/drives.ini"
rm -f "$work/bin/Brenvik.ini"
cp -r "$sample" "$work/Two  Spaces"
run spaces "" -- /D "$work/Two  Spaces" /V TWO
expect spaces 0
[ -s "$work/spaces/TWO.nrg" ] || fail "folder with two blanks: no TWO.nrg"
in_log "Two  Spaces" spaces
check "quoted folder with two blanks: burned, exit 0"

# --- lines of 99, 100 and 300 words -------------------------------------------------
for n in 99 100 300; do
    set -- /D "$sample"
    i=4
    while [ "$i" -lt "$n" ]; do set -- "$@" /E; i=$((i + 1)); done
    run "words$n" "" -- "$@" /V WORDS
    if [ "$n" -le 99 ]; then
        expect "words$n" 0
        [ -s "$work/words$n/WORDS.nrg" ] || fail "$n words: no WORDS.nrg"
    else
        expect "words$n" 1
        in_log "more than 99 words" "words$n"
        in_log "^\[CL parsing error!\]" "words$n"
        [ -n "$(ls "$work/words$n")" ] && fail "$n words: files left behind: $(ls "$work/words$n")"
    fi
done
check "99 words burn; 100 and 300 are refused with the limit named, exit 1"

finish "job outcomes"
