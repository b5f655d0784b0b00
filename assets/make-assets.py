#!/usr/bin/python3
"""Draws the voice-menu page pictures at twice their size (the windows bring them to the size
they show, smoothly, at any scale), and the program's icon at each size the desktops ask for,
into this folder.

Needs Pillow (Debian's python3-pil) and the DejaVu fonts (fonts-dejavu-core). The output is
deterministic; the pictures are committed, so this runs only when they change:
    assets/make-assets.py
"""
import io
import os
import random
import re
import struct
import subprocess

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))


def font_file(name, family):
    """The DejaVu font file: where Debian puts it, else wherever fontconfig knows it."""
    debian = os.path.join("/usr/share/fonts/truetype/dejavu", name)
    if os.path.exists(debian):
        return debian
    found = subprocess.run(["fc-match", "-f", "%{file}", family], capture_output=True, text=True)
    if found.returncode != 0 or not found.stdout:
        raise SystemExit("the font %s was not found; install the DejaVu fonts" % family)
    return found.stdout


SERIF = font_file("DejaVuSerifCondensed.ttf", "DejaVu Serif:condensed")
SERIF_BOLD = font_file("DejaVuSerif-Bold.ttf", "DejaVu Serif:bold")

WIDTH, HEIGHT = 212, 213
WHITE, YELLOW = (255, 255, 255), (255, 255, 0)
TAB = (20, 22, 20)  # the ground of the tab's white word

# Each game: the file of its profile, and for each page the seed of its grain and its colour.
# The pictures are numbered across the games in this order: page1@2x.png and on. The letters of
# line n stand on rows first + pitch * (n - 1) to last + pitch * (n - 1), as the program's layout
# has it (PictureLinesOf).
GAMES = [
    {"profile": "ReturnToCastleWolfenstein.cpp", "first": 38, "last": 50, "pitch": 20, "size": 13,
     "pages": [("main", WHITE), ("statements", WHITE), ("requests", WHITE), ("commands", WHITE),
               ("talk", WHITE), ("chat", YELLOW), ("chat2", YELLOW)]},
    {"profile": "EnemyTerritory.cpp", "first": 30, "last": 42, "pitch": 17, "size": 12,
     "pages": [("et-main", WHITE), ("et-statements", WHITE), ("et-requests", WHITE),
               ("et-commands", WHITE), ("et-talk", WHITE), ("et-global", YELLOW),
               ("et-global2", YELLOW), ("et-objectives", WHITE)]},
]


def page_texts(game):
    """The lines each page of a game shows, from the program's own table of them."""
    source = os.path.join(HERE, "..", "src", "model", "game", game["profile"])
    with open(source, encoding="utf-8") as table:
        rows = re.findall(r'\{(\d+), (\d+), "([^"]*)",', table.read())
    pages = [[] for _ in game["pages"]]
    for page, line, text in rows:
        lines = pages[int(page) - 1]
        lines.extend([""] * (int(line) - len(lines)))
        lines[int(line) - 1] = text
    return pages


def ground(rng, scale):
    image = Image.new("RGB", (WIDTH * scale, HEIGHT * scale))
    pixels = image.load()
    for y in range(HEIGHT * scale):
        for x in range(WIDTH * scale):
            v = 34 + rng.randint(-4, 4)
            pixels[x, y] = (v, v, v)
    return image


