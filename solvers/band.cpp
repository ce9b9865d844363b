// Row replacement, band measurement and band elimination of the structural solvers.
#include "band.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "failure.h"

void fix(const Structure& s, Stiffness& tkmat, double* tf)
{
    auto replace = [&](int r, double value) {
        for (int c = 0; c < s.dimk; ++c) tkmat[r][c] = 0.0;
        tkmat[r][r] = 1.0;
        tf[r] = value;
    };
    for (int i = 0; i < s.np; ++i) {
        if (s.ix[i] != 0) replace(2 * i, s.u[i]);
        if (s.iy[i] != 0) replace(2 * i + 1, s.v[i]);
    }
}

namespace {

// Does entry (i, j) reach far enough to count? Zero entries never do, not even
// against a zero diagonal (0/0); a non-zero one against a zero diagonal does.
bool significant(const Stiffness& a, int i, int j)
{
    if (a[i][j] == 0.0) return false;
    double r = a[i][j] / a[i][i];
    if (r < 0) r = -r;
    return r > 1e-10;
}

}  // namespace

int band_check(const Stiffness& a, int dimk)
{
    int b = 2;
    for (int i = 0; i < dimk; ++i) {
        // only the farthest significant entry on each side matters: scan inwards
        for (int j = dimk - 1; j > i && j - i + 1 > b; --j)
            if (significant(a, i, j)) {
                b = j - i + 1;
                break;
            }
        for (int j = 0; j < i && i - j + 1 > b; ++j)
            if (significant(a, i, j)) {
                b = i - j + 1;
                break;
            }
    }
    return b;
}

int gauss_symb(Stiffness& a, double* f, double* x, int n)
{
    if (n <= 0) return -1;
    int b = band_check(a, n);
    std::vector<double> diag(n);
    for (int i = 0; i < n; ++i) diag[i] = a[i][i];
    auto weak = [&](int p) {
        double piv = a[p][p];
        return !std::isfinite(piv) || piv == 0.0 || std::fabs(piv) < 1e-12 * std::fabs(diag[p]);
    };
    // last[p]: the farthest column of row p that is non-zero once it is scaled
    std::vector<int> last(n, 0);
    for (int p = 0; p < n - 1; ++p) {
        if (weak(p)) return p;
        int end = std::min(b + p, n);
        double piv = a[p][p];
        double* rp = a[p];
        int lp = p;
        for (int j = p + 1; j < end; ++j) {
            rp[j] = rp[j] / piv;
            if (rp[j] != 0.0) lp = j;
        }
        last[p] = lp;
        f[p] = f[p] / piv;
        for (int i = p + 1; i < end; ++i) {
            double mult = a[i][p];
            // a zero multiplier leaves the row as it is; skipping it changes no byte
            if (mult == 0.0) continue;
            double* ri = a[i];
            for (int j = p + 1; j <= lp; ++j) ri[j] = ri[j] - mult * rp[j];
            f[i] = f[i] - mult * f[p];
        }
    }
    if (weak(n - 1)) return n - 1;
    x[n - 1] = f[n - 1] / a[n - 1][n - 1];
    for (int i = n - 2; i >= 0; --i) {
        double s = 0.0;
        for (int j = i + 1; j <= last[i]; ++j) s = s + a[i][j] * x[j];
        x[i] = f[i] - s;
    }
    return -1;
}

void fix_and_solve(Structure& s, Stiffness& tkmat, const char* file)
{
    fix(s, tkmat, s.tf);
    int weak = gauss_symb(tkmat, s.tf, s.solve, s.dimk);
    if (weak >= 0)
        fail(Status::model, file,
             strf("node %d %s has no stiffness: it is in no element, or the structure is not held "
                  "against rigid motion",
                  weak / 2 + 1, weak % 2 ? "y" : "x"));
}

void gauss_symb_plain(Stiffness& a, double* f, double* x, int n)
{
    if (n <= 0) return;
    int b = band_check(a, n);
    for (int p = 0; p < n - 1; ++p) {
        int end = std::min(b + p, n);
        for (int j = p + 1; j < end; ++j) a[p][j] = a[p][j] / a[p][p];
        f[p] = f[p] / a[p][p];
        for (int i = p + 1; i < end; ++i) {
            for (int j = p + 1; j < end; ++j) a[i][j] = a[i][j] - a[i][p] * a[p][j];
            f[i] = f[i] - a[i][p] * f[p];
        }
    }
    x[n - 1] = f[n - 1] / a[n - 1][n - 1];
    for (int i = n - 2; i >= 0; --i) {
        int end = std::min(b + i, n);
        double s = 0.0;
        for (int j = i + 1; j < end; ++j) s = s + a[i][j] * x[j];
        x[i] = f[i] - s;
    }
}
