#!/usr/bin/env python3
"""Writes the small seed files of the fuzz corpora (tests/fuzz/corpus/<target>/seed-*).

Seeds are kept tiny so the fuzzers mutate them quickly; files a fuzzer found a fault with
are added beside them by hand (named after what they show) and never rewritten here.
Usage: make_seeds.py [RCC]   (RCC: Qt's resource compiler, for the picture library seeds)
"""
import os
import struct
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
CORPUS = os.path.join(ROOT, "tests", "fuzz", "corpus")


def write(target, name, data):
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "seed-" + name), "wb") as f:
        f.write(data)


# --- headerless bitmaps -------------------------------------------------------------

def info_header(width, height, bits, compression=0, image_size=0, colours=0, size=40):
    head = struct.pack("<IiiHHIIiiII", size, width, height, 1, bits, compression,
                       image_size, 2835, 2835, colours, 0)
    return head + bytes(size - 40)


def rows(width, height, bits, fill):
    stride = (width * bits + 31) // 32 * 4
    return bytes([fill]) * (stride * abs(height))


def dibs():
    grey = b"".join(struct.pack("<BBBB", i, i, i, 0) for i in range(4))
    yield "1bit", info_header(8, 2, 1, colours=2) + grey[:8] + rows(8, 2, 1, 0x5A)
    yield "4bit", info_header(3, 3, 4, colours=4) + grey + rows(3, 3, 4, 0x12)
    yield "8bit-topdown", info_header(2, -2, 8, colours=4) + grey + rows(2, 2, 8, 1)
    yield "24bit", info_header(2, 2, 24) + rows(2, 2, 24, 0x80)
    masks = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
    yield "16bit-bitfields", info_header(2, 2, 16, compression=3) + masks + rows(2, 2, 16, 7)
    yield "32bit-v4", info_header(1, 1, 32, size=108) + rows(1, 1, 32, 0xFF)
    rle = bytes([2, 1, 0, 0, 2, 2, 0, 1])  # two pixels, end of line, two pixels, end
    yield "rle8", info_header(2, 2, 8, compression=1, image_size=len(rle), colours=4) + grey + rle
    core = struct.pack("<IHHHH", 12, 2, 1, 1, 24) + rows(2, 1, 24, 0x33)
    yield "core-header", core


# --- sounds ---------------------------------------------------------------------------

def wave(channels, rate, bits, frames, extra=b"", data_size=None, partial=0):
    block = channels * bits // 8
    samples = bytes((i * 37) & 0xFF for i in range(frames * block + partial))
    fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * block, block, bits)
    size = len(samples) if data_size is None else data_size
    body = b"WAVE" + extra + b"fmt " + struct.pack("<I", 16) + fmt
    body += b"data" + struct.pack("<I", size) + samples
    return b"RIFF" + struct.pack("<I", len(body)) + body


def waves():
    yield "mono16", wave(1, 22050, 16, 8)
    yield "stereo8-list-chunk", wave(2, 11025, 8, 5, extra=b"LIST" + struct.pack("<I", 3) + b"abc\0")
    yield "data-claims-more", wave(1, 8000, 24, 3, data_size=4000)
    yield "partial-frame", wave(2, 44100, 16, 2, partial=3)


# --- settings -------------------------------------------------------------------------

SCHEMA = (["Version", "BetStep", "MinBet", "MaxBet", "SoundEnabled",
           "InteractiveButtonsEnabled", "AutoHold", "SaveCredit", "LastCredit", "StatsAtExit",
           "CreditAtStart", "FullScreenAtStart"]
          + ["Prize%d" % i for i in range(1, 12)] + ["Prize_stat%d" % i for i in range(1, 12)]
          + ["Credit_in", "Credit_out"] + ["Orvane_State%d" % i for i in range(1, 16)]
          + ["OrvaneNumber", "GameSpeed", "ThemeID", "CardLibraryID", "SoundThemeID",
             "AnimatedCards", "AnimatedDupCards", "DupMode"])
FIRST_RUN = (["2.4", "10", "10", "100", "1", "1", "1", "1", "0", "0", "0", "0"]
             + ["1100", "500", "100", "40", "10", "9", "7", "5", "3", "2", "12"] + ["0"] * 11
             + ["0", "0"] + ["10"] * 15 + ["7", "2", "1", "1", "1", "0", "1", "1"])


def settings_lines():
    yield "first-run", "\n".join(FIRST_RUN).encode()
    odd = list(FIRST_RUN)
    odd[8] = "2147483647"      # LastCredit at the top
    odd[13] = " -12 "          # a multiplier with blanks and a sign
    odd[24] = "99999999999"    # a win count past 32 bits
    odd[36] = "11"             # a countdown above full
    odd[50] = "4"              # an unknown theme
    odd[51] = "x"              # not a number
    yield "odd-values", "\n".join(odd).encode()
    yield "some-missing", b"\n\n\n5\n\n1"


def settings_ini():
    values = "\n".join("%s=%s" % (n, v) for n, v in zip(SCHEMA, FIRST_RUN))
    yield "first-run.ini", ("[2.4]\n" + values + "\n").encode()
    yield "other-version.ini", b"[2.3]\nLastCredit=500\n[General]\nx=1\n"
    yield "lists-and-variants.ini", (b"[2.4]\nLastCredit=1, 2\nThemeID=@Variant(\\0\\0\\0\\x2)\n"
                                     b"GameSpeed=\"3\"\nDupMode=@Invalid()\n")


# --- picture libraries ----------------------------------------------------------------

def bundles(rcc):
    with tempfile.TemporaryDirectory() as folder:
        names = {"CARD_1": dict(dibs())["24bit"], "CARD_BACK_1": dict(dibs())["8bit-topdown"],
                 "4X7@2x": dict(dibs())["rle8"]}
        for name, data in names.items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)
            # rcc stores each file's time: a fixed one keeps the seeds the same every run.
            os.utime(os.path.join(folder, name), (0, 0))
        qrc = os.path.join(folder, "library.qrc")
        with open(qrc, "w") as f:
            f.write("<RCC><qresource prefix=\"/\">")
            f.write("".join("<file>%s</file>" % n for n in names))
            f.write("</qresource></RCC>")
        for kind, options in (("plain", ["--no-compress"]),
                              ("zlib", ["--compress-algo", "zlib", "--threshold", "0"])):
            out = os.path.join(folder, kind + ".rcc")
            subprocess.run([rcc, "--binary", *options, "-o", out, qrc], check=True)
            with open(out, "rb") as f:
                yield kind, f.read()


def main():
    for name, data in dibs():
        write("bitmap_header", name, data)
    for name, data in waves():
        write("wave_file", name, data)
    for name, data in settings_lines():
        write("settings_load", name, data)
    for name, data in settings_ini():
        write("settings_ini", name, data)
    rcc = sys.argv[1] if len(sys.argv) > 1 else "/usr/lib/qt6/libexec/rcc"
    for name, data in bundles(rcc):
        write("resource_bundle", name, data)


if __name__ == "__main__":
    main()
