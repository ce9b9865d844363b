#!/bin/sh
# Times tombrel on the unit square in 234 by 234 cells (55225 nodes, 109512
# triangles, 110450 DOFs): the left edge clamped, every node heated by 50.
# usage: bench/tombrel.sh [build dir]     (default: build)
set -e
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../build}" && pwd)/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
python3 "$here/unit_grid.py" 234 thermal
start=$(date +%s.%N)
"$bin/tombrel" > console.txt
end=$(date +%s.%N)
loops=$(sed -n 's/^loop=\([0-9]*\),.*/\1/p' console.txt)
awk -v s="$start" -v e="$end" -v l="$loops" 'BEGIN { printf "tombrel, 55225 nodes, 109512 triangles, %d iterations: %.3f s per run\n", l, e - s }'
