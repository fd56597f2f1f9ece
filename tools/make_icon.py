#!/usr/bin/env python3
"""Draws the program icon (res/zanto.ico): a blue tile with a white "Z", 32-bit, in the sizes
Windows asks for at 100%, 150% and 200% display scale (16, 24, 32, 48), so it is drawn sharp
instead of stretched."""
import struct
import sys


def pixel(x, y, n):
    """RGBA of the icon at (x, y) for size n, top-left origin."""
    s = n / 32.0
    inset = 1 * s
    r = 6 * s
    # rounded tile
    cx = min(max(x + 0.5, inset + r), n - inset - r)
    cy = min(max(y + 0.5, inset + r), n - inset - r)
    if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 > r * r:
        return (0, 0, 0, 0)
    # vertical gradient from blue to deep blue
    t = y / float(n - 1)
    tile = (int(40 + 20 * (1 - t)), int(110 + 60 * (1 - t)), int(200 + 40 * (1 - t)), 255)
    # the letter Z: top bar, bottom bar, diagonal
    m = 8 * s
    w = 5 * s
    top = m <= y + 0.5 <= m + w and m <= x + 0.5 <= n - m
    bottom = n - m - w <= y + 0.5 <= n - m and m <= x + 0.5 <= n - m
    diag = False
    if m + w <= y + 0.5 <= n - m - w:
        # line from (n-m, m+w) to (m, n-m-w)
        frac = (y + 0.5 - (m + w)) / float(n - 2 * m - 2 * w)
        xc = (n - m) - frac * (n - 2 * m) - w / 2.0
        diag = abs(x + 0.5 - xc) <= w * 0.6
    if top or bottom or diag:
        return (255, 255, 255, 255)
    return tile


def image(n):
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, n * n * 4, 0, 0, 0, 0)
    rows = []
    for y in range(n - 1, -1, -1):  # bottom-up
        row = b""
        for x in range(n):
            r, g, b, a = pixel(x, y, n)
            row += struct.pack("BBBB", b, g, r, a)
        rows.append(row)
    xor = b"".join(rows)
    mask_row = ((n + 31) // 32) * 4
    andmask = b""
    for y in range(n - 1, -1, -1):
        bits = 0
        row = bytearray(mask_row)
        for x in range(n):
            if pixel(x, y, n)[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        andmask += bytes(row)
    return header + xor + andmask


def main(out):
    sizes = [16, 24, 32, 48]
    images = [image(n) for n in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, img in zip(sizes, images):
        data += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    data += b"".join(images)
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res/zanto.ico")
