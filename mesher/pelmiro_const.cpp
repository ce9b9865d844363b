// pelmiro_const: the block mesher, triangles or quadrilaterals.
// Reads data2d.txt (model points, materials, eight-point areas, conditions and
// loads on model points), divides every area into n by n cells through its
// serendipity mapping, writes the scratch files node.txt, element.txt,
// bound.txt, force.txt and init.txt and assembles them into nalvik.txt.
//   $ pelmiro_const 5 0      (5 cells per side; 0 triangles, 1 quadrilaterals)
#include "pelmiro.h"

int main(int argc, char** argv)
{
    return pelmiro_main(pelmiro_const_config, argc, argv);
}
