// pelmiro_flu: the block mesher for flow.
// Reads data2d.txt, meshes every area into n by n cells of two triangles each
// with one material (the last material record: its third value is the
// Reynolds number), writes the scratch files and assembles them into
// gresolt.txt for gresolt_tri.
//   $ pelmiro_flu 8
#include "pelmiro.h"

int main(int argc, char** argv)
{
    return pelmiro_main(pelmiro_flu_config, argc, argv);
}
