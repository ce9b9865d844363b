// Reals of the files korvanta reads, held in single precision.
#include "single_real.h"

#include <cmath>

float single(Scanner& sc, const char* field)
{
    const double v = sc.real(field);
    if (!std::isfinite(static_cast<float>(v))) sc.refuse(strf("%s %g is beyond single precision", field, v));
    return static_cast<float>(v);
}
