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
if [ -f SAMPLE.nrg ]; then
    echo "The image is $out/SAMPLE.nrg ($(stat -c %s SAMPLE.nrg) bytes)."
    echo "Check it with:"
    echo "  isoinfo -d -i $out/SAMPLE.nrg        # volume label and sizes"
    echo "  7z l -tudf $out/SAMPLE.nrg           # the UDF side"
    echo "  lsdvd $out/SAMPLE.nrg                # titles as players see them"
fi
exit $rc
