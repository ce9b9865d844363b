// nalvik_tri: plane-stress analysis with three-node triangles.
// Reads nalvik.txt (nodes, materials, triangles, fixed nodes, nodal forces),
// assembles the stiffness matrix, imposes the prescribed displacements, solves in
// the band and writes result_nalvik.txt (ux uy per node), the element strains and
// stresses (result_nalvik_strain_elm.txt, result_nalvik_stress_elm.txt) and their
// nodal means (result_nalvik_strain.txt, result_nalvik_stress.txt).
//   $ nalvik_tri            (in the directory that holds nalvik.txt)
#include <cstdio>

#include "band.h"
#include "failure.h"
#include "results.h"
#include "subinput.h"
#include "tri_analysis.h"

namespace {

const char* const model_file = "nalvik.txt";

Structure s;
Stiffness tkmat;  // zero at start, filled once

void run()
{
    // 1. read and check the model
    Scanner sc = Scanner::open(model_file);
    read_structure(sc, s, 3, stdout);

    // 2. assemble the element matrices
    assemble_tri(s, tkmat, model_file);

    // 3. impose the boundary records and solve
    fix_and_solve(s, tkmat, model_file);

    // 4. write displacements, element and nodal strains and stresses
    StructuralFiles out(model_file);
    out.displacements(s.solve, s.np);
    write_stress_strain(s, out, tkmat);
    out.commit();
}

}  // namespace

int main()
{
    return guarded_main("nalvik_tri", run);
}
