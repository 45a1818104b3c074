"""The symbols of the side-panel pages' image buttons. The pages are black, so these buttons have
a light face: the symbols are drawn in dark ink and deepened accents, each into a 64-unit square
view of a Canvas, like the symbols of the dark faces."""
import math

from canvas import CJK_FONT, LATIN_BOLD_FONT, SUPERSAMPLE, font, mix
from symbols import AMBER, AXIS_X, AXIS_Y, AXIS_Z, BLUE, GREEN, INK, RED, TEAL, WHITE

# The light face: a pale gradient, a grey-blue frame, dark ink.
FACE_TOP = (252, 253, 255)
FACE_BOTTOM = (204, 214, 232)
FACE_FRAME = (146, 160, 190)
FACE_INK = (26, 32, 48)
FACE_MUTED = (128, 140, 166)
# The accents of the dark theme lose their contrast on white; these keep their hue.
DEEP_BLUE = mix(BLUE, INK, 0.3)
DEEP_RED = mix(RED, INK, 0.15)
DEEP_GREEN = mix(GREEN, INK, 0.35)
VIOLET = (150, 90, 230)


# ---- writing -----------------------------------------------------------------------------------

def text_width(c, text, size):
    """The width of text in the view's design units."""
    return c.draw.textlength(text, font=font(LATIN_BOLD_FONT, size * c.unit)) / (
        SUPERSAMPLE * c.unit)


def formula(c, x, baseline, parts, size, colour, align="middle"):
    """Writes a formula whose parts starting with "^" are exponents, set smaller and raised.
    x is its middle (or its left end with align="left")."""
    runs = [(p[1:], size * 0.62, -size * 0.42) if p.startswith("^") else (p, size, 0)
            for p in parts]
    width = sum(text_width(c, text, s) for text, s, _ in runs)
    x -= width / 2 if align == "middle" else 0
    for text, s, rise in runs:
        c.text(x, baseline + rise, text, LATIN_BOLD_FONT, s, colour, anchor="ls")
        x += text_width(c, text, s)


def brace(c, x, top, bottom, colour, width=2.6, r=3.6):
    """A left curly brace whose point is at x - r, half-way down."""

    def quarter(cx, cy, start, end):
        return [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a)))
                for a in (start + (end - start) * i / 6 for i in range(7))]

    middle = (top + bottom) / 2
    c.line(quarter(x + r, top + r, -90, -180) + quarter(x - r, middle - r, 0, 90)
           + quarter(x - r, middle + r, -90, 0) + quarter(x + r, bottom - r, 180, 90),
           width, colour)


def arrow(c, tail, tip, width, colour, head=(9, 5.5)):
    # The shaft stops inside the head, so the head keeps its sharp point.
    d = math.dist(tail, tip)
    stop = (d - head[0] * 0.7) / d
    c.line([tail, (tail[0] + (tip[0] - tail[0]) * stop, tail[1] + (tip[1] - tail[1]) * stop)],
           width, colour)
    c.arrow_head(tip, tail, head[0], head[1], colour)


# ---- the functions' pages ----------------------------------------------------------------------

def draw_y_function(c):
    """Y=x²+x under its parabola."""
    c.line([(8, 30), (56, 30)], 1.6, FACE_MUTED)
    c.line([(32, 6), (32, 36)], 1.6, FACE_MUTED)
    # x from -1.75 to 0.75, 14 design units to one; y 11 to one.
    xs = [-1.75 + i * 2.5 / 40 for i in range(41)]
    c.line([(32 + 14 * x, 30 - 11 * (x * x + x)) for x in xs], 3.2, DEEP_BLUE)
    formula(c, 32, 53, ["Y=x", "^2", "+x"], 13, FACE_INK)


def draw_x_function(c):
    """x=y² beside its parabola, which opens to the right."""
    c.line([(8, 22), (56, 22)], 1.6, FACE_MUTED)
    c.line([(18, 4), (18, 40)], 1.6, FACE_MUTED)
    c.line([(18 + 9 * y * y, 22 - 9 * y) for y in (-1.6 + i * 3.2 / 40 for i in range(41))],
           3.2, DEEP_BLUE)
    formula(c, 32, 56, ["x=y", "^2"], 17, FACE_INK)


