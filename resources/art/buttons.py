"""The picture buttons of the bar: every subject in three states (raised,
pressed, greyed) and four face shades, one per family of Windows looks."""
from bitmap_files import (Canvas, VGA, BLACK, DARK_GREY, LIGHT_GREY, WHITE, MAGENTA, CYAN, BLUE,
                          YELLOW, GREEN, DARK_GREEN, RED, DARK_RED, DARK_BLUE)

HEIGHT = 20
FACE = LIGHT_GREY  # the palette entry that each family sets to its own face shade

# Family letter -> face shade: the classic grey of Windows 95, 98, NT 4 and of
# the classic look of later systems; a lighter warm grey for Windows ME; the
# warm grey of Windows 2000; the pale beige of Windows XP.
FAMILIES = {"": (192, 192, 192), "9": (204, 200, 192), "8": (212, 208, 200), "X": (236, 233, 216)}
STATES = ("Up", "Dn", "In")


def family_palette(family):
    palette = list(VGA)
    palette[FACE] = FAMILIES[family]
    return palette


def _subject(width, height, drawing=None):
    canvas = Canvas(width, height)
    if drawing:
        canvas.pixels(0, 0, drawing)
    return canvas


def _chevrons(pointing_left):
    canvas = Canvas(13, 9)
    for dy in range(-4, 5):
        for start in (0, 6):
            for t in range(3):
                x = start + abs(dy) + t
                canvas.put(x if pointing_left else 12 - x, dy + 4, BLACK)
    return canvas


def _arrow(pointing_down):
    canvas = Canvas(11, 12)
    for y in range(12):
        if y < 6:
            x0, x1 = 3, 7  # shaft
        else:
            half = 11 - y  # head: 5 .. 0
            x0, x1 = 5 - half, 5 + half
        canvas.rect(x0, y, x1, y, BLACK)
    if not pointing_down:
        canvas.rows.reverse()
    return canvas


def _triangle_right(canvas, x0, cy, half, fill, outline=BLACK):
    """A triangle pointing right, its flat side at x0, 2 * half + 1 rows tall."""
    for dy in range(-half, half + 1):
        length = half - abs(dy)
        canvas.rect(x0, cy + dy, x0 + length, cy + dy, fill)
        canvas.put(x0 + length, cy + dy, outline)
        canvas.put(x0, cy + dy, outline)
    canvas.put(x0, cy - half, outline)
    canvas.put(x0, cy + half, outline)


FLOPPY = [
    "kkkkkkkkkkkk.",
    "kccwwwwwwwcck",
    "kccwdddddwcck",
    "kccwwwwwwwcck",
    "kccwdddddwcck",
    "kccwwwwwwwcck",
    "kccccccccccck",
    "kccccccccccck",
    "kcckkkkkkkcck",
    "kcckwwwddkcck",
    "kcckwwwddkcck",
    "kcckwwwddkcck",
    "kkkkkkkkkkkkk",
]


def _save(disk_colour):
    canvas = Canvas(21, 13)
    _triangle_right(canvas, 0, 6, 5, MAGENTA)
    floppy = [line.replace("c", "b") if disk_colour == BLUE else line for line in FLOPPY]
    canvas.pixels(8, 0, floppy)
    return canvas


OPEN_FOLDER = [
    ".kkkk.............",
    "krrrrk............",
    "krRRRRkkkkkkkk....",
    "krRRRRRRRRRRRRk...",
    "krRRRRRRRRRRRRk...",
    "krRRkkkkkkkkkkkkkk",
    "krRkrrrrrrrrrrrrk.",
    "krRkrrrrrrrrrrrrk.",
    "krkrrrrrrrrrrrrk..",
    "krkrrrrrrrrrrrrk..",
    "kkrrrrrrrrrrrrk...",
    "kkkkkkkkkkkkkkk...",
]


def _mask():
    canvas = Canvas(16, 14)
    for i, colour in enumerate((RED, GREEN, BLUE)):
        x, y = 4 * i, 3 * i
        canvas.rect(x, y, x + 7, y + 7, colour)
        canvas.frame(x, y, x + 7, y + 7, BLACK)
    return canvas


def _replace():
    canvas = Canvas(21, 12)
    canvas.rect(0, 1, 6, 10, MAGENTA)
    canvas.frame(0, 1, 6, 10, BLACK)
    for dy in range(-3, 4):
        canvas.rect(8, 5 + dy, 8 + 3 - abs(dy), 5 + dy, BLACK)
    canvas.rect(14, 1, 20, 10, CYAN)
    canvas.frame(14, 1, 20, 10, BLACK)
    return canvas


