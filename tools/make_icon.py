#!/usr/bin/env python3
"""Writes resources/Orlenta.ico: a small character-table picture (a grid of
cells with one selected), at 16 and 32 pixels, 32-bit colour with alpha."""
import struct
import sys
from pathlib import Path


def picture(size):
    """Rows of (b, g, r, a) pixels, top row first."""
    frame = (0x80, 0x50, 0x20, 0xFF)      # dark blue frame
    cell = (0xFF, 0xFF, 0xFF, 0xFF)       # white cells
    selected = (0x20, 0x80, 0xFF, 0xFF)   # orange selected cell
    clear = (0, 0, 0, 0)
    rows = []
    n = 4                                  # 4 x 4 cells
    pitch = (size - 1) / n
    for y in range(size):
        row = []
        for x in range(size):
            if x == 0 or y == 0 or x == size - 1 or y == size - 1:
                row.append(frame)
                continue
            cx, cy = int(x / pitch), int(y / pitch)
            on_line = int(x % pitch) == 0 or int(y % pitch) == 0
            if on_line:
                row.append(frame)
            elif (cx, cy) == (1, 2):
                row.append(selected)
            else:
                row.append(cell)
        rows.append(row)
    return rows if size else [clear]


def image(size):
    rows = picture(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''.join(bytes(p) for row in reversed(rows) for p in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)          # alpha decides; the AND mask is all opaque
    return header + pixels + mask


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent.parent / 'resources' / 'Orlenta.ico')
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    data = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, img in zip(sizes, images):
        data += struct.pack('<BBBBHHII', s, s, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    data += b''.join(images)
    out.write_bytes(data)


if __name__ == '__main__':
    main()
