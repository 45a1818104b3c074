#!/usr/bin/python3
"""Draws every picture and sound of Orvane.

    draw_assets.py [--list] RESOURCE_DIR PROGRAM_DIR

RESOURCE_DIR receives the pictures that Orvane.rc compiles into the program (list_icons.bmp,
splash.bmp, the side-panel pages' page_*.bmp, Orvane.ico); PROGRAM_DIR receives the data files
installed beside Orvane.exe (Images/*.dat and Sound/*.wav). The output depends on nothing but
this script, Pillow and the two Debian fonts, so every build draws the same bytes. With --list it
only prints the paths of the files it would write.
"""
import math
import sys
from pathlib import Path

from PIL import Image, ImageChops

from canvas import CJK_FONT, LATIN_BOLD_FONT, SUPERSAMPLE, Canvas, font, mix
from file_formats import bmp_bytes, ico_bytes, wav_bytes
from page_symbols import (FACE_BOTTOM, FACE_FRAME, FACE_TOP, draw_cancel, draw_confirm,
                          draw_inequality, draw_left_handed_axes, draw_lines, draw_mail,
                          draw_parametric, draw_plain, draw_plane_axes, draw_pocket_calculator,
                          draw_return, draw_right_handed_axes, draw_star, draw_vector, draw_web,
                          draw_x_function, draw_y_function)
from symbols import (AMBER, AXIS_X, AXIS_Y, AXIS_Z, BLUE, GREEN, INK, MUTED, RED, TEAL,
                     TILE_BOTTOM, TILE_TOP, WHITE, draw_axes, draw_calculator, draw_constants,
                     draw_crossed_eye, draw_gauge, draw_graph_picture, draw_info, draw_logo,
                     draw_minus, draw_neutral, draw_pencil, draw_plus, draw_position, draw_power,
                     draw_question, draw_rotation, draw_trash)

# Bitmap 106 is turned into an image list whose transparent colour is this one.
LIST_ICON_MASK = (0, 128, 255)


def visible_half_height(depth):
    """Half the height of what the window's 45-degree perspective shows at this depth."""
    return depth * math.tan(math.radians(22.5))


def visible_half_width(depth):
    # The projection's aspect is the window's 4:3, whatever the widget's viewport.
    return visible_half_height(depth) * 4 / 3


def shown_size(width, height, depth, viewport):
    """Pixels covered by a quad of the given eye-space size at the given depth, drawn by a widget
    whose viewport squeezes the window's perspective into viewport pixels."""
    return (width / (2 * visible_half_width(depth)) * viewport[0],
            height / (2 * visible_half_height(depth)) * viewport[1])


# How large the widgets show their textures; the pictures are drawn in these proportions and then
# stretched to the texture sizes, so that they look undistorted on the screen.
COLUMN_BUTTON = shown_size(0.8, 0.064, 0.8, (50, 500))
COORDS_ICON = shown_size(0.46, 1.24, 1.5, (200, 50))
BOTTOM_ICON = shown_size(0.53, 1.24, 1.5, (150, 50))
PROGRESS_ICON = shown_size(0.28, 1.24, 1.5, (300, 50))
PROGRESS_BAR = shown_size(1.36, 1.2, 1.5, (300, 50))
TITLE_FACE = shown_size(1.5, 1.0, 1.5, (300, 50))
CORNER_BUTTON = shown_size(0.14, 0.8, 1.0, (500, 50))

# The coordinate-system icon's quad runs from x = -0.89 to -0.43 and so starts left of its
# viewport: this share of the picture's width is never seen.
COORDS_HIDDEN_LEFT = (0.89 - visible_half_width(1.5)) / 0.46


# ---- faces -----------------------------------------------------------------------------------

