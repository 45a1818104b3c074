"""Reading values off the plot: ticks and numbers on the axes, the plane system's grid, F9 and the
menu item that hide and show them, and the readout of the curve under a resting pointer. Texts
drawn by OpenGL are found as pixels: the window reader renders the expected text in the plot's
font, and the screenshot must hold exactly that pattern."""
from orvane import control_button, project

RED = (255, 0, 0)
NUMBER_PINK = (255, 178, 178)  # the x axis's numbers: red taken 70 % of the way to white
GRID_GREY = (51, 51, 51)
WHITE = (255, 255, 255)
MAGENTA = (255, 0, 255)
STILL = {"mode": 0, "angles": [0, 0, 0], "speeds": [0, 0, 0], "position": [0, 0, 0],
         "ranges": [-10, 10, -10, 10, -10, 10]}


def like(pixel, colour, tolerance=30):
    return all(abs(p - c) <= tolerance for p, c in zip(pixel, colour))


def pixel_at(shot, point):
    """The pixel that holds a projected point."""
    return shot.getpixel((int(point[0]), int(point[1])))


def find_text(run, shot, text, colour, area):
    """The top-left corner, within area (left, top, right, bottom), where the screenshot shows the
    text in that colour: every pixel of its glyphs in the colour, no other pixel of their box in
    it. None when it is nowhere there."""
    rows = run.probe("text-mask", text)["rows"]
    lit = [(x, y) for y, row in enumerate(rows) for x, c in enumerate(row) if c == "#"]
    width = max(x for x, _ in lit) + 1
    height = max(y for _, y in lit) + 1
    dark = [(x, y) for y in range(height) for x in range(width) if rows[y][x] != "#"]
    pixels = shot.load()
    for top in range(area[1], area[3]):
        for left in range(area[0], area[2]):
            if all(like(pixels[left + x, top + y], colour) for x, y in lit) and \
                    not any(like(pixels[left + x, top + y], colour) for x, y in dark):
                return left, top
    return None


def around(point, before, after):
    """The area of corners from `before` pixels up and left of a point to `after` below and right."""
    return int(point[0]) - before, int(point[1]) - before, int(point[0]) + after, int(point[1]) + after


def scale_shown(run, view):
    """Whether the x axis carries its tick at 4 with the number 4 below and right of it."""
    shot = run.screenshot()
    tick = like(pixel_at(shot, project((4, 0.15, 0), view)), RED)
    number = find_text(run, shot, "4", NUMBER_PINK, around(project((4, 0, 0), view), 0, 8)) is not None
    assert tick == number, (tick, number)
    return tick


def test_ticks_numbers_and_grid_show_until_f9_or_the_menu_hides_them(orvane):
    # A function away from the axes' numbers.
    workspace = {"functions": [{"name": "FA", "text": "7", "lower": -3, "upper": 3, "colour": "#ff00ff"}],
                 "view": STILL}
    run = orvane(workspace).start()
    shot = run.screenshot()
    # -10 to 10 takes a tick every 2: at 4 and -6 across the axis, none at 3; no grid in space.
    for x in (4, -6):
        assert like(pixel_at(shot, project((x, 0.15, 0), STILL)), RED), x
        assert like(pixel_at(shot, project((x, -0.15, 0), STILL)), RED), x
    assert pixel_at(shot, project((3, 0.15, 0), STILL)) == (0, 0, 0)
    assert pixel_at(shot, project((3, 4, 0), STILL)) == (0, 0, 0)
    for x, text in ((4, "4"), (-6, "-6"), (10, "10")):
        assert find_text(run, shot, text, NUMBER_PINK, around(project((x, 0, 0), STILL), 0, 8)), text
    assert not find_text(run, shot, "5", NUMBER_PINK, around(project((5, 0, 0), STILL), 3, 8))

    run.key("F6")  # the plane system: a grid through the ticks of x and y
    plane = dict(STILL, mode=1)
    run.wait_for(lambda shot: like(pixel_at(shot, project((3, 4, 0), plane)), GRID_GREY, 12), "the grid")
    assert pixel_at(run.screenshot(), project((3, 3, 0), plane)) == (0, 0, 0)

    run.key("F9")
    assert not scale_shown(run, plane)
    assert pixel_at(run.screenshot(), project((3, 4, 0), plane)) == (0, 0, 0)
    # The key works as well when the graph list has the keyboard.
    run.click(650, 60)
    run.xkey("F9")
    assert scale_shown(run, plane)
    # The control column's fifth button: the "other" menu, about then the scale.
    run.click(*control_button(5))
    run.wait_for(lambda shot: run.menus(), "the menu")
    run.xkey("Down")
    run.xkey("Down")
    run.xkey("Return")
    assert not scale_shown(run, plane)
    assert run.close() == 0  # the graph list keeps the keyboard, and with it Escape


def test_resting_the_pointer_on_a_curve_reads_its_sample_out(orvane):
    # Samples 0.1 apart, 1.8 pixels on screen: the one under the pointer is the nearest.
    workspace = {"functions": [{"name": "FA", "text": "x/2", "lower": -100, "upper": 100, "colour": "#ff00ff"}],
                 "parametrics": [{"name": "EA", "text": "t&-4&1", "lower": -100, "upper": 100,
                                  "colour": "#00ffff"}],
                 "view": STILL}
    run = orvane(workspace).start()
    pointer = [int(c) for c in project((2, 1, 0), STILL)]
    run.move(*pointer)
    shot = run.screenshot()
    readout = find_text(run, shot, "FA  x=2  y=1", WHITE, around(pointer, -10, 30))
    assert readout, "no readout beside the pointer"
    # A ring of 5 x 5 pixels in FA's colour around the sample, which lies at the pointer.
    sample = project((2, 1, 0), STILL)
    ring = [(dx, dy) for dx in range(-2, 3) for dy in range(-2, 3) if max(abs(dx), abs(dy)) == 2]
    assert all(like(shot.getpixel((int(sample[0]) + dx, int(sample[1]) + dy)), MAGENTA) for dx, dy in ring)
    # A wrong text is not found there.
    assert not find_text(run, shot, "FA  x=2.1  y=1.05", WHITE, around(pointer, -10, 30))

    # The parametric equation's t is added up from its lower bound 0.1 at a time, as sampled.
    t = -100.0
    for _ in range(1040):
        t += 200 * 0.0005
    on_ea = [int(c) for c in project((4, -4, 1), STILL)]
    run.move(*on_ea)
    expected = f"EA  t={t:g}  x=4  y=-4  z=1"
    assert find_text(run, run.screenshot(), expected, WHITE, around(on_ea, -10, 30)), expected

    # Away from every curve, and over the graph list, nothing is read.
    for elsewhere in ([int(c) for c in project((-6, 6, 0), STILL)], [650, 300]):
        run.move(*elsewhere)
        shot = run.screenshot()
        assert not find_text(run, shot, expected, WHITE, around(on_ea, -10, 30)), elsewhere
        assert not like(shot.getpixel((int(sample[0]) + 2, int(sample[1]) + 2)), MAGENTA)
    run.move(*pointer)
    assert find_text(run, run.screenshot(), "FA  x=2  y=1", WHITE, around(pointer, -10, 30))
    run.move(650, 300)
    assert not find_text(run, run.screenshot(), "FA  x=2  y=1", WHITE, around(pointer, -10, 30))
    assert run.quit() == 0
