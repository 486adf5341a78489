#!/usr/bin/env python3
"""Writes the About window's pictures and sound under resources/:
Arrow1.cur .. Arrow4.cur (left, up, right, down: the puzzle's move pointers
and its hint), Hand.cur (the link label's pointer) and Click.wav (the tile
sound: mono, 22,050 Hz, 16-bit, 680 samples)."""
import math
import struct
import sys
from pathlib import Path

SIZE = 32
BLACK = (0, 0, 0, 0xFF)
WHITE = (0xFF, 0xFF, 0xFF, 0xFF)
CLEAR = (0, 0, 0, 0)


def right_arrow(x, y):
    """True where the arrow pointing right covers the pixel."""
    if 5 <= x <= 17 and 13 <= y <= 18:
        return True
    if 17 <= x <= 27:
        half = (27 - x) * 10 // 10
        return 15.5 - half <= y <= 15.5 + half
    return False


def outlined(covered):
    """Rows of pixels: the shape in black with a one-pixel white rim."""
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            if covered(x, y):
                row.append(BLACK)
            elif any(covered(x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                row.append(WHITE)
            else:
                row.append(CLEAR)
        rows.append(row)
    return rows


def arrow(direction):
    """1 left, 2 up, 3 right, 4 down."""
    turn = {
        1: lambda x, y: (SIZE - 1 - x, y),
        2: lambda x, y: (SIZE - 1 - y, x),
        3: lambda x, y: (x, y),
        4: lambda x, y: (y, x),
    }[direction]
    return outlined(lambda x, y: right_arrow(*turn(x, y)))


def hand(x, y):
    """A hand with the forefinger up."""
    if 12 <= x <= 15 and 2 <= y <= 16:          # forefinger
        return True
    if 16 <= x <= 24 and 11 <= y <= 16:         # folded fingers
        return True
    if 7 <= x <= 11 and 13 <= y <= 19 and x + y >= 21:  # thumb
        return True
    return 10 <= x <= 24 and 16 <= y <= 27      # palm


def cursor(rows, hot_x, hot_y):
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''.join(bytes(p) for row in reversed(rows) for p in row)
    mask = b''
    for row in reversed(rows):
        bits = 0
        for x, p in enumerate(row):
            if p[3] == 0:
                bits |= 1 << (31 - x)
        mask += struct.pack('>I', bits)
    image = header + pixels + mask
    return struct.pack('<HHH', 0, 2, 1) + struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, hot_x, hot_y,
                                                     len(image), 22) + image


def click():
    rate, count = 22050, 680
    samples = []
    for i in range(count):
        t = i / rate
        level = math.exp(-i / 120) * 0.6
        samples.append(int(32767 * level * math.sin(2 * math.pi * 1800 * t)))
    data = struct.pack('<%dh' % count, *samples)
    fmt = struct.pack('<HHIIHH', 1, 1, rate, rate * 2, 2, 16)
    body = b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt + b'data' + struct.pack('<I', len(data)) + data
    return b'RIFF' + struct.pack('<I', len(body)) + body


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent.parent / 'resources')
    for direction in range(1, 5):
        (out / f'Arrow{direction}.cur').write_bytes(cursor(arrow(direction), 16, 16))
    (out / 'Hand.cur').write_bytes(cursor(outlined(hand), 13, 2))
    (out / 'Click.wav').write_bytes(click())


if __name__ == '__main__':
    main()
