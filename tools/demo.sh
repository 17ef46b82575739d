#!/bin/bash
# Runs the main job of the native build on the bundled sample: the console
# front end burns samples/dvd-sample to an image with the image recorder.
set -u
build="${1:-build/native}"
repo=$(cd "$(dirname "$0")/.." && pwd)
prog="$repo/$build/bin/brenvik-burn"
out="$repo/build/demo"
mkdir -p "$out"
if [ ! -x "$prog" ]; then
    echo "demo: $prog was not built" >&2
    exit 1
fi
cd "$out"
rm -f SAMPLE.nrg SAMPLE.iso
echo "== $prog /D $repo/samples/dvd-sample /V SAMPLE"
"$prog" /D "$repo/samples/dvd-sample" /V SAMPLE
rc=$?
echo "== exit status $rc"
image=""
for f in SAMPLE.nrg SAMPLE.iso; do [ -f "$f" ] && image="$out/$f"; done
if [ "$rc" -eq 0 ] && [ -n "$image" ]; then
    echo
    echo "The image is $image ($(stat -c %s "$image") bytes)."
    if command -v isoinfo >/dev/null 2>&1; then
        echo "isoinfo reads it as: $(isoinfo -d -i "$image" | grep -E '^Volume id:')"
    fi
    echo "Check it with:"
    echo "  isoinfo -d -i $image             # volume label and sizes (ISO 9660)"
    echo "  isoinfo -l -i $image             # the files of the ISO 9660 side"
    echo "  7z l -tudf $image                # the UDF side"
    echo "  7z x -tudf -o/tmp/sample $image  # extract, then: diff -r /tmp/sample $repo/samples/dvd-sample"
    echo "  lsdvd $image                     # titles as DVD players see them"
elif [ "$rc" -ne 0 ]; then
    echo "The burn did not succeed (exit status $rc); the log above says why." >&2
fi
exit $rc
