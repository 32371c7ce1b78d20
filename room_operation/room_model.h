#pragma once

#include <optional>

// The air handler and the room it serves, as numbers: outdoor ventilation air
// E is mixed with air returned from the room R into the mixed state C, which
// the cooling coil brings to the supply state I. Standard library only; the
// operation window reads its boxes into RoomInputs and writes RoomResults.
//
// Units: temperatures in degrees Celsius, pressure in kPa, humidity ratios in
// kg of water per kg of dry air, flows in m3/s, loads in W.
namespace room {

struct RoomInputs
{
    double T1 = 0;     // outdoor dry bulb
    double phi1 = 0;   // outdoor relative humidity, fraction
    double Vo = 0;     // ventilation (outdoor) air flow, m3/s
    double p = 0;      // barometric pressure, kPa
    double phi2 = 0;   // room relative humidity, fraction
    double T2 = 0;     // room dry bulb
    double Tadp = 0;   // apparatus dew point of the coil
    double Qs = 0;     // room sensible load, W
    double Ql = 0;     // room latent load, W
    double BF = 0;     // bypass factor of the coil, fraction
};

// A state on the psychrometric chart.
struct AirState
{
    double T;   // dry bulb
    double W;   // humidity ratio
};

// Where a state stands on the chart, in twips of the chart box (single
// precision, as the markers keep it); none where it does not fit a float.
struct ChartPosition
{
    float x;
    float y;
};
std::optional<ChartPosition> chartPosition(const AirState &state);

// Every quantity is none where its arithmetic has no result (a division by
// zero, a temperature outside the saturation-pressure fit, an overflow).
struct RoomResults
{
    std::optional<double> V;               // supply air flow, m3/s
    std::optional<double> Vh;              // supply air flow, m3/h
    std::optional<double> Qcoil;           // coil power, kW
    std::optional<double> roomSensibleHeatFactor;   // Qs / (Qs + Ql)
    std::optional<double> totalLoad;       // (Qs + Ql) / 1000, kW
    std::optional<double> coilSensibleHeatFactor;   // sensible part of the coil's load
    std::optional<AirState> E;             // outdoor air
    std::optional<AirState> R;             // room (return) air
    std::optional<AirState> I;             // supply air, leaving the coil
    std::optional<AirState> C;             // mixed air, entering the coil
};

// One run of the air handler's calculation.
RoomResults calculo(const RoomInputs &in);

} // namespace room
