#!/bin/sh
# Times brundel_tri and tombrel on the unit square in 234 by 234 cells (55225
# nodes, 109512 triangles): brundel_tri with the left edge at 0, the right edge
# at 100 and a uniform heat source (the mean of three runs); tombrel with the
# left edge clamped and every node heated by 50 (one run).
# usage: bench/heat.sh [build dir]     (default: build)
set -e
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../build}" && pwd)/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# times runs of a program; prints its iteration count and the seconds per run
timed() {
    program=$1 runs=$2
    start=$(date +%s.%N)
    i=0
    while [ "$i" -lt "$runs" ]; do "$bin/$program" > console.txt; i=$((i + 1)); done
    end=$(date +%s.%N)
    loops=$(sed -n 's/^loop=\([0-9]*\),.*/\1/p' console.txt)
    awk -v p="$program" -v s="$start" -v e="$end" -v n="$runs" -v l="$loops" \
        'BEGIN { printf "%s, 55225 nodes, 109512 triangles, %d iterations: %.3f s per run\n", p, l, (e - s) / n }'
}

python3 "$here/unit_grid.py" 234 heat
"$bin/brundel_tri" > console.txt        # warm the page cache
timed brundel_tri 3
python3 "$here/unit_grid.py" 234 thermal
timed tombrel 1
