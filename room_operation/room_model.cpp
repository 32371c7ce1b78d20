#include "room_model.h"

#include "chart_calibration.h"
#include "moist_air.h"

#include <cmath>
#include <limits>

namespace room {

namespace {

// The air handler's own constants: 0.622 in all three humidity ratios, the
// enthalpy with 1.005 and 1.805, the outdoor specific volume with 287.055 and
// 273.15.
constexpr psychro::MolarMassRatio kMolarMassRatio{0.622};
constexpr psychro::SpecificHeats kHeats{1.005, 1.805};
constexpr psychro::DryAirGas kDryAir{287.055, 273.15};

// Inside one run a quantity without a value is carried as NaN, which every
// later step then inherits; results are checked once, at the end.
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

double valueOf(std::optional<double> x)
{
    return x.value_or(kNoValue);
}

std::optional<double> result(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    return x;
}

// a / b, or no value where b is zero or the quotient is not a finite number.
double quotient(double a, double b)
{
    if (b == 0.0)
        return kNoValue;
    const double q = a / b;
    return std::isfinite(q) ? q : kNoValue;
}

// Saturation pressure at T; no value outside the fit (where the relations
// would count it as 0 kPa, which would pass for perfectly dry air).
double saturationPressure(double T)
{
    return valueOf(psychro::pws(T));
}

double humidityRatio(double T, double phi, double p)
{
    if (std::isnan(saturationPressure(T)))
        return kNoValue;
    return valueOf(psychro::HumidityRatioFromRelativeHumidity(T, phi, p, kMolarMassRatio));
}

double saturationHumidityRatio(double T, double p)
{
    if (std::isnan(saturationPressure(T)))
        return kNoValue;
    return valueOf(psychro::SaturationHumidityRatio(T, p, kMolarMassRatio));
}

double enthalpy(double T, double W)
{
    return psychro::MoistAirEnthalpy(T, W, kHeats);
}

std::optional<AirState> state(double T, double W)
{
    if (!std::isfinite(T) || !std::isfinite(W))
        return std::nullopt;
    return AirState{T, W};
}

// Humidity ratio of the mix, read off the straight line from R to E at the
// mixed dry bulb Tm. The line's fraction (Tm - T2) / (T1 - T2) is mo / ms by
// the temperature balance; where outdoor and room air have the same dry bulb
// the line stands upright, the fraction's quotient is 0 / 0, and mo / ms is
// what it tends to.
double mixedHumidityRatio(double T1, double W1, double T2, double W2, double Tm, double mo,
                          double ms)
{
    if (T1 != T2)
        return W2 + (W1 - W2) * (Tm - T2) / (T1 - T2);
    return W2 + quotient((W1 - W2) * mo, ms);
}

} // namespace

std::optional<ChartPosition> chartPosition(const AirState &s)
{
    const auto x = float(chart::xFromDryBulb(s.T));
    const auto y = float(chart::yFromHumidityRatio(s.W));
    if (!std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    return ChartPosition{x, y};
}

RoomResults calculo(const RoomInputs &in)
{
    // Outdoor air E.
    const double W1 = humidityRatio(in.T1, in.phi1, in.p);
    const double pv1 = in.phi1 * saturationPressure(in.T1);
    const double vE = valueOf(psychro::MoistAirSpecificVolume(in.T1, in.p, pv1, kDryAir));
    const double mo = quotient(in.Vo, vE);
    const double h1 = enthalpy(in.T1, W1);

    // Room air R.
    const double W2 = humidityRatio(in.T2, in.phi2, in.p);
    const double h2 = enthalpy(in.T2, W2);

    // Apparatus dew point.
    const double Wadp = saturationHumidityRatio(in.Tadp, in.p);

    // Supply air flow that takes up the sensible load, the divisions in this order.
    const double V = quotient(quotient(in.Qs / 0.24 / 4184 / 1.2, 1 - in.BF), in.T2 - in.Tadp);
    const double ms = 1.2 * V;
    const double mr = ms - mo;

    // Mixed air C.
    const double hm = quotient(mo * h1 + mr * h2, ms);
    const double Tm = quotient(mo * in.T1 + mr * in.T2, ms);
    const double Wm = mixedHumidityRatio(in.T1, W1, in.T2, W2, Tm, mo, ms);

    // Coil outlet I, with the factor BF / (1 - BF).
    const double W3 = quotient((Wm - Wadp) * in.BF, 1 - in.BF) + Wadp;
    const double T3 = quotient((Tm - in.Tadp) * in.BF, 1 - in.BF) + in.Tadp;
    const double h3 = enthalpy(T3, W3);

    const double Vh = V * 3600;
    const double Qcoil = Vh * 1.2 * (hm - h3) / 3600;

    RoomResults out;
    out.V = result(V);
    out.Vh = result(Vh);
    out.Qcoil = result(Qcoil);
    out.roomSensibleHeatFactor = result(quotient(in.Qs, in.Qs + in.Ql));
    out.totalLoad = result((in.Qs + in.Ql) / 1000);
    // The coil's sensible heat over its total: the enthalpy change of the
    // cooling at constant humidity ratio W3, from Tm down to T3.
    out.coilSensibleHeatFactor = result(quotient(enthalpy(Tm, W3) - h3, hm - h3));
    out.E = state(in.T1, W1);
    out.R = state(in.T2, W2);
    out.I = state(T3, W3);
    out.C = state(Tm, Wm);
    return out;
}

} // namespace room
