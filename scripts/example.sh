#!/bin/sh
# Builds the suite and runs its main job, the structured road, on the bundled
# plate: pelmiro_const 5 0 meshes a copy of examples/plate/data2d.txt in a
# scratch directory, nalvik_tri analyses the mesh, and the displacement of the
# pulled edge is reported beside the theory.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/plate-XXXXXX")
cp "$top/examples/plate/data2d.txt" "$work/"
cd "$work"
"$top/build/bin/pelmiro_const" 5 0 > mesh_console.txt
"$top/build/bin/nalvik_tri" > solve_console.txt
# the nodes on the right edge (x = 8) from nalvik.txt, their ux from result_nalvik.txt
awk 'NR == FNR { if (FNR == 1) { np = $1; ne = $3 } else if (FNR <= np + 1 && $2 + 0 == 8) right[$1] = 1; next }
     ($1 in right) { if (n == 0 || $2 < lo) lo = $2; if (n == 0 || $2 > hi) hi = $2; n++ }
     END { printf "plate 8 x 4 in 8 curved blocks, %d nodes, %d triangles, 1000 N pull on the right edge:\n", np, ne
           printf "right edge ux = %e to %e (theory: sigma L / E = 250 * 8 / 210000 = 9.523810e-03)\n", lo, hi }' \
    nalvik.txt result_nalvik.txt
echo "mesh, results and the console echoes (mesh_console.txt, solve_console.txt) are in $work"
