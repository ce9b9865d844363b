// lindrove_tri01 after the DXF scan, in memory: the entity records read back,
// the figures traced and listed, the outer figure chosen and the boundary
// points placed and written, every output to the console sink.
#pragma once
#include "drawing.h"
#include "fuzz_input.h"
#include "outputs.h"
#include "points.h"
#include "records.h"
#include "zukei.h"

namespace fuzz {

inline void figures(const std::string& facter_text, const std::string& out_text)
{
    static Drawing& d = table<Drawing>();
    fresh(d);
    d.con = d.err = console();
    Scanner facter("facter.txt", facter_text);
    const int count = read_record_count(facter);
    Scanner out("out.txt", out_text);
    read_records(d, out, count);
    trace_figures(d);
    write_fig_non(d, d.con);
    zukei_range(d);
    inzukei_outpoint(d);
    choose_rings(d);
    list_points(d);
    write_input01(d, d.con);
}

}  // namespace fuzz
