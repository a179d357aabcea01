"""The programs' own icons, at 32 x 32 and 16 x 16 (None = transparent)."""
from bitmap_files import Canvas, BLACK, WHITE, DARK_GREY, DARK_BLUE, CYAN, DARK_YELLOW, RED, DARK_GREEN

SMILEY = [
    "..kkkk..",
    ".kyyyyk.",
    "kykyykyk",
    "kyyyyyyk",
    "kykyykyk",
    "kyykkyyk",
    ".kyyyyk.",
    "..kkkk..",
]

SMILEY_SMALL = [
    ".kkkkk.",
    "kyyyyyk",
    "kykykyk",
    "kyyyyyk",
    "kykkkyk",
    "kyyyyyk",
    ".kkkkk.",
]

SMILEY_TINY = [
    ".kkk.",
    "kykyk",
    "kyyyk",
    "kkykk",
    ".kkk.",
]

LENS_SMALL = [
    "..kkkk....",
    ".kBBBBk...",
    "kBwcccBk..",
    "kBccccBk..",
    "kBccccBk..",
    "kBccccBk..",
    ".kBBBBkk..",
    "..kkkkYYk.",
    "......kYYk",
    ".......kkk",
]

LANDSCAPE = [
    "bbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbyybbb",
    "bbbbbbbbbbyyyybb",
    "bbwwbbbbbbyyyybb",
    "bwwwwbbbbbbyybbb",
    "bbbbbbbbbbbbbbbb",
    "bbbbbbbggbbbbbbb",
    "bbbbbbggggbbbbbb",
    "bbgbbggggggbbbbb",
    "bggggggggggggbbg",
    "ggggggggGggggggg",
    "gggggggGGGgggggg",
    "GgggggGGGGGggggG",
    "GGggGGGGGGGGggGG",
]

LANDSCAPE_SMALL = [
    "bbbbbbyb",
    "bwwbbyyy",
    "bbbbbbyb",
    "bbbgbbbb",
    "bggggbbg",
    "gggggggg",
    "GgGGGggG",
]


def _card(canvas, x0, y0, x1, y1):
    """A white card with a black edge and a grey shadow below right."""
    canvas.rect(x0 + 1, y0 + 1, x1 + 1, y1 + 1, DARK_GREY)
    canvas.rect(x0, y0, x1, y1, WHITE)
    canvas.frame(x0, y0, x1, y1, BLACK)


def _magnifier(canvas, cx, cy, radius, handle):
    """Lens centred on (cx, cy) with a handle running down to the right."""
    canvas.ellipse(cx, cy, radius, radius, BLACK)
    canvas.ellipse(cx, cy, radius - 1, radius - 1, DARK_BLUE)
    canvas.ellipse(cx, cy, radius - 2, radius - 2, CYAN)
    # Glint on the glass, lit from the top left.
    canvas.put(int(cx - radius / 2), int(cy - radius / 2), WHITE)
    if radius > 5:
        canvas.put(int(cx - radius / 2) + 1, int(cy - radius / 2), WHITE)
        canvas.put(int(cx - radius / 2), int(cy - radius / 2) + 1, WHITE)
    start = int(cx + radius * 0.7)
    for i in range(handle):
        x = y = start + i
        y += int(cy - cx)
        canvas.rect(x, y, x + 1, y + 1, DARK_YELLOW)
        canvas.put(x + 2, y + 1, BLACK)
        canvas.put(x + 1, y + 2, BLACK)


def inspector(size, picture, small_picture):
    """A picture on a card under a magnifying glass."""
    canvas = Canvas(size, size)
    if size == 32:
        _card(canvas, 0, 0, 21, 21)
        canvas.pixels(3, 3, picture, 1 if len(picture[0]) > 8 else 2)
        _magnifier(canvas, 23, 22, 6.5, 4)
    else:
        _card(canvas, 0, 0, 9, 9)
        canvas.pixels(1, 1, small_picture)
        canvas.pixels(6, 6, LENS_SMALL)
    return canvas


