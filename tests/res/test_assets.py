"""The pictures and sounds drawn by res/draw_assets.py, read the way the program reads them: every
file it asks for exists and is in a layout its loaders take."""
import re
import struct
import subprocess
import sys
import wave
from pathlib import Path

import pytest

SCRIPT = Path(__file__).resolve().parents[2] / "res/draw_assets.py"
# The pictures the resource script compiles, by file name, and the sizes their places show; every
# other picture it compiles is a 64 by 64 image button of a side-panel page.
COMPILED = re.findall(r'^\w+\s+BITMAP\s+"([^"]+)"',
                      (SCRIPT.parent / "Orvane.rc").read_text("utf-8"), re.M)
SIZES = {"splash.bmp": (400, 300), "list_icons.bmp": (128, 16), "page_about.bmp": (252, 189)}
BUTTONS = [name for name in COMPILED if name not in SIZES]
# The files as the widgets name them; Windows file names ignore case ("images\" is "Images\").
TEXTURES = ([f"Images\\{kind}{i}.dat" for kind in ("control", "list") for i in range(1, 8)]
            + ["Images\\coords.dat", "Images\\observes.dat", "Images\\rotates.dat", "images\\progress.dat",
               "images\\progressbar.dat", "images\\title.dat", "images\\name.dat", "images\\company.dat",
               "images\\author.dat", "images\\helper.dat", "images\\exit.dat"])
SOUNDS = ["sound\\hover.wav", "Sound\\hover.wav", "Sound\\click.wav"]


def draw(into):
    subprocess.run([sys.executable, "-B", str(SCRIPT), str(into / "res"), str(into / "Orvane")],
                   check=True, timeout=120)
    return into


@pytest.fixture(scope="module")
def drawn(tmp_path_factory):
    return draw(tmp_path_factory.mktemp("drawn"))


def find(folder, windows_name):
    """The file a Windows program opening windows_name in folder gets: names match without case."""
    for part in windows_name.split("\\"):
        matches = [p for p in folder.iterdir() if p.name.lower() == part.lower()]
        assert len(matches) == 1, f"{windows_name}: {part} matches {matches}"
        folder = matches[0]
    return folder


def read_bmp(path):
    """Width, height and pixel bytes of a 24-bit bottom-up BMP with both headers and no row padding:
    the loader copies rows as they are."""
    data = path.read_bytes()
    magic, file_size, _, offset, size, width, height, planes, bits, compression = struct.unpack_from(
        "<2sIIIIiiHHI", data)
    assert (magic, file_size, offset, size, planes, bits, compression) == (b"BM", len(data), 54, 40, 1, 24, 0)
    assert width > 0 and height > 0 and len(data) == 54 + width * height * 3
    return width, height, data[54:]


@pytest.mark.parametrize("name", TEXTURES)
def test_texture_is_a_bmp_opengl_can_take(drawn, name):
    width, height, pixels = read_bmp(find(drawn / "Orvane", name))
    assert width & (width - 1) == 0 and height & (height - 1) == 0 and width * 3 % 4 == 0
    # Not blank: a symbol or text that fell outside the picture leaves a plain gradient.
    assert len({pixels[i:i + 3] for i in range(0, len(pixels), 3)}) > 200


@pytest.mark.parametrize("name", COMPILED)
def test_compiled_picture_fills_its_place(drawn, name):
    assert read_bmp(drawn / "res" / name)[:2] == SIZES.get(name, (64, 64))


def test_every_image_button_shows_its_own_picture(drawn):
    # Two buttons alike mean a picture drawn for the wrong name, or two hidden tools that cannot be
    # told apart.
    pictures = {read_bmp(drawn / "res" / name)[2]: name for name in BUTTONS}
    assert len(BUTTONS) > 10 and len(pictures) == len(BUTTONS)


def test_every_file_is_drawn_the_same_again(drawn, tmp_path):
    # The build compares nothing, but a picture that changes from build to build (a set's order,
    # a font found elsewhere) makes every build a different program.
    again = draw(tmp_path)
    files = sorted(p.relative_to(drawn) for p in drawn.rglob("*") if p.is_file())
    assert files == sorted(p.relative_to(again) for p in again.rglob("*") if p.is_file())
    for path in files:
        assert (drawn / path).read_bytes() == (again / path).read_bytes(), path


@pytest.mark.parametrize("name", SOUNDS)
def test_sound_is_a_short_click(drawn, name):
    with wave.open(str(find(drawn / "Orvane", name))) as w:
        assert (w.getnchannels(), w.getsampwidth(), w.getcomptype()) == (1, 2, "NONE")
        assert w.getnframes() / w.getframerate() < 0.1
        samples = struct.unpack(f"<{w.getnframes()}h", w.readframes(w.getnframes()))
    # Starting and ending at silence, so the sound itself makes no pop.
    assert abs(samples[0]) < 200 and abs(samples[-1]) < 200


def test_listing_names_exactly_the_files_written(drawn):
    # The build takes its list of outputs from --list; a file missing there is never rebuilt.
    listed = subprocess.run([sys.executable, "-B", str(SCRIPT), "--list", str(drawn / "res"),
                             str(drawn / "Orvane")], check=True, capture_output=True, text=True,
                            timeout=60).stdout.split()
    assert sorted(map(Path, listed)) == sorted(p for p in drawn.rglob("*") if p.is_file())
