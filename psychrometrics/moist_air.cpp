#include "moist_air.h"

#include <cmath>

namespace psychro {

namespace {

// One piece of the saturation-pressure fit: a sigmoid with lower asymptote
// A1, upper asymptote A2, centre x0 and width dx.
struct Sigmoid {
    double A1;
    double A2;
    double x0;
    double dx;

    double operator()(double T) const { return A2 + (A1 - A2) / (std::exp((T - x0) / dx) + 1.0); }
};

constexpr Sigmoid kBelowFreezing{-0.00076069, 2.4147, 12.374, 9.9854};  // -60 <= T < 0
constexpr Sigmoid kMiddle{-0.15971, 49.935, 68.44, 16.434};             //   0 <= T <= 40
constexpr Sigmoid kAbove40{-1.5804, 325.45, 117.9, 21.813};             //  40 < T <= 80

constexpr double kLatentHeat = 2501.0;
constexpr MolarMassRatio kWetBulbMolarMassRatio{0.62198};

// The result of a formula, or no value where its arithmetic had none (a
// division by zero gives infinity or NaN).
std::optional<double> finite(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    return x;
}

// The saturation pressure as the relations use it: 0 kPa where pws has none.
double pwsOrZero(double T) { return pws(T).value_or(0.0); }

} // namespace

std::optional<double> pws(double T)
{
    if (!(T >= -60.0 && T <= 80.0))
        return std::nullopt;
    if (T < 0.0)
        return kBelowFreezing(T);
    if (T <= 40.0)
        return kMiddle(T);
    return kAbove40(T);
}

std::optional<double> SaturationHumidityRatio(double T, double p, MolarMassRatio k)
{
    const double ps = pwsOrZero(T);
    return finite(k.k * ps / (p - ps));
}

std::optional<double> HumidityRatioFromRelativeHumidity(double T, double phi, double p,
                                                        MolarMassRatio k)
{
    const double ps = pwsOrZero(T);
    return finite(k.k * phi * ps / (p - phi * ps));
}

std::optional<double> HumidityRatioFromWetBulb(double T, double Twb, double p)
{
    const auto Ws = SaturationHumidityRatio(Twb, p, kWetBulbMolarMassRatio);
    if (!Ws)
        return std::nullopt;
    return finite(((kLatentHeat - 2.381 * Twb) * *Ws - (T - Twb))
                  / (kLatentHeat + 1.805 * T - 4.186 * Twb));
}

std::optional<double> WetBulbSearch(double T, double W, double p, WetBulbTrial trial,
                                    int *passes)
{
    double t = trial.start;
    double Wc = 0.0;
    int count = 0;
    bool found = true;
    while (W - Wc > 0.0) {
        if (count == kWetBulbSearchMaxPasses) {
            found = false;
            break;
        }
        t = t + trial.step;
        ++count;
        const auto w = HumidityRatioFromWetBulb(T, t, p);
        if (!w) {
            found = false;
            break;
        }
        Wc = *w;
    }
    if (passes)
        *passes = count;
    if (!found)
        return std::nullopt;
    return t;
}

double MoistAirEnthalpy(double T, double W, SpecificHeats heats)
{
    return heats.a * T + W * (kLatentHeat + heats.b * T);
}

std::optional<double> TemperatureFromEnthalpy(double h, double W)
{
    return finite((h - kLatentHeat * W) / (1.0 + 1.82 * W));
}

std::optional<double> MoistAirSpecificVolume(double T, double p, double pv, DryAirGas gas)
{
    return finite(gas.R * (T + gas.T0) / (1000.0 * p - 1000.0 * pv));
}

std::optional<double> MoistAirDensity(double W, double v)
{
    return finite((1.0 + W) / v);
}

std::optional<double> VapourPressureFromHumidityRatio(double p, double W)
{
    return finite(p * W / (0.62198 + W));
}

std::optional<double> RelativeHumidityFromVapourPressure(double pv, double T)
{
    const auto ps = pws(T);
    if (!ps)
        return std::nullopt;
    return finite(pv / *ps * 100.0);
}

std::optional<double> DegreeOfSaturation(double rh, double p, double pv, double T)
{
    return finite(rh * (p - pwsOrZero(T)) / (p - pv) / 100.0);
}

std::optional<double> DewPointFromHumidityRatio(double W)
{
    if (!(W > 0.0))
        return std::nullopt;
    const double L = std::log(W);
    return 94.889103 + 19.816751 * L + 0.50332307 * L * L;
}

} // namespace psychro
