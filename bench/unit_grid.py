#!/usr/bin/env python3
"""Writes the benchmark models on the unit square divided into n by n cells,
nodes numbered row by row from the origin, two counter-clockwise triangles per
cell (n = 234: 55225 nodes, 109512 triangles).
  heat:    brundel.txt, conductivity 1, the left edge held at 0, the right
           edge at 100, a uniform source of 1 per unit area as nodal inputs.
  thermal: nalvik.txt (E 210000, nu 0.3, t 1, the left edge clamped),
           init_heat.txt (T0 20, alpha 1.2e-5) and result_brundel.txt with
           every node at 70: uniform heating by 50.
  flow:    gresolt.txt, the lid-driven cavity at Re 10: the lid y = 1 moves
           at u = 1 between the walls (its end nodes belong to the walls),
           every other edge node is at rest, the pressure is held at 0 at
           the middle of the floor.
usage: unit_grid.py N heat|thermal|flow   (writes into the current directory)"""
import sys

n = int(sys.argv[1])
kind = sys.argv[2]
h = 1.0 / n
num = lambda i, j: j * (n + 1) + i + 1
np_ = (n + 1) * (n + 1)
nodes = ["%d %.17g %.17g" % (num(i, j), i * h, j * h) for j in range(n + 1) for i in range(n + 1)]
elements = []
for j in range(n):
    for i in range(n):
        a, b, c, d = num(i, j), num(i + 1, j), num(i + 1, j + 1), num(i, j + 1)
        elements += [(a, b, c), (a, c, d)]
elements = ["%d %d %d %d 1" % (k + 1, a, b, c) for k, (a, b, c) in enumerate(elements)]


def write(name, material, bounds, loads):
    with open(name, "w") as f:
        f.write("%d 1 %d %d %d\n" % (np_, len(elements), len(bounds), len(loads)))
        f.write("\n".join(nodes) + "\n")
        f.write(material + "\n")
        f.write("\n".join(elements) + "\n")
        for b in bounds:
            f.write(b + "\n")
        for l in loads:
            f.write(l + "\n")


if kind == "heat":
    bounds = ["%d 1 0 0 0" % num(0, j) for j in range(n + 1)]
    bounds += ["%d 1 0 100 0" % num(n, j) for j in range(n + 1)]
    loads = []
    for j in range(n + 1):
        for i in range(1, n):
            share = 0.5 if j in (0, n) else 1.0
            loads.append("%d %.17g 0" % (num(i, j), share * h * h))
    write("brundel.txt", "1 1 0 1", bounds, loads)
elif kind == "flow":
    bounds = []
    for j in range(n + 1):
        for i in range(n + 1):
            if i in (0, n) or j in (0, n):
                lid = 1 if j == n and 0 < i < n else 0
                bounds.append("%d 1 1 %d 0" % (num(i, j), lid))
    write("gresolt.txt", "1 0 0 10", bounds, ["%d 0 0" % num(n // 2, 0)])
else:
    bounds = ["%d 1 1 0 0" % num(0, j) for j in range(n + 1)]
    write("nalvik.txt", "1 210000 0.3 1", bounds, [])
    with open("init_heat.txt", "w") as f:
        f.write("20 0 1.2e-5\n")
    with open("result_brundel.txt", "w") as f:
        for k in range(np_):
            f.write("%d %e  0.0\n" % (k + 1, 70.0))