def tile(width, height, accent, symbol, left=0):
    """A square-edged button face: dark gradient, an accent frame, the symbol in the middle."""
    c = Canvas(width, height)
    c.gradient(TILE_TOP, TILE_BOTTOM)
    frame = mix(accent, TILE_BOTTOM, 0.25)
    inset = 1.6
    c.rounded(left + inset, inset, width - inset, height - inset, 8, outline=frame, width=2.2)
    symbol(c.centred_view(left=left), accent)
    return c


def column_button(accent, symbol):
    return tile(*COLUMN_BUTTON, accent, symbol).picture((64, 64))


def bottom_icon(accent, symbol, size=BOTTOM_ICON, hidden_left=0.0):
    width, height = size
    return tile(width, height, accent, symbol, left=width * hidden_left).picture((64, 64))


def progress_icon():
    face = tile(*PROGRESS_ICON, TEAL, draw_gauge).picture((64, 64))
    # The widget frames its bar with the texel at (s, t) = (1, 0); with linear filtering and the
    # default wrap-around that blends the four corner texels, so all four carry the frame colour.
    for corner in ((0, 0), (63, 0), (0, 63), (63, 63)):
        face.putpixel(corner, TEAL)
    return face


def progress_bar():
    width, height = PROGRESS_BAR
    c = Canvas(width, height)
    x_pixels = c.image.size[0]
    for x in range(x_pixels):
        t = x / (x_pixels - 1)
        colour = mix(mix(TEAL, BLUE, min(1, t * 1.6)), (170, 110, 255), max(0, t * 1.6 - 0.6))
        c.draw.line([(x, 0), (x, c.image.size[1])], fill=colour)

    def shine(g):
        # A soft highlight along the upper third, and a darker lower edge.
        rows = g.image.size[1]
        for y in range(rows):
            t = y / (rows - 1)
            light = max(0.0, 1 - abs(t - 0.3) / 0.3) * 70
            dark = max(0.0, t - 0.7) / 0.3 * 90
            g.draw.line([(0, y), (x_pixels, y)], fill=(255, 255, 255, round(light))
                        if light > dark else (0, 0, 0, round(dark)))

    c.overlay(shine)
    return c.picture((256, 16))


def corner_button(colour, symbol):
    width, height = CORNER_BUTTON
    c = Canvas(width, height)
    v = c.centred_view()
    v.overlay(lambda g: g.circle(32, 32, 27, fill=colour + (150,)), blur=2.5)
    v.circle(32, 32, 27, fill=mix(colour, INK, 0.35))
    v.circle(32, 32, 25.5, fill=colour)

    def sheen(g):
        # White over the disc, fading out a third of the way down.
        g.circle(32, 32, 25.5, fill=(255, 255, 255, 255))
        fade = Image.linear_gradient("L").resize(g.image.size).point(lambda p: max(0, 80 - p))
        g.image.putalpha(ImageChops.multiply(g.image.getchannel("A"), fade))

    v.overlay(sheen)
    symbol(v)
    return c.picture((64, 64))


def title_face(headline, line, logo):
    """One face of the turning title box; faces are shown about 272 by 40 pixels."""
    width, height = TITLE_FACE
    c = Canvas(width, height)
    c.gradient((30, 36, 54), (10, 12, 20))
    c.rounded(0, 0, width, 1, 0, fill=BLUE)
    c.rounded(0, height - 1, width, height, 0, fill=mix(BLUE, INK, 0.6))
    x = 8
    if logo:
        draw_logo(c.view(6, 4.5, 31))
        x = 44
    c.text(x, 21, headline, LATIN_BOLD_FONT, 19, WHITE, anchor="lm")
    headline_end = x + c.draw.textlength(headline, font=font(LATIN_BOLD_FONT, 19)) / SUPERSAMPLE
    c.line([(headline_end + 9, 11), (headline_end + 9, 30)], 1.2, mix(MUTED, INK, 0.4), caps=False)
    c.text(headline_end + 18, 21, line, CJK_FONT, 13.5, (190, 208, 236), anchor="lm")
    return c.picture((512, 64))


