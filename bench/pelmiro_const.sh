#!/bin/sh
# Times pelmiro_const 20 0 on 10 by 10 curved blocks (341 model points, 100
# areas): 40401 nodes and 80000 triangles, every row opened, appended and
# closed on its own.
# usage: bench/pelmiro_const.sh [build dir]     (default: build)
set -e
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../build}" && pwd)/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/block_grid.py" 10 > "$work/data2d.txt"
cd "$work"
"$bin/pelmiro_const" 20 0 > /dev/null    # warm the page cache
start=$(date +%s.%N)
for i in 1 2 3; do "$bin/pelmiro_const" 20 0 > /dev/null; done
end=$(date +%s.%N)
nodes=$(head -1 nalvik.txt | cut -f1)
elements=$(head -1 nalvik.txt | cut -f3)
awk -v s="$start" -v e="$end" -v n="$nodes" -v m="$elements" \
    'BEGIN { printf "pelmiro_const 20 0, 100 blocks, %d nodes, %d triangles: %.3f s per run\n", n, m, (e - s) / 3 }'
