#!/usr/bin/env python3
"""Writes windows/resources/stats.ico, the plug-in's icon (resource 113).

One 25 x 16 image, 24-bit colour, upper half white and lower half red, opaque. Written by hand
in the .ico layout (directory, entry, bitmap header, XOR pixels, AND mask) so that the build
needs no image tools.
"""
import pathlib
import struct

WIDTH = 25
HEIGHT = 16
WHITE = (255, 255, 255)
RED = (255, 0, 0)
OUT = pathlib.Path(__file__).resolve().parent.parent / "windows" / "resources" / "stats.ico"


def padded(row: bytes) -> bytes:
    return row + b"\0" * (-len(row) % 4)


def pixel_rows() -> bytes:
    # Bitmap rows run bottom-up; pixels are stored blue, green, red.
    rows = []
    for y in reversed(range(HEIGHT)):
        r, g, b = WHITE if y < HEIGHT // 2 else RED
        rows.append(padded(bytes((b, g, r)) * WIDTH))
    return b"".join(rows)


def mask_rows() -> bytes:
    # 1 bit per pixel, all clear: every pixel opaque.
    return padded(bytes((WIDTH + 7) // 8)) * HEIGHT


def icon() -> bytes:
    xor = pixel_rows()
    mask = mask_rows()
    # The height counts the XOR image and the AND mask together.
    header = struct.pack("<IiiHHIIiiII", 40, WIDTH, 2 * HEIGHT, 1, 24, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", WIDTH, HEIGHT, 0, 0, 1, 24, len(image), 6 + 16)
    return directory + entry + image


def main() -> None:
    OUT.parent.mkdir(parents=True, exist_ok=True)
    OUT.write_bytes(icon())
    print(f"wrote {OUT}")


if __name__ == "__main__":
    main()
