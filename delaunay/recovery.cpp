// Boundary recovery: insertion of boundaries, search of the crossed chain, re-triangulation.
#include "recovery.h"

#include <cassert>
#include <cstdint>
#include <cstdio>

#include "predicates.h"
#include "stop.h"

namespace lindrove {

namespace {

bool edge_exists(const Mesh& m, int a, int b)
{
    for (int k = 0; k < m.NTCOUNT[a]; ++k)
        if (has_vertex(m, m.NTLIST[a][k], b)) return true;
    return false;
}

// The boundary positions (a, b, c) of a triangle's vertices run in decreasing cyclic
// order (inside an exterior boundary, sign +1) or increasing (-1); 0 when a vertex is
// off the boundary. The product is taken in 64 bits: positions reach 4000.
int turn_of_positions(const Mesh& m, int t)
{
    int64_t a = m.IPOS[m.LNODS[t][0]], b = m.IPOS[m.LNODS[t][1]], c = m.IPOS[m.LNODS[t][2]];
    if (a == 0 || b == 0 || c == 0) return 0;
    int64_t p = (a - c) * (c - b) * (b - a);
    return p > 0 ? 1 : p < 0 ? -1 : 0;
}

void clear_ipos(Mesh& m)
{
    for (int i = 0; i <= MXN + 3; ++i) m.IPOS[i] = 0;
}

bool is_chain_strip(const Mesh& m, int start, int target)
{
    if (m.NPATH < 2 || !has_vertex(m, m.IPATH[1], target) || !has_vertex(m, m.IPATH[m.NPATH], start))
        return false;
    for (int i = 1; i < m.NPATH; ++i) {
        int u = m.IPATH[i], w = m.IPATH[i + 1];
        int e = find3(m.NEIB[u], w);
        if (e < 0) return false;
        int a = m.LNODS[u][e], b = m.LNODS[u][nx(e)];
        if (!crosses_properly(m.X[start], m.Y[start], m.X[target], m.Y[target], m.X[a], m.Y[a], m.X[b], m.Y[b]))
            return false;
    }
    return true;
}

// The chain built by walking from the start along the segment to the target.
void walk_strip(Mesh& m, int r, int target, int start)
{
    const double xs = m.X[start], ys = m.Y[start], xt = m.X[target], yt = m.Y[target];
    auto crossed = [&](int a, int b) { return crosses_properly(xs, ys, xt, yt, m.X[a], m.Y[a], m.X[b], m.Y[b]); };
    int t = 0, e = -1;
    for (int k = 0; k < m.NTCOUNT[start] && !t; ++k) {
        int u = m.NTLIST[start][k];
        int q = ivert(m, u, start);
        if (crossed(m.LNODS[u][nx(q)], m.LNODS[u][pv(q)])) t = u, e = nx(q);
    }
    if (!t) stop(Pair::search_closed, strf("the segment %d-%d runs along an edge or through a node", start, target));
    m.NPATH = 0;
    m.IPATH[++m.NPATH] = t;
    for (int steps = 0;; ++steps) {
        int a = m.LNODS[t][e], b = m.LNODS[t][nx(e)];
        int n = m.NEIB[t][e];
        if (m.REGION[t] != r || boundary_segment(m, a, b) || n == 0 || m.REGION[n] != r || steps > m.NELEM)
            stop(Pair::search_empty, strf("the segment %d-%d leaves its region or crosses the boundary", start, target));
        m.IPATH[++m.NPATH] = n;
        if (has_vertex(m, n, target)) break;
        int f = edge(m, n, t);
        int v = m.LNODS[n][pv(f)];
        if (crossed(a, v))
            e = nx(f);
        else if (crossed(v, b))
            e = pv(f);
        else
            stop(Pair::search_closed, strf("the segment %d-%d passes through node %d", start, target, v));
        t = n;
    }
    for (int i = 1, j = m.NPATH; i < j; ++i, --j) {
        int s = m.IPATH[i];
        m.IPATH[i] = m.IPATH[j];
        m.IPATH[j] = s;
    }
}

// The breadth-first queue of search, a ring in ISTACK.
struct Queue {
    Mesh& m;
    int head = 0, size = 0;
    void put(int t)
    {
        if (size >= MXN) stop(Pair::ipush, strf("more than %d triangles in the search queue", MXN));
        m.ISTACK[1 + (head + size) % MXN] = t;
        ++size;
    }
    int take()
    {
        int t = m.ISTACK[1 + head];
        head = (head + 1) % MXN;
        --size;
        return t;
    }
};

}  // namespace

bool links_hold(const Mesh& m, const int* tris, int count)
{
    for (int i = 0; i < count; ++i) {
        int t = tris[i];
        for (int e = 0; e < 3; ++e) {
            int a = m.LNODS[t][e], b = m.LNODS[t][nx(e)];
            int n = m.NEIB[t][e];
            if (n == 0) {
                if (!(is_super(a) && is_super(b))) return false;
                continue;
            }
            int f = find3(m.NEIB[n], t);
            if (f < 0 || m.LNODS[n][f] != b || m.LNODS[n][nx(f)] != a) return false;
        }
    }
    return true;
}

void search(Mesh& m, int r, int target, int start)
{
    m.NPATH = 0;
    for (int t = 1; t <= m.NELEM; ++t) m.IPATH[t] = m.IMARK[t] = 0;
    for (int i = 1; i <= MXN; ++i) m.ISTACK[i] = 0;

    int mark = 0;
    for (int k = 0; k < m.NTCOUNT[start]; ++k) m.IMARK[m.NTLIST[start][k]] = ++mark;
    const int m0 = mark;

    Queue queue{m};
    int found = 0;
    // a triangle o of region r beyond edge e of t, not yet reached, across no segment
    auto reach = [&](int t, int e) {
        int o = m.NEIB[t][e];
        if (!o || m.IMARK[o] || m.REGION[o] != r || boundary_segment(m, m.LNODS[t][e], m.LNODS[t][nx(e)])) return;
        m.IMARK[o] = ++mark;
        if (has_vertex(m, o, target))
            found = o;
        else
            queue.put(o);
    };
    for (int k = 0; k < m.NTCOUNT[start] && !found; ++k) {
        int t = m.NTLIST[start][k];
        reach(t, nx(ivert(m, t, start)));
    }
    while (!found) {
        if (queue.size == 0)
            stop(Pair::search_empty, strf("node %d cannot be reached from node %d inside region %d", target, start, r));
        int t = queue.take();
        for (int e = 0; e < 3 && !found; ++e) reach(t, e);
    }

    // back along the smallest marks to a triangle at the start
    int t = found;
    for (;;) {
        m.IPATH[++m.NPATH] = t;
        if (m.IMARK[t] <= m0) break;
        int best = 0;
        for (int e = 0; e < 3; ++e) {
            int o = m.NEIB[t][e];
            if (!o || !m.IMARK[o] || boundary_segment(m, m.LNODS[t][e], m.LNODS[t][nx(e)])) continue;
            if (!best || m.IMARK[o] < m.IMARK[best]) best = o;
        }
        if (!best) stop(Pair::search_closed, strf("no way back from node %d to node %d", target, start));
        t = best;
    }

    // a chain that is not the strip the segment crosses would fold the new triangles
    if (!is_chain_strip(m, start, target)) walk_strip(m, r, target, start);
}

void pick(const Mesh& m, int start, int target, int* list1, int& n1, int* list2, int& n2)
{
    // from the first triangle's node after `from`, through the chain triangles
    // begin, begin + step, ... (stopping before end), each adding its node across
    // an outer edge of the chain, to `to`
    auto side = [&](int* list, int& n, int from, int first, int begin, int step, int end, int to) {
        auto add = [&](int node) {
            if (n >= LOCAL_VERT) stop(Pair::pick_count, "a polygon of the chain has too many nodes");
            list[++n] = node;
        };
        n = 0;
        add(from);
        int last = m.LNODS[first][nx(ivert(m, first, from))];
        add(last);
        for (int i = begin; i != end; i += step) {
            int t = m.IPATH[i];
            int q = ivert(m, t, last);
            int nb = m.NEIB[t][q];
            if (nb == 0 || !m.IFLAG[nb]) {
                last = m.LNODS[t][nx(q)];
                add(last);
            }
        }
        add(to);
    };
    side(list1, n1, target, m.IPATH[1], 2, +1, m.NPATH, start);
    side(list2, n2, start, m.IPATH[m.NPATH], m.NPATH - 1, -1, 1, target);
    if (n1 + n2 != m.NPATH + 4)
        stop(Pair::pick_count, strf("polygons of %d and %d nodes from a chain of %d triangles", n1, n2, m.NPATH));
}

void clip_ears(int n, const int* list, const double* X, const double* Y, Local& out)
{
    int v[LOCAL_VERT + 1];
    int cnt = n;
    for (int i = 0; i < n; ++i) v[i] = list[i + 1];
    out.n = 0;
    while (cnt > 2) {
        bool cut = false;
        // after a cut the sweep goes on with the triple that starts at the ear's third node
        for (int i = 0; i + 1 < cnt && cnt > 2; ++i) {
            int P = v[i], Q = v[i + 1], R = v[(i + 2) % cnt];
            if (!((X[Q] - X[P]) * (Y[R] - Y[P]) - (Y[Q] - Y[P]) * (X[R] - X[P]) > 1e-15)) continue;
            bool empty = true;
            for (int j = 0; j < cnt && empty; ++j) {
                int w = v[j];
                if (w != P && w != Q && w != R && in_closed_triangle(X[P], Y[P], X[Q], Y[Q], X[R], Y[R], X[w], Y[w]))
                    empty = false;
            }
            if (!empty) continue;
            ++out.n;
            out.lnods[out.n][0] = P, out.lnods[out.n][1] = Q, out.lnods[out.n][2] = R;
            for (int j = i + 1; j + 1 < cnt; ++j) v[j] = v[j + 1];
            --cnt;
            cut = true;
        }
        if (!cut) stop(Pair::subdiv_no_ear, strf("no ear left in a polygon of %d nodes", cnt));
    }
}

void subdiv(int n, const int* list, const double* X, const double* Y, Local& out)
{
    clip_ears(n, list, X, Y, out);

    // local adjacency: each edge meets its reverse in the table, or waits there for it
    struct Entry { int from, to, tri, pos; } table[LOCAL_EDGES];
    int entries = 0;
    for (int t = 1; t <= out.n; ++t)
        for (int b = 0; b < 3; ++b) {
            out.neib[t][b] = 0;
            int a = out.lnods[t][b], c = out.lnods[t][nx(b)];
            int k = 0;
            while (k < entries && !(table[k].from == c && table[k].to == a)) ++k;
            if (k < entries) {
                out.neib[t][b] = table[k].tri;
                out.neib[table[k].tri][table[k].pos] = t;
            } else {
                assert(entries < LOCAL_EDGES);
                table[entries++] = {a, c, t, b};
            }
        }

    lawson(out, n, X, Y, LOCAL_TRI);
}

void poly(Mesh& m, int start, int target)
{
    int* path = m.IPATH;
    if (m.NPATH == 2) {
        // the two triangles form a strictly convex quadrilateral: flip its diagonal
        int p1 = path[1], p2 = path[2];
        int e1 = edge(m, p1, p2), e2 = edge(m, p2, p1);
        int v1 = m.LNODS[p1][e1], v2 = m.LNODS[p2][e2];
        flip_diagonal(m.LNODS, m.NEIB, p1, e1, p2, e2);
        decr(m, v1, p2);
        decr(m, v2, p1);
        incr(m, start, p1);
        incr(m, target, p2);
        assert(links_hold(m, path + 1, 2));
        return;
    }
    if (m.NPATH > LOCAL_TRI)
        stop(Pair::poly_chain, strf("the segment %d-%d crosses %d triangles, more than %d", start, target, m.NPATH,
                                    LOCAL_TRI));

    for (int t = 1; t <= m.NELEM; ++t) m.IFLAG[t] = 0;
    for (int i = 1; i <= m.NPATH; ++i) m.IFLAG[path[i]] = 1;
    for (int i = 1; i <= m.NPATH; ++i)
        for (int k = 0; k < 3; ++k) decr(m, m.LNODS[path[i]][k], path[i]);

    int list1[LOCAL_VERT + 1], list2[LOCAL_VERT + 1], n1, n2;
    pick(m, start, target, list1, n1, list2, n2);
    Local t1, t2;
    subdiv(n1, list1, m.X, m.Y, t1);
    subdiv(n2, list2, m.X, m.Y, t2);
    if (t1.n + t2.n != m.NPATH)
        stop(Pair::poly_count, strf("%d triangles formed for a chain of %d", t1.n + t2.n, m.NPATH));

    // the chain's slots take the new triangles, the first polygon's first
    const Local* side[2] = {&t1, &t2};
    for (int s = 0, base = 0; s < 2; base += side[s]->n, ++s)
        for (int k = 1; k <= side[s]->n; ++k) {
            int slot = path[base + k];
            for (int j = 0; j < 3; ++j) {
                m.LNODS[slot][j] = side[s]->lnods[k][j];
                int local = side[s]->neib[k][j];
                m.NEIB[slot][j] = local ? path[base + local] : 0;
            }
        }
    for (int i = 1; i <= m.NPATH; ++i)
        for (int k = 0; k < 3; ++k) incr(m, m.LNODS[path[i]][k], path[i]);

    // join the polygons across the new edge and the chain to its surroundings
    for (int i = 1; i <= m.NPATH; ++i) {
        int t = path[i];
        for (int e = 0; e < 3; ++e) {
            if (m.NEIB[t][e]) continue;
            int a = m.LNODS[t][e], b = m.LNODS[t][nx(e)];
            if (is_super(a) && is_super(b)) continue;  // the super triangle's rim
            int owner = is_super(b) ? a : b;           // super vertices keep no list
            for (int k = 0; k < m.NTCOUNT[owner]; ++k) {
                int u = m.NTLIST[owner][k];
                int q = find3(m.LNODS[u], b);
                if (u != t && q >= 0 && m.LNODS[u][nx(q)] == a) {
                    m.NEIB[t][e] = u;
                    m.NEIB[u][q] = t;
                    break;
                }
            }
        }
    }
    assert(links_hold(m, path + 1, m.NPATH));
}

void bougen(Mesh& m, int r, int count, int capacity)
{
    clear_ipos(m);
    for (int k = 1; k <= count; ++k) m.IPOS[m.NODES[k]] = k;
    const int nstart = m.NNODE;
    int inserted = 0;
    if (m.NODES[1] > nstart) {
        delaun(m, r, m.NODES[1], m.NODES[1], capacity);
        ++inserted;
    }
    for (int k = 1; k <= count; ++k) {
        int cur = m.NODES[k], next = m.NODES[k % count + 1];
        std::printf(" NODE NUMBER = %5d\n", cur);
        if (next > nstart && k < count) {
            delaun(m, r, next, next, capacity);
            ++inserted;
        }
        if (!edge_exists(m, cur, next)) {
            search(m, r, next, cur);
            poly(m, cur, next);
            assert(edge_exists(m, cur, next));
        }
    }
    m.NNODE += inserted;
}

void rough(Mesh& m, const Outline& in)
{
    const int n = in.points();
    for (int i = 1; i <= in.n_exterior; ++i) {
        std::printf(" EXTERIOR BOUNDARY NUMBER= %5d\n", i);
        for (int k = 1; k <= in.exterior_count[i]; ++k) m.NODES[k] = in.exterior_order[i][k];
        bougen(m, 0, in.exterior_count[i], n);
        for (int t = 1; t <= m.NELEM; ++t)
            if (m.REGION[t] == 0 && turn_of_positions(m, t) > 0) m.REGION[t] = i;
    }
    // holes are numbered after the exterior nodes: all of those must be in by now
    if (m.NNODE != in.exterior_nodes())
        stop(Pair::rough_nodes, strf("the exterior lists name %d nodes, not %d", m.NNODE, in.exterior_nodes()));
    for (int j = 1; j <= in.n_interior; ++j) {
        std::printf(" INTERIOR BOUNDARY NUMBER = %5d\n", j);
        for (int k = 1; k <= in.interior_count[j]; ++k) m.NODES[k] = m.NNODE + k;
        int first = m.NNODE + 1;
        int r = m.REGION[locate(m, m.X[first], m.Y[first])];
        bougen(m, r, in.interior_count[j], n);
        for (int t = 1; t <= m.NELEM; ++t)
            if (m.REGION[t] == r && turn_of_positions(m, t) < 0) m.REGION[t] = 0;
    }
    clear_ipos(m);
    for (int k = 1; k <= in.n_inner_point; ++k) {
        int p = ++m.NNODE;
        std::printf(" INNER POINT NUMBER = %5d\n", p);
        int t = locate(m, m.X[p], m.Y[p]);
        delaun(m, m.REGION[t], p, p, n);
    }
    if (m.NNODE != n) stop(Pair::rough_nodes, strf("%d nodes in the mesh, %d points read", m.NNODE, n));
}

}  // namespace lindrove