def graph_paper(c, spacing, centre, axis_ends):
    """Faint squares over the whole canvas, and the three axes from centre in the plot's colours."""

    def paint(g):
        for gx in range(0, c.width + 1, spacing):
            g.line([(gx, 0), (gx, c.height)], 0.6, (255, 255, 255, 14), caps=False)
        for gy in range(0, c.height + 1, spacing):
            g.line([(0, gy), (c.width, gy)], 0.6, (255, 255, 255, 14), caps=False)
        for end, colour in zip(axis_ends, (AXIS_X, AXIS_Y, AXIS_Z)):
            g.line([centre, end], 1, colour + (90,), caps=False)

    c.overlay(paint)


def spiral(c, centre, size):
    """A spiral on a sphere, sampled into 2000 single points the way the program draws its graphs,
    with a glow; the sphere's radius is about size / 2.3."""
    cloud = Canvas(c.width, c.height)
    count = 2000
    for i in range(count):
        u = i / (count - 1)
        latitude = math.pi * (u - 0.5)
        longitude = 14 * math.pi * u
        x = math.cos(latitude) * math.cos(longitude)
        y = math.sin(latitude)
        z = math.cos(latitude) * math.sin(longitude)
        # Tilt towards the viewer, then project.
        y, z = y * 0.94 - z * 0.34, y * 0.34 + z * 0.94
        scale = size / (3.3 - z)
        colour = mix(mix(AXIS_X, AXIS_Y, min(1.0, u * 2)), AXIS_Z, max(0.0, u * 2 - 1))
        front = z > 0
        cloud.circle(centre[0] + scale * x, centre[1] - scale * y, 1.15 if front else 0.8,
                     fill=colour + (255 if front else 110,))
    c.overlay(lambda g: g.image.alpha_composite(cloud.image), blur=2.5)
    c.image.alpha_composite(cloud.image)


def splash():
    """Bitmap 107. Its dialog may show only the left 350 pixels, so everything that matters stays
    there and the rest is background."""
    width, height = 400, 300
    c = Canvas(width, height)
    c.gradient((26, 32, 50), (6, 7, 12))
    centre = (262, 88)
    graph_paper(c, 20, centre, ((350, 88), (262, 4), (196, 154)))
    spiral(c, centre, 165)
    draw_logo(c.view(28, 150, 56))
    c.text(96, 178, "Orvane", LATIN_BOLD_FONT, 40, WHITE, anchor="lm")
    c.text(98, 212, "基于函数的数学工具", CJK_FONT, 16, (190, 208, 236), anchor="lm")
    c.overlay(lambda g: g.rounded(28, 262, 322, 266, 2, fill=(255, 255, 255, 30)))
    c.rounded(28, 262, 170, 266, 2, fill=TEAL)
    c.text(28, 280, "正在启动，请稍候…", CJK_FONT, 11, MUTED, anchor="lm")
    return c.picture((width, height))


def about_picture():
    """Bitmap 118, the about page's 252 by 189 picture: the splash picture's scene, smaller, with
    the name and the version."""
    width, height = 252, 189
    c = Canvas(width, height)
    c.gradient((26, 32, 50), (6, 7, 12))
    centre = (180, 60)
    graph_paper(c, 14, centre, ((240, 60), (180, 4), (138, 102)))
    spiral(c, centre, 100)
    draw_logo(c.view(16, 110, 40))
    c.text(64, 124, "Orvane", LATIN_BOLD_FONT, 29, WHITE, anchor="lm")
    c.text(65, 150, "基于函数的数学工具", CJK_FONT, 12, (190, 208, 236), anchor="lm")
    c.overlay(lambda g: g.rounded(16, 168, 236, 169, 0.5, fill=(255, 255, 255, 30)))
    c.text(16, 179, "版本 1.0", CJK_FONT, 9.5, MUTED, anchor="lm")
    return c.picture((width, height))


