"""Supersampled drawing in design units, shared by every picture of draw_assets.py."""
import math

from PIL import Image, ImageDraw, ImageFilter, ImageFont

CJK_FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
LATIN_BOLD_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# Everything is drawn this many times larger than it is shown and then scaled down, which
# anti-aliases every edge.
SUPERSAMPLE = 4


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def font(path, size):
    return ImageFont.truetype(path, round(size * SUPERSAMPLE))


class Canvas:
    """An RGBA picture in design units, stored SUPERSAMPLE times larger. A view maps a 64-unit
    square onto part of the canvas, so that one symbol drawing serves every picture size."""

    def __init__(self, width, height, image=None, origin=(0, 0), unit=1):
        self.width, self.height = width, height
        self.image = image or Image.new(
            "RGBA", (round(width * SUPERSAMPLE), round(height * SUPERSAMPLE)))
        self.draw = ImageDraw.Draw(self.image)
        self.origin, self.unit = origin, unit

    def view(self, x, y, size):
        return Canvas(self.width, self.height, image=self.image,
                      origin=(self.origin[0] + x * self.unit, self.origin[1] + y * self.unit),
                      unit=self.unit * size / 64)

    def centred_view(self, left=0):
        """The largest square view in the middle of the canvas right of left."""
        size = min(self.width - left, self.height)
        return self.view(left + (self.width - left - size) / 2, (self.height - size) / 2, size)

    def px(self, x, y):
        return ((self.origin[0] + x * self.unit) * SUPERSAMPLE,
                (self.origin[1] + y * self.unit) * SUPERSAMPLE)

    def scale(self, length):
        return length * self.unit * SUPERSAMPLE

    def box(self, x0, y0, x1, y1):
        return [*self.px(x0, y0), *self.px(x1, y1)]

    def line(self, points, width, colour, caps=True):
        w = max(1, round(self.scale(width)))
        pixels = [self.px(x, y) for x, y in points]
        self.draw.line(pixels, fill=colour, width=w, joint="curve")
        if caps:
            for x, y in (pixels[0], pixels[-1]):
                self.draw.ellipse([x - w / 2, y - w / 2, x + w / 2, y + w / 2], fill=colour)

    def polygon(self, points, colour):
        self.draw.polygon([self.px(x, y) for x, y in points], fill=colour)

    def circle(self, x, y, r, fill=None, outline=None, width=0):
        self.draw.ellipse(self.box(x - r, y - r, x + r, y + r), fill=fill, outline=outline,
                          width=round(self.scale(width)))

    def arc(self, x, y, rx, ry, start, end, width, colour):
        """An elliptic arc with round caps; angles in degrees, clockwise from 3 o'clock."""
        steps = max(8, int(abs(end - start) / 3))
        points = [(x + rx * math.cos(math.radians(a)), y + ry * math.sin(math.radians(a)))
                  for a in (start + (end - start) * i / steps for i in range(steps + 1))]
        self.line(points, width, colour)

    def rounded(self, x0, y0, x1, y1, radius, fill=None, outline=None, width=0):
        self.draw.rounded_rectangle(self.box(x0, y0, x1, y1), radius=self.scale(radius),
                                    fill=fill, outline=outline, width=round(self.scale(width)))

    def arrow_head(self, tip, towards, length, half_width, colour):
        """A filled triangle at tip, pointing away from the point towards."""
        dx, dy = tip[0] - towards[0], tip[1] - towards[1]
        d = math.hypot(dx, dy)
        ux, uy = dx / d, dy / d
        bx, by = tip[0] - ux * length, tip[1] - uy * length
        self.polygon([tip, (bx - uy * half_width, by + ux * half_width),
                      (bx + uy * half_width, by - ux * half_width)], colour)

    def text(self, x, y, text, font_path, size, colour, anchor="mm"):
        self.draw.text(self.px(x, y), text, font=font(font_path, size * self.unit), fill=colour,
                       anchor=anchor)

    def gradient(self, top, bottom):
        """Fills the whole canvas with a vertical gradient."""
        width, height = self.image.size
        for y in range(height):
            self.draw.line([(0, y), (width - 1, y)], fill=mix(top, bottom, y / (height - 1)))

    def overlay(self, painter, blur=0):
        """Runs painter on a transparent layer and lays the layer over the picture, blurred by
        blur design units for a glow. Translucent colours need it: drawing straight onto the
        picture replaces its pixels instead of blending with them."""
        layer = Canvas(self.width, self.height, image=Image.new("RGBA", self.image.size),
                       origin=self.origin, unit=self.unit)
        painter(layer)
        if blur:
            layer.image = layer.image.filter(ImageFilter.GaussianBlur(self.scale(blur)))
        self.image.alpha_composite(layer.image)

    def picture(self, size):
        """The finished picture at its file size, over the black of the window behind it."""
        flat = Image.new("RGBA", self.image.size, (0, 0, 0, 255))
        flat.alpha_composite(self.image)
        return flat.convert("RGB").resize(size, Image.Resampling.LANCZOS)

