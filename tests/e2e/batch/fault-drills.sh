#!/bin/sh
# Faults a real burn meets, each through brenvik-burn on the console: the
# log line the user reads, the exit status, and what is left on disk.
#   - the recording library is missing from the program folder;
#   - the image's filesystem is full (a small tmpfs in a mount namespace of
#     our own, where the machine allows one);
#   - a VOB shrinks or disappears between the scan and its copy;
#   - the DVD root holds a link loop, a link to outside the root, a FIFO and
#     a link to nothing: the loops are logged and not followed, the FIFO is
#     refused at once (an open would wait for a writer for ever) and named,
#     and the run ends with status 1 and no image;
#   - names outside the image's character sets and a file over 4 GiB are
#     written; a path too long for the disc is refused before anything is.
#
#   fault-drills.sh PROGRAM_FOLDER SAMPLE_ROOT
bin=$1
sample=$(cd "$2" && pwd)
. "$(dirname "$0")/../e2e-lib.sh"
export BB_NEROAPI_CONFIG="$work/no-drives.ini"

# run NAME PROGRAM_FOLDER OUT_FOLDER ARGS...: at most 120 s, the log in
# $work/NAME.log, the exit status in $rc; OUT_FOLDER must stay empty unless
# the run succeeds.
run() {
    name=$1 program=$2 out=$3
    shift 3
    mkdir -p "$out"
    (cd "$out" && timeout 120 "$program/brenvik-burn" "$@" </dev/null >"$work/$name.log" 2>&1)
    rc=$?
    [ "$rc" -eq 0 ] || [ -z "$(ls -A "$out")" ] || fail "$name: left behind: $(ls -A "$out")"
}
fresh_root() { rm -rf "$work/root" && cp -r "$sample" "$work/root"; }

# --- no recording library -------------------------------------------------------
program_folder nolib without-library
run nolib "$work/nolib" "$work/out-nolib" /D "$sample" /V SAMPLE
[ "$rc" -eq 1 ] || fail "no library: exit status $rc, expected 1"
in_log "^The recording library could not be loaded.$" nolib
check "no library: said in the log, exit status 1, nothing written"

# --- a full filesystem ------------------------------------------------------------
program_folder prog
mkdir "$work/small"
# A mount namespace of our own, as an unprivileged user or as root.
namespace=""
for flags in -rm -m; do
    unshare $flags sh -c 'mount -t tmpfs -o size=64k tmpfs "$1"' sh "$work/small" 2>/dev/null && namespace=$flags && break
done
if [ -z "$namespace" ]; then
    echo "skipped: this machine allows no tmpfs in a mount namespace (full-disk drill)"
else
    cat >"$work/full.sh" <<SH
mount -t tmpfs -o size=256k tmpfs "$work/small" || exit 99
cd "$work/small" && timeout 120 "$work/prog/brenvik-burn" /D "$sample" /V SAMPLE </dev/null >"$work/full.log" 2>&1
rc=\$?
ls -A "$work/small" >"$work/full.left"
exit \$rc
SH
    unshare $namespace sh "$work/full.sh"
    rc=$?
    [ "$rc" -eq 1 ] || fail "full disk: exit status $rc, expected 1"
    in_log "^Not enough disk space for $work/small/SAMPLE.nrg" full
    [ -s "$work/full.left" ] && fail "full disk: left behind: $(cat "$work/full.left")"
    check "full disk: said in the log, exit status 1, nothing left"
fi

# --- a VOB shrinks or disappears while the image is written -------------------------
printf '[BB Slow]\nburn seconds = 6\ndisc image = %s\n' "$work/disc.iso" >"$work/slow.ini"
printf 'Device: BB Slow\r\n' >"$work/prog/Brenvik.ini"
for change in shrink delete; do
    rm -f "$work/disc.iso" "$work/disc.iso.part" "$work/disc.iso.state"
    fresh_root
    (cd "$work" && BB_NEROAPI_CONFIG="$work/slow.ini" timeout 120 "$work/prog/brenvik-burn" \
        /D "$work/root" /V SAMPLE </dev/null >"$work/$change.log" 2>&1) &
    pid=$!
    wait_until 600 test -e "$work/disc.iso.part"
    last=$(ls "$work/root/VIDEO_TS" | grep -i '\.vob$' | sort | tail -1)
    vob=$work/root/VIDEO_TS/$last
    case $change in
    shrink) head -c 2048 "$vob" >"$work/cut" && cat "$work/cut" >"$vob"
        line="$vob has changed size since the image was planned" ;;
    delete) rm "$vob"
        line="cannot open $vob" ;;
    esac
    wait $pid
    rc=$?
    [ "$rc" -eq 1 ] || fail "$change a VOB during the write: exit status $rc, expected 1"
    grep -qx "===> $line" "$work/$change.log" || fail "$change: no line \"$line\": $(tail -8 "$work/$change.log")"
    [ -e "$work/disc.iso.part" ] && fail "$change: the .part was left behind"
    [ -e "$work/disc.iso" ] && fail "$change: a disc image was written"
    check "$change a VOB during the write: named in the log, exit status 1, nothing left"
