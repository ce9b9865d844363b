// Watches the drawing's characters for entity keywords and reads each entity's groups by position.
#include "dxf_reader.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "drawing.h"
#include "failure.h"
#include "outfile.h"
#include "scan.h"

namespace {

// The entities the reader picks out, in the order their keywords are tested: LWPOLYLINE
// and SPLINE also end with LINE, so they are caught first.
enum Kind { k_lwpolyline, k_spline, k_line, k_arc, k_circle, k_ellipse, k_point, kind_count };

struct Keyword {
    const char* tail;  // the scan window ends with it
    int skip;          // lines from the keyword to the entity's first group of data
};
// The skipped lines pass the handle, owner, subclass, layer and second subclass groups of
// the release-2000 layout; for SPLINE also its normal vector, flags and degree.
constexpr Keyword keywords[] = {
    {"LYLINE", 11}, {"SPLINE", 21}, {"LINE", 11}, {"ARC", 11}, {"CIRCLE", 11}, {"ELLIPSE", 11}, {"POINT", 11},
};
static_assert(sizeof keywords / sizeof keywords[0] == kind_count, "one keyword per entity kind");

constexpr int window_size = 11;  // the last characters read

// Group codes, in the order the entities carry them.
enum Code : int {
    c_x = 10, c_y = 20, c_z = 30,                     // a point
    c_x2 = 11, c_y2 = 21, c_z2 = 31,                  // a line's end, an ellipse's major axis, a fit point
    c_nx = 210, c_ny = 220, c_nz = 230,               // an ellipse's normal
    c_radius = 40, c_subclass = 100, c_start_angle = 50, c_end_angle = 51,
    c_ratio = 40, c_start_param = 41, c_end_param = 42,
    c_vertices = 90, c_flags = 70, c_width = 43,      // LWPOLYLINE
    c_knots = 72, c_controls = 73, c_fits = 74,       // SPLINE counts
    c_knot_tol = 42, c_control_tol = 43, c_fit_tol = 44,
    c_start_tangent = 12, c_start_tangent_y = 22, c_start_tangent_z = 32,
    c_end_tangent = 13, c_end_tangent_y = 23, c_end_tangent_z = 33, c_knot = 40,
};
constexpr int closed_flag = 1;  // bit of a LWPOLYLINE's flags

// A polyline or spline of more points would give more segments than the entity table holds.
constexpr int max_vertices = max_entities + 1;
// A knot vector holds the control points and the degree plus one.
constexpr int max_knots = max_vertices + 32;

bool is_white(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// The drawing as a character stream and as whitespace-separated group tokens. A token
// that does not convert stays unread, so that the scan goes on over it.
class Groups {
public:
    Groups(const char* s, size_t n, const std::string& file) : s_(s), n_(n), file_(file) {}

    int next_char() { return pos_ < n_ ? static_cast<unsigned char>(s_[pos_++]) : -1; }

    // Passes count line ends; the rest of the current line counts as the first.
    void skip_lines(int count)
    {
        while (count > 0 && pos_ < n_)
            if (s_[pos_++] == '\n') --count;
    }

    bool integer(int& v)
    {
        size_t b, e;
        if (!token(b, e) || !is_integer_token(s_ + b, e - b)) return false;
        pos_ = e;
        errno = 0;
        long long x = std::strtoll(std::string(s_ + b, e - b).c_str(), nullptr, 10);
        if (errno == ERANGE || x < INT_MIN || x > INT_MAX) return false;
        v = static_cast<int>(x);
        return true;
    }

    bool real(double& v)
    {
        size_t b, e;
        if (!token(b, e) || !is_real_token(s_ + b, e - b)) return false;
        pos_ = e;
        v = std::strtod(std::string(s_ + b, e - b).c_str(), nullptr);
        return std::isfinite(v);
    }

    // A token of any length, not kept.
    bool word()
    {
        size_t b, e;
        if (!token(b, e)) return false;
        pos_ = e;
        return true;
    }

    // Reads a group code (or takes the one given back) and compares it.
    bool code(int expected)
    {
        int c;
        return any_code(c) && c == expected;
    }
    bool any_code(int& c)
    {
        if (held_) {
            held_ = false;
            c = held_code_;
            return true;
        }
        return integer(c);
    }
    // A code read ahead to see whether an optional group follows.
    void give_back(int c)
    {
        held_ = true;
        held_code_ = c;
    }
    void forget_held() { held_ = false; }

    bool pair(int c, double& v) { return code(c) && real(v); }

    // The entity being read begins here, at its keyword.
    void mark_entity() { entity_ = pos_; }

    // Refuses the drawing at the line of the entity being read.
    [[noreturn]] void refuse(const std::string& what) const
    {
        long line = 1;
        for (size_t i = 0; i < entity_; ++i) line += s_[i] == '\n';
        fail(Status::input, file_, strf("line %ld: %s", line, what.c_str()));
    }

private:
    // Skips white space and finds the next token [b, e); false at the end of the drawing.
    bool token(size_t& b, size_t& e)
    {
        while (pos_ < n_ && is_white(s_[pos_])) ++pos_;
        b = e = pos_;
        while (e < n_ && !is_white(s_[e])) ++e;
        return e > b;
    }

    const char* s_;
    size_t n_;
    size_t pos_ = 0;
    size_t entity_ = 0;
    bool held_ = false;
    int held_code_ = 0;
    const std::string& file_;
};

// One entity as read, before any of its records is written.
struct Found {
    Kind kind;
    double v[7];            // line x1 y1 x2 y2; arc cx cy r a1 a2; circle cx cy r; ellipse cx cy mx my ratio t1 t2; point x y
    std::vector<double> xy; // polyline vertices or spline points, x and y in turn
    bool closed = false;    // a polyline whose last vertex joins its first
    std::string pairs;      // the spline's groups, echoed as they were read
};

bool point_pairs(Groups& g, int cx, int cy, int cz, double& x, double& y)
{
    double z;
    return g.pair(cx, x) && g.pair(cy, y) && g.pair(cz, z);
}

bool read_lwpolyline(Groups& g, Found& f)
{
    int n, flags;
    double width;
    if (!g.code(c_vertices) || !g.integer(n) || n < 1) return false;
    if (n > max_vertices)
        g.refuse(strf("a LWPOLYLINE of %d vertices: an outline holds %d segments at most", n, max_entities));
    if (!g.code(c_flags) || !g.integer(flags) || !g.pair(c_width, width)) return false;
    f.closed = (flags & closed_flag) != 0;
    f.xy.resize(2 * static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        if (!g.pair(c_x, f.xy[2 * i]) || !g.pair(c_y, f.xy[2 * i + 1])) return false;
    return true;
}

bool read_spline(Groups& g, Found& f)
{
    int knots, controls, fits;
    if (!g.code(c_knots) || !g.integer(knots) || !g.code(c_controls) || !g.integer(controls) ||
        !g.code(c_fits) || !g.integer(fits) || knots < 0 || controls < 0 || fits < 0)
        return false;
    if (controls > max_vertices || fits > max_vertices)
        g.refuse(strf("a SPLINE of %d points: an outline holds %d segments at most", std::max(controls, fits),
                      max_entities));
    if (knots > max_knots) g.refuse(strf("a SPLINE of %d knots: the reader holds %d", knots, max_knots));

    double v;
    auto echoed = [&](int code) {
        if (!g.pair(code, v)) return false;
        f.pairs += strf("%d ", code);
        f.pairs += strf("%f\n", v);
        return true;
    };
    auto tangent = [&](int cy, int cz) {
        double x, y, z;
        return g.real(x) && g.pair(cy, y) && g.pair(cz, z);
    };
    int n = fits > 0 ? fits : controls;
    if (n < 2) return false;  // fewer than two points make no segment
    f.xy.resize(2 * static_cast<size_t>(n));

    if (fits > 0) {
        if (!echoed(c_knot_tol) || !echoed(c_control_tol) || !echoed(c_fit_tol)) return false;
        int c;
        if (!g.any_code(c)) return false;
        if (c == c_start_tangent) {
            if (!tangent(c_start_tangent_y, c_start_tangent_z) || !g.any_code(c)) return false;
        }
        if (c == c_end_tangent) {
            if (!tangent(c_end_tangent_y, c_end_tangent_z)) return false;
        } else {
            g.give_back(c);  // no tangent: the code belongs to the knots that follow
        }
        for (int i = 0; i < knots; ++i)
            if (!g.pair(c_knot, v)) return false;
        for (int i = 0; i < controls; ++i)
            if (!echoed(c_x) || !echoed(c_y) || !echoed(c_z)) return false;
        for (int i = 0; i < fits; ++i)
            if (!point_pairs(g, c_x2, c_y2, c_z2, f.xy[2 * i], f.xy[2 * i + 1])) return false;
    } else {
        if (!echoed(c_knot_tol) || !echoed(c_control_tol)) return false;
        for (int i = 0; i < knots; ++i)
            if (!echoed(c_knot)) return false;
        for (int i = 0; i < controls; ++i)
            if (!point_pairs(g, c_x, c_y, c_z, f.xy[2 * i], f.xy[2 * i + 1])) return false;
    }
    return true;
}

bool read_line(Groups& g, Found& f)
{
    return point_pairs(g, c_x, c_y, c_z, f.v[0], f.v[1]) && point_pairs(g, c_x2, c_y2, c_z2, f.v[2], f.v[3]);
}

bool read_arc(Groups& g, Found& f)
{
    double z;
    return g.pair(c_x, f.v[0]) && g.pair(c_y, f.v[1]) && g.pair(c_z, z) && g.pair(c_radius, f.v[2]) &&
           g.code(c_subclass) && g.word() && g.pair(c_start_angle, f.v[3]) && g.pair(c_end_angle, f.v[4]);
}

bool read_circle(Groups& g, Found& f)
{
    double z;
    return g.pair(c_x, f.v[0]) && g.pair(c_y, f.v[1]) && g.pair(c_z, z) && g.pair(c_radius, f.v[2]);
}

bool read_ellipse(Groups& g, Found& f)
{
    double n;
    return point_pairs(g, c_x, c_y, c_z, f.v[0], f.v[1]) && point_pairs(g, c_x2, c_y2, c_z2, f.v[2], f.v[3]) &&
           g.pair(c_nx, n) && g.pair(c_ny, n) && g.pair(c_nz, n) && g.pair(c_ratio, f.v[4]) &&
           g.pair(c_start_param, f.v[5]) && g.pair(c_end_param, f.v[6]);
}

bool read_point(Groups& g, Found& f) { return point_pairs(g, c_x, c_y, c_z, f.v[0], f.v[1]); }

bool read_entity(Kind kind, Groups& g, Found& f)
{
    f.kind = kind;
    switch (kind) {
    case k_lwpolyline: return read_lwpolyline(g, f);
    case k_spline: return read_spline(g, f);
    case k_line: return read_line(g, f);
    case k_arc: return read_arc(g, f);
    case k_circle: return read_circle(g, f);
    case k_ellipse: return read_ellipse(g, f);
    case k_point: return read_point(g, f);
    case kind_count: break;
    }
    return false;
}

// Numbers the records and keeps the console counters.
struct Writer {
    FILE* out;
    FILE* con;
    int n = 0;
    int line_no = 1, arc_no = 1, cir_no = 1, ell_no = 1, poi_no = 1;

    void segment(double x1, double y1, double x2, double y2)
    {
        std::fprintf(out, "%d\t1\t%.4f\t%.4f\t%.4f\t%.4f\n", ++n, x1, y1, x2, y2);
        std::fprintf(con, "line_no=%d sta_x=%.4f sta_y=%.4f end_x=%.4f end_y=%.4f\n", line_no++, x1, y1, x2, y2);
    }

    void put(const Found& f)
    {
        const double* v = f.v;
        const std::vector<double>& p = f.xy;
        size_t np = p.size() / 2;
        switch (f.kind) {
        case k_lwpolyline:
            for (size_t i = 1; i < np; ++i) segment(p[2 * i - 2], p[2 * i - 1], p[2 * i], p[2 * i + 1]);
            // a closed polyline joins its last vertex to its first, unless they already coincide
            if (f.closed && np >= 2 && (p[2 * np - 2] != p[0] || p[2 * np - 1] != p[1]))
                segment(p[2 * np - 2], p[2 * np - 1], p[0], p[1]);
            break;
        case k_spline:
            std::fputs(f.pairs.c_str(), con);
            std::fprintf(out, "%d\t6\t%d\t%.4f\t%.4f", ++n, static_cast<int>(np), p[0], p[1]);
            for (size_t i = 1; i < np; ++i) std::fprintf(out, "\t%.4f\t%.4f", p[2 * i], p[2 * i + 1]);
            std::fprintf(out, "\n");
            ++line_no;
            break;
        case k_line:
            segment(v[0], v[1], v[2], v[3]);
            break;
        case k_arc:
            std::fprintf(out, "%d\t2\t%.4f\t%.4f\t%.4f\t%.4f\t%.4f\n", ++n, v[0], v[1], v[2], v[3], v[4]);
            std::fprintf(con, "arc_no=%d cen_x=%.4f cen_y=%.4f r=%.4f str_k=%.4f end_k=%.4f\n", arc_no++, v[0],
                         v[1], v[2], v[3], v[4]);
            break;
        case k_circle:
            std::fprintf(out, "%d\t3\t%.4f\t%.4f\t%.4f\n", ++n, v[0], v[1], v[2]);
            std::fprintf(con, "cir_no=%d cen_x=%.4f cen_y=%.4f r=%.4f\n", cir_no++, v[0], v[1], v[2]);
            break;
        case k_ellipse:
            std::fprintf(out, "%d\t4\t%.4f\t%.4f\t%.4f\t%.4f\t%.4f\t%.4f\t%.4f\n", ++n, v[0], v[1], v[2], v[3], v[4],
                         v[5], v[6]);
            std::fprintf(con,
                         "ell_no=%d cen_x=%.4f cen_y=%.4f lon_x=%.4f lon_y=%.4f sho_r=%.4f str_k=%.4f end_k=%.4f\n",
                         ell_no++, v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
            break;
        case k_point:
            std::fprintf(out, "%d\tP\t%.4f\t%.4f\n", ++n, v[0], v[1]);
            std::fprintf(con, "poi_no=%d cen_x=%.4f cen_y=%.4f\n", poi_no++, v[0], v[1]);
            break;
        case kind_count:
            break;
        }
    }
};

bool ends_with(const char* window, const char* tail)
{
    size_t n = std::strlen(tail);
    return std::memcmp(window + window_size - n, tail, n) == 0;
}

}  // namespace

int zahyo_yomi(const char* text, size_t size, FILE* out, FILE* con, const std::string& file)
{
    Groups g(text, size, file);
    Writer w{out, con};
    char window[window_size];
    std::memset(window, ' ', sizeof window);
    for (;;) {
        if (ends_with(window, "EOF")) break;
        int c = g.next_char();
        if (c < 0) break;  // a drawing without its EOF ends with its last character
        std::memmove(window, window + 1, window_size - 1);
        window[window_size - 1] = static_cast<char>(c);
        for (int kind = 0; kind < kind_count; ++kind) {
            if (!ends_with(window, keywords[kind].tail)) continue;
            g.mark_entity();
            g.skip_lines(keywords[kind].skip);
            Found f;
            if (read_entity(static_cast<Kind>(kind), g, f)) w.put(f);
            g.forget_held();
            break;
        }
    }
    return w.n;
}

void zahyo_yomi(const Scanner& drawing, OutFile& out, OutFile& facter, FILE* con)
{
    const std::string& text = drawing.text();
    int n = zahyo_yomi(text.data(), text.size(), out.fp(), con, drawing.file());
    std::fprintf(facter.fp(), "%d", n);
}
