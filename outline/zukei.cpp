// Drives the stages from the entity records to the boundary description.
#include "zukei.h"

#include "failure.h"
#include "newline.h"
#include "outfile.h"
#include "outputs.h"
#include "points.h"
#include "records.h"
#include "scan.h"
#include "trace.h"

namespace {

bool entity_left(const Drawing& d)
{
    for (int i = 1; i < d.fac; ++i)
        if (takeable(d, i) && d.fig_s[i] == 0) return true;
    return false;
}

}  // namespace

void trace_figures(Drawing& d)
{
    // entities touched by a trace but not taken do not start a pass of their own
    while (entity_left(d)) {
        new_figure(d);
        zukei_min_max(d);
        zukei_outline(d);
        zukei_max(d);
        zukei_newline(d);
        if (d.m == 1) {
            // the next pass would start at the same end and take nothing again
            warn(d, strf("no entity leaves (%f, %f): the figures end there", d.line_x[d.o][d.p],
                         d.line_y[d.o][d.p]));
            --d.f_non;
            break;
        }
    }
}

void OutlineFiles::commit()
{
    commit_together({&out, &facter, &figures, &input});
}

void zukei(Drawing& d, OutlineFiles& files)
{
    // 1. the entity records; circles and full ellipses are figures at once
    files.facter.finish();
    Scanner facter = Scanner::open(files.facter.name(), files.facter.temp_path());
    int count = read_record_count(facter);
    std::fprintf(d.con, "okkkkk %d", count + 1);
    files.out.finish();
    Scanner out = Scanner::open(files.out.name(), files.out.temp_path());
    read_records(d, out, count);

    // 2. the traced figures, and their list
    trace_figures(d);
    write_fig_non(d, files.figures.fp());

    // 3. the outer figure and the boundary points of every figure
    zukei_range(d);
    inzukei_outpoint(d);
    std::fprintf(d.con, "\n");

    // 4. the rings for the mesher, outer one first
    choose_rings(d);
    list_points(d);
    write_input01(d, files.input.fp());
}
