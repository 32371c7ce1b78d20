#include "chart_reading.h"

#include "chart_calibration.h"
#include "input_limits.h"
#include "moist_air.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace chart {

namespace {

// The constants the readout passes to the moist-air relations.
constexpr psychro::WetBulbTrial kWetBulbTrial{0.0, 0.1};
constexpr psychro::SpecificHeats kHeats{1.0069254, 1.82};
constexpr psychro::DryAirGas kGas{287.05, 273.0};

// A pressure a barometer here can read; the band is told in millibar.
std::optional<double> usablePressure(std::optional<double> p)
{
    constexpr double kMillibarPerKilopascal = 10.0;
    if (p && input_band::kBarometricPressure.contains(*p * kMillibarPerKilopascal))
        return p;
    return std::nullopt;
}

// The rest of the state, for a reading that is shown (p, pv and RH known).
void completeShownReading(Reading &r)
{
    using namespace psychro;
    r.Tdp = DewPointFromHumidityRatio(r.W);
    r.mu = DegreeOfSaturation(*r.RH, *r.p, *r.pv, r.T);
    r.Twb = WetBulbSearch(r.T, r.W, *r.p, kWetBulbTrial);
    r.h = MoistAirEnthalpy(r.T, r.W, kHeats);
    r.v = MoistAirSpecificVolume(r.T, *r.p, *r.pv, kGas);
    if (r.v)
        r.rho = MoistAirDensity(r.W, *r.v);
}

} // namespace

Reading readChart(float x, float y, std::optional<double> p)
{
    Reading r;
    r.T = dryBulbFromX(x);
    r.W = humidityRatioFromY(y);
    r.p = usablePressure(p);
    if (!r.p)
        return r;
    r.pv = psychro::VapourPressureFromHumidityRatio(*r.p, r.W);
    if (r.pv)
        r.RH = psychro::RelativeHumidityFromVapourPressure(*r.pv, r.T);
    // A state whose relative humidity has no value (a dry bulb outside the
    // saturation pressure's range) lies off the chart like one above 103 %.
    r.shown = r.RH && *r.RH <= kShownRelativeHumidityLimit && r.W > kShownHumidityRatioFloor;
    // Nothing else of a reading that is not shown is looked at, so it is not
    // computed: no dew point of a humidity ratio <= 0, no wet-bulb search
    // for a state far above saturation.
    if (r.shown)
        completeShownReading(r);
    return r;
}

std::int16_t storedTwips(float twips)
{
    if (std::isnan(twips))
        return 0;
    // Half to even, written out rather than left to the floating-point
    // environment's rounding mode.
    const double t = twips;
    double whole = std::round(t);
    if (std::fabs(t - std::trunc(t)) == 0.5)
        whole = 2.0 * std::round(t / 2.0);
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(whole, lowest, highest));
}

} // namespace chart