def gallery(size, cell_colour, pictures, border):
    """A 2 x 2 grid of cells holding small pictures."""
    canvas = Canvas(size, size, border)
    cell = (size - 3) // 2
    for i, drawing in enumerate(pictures):
        x0, y0 = 1 + (i % 2) * (cell + 1), 1 + (i // 2) * (cell + 1)
        canvas.rect(x0, y0, x0 + cell - 1, y0 + cell - 1, cell_colour)
        dx, dy = (cell - len(drawing[0])) // 2, (cell - len(drawing)) // 2
        canvas.pixels(x0 + dx, y0 + dy, drawing)
    canvas.frame(0, 0, size - 1, size - 1, BLACK)
    return canvas


FOLDER_SMALL = [
    "kk...",
    "kykkk",
    "kyyyk",
    "kyYYk",
    "kkkkk",
]

FOLDER = [
    ".kkkk.......",
    "kwwwwk......",
    "kwyyyykkkkkk",
    "kwyyyyyyyyyk",
    "kwyyyyyyyyYk",
    "kwyyyyyyyyYk",
    "kwyyyyyyyyYk",
    "kwyyyyyyyyYk",
    "kYYYYYYYYYYk",
    "kkkkkkkkkkkk",
]

HEART = [
    ".kk...kk.",
    "krrk.krrk",
    "krwrkrrrk",
    "krrrrrrrk",
    ".krrrrrk.",
    "..krrrk..",
    "...krk...",
    "....k....",
]

HEART_SMALL = [
    "kk.kk",
    "krkrk",
    "krrrk",
    ".krk.",
    "..k..",
]

DISK = [
    "kkkkkkkkk.",
    "kbwwwwwbbk",
    "kbwwwwwbbk",
    "kbbbbbbbbk",
    "kbkkkkkbbk",
    "kbkwwkkbbk",
    "kbkwwkkbbk",
    "kkkkkkkkkk",
]

DISK_SMALL = [
    "kkkkk",
    "kwwwk",
    "kbbbk",
    "kbwbk",
    "kkkkk",
]

SUNSET = [
    "rrrrrrrrrr",
    "rrrryyrrrr",
    "rrryyyyrrr",
    "RRRRRRRRRR",
    "BBBBBBBBBB",
    "BbBBBBBbBB",
    "BBBBbBBBBB",
    "BBBBBBBBBB",
]

SUNSET_SMALL = [
    "rrryr",
    "ryyyr",
    "RRRRR",
    "BbBBB",
    "BBBbB",
]

STRIPES = [
    "kkkkkkkkkk",
    "kcccccccck",
    "kcwwccccck",
    "kcwccccCck",
    "kcccccCCck",
    "kccccCCCck",
    "kcccccccck",
    "kkkkkkkkkk",
]

STRIPES_SMALL = [
    "kkkkk",
    "kwcck",
    "kccCk",
    "kcCCk",
    "kkkkk",
]

HILLS = [
    "bbbbbbbbbb",
    "bbbbbbbyyb",
    "bwwbbbbyyb",
    "bbbbbgbbbb",
    "bbbbgggbbb",
    "gbbgggggbg",
    "gggggGgggg",
    "GGgGGGGGgG",
]

HILLS_SMALL = [
    "bbbby",
    "bwwbb",
    "bbbgb",
    "gbggg",
    "GgGGG",
]

PLAID = [
    "yyrryyrryy",
    "yyrryyrryy",
    "rrRRrrRRrr",
    "rrRRrrRRrr",
    "yyrryyrryy",
    "yyrryyrryy",
    "rrRRrrRRrr",
    "rrRRrrRRrr",
]

PLAID_SMALL = [
    "yryry",
    "rRrRr",
    "yryry",
    "rRrRr",
    "yryry",
]


def emblem(program, size):
    small = size == 16
    if program == "veskarin":
        return inspector(size, SMILEY, SMILEY_SMALL)
    if program == "peltrane":
        return inspector(size, LANDSCAPE, LANDSCAPE_SMALL)
    if program == "mordelix":
        pictures = [FOLDER_SMALL, SMILEY_TINY, HEART_SMALL, DISK_SMALL] if small else \
            [FOLDER, SMILEY, HEART, DISK]
        return gallery(size, WHITE, pictures, RED)
    pictures = [HILLS_SMALL, SUNSET_SMALL, STRIPES_SMALL, PLAID_SMALL] if small else \
        [HILLS, SUNSET, STRIPES, PLAID]
    return gallery(size, WHITE, pictures, DARK_GREEN)

