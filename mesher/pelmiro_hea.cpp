// pelmiro_hea: the block mesher for heat conduction.
// Reads data2d.txt, meshes every area into n by n cells of two triangles each
// with one material (the last material record: its first value is the
// conductivity), keeps heat inputs on area corners only, writes the scratch
// files and assembles them into brundel.txt for brundel_tri.
//   $ pelmiro_hea 8
#include "pelmiro.h"

int main(int argc, char** argv)
{
    return pelmiro_main(pelmiro_hea_config, argc, argv);
}
