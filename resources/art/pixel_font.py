"""A small proportional pixel font: 7 rows above the baseline, 2 below for
descenders. Letters are drawn with '#'; the width of a glyph is its widest row."""

_GLYPHS = {
    "A": ".###. #...# #...# ##### #...# #...# #...#",
    "B": "####. #...# #...# ####. #...# #...# ####.",
    "C": ".###. #...# #.... #.... #.... #...# .###.",
    "D": "####. #...# #...# #...# #...# #...# ####.",
    "E": "##### #.... #.... ####. #.... #.... #####",
    "F": "##### #.... #.... ####. #.... #.... #....",
    "G": ".###. #...# #.... #.### #...# #...# .####",
    "H": "#...# #...# #...# ##### #...# #...# #...#",
    "I": "### .#. .#. .#. .#. .#. ###",
    "J": "..### ...#. ...#. ...#. ...#. #..#. .##..",
    "K": "#...# #..#. #.#.. ##... #.#.. #..#. #...#",
    "L": "#.... #.... #.... #.... #.... #.... #####",
    "M": "#...# ##.## #.#.# #.#.# #...# #...# #...#",
    "N": "#...# #...# ##..# #.#.# #..## #...# #...#",
    "O": ".###. #...# #...# #...# #...# #...# .###.",
    "P": "####. #...# #...# ####. #.... #.... #....",
    "Q": ".###. #...# #...# #...# #.#.# #..#. .##.#",
    "R": "####. #...# #...# ####. #.#.. #..#. #...#",
    "S": ".#### #.... #.... .###. ....# ....# ####.",
    "T": "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#..",
    "U": "#...# #...# #...# #...# #...# #...# .###.",
    "V": "#...# #...# #...# #...# #...# .#.#. ..#..",
    "W": "#...# #...# #...# #.#.# #.#.# #.#.# .#.#.",
    "X": "#...# #...# .#.#. ..#.. .#.#. #...# #...#",
    "Y": "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#..",
    "Z": "##### ....# ...#. ..#.. .#... #.... #####",
    "a": "..... ..... .###. ....# .#### #...# .####",
    "b": "#.... #.... ####. #...# #...# #...# ####.",
    "c": "..... ..... .###. #.... #.... #...# .###.",
    "d": "....# ....# .#### #...# #...# #...# .####",
    "e": "..... ..... .###. #...# ##### #.... .###.",
    "f": "..## .#.. ###. .#.. .#.. .#.. .#..",
    "g": "..... ..... .#### #...# #...# #...# .#### ....# .###.",
    "h": "#.... #.... ####. #...# #...# #...# #...#",
    "i": "# . # # # # #",
    "j": "..# ... ..# ..# ..# ..# ..# ..# ##.",
    "k": "#... #... #..# #.#. ##.. #.#. #..#",
    "l": "##. .#. .#. .#. .#. .#. ###",
    "m": "..... ..... ##.#. #.#.# #.#.# #.#.# #.#.#",
    "n": "..... ..... ####. #...# #...# #...# #...#",
    "o": "..... ..... .###. #...# #...# #...# .###.",
    "p": "..... ..... ####. #...# #...# #...# ####. #.... #....",
    "q": "..... ..... .#### #...# #...# #...# .#### ....# ....#",
    "r": "..... ..... #.##. ##..# #.... #.... #....",
    "s": "..... ..... .#### #.... .###. ....# ####.",
    "t": ".#.. .#.. ###. .#.. .#.. .#.# ..#.",
    "u": "..... ..... #...# #...# #...# #..## .##.#",
    "v": "..... ..... #...# #...# #...# .#.#. ..#..",
    "w": "..... ..... #...# #...# #.#.# #.#.# .#.#.",
    "x": "..... ..... #...# .#.#. ..#.. .#.#. #...#",
    "y": "..... ..... #...# #...# #...# #...# .#### ....# .###.",
    "z": "..... ..... ##### ...#. ..#.. .#... #####",
    "0": ".###. #...# #..## #.#.# ##..# #...# .###.",
    "1": "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###.",
    "2": ".###. #...# ....# ...#. ..#.. .#... #####",
    "3": "####. ....# ....# .###. ....# ....# ####.",
    "4": "...#. ..##. .#.#. #..#. ##### ...#. ...#.",
    "5": "##### #.... ####. ....# ....# #...# .###.",
    "6": "..##. .#... #.... ####. #...# #...# .###.",
    "7": "##### ....# ...#. ..#.. .#... .#... .#...",
    "8": ".###. #...# #...# .###. #...# #...# .###.",
    "9": ".###. #...# #...# .#### ....# ...#. .##..",
    ".": ". . . . . . #",
    ",": ".. .. .. .. .. .. .# #.",
    ":": ". . # . . # .",
    "-": "... ... ... ### ... ... ...",
    "/": "....# ....# ...#. ..#.. .#... #.... #....",
    "(": ".# #. #. #. #. #. .#",
    ")": "#. .# .# .# .# .# #.",
    "!": "# # # # # . #",
    "?": ".###. #...# ....# ...#. ..#.. ..... ..#..",
    "'": "# # . . . . .",
}

