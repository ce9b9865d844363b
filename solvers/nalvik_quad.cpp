// nalvik_quad: plane-stress analysis with four-node isoparametric quadrilaterals.
// Reads nalvik.txt (nodes, materials, quadrilaterals of four corner nodes, fixed
// nodes, nodal forces), integrates every element with the 2 x 2 Gauss rule,
// imposes the prescribed displacements, solves in the band and writes
// result_nalvik.txt (ux uy per node), the strains and stresses at the four Gauss
// points of every element (result_nalvik_strain_elm.txt,
// result_nalvik_stress_elm.txt: four rows per element) and their nodal means
// (result_nalvik_strain.txt, result_nalvik_stress.txt).
//   $ pelmiro_const 5 1     (a block model meshed into quadrilaterals)
//   $ nalvik_quad           (in the directory that holds nalvik.txt)
#include <cstdio>

#include "band.h"
#include "failure.h"
#include "quad_analysis.h"
#include "results.h"
#include "subinput.h"

namespace {

const char* const model_file = "nalvik.txt";

Structure s;
Stiffness tkmat;  // zero at start, filled once

void run()
{
    // 1. read and check the model, echoing every value as it is read
    Scanner sc = Scanner::open(model_file);
    read_structure(sc, s, 4, stdout);

    // 2. assemble the element matrices, Gauss point by Gauss point
    quad::assemble_quad(s, tkmat, model_file);

    // 3. impose the boundary records and solve
    fix_and_solve(s, tkmat, model_file);

    // 4. write displacements, Gauss-point and nodal strains and stresses
    StructuralFiles out(model_file);
    out.displacements(s.solve, s.np);
    quad::write_stress_strain(s, out, tkmat);
    out.commit();
}

}  // namespace

int main()
{
    return guarded_main("nalvik_quad", run);
}
