"""The file layouts the program reads: BMP pictures, the icon, WAV sounds."""
import struct
import wave
from io import BytesIO

from PIL import Image


def bmp_bytes(image, texture):
    """A 24-bit, bottom-up BMP with the 14-byte file header and the 40-byte info header."""
    width, height = image.size
    # The image loader copies rows without padding and OpenGL unpacks them with an alignment of
    # 4, so rows must need no padding; OpenGL 1.1 takes only power-of-two textures.
    assert width * 3 % 4 == 0, (width, height)
    if texture:
        assert width & (width - 1) == 0 and height & (height - 1) == 0, (width, height)
    pixels = image.convert("RGB").transpose(Image.Transpose.FLIP_TOP_BOTTOM).tobytes("raw", "BGR")
    assert len(pixels) == width * height * 3
    offset = 14 + 40
    return (struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
            + struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
            + pixels)


def ico_bytes(images):
    """An icon file: classic 32-bit DIB entries for the small sizes, PNG for 256 pixels."""
    entries = []
    for image in images:
        size = image.size[0]
        if size == 256:
            data = BytesIO()
            image.save(data, "PNG", optimize=False)
            entries.append((size, data.getvalue()))
            continue
        bgra = image.transpose(Image.Transpose.FLIP_TOP_BOTTOM).tobytes("raw", "BGRA")
        mask_row = (size + 31) // 32 * 4
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                             len(bgra) + mask_row * size, 0, 0, 0, 0)
        # The AND mask is all zeros: the alpha channel carries the transparency.
        entries.append((size, header + bgra + bytes(mask_row * size)))
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, data in entries:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in entries)


def wav_bytes(samples, rate):
    """Mono, 16-bit PCM."""
    data = BytesIO()
    with wave.open(data, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(struct.pack(f"<{len(samples)}h", *samples))
    return data.getvalue()
