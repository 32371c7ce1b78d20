#include "chart_calibration.h"

namespace chart {

double xFromDryBulb(double t) { return 120.0 + 63.0 * t; }
double yFromHumidityRatio(double w) { return 5446.875 - 142968.75 * w; }
double dryBulbFromX(double x) { return 0.015873 * x - 1.9047; }
double humidityRatioFromY(double y) { return 0.03809836 - 6.994535e-06 * y; }

} // namespace chart
