"""The start-up pictures shown before a file is opened."""
import struct

from bitmap_files import (Canvas, VGA, BLACK, WHITE, CYAN, DARK_CYAN, YELLOW, RED, DARK_RED, DARK_GREY,
                          DARK_MAGENTA, DARK_YELLOW, DARK_GREEN)
from pixel_font import draw_text, draw_smooth_text, text_width
import emblems
import buttons

VIOLET = DARK_MAGENTA  # this palette entry is violet in the icon gallery's picture
PALE_GREEN = DARK_YELLOW  # and this one pale green in the bitmap gallery's picture


def _centred_text(canvas, y, text, colour, scale=1, bold=False, colours=None):
    x = (canvas.width - text_width(text, scale, bold)) // 2
    draw_text(canvas, x, y, text, colour, scale, bold, colours)


def _red_words(line, words=("EXE", "DLL")):
    """One colour per character: red for the given words, default elsewhere."""
    colours = [None] * len(line)
    for word in words:
        start = line.find(word)
        while start >= 0:
            colours[start:start + len(word)] = [RED] * len(word)
            start = line.find(word, start + 1)
    return colours


def _hex_rows(header):
    """Eight bytes a row, as a hex dump shows them: two groups of four."""
    groups = [" ".join("%02X" % b for b in header[i:i + 4]) for i in range(0, 40, 4)]
    return ["  ".join(groups[i:i + 2]) for i in range(0, 10, 2)]


def inspector_picture(name, what, header, picture):
    """Cyan panel: the name, three lines on what the program does and a yellow
    box with the first bytes of such an image's header."""
    canvas = Canvas(253, 221, CYAN)
    canvas.frame(0, 0, 252, 220, BLACK)
    canvas.bevel(1, 1, 251, 219, WHITE, DARK_CYAN)
    x = (canvas.width - text_width(name, 4)) // 2
    draw_smooth_text(canvas, x + 2, 12, name, DARK_CYAN)
    draw_smooth_text(canvas, x, 10, name, BLACK)
    lines = [what + " in an EXE or DLL file", "can be displayed, saved", "and replaced."]
    for i, line in enumerate(lines):
        _centred_text(canvas, 50 + 13 * i, line, BLACK, bold=True, colours=_red_words(line))
    # The yellow box with a shadow, the header bytes and the small picture.
    canvas.rect(18, 98, 238, 212, DARK_CYAN)
    canvas.rect(14, 94, 234, 208, YELLOW)
    canvas.frame(14, 94, 234, 208, BLACK)
    for i, row in enumerate(_hex_rows(header)):
        draw_text(canvas, 28, 104 + 15 * i, row, BLACK, bold=True)
    canvas.paste(234 - 8 - picture.width, 208 - 8 - picture.height, picture)
    return canvas


def _info_header(width, height, bits, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 0, 0, 0, 0)


def _grid(canvas, x0, y0, columns, rows, pitch_x, pitch_y, cell, line):
    canvas.rect(x0, y0, x0 + columns * pitch_x, y0 + rows * pitch_y, line)
    for row in range(rows):
        for column in range(columns):
            x, y = x0 + 1 + column * pitch_x, y0 + 1 + row * pitch_y
            canvas.rect(x, y, x + pitch_x - 2, y + pitch_y - 2, cell)


def _name_on_ellipse(canvas, name, fill, text, shadow):
    cx, cy = canvas.width / 2, canvas.height / 2
    canvas.ellipse(cx + 4, cy + 4, 172, 52, BLACK)
    canvas.ellipse(cx, cy, 172, 52, BLACK)
    canvas.ellipse(cx, cy, 170, 50, fill)
    x = (canvas.width - text_width(name, 4)) // 2
    y = canvas.height // 2 - 14
    draw_smooth_text(canvas, x + 3, y + 3, name, shadow)
    draw_smooth_text(canvas, x, y, name, text)


