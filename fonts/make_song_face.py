#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tappon developers
"""Cuts the program's own Song face out of the installed AR PL UMing CN: only the
characters the windows can show, with their outlines, embedded bitmaps, metrics and
layout tables as they are in the Debian font, so that text renders as with the whole
face, while the program reads a few pages of a small file instead of those of a 20 MB
collection.

The characters: every printable ASCII character (the falling letters, digits, Latin
captions), every character of a string literal in the sources of the windows and the
game, the translations of the Qt texts the windows show (the message boxes' buttons,
the text boxes' context menu), and the ideographs FreeType's auto-hinter measures a
CJK face by: without them it would place the subset's stems and blue zones elsewhere
than in the whole face.

    make_song_face.py --source uming.ttc --index 0 --sources DIR... \
        [--qt-translations qtbase_zh_CN.qm --qt-contexts C1,C2] \
        --output face.ttf
"""
import argparse
import datetime
import os
import pathlib
import re
import struct
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "AR PL UMing CN Tappon"
POSTSCRIPT_NAME = "UMingCN-Tappon"

# FreeType 2.12's CJK blue strings (afblue.dat: the tops and bottoms of these
# ideographs set the blue zones) and its standard characters for Han (afscript.h: the
# stem widths).
AUTOHINTER_CHARACTERS = (
    "他们你來們到和地对對就席我时時會来為能舰說说这這齊军同已愿既星是景民照现現理用置要"
    "軍那配里開雷露面顾个为人以個大有主些因它想意生當看着者自著裡过还进進過道還"
    "田囗"
)

TOKEN = re.compile(r'"(?:\\.|[^"\\\n])*"|//[^\n]*|/\*.*?\*/|\'(?:\\.|[^\'\\\n])*\'', re.S)


def literal_characters(folders):
    """The characters of every string literal in the C++ sources under the folders."""
    found = set()
    for folder in folders:
        for path in sorted(pathlib.Path(folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            for token in TOKEN.findall(path.read_text(encoding="utf-8")):
                if token.startswith('"'):
                    found |= set(token[1:-1])
    return found


def qm_translations(path, contexts):
    """The translations of the named contexts in a Qt .qm file."""
    data = pathlib.Path(path).read_bytes()
    pos, messages = 16, b""
    while pos + 5 <= len(data):
        tag, length = data[pos], struct.unpack(">I", data[pos + 1:pos + 5])[0]
        if tag == 0x69:
            messages = data[pos + 5:pos + 5 + length]
        pos += 5 + length
    texts, pending, context, pos = [], [], None, 0
    while pos < len(messages):
        tag = messages[pos]
        pos += 1
        if tag == 1:  # end of a message
            if context in contexts:
                texts += pending
            pending, context = [], None
            continue
        if tag == 5:  # obsolete marker without data
            continue
        length = struct.unpack(">I", messages[pos:pos + 4])[0]
        pos += 4
        if length == 0xFFFFFFFF:
            length = 0
        field = messages[pos:pos + length]
        pos += length
        if tag == 3:
            pending.append(field.decode("utf-16-be"))
        elif tag == 7:
            context = field.decode("utf-8")
    return texts


def notice():
    stamp = os.environ.get("SOURCE_DATE_EPOCH")
    when = datetime.datetime.fromtimestamp(int(stamp), datetime.timezone.utc) if stamp else \
        datetime.datetime.now(datetime.timezone.utc)
    return ("Modified by the Tappon developers on %s: a subset of AR PL UMing CN holding only "
            "the characters Tappon shows, renamed %s, made by Tappon's fonts/make_song_face.py "
            "with fontTools' subsetter; glyphs, bitmaps and metrics are unchanged. "
            "Distributed under the ARPHIC PUBLIC LICENSE (name record 13)." % (when.date().isoformat(), FAMILY))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True)
    parser.add_argument("--index", type=int, default=0)
    parser.add_argument("--sources", nargs="+", required=True)
    parser.add_argument("--qt-translations")
    parser.add_argument("--qt-contexts", default="")
    parser.add_argument("--output", required=True)
    args = parser.parse_args()

    wanted = {chr(c) for c in range(0x20, 0x7F)} | literal_characters(args.sources) | set(AUTOHINTER_CHARACTERS)
    if args.qt_translations:
        for text in qm_translations(args.qt_translations, set(args.qt_contexts.split(","))):
            wanted |= set(text)
    wanted = {c for c in wanted if c.isprintable()}

    options = subset.Options()
    options.font_number = args.index
    # Everything the whole face has for these characters: bitmaps (EBLC/EBDT at 11-16
    # pixels, whose ascent and descent Qt takes at those sizes; it draws the bitmaps
    # themselves only without antialiasing), names in every language, every layout feature.
    options.drop_tables = []
    options.passthrough_tables = True
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.notdef_outline = True
    options.glyph_names = True
    options.legacy_kern = True
    options.prune_unicode_ranges = False
    options.recalc_bounds = False
    options.recalc_timestamp = False
    font = subset.load_font(args.source, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[ord(c) for c in wanted])
    subsetter.subset(font)
    missing = sorted(c for c in wanted if ord(c) not in font.getBestCmap() and c != " ")
    if missing:
        sys.exit("make_song_face.py: %s lacks %s" % (args.source, "".join(missing)))

    # A name of its own, still containing "AR PL UMing", so that fontconfig's rules
    # for that face apply to it as well; and the notice the licence asks of a
    # modified font.
    names = font["name"]
    for record in list(names.names):
        if record.nameID in (1, 3, 4, 16):
            record.string = FAMILY
        elif record.nameID == 6:
            record.string = POSTSCRIPT_NAME
    names.setName(notice(), 10, 3, 1, 0x409)
    names.setName(notice(), 10, 1, 0, 0)
    subset.save_font(font, args.output, options)


if __name__ == "__main__":
    main()
