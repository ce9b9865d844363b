// Refinement: the target dialogue, the distortion ranking and the edge splits.
#include "refine.h"

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

#include "kernel.h"
#include "predicates.h"
#include "scan.h"
#include "stop.h"

namespace lindrove {

namespace {

[[noreturn]] void no_answer(const std::string& what) { throw Stop(Pair::fine_answer, "standard input", what); }

// One free-form integer: blanks and line ends before it, the rest of its line dropped.
int read_answer(FILE* in)
{
    int c;
    do c = std::fgetc(in);
    while (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ',');
    if (c == EOF) no_answer("the input ends before the total number of nodes");
    std::string token;
    while (c != EOF && c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != ',') {
        if (token.size() < 40) token += static_cast<char>(c);
        c = std::fgetc(in);
    }
    while (c != EOF && c != '\n') c = std::fgetc(in);
    long long v = 0;
    bool ok = is_integer_token(token.data(), token.size());
    if (ok) {
        errno = 0;
        v = std::strtoll(token.c_str(), nullptr, 10);
        ok = errno != ERANGE && v >= INT_MIN && v <= INT_MAX;
    }
    if (!ok) no_answer("expected an integer for the total number of nodes, found '" + token + "'");
    return static_cast<int>(v);
}

// Selection by the largest remaining distortion, the first on ties, exchanged forward.
void rank(Mesh& m)
{
    for (int i = 1; i < m.NCAND; ++i) {
        int best = i;
        for (int j = i + 1; j <= m.NCAND; ++j)
            if (m.DIST[m.LCAND[j]] > m.DIST[m.LCAND[best]]) best = j;
        std::swap(m.LCAND[i], m.LCAND[best]);
    }
}

// Puts u into the ranked list after every entry of larger or equal distortion.
void insert_ranked(Mesh& m, int u)
{
    const double d = m.DIST[u];
    int* first = m.LCAND + 1;
    int* at = std::upper_bound(first, first + m.NCAND, d, [&](double v, int t) { return v > m.DIST[t]; });
    std::copy_backward(at, first + m.NCAND, first + m.NCAND + 1);
    *at = u;
    ++m.NCAND;
}

}  // namespace

int ask_total(int nnode, FILE* in, FILE* out)
{
    int ntotal;
    do {
        std::fputs(" TOTAL NUMBER OF NODES = ? \n", out);
        std::fflush(out);
        ntotal = read_answer(in);
        std::fprintf(out, " NTOTAL=%d\n", ntotal);
    } while (ntotal < nnode || ntotal > MXN);
    return ntotal;
}

void distor(const Mesh& m, int t, double& d, int& iv)
{
    const int P = m.LNODS[t][0], Q = m.LNODS[t][1], R = m.LNODS[t][2];
    const double* X = m.X;
    const double* Y = m.Y;
    double a3 = theta(X[R], Y[R], X[P], Y[P], X[Q], Y[Q]);
    double a1 = theta(X[P], Y[P], X[Q], Y[Q], X[R], Y[R]);
    double a2 = PI - a3 - a1;
    double d3 = a3 - PI3, d1 = a1 - PI3, d2 = a2 - PI3;
    d = std::fabs(d1) + std::fabs(d2) + std::fabs(d3);
    double largest;
    if (d1 <= d3)
        iv = 0, largest = d3;  // edge P-Q, opposite R
    else
        iv = 1, largest = d1;  // edge Q-R, opposite P
    if (d2 > largest) iv = 2;  // edge R-P, opposite Q
}

void remesh(Mesh& m, int t, int e, int l, int f, int p)
{
    const int A = m.LNODS[t][e], B = m.LNODS[t][nx(e)], c = m.LNODS[t][pv(e)];
    const int d = m.LNODS[l][pv(f)];
    // the neighbour across the split edge runs it the other way
    if (m.LNODS[l][f] != B || m.LNODS[l][nx(f)] != A) swaps_broke_down("before", p);
    const int a1 = m.NEIB[t][nx(e)], a2 = m.NEIB[t][pv(e)];
    const int b1 = m.NEIB[l][nx(f)], b2 = m.NEIB[l][pv(f)];
    const int m1 = m.NELEM + 1, m2 = m.NELEM + 2;
    assert(m2 <= MXE);
    m.NELEM = m2;
    const int tris[4] = {t, m1, l, m2};
    const int rows[4][3] = {{p, B, c}, {p, c, A}, {p, A, d}, {p, d, B}};
    const int links[4][3] = {{m2, a1, m1}, {t, a2, l}, {m1, b1, m2}, {l, b2, t}};
    for (int k = 0; k < 4; ++k)
        for (int j = 0; j < 3; ++j) {
            m.LNODS[tris[k]][j] = rows[k][j];
            m.NEIB[tris[k]][j] = links[k][j];
        }
    m.REGION[m1] = m.REGION[t];
    m.REGION[m2] = m.REGION[l];

    relist(m, B, l, m2);
    incr(m, c, m1);
    relist(m, A, t, m1);
    incr(m, d, m2);
    m.NTCOUNT[p] = 0;
    for (int k = 0; k < 4; ++k) incr(m, p, tris[k]);
    if (a2) m.NEIB[a2][edge(m, a2, t)] = m1;
    if (b2) m.NEIB[b2][edge(m, b2, l)] = m2;

    int top = 0;
    const int outer[4] = {a1, a2, b1, b2};
    for (int k = 0; k < 4; ++k)
        if (outer[k] && m.REGION[outer[k]] == m.REGION[tris[k]]) push(m.ISTACK, top, p, tris[k]);
    swap_loop(m, p, top, p);
}

void fine(Mesh& m, int ntotal)
{
    if (ntotal <= m.NNODE) return;
    for (int t = 1; t <= MXE; ++t) m.IFLAG[t] = 1;
    double aref = 1.0 / ntotal;
    for (;;) {
        // a sweep: rank every triangle of the domain afresh, with a halved area floor
        aref = aref * 0.5;
        for (int t = 1; t <= MXE; ++t) m.DIST[t] = 0, m.IWORST[t] = 0, m.LCAND[t] = 0;
        m.NCAND = 0;
        for (int t = 1; t <= m.NELEM; ++t)
            if (m.REGION[t] != 0) {
                m.LCAND[++m.NCAND] = t;
                distor(m, t, m.DIST[t], m.IWORST[t]);
            }
        rank(m);
        const double amin = aref * 0.10000000149011612;

        while (m.NCAND > 0) {
            if (m.NNODE >= ntotal) return;
            const int t = m.LCAND[1], e = m.IWORST[t];
            const int l = m.NEIB[t][e];
            const int f = edge(m, l, t);
            const int A = m.LNODS[t][e], B = m.LNODS[t][nx(e)];
            const int p = ++m.NNODE;
            m.X[p] = (m.X[B] + m.X[A]) / 2;
            m.Y[p] = (m.Y[B] + m.Y[A]) / 2;
            std::printf(" NEW POINT NUMBER = %5d\n", p);
            remesh(m, t, e, l, f, p);

            if (m.REGION[t] == m.REGION[l]) {
                // an inner edge: the new node goes to its fan's centroid unless a triangle gets too small
                const double xm = m.X[p], ym = m.Y[p];
                centroid_of_fan(m, p, m.X[p], m.Y[p]);
                for (int k = 0; k < m.NTCOUNT[p]; ++k)
                    if (area(m, m.NTLIST[p][k]) <= amin) {
                        m.X[p] = xm, m.Y[p] = ym;
                        break;
                    }
            } else {
                m.IFIX[p] = 1;  // on a boundary between regions: it stays on the boundary
            }

            // the triangles around p are new: drop their old ranks, rank those big enough
            const int* fan = m.NTLIST[p];
            const int nfan = m.NTCOUNT[p];
            for (int k = 0; k < nfan; ++k) m.IFLAG[fan[k]] = 0, m.DIST[fan[k]] = 0, m.IWORST[fan[k]] = 0;
            int kept = 0;
            for (int i = 1; i <= m.NCAND; ++i)
                if (m.IFLAG[m.LCAND[i]]) m.LCAND[++kept] = m.LCAND[i];
            m.NCAND = kept;
            for (int k = 0; k < nfan; ++k) m.IFLAG[fan[k]] = 1;
            for (int k = 0; k < nfan; ++k) {
                int u = fan[k];
                if (area(m, u) > aref && m.REGION[u] != 0) {
                    distor(m, u, m.DIST[u], m.IWORST[u]);
                    insert_ranked(m, u);
                }
            }
        }
        if (m.NNODE >= ntotal) return;
    }
}

}  // namespace lindrove
