"""The symbols of the button faces, each drawn into a 64-unit square view of a Canvas, and the
colours of the dark theme they share with the faces."""
import math

from canvas import LATIN_BOLD_FONT, mix

# Colours of the dark theme. The plot draws its axes red, green and blue; the pictures that show
# axes use the same colours.
WHITE = (238, 242, 250)
MUTED = (150, 162, 184)
INK = (14, 16, 22)
TILE_TOP = (52, 58, 74)
TILE_BOTTOM = (22, 25, 33)
BLUE = (66, 150, 255)
RED = (255, 88, 80)
GREEN = (70, 214, 140)
TEAL = (40, 200, 222)
AMBER = (255, 176, 60)
AXIS_X = (255, 84, 84)
AXIS_Y = (84, 224, 110)
AXIS_Z = (80, 150, 255)


def draw_axes(c, accent):
    """Three axes in the colours the plot gives them, x to the right, y up, z to the viewer."""
    origin = (25, 40)
    for tip, colour in (((54, 40), AXIS_X), ((25, 10), AXIS_Y), ((10, 55), AXIS_Z)):
        # The shaft stops where the arrow head begins, so the head keeps its sharp point.
        shaft_end = (origin[0] + (tip[0] - origin[0]) * 0.78,
                     origin[1] + (tip[1] - origin[1]) * 0.78)
        c.line([origin, shaft_end], 4.2, colour)
        c.arrow_head(tip, origin, 10, 6, colour)
    c.circle(*origin, 4, fill=WHITE)
    c.circle(*origin, 2.2, fill=accent)


def draw_rotation(c, accent):
    c.line([(32, 8), (32, 56)], 3, MUTED)
    c.arc(32, 33, 23, 10, 200, 500, 4.5, accent)
    end = math.radians(500)
    tip = (32 + 23 * math.cos(end), 33 + 10 * math.sin(end))
    before = (32 + 23 * math.cos(end - 0.35), 33 + 10 * math.sin(end - 0.35))
    c.arrow_head((tip[0] + (tip[0] - before[0]) * 0.9, tip[1] + (tip[1] - before[1]) * 0.9),
                 before, 11, 7, accent)
    c.circle(32, 19, 5, fill=WHITE)


def draw_position(c, accent):
    centre = 32
    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        tip = (centre + dx * 26, centre + dy * 26)
        c.line([(centre + dx * 9, centre + dy * 9), (centre + dx * 17, centre + dy * 17)], 4.5,
               WHITE)
        c.arrow_head(tip, (centre, centre), 11, 8, WHITE)
    c.circle(centre, centre, 6, fill=accent)


def draw_graph_picture(c, accent):
    """A framed curve: the picture that the graph menu redraws and saves."""
    c.rounded(9, 12, 55, 52, 6, outline=WHITE, width=3.2)
    c.line([(14, 41), (50, 41)], 2, MUTED)
    wave_points = [(14 + t * 36 / 40, 32 - 11 * math.sin(t / 40 * 2 * math.pi))
                   for t in range(41)]
    c.line(wave_points, 4.5, accent)
    c.circle(50, 21, 3.4, fill=WHITE)


def draw_calculator(c, accent):
    c.rounded(15, 8, 49, 56, 6, fill=(34, 38, 48), outline=WHITE, width=3)
    c.rounded(20, 13, 44, 23, 2.5, fill=accent)
    for row in range(3):
        for col in range(3):
            x, y = 23 + col * 9, 31 + row * 8.5
            colour = AMBER if (row, col) == (2, 2) else WHITE
            c.rounded(x - 3, y - 2.6, x + 3, y + 2.6, 1.4, fill=colour)


def draw_info(c, accent):
    c.circle(32, 32, 22, outline=accent, width=4)
    c.circle(32, 20.5, 3.6, fill=WHITE)
    c.line([(32, 29), (32, 44)], 6.5, WHITE)


def draw_constants(c, accent):
    c.text(36, 35, "π", LATIN_BOLD_FONT, 40, WHITE)
    c.text(17, 20, "$", LATIN_BOLD_FONT, 20, accent)


def draw_plus(c, accent):
    c.circle(32, 32, 22, outline=accent, width=4)
    c.line([(32, 21), (32, 43)], 6, WHITE)
    c.line([(21, 32), (43, 32)], 6, WHITE)


