#pragma once

// The one linear relation between a position on the psychrometric chart
// picture (twips inside its chart box, origin at the box's inner top-left)
// and a moist-air state: dry bulb along X, humidity ratio along Y.
namespace chart {

// Forward conversion, used to place process markers. Double precision; the
// caller stores the result in a single-precision line end or label position.
double xFromDryBulb(double t);        // X = 120 + 63 T
double yFromHumidityRatio(double w);  // Y = 5446.875 - 142968.75 W

// Reverse conversion, used by the pointer readout. The constants are the
// rounded inverse the readout has always used (0.015873, not 1/63).
double dryBulbFromX(double x);        // T = 0.015873 X - 1.9047
double humidityRatioFromY(double y);  // W = 0.03809836 - 6.994535e-06 Y

// Size of the chart picture in pixels (15 twips to a pixel).
constexpr int kPictureWidth = 264;
constexpr int kPictureHeight = 351;

} // namespace chart