def _palette_chips():
    chips = [BLACK, DARK_RED, RED, YELLOW, GREEN, DARK_GREEN, CYAN, BLUE, DARK_BLUE]
    canvas = Canvas(19, 13, DARK_GREY)
    canvas.frame(0, 0, 18, 12, BLACK)
    for i, colour in enumerate(chips):
        x, y = 1 + (i % 3) * 6, 1 + (i // 3) * 4
        canvas.rect(x, y, x + 4, y + 2, colour)
    return canvas


def _about():
    canvas = Canvas(15, 13)
    for y in range(13):
        half = (y * 7 + 6) // 12
        canvas.rect(7 - half, y, 7 + half, y, BLACK)
        if 0 < y < 12 and half > 1:
            canvas.rect(7 - half + 1, y, 7 + half - 1, y, YELLOW)
    canvas.rect(7, 4, 7, 4, BLUE)
    canvas.rect(6, 6, 7, 6, BLUE)
    canvas.rect(7, 7, 7, 9, BLUE)
    canvas.rect(6, 10, 8, 10, BLUE)
    return canvas


QUESTION = [
    ".yyy.",
    "yy.yy",
    "...yy",
    "..yy.",
    "..y..",
    ".....",
    "..y..",
]


def _help():
    canvas = Canvas(14, 14)
    canvas.ellipse(7, 7, 7, 7, DARK_GREEN)
    canvas.ellipse(7, 7, 6, 6, GREEN)
    canvas.pixels(5, 3, QUESTION)
    return canvas


EXIT_DOOR = [
    "......kkkkkkkkkkkkkk",
    "......kwwwwwwwwwwkkk",
    "......kwwwwwwwwkkrrk",
    "......kwwwwwwwkrrrrk",
    "......kwwwwwwwkrrrrk",
    "......kwwwwwwwkrrrrk",
    "......kwwwwwwwkrrrrk",
    "......kwwwwwwwkryrrk",
    "......kwwwwwwwkrrrrk",
    "......kwwwwwwwkrrrrk",
    "......kwwwwwwwkrrrrk",
    "......kwwwwwwwwkkrrk",
    "......kwwwwwwwwwwkkk",
    "......kkkkkkkkkkkkkk",
]


def _exit():
    canvas = Canvas(20, 14)
    canvas.pixels(0, 0, EXIT_DOOR)
    canvas.rect(0, 6, 8, 7, BLACK)  # shaft
    for dy in range(4):
        canvas.rect(9, 6 - dy, 12 - dy, 6 - dy, BLACK)
        canvas.rect(9, 7 + dy, 12 - dy, 7 + dy, BLACK)
    return canvas


# Base name -> (button width, subject, the subject's colours that stay as
# grey lines on the greyed button).
SUBJECTS = {
    "Gap": (16, None, ()),
    "Mask": (32, _mask(), (BLACK,)),
    "Open": (32, _subject(18, 12, OPEN_FOLDER), (BLACK,)),
    "Prev": (32, _chevrons(True), (BLACK,)),
    "Next": (32, _chevrons(False), (BLACK,)),
    "ZmOut": (32, _arrow(True), (BLACK,)),
    "ZmIn": (32, _arrow(False), (BLACK,)),
    "SaveAs": (32, _save(CYAN), (BLACK,)),
    "SaveAll": (32, _save(BLUE), (BLACK,)),
    "Replc": (32, _replace(), (BLACK,)),
    "PlMode": (32, _palette_chips(), (BLACK, DARK_GREY)),
    "About": (32, _about(), (BLACK, BLUE)),
    "Help": (32, _help(), (DARK_GREEN, YELLOW)),
    "Exit": (32, _exit(), (BLACK,)),
    "Space": (2000, None, ()),
}


def button(name, state):
    """The button bitmap of one base name and state; the family only changes
    the palette."""
    width, subject, ink = SUBJECTS[name]
    canvas = Canvas(width, HEIGHT, FACE)
    right, bottom = width - 1, HEIGHT - 1
    if state == "Dn":
        # Sunken: dark above and left, light below and right.
        canvas.bevel(0, 0, right, bottom, DARK_GREY, WHITE)
        canvas.bevel(1, 1, right - 1, bottom - 1, BLACK, FACE)
    else:
        canvas.bevel(0, 0, right, bottom, WHITE, BLACK)
        canvas.bevel(1, 1, right - 1, bottom - 1, FACE, DARK_GREY)
    if subject is None:
        return canvas
    x0, y0 = (width - subject.width) // 2, (HEIGHT - subject.height) // 2
    if state == "Dn":
        x0, y0 = x0 + 1, y0 + 1
    if state == "In":
        # Greyed: the subject's lines in grey with a white edge below right.
        lines = [(x, y) for y in range(subject.height) for x in range(subject.width)
                 if subject.rows[y][x] in ink]
        for x, y in lines:
            canvas.put(x0 + x + 1, y0 + y + 1, WHITE)
        for x, y in lines:
            canvas.put(x0 + x, y0 + y, DARK_GREY)
    else:
        canvas.paste(x0, y0, subject)
    return canvas
