"""Pixel canvases and the two file layouts the resource compiler takes:
.bmp (BITMAPINFOHEADER, bottom-up, 4 bits, plain or RLE4) and .ico
(16-colour images with their AND masks)."""
import struct

# The 16 colours of the VGA palette, in the order Windows uses.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]

BLACK, DARK_RED, DARK_GREEN, DARK_YELLOW, DARK_BLUE, DARK_MAGENTA, DARK_CYAN, LIGHT_GREY, \
    DARK_GREY, RED, GREEN, YELLOW, BLUE, MAGENTA, CYAN, WHITE = range(16)

# One letter per palette index, for pixel drawings written as text.
LETTERS = {"k": BLACK, "R": DARK_RED, "G": DARK_GREEN, "Y": DARK_YELLOW, "B": DARK_BLUE,
           "M": DARK_MAGENTA, "C": DARK_CYAN, "l": LIGHT_GREY, "d": DARK_GREY, "r": RED, "g": GREEN,
           "y": YELLOW, "b": BLUE, "m": MAGENTA, "c": CYAN, "w": WHITE}


class Canvas:
    """Palette indexes, rows top-down; None marks a transparent pixel."""

    def __init__(self, width, height, fill=None):
        self.width, self.height = width, height
        self.rows = [[fill] * width for _ in range(height)]

    def get(self, x, y):
        if 0 <= x < self.width and 0 <= y < self.height:
            return self.rows[y][x]
        return None

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the rectangle with corners (x0, y0) and (x1, y1), both inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.rect(x0, y0, x1, y0, colour)
        self.rect(x0, y1, x1, y1, colour)
        self.rect(x0, y0, x0, y1, colour)
        self.rect(x1, y0, x1, y1, colour)

    def bevel(self, x0, y0, x1, y1, light, dark):
        """A one-pixel 3D edge lit from the top left."""
        self.rect(x0, y0, x1, y0, light)
        self.rect(x0, y0, x0, y1, light)
        self.rect(x0 + 1, y1, x1, y1, dark)
        self.rect(x1, y0 + 1, x1, y1, dark)

    def ellipse(self, cx, cy, rx, ry, colour):
        """Fills the ellipse centred on the pixel corner or centre (cx, cy)."""
        for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
                dx, dy = (x + 0.5 - cx) / rx, (y + 0.5 - cy) / ry
                if dx * dx + dy * dy <= 1.0:
                    self.put(x, y, colour)

    def pixels(self, x0, y0, drawing, scale=1):
        """Copies a drawing written as rows of letters ('.' leaves the pixel)."""
        for y, line in enumerate(drawing):
            for x, letter in enumerate(line):
                if letter != ".":
                    self.rect(x0 + x * scale, y0 + y * scale, x0 + x * scale + scale - 1,
                              y0 + y * scale + scale - 1, LETTERS[letter])

    def paste(self, x0, y0, other, scale=1):
        for y in range(other.height):
            for x in range(other.width):
                c = other.rows[y][x]
                if c is not None:
                    self.rect(x0 + x * scale, y0 + y * scale, x0 + x * scale + scale - 1,
                              y0 + y * scale + scale - 1, c)


def _palette_bytes(palette):
    assert len(palette) == 16
    return b"".join(bytes((b, g, r, 0)) for r, g, b in palette)


def _packed_rows(canvas, background=0):
    """4-bit rows bottom-up, each padded to four bytes."""
    out = bytearray()
    for row in reversed(canvas.rows):
        values = [background if c is None else c for c in row]
        if len(values) % 2:
            values.append(0)
        line = bytearray((values[i] << 4) | values[i + 1] for i in range(0, len(values), 2))
        line += b"\0" * (-len(line) % 4)
        out += line
    return bytes(out)


def _rle4(canvas):
    """RLE4 in encoded runs only: each run is one colour, at most 255 pixels."""
    out = bytearray()
    for row in reversed(canvas.rows):
        x = 0
        while x < canvas.width:
            run = 1
            while x + run < canvas.width and run < 255 and row[x + run] == row[x]:
                run += 1
            out += bytes((run, (row[x] << 4) | row[x]))
            x += run
        out += b"\0\0"  # end of line
    out[-1] = 1  # the last end of line becomes the end of the bitmap
    return bytes(out)


def bmp_bytes(canvas, palette=VGA, rle=False):
    bits = _rle4(canvas) if rle else _packed_rows(canvas)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 4, 2 if rle else 0, len(bits),
                       0, 0, 0, 0)
    offset = 14 + len(info) + 64
    head = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    return head + info + _palette_bytes(palette) + bits


def ico_bytes(canvases, palette=VGA):
    """One 16-colour image per canvas; transparent pixels go to the AND mask."""
    images = []
    for canvas in canvases:
        xor = _packed_rows(canvas)
        mask = bytearray()
        for row in reversed(canvas.rows):
            line = bytearray((canvas.width + 31) // 32 * 4)
            for x, c in enumerate(row):
                if c is None:
                    line[x // 8] |= 0x80 >> (x % 8)
            mask += line
        info = struct.pack("<IiiHHIIiiII", 40, canvas.width, 2 * canvas.height, 1, 4, 0, len(xor) + len(mask),
                           0, 0, 0, 0)
        images.append(info + _palette_bytes(palette) + xor + bytes(mask))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for canvas, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", canvas.width, canvas.height, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(images)
