#!/bin/sh
# Times brundel_tri on the unit square in 234 by 234 cells (55225 nodes, 109512
# triangles): the left edge at 0, the right edge at 100, a uniform heat source.
# usage: bench/brundel_tri.sh [build dir]     (default: build)
set -e
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../build}" && pwd)/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
python3 "$here/unit_grid.py" 234 heat
"$bin/brundel_tri" > console.txt        # warm the page cache
start=$(date +%s.%N)
for i in 1 2 3; do "$bin/brundel_tri" > console.txt; done
end=$(date +%s.%N)
loops=$(sed -n 's/^loop=\([0-9]*\),.*/\1/p' console.txt)
awk -v s="$start" -v e="$end" -v l="$loops" 'BEGIN { printf "brundel_tri, 55225 nodes, 109512 triangles, %d iterations: %.3f s per run\n", l, (e - s) / 3 }'
