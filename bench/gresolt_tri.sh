#!/bin/sh
# Times gresolt_tri on the lid-driven cavity at Re 10: a whole run (20000
# steps) on 32 by 32 cells (1089 nodes, 2048 triangles), and the first 1000
# steps on 100 by 100 cells (10201 nodes, 20000 triangles), taken from the
# console's "Count = 1" to "Count = 51" (steps 20 to 1020) and stopped there.
# usage: bench/gresolt_tri.sh [build dir]     (default: build)
set -e
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../build}" && pwd)/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

python3 "$here/unit_grid.py" 32 flow
start=$(date +%s.%N)
"$bin/gresolt_tri" > console.txt
end=$(date +%s.%N)
awk -v s="$start" -v e="$end" 'BEGIN { printf "gresolt_tri, 32 by 32 cavity, 20000 steps: %.1f s\n", e - s }'

python3 "$here/unit_grid.py" 100 flow
python3 - "$bin/gresolt_tri" <<'PY'
import subprocess, sys, time
# line-buffered, so that every count reaches the pipe as it is printed
p = subprocess.Popen(["stdbuf", "-oL", sys.argv[1]], stdout=subprocess.PIPE, text=True)
t = {}
for line in p.stdout:
    if line.startswith("Count = "):
        c = int(line.split()[2])
        if c in (1, 51):
            t[c] = time.monotonic()
        if c == 51:
            break
p.kill()
p.wait()
print("gresolt_tri, 100 by 100 cavity: %.1f ms per step" % ((t[51] - t[1]) * 1000 / 1000))
PY
