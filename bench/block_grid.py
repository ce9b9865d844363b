#!/usr/bin/env python3
"""Writes data2d.txt for N by N blocks of 1 by 1 whose inner sides bulge, the
left edge held, a pull on the right edge: the block mesher's timing model.
usage: block_grid.py N"""
import sys

n = int(sys.argv[1])
pts = []
def add(x, y):
    pts.append((x, y))
    return len(pts)
corner = {(i, j): add(i, j) for j in range(n + 1) for i in range(n + 1)}
# inner sides bulge by a tenth, alternating, so that the mapping is curved
hmid = {(i, j): add(i + 0.5, j + (0.1 * (-1) ** (i + j) if 0 < j < n else 0)) for j in range(n + 1) for i in range(n)}
vmid = {(i, j): add(i + (0.1 * (-1) ** (i + j) if 0 < i < n else 0), j + 0.5) for j in range(n) for i in range(n + 1)}
areas = [[corner[(i, j)], hmid[(i, j)], corner[(i + 1, j)], vmid[(i + 1, j)],
          corner[(i + 1, j + 1)], hmid[(i, j + 1)], corner[(i, j + 1)], vmid[(i, j)]]
         for j in range(n) for i in range(n)]
bc = [corner[(0, j)] for j in range(n + 1)] + [vmid[(0, j)] for j in range(n)]
loads = [corner[(n, j)] for j in range(n + 1)] + [vmid[(n, j)] for j in range(n)]
out = ["%d 1 %d %d %d" % (len(pts), len(areas), len(bc), len(loads))]
out += ["%d %g %g" % (k + 1, x, y) for k, (x, y) in enumerate(pts)]
out += ["1 210000 0.3 1"]
out += ["%d %s 1" % (k + 1, " ".join(map(str, a))) for k, a in enumerate(areas)]
out += ["%d 1 1 0 0" % p for p in bc]
out += ["%d 10 0" % p for p in loads]
print("\n".join(out))
