#!/usr/bin/env python3
"""Writes the small pictures the UI tests and the gallery load (run from this folder; the outputs are kept
in the repository)."""
import struct
import zlib


def png(width, height, pixel):
    """An RGBA PNG; pixel(x, y) gives (r, g, b, a)."""
    raw = b"".join(b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def bmp(width, height, pixel):
    """A 24-bit bottom-up BMP; pixel(x, y) gives (r, g, b)."""
    stride = (width * 3 + 3) & ~3
    rows = b""
    for y in reversed(range(height)):
        row = b"".join(bytes(reversed(pixel(x, y))) for x in range(width))
        rows += row + b"\x00" * (stride - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(rows), 0, 0, 54) + header + rows


def ico_png(size, data):
    return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32,
                                                     len(data), 22) + data


def ico_dib(size):
    """A 32-bit DIB icon: BITMAPINFOHEADER with doubled height, BGRA pixels, then the AND mask."""
    pixels = b"".join(bytes((255, 128, 0, 255)) for _ in range(size * size))
    mask = b"\x00" * (((size + 31) // 32) * 4 * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    data = header + pixels + mask
    return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), 22) + data


def alpha_pixel(x, y):
    # Left half opaque red, right half fully transparent, the middle column half transparent.
    if x < 4:
        return (255, 0, 0, 255)
    if x == 4:
        return (255, 0, 0, 128)
    return (0, 0, 255, 0)


def gallery_pixel(x, y):
    # A disc: opaque orange inside radius 24, fading out to transparent at 32; a green square in the middle.
    cx = cy = 31.5
    d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
    if 24 <= x < 40 and 24 <= y < 40:
        return (0, 200, 0, 255)
    if d < 24:
        return (255, 140, 0, 255)
    if d < 32:
        return (255, 140, 0, int(255 * (32 - d) / 8))
    return (0, 0, 0, 0)


if __name__ == "__main__":
    small = png(8, 6, alpha_pixel)
    open("alpha.png", "wb").write(small)
    open("plain.bmp", "wb").write(bmp(5, 3, lambda x, y: (0, 255, 0) if x < 2 else (0, 0, 255)))
    open("icon_png.ico", "wb").write(ico_png(16, png(16, 16, lambda x, y: (0, 0, 255, 255 if x < 8 else 0))))
    open("icon_dib.ico", "wb").write(ico_dib(32))
    open("broken.png", "wb").write(small[:40])
    open("gallery.png", "wb").write(png(64, 64, gallery_pixel))
