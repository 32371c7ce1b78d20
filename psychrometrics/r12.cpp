#include "r12.h"

#include <cmath>

namespace r12 {

double pr12(double t)
{
    return 52.79 - 53.40263 / (std::exp((t - 89.83) / 34.603) + 1.0);
}

double hgr12(double t)
{
    return 187.54692 + 0.430064 * t - 0.0007227443 * t * t - 6.7134776e-06 * t * t * t;
}

double hfgr12(double t)
{
    return 151.51301 - 0.49202634 * t - 0.0015132276 * t * t - 1.3647635e-05 * t * t * t;
}

double vfr12(double t)
{
    return 0.71572657 + 0.001633494 * t + 8.1841126e-06 * t * t + 6.6941373e-08 * t * t * t;
}

std::optional<double> tr12(double p)
{
    if (!(p > 0.0))
        return std::nullopt;
    const double L = std::log(p);
    return -30.066507 + 23.419973 * L + 2.4138333 * L * L + 0.40992219 * L * L * L;
}

} // namespace r12
