#!/bin/sh
# Times nalvik_tri on one block of 37 by 37 cells in the block mesher's numbering
# (1444 nodes, 2738 triangles): the band is nearly the whole matrix.
# usage: bench/nalvik_tri.sh [build dir]     (default: build)
set -e
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../build}" && pwd)/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/block_model.py" 37 > "$work/nalvik.txt"
cd "$work"
"$bin/nalvik_tri" > /dev/null            # warm the page cache
start=$(date +%s.%N)
for i in 1 2 3; do "$bin/nalvik_tri" > /dev/null; done
end=$(date +%s.%N)
awk -v s="$start" -v e="$end" 'BEGIN { printf "nalvik_tri, 1444 nodes, 2738 triangles, block-mesher numbering: %.3f s per run\n", (e - s) / 3 }'
