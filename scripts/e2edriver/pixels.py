"""Reading what the screen shows: colours, dark (text) pixels, pictures."""

from PIL import Image

# A pixel whose channels add up to less than this is ink (text).
INK_SUM = 300


def hexcolour(rgb):
    return "%02X%02X%02X" % rgb[:3]


def colour(img, x, y):
    return hexcolour(img.getpixel((x, y)))


def dark_pixels(img, x, y, w, h):
    """The dark pixels of a rectangle, as a set of (x, y) relative to it."""
    part = img.crop((x, y, x + w, y + h))
    data = part.tobytes()
    found = set()
    for i in range(w * h):
        if data[3 * i] + data[3 * i + 1] + data[3 * i + 2] < INK_SUM:
            found.add((i % w, i // w))
    return found


def same_caption(a, b):
    """Two readings of one caption: antialiased edges flip with the button's
    hover shading, so they are compared by overlap, not for equality."""
    if not a and not b:
        return True
    if not a or not b:
        return False
    return len(a & b) >= 0.8 * max(len(a), len(b))


def load_rgb(path):
    with Image.open(path) as picture:
        return picture.convert("RGB")


def same_pixels(img, x, y, picture):
    """The screen shows `picture` with its top left at (x, y), pixel for pixel."""
    if x < 0 or y < 0 or x + picture.width > img.width or y + picture.height > img.height:
        return False
    return img.crop((x, y, x + picture.width, y + picture.height)).tobytes() == picture.tobytes()


def differing_pixels(img, x, y, picture):
    part = img.crop((x, y, x + picture.width, y + picture.height)).tobytes()
    want = picture.tobytes()
    return sum(1 for i in range(0, min(len(part), len(want)), 3) if part[i:i + 3] != want[i:i + 3])


def luminance_rows(img, x, y, w, h):
    """Rows of the rectangle as lists of grey levels (the mean of the channels)."""
    grey = img.crop((x, y, x + w, y + h)).convert("RGB")
    data = grey.tobytes()
    rows = []
    for r in range(h):
        base = 3 * w * r
        rows.append([(data[base + 3 * c] + data[base + 3 * c + 1] + data[base + 3 * c + 2]) / 3
                     for c in range(w)])
    return rows
