// lindrove_tri01: the drawing outline preprocessor of the drawing road.
// Reads the drawing model2d.dxf (ASCII DXF, release 2000 layout), writes its entities to
// out.txt and their count to facter.txt, chains lines, arcs, elliptical arcs, polylines
// and splines into closed figures (every circle and full ellipse is one by itself), lists
// them in fig_non.txt, takes the widest figure as the outer boundary and the others as
// holes, places boundary points on each and writes them to INPUT01.TXT for lindrove_tri02.
//   $ lindrove_tri01        (in the directory that holds model2d.dxf)
//   $ lindrove_tri02        (then meshes INPUT01.TXT)
#include <unistd.h>

#include <cstdio>

#include "drawing.h"
#include "dxf_reader.h"
#include "failure.h"
#include "scan.h"
#include "zukei.h"

namespace {

Drawing drawing;  // zero at start, as every table of the program

void run()
{
    try {
        // 1. the drawing; the four files are written beside their places until all are done
        Scanner dxf = Scanner::open("model2d.dxf");
        OutlineFiles files;

        // 2. the drawing's entities into out.txt and facter.txt
        zahyo_yomi(dxf, files.out, files.facter, drawing.con);

        // 3. figures, boundary points and INPUT01.TXT
        zukei(drawing, files);
        files.commit();
    } catch (const Failure&) {
        // lindrove_tri02 must not go on to mesh the outline of an earlier drawing
        unlink("INPUT01.TXT");
        throw;
    }
}

}  // namespace

int main()
{
    return guarded_main("lindrove_tri01", run);
}
