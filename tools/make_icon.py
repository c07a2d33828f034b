#!/usr/bin/env python3
"""Draws the application icon (three stacked parcels) and writes res/bundelor.ico
with 32x32 and 16x16 images, each in 32-bit and in 8-bit colour."""
import struct
import sys

BG = None
OUTLINE = (70, 45, 20)
FACES = [(214, 160, 90), (190, 135, 70), (235, 190, 120)]
TAPE = (150, 40, 40)


def draw(size):
    px = [[BG] * size for _ in range(size)]
    s = size / 32.0
    boxes = [(3, 17, 15, 29), (16, 17, 28, 29), (9, 4, 22, 16)]
    for i, (x0, y0, x1, y1) in enumerate(boxes):
        x0, y0, x1, y1 = (int(round(v * s)) for v in (x0, y0, x1, y1))
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                px[y][x] = OUTLINE if edge else FACES[i]
        mid = (x0 + x1) // 2
        for y in range(y0 + 1, y1):
            px[y][mid] = TAPE
    return px


def bmp_header(size, bpp, colours):
    return struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bpp, 0, 0, 0, 0, colours, 0)


def mask_rows(px, size):
    stride = ((size + 31) // 32) * 4
    out = b''
    for y in reversed(range(size)):
        row = bytearray(stride)
        for x in range(size):
            if px[y][x] is None:
                row[x // 8] |= 0x80 >> (x % 8)
        out += bytes(row)
    return out


def image32(px, size):
    data = b''
    for y in reversed(range(size)):
        for x in range(size):
            c = px[y][x]
            data += bytes((0, 0, 0, 0)) if c is None else bytes((c[2], c[1], c[0], 255))
    return bmp_header(size, 32, 0) + data + mask_rows(px, size)


def image8(px, size):
    palette = [(0, 0, 0)]
    for row in px:
        for c in row:
            if c is not None and c not in palette:
                palette.append(c)
    palette += [(0, 0, 0)] * (256 - len(palette))
    pal = b''.join(bytes((c[2], c[1], c[0], 0)) for c in palette)
    data = b''
    for y in reversed(range(size)):
        data += bytes(0 if c is None else palette.index(c) for c in px[y])
    return bmp_header(size, 8, 256) + pal + data + mask_rows(px, size)


def main(path):
    images = []
    for size in (32, 16):
        px = draw(size)
        images.append((size, 0, 32, image32(px, size)))
        images.append((size, 0, 8, image8(px, size)))
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = b''
    for size, colours, bpp, blob in images:
        out += struct.pack('<BBBBHHII', size, size, colours, 0, 1, bpp, len(blob), offset)
        offset += len(blob)
        blobs += blob
    with open(path, 'wb') as f:
        f.write(out + blobs)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'res/bundelor.ico')
