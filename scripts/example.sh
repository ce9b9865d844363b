#!/bin/sh
# Builds the suite and runs its main job, the structured road, on the bundled
# plate: pelmiro_const 5 0 meshes a copy of examples/plate/data2d.txt in a
# scratch directory, nalvik_tri analyses the mesh, and the displacement of the
# pulled edge is reported beside the theory. Then the drawing road on the bundled
# drawing of a plate with a hole: lindrove_tri01 turns examples/drawing/model2d.dxf into
# boundary points, lindrove_tri02 meshes them to 300 nodes (typed on its console),
# nalvik_tri analyses the mesh with its left edge held and its right edge moved by 0.1,
# and the force on the moved edge is reported beside its bounds. With a display and a
# terminal, korvanta then opens on the block plate's directory (q ends it).
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

# the drawing road
draw=$(mktemp -d "${TMPDIR:-/tmp}/drawing-XXXXXX")
cp "$top/examples/drawing/model2d.dxf" "$draw/"
cd "$draw"
"$top/build/bin/lindrove_tri01" > outline_console.txt
echo 300 | "$top/build/bin/lindrove_tri02" > mesh_console.txt
# boundary records: x = 10 held in x (and (10, 10) in y), x = 110 moved by 0.1 in x
awk 'NR == 1 { np = $1; ne = $3; next }
     { body = body $0 "\n" }
     NR <= np + 1 && $2 == 10 { bc = bc sprintf("%d 1 %d 0 0\n", $1, $3 == 10); nb++ }
     NR <= np + 1 && $2 == 110 { bc = bc sprintf("%d 1 0 0.1 0\n", $1); nb++ }
     END { printf "%d 1 %d %d 0\n%s%s", np, ne, nb, body, bc }' nalvik.txt > held.txt
mv held.txt nalvik.txt
"$top/build/bin/nalvik_tri" > solve_console.txt
# with the sides free, the element stresses sum to the edge force times the length 100
awk 'NR == FNR { if (FNR == 1) { np = $1; ne = $3 } else if (FNR <= np + 1) { x[$1] = $2; y[$1] = $3 }
                 else if (FNR > np + 2 && FNR <= np + ne + 2) { a[$1] = $2; b[$1] = $3; c[$1] = $4 }
                 next }
     { e = $1; s += $2 * ((x[b[e]] - x[a[e]]) * (y[c[e]] - y[a[e]]) - (x[c[e]] - x[a[e]]) * (y[b[e]] - y[a[e]])) / 2 }
     END { printf "plate 100 x 50 with a hole of diameter 20, %d nodes, %d triangles, right edge moved by 0.1:\n", np, ne
           printf "edge force = %.1f (solid plate: E 50 0.1 / 100 = 10500; with the hole between 6300 and 9851)\n", s / 100 }' \
    nalvik.txt result_nalvik_stress_elm.txt
echo "boundary points, mesh, results and the console echoes are in $draw"

# korvanta on the block plate, only where a window can open and someone can close it
if [ -n "${DISPLAY:-}" ] && [ -t 0 ]; then
    cd "$work"
    echo "korvanta opens on it: tab 4, then the mode button (row 3, column 1) to NALVIK TRI and READ, shows the mesh; q ends it"
    "$top/build/bin/korvanta" || echo "korvanta could not open its window on $DISPLAY"
fi
