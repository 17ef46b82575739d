#!/usr/bin/env python3
"""Writes the seed corpus of each fuzz harness into tests/fuzz/corpus/.

The seeds are small valid inputs (and a few near misses) in the byte layout
each harness reads, so that the fuzzer starts from inputs that reach deep.
Run it again after changing a harness's input layout."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(os.path.dirname(HERE))


def put(harness, name, data):
    folder = os.path.join(HERE, "corpus", harness)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("latin-1"))


def command_line():
    put("command_line", "burn", '/D "C:\\DVD\\Two  Spaces" /V MOVIE /O /E')
    put("command_line", "posix", "-d /media/dvd/MOVIE -v X -c -l -s")
    put("command_line", "refused", '/Q bare /D /V\t"unclosed')
    put("command_line", "quotes", 'x"y" "" "a b" /v"LABEL"')


def settings_file():
    english = open(os.path.join(SOURCE, "lang", "english.lng"), encoding="latin-1").read()
    template = next(l for l in english.splitlines() if l.startswith("566: "))[5:]
    values = ("Mon Dec  7 12:00:00 2026\n", "Image Recorder", 0, 0x5, 0x4, 0, 2, "english.lng",
              "C:\\Sounds\\ok.wav", "", 1, 700, 4482, 650, 4200, "C:\\DVD\\MOVIE")
    text = template.replace("\\n", "\r\n").replace("%X", "%x") % values
    put("settings_file", "saved", text)
    put("settings_file", "odd", "Speed: -5\nLimitCD: 99999999999\nFSFlags: zz\n# comment\nDevice:\n" + "x" * 300)


def language_file():
    english = open(os.path.join(SOURCE, "lang", "english.lng"), "rb").read()
    put("language_file", "english", bytes([33, 47, 158]) + english[:6000])
    put("language_file", "formats", bytes([0, 1, 2]) + b"500: %s %d %5.2f %%\n502: %n %*d\n504: %")


def drive_record(name, kind, caps, mask, base, rates, count=None):
    speeds = struct.pack("<II", len(rates) if count is None else count, base)
    speeds += struct.pack("<64I", *(rates + [0] * (64 - len(rates))))
    speeds += struct.pack("<64I", *([r // base for r in rates] + [0] * (64 - len(rates))))
    speeds += bytes(128)
    record = name.ljust(64, b"\0")[:64] + b"IMG\0\0\0\0\0" + struct.pack("<III", 0, 0, kind)
    record += b"A\0\0\0" + struct.pack("<I", caps) + speeds + speeds
    record += struct.pack("<I", 0) + b"\0" * 64 + struct.pack("<III", 0, mask, 0) + bytes(252)
    assert len(record) == 1720, len(record)
    return record


def drive_records():
    put("drive_records", "image", bytes([3, 0]) + drive_record(b"Image Recorder", 1, 1, 3, 1385, [5540, 11080, 22160]))
    put("drive_records", "unterminated", bytes([1, 255]) + drive_record(b"N" * 64, 1, 1, 1, 150, [0, 4294967295], 9999))


def ifo_layout():
    def text(b):
        return bytes([len(b)]) + b

    def be32(v):
        return struct.pack(">I", v)

    vmg = bytearray(0xC8)
    vmg[0:12] = b"DVDVIDEO-VMG"
    vmg[0x0C:0x10] = be32(3)       # last sector of the set: IFO 2 + BUP 2
    vmg[0x1C:0x20] = be32(1)       # last sector of the IFO
    vmg[0x3E:0x40] = struct.pack(">H", 1)
    vmg[0xC4:0xC8] = be32(1)       # title search table in sector 1
    srpt = struct.pack(">H", 1) + bytes(6) + bytes([0, 0, 0, 0, 0, 0, 1, 0]) + be32(4)
    vts = bytearray(0xC8)
    vts[0:12] = b"DVDVIDEO-VTS"
    vts[0x0C:0x10] = be32(11)      # IFO 1 + title VOB 10 + BUP 1
    vts[0x1C:0x20] = be32(0)
    vts[0xC4:0xC8] = be32(1)       # title VOBs start at sector 1
    data = bytes([4])                                                  # five files
    data += bytes([0, 1]) + text(bytes(vmg)) + text(srpt) + bytes([0])  # VIDEO_TS.IFO, 2 sectors
    data += bytes([2]) + be32(2) + bytes([1])                          # VIDEO_TS.BUP, 2 sectors
    data += bytes([3, 0]) + text(bytes(vts))                           # VTS_01_0.IFO, 1 sector
    data += bytes([5]) + be32(10) + bytes([1])                         # VTS_01_1.VOB, 10 sectors
    data += bytes([7]) + be32(1) + bytes([1])                          # VTS_01_0.BUP, 1 sector
    put("ifo_layout", "one-title", data)
    put("ifo_layout", "manager-only", bytes([0, 0, 0]) + text(bytes(vmg)))


def root_scan():
    def dvd(i):
        return bytes([0, i])

    file0 = bytes([3, 4])  # size: 4 * 2048
    data = bytes([2]) + dvd(0)                        # VIDEO_TS/
    data += bytes([0]) + dvd(4) + file0               #   VIDEO_TS.IFO
    data += bytes([0]) + dvd(5) + file0               #   VIDEO_TS.BUP
    data += bytes([0]) + dvd(7) + file0               #   VTS_01_0.IFO
    data += bytes([1]) + dvd(8) + bytes([1]) + struct.pack(">I", 7)  # VTS_01_1.VOB over 4 GiB
    data += bytes([3])                                # back to the root
    data += bytes([2]) + dvd(3) + bytes([0]) + dvd(10) + file0 + bytes([3])  # JACKET_P/J00___5L.MP2
    data += bytes([2, 2, 5]) + b"Extra" + bytes([4, 2, 2]) + b"up" + bytes([0])  # Extra/up -> root
    put("root_scan", "dvd-root", data)
    put("root_scan", "loops", bytes([2, 2, 1]) + b"a" + bytes([4, 2, 1]) + b"b" + bytes([0, 4, 2, 1]) + b"c" + bytes([1]))


for make in (command_line, settings_file, language_file, drive_records, ifo_layout, root_scan):
    make()