GLYPHS = {ch: rows.split() for ch, rows in _GLYPHS.items()}
SPACE = 3
LINE_HEIGHT = 7


def text_width(text, scale=1, bold=False):
    width = 0
    for ch in text:
        width += (SPACE if ch == " " else len(GLYPHS[ch][0]) + 1 + bold) * scale
    return width - scale if text else 0


def draw_text(canvas, x, y, text, colour, scale=1, bold=False, colours=None):
    """Draws text with its top-left corner at (x, y); colours, if given, holds
    one colour per character (None: the default colour)."""
    for i, ch in enumerate(text):
        if ch == " ":
            x += SPACE * scale
            continue
        c = colour if colours is None or colours[i] is None else colours[i]
        rows = GLYPHS[ch]
        for gy, line in enumerate(rows):
            for gx, dot in enumerate(line):
                if dot == "#":
                    for extra in range(1 + bold):
                        canvas.rect(x + (gx + extra) * scale, y + gy * scale, x + (gx + extra + 1) * scale - 1,
                                    y + (gy + 1) * scale - 1, c)
        x += (len(rows[0]) + 1 + bold) * scale
    return x


def _scale2x(grid):
    """Doubles a grid of booleans, rounding off diagonal steps (Scale2x)."""
    height, width = len(grid), len(grid[0])

    def at(x, y):
        return grid[y][x] if 0 <= x < width and 0 <= y < height else False

    out = [[False] * (2 * width) for _ in range(2 * height)]
    for y in range(height):
        for x in range(width):
            p, a, b, c, d = at(x, y), at(x, y - 1), at(x + 1, y), at(x - 1, y), at(x, y + 1)
            out[2 * y][2 * x] = a if (c == a and c != d and a != b) else p
            out[2 * y][2 * x + 1] = b if (a == b and a != c and b != d) else p
            out[2 * y + 1][2 * x] = c if (d == c and d != b and c != a) else p
            out[2 * y + 1][2 * x + 1] = d if (b == d and b != a and d != c) else p
    return out


def draw_smooth_text(canvas, x, y, text, colour, doublings=2):
    """Large text: the font at 2 ** doublings times its size, with smoothed
    diagonals instead of stair steps."""
    grid = [[False] * (text_width(text) + 2) for _ in range(LINE_HEIGHT + 4)]

    class _Mask:
        def rect(self, x0, y0, x1, y1, _colour):
            for yy in range(y0, y1 + 1):
                for xx in range(x0, x1 + 1):
                    grid[yy][xx] = True

    draw_text(_Mask(), 1, 1, text, colour)
    for _ in range(doublings):
        grid = _scale2x(grid)
    border = 2 ** doublings
    for gy, row in enumerate(grid):
        for gx, dot in enumerate(row):
            if dot:
                canvas.put(x + gx - border, y + gy - border, colour)
