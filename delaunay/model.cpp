// The mesh driver: the unit box, the super triangle and the stages in their order.
#include "model.h"

#include <algorithm>

#include "cleanup.h"
#include "output.h"
#include "recovery.h"
#include "refine.h"
#include "stop.h"

namespace lindrove {

void model(const Outline& in, Mesh& m, FILE* answers)
{
    // 1. an empty mesh
    static const Mesh empty;
    m = empty;
    const int n = in.points();

    // 2-3. every point into the unit square, keeping the shape
    double xmin = in.x[1], xmax = in.x[1], ymin = in.y[1], ymax = in.y[1];
    for (int p = 1; p <= n; ++p) {
        xmin = std::min(xmin, in.x[p]), xmax = std::max(xmax, in.x[p]);
        ymin = std::min(ymin, in.y[p]), ymax = std::max(ymax, in.y[p]);
    }
    const double dmax = xmax - xmin >= ymax - ymin ? xmax - xmin : ymax - ymin;
    for (int p = 1; p <= n; ++p) {
        m.X[p] = (in.x[p] - xmin) / dmax;
        m.Y[p] = (in.y[p] - ymin) / dmax;
    }

    // 4. the super triangle holds the unit square with room to spare
    const int s1 = SUPER1, s2 = SUPER1 + 1, s3 = SUPER1 + 2;
    m.X[s1] = -1.23, m.Y[s1] = -0.5;
    m.X[s2] = 2.23, m.Y[s2] = -0.5;
    m.X[s3] = 0.5, m.Y[s3] = 2.5;
    m.NELEM = 1;
    m.LNODS[1][0] = s1, m.LNODS[1][1] = s2, m.LNODS[1][2] = s3;

    // 5. boundaries, holes and inner points, with every segment an edge
    rough(m, in);
    bool inside = false;
    for (int t = 1; t <= m.NELEM && !inside; ++t) inside = m.REGION[t] != 0;
    if (!inside)
        stop(Pair::rough_no_element,
             "no triangle lies inside an exterior boundary: exterior lists run clockwise around their region");

    // 6-7. the nodes read stay where they are; refine to the count asked for
    for (int p = 1; p <= m.NNODE; ++p) m.IFIX[p] = 1;
    fine(m, ask_total(m.NNODE, answers, stdout));

    // 8. each new node added two triangles
    if (m.NELEM != 2 * m.NNODE + 1)
        stop(Pair::model_elements, strf("%d triangles for %d nodes", m.NELEM, m.NNODE));

    // 9-11. smooth, keep the domain, verify the links
    laplas(m);
    remove(m, in.n_exterior);
    check(m);

    // 12. back to the coordinates of the input, as nalvik.txt will hold them
    for (int p = 1; p <= m.NNODE; ++p) {
        m.X[p] = as_written(xmin + dmax * m.X[p]);
        m.Y[p] = as_written(ymin + dmax * m.Y[p]);
    }
    check_areas(m, in);
}

}  // namespace lindrove
