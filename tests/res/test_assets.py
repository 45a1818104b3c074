"""The pictures and sounds drawn by res/draw_assets.py, read the way the program reads them: every
file it asks for exists and is in a layout its loaders take."""
import struct
import subprocess
import sys
import wave
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
SCRIPT = ROOT / "res/draw_assets.py"

# The textures as the widgets name them. Windows file names ignore case, so "images\" and
# "Images\" are one folder.
TEXTURES = ([f"Images\\control{i}.dat" for i in range(1, 8)]
            + [f"Images\\list{i}.dat" for i in range(1, 8)]
            + ["Images\\coords.dat", "Images\\observes.dat", "Images\\rotates.dat",
               "images\\progress.dat", "images\\progressbar.dat", "images\\title.dat",
               "images\\name.dat", "images\\company.dat", "images\\author.dat",
               "images\\helper.dat", "images\\exit.dat"])
SOUNDS = ["sound\\hover.wav", "Sound\\hover.wav", "Sound\\click.wav"]
LIST_ICON_MASK = (0, 128, 255)


def draw(into):
    subprocess.run([sys.executable, "-B", str(SCRIPT), str(into / "res"), str(into / "Orvane")],
                   check=True, timeout=120)
    return into


@pytest.fixture(scope="module")
def drawn(tmp_path_factory):
    return draw(tmp_path_factory.mktemp("drawn"))


def find(folder, windows_name):
    """The file a Windows program opening windows_name in folder gets: names match without case."""
    path = folder
    for part in windows_name.split("\\"):
        matches = [p for p in path.iterdir() if p.name.lower() == part.lower()]
        assert len(matches) == 1, f"{windows_name}: {part} matches {matches}"
        path = matches[0]
    return path


def read_bmp(path):
    """Width, height and the rows (bottom row first) of a 24-bit BMP with both headers."""
    data = path.read_bytes()
    assert data[:2] == b"BM"
    file_size, _, _, offset = struct.unpack_from("<IHHI", data, 2)
    size, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    assert (file_size, offset, size, planes, bits, compression) == (len(data), 54, 40, 1, 24, 0)
    # Bottom-up rows, and no row padding: the loader copies rows as they are.
    assert width > 0 and height > 0
    assert len(data) == offset + width * height * 3
    rows = [[tuple(data[offset + (y * width + x) * 3 + 2 - c] for c in range(3))
             for x in range(width)] for y in range(height)]
    return width, height, rows


def is_power_of_two(n):
    return n & (n - 1) == 0


@pytest.mark.parametrize("name", TEXTURES)
def test_texture_is_a_bmp_opengl_can_take(drawn, name):
    width, height, rows = read_bmp(find(drawn / "Orvane", name))
    assert is_power_of_two(width) and is_power_of_two(height)
    assert width * 3 % 4 == 0
    # Not blank: a symbol or text that fell outside the picture leaves a plain gradient.
    assert len({pixel for row in rows for pixel in row}) > 200


def test_progress_frame_colour_is_in_all_four_corners(drawn):
    # The bar's frame takes the texel at (s, t) = (1, 0), which linear filtering blends with the
    # other three corners through the wrap-around.
    _, _, rows = read_bmp(find(drawn / "Orvane", "images\\progress.dat"))
    corners = {rows[0][0], rows[0][-1], rows[-1][0], rows[-1][-1]}
    assert len(corners) == 1


def test_list_icons_are_three_hard_edged_badges(drawn):
    width, height, rows = read_bmp(drawn / "res/list_icons.bmp")
    assert (width, height) == (128, 16)
    slots = []
    for slot in range(8):
        pixels = [rows[y][slot * 16:slot * 16 + 16] for y in range(16)]
        slots.append(pixels)
        visible = [p for row in pixels for p in row if p != LIST_ICON_MASK]
        assert bool(visible) == (slot < 3), slot
    for slot in range(3):
        pixels = slots[slot]
        fill = max(set(p for row in pixels for p in row if p != LIST_ICON_MASK),
                   key=lambda c: sum(row.count(c) for row in pixels))
        # The image list has no partial transparency: an edge pixel blended with the mask
        # colour would show as a blue fringe.
        for y in range(16):
            for x in range(16):
                neighbours = [pixels[ny][nx]
                              for ny, nx in ((y - 1, x), (y + 1, x), (y, x - 1), (y, x + 1))
                              if 0 <= ny < 16 and 0 <= nx < 16]
                if pixels[y][x] != LIST_ICON_MASK and LIST_ICON_MASK in neighbours:
                    assert pixels[y][x] == fill, (slot, x, y)
    assert slots[0] != slots[1] != slots[2] != slots[0]


def test_splash_fills_the_dialog(drawn):
    width, height, _ = read_bmp(drawn / "res/splash.bmp")
    assert (width, height) == (400, 300)


def test_icon_holds_the_shell_sizes(drawn):
    data = (drawn / "res/Orvane.ico").read_bytes()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind) == (0, 1)
    sizes = []
    for i in range(count):
        w, h, colours, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data,
                                                                           6 + 16 * i)
        size = w or 256
        sizes.append(size)
        assert (h or 256, planes, bits) == (size, 1, 32)
        image = data[offset:offset + length]
        assert len(image) == length
        if size == 256:
            assert image[:8] == b"\x89PNG\r\n\x1a\n"
            continue
        header_size, dib_w, dib_h, _, dib_bits = struct.unpack_from("<IiiHH", image, 0)
        # A DIB icon holds the colour rows and then the 1-bit AND mask: twice the height.
        assert (header_size, dib_w, dib_h, dib_bits) == (40, size, 2 * size, 32)
        assert length == 40 + size * size * 4 + (size + 31) // 32 * 4 * size
    assert {16, 32, 48, 256} <= set(sizes)


@pytest.mark.parametrize("name", SOUNDS)
def test_sound_is_a_short_soft_click(drawn, name):
    with wave.open(str(find(drawn / "Orvane", name))) as w:
        assert (w.getnchannels(), w.getsampwidth(), w.getcomptype()) == (1, 2, "NONE")
        frames = w.getnframes()
        assert frames / w.getframerate() < 0.1
        samples = struct.unpack(f"<{frames}h", w.readframes(frames))
    peak = max(abs(s) for s in samples)
    assert 0.05 * 32767 < peak < 0.6 * 32767
    # Starting and ending at silence, so the sound itself makes no pop.
    assert abs(samples[0]) < 200 and abs(samples[-1]) < 200


def test_listing_names_exactly_the_files_written(drawn):
    # The build takes its list of outputs from --list; a file missing there is never rebuilt.
    listed = subprocess.run([sys.executable, "-B", str(SCRIPT), "--list", str(drawn / "res"),
                             str(drawn / "Orvane")], check=True, capture_output=True, text=True,
                            timeout=60).stdout.split()
    written = [p for p in drawn.rglob("*") if p.is_file()]
    assert sorted(Path(p) for p in listed) == sorted(written)


def test_drawing_twice_gives_the_same_bytes(drawn, tmp_path):
    again = draw(tmp_path)
    first = {p.relative_to(drawn): p.read_bytes() for p in drawn.rglob("*") if p.is_file()}
    second = {p.relative_to(again): p.read_bytes() for p in again.rglob("*") if p.is_file()}
    assert first == second
