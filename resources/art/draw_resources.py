#!/usr/bin/env python3
"""Draws the artwork of the four programs: the bar's button bitmaps (shared),
and per program the start-up picture IBMP_1, the window icon ICON_1 and the
About box icon. The output is committed; run this again only to change a
picture:

    python3 resources/art/draw_resources.py [output folder]

The output folder defaults to the folder of this script."""
import os
import sys

sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from bitmap_files import bmp_bytes, ico_bytes  # noqa: E402
import buttons  # noqa: E402
import emblems  # noqa: E402
import pictures  # noqa: E402

PROGRAMS = ("veskarin", "peltrane", "mordelix", "zandovir")


def artwork():
    """Every file as (relative path, bytes), in a fixed order."""
    files = []
    for name in buttons.SUBJECTS:
        for family in buttons.FAMILIES:
            palette = buttons.family_palette(family)
            for state in buttons.STATES:
                canvas = buttons.button(name, state)
                files.append(("buttons/%s%s%s.bmp" % (name, family, state), bmp_bytes(canvas, palette)))
    for program in PROGRAMS:
        picture, palette = pictures.startup_picture(program)
        files.append((program + "/IBMP_1.bmp", bmp_bytes(picture, palette, rle=True)))
        files.append((program + "/ICON_1.ico", ico_bytes([emblems.emblem(program, 32), emblems.emblem(program, 16)])))
        files.append((program + "/About.ico", ico_bytes([emblems.emblem(program, 32)])))
    return files


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for path, data in artwork():
        target = os.path.join(out, path)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
