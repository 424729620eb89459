#!/usr/bin/env python3
"""Writes the small sample files of this folder and their MANIFEST.tsv.

The manifest also lists a few files other projects wrote, kept here as they
came (THIRD_PARTY): this script copies none of them, it only measures them.

Kinds of file the Open dialog offers for which the shared media hold no
sample in good shape: a MIDI file, a MacPaint picture, a PICT picture and
playlists of local files. Each is made here, byte by byte, so that the
formats table measures them too. Run it again after changing it:
    tests/samples/make_samples.py
"""
import os
import shutil
import struct
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))


def midi_chord():
    """Format 0, 96 ticks a beat at 120 beats a minute: C, E and G held 2 s."""
    events = bytes([0x00, 0xC0, 0x00])  # grand piano
    for note in (0x3C, 0x40, 0x43):
        events += bytes([0x00, 0x90, note, 0x64])
    events += bytes([0x83, 0x00, 0x80, 0x3C, 0x40])  # 384 ticks later
    events += bytes([0x00, 0x80, 0x40, 0x40, 0x00, 0x80, 0x43, 0x40])
    events += bytes([0x00, 0xFF, 0x2F, 0x00])
    header = b"MThd" + struct.pack(">IHHH", 6, 0, 1, 96)
    return header + b"MTrk" + struct.pack(">I", len(events)) + events


def macpaint_checks():
    """576 x 720, squares of 72 pixels, every row packed as eight repeats."""
    rows = bytearray()
    for y in range(720):
        for block in range(8):
            black = (block + y // 72) % 2 == 1
            rows += bytes([0xF8, 0xFF if black else 0x00])  # nine copies
    return bytes(512) + bytes(rows)


def pict_bands():
    """Version 2, 64 x 48: one PackBitsRect of 8-bit pixels in four bands."""
    width, height = 64, 48
    colours = [(0xFFFF, 0, 0), (0, 0xFFFF, 0), (0, 0, 0xFFFF), (0xFFFF, 0xFFFF, 0)]

    def rect(top, left, bottom, right):
        return struct.pack(">hhhh", top, left, bottom, right)

    body = rect(0, 0, height, width)
    body += struct.pack(">HH", 0x0011, 0x02FF)
    body += struct.pack(">HHHII", 0x0C00, 0xFFFE, 0, 0x00480000, 0x00480000)
    body += rect(0, 0, height, width) + bytes(4)
    body += struct.pack(">HH", 0x0098, 0x8000 | width) + rect(0, 0, height, width)
    body += struct.pack(">HHIIIHHHH", 0, 0, 0, 0x00480000, 0x00480000, 0, 8, 1, 8)
    body += bytes(12)
    body += struct.pack(">IHH", 0, 0, len(colours) - 1)
    for index, (r, g, b) in enumerate(colours):
        body += struct.pack(">HHHH", index, r, g, b)
    body += rect(0, 0, height, width) + rect(0, 0, height, width) + struct.pack(">H", 0)
    for _ in range(height):
        row = b"".join(bytes([0xF1, c]) for c in range(4))  # 16 copies each
        body += bytes([len(row)]) + row
    if len(body) % 2:
        body += b"\0"
    body += struct.pack(">H", 0x00FF)
    return bytes(512) + struct.pack(">H", (len(body) + 2) & 0xFFFF) + body


def smil(entries):
    items = "\n".join(f'      <{kind} src="{src}"/>' for kind, src in entries)
    return (
        '<?xml version="1.0"?>\n<smil>\n  <body>\n    <seq>\n'
        f"{items}\n    </seq>\n  </body>\n</smil>\n"
    ).encode()


SAMPLES = [
    ("chord.midi", midi_chord(), "made here: a C major chord held 2 s, General MIDI"),
    ("chord.smf", midi_chord(), "made here: the same chord under the .smf name"),
    ("checks.pnt", macpaint_checks(), "made here: MacPaint, 576x720 black and white squares"),
    ("bands.pct", pict_bands(), "made here: PICT version 2, 64x48, four bands of colour"),
    ("bands.pic", pict_bands(), "made here: the same PICT under the .pic name"),
    ("local.m3u",
     b"#EXTM3U\n# The first entry is missing; the second plays.\n"
     b"#EXTINF:2,Missing\nnot-here.mp4\n#EXTINF:2,Chord\nchord.midi\n",
     "made here: M3U of a missing file and a MIDI file beside it"),
    ("slides.smil", smil([("img", "bands.pct"), ("audio", "chord.midi")]),
     "made here: SMIL of a PICT and a MIDI file beside it"),
    ("slides.sml", smil([("img", "checks.pnt")]),
     "made here: SMIL of a MacPaint picture beside it"),
]

TWELVEMONKEYS = ("github.com/haraldk/TwelveMonkeys@41aaf3b1bc7fe8144b3bbd16c62d13a559feb7c5 "
                 "imageio/imageio-pict/src/test/resources/")
THIRD_PARTY = [
    ("J19.pict", TWELVEMONKEYS + "pict/J19.pict", "BSD-3-Clause",
     "PICT, 640x480 in three QuickTime JPEG bands, each followed by its fallback bitmap"),
    ("P564B1400.pict", TWELVEMONKEYS + "pict/P564B1400.pict", "BSD-3-Clause",
     "PICT at 360 dpi: a frame of 349x204, 1745x1022 pixels"),
    ("R-7439-1151526181.jpeg", TWELVEMONKEYS + "jpeg/R-7439-1151526181.jpeg", "BSD-3-Clause",
     "JPEG photo, 386x396, holding PICT version bytes where a PICT has them"),
    ("MARBLES.MAC", TWELVEMONKEYS + "mac/MARBLES.MAC", "BSD-3-Clause",
     "MacPaint without a MacBinary header, version 0"),
]


def probe(path):
    """What ffprobe finds, in the shared media manifest's form."""
    if shutil.which("ffprobe") is None:
        return ""
    result = subprocess.run(
        ["ffprobe", "-v", "error", "-show_entries", "stream=codec_name,codec_type",
         "-of", "compact", path], capture_output=True, text=True)
    return " ".join(line for line in result.stdout.split("\n") if line.startswith("stream|"))


def main():
    lines = ["path\tsize_bytes\tsource\tlicense\tnote\tffprobe"]
    for name, data, note in SAMPLES:
        path = os.path.join(HERE, name)
        with open(path, "wb") as out:
            out.write(data)
        lines.append(f"{name}\t{len(data)}\ttests/samples/make_samples.py\tas the project\t"
                     f"{note}\t{probe(path)}")
    for name, source, licence, note in THIRD_PARTY:
        path = os.path.join(HERE, name)
        lines.append(f"{name}\t{os.path.getsize(path)}\t{source}\t{licence}\t{note}\t"
                     f"{probe(path)}")
    with open(os.path.join(HERE, "MANIFEST.tsv"), "w") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
