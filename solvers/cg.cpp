// The conjugate-gradient iteration without preconditioner; every pass runs over the DOFs in index order.
#include "cg.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "failure.h"

namespace {

double mean_abs(const double* r, int n)
{
    double sum = 0.0;
    for (int i = 0; i < n; ++i) sum = sum + std::fabs(r[i]);
    return sum / n;
}

bool all_zero(const double* v, int n)
{
    for (int i = 0; i < n; ++i)
        if (v[i] != 0.0) return false;
    return true;
}

[[noreturn]] void no_convergence(const EbeSystem& sys, long k, double eps)
{
    fail(Status::numeric, sys.file,
         strf("no convergence after %ld iterations (mean residual %s): %s", k, short_e(eps).c_str(), sys.hint));
}

}  // namespace

void fix_init(const EbeSystem& sys, double* x)
{
    for (int i = 0; i < sys.n; ++i) x[i] = sys.held.held[i] ? sys.held.g[i] : sys.free_start;
}

void fix_last(const EbeSystem& sys, double* v)
{
    for (int i = 0; i < sys.n; ++i)
        if (sys.held.held[i]) v[i] = 0.0;
}

CgReport cg_solve(const EbeSystem& sys, const double* f, double* x)
{
    const int n = sys.n;
    const unsigned char* held = sys.held.held;
    double* r = sys.r;
    double* p = sys.p;
    double* y = sys.y;
    const long limit = cg_limit(n);

    // The passes over the DOFs are fused wherever every sum keeps its index
    // order: held DOFs are zeroed as p y is summed, r p is summed as p is
    // made, and y is cleared there for the next product.

    // the free DOFs see the prescribed values through this first product
    fix_init(sys, x);
    ebe_multiply(sys.store, y, x, n);
    double rp = 0.0, sum = 0.0;
    for (int i = 0; i < n; ++i) {
        double ri = held[i] ? 0.0 : f[i] - y[i];
        r[i] = ri;
        p[i] = ri;
        y[i] = 0.0;
        rp = rp + ri * ri;
        sum = sum + std::fabs(ri);
    }
    double eps = sum / n;

    long k = 0;
    for (;;) {
        ++k;
        ebe_accumulate(sys.store, y, p);
        double py = 0.0;
        for (int i = 0; i < n; ++i) {
            double yi = held[i] ? 0.0 : y[i];
            y[i] = yi;
            py = py + p[i] * yi;
        }
        // nowhere left to go: the residual is already exactly zero, and 0/0
        // would write NaN into every value, the held ones included
        if (py == 0.0 && all_zero(p, n)) break;
        double alpha = rp / py;
        if (!std::isfinite(alpha)) no_convergence(sys, k, eps);

        double ry = 0.0;
        sum = 0.0;
        for (int i = 0; i < n; ++i) {
            x[i] = x[i] + alpha * p[i];
            r[i] = r[i] - alpha * y[i];
            ry = ry + r[i] * y[i];
            sum = sum + std::fabs(r[i]);
        }
        double beta = -ry / py;
        rp = 0.0;
        for (int i = 0; i < n; ++i) {
            p[i] = r[i] + beta * p[i];
            rp = rp + r[i] * p[i];
            y[i] = 0.0;
        }
        eps = sum / n;
        if (!std::isfinite(eps)) no_convergence(sys, k, eps);
        if (!(eps > cg_tolerance)) break;
        if (k >= limit) no_convergence(sys, k, eps);
    }
    // the residual as updated can fall while x drifts along a motion the model
    // does not hold; the residual of x itself tells, with ten times the
    // tolerance as room for the rounding that parts the two in a sound run
    ebe_multiply(sys.store, y, x, n);
    for (int i = 0; i < n; ++i) r[i] = f[i] - y[i];
    fix_last(sys, r);
    double true_eps = mean_abs(r, n);
    if (!(true_eps <= 10 * cg_tolerance)) no_convergence(sys, k, true_eps);
    CgReport rep;
    rep.loops = static_cast<int>(k);
    rep.eps = eps;
    return rep;
}
