#!/bin/sh
# Times lindrove_tri02 on a square of side 10 with a square hole of side 2,
# refined to 4000 nodes: the whole process, read to write, best of five runs.
# usage: bench/lindrove_tri02.sh [build dir]     (default: build)
set -e
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../build}" && pwd)/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf '1\n1\n4\n4\n1,4,3,2\n8\n0\n0 0\n10 0\n10 10\n0 10\n4 4\n6 4\n6 6\n4 6\n' > INPUT01.TXT
best=""
for i in 1 2 3 4 5; do
    start=$(date +%s.%N)
    echo 4000 | "$bin/lindrove_tri02" > /dev/null
    end=$(date +%s.%N)
    best=$(awk -v s="$start" -v e="$end" -v b="$best" 'BEGIN { t = e - s; if (b == "" || t < b) print t; else print b }')
done
read np nm ne nb nf < nalvik.txt
awk -v t="$best" -v n="$np" -v e="$ne" 'BEGIN { printf "lindrove_tri02, square with a square hole, %d nodes, %d triangles: %.3f s per run\n", n, e, t }'