def panel(image, rng, scale):
    top, bottom, left, right = 23, 208, 1, 205
    pixels = image.load()
    band = 8
    for y in range(top * scale, (bottom + 1) * scale):
        row = y // scale
        t = ((row - top) // band * band) / (bottom - top)
        base = (68 + (102 - 68) * t, 85 + (153 - 85) * t, 70 + (119 - 70) * t)
        for x in range(left * scale, (right + 1) * scale):
            n = rng.randint(-2, 2)
            pixels[x, y] = tuple(int(c + n) for c in base)


def tab(draw, scale):
    draw.rectangle([8 * scale, 1 * scale, 81 * scale - 1, 23 * scale - 1], fill=TAB,
                   outline=(60, 64, 60), width=scale)
    font = ImageFont.truetype(SERIF, 13 * scale)
    draw.text((13 * scale, 17 * scale), "Message", font=font, fill=WHITE, anchor="ls")


def lines(draw, colour, texts, game, scale):
    font = ImageFont.truetype(SERIF, game["size"] * scale)
    first, last, pitch = game["first"], game["last"], game["pitch"]
    for n, text in enumerate(texts, start=1):
        baseline = (last - 2 + pitch * (n - 1)) * scale
        label = "%d. %s" % (n % 10, text)
        left, top, right, bottom = draw.textbbox((10 * scale, baseline), label, font=font,
                                                 anchor="ls")
        assert top >= (first + pitch * (n - 1)) * scale, (label, top)
        assert bottom <= (last + 1 + pitch * (n - 1)) * scale, (label, bottom)
        assert right <= 204 * scale, (label, right)
        draw.text((10 * scale, baseline), label, font=font, fill=colour, anchor="ls")


def page_picture(number, name, colour, texts, game, scale):
    rng = random.Random(name)
    image = ground(rng, scale)
    panel(image, rng, scale)
    draw = ImageDraw.Draw(image)
    tab(draw, scale)
    lines(draw, colour, texts, game, scale)
    # Compressed: the pictures are most of the Windows program's size. Their grain takes 239
    # colours without a visible step. The tab's word keeps its own: the steps from its ground to
    # white, which a yellow page's colours would otherwise take for pale yellow, and the lines'
    # white and yellow are exact.
    ramp = [tuple(g + (w - g) * k // 15 for g, w in zip(TAB, WHITE)) for k in range(16)]
    grain = image.quantize(256 - 17, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    palette = Image.new("P", (1, 1))
    palette.putpalette(grain.getpalette()[:(256 - 17) * 3] + [c for k in ramp + [YELLOW] for c in k])
    picture = image.quantize(palette=palette, dither=Image.Dither.NONE)
    exact = {WHITE: 256 - 2, YELLOW: 256 - 1}
    drawn, indices = image.load(), picture.load()
    for y in range(image.height):
        for x in range(image.width):
            if drawn[x, y] in exact:
                indices[x, y] = exact[drawn[x, y]]
    picture.save(os.path.join(HERE, "pages", "page%d@%dx.png" % (number, scale)), optimize=True)


# The sizes the desktops ask for: Windows' small and large icons at each scale, Explorer's views
# and the taskbar; Linux's icon theme takes the same as PNGs.
ICON_SIZES = (16, 24, 32, 48, 64, 256)


def ico_entry(image):
    """One image of an icon file: a 32-bit DIB with an empty AND mask, or PNG from 256 pixels,
    as Windows keeps its large icons."""
    size = image.size[0]
    if size >= 256:
        out = io.BytesIO()
        image.save(out, "PNG", optimize=True)
        return out.getvalue()
    bgra = image.convert("RGBA").tobytes("raw", "BGRA")
    rows = b"".join(bgra[y * size * 4:(y + 1) * size * 4] for y in reversed(range(size)))
    mask = b"\0" * (((size + 31) // 32) * 4 * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(rows) + len(mask),
                         0, 0, 0, 0)
    return header + rows + mask


def save_ico(images, path):
    """An icon file holding each image, smallest first."""
    entries = [ico_entry(image) for image in images]
    offset = 6 + 16 * len(entries)
    directory = struct.pack("<HHH", 0, 1, len(entries))
    for image, entry in zip(images, entries):
        size = image.size[0] % 256  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(entry), offset)
        offset += len(entry)
    with open(path, "wb") as out:
        out.write(directory + b"".join(entries))


def draw_icon(size):
    """The icon, drawn at `size` pixels square from its 32-pixel design. Below 32 pixels the
    word would be a smudge: the emblem alone fills the square."""
    red = (200, 16, 16)
    with_word = size >= 32
    scale = size / 32 if with_word else size / 17
    shift = (0, 0) if with_word else (-7.5, -0.5)
    image = Image.new("RGB", (size, size), (0, 0, 0))
    draw = ImageDraw.Draw(image)

    def at(points):
        return [((x + shift[0]) * scale, (y + shift[1]) * scale) for x, y in points]

    # The emblem: a ring with a cross of four wedges.
    draw.ellipse(at([(8, 1), (23, 16)]), outline=red, width=max(2, round(2 * scale)))
    draw.polygon(at([(16, 3), (18, 8), (16, 9), (14, 8)]), fill=red)
    draw.polygon(at([(16, 14), (18, 9), (16, 8), (14, 9)]), fill=red)
    draw.polygon(at([(10, 9), (15, 7), (16, 9), (15, 10)]), fill=red)
    draw.polygon(at([(22, 9), (17, 7), (16, 9), (17, 10)]), fill=red)
    if with_word:
        font = ImageFont.truetype(SERIF_BOLD, round(10 * scale))
        draw.text((16 * scale, 29 * scale), "Voice", font=font, fill=red, anchor="ms")
    return image


def icon():
    images = [draw_icon(size) for size in ICON_SIZES]
    save_ico(images, os.path.join(HERE, "icon.ico"))
    os.makedirs(os.path.join(HERE, "icons"), exist_ok=True)
    for image in images:
        image.save(os.path.join(HERE, "icons", "quillon-%d.png" % image.size[0]), optimize=True)


def main():
    os.makedirs(os.path.join(HERE, "pages"), exist_ok=True)
    number = 0
    for game in GAMES:
        for (name, colour), texts in zip(game["pages"], page_texts(game)):
            number += 1
            page_picture(number, name, colour, texts, game, 2)
    icon()


if __name__ == "__main__":
    main()