def _centre_in_cell(canvas, x, y, w, h, drawing, scale):
    dw, dh = len(drawing[0]) * scale, len(drawing) * scale
    canvas.pixels(x + (w - dw) // 2, y + (h - dh) // 2, drawing, scale)


def icon_gallery_picture(name):
    """White cells holding icons of several sizes on a red border, and a violet
    ellipse with the name."""
    canvas = Canvas(430, 308, RED)
    canvas.frame(0, 0, 429, 307, DARK_RED)
    columns, rows, pitch_x, pitch_y = 6, 4, 69, 73
    x0, y0 = (430 - columns * pitch_x - 1) // 2, (308 - rows * pitch_y - 1) // 2
    _grid(canvas, x0, y0, columns, rows, pitch_x, pitch_y, WHITE, DARK_RED)
    # Icons of 16, 32 and 48 pixels: drawings enlarged, and the programs' own icons.
    icons = [emblems.SMILEY, emblems.FOLDER, emblems.HEART, emblems.DISK, buttons.OPEN_FOLDER,
             emblems.emblem("veskarin", 32), emblems.emblem("peltrane", 32), emblems.emblem("veskarin", 16)]
    sizes = [48, 32, 16, 32, 48, 16, 32]
    for i in range(columns * rows):
        x, y = x0 + 1 + (i % columns) * pitch_x, y0 + 1 + (i // columns) * pitch_y
        icon = icons[(i * 5) % len(icons)]
        if isinstance(icon, list):
            scale = max(2, sizes[i % len(sizes)] // max(len(icon), len(icon[0])))
            _centre_in_cell(canvas, x, y, pitch_x - 1, pitch_y - 1, icon, scale)
        else:
            canvas.paste(x + (pitch_x - 1 - icon.width) // 2, y + (pitch_y - 1 - icon.height) // 2, icon)
    _name_on_ellipse(canvas, name, VIOLET, WHITE, BLACK)
    return canvas


def bitmap_gallery_picture(name):
    """Pale green cells holding small framed bitmaps, and a cyan ellipse with
    the name."""
    canvas = Canvas(440, 300, DARK_GREEN)
    columns, rows, pitch_x, pitch_y = 5, 4, 86, 72
    x0, y0 = (440 - columns * pitch_x - 1) // 2, (300 - rows * pitch_y - 1) // 2
    _grid(canvas, x0, y0, columns, rows, pitch_x, pitch_y, PALE_GREEN, DARK_GREEN)
    pictures = [emblems.HILLS, emblems.SUNSET, emblems.STRIPES, emblems.PLAID, emblems.LANDSCAPE]
    for i in range(columns * rows):
        x, y = x0 + 1 + (i % columns) * pitch_x, y0 + 1 + (i // columns) * pitch_y
        drawing = pictures[(i * 3 + i // columns) % len(pictures)]
        scale = 4 if len(drawing[0]) <= 10 else 3
        if i % 3 == 1:
            scale -= 1
        dw, dh = len(drawing[0]) * scale, len(drawing) * scale
        px, py = x + (pitch_x - 1 - dw) // 2, y + (pitch_y - 1 - dh) // 2
        canvas.rect(px + 2, py + 2, px + dw + 1, py + dh + 1, DARK_GREY)
        canvas.pixels(px, py, drawing, scale)
        canvas.frame(px - 1, py - 1, px + dw, py + dh, BLACK)
    _name_on_ellipse(canvas, name, CYAN, BLACK, DARK_CYAN)
    return canvas


def startup_picture(program):
    """The picture and its palette."""
    if program == "veskarin":
        header = _info_header(32, 64, 4, 640)
        return inspector_picture("Arvelle", "Icons", header, emblems.emblem("veskarin", 32)), VGA
    if program == "peltrane":
        header = _info_header(32, 32, 4, 512)
        return inspector_picture("Dunmarra", "Bitmaps", header, emblems.emblem("peltrane", 32)), VGA
    palette = list(VGA)
    if program == "mordelix":
        palette[VIOLET] = (128, 64, 192)
        return icon_gallery_picture("Coravel"), palette
    palette[PALE_GREEN] = (200, 240, 200)
    return bitmap_gallery_picture("Estrivo"), palette
