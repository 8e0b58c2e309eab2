#!/usr/bin/env python3
"""Writes the sample projects of the program folder (Projects/*.WDT).

The samples are committed; run this only to change them:
    python3 scripts/make-samples.py
Each file is the 72,300-byte little-endian project record (see README.md).
"""
import math
import os
import struct

SIZE = 72300
NODES = 1001


def record(title, units, velocity_units, methods, point, wind_dir, sector, velocity, depth, boundaries,
           region_rows=(2, 2, 0)):
    directional, spectrum, significant = methods
    scale, grid, snap = region_rows
    buf = bytearray(SIZE)
    t = title.encode("cp1252")[:80]
    buf[0] = len(t)
    buf[1:1 + len(t)] = t
    struct.pack_into("<11i", buf, 84, len(boundaries), units, velocity_units, directional, spectrum,
                     significant, scale, grid, snap, 0, 0)
    # Plot extents are written by the program after its first drawing.
    struct.pack_into("<6f", buf, 128, 0, 0, 0, 0, 0, 0)
    struct.pack_into("<6f", buf, 152, point[0], point[1], wind_dir, sector, velocity, depth)
    struct.pack_into("<7f", buf, 176, 0.0064, 0.66, 1.0, 0.33, 0.125, 1.0, 3.3)
    for b, nodes in enumerate(boundaries, start=1):
        assert len(nodes) <= 999
        struct.pack_into("<i", buf, 204 + 4 * b, len(nodes))
        for k, (x, y) in enumerate(nodes, start=1):
            struct.pack_into("<i", buf, 228 + 4 * (NODES * b + k), k)
            struct.pack_into("<f", buf, 24252 + 4 * (NODES * b + k), x)
            struct.pack_into("<f", buf, 48276 + 4 * (NODES * b + k), y)
        # Position 0 repeats the last node: the first vertex of the drawn polygon.
        struct.pack_into("<f", buf, 24252 + 4 * (NODES * b), nodes[-1][0])
        struct.pack_into("<f", buf, 48276 + 4 * (NODES * b), nodes[-1][1])
    return bytes(buf)


def closed(points):
    """Rounds to what a surveyor would type and repeats the first node at the end."""
    pts = [(round(x, 3), round(y, 3)) for x, y in points]
    return pts + [pts[0]]


def bay():
    # An embayment about 20 km across, coordinates in km: a lobed coastline
    # around the centre (10, 10) (a lobed, nearly closed shoreline).
    outer = []
    for i in range(48):
        a = 2 * math.pi * i / 48
        r = 9.0 + 1.2 * math.sin(3 * a + 0.4) + 0.6 * math.cos(5 * a) + 0.3 * math.sin(11 * a)
        outer.append((10 + r * math.cos(a), 10 + 0.8 * r * math.sin(a)))
    island = []
    for i in range(12):
        a = 2 * math.pi * i / 12
        r = 1.0 + 0.25 * math.sin(2 * a)
        island.append((13.5 + 1.6 * r * math.cos(a), 12.0 + 0.8 * r * math.sin(a)))
    # Drawn at "1cm=1Km" on a 1 km grid, snapping to 100 m.
    return record("Kestrel Bay, 20 km embayment with one island", 3, 1, (2, 1, 2),
                  (7.5, 7.0), 45.0, 120.0, 60.0, 25.0, [closed(outer), closed(island)], (0, 0, 4))


def harbour():
    # A harbour basin in metres: quay walls on three sides, the seaward side
    # closed by the line of the outer shoal, two detached breakwaters.
    outer = [(0, 0), (420, 0), (420, 60), (560, 60), (560, 0), (900, 0), (900, 180), (960, 260),
             (960, 650), (700, 700), (350, 720), (0, 650), (0, 300)]
    west_breakwater = [(180, 470), (420, 500), (424, 518), (176, 488)]
    east_breakwater = [(520, 505), (780, 470), (784, 488), (524, 523)]
    return record("Port Alder inner harbour, two breakwaters", 2, 0, (1, 0, 1),
                  (480.0, 250.0), 80.0, 90.0, 18.0, 12.0,
                  [closed(outer), closed(west_breakwater), closed(east_breakwater)], (0, 0, 1))


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "Projects")
    for name, data in (("Bay.WDT", bay()), ("Harbour.WDT", harbour())):
        assert len(data) == SIZE
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
