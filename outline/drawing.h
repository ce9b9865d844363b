// The tables of lindrove_tri01: entities, figures, boundary points and the working values of the walks.
#pragma once
#include <cstdio>
#include <string>

// Table capacities. Index 0 of every entity, figure, element and point table is never
// used, so each table has one row more than it holds.
constexpr int max_entities = 2999;    // lines, arcs, circles, ellipses and spline segments
constexpr int max_figures = 8;        // closed figures of one drawing
constexpr int max_elements = 2999;    // outline elements of one figure
constexpr int max_points = 2999;      // boundary points of one figure
constexpr int max_pieces = 2999;      // quadrant pieces of one figure's outline
constexpr int max_candidates = 99;    // entity ends that meet at one junction
constexpr int mesher_nodes = 4000;    // nodes lindrove_tri02 holds: every boundary point is one
constexpr int mesher_holes = 10;      // interior boundaries lindrove_tri02 holds
static_assert(max_figures - 1 <= mesher_holes, "every figure but the outer one is a hole");

constexpr int entity_rows = max_entities + 1;
constexpr int figure_rows = max_figures + 1;
constexpr int element_rows = max_elements + 2;  // the element after the last starts a row
constexpr int point_rows = max_points + 1;
constexpr int piece_rows = max_pieces + 1;
constexpr int candidate_rows = max_candidates + 1;

// Entity types (`fig`, `outfig`, `f_outfig`).
enum EntityType : int { t_line = 1, t_arc = 2, t_circle = 3, t_ellarc = 4, t_ellipse = 5 };

// The whole state of one run. Zero at start, as the program's tables are; tests make
// their own. The console and the warning stream are part of it so that tests can read them.
struct Drawing {
    FILE* con = stdout;   // the console echo
    FILE* err = stderr;   // warnings

    // Entities, in the order they are built.
    int non[entity_rows];  // record number of each out.txt record, by record
    int fac;               // entity count + 1
    int fig[entity_rows];
    int fig_s[entity_rows];  // 0 free, -1 touched by a trace but not taken, else its figure
    int dxf_non[entity_rows];
    double line_x[entity_rows][2], line_y[entity_rows][2];
    double cen_x[entity_rows], cen_y[entity_rows], rad[entity_rows];
    double sta_ang[entity_rows], end_ang[entity_rows];
    double lon_x[entity_rows], lon_y[entity_rows], sho_r[entity_rows];
    double sotai_a[entity_rows], sotai_b[entity_rows];
    double el_b1_1[entity_rows], el_b1_2[entity_rows], el_b2_1[entity_rows], el_b2_2[entity_rows];

    // Figures.
    int f_non;
    double f_min_x[figure_rows], f_min_y[figure_rows], f_max_x[figure_rows], f_max_y[figure_rows];
    int f_m[figure_rows];
    bool f_closed[figure_rows];  // the trace came back to its start (circles and full ellipses always do)
    bool f_kept[figure_rows];    // the figure goes into INPUT01.TXT
    int outdxf_non[figure_rows][element_rows];
    int f_outfig[figure_rows][element_rows];
    double f_outline_x[figure_rows][element_rows][2], f_outline_y[figure_rows][element_rows][2];
    double f_outcen_x[figure_rows][element_rows], f_outcen_y[figure_rows][element_rows];
    double f_outrad[figure_rows][element_rows];
    double f_outsta_ang[figure_rows][element_rows], f_outend_ang[figure_rows][element_rows];
    int f_out_ang[figure_rows][element_rows];
    double f_outel_b1_1[figure_rows][element_rows], f_outel_b1_2[figure_rows][element_rows];
    double f_outel_b2_1[figure_rows][element_rows], f_outel_b2_2[figure_rows][element_rows];
    double f_outsotai_a[figure_rows][element_rows], f_outsotai_b[figure_rows][element_rows];

    // Outer figure and boundary points.
    double f_range[figure_rows];
    int f_ranmax_non;
    double f_ranmax_x;
    int f_k[figure_rows];
    double f_out_x[figure_rows][point_rows], f_out_y[figure_rows][point_rows];
    int f_out_z[figure_rows][point_rows];
    int ppp;
    int kazu = 100;

    // Working values of the trace of the current figure.
    double min_x, min_y, max_x, max_y, min_s, max_s;
    double line_v_min;
    int o, p, k, q;
    int m = 1;  // 1 while no figure has been traced
    double outline_x[element_rows][2], outline_y[element_rows][2];
    int outfig[element_rows];
    double outcen_x[element_rows], outcen_y[element_rows], outrad[element_rows];
    double outsta_ang[element_rows], outend_ang[element_rows];
    int out_ang[element_rows];
    double outel_b1_1[element_rows], outel_b1_2[element_rows], outel_b2_1[element_rows], outel_b2_2[element_rows];
    double outsotai_a[element_rows], outsotai_b[element_rows];
    double v_x[candidate_rows], v_y[candidate_rows];
    int v_i[candidate_rows], v_j[candidate_rows], v_fig[candidate_rows];
    double vs_x[candidate_rows], vs_y[candidate_rows], v[candidate_rows], v_bec[candidate_rows];
    double sita[candidate_rows], vsdash_x[candidate_rows], vsdash_y[candidate_rows];
    double sita_max;

    // Quadrant pieces of the current figure (a console listing).
    int kp;
    double newout_x[piece_rows][2], newout_y[piece_rows][2];
    double f_newout_x[figure_rows][piece_rows][2], f_newout_y[figure_rows][piece_rows][2];
    int flag_max, flag_min;

    // Walk state shared by the angle walks.
    double sum_ang, cut_ang, cut_ran, temp_x, temp_y, temp_s;
    int cut_non, temp_i;
};

// A warning on the warning stream, after the console echo so far: the run goes on.
inline void warn(Drawing& d, const std::string& what)
{
    std::fflush(d.con);
    std::fprintf(d.err, "lindrove_tri01: warning: %s\n", what.c_str());
}
