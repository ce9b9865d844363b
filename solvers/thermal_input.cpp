// Readers of init_heat.txt and result_brundel.txt for tombrel.
#include "thermal_input.h"

void read_init_heat(Scanner& sc, InitHeat& h, FILE* echo)
{
    h.t0 = sc.real("the reference temperature");
    std::fprintf(echo, "Initial Heat = %e\n", h.t0);
    sc.integer("the integer after the reference temperature");
    h.alpha = sc.real("the expansion coefficient");
    std::fprintf(echo, "Heat Ratio = %e\n", h.alpha);
}

void read_node_temp(Scanner& sc, double* t, int np, const char* mesh_file, FILE* echo)
{
    std::fprintf(echo, "Result Node Temp. = \n");
    for (int i = 0; i < np; ++i) {
        if (!sc.more())
            fail(Status::input, sc.file(),
                 strf("has %d rows for the %d nodes of %s: it belongs to another mesh", i, np, mesh_file));
        sc.at("row", i + 1);
        int no = sc.integer("the node number");
        if (no != i + 1) sc.refuse(strf("is numbered %d: the file belongs to another mesh than %s", no, mesh_file));
        t[i] = sc.real("the temperature");
        sc.real("the second value");
        std::fprintf(echo, "%d : %3.2f,\t", i + 1, t[i]);
        if ((i + 1) % 4 == 0) std::fprintf(echo, "\n");
    }
    std::fprintf(echo, "\n");
    if (sc.more())
        fail(Status::input, sc.file(),
             strf("has more rows than the %d nodes of %s: it belongs to another mesh", np, mesh_file));
}
