// Node lists, lookups, point location, Delaunay insertion and Lawson swapping.
#include "kernel.h"

#include <cassert>

#include "predicates.h"
#include "stop.h"

namespace lindrove {

void incr(Mesh& m, int node, int tri)
{
    if (is_super(node)) return;
    if (m.NTCOUNT[node] >= MXT)
        stop(Pair::incr, strf("node %d would lie in more than %d triangles", node, MXT));
    m.NTLIST[node][m.NTCOUNT[node]++] = tri;
}

void decr(Mesh& m, int node, int tri)
{
    if (is_super(node)) return;
    int k = neibor(m, node, tri);
    int* list = m.NTLIST[node];
    for (int j = k + 1; j < m.NTCOUNT[node]; ++j) list[j - 1] = list[j];
    list[--m.NTCOUNT[node]] = 0;
    if (m.NTCOUNT[node] == 0) stop(Pair::decr, strf("node %d would lie in no triangle", node));
}

int neibor(const Mesh& m, int node, int tri)
{
    for (int k = 0; k < m.NTCOUNT[node]; ++k)
        if (m.NTLIST[node][k] == tri) return k;
    stop(Pair::neibor, strf("triangle %d is not in the list of node %d", tri, node));
}

void relist(Mesh& m, int node, int from, int to)
{
    if (is_super(node)) return;
    m.NTLIST[node][neibor(m, node, from)] = to;
}

int edge(const Mesh& m, int l, int k)
{
    int e = find3(m.NEIB[l], k);
    if (e < 0) stop(Pair::edge, strf("triangles %d and %d are not neighbours", l, k));
    return e;
}

int ivert(const Mesh& m, int tri, int node)
{
    int k = find3(m.LNODS[tri], node);
    if (k < 0) stop(Pair::ivert, strf("node %d is no vertex of triangle %d", node, tri));
    return k;
}

int ipush(int item, int capacity, int top)
{
    if (top > capacity) stop(Pair::ipush, strf("more than %d entries on the stack", capacity));
    return item;
}

void push(int* stack, int& top, int capacity, int item)
{
    ++top;
    stack[top] = ipush(item, capacity, top);
}

double area(const Mesh& m, int tri)
{
    const int* v = m.LNODS[tri];
    return area3(m.X[v[0]], m.Y[v[0]], m.X[v[1]], m.Y[v[1]], m.X[v[2]], m.Y[v[2]]);
}

bool has_vertex(const Mesh& m, int tri, int node) { return find3(m.LNODS[tri], node) >= 0; }

void centroid_of_fan(const Mesh& m, int p, double& x, double& y)
{
    double s = 0, sx = 0, sy = 0;
    for (int k = 0; k < m.NTCOUNT[p]; ++k) {
        const int* v = m.LNODS[m.NTLIST[p][k]];
        double w = area(m, m.NTLIST[p][k]);
        s += w;
        sx += w * (m.X[v[0]] + m.X[v[1]] + m.X[v[2]]) / 3.0;
        sy += w * (m.Y[v[0]] + m.Y[v[1]] + m.Y[v[2]]) / 3.0;
    }
    x = sx / s;
    y = sy / s;
}

bool boundary_segment(const Mesh& m, int a, int b)
{
    int pa = m.IPOS[a], pb = m.IPOS[b];
    return pa != 0 && pb != 0 && (pa - pb == 1 || pb - pa == 1);
}

namespace {

// The first edge of t that has p beyond it, or -1 when t holds p.
int exit_edge(const Mesh& m, int t, double xp, double yp)
{
    for (int e = 0; e < 3; ++e) {
        int a = m.LNODS[t][e], b = m.LNODS[t][nx(e)];
        if (beyond(m.X[a], m.Y[a], m.X[b], m.Y[b], xp, yp)) return e;
    }
    return -1;
}

}  // namespace

int locate(const Mesh& m, double xp, double yp)
{
    int t = m.NELEM;
    for (int steps = 0; steps <= m.NELEM; ++steps) {
        int e = exit_edge(m, t, xp, yp);
        if (e < 0) return t;
        t = m.NEIB[t][e];
        if (t == 0) break;  // beyond the super triangle
    }
    // a walk that circles in a mesh far from Delaunay: look at every triangle
    for (int u = 1; u <= m.NELEM; ++u)
        if (exit_edge(m, u, xp, yp) < 0) return u;
    stop(Pair::delaun_outside, strf("point (%.17g, %.17g) lies in no triangle", xp, yp));
}

void delaun(Mesh& m, int r, int i1, int i2, int capacity)
{
    for (int i = i1; i <= i2; ++i) {
        int t = locate(m, m.X[i], m.Y[i]);
        if (m.REGION[t] != r)
            stop(Pair::delaun_outside,
                 strf("node %d falls in triangle %d of region %d, not of region %d", i, t, m.REGION[t], r));
        assert(m.NELEM + 2 <= MXE);
        int P = m.LNODS[t][0], Q = m.LNODS[t][1], R = m.LNODS[t][2];
        int a = m.NEIB[t][0], b = m.NEIB[t][1], c = m.NEIB[t][2];
        int m1 = m.NELEM + 1, m2 = m.NELEM + 2;
        m.NELEM = m2;
        const int rows[3][3] = {{i, P, Q}, {i, Q, R}, {i, R, P}};
        const int links[3][3] = {{m2, a, m1}, {t, b, m2}, {m1, c, t}};
        const int tris[3] = {t, m1, m2};
        for (int k = 0; k < 3; ++k)
            for (int j = 0; j < 3; ++j) {
                m.LNODS[tris[k]][j] = rows[k][j];
                m.NEIB[tris[k]][j] = links[k][j];
            }
        m.REGION[m1] = m.REGION[m2] = r;

        incr(m, P, m2);
        incr(m, Q, m1);
        relist(m, R, t, m1);
        incr(m, R, m2);
        m.NTCOUNT[i] = 0;
        incr(m, i, t);
        incr(m, i, m1);
        incr(m, i, m2);
        if (b) m.NEIB[b][edge(m, b, t)] = m1;
        if (c) m.NEIB[c][edge(m, c, t)] = m2;

        int top = 0;
        const int outer[3] = {a, b, c};
        for (int k = 0; k < 3; ++k) {
            int o = outer[k];
            if (o && m.REGION[o] == r && !boundary_segment(m, m.LNODS[tris[k]][1], m.LNODS[tris[k]][2]))
                push(m.ISTACK, top, capacity, tris[k]);
        }
        swap_loop(m, i, top, capacity);
    }
}

void swaps_broke_down(const char* where, int p)
{
    stop(Pair::lawson, strf("the swaps %s node %d broke down: the points lie too close together "
                            "for the arithmetic, against the size of the box",
                            where, p));
}

void swap_loop(Mesh& m, int i, int top, int capacity)
{
    while (top > 0) {
        int l = m.ISTACK[top--];
        int r2 = m.NEIB[l][1];
        int e = edge(m, r2, l);
        int w1 = m.LNODS[r2][e], w2 = m.LNODS[r2][nx(e)], w3 = m.LNODS[r2][pv(e)];
        // every triangle waiting here has node i first and faces r2 across edge 1
        if (m.LNODS[l][0] != i || m.LNODS[l][1] != w2 || m.LNODS[l][2] != w1) swaps_broke_down("around", i);
        if (swap(m.X[w1], m.Y[w1], m.X[w2], m.Y[w2], m.X[w3], m.Y[w3], m.X[i], m.Y[i]) != 1) continue;

        int a2 = m.NEIB[r2][nx(e)], b2 = m.NEIB[r2][pv(e)], c2 = m.NEIB[l][2];
        m.LNODS[l][0] = i, m.LNODS[l][1] = w2, m.LNODS[l][2] = w3;
        m.NEIB[l][1] = a2, m.NEIB[l][2] = r2;
        m.LNODS[r2][0] = i, m.LNODS[r2][1] = w3, m.LNODS[r2][2] = w1;
        m.NEIB[r2][0] = l, m.NEIB[r2][1] = b2, m.NEIB[r2][2] = c2;
        decr(m, w1, l);
        decr(m, w2, r2);
        incr(m, i, r2);
        incr(m, w3, l);
        if (a2) m.NEIB[a2][edge(m, a2, r2)] = l;
        if (c2) m.NEIB[c2][edge(m, c2, l)] = r2;

        if (a2 && m.REGION[a2] == m.REGION[l] && !boundary_segment(m, w2, w3)) push(m.ISTACK, top, capacity, l);
        if (b2 && m.REGION[b2] == m.REGION[r2] && !boundary_segment(m, w3, w1)) push(m.ISTACK, top, capacity, r2);
    }
}

void flip_diagonal(int (*lnods)[3], int (*neib)[3], int l, int b, int k, int o)
{
    const int far_l = lnods[l][pv(b)], far_k = lnods[k][pv(o)];
    const int kn = neib[k][nx(o)], ln = neib[l][nx(b)];  // the outer triangles that change sides
    lnods[l][nx(b)] = far_k;
    neib[l][b] = kn;
    neib[l][nx(b)] = k;
    lnods[k][nx(o)] = far_l;
    neib[k][o] = ln;
    neib[k][nx(o)] = l;
    if (kn) {
        assert(find3(neib[kn], k) >= 0);
        neib[kn][find3(neib[kn], k)] = l;
    }
    if (ln) {
        assert(find3(neib[ln], l) >= 0);
        neib[ln][find3(neib[ln], l)] = k;
    }
}

void lawson(Local& t, int stack_capacity, const double* X, const double* Y, int c)
{
    int stack[LOCAL_VERT + 1];
    int top = 0;
    assert(stack_capacity <= LOCAL_VERT && t.n <= stack_capacity);
    for (int k = 1; k <= t.n; ++k) push(stack, top, stack_capacity, k);
    int iterations = 0;
    while (top > 0) {
        if (++iterations > c) stop(Pair::lawson, strf("more than %d swaps in one polygon", c));
        int l = stack[top--];
        for (int b = 0; b < 3; ++b) {
            int k = t.neib[l][b];
            if (k == 0) continue;
            int o = find3(t.neib[k], l);
            if (o < 0) stop(Pair::edge, strf("local triangles %d and %d are not neighbours", k, l));
            int lb = t.lnods[l][b], lb1 = t.lnods[l][nx(b)], lb2 = t.lnods[l][pv(b)];
            int w = t.lnods[k][pv(o)];  // the far vertex of k
            if (swap(X[lb1], Y[lb1], X[lb], Y[lb], X[w], Y[w], X[lb2], Y[lb2]) != 1) continue;
            flip_diagonal(t.lnods, t.neib, l, b, k, o);
            push(stack, top, stack_capacity, l);
            break;
        }
    }
}

}  // namespace lindrove
