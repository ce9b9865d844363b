// lindrove_tri02: the Delaunay triangle mesher.
// Reads the boundary description INPUT01.TXT (exterior boundaries, holes, inner
// points), triangulates it with every boundary segment as an edge, asks on the
// console for the total number of nodes, refines to exactly that count, smooths,
// drops the triangles outside the domain and writes the mesh to nalvik.txt (one
// default material, no boundary or load records) for the solvers.
//   $ lindrove_tri02
//    EXTERIOR BOUNDARY NUMBER=     1
//    NODE NUMBER =     1   ...
//    TOTAL NUMBER OF NODES = ?
//   200
//    NTOTAL=200
//    NEW POINT NUMBER =     5   ...
// An error prints its two-line pair on the console, writes no nalvik.txt and ends
// with a non-zero status.
#include <cstdio>

#include "input.h"
#include "model.h"
#include "output.h"
#include "stop.h"

namespace {

lindrove::Outline outline;
lindrove::Mesh mesh;

void run()
{
    using namespace lindrove;
    // 1. read and check the boundary description
    Scanner sc = open_outline();
    input(sc, outline);

    // 2. mesh it to the node count typed on the console
    model(outline, mesh, stdin);

    // 3. write the mesh
    data(mesh);
}

}  // namespace

int main()
{
    return guarded_main("lindrove_tri02", [] {
        try {
            run();
        } catch (const lindrove::Stop& s) {
            lindrove::print_pair(s.pair());
            throw;
        }
    });
}
