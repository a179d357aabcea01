#!/usr/bin/env python3
"""Draws imgscan.ico: a magnifying glass over a page, at 16, 32 and 48 pixels
in 4, 8 and 24 bits, so that the Windows build of imgscan carries icon images
of every kind the scan looks for. Its output is committed; run it again only
to change the picture."""
import struct

PALETTE16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
             (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
             (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def picture(size):
    """Rows top-down of palette indexes (None = transparent)."""
    rows = []
    s = size / 32.0
    for y in range(size):
        row = []
        for x in range(size):
            px, py = (x + 0.5) / s, (y + 0.5) / s
            dx, dy = px - 13, py - 13
            d2 = dx * dx + dy * dy
            colour = None
            if 4 <= px <= 24 and 2 <= py <= 28:
                colour = 15  # page
                if int(py) % 5 == 0 and 7 <= px <= 21:
                    colour = 8  # text lines
            if d2 <= 64:
                colour = 14  # glass
            if 64 < d2 <= 100:
                colour = 4  # rim
            if px + py > 38 and abs(px - py) < 2.5 and px < 30:
                colour = 3  # handle
            row.append(colour)
        rows.append(row)
    return rows


def image(size, bits):
    rows = picture(size)[::-1]  # bottom-up
    xor, mask = bytearray(), bytearray()
    for row in rows:
        line = bytearray()
        if bits == 24:
            for c in row:
                line += bytes(PALETTE16[c or 0][::-1])
        elif bits == 8:
            line = bytearray(c or 0 for c in row)
        else:
            for i in range(0, size, 2):
                line.append(((row[i] or 0) << 4) | (row[i + 1] or 0))
        line += b"\0" * (-len(line) % 4)
        xor += line
        m = bytearray((size + 31) // 32 * 4)
        for i, c in enumerate(row):
            if c is None:
                m[i // 8] |= 0x80 >> (i % 8)
        mask += m
    colours = {4: 16, 8: 256, 24: 0}[bits]
    palette = bytearray()
    for i in range(colours):
        r, g, b = PALETTE16[i] if i < 16 else (i, i, i)
        palette += bytes((b, g, r, 0))
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + palette + xor + mask, colours


def main():
    images = [image(32, 4), image(16, 8), image(48, 24)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (data, colours), size in zip(images, (32, 16, 48)):
        out += struct.pack("<BBBBHHII", size, size, colours if colours < 256 else 0, 0, 1,
                           {16: 4, 256: 8, 0: 24}[colours], len(data), offset)
        offset += len(data)
    for data, _ in images:
        out += data
    with open("imgscan.ico", "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