done
rm -f "$work/prog/Brenvik.ini"

# --- odd entries in the DVD root --------------------------------------------------
fresh_root
mkdir -p "$work/root/Extras/deeper" "$work/outside"
echo outside >"$work/outside/file.txt"
ln -s .. "$work/root/Extras/deeper/up"
ln -s ../.. "$work/root/Extras/deeper/upup"
ln -s "$work/outside" "$work/root/Extras/outside"
ln -s "$work/nothing-here" "$work/root/Extras/dangling.txt"
mkfifo "$work/root/Extras/pipe"
run odd "$work/prog" "$work/out-odd" /D "$work/root" /V ODD
[ "$rc" -eq 1 ] || fail "odd entries: exit status $rc (124: no end within 120 s), expected 1"
in_log "^cannot open $work/root/Extras/pipe$" odd
in_log "Link back to a folder that holds it, not followed: .*up" odd
lines=$(wc -l <"$work/odd.log")
[ "$lines" -lt 400 ] || fail "odd entries: $lines log lines"
grep -E "Extras|pipe|dangling|outside" "$work/odd.log" | head -20
check "odd entries: the run ended with status $rc in $lines log lines"

# --- names outside the image's character sets, a file over 4 GiB, a path too deep ----
# ISO 9660 gets d-character names made unique, UDF the names as they are (a
# character outside UCS-2 becomes "_"), the big file several extents.
fresh_root
extras=$work/root/Extras
mkdir -p "$extras"
long=$(printf 'x%.0s' $(seq 200))
for name in "Ünïcødé — ★ Größe.txt" "semi;colon.txt" "emoji 🎬 film.txt" "$long.txt" .hidden Same.txt same.TXT; do
    echo "$name" >"$extras/$name"
done
truncate -s 4500000112 "$extras/big.bin" && printf 'tail marker' >>"$extras/big.bin"
run names "$work/prog" "$work/out-names" /D "$work/root" /V NAMES
image=$work/out-names/NAMES.nrg
[ "$rc" -eq 0 ] || fail "names: exit status $rc: $(tail -3 "$work/names.log")"
7z l -tudf "$image" >"$work/names.udf" 2>&1
for name in "Ünïcødé — ★ Größe.txt" "semi;colon.txt" "emoji _ film.txt" "$long.txt" .hidden Same.txt same.TXT; do
    grep -qF " Extras/$name" "$work/names.udf" || fail "names: UDF lacks \"$name\""
done
grep -Eq ' 4500000123 +[0-9]+ +Extras/big.bin$' "$work/names.udf" || fail "names: UDF size of big.bin"
[ "$(7z x -so -tudf "$image" Extras/big.bin 2>/dev/null | tail -c 11)" = "tail marker" ] ||
    fail "names: the end of big.bin read back through UDF differs"
isoinfo -l -i "$image" >"$work/names.iso"
[ "$(grep -c ' BIG.BIN;1' "$work/names.iso")" -eq 2 ] || fail "names: big.bin is not two ISO 9660 extents"
[ "$(grep -cE ' SAME(~1)?\.TXT;1' "$work/names.iso")" -eq 2 ] || fail "names: ISO 9660 names not unique"
rm -f "$image" "$extras/big.bin"
check "names: UDF keeps every name, ISO 9660 makes them valid and unique, 4.5 GB file in two extents"

deep=$extras
while [ ${#deep} -lt 300 ]; do deep=$deep/a-folder-name-of-forty-characters-length; done
mkdir -p "$deep" && echo deep >"$deep/file.txt"
run deep "$work/prog" "$work/out-names" /D "$work/root" /V DEEP
[ "$rc" -eq 1 ] || fail "path too deep: exit status $rc, expected 1"
in_log "^Path too long for the disc (255 characters at most): $deep/file.txt$" deep
check "path too deep: named in the log, exit status 1, nothing written"

finish "fault drills"
