// pelmiro_tri: the block mesher, triangles only.
// Reads data2d.txt, meshes every area into n by n cells of two triangles each,
// writes the scratch files node.txt, element.txt, bound.txt, force.txt and
// init.txt and assembles them into nalvik.txt.
//   $ pelmiro_tri 10
#include "pelmiro.h"

int main(int argc, char** argv)
{
    return pelmiro_main(pelmiro_tri_config, argc, argv);
}
