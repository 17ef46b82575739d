#!/bin/sh
# Speed of the DVD root scan against `du -sb` on the same tree.
#
#   bench/scan-tree.sh [FILES] [WORK_DIR]
#
# Builds a DVD root in a temporary folder: a small VIDEO_TS and FILES files
# (default 100,000) in data folders of 1,000 each. Then `du -sb`, the scan
# (ScanDvdRoot, every item and log line as in a burn) and the size measure
# (GetFolderSize) run three times each, interleaved, on a warm cache; the
# fastest run of each counts, timed as whole processes. Prints the times and
# the ratios to du. Exit status 1 when the scan takes twice du's time or more.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
files=${1:-100000}
work=${2:-$(mktemp -d "${TMPDIR:-/tmp}/bb-scan-bench.XXXXXX")}
bench=${SCAN_BENCH:-$here/build/native/tests/bench/scan_bench}

if [ ! -x "$bench" ]; then
    cmake --preset native >/dev/null
    cmake --build "$here/build/native" --target scan_bench -j2 >/dev/null
fi

root=$work/root
rm -rf "$root"
mkdir -p "$root/VIDEO_TS" "$root/DATA"
trap 'rm -rf "$work"' EXIT
for f in VIDEO_TS.IFO VIDEO_TS.VOB VIDEO_TS.BUP VTS_01_0.IFO VTS_01_1.VOB VTS_01_0.BUP; do
    head -c 2048 /dev/zero >"$root/VIDEO_TS/$f"
done
made=0
d=0
while [ $made -lt "$files" ]; do
    n=$((files - made))
    [ $n -gt 1000 ] && n=1000
    dir=$root/DATA/d$(printf %03d $d)
    mkdir -p "$dir"
    (cd "$dir" && seq -f 'file%04g.dat' 0 $((n - 1)) | xargs touch)
    made=$((made + n))
    d=$((d + 1))
done

# Wall time of one command in seconds, its output discarded.
seconds() {
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000)) | awk '{ printf "%.4f", $1 / 1e6 }'
}
least() { printf '%s\n' "$@" | sort -g | head -n 1; }

du -sb "$root" >/dev/null  # warm the cache
"$bench" "$root" || { echo "the scan failed" >&2; exit 2; }
du1=$(seconds du -sb "$root"); scan1=$(seconds "$bench" "$root"); size1=$(seconds "$bench" --size "$root")
du2=$(seconds du -sb "$root"); scan2=$(seconds "$bench" "$root"); size2=$(seconds "$bench" --size "$root")
du3=$(seconds du -sb "$root"); scan3=$(seconds "$bench" "$root"); size3=$(seconds "$bench" --size "$root")
du=$(least "$du1" "$du2" "$du3")
scan=$(least "$scan1" "$scan2" "$scan3")
size=$(least "$size1" "$size2" "$size3")

echo "files:           $files in $d data folders"
echo "du -sb:          $du s"
echo "ScanDvdRoot:     $scan s"
echo "GetFolderSize:   $size s"
awk -v du="$du" -v scan="$scan" -v size="$size" 'BEGIN {
    printf "ratio scan/du:   %.2f\n", scan / du
    printf "ratio size/du:   %.2f\n", size / du
    exit (scan / du < 2) ? 0 : 1
}'