def draw_minus(c, accent):
    c.circle(32, 32, 22, outline=accent, width=4)
    c.line([(21, 32), (43, 32)], 6, WHITE)


def draw_pencil(c, accent):
    # A pencil lying from the lower left to the upper right, drawn along its own axis.
    ax, ay = math.cos(math.radians(-45)), math.sin(math.radians(-45))
    nx, ny = -ay, ax

    def at(u, v):
        return (14 + ax * u + nx * v, 50 + ay * u + ny * v)

    c.polygon([at(10, -6), at(36, -6), at(36, 6), at(10, 6)], WHITE)
    c.polygon([at(36, -6), at(44, -6), at(44, 6), at(36, 6)], accent)
    c.polygon([at(10, -6), at(10, 6), at(0, 0)], (240, 206, 150))
    c.polygon([at(4, -2.4), at(4, 2.4), at(0, 0)], INK)
    c.line([(10, 55), (30, 55)], 2.6, MUTED)


def draw_crossed_eye(c, accent):
    upper = [(8 + t * 48 / 30, 32 - 15 * math.sin(t / 30 * math.pi)) for t in range(31)]
    lower = [(8 + t * 48 / 30, 32 + 15 * math.sin(t / 30 * math.pi)) for t in range(31)]
    c.line(upper, 3.6, WHITE)
    c.line(lower, 3.6, WHITE)
    c.circle(32, 32, 8.5, fill=accent)
    c.circle(32, 32, 3.6, fill=INK)
    c.line([(14, 50), (50, 14)], 7.5, TILE_BOTTOM)
    c.line([(14, 50), (50, 14)], 3.8, WHITE)


def draw_trash(c, accent):
    c.line([(14, 18), (50, 18)], 4, WHITE)
    c.rounded(26, 11, 38, 18, 2, outline=WHITE, width=3)
    c.polygon([(18, 22), (46, 22), (43, 54), (21, 54)], WHITE)
    for x in (26.5, 32, 37.5):
        c.line([(x, 28), (x, 48)], 2.6, accent)


def draw_neutral(c, accent):
    """An empty slot: the button has no action, and its face does not pretend to one."""
    c.circle(32, 32, 6, outline=mix(MUTED, TILE_BOTTOM, 0.5), width=2.4)


def draw_gauge(c, accent):
    c.arc(32, 36, 22, 22, 150, 390, 4.5, MUTED)
    c.arc(32, 36, 22, 22, 150, 300, 4.5, accent)
    for i in range(5):
        a = math.radians(150 + 60 * i)
        c.line([(32 + 14 * math.cos(a), 36 + 14 * math.sin(a)),
                (32 + 16.5 * math.cos(a), 36 + 16.5 * math.sin(a))], 2, WHITE)
    a = math.radians(300)
    c.line([(32, 36), (32 + 17 * math.cos(a), 36 + 17 * math.sin(a))], 3.6, WHITE)
    c.circle(32, 36, 4.2, fill=WHITE)


def draw_question(c):
    c.text(32, 33, "?", LATIN_BOLD_FONT, 36, WHITE)


def draw_power(c):
    c.arc(32, 33, 15, 15, -55, 235, 5, WHITE)
    c.line([(32, 12), (32, 32)], 5.5, WHITE)


def draw_logo(c, small=False):
    """The program's mark: two axes and a coloured curve on a dark rounded square. The small
    form, for icons of 24 pixels and less, leaves out the axes and thickens the curve."""
    c.rounded(2, 2, 62, 62, 14, fill=(30, 36, 52))
    c.rounded(2, 2, 62, 62, 14, outline=mix(BLUE, (30, 36, 52), 0.35), width=4 if small else 2.5)
    points = [(10 + t * 46 / 60, 34 - 16 * math.sin(t / 60 * 2.2 * math.pi) * (1 - t / 130))
              for t in range(61)]
    if not small:
        c.line([(12, 44), (54, 44)], 3, MUTED)
        c.line([(20, 54), (20, 10)], 3, MUTED)
        c.overlay(lambda g: g.line(points, 6, BLUE + (200,)), blur=3)
    for i in range(len(points) - 1):
        colour = mix(TEAL, (190, 110, 255), i / (len(points) - 2))
        c.line(points[i:i + 2], 9 if small else 5, colour)

