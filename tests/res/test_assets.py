"""The pictures and sounds drawn by res/draw_assets.py, read the way the program reads them: every
file it asks for exists and is in a layout its loaders take."""
import struct
import subprocess
import sys
import wave
from pathlib import Path

import pytest

SCRIPT = Path(__file__).resolve().parents[2] / "res/draw_assets.py"
# The files as the widgets name them; Windows file names ignore case ("images\" is "Images\").
TEXTURES = ([f"Images\\{kind}{i}.dat" for kind in ("control", "list") for i in range(1, 8)]
            + ["Images\\coords.dat", "Images\\observes.dat", "Images\\rotates.dat", "images\\progress.dat",
               "images\\progressbar.dat", "images\\title.dat", "images\\name.dat", "images\\company.dat",
               "images\\author.dat", "images\\helper.dat", "images\\exit.dat"])
SOUNDS = ["sound\\hover.wav", "Sound\\hover.wav", "Sound\\click.wav"]


@pytest.fixture(scope="module")
def drawn(tmp_path_factory):
    into = tmp_path_factory.mktemp("drawn")
    subprocess.run([sys.executable, "-B", str(SCRIPT), str(into / "res"), str(into / "Orvane")],
                   check=True, timeout=120)
    return into


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


def test_resource_pictures_fill_their_places(drawn):
    assert read_bmp(drawn / "res/splash.bmp")[:2] == (400, 300)
    assert read_bmp(drawn / "res/list_icons.bmp")[:2] == (128, 16)


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