def draw_parametric(c):
    brace(c, 15, 12, 52, DEEP_BLUE)
    formula(c, 19, 28, ["x=t"], 15, FACE_INK, align="left")
    formula(c, 19, 48, ["y=2t"], 15, FACE_INK, align="left")


def draw_inequality(c):
    brace(c, 11, 7, 57, DEEP_BLUE)
    for row, text in enumerate(("x+y<4", "x>0", "y≥x")):
        formula(c, 15, 21 + row * 15.5, [text], 11, FACE_INK, align="left")


# ---- the pages' own buttons --------------------------------------------------------------------

def draw_return(c):
    """An open door, and the word under it."""
    c.rounded(24, 8, 50, 41, 1.5, fill=(44, 52, 74))
    # Light falls in from outside onto the floor of the doorway.
    c.polygon([(25, 40), (49, 40), (44, 31), (29, 31)], (74, 86, 116))
    c.line([(24, 41), (24, 8), (50, 8), (50, 41)], 2.4, FACE_INK)
    # The leaf swung towards the viewer on hinges at the left post.
    leaf = [(24, 8), (14, 5), (14, 45), (24, 41)]
    c.polygon(leaf, mix(AMBER, INK, 0.25))
    c.line(leaf + [leaf[0]], 2, FACE_INK)
    c.circle(17.5, 26, 1.8, fill=FACE_INK)
    c.text(32, 53.5, "返回", CJK_FONT, 13.5, FACE_INK)


def hanging_sign(c, mark):
    c.line([(17, 26), (32, 9), (47, 26)], 1.8, FACE_MUTED)
    c.circle(32, 8, 3, fill=FACE_INK)
    c.rounded(9, 24, 55, 58, 5, fill=WHITE, outline=FACE_INK, width=2.4)
    mark(c)


def draw_cancel(c):
    def cross(c):
        c.line([(23, 32), (41, 50)], 5.5, DEEP_RED)
        c.line([(41, 32), (23, 50)], 5.5, DEEP_RED)

    hanging_sign(c, cross)


def draw_confirm(c):
    hanging_sign(c, lambda c: c.line([(21, 41), (29, 49), (44, 32)], 5.5, DEEP_GREEN))


# ---- the new-graph and tools pages -------------------------------------------------------------

def draw_star(c):
    """A five-pointed star, each point in its own colour, lit from the upper left."""
    colours = [RED, AMBER, GREEN, TEAL, VIOLET]
    centre = (32, 34)

    def at(radius, angle):
        return (centre[0] + radius * math.cos(math.radians(angle)),
                centre[1] + radius * math.sin(math.radians(angle)))

    for k, colour in enumerate(colours):
        angle = -90 + 72 * k
        point = at(27, angle)
        c.polygon([centre, at(11, angle - 36), point], mix(colour, WHITE, 0.15))
        c.polygon([centre, point, at(11, angle + 36)], mix(colour, INK, 0.2))
    outline = [at(27 if i % 2 == 0 else 11, -90 + 36 * i) for i in range(11)]
    c.line(outline, 1.6, FACE_INK)


def axis_label(c, x, y, letter):
    c.text(x, y, letter, LATIN_BOLD_FONT, 11, FACE_INK)


def draw_plane_axes(c):
    origin = (24, 40)
    arrow(c, (7, 40), (57, 40), 3.6, AXIS_X)
    arrow(c, (24, 57), (24, 7), 3.6, AXIS_Y)
    c.circle(*origin, 2.6, fill=FACE_INK)
    axis_label(c, 53, 50, "x")
    axis_label(c, 33, 10, "y")


