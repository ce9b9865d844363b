#!/usr/bin/env python3
"""Writes nalvik.txt for one rectangular block of n by n cells in the block
mesher's numbering: the four corners, then the nodes of each side, then the
interior row by row. This numbering makes the band almost the whole matrix.
Left edge held, a downward load spread over the right edge.
usage: block_model.py N [quad]   (N cells per side; quad: quadrilaterals)"""
import sys

n = int(sys.argv[1])
quad = len(sys.argv) > 2 and sys.argv[2] == "quad"
w, h = 10.0, 10.0
num = {}
order = [(0, 0), (n, 0), (n, n), (0, n)]
order += [(i, 0) for i in range(1, n)]
order += [(n, j) for j in range(1, n)]
order += [(i, n) for i in range(n - 1, 0, -1)]
order += [(0, j) for j in range(n - 1, 0, -1)]
order += [(i, j) for j in range(1, n) for i in range(1, n)]
for k, p in enumerate(order):
    num[p] = k + 1
elements = []
for j in range(n):
    for i in range(n):
        a, b, c, d = num[(i, j)], num[(i + 1, j)], num[(i + 1, j + 1)], num[(i, j + 1)]
        elements += [(a, b, c, d)] if quad else [(a, b, c), (a, c, d)]
bounds = [num[(0, j)] for j in range(n + 1)]
loads = [num[(n, j)] for j in range(n + 1)]
out = ["%d 1 %d %d %d" % (len(order), len(elements), len(bounds), len(loads))]
out += ["%d %.6f %.6f" % (num[p], w * p[0] / n, h * p[1] / n) for p in order]
out += ["1 210000 0.3 1"]
out += ["%d %s 1" % (k + 1, " ".join(map(str, e))) for k, e in enumerate(elements)]
out += ["%d 1 1 0 0" % b for b in bounds]
out += ["%d 0 %.6f" % (f, -100.0 / len(loads)) for f in loads]
print("\n".join(out))
