#!/bin/bash
# Which Windows build the Windows tests run on, on this machine.
#
# Prints the preset (win32 or win64) on stdout and one line on stderr saying
# which tier runs and why. The 32-bit build is the product and its tests run
# wherever 32-bit code runs; some machines run 64-bit user code only, and
# there the 64-bit build of the same sources runs under 64-bit Wine.
# BB_FORCE_WIN64=1 picks the 64-bit tier on any machine.
#
# Whether 32-bit code runs is found out by starting a 32-bit program: a
# 96-byte static i386 ELF written here that exits with status 42 through the
# kernel's 32-bit system-call gate. Nothing it needs can be missing (no
# loader, no libraries), so the only way it can fail is the kernel refusing
# it. A binfmt_misc emulator for i386 would start it too, but Wine does not
# run under one: such a machine counts as 64-bit only.
set -u
work=${1:-build}
mkdir -p "$work"
probe="$work/runs-32bit-probe"

hex=(
    # ELF header: 32-bit, little-endian, executable, i386, entry 0x08048054
    7f 45 4c 46 01 01 01 00 00 00 00 00 00 00 00 00
    02 00 03 00 01 00 00 00 54 80 04 08 34 00 00 00
    00 00 00 00 00 00 00 00 34 00 20 00 01 00 00 00
    00 00 00 00
    # one loadable segment: the whole file at 0x08048000, read and execute
    01 00 00 00 00 00 00 00 00 80 04 08 00 80 04 08
    60 00 00 00 60 00 00 00 05 00 00 00 00 10 00 00
    # mov eax, 1 (exit); mov ebx, 42; int 0x80
    b8 01 00 00 00 bb 2a 00 00 00 cd 80
)
printf "$(printf '\\x%s' "${hex[@]}")" >"$probe"
chmod +x "$probe"

emulated=""
for entry in /proc/sys/fs/binfmt_misc/*; do
    [ -f "$entry" ] || continue
    if grep -qx enabled "$entry" 2>/dev/null &&
        grep -q '^magic 7f454c46010101000000000000000000020003' "$entry" 2>/dev/null; then
        emulated=$(basename "$entry")
    fi
done

why=$("$probe" 2>&1)
status=$?
rm -f "$probe"
if [ "$status" -eq 42 ] && [ -z "$emulated" ]; then
    runs32=1
else
    runs32=0
    if [ -n "$emulated" ]; then
        why="i386 programs start only through the binfmt_misc emulator '$emulated'"
    else
        why="a 32-bit program did not start (status $status${why:+: ${why##*: }})"
    fi
fi

if [ "${BB_FORCE_WIN64:-0}" = 1 ]; then
    echo "Windows tier: the 64-bit build under 64-bit Wine, forced by BB_FORCE_WIN64=1" \
         "(this machine $( [ $runs32 = 1 ] && echo "runs" || echo "cannot run") 32-bit programs)" >&2
    echo win64
elif [ $runs32 = 1 ]; then
    echo "Windows tier: the 32-bit build under 32-bit Wine (this machine runs 32-bit programs)" >&2
    echo win32
else
    echo "Windows tier: the 64-bit build under 64-bit Wine, since this machine runs 64-bit" \
         "user code only: $why" >&2
    echo win64
fi
