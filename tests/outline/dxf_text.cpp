// Test drawings in the group layout of a release-2000 drawing.
#include "dxf_text.h"

#include <cstdio>

namespace {

std::string num(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

void point3(Groups& g, int code, double x, double y)
{
    g.push_back({code, num(x)});
    g.push_back({code + 10, num(y)});
    g.push_back({code + 20, "0.0"});
}

const char* subclass_of(const std::string& keyword)
{
    if (keyword == "LINE") return "AcDbLine";
    if (keyword == "ARC" || keyword == "CIRCLE") return "AcDbCircle";
    if (keyword == "ELLIPSE") return "AcDbEllipse";
    if (keyword == "POINT") return "AcDbPoint";
    if (keyword == "LWPOLYLINE") return "AcDbPolyline";
    return "AcDbSpline";
}

}  // namespace

Groups line_groups(double x1, double y1, double x2, double y2)
{
    Groups g;
    point3(g, 10, x1, y1);
    point3(g, 11, x2, y2);
    return g;
}

Groups arc_groups(double cx, double cy, double r, double a1, double a2)
{
    Groups g;
    point3(g, 10, cx, cy);
    g.push_back({40, num(r)});
    g.push_back({100, "AcDbArc"});
    g.push_back({50, num(a1)});
    g.push_back({51, num(a2)});
    return g;
}

Groups circle_groups(double cx, double cy, double r)
{
    Groups g;
    point3(g, 10, cx, cy);
    g.push_back({40, num(r)});
    return g;
}

Groups ellipse_groups(double cx, double cy, double mx, double my, double ratio, double t1, double t2)
{
    Groups g;
    point3(g, 10, cx, cy);
    point3(g, 11, mx, my);
    g.push_back({210, "0.0"});
    g.push_back({220, "0.0"});
    g.push_back({230, "1.0"});
    g.push_back({40, num(ratio)});
    g.push_back({41, num(t1)});
    g.push_back({42, num(t2)});
    return g;
}

Groups point_groups(double x, double y)
{
    Groups g;
    point3(g, 10, x, y);
    return g;
}

Groups lwpolyline_groups(const std::vector<std::pair<double, double>>& vertices, bool closed)
{
    Groups g{{90, std::to_string(vertices.size())}, {70, closed ? "1" : "0"}, {43, "0.0"}};
    for (const auto& v : vertices) {
        g.push_back({10, num(v.first)});
        g.push_back({20, num(v.second)});
    }
    return g;
}

Groups fit_spline_groups(const std::vector<std::pair<double, double>>& fits, bool start_tangent, bool end_tangent)
{
    // the normal, flags and degree belong to the lines the reader skips
    Groups g{{72, "0"}, {73, "0"}, {74, std::to_string(fits.size())}, {42, "1e-10"}, {43, "1e-10"}, {44, "1e-10"}};
    if (start_tangent) point3(g, 12, 1, 0);
    if (end_tangent) point3(g, 13, 0, 1);
    for (const auto& p : fits) point3(g, 11, p.first, p.second);
    return g;
}

Groups control_spline_groups(const std::vector<std::pair<double, double>>& controls)
{
    // a clamped cubic: the knots are 0 four times, the inner ones, 1 four times
    size_t n = controls.size();
    size_t knots = n + 4;
    Groups g{{72, std::to_string(knots)}, {73, std::to_string(n)}, {74, "0"}, {42, "1e-10"}, {43, "1e-10"}};
    for (size_t i = 0; i < knots; ++i) {
        double t = i < 4 ? 0.0 : i >= n ? 1.0 : double(i - 3) / double(n - 3);
        g.push_back({40, num(t)});
    }
    for (const auto& p : controls) point3(g, 10, p.first, p.second);
    return g;
}

std::string groups_text(const Groups& groups)
{
    std::string s;
    char code[16];
    for (const auto& g : groups) {
        std::snprintf(code, sizeof code, "%3d\n", g.code);
        s += code;
        s += g.value + "\n";
    }
    return s;
}

std::string entity_header(const std::string& keyword)
{
    std::string spline_extra = keyword == "SPLINE" ? "210\n0.0\n220\n0.0\n230\n1.0\n 70\n0\n 71\n3\n" : "";
    return "  0\n" + keyword + "\n  5\n2F\n330\n1F\n100\nAcDbEntity\n  8\n0\n100\n" + subclass_of(keyword) + "\n" +
           spline_extra;
}

std::string entity(const std::string& keyword, const Groups& data) { return entity_header(keyword) + groups_text(data); }

std::string drawing(const std::string& entities)
{
    return "  0\nSECTION\n  2\nENTITIES\n" + entities + "  0\nENDSEC\n  0\nEOF\n";
}

std::string dxf_line(double x1, double y1, double x2, double y2) { return entity("LINE", line_groups(x1, y1, x2, y2)); }
std::string dxf_arc(double cx, double cy, double r, double a1, double a2)
{
    return entity("ARC", arc_groups(cx, cy, r, a1, a2));
}
std::string dxf_circle(double cx, double cy, double r) { return entity("CIRCLE", circle_groups(cx, cy, r)); }

std::string dxf_rectangle(double x0, double y0, double x1, double y1)
{
    return dxf_line(x0, y0, x1, y0) + dxf_line(x1, y0, x1, y1) + dxf_line(x1, y1, x0, y1) + dxf_line(x0, y1, x0, y0);
}
