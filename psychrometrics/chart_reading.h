#pragma once

#include <cstdint>
#include <optional>

// What the chart readout reads at a pointer position on the psychrometric
// chart: the moist-air state there, and whether it is shown. Standard library
// only; the readout's binding to its window formats and writes it.
namespace chart {

// A reading is shown when its relative humidity (before any limit) is at most
// this many percent ...
constexpr double kShownRelativeHumidityLimit = 103.0;
// ... and its humidity ratio above this (kg/kg): just under the chart's
// lowest humidity-ratio line.
constexpr double kShownHumidityRatioFloor = 0.0038;

// The state at one position, in the units of the moist-air relations.
struct Reading
{
    double T = 0.0;             // dry bulb, degrees Celsius
    double W = 0.0;             // humidity ratio, kg/kg of dry air
    std::optional<double> p;    // total pressure, kPa; none when there is no usable pressure
    std::optional<double> pv;   // vapour pressure, kPa
    std::optional<double> RH;   // relative humidity, percent, as computed (may exceed 100)
    bool shown = false;         // p, pv and RH have values, RH <= 103 and W > 0.0038

    // Evaluated only for a shown reading; each is none where its relation
    // has no result.
    std::optional<double> Tdp;  // dew point, degrees Celsius
    std::optional<double> mu;   // degree of saturation, as computed (may exceed 1)
    std::optional<double> Twb;  // wet bulb, degrees Celsius (first trial 0.1)
    std::optional<double> h;    // enthalpy, kJ/kg of dry air
    std::optional<double> v;    // specific volume, m3/kg of dry air
    std::optional<double> rho;  // density, kg/m3
};

// Reads the chart at (x, y) twips of the chart box's inner area, at the total
// pressure p in kPa. A pressure that is missing, not a number, or outside what
// a barometer reads (input_band::kBarometricPressure) gives a reading with no
// pressure, never shown.
Reading readChart(float x, float y, std::optional<double> p);

// A pointer coordinate as the window keeps it in a 16-bit field: rounded to
// the nearest whole twip, a half to the even neighbour, and held within
// -32768..32767 (the pointer, captured during a drag, can leave the box far
// behind). Not a number gives 0.
std::int16_t storedTwips(float twips);

} // namespace chart
