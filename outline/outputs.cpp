// Writes what the figures come to: their list, their console listing and INPUT01.TXT.
#include "outputs.h"

#include "failure.h"

namespace {

const char* const drawing_file = "model2d.dxf";

int point_count(const Drawing& d, int f) { return d.f_k[f] - 1; }

}  // namespace

void write_fig_non(const Drawing& d, FILE* fp)
{
    for (int f = 1; f <= d.f_non; ++f) {
        std::fprintf(fp, "%d\t%d\t", f, d.f_m[f] - 1);
        for (int k = 1; k < d.f_m[f]; ++k) std::fprintf(fp, "%d\t", d.outdxf_non[f][k]);
        std::fprintf(fp, "\n");
    }
}

void choose_rings(Drawing& d)
{
    if (d.f_non == 0) fail(Status::model, drawing_file, "no figure: the drawing has no outline to mesh");
    for (int f = 1; f <= d.f_non; ++f) d.f_kept[f] = d.f_closed[f] && point_count(d, f) >= 3;
    int outer = d.f_ranmax_non;
    if (!d.f_closed[outer]) {
        int last = d.f_m[outer] - 1;
        fail(Status::model, drawing_file,
             strf("the outer figure %d does not close: its outline ends at (%f, %f)", outer,
                  d.f_outline_x[outer][last][1], d.f_outline_y[outer][last][1]));
    }
    if (!d.f_kept[outer])
        fail(Status::model, drawing_file,
             strf("the outer figure %d has %d boundary points: a ring needs three", outer, point_count(d, outer)));
    for (int f = 1; f <= d.f_non; ++f) {
        if (d.f_kept[f]) continue;
        if (!d.f_closed[f])
            warn(d, strf("figure %d does not close: it is left out of INPUT01.TXT", f));
        else
            warn(d, strf("figure %d has %d boundary points: it is left out of INPUT01.TXT", f, point_count(d, f)));
    }
}

void list_points(Drawing& d)
{
    int cnt_o = 0;
    for (int f = 1; f <= d.f_non; ++f) {
        if (!d.f_kept[f]) continue;
        cnt_o += d.f_k[f];
        std::fprintf(d.con, "cnt_o=%d\n", cnt_o);
    }
    d.ppp = 0;
    for (int f = 1; f <= d.f_non; ++f) {
        if (!d.f_kept[f]) continue;
        std::fprintf(d.con, "f_k[%d]=%d\n", f, d.f_k[f]);
        for (int k = 1; k < d.f_k[f]; ++k) {
            std::fprintf(d.con, "out_x[%d][%d]=%f\t", f, k, d.f_out_x[f][k]);
            std::fprintf(d.con, "out_y[%d][%d]=%f\n", f, k, d.f_out_y[f][k]);
            d.f_out_z[f][k] = ++d.ppp;
        }
    }
    if (d.ppp > mesher_nodes)
        fail(Status::input, drawing_file,
             strf("%d boundary points: lindrove_tri02 holds %d nodes", d.ppp, mesher_nodes));
}

void write_input01(const Drawing& d, FILE* fp)
{
    int outer = d.f_ranmax_non;
    int n_out = point_count(d, outer);
    int holes = 0;
    for (int f = 1; f <= d.f_non; ++f) holes += d.f_kept[f] && f != outer;
    std::fprintf(fp, "1\n");
    std::fprintf(fp, "%d\n", holes);
    std::fprintf(fp, "%d\n", n_out);
    for (int f = 1; f <= d.f_non; ++f)
        if (d.f_kept[f] && f != outer) std::fprintf(fp, "%d\n", point_count(d, f));
    if (holes == 0) std::fprintf(fp, "0\n");  // the mesher reads one count even for no hole
    std::fprintf(fp, "1");
    for (int i = n_out; i >= 2; --i) std::fprintf(fp, ",%d", i);
    std::fprintf(fp, "\n");
    std::fprintf(fp, "%d\n0\n", d.ppp);
    for (int k = 1; k <= n_out; ++k) std::fprintf(fp, "%f %f\n", d.f_out_x[outer][k], d.f_out_y[outer][k]);
    for (int f = 1; f <= d.f_non; ++f) {
        if (!d.f_kept[f] || f == outer) continue;
        for (int k = 1; k <= point_count(d, f); ++k) std::fprintf(fp, "%f %f\n", d.f_out_x[f][k], d.f_out_y[f][k]);
    }
}
