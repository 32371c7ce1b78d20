#pragma once

#include <optional>

// Saturation pressure of water vapour and the moist-air relations shared by
// the unit's calculation, the air handler's calculation and the chart readout.
//
// Units: temperatures in degrees Celsius, pressures in kPa, humidity ratio in
// kg of water per kg of dry air, enthalpy in kJ/kg of dry air, specific volume
// in m3/kg of dry air, density in kg/m3.
//
// Every relation takes the constants that differ between its callers as a
// small named struct, so a call reads like the table it comes from:
//     MoistAirEnthalpy(T, W, SpecificHeats{1.005, 1.805})
// Each caller keeps its own set; sets that differ only a little are never
// merged, since the differences show on the displays.
//
// A relation whose arithmetic has no result (a division by zero or by a
// missing saturation pressure, the logarithm of a humidity ratio <= 0)
// returns no value instead of NaN or infinity.
namespace psychro {

// Ratio of the molar masses of water and dry air (0.62198 or 0.622).
struct MolarMassRatio {
    double k;
};

// Specific heats of dry air (a) and water vapour (b), kJ/(kg K).
struct SpecificHeats {
    double a;
    double b;
};

// Gas constant of dry air R, J/(kg K), and the Celsius-to-kelvin offset T0.
struct DryAirGas {
    double R;
    double T0;
};

// The wet-bulb trial begins at `start` and climbs by `step` per pass.
struct WetBulbTrial {
    double start;
    double step;
};

// Saturation pressure of water vapour over -60..80 degrees (both bounds
// included), as three sigmoid pieces; no value outside that range. The
// pieces do not meet: there is a small step at 0 and at 40 degrees, and both
// boundary temperatures belong to the middle piece.
std::optional<double> pws(double T);

// The relations below count a missing pws as 0 kPa.

// Ws = k pws(T) / (p - pws(T))
std::optional<double> SaturationHumidityRatio(double T, double p, MolarMassRatio k);

// W = k phi pws(T) / (p - phi pws(T)), phi as a fraction 0..1
std::optional<double> HumidityRatioFromRelativeHumidity(double T, double phi, double p,
                                                        MolarMassRatio k);

// W = ((2501 - 2.381 Twb) Ws - (T - Twb)) / (2501 + 1.805 T - 4.186 Twb),
// Ws the saturation humidity ratio at Twb with k = 0.62198.
std::optional<double> HumidityRatioFromWetBulb(double T, double Twb, double p);

// Linear search upwards for the wet bulb of (T, W): from trial.start the trial
// climbs by trial.step (accumulated by repeated addition) until the humidity
// ratio at the trial reaches W; the start itself is never tested, and W <= 0
// returns the start after no pass.
//
// The search gives up, with no value, when kWetBulbSearchMaxPasses passes
// have not reached W (which also ends a search whose step does not advance the
// trial) or when a pass has no humidity ratio. `passes`, when given, receives
// the number of passes made.
//
// Where the humidity ratio is known to rise with the trial, the search skips
// ahead and bisects instead of testing every trial; trial, pass count and
// outcome are exactly those of the pass-by-pass search.
std::optional<double> WetBulbSearch(double T, double W, double p, WetBulbTrial trial,
                                    int *passes = nullptr);

// Longer than any search the windows make by a wide margin (their longest,
// from 0 in steps of 0.05 up to a wet bulb under 45 degrees, stays under 900
// passes), and still well under a millisecond of work.
constexpr int kWetBulbSearchMaxPasses = 5000;

// h = a T + W (2501 + b T)
double MoistAirEnthalpy(double T, double W, SpecificHeats heats);

// T = (h - 2501 W) / (1 + 1.82 W); the dry-air coefficient is 1, whatever
// specific heat the enthalpy was formed with.
std::optional<double> TemperatureFromEnthalpy(double h, double W);

// v = R (T + T0) / (1000 p - 1000 pv)
std::optional<double> MoistAirSpecificVolume(double T, double p, double pv, DryAirGas gas);

// rho = (1 + W) / v
std::optional<double> MoistAirDensity(double W, double v);

// pv = p W / (0.62198 + W)
std::optional<double> VapourPressureFromHumidityRatio(double p, double W);

// Relative humidity in percent: pv / pws(T) x 100; no value where pws has none.
std::optional<double> RelativeHumidityFromVapourPressure(double pv, double T);

// mu = RH (p - pws(T)) / (p - pv) / 100, with RH in percent.
std::optional<double> DegreeOfSaturation(double rh, double p, double pv, double T);

// Tdp = 94.889103 + 19.816751 L + 0.50332307 L^2, L = ln W; no value for W <= 0.
std::optional<double> DewPointFromHumidityRatio(double W);

} // namespace psychro