def page_button(symbol):
    """A 64-pixel image button of the side-panel pages: a light rounded face, whose corners show
    the black of the page."""
    c = Canvas(64, 64)
    c.gradient(FACE_TOP, FACE_BOTTOM)
    shape = Canvas(64, 64)
    shape.rounded(1.6, 1.6, 62.4, 62.4, 9, fill=(255, 255, 255, 255))
    c.image.putalpha(shape.image.getchannel("A"))
    c.rounded(1.6, 1.6, 62.4, 62.4, 9, outline=FACE_FRAME, width=1.4)
    symbol(c)
    return c.picture((64, 64))


def list_icons():
    """Eight 16-pixel images for the graph list; the first three mark function, parametric
    equation and inequality group rows, the rest stay transparent."""
    strip = Image.new("RGB", (128, 16), LIST_ICON_MASK)
    for index, (letter, colour) in enumerate((("F", (24, 158, 108)), ("E", (136, 78, 214)),
                                              ("I", (232, 118, 28)))):
        c = Canvas(16, 16)
        c.rounded(0.5, 0.5, 15.5, 15.5, 3.5, fill=colour + (255,))
        c.text(8, 8.4, letter, LATIN_BOLD_FONT, 11, (255, 255, 255), anchor="mm")
        # Box averaging, unlike Lanczos, does not ring: the badge keeps its exact colour.
        small = c.image.resize((16, 16), Image.Resampling.BOX)
        # The image list has no partial transparency: the badge's own edge stays hard, so that
        # no pixel is blended with the mask colour.
        opaque = small.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
        solid = Image.new("RGB", (16, 16), colour)
        solid.paste(small.convert("RGB"), mask=small.getchannel("A").point(
            lambda a: 255 if a == 255 else 0))
        strip.paste(solid, (index * 16, 0), mask=opaque)
    return strip


def app_icon(size):
    c = Canvas(64, 64)
    draw_logo(c.view(0, 0, 64), small=size <= 24)
    return c.image.resize((size, size), Image.Resampling.LANCZOS)


SOUND_RATE = 22050


def soft_click(duration, partials, decay, level):
    """A short, soft click: a few decaying sine partials with a gentle onset and a clean end."""
    count = round(SOUND_RATE * duration)
    attack = round(SOUND_RATE * 0.0015)
    samples = []
    for n in range(count):
        t = n / SOUND_RATE
        value = sum(a * math.sin(2 * math.pi * f * t * (1 - 0.15 * t / duration))
                    for f, a in partials)
        envelope = math.exp(-t / decay) * min(1.0, n / attack)
        tail = min(1.0, (count - 1 - n) / (SOUND_RATE * 0.004))
        samples.append(round(32767 * level * value * envelope * tail))
    return samples


def hover_sound():
    # A light, high tick: the pointer passes over buttons often.
    return wav_bytes(soft_click(0.035, [(2400, 0.7), (4100, 0.3)], 0.005, 0.22), SOUND_RATE)


def click_sound():
    # Lower and a little longer than the hover tick, so that a press sounds firmer.
    return wav_bytes(soft_click(0.07, [(900, 0.6), (1750, 0.3), (3300, 0.1)], 0.012, 0.4),
                     SOUND_RATE)


# ---- what is drawn where ---------------------------------------------------------------------

# The control column, top to bottom: graph menu (redraw, save), coordinate system, rotation,
# position, tools, the other menu (about), constants.
CONTROL_SYMBOLS = [draw_graph_picture, draw_axes, draw_rotation, draw_position,
                   draw_calculator, draw_info, draw_constants]

# The list column, top to bottom: add, modify, hide or show, remove, two buttons without an
# action, clear all.
LIST_SYMBOLS = [draw_plus, draw_pencil, draw_crossed_eye, draw_minus,
                draw_neutral, draw_neutral, draw_trash]


