// Drawings for the tests, written as text in the release-2000 group layout that
// lindrove_tri01 reads (handle, owner, AcDbEntity, layer and subclass before the data).
#pragma once
#include <string>
#include <utility>
#include <vector>

struct Group {
    int code;
    std::string value;
};
using Groups = std::vector<Group>;

// The groups of one entity after its header: data groups only.
Groups line_groups(double x1, double y1, double x2, double y2);
Groups arc_groups(double cx, double cy, double r, double a1, double a2);
Groups circle_groups(double cx, double cy, double r);
Groups ellipse_groups(double cx, double cy, double mx, double my, double ratio, double t1, double t2);
Groups point_groups(double x, double y);
Groups lwpolyline_groups(const std::vector<std::pair<double, double>>& vertices, bool closed);
// A spline through fit points (with the tangent groups when asked) or along control points.
Groups fit_spline_groups(const std::vector<std::pair<double, double>>& fits, bool start_tangent, bool end_tangent);
Groups control_spline_groups(const std::vector<std::pair<double, double>>& controls);

// One entity: "  0", its keyword, the header groups, then its data groups.
std::string entity(const std::string& keyword, const Groups& data);
// The header a drawing program writes before the data, ending in the subclass marker.
std::string entity_header(const std::string& keyword);
std::string groups_text(const Groups& groups);

// An ENTITIES section holding the given entities, and the EOF that ends the drawing.
std::string drawing(const std::string& entities);

// Convenience: whole entities.
std::string dxf_line(double x1, double y1, double x2, double y2);
std::string dxf_arc(double cx, double cy, double r, double a1, double a2);
std::string dxf_circle(double cx, double cy, double r);
std::string dxf_rectangle(double x0, double y0, double x1, double y1);  // four LINEs, counter-clockwise
