#!/usr/bin/env python3
"""Writes gresolt.txt for the lid-driven cavity: the unit square divided into
n by n cells, nodes numbered row by row from the origin, two counter-clockwise
triangles per cell, Re 10; the lid y = 1 moves at u = 1 between the walls (its
end nodes belong to the walls), every other edge node is at rest, and the
pressure is held at 0 at the middle of the floor.
(n = 32: 1089 nodes, 2048 triangles; n = 100: 10201 nodes, 20000 triangles.)
usage: cavity_grid.py N   (writes into the current directory)"""
import sys

n = int(sys.argv[1])
h = 1.0 / n
num = lambda i, j: j * (n + 1) + i + 1
nodes = ["%d %.17g %.17g" % (num(i, j), i * h, j * h) for j in range(n + 1) for i in range(n + 1)]
elements = []
for j in range(n):
    for i in range(n):
        a, b, c, d = num(i, j), num(i + 1, j), num(i + 1, j + 1), num(i, j + 1)
        elements += [(a, b, c), (a, c, d)]
bounds = []
for j in range(n + 1):
    for i in range(n + 1):
        if i in (0, n) or j in (0, n):
            lid = 1 if j == n and 0 < i < n else 0
            bounds.append("%d 1 1 %d 0" % (num(i, j), lid))
with open("gresolt.txt", "w") as f:
    f.write("%d 1 %d %d 1\n" % (len(nodes), len(elements), len(bounds)))
    f.write("\n".join(nodes) + "\n")
    f.write("1 0 0 10\n")
    f.write("\n".join("%d %d %d %d 1" % (k + 1, a, b, c) for k, (a, b, c) in enumerate(elements)) + "\n")
    f.write("\n".join(bounds) + "\n")
    f.write("%d 0 0\n" % num(n // 2, 0))