def space_axes(c, origin, z_tip, z_label):
    """x to the right, y up and z along the diagonal through z_tip, all from origin."""
    arrow(c, origin, (57, origin[1]), 3.6, AXIS_X)
    arrow(c, origin, (origin[0], 7), 3.6, AXIS_Y)
    arrow(c, origin, z_tip, 3.6, AXIS_Z)
    c.circle(*origin, 2.6, fill=FACE_INK)
    axis_label(c, 52, origin[1] + 9, "x")
    axis_label(c, origin[0] - 8, 10, "y")
    axis_label(c, *z_label, "z")


def draw_left_handed_axes(c):
    space_axes(c, (17, 44), (46, 16), (54, 15))


def draw_right_handed_axes(c):
    space_axes(c, (31, 32), (9, 54), (20, 56))


def draw_pocket_calculator(c):
    c.rounded(14, 6, 50, 58, 6, fill=(40, 46, 62), outline=FACE_INK, width=2)
    c.rounded(19, 11, 45, 22, 2.5, fill=(200, 232, 214))
    c.text(43, 17, "3.14", LATIN_BOLD_FONT, 7.5, FACE_INK, anchor="rm")
    for row in range(4):
        for col in range(3):
            x, y = 22 + col * 10, 29 + row * 7.8
            colour = AMBER if (row, col) == (3, 2) else WHITE
            c.rounded(x - 3.6, y - 2.6, x + 3.6, y + 2.6, 1.4, fill=colour)


def draw_vector(c):
    c.line([(10, 54), (54, 54)], 1.4, FACE_MUTED)
    c.line([(10, 54), (10, 10)], 1.4, FACE_MUTED)
    arrow(c, (16, 48), (54, 14), 4.4, DEEP_BLUE, head=(12, 7))
    c.circle(16, 48, 3.4, fill=FACE_INK)
    # The name of the vector, a with an arrow over it.
    c.text(26, 26, "a", LATIN_BOLD_FONT, 15, FACE_INK)
    arrow(c, (21, 15), (32, 15), 1.6, FACE_INK, head=(4, 2.6))


def draw_lines(c):
    c.line([(6, 47), (58, 21)], 4, DEEP_BLUE)
    c.line([(8, 12), (56, 56)], 4, DEEP_RED)
    # They cross where 47 - x/2 = 3 + 11x/12, at x = 31.06.
    c.circle(31.06, 31.47, 4, fill=FACE_INK)
    c.circle(31.06, 31.47, 1.8, fill=WHITE)


def draw_plain(colour):
    """A plain coloured face, for the tools that are not shown."""
    return lambda c: c.rounded(1.6, 1.6, 62.4, 62.4, 9, fill=colour)


# ---- the about page ----------------------------------------------------------------------------

def draw_mail(c):
    """An at sign over a letter."""
    c.rounded(7, 28, 57, 58, 3, fill=WHITE, outline=FACE_INK, width=2.2)
    c.line([(8.5, 30), (32, 46), (55.5, 30)], 2.2, FACE_INK)
    c.line([(8.5, 56.5), (25, 42)], 1.6, FACE_MUTED)
    c.line([(55.5, 56.5), (39, 42)], 1.6, FACE_MUTED)
    c.circle(32, 21, 15, fill=FACE_TOP, outline=DEEP_BLUE, width=2)
    c.text(32, 22, "@", LATIN_BOLD_FONT, 21, DEEP_BLUE)


def draw_web(c):
    """A globe with its meridians and parallels, "www" across it."""
    sea = mix(BLUE, WHITE, 0.55)
    c.circle(32, 32, 26, fill=sea, outline=DEEP_BLUE, width=2.4)
    for rx in (10, 19):
        c.arc(32, 32, rx, 25, 0, 360, 1.6, DEEP_BLUE)
    c.line([(32, 7), (32, 57)], 1.6, DEEP_BLUE)
    for y, half in ((17, 19.5), (47, 19.5)):
        c.line([(32 - half, y), (32 + half, y)], 1.6, DEEP_BLUE)
    c.rounded(3, 24, 61, 40, 4, fill=DEEP_BLUE)
    c.text(32, 32.5, "www", LATIN_BOLD_FONT, 13.5, WHITE)