# The image buttons of the side-panel pages, by the file name Orvane.rc compiles.
PAGE_BUTTONS = {
    "page_y_function.bmp": draw_y_function,
    "page_parametric.bmp": draw_parametric,
    "page_x_function.bmp": draw_x_function,
    "page_inequality.bmp": draw_inequality,
    "page_return.bmp": draw_return,
    "page_cancel.bmp": draw_cancel,
    "page_confirm.bmp": draw_confirm,
    "page_choose_colour.bmp": draw_star,
    "page_plane_axes.bmp": draw_plane_axes,
    "page_left_handed_axes.bmp": draw_left_handed_axes,
    "page_right_handed_axes.bmp": draw_right_handed_axes,
    # The two tools that are not offered yet keep a plain face each.
    "page_conic_sections.bmp": draw_plain(AMBER),
    "page_calculator.bmp": draw_pocket_calculator,
    "page_statistics.bmp": draw_plain(TEAL),
    "page_vector.bmp": draw_vector,
    "page_lines.bmp": draw_lines,
    "page_mail.bmp": draw_mail,
    "page_web.bmp": draw_web,
}


def images():
    """The widgets' textures by file name, each as a function that draws it."""
    files = {}
    for i, symbol in enumerate(CONTROL_SYMBOLS):
        files[f"control{i + 1}.dat"] = lambda s=symbol: column_button(BLUE, s)
    for i, symbol in enumerate(LIST_SYMBOLS):
        files[f"list{i + 1}.dat"] = lambda s=symbol: column_button(RED, s)
    files.update({
        "coords.dat": lambda: bottom_icon(GREEN, draw_axes, COORDS_ICON, COORDS_HIDDEN_LEFT),
        "observes.dat": lambda: bottom_icon(GREEN, draw_position),
        "rotates.dat": lambda: bottom_icon(GREEN, draw_rotation),
        "progress.dat": progress_icon,
        "progressbar.dat": progress_bar,
        "title.dat": lambda: title_face("Orvane", "基于函数的数学工具", logo=True),
        "name.dat": lambda: title_face("Orvane", "函数 · 参数方程 · 三维图像", logo=False),
        "company.dat": lambda: title_face("Orvane", "数学学习的好帮手", logo=True),
        "author.dat": lambda: title_face("Orvane", "版本 1.0", logo=False),
        "helper.dat": lambda: corner_button((40, 120, 230), draw_question),
        "exit.dat": lambda: corner_button((214, 52, 52), draw_power),
    })
    return files


def outputs(resource_dir, program_dir):
    """Every file this script writes, each with the function that makes its bytes."""
    files = {
        resource_dir / "list_icons.bmp": lambda: bmp_bytes(list_icons(), texture=False),
        resource_dir / "splash.bmp": lambda: bmp_bytes(splash(), texture=False),
        resource_dir / "page_about.bmp": lambda: bmp_bytes(about_picture(), texture=False),
        resource_dir / "Orvane.ico":
            lambda: ico_bytes([app_icon(size) for size in (16, 24, 32, 48, 256)]),
        program_dir / "Sound" / "hover.wav": hover_sound,
        program_dir / "Sound" / "click.wav": click_sound,
    }
    for name, symbol in PAGE_BUTTONS.items():
        files[resource_dir / name] = lambda s=symbol: bmp_bytes(page_button(s), texture=False)
    for name, draw in images().items():
        files[program_dir / "Images" / name] = lambda d=draw: bmp_bytes(d(), texture=True)
    return files


def main(arguments):
    # --list prints the output paths without drawing: the build reads them when it is configured.
    listing = arguments[:1] == ["--list"]
    if listing:
        arguments = arguments[1:]
    if len(arguments) != 2:
        sys.exit(__doc__)
    for path, make in outputs(Path(arguments[0]), Path(arguments[1])).items():
        if listing:
            print(path.as_posix())
            continue
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(make())


if __name__ == "__main__":
    main(sys.argv[1:])
