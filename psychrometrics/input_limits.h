#pragma once

// What a number typed into an input box can physically be in this program.
// A typed number outside its band is refused like text that is not a number:
// the calculation that reads it does not run and its results show no reading.
// The step controls only reach values well inside these bands; the bands
// keep out what no physics here covers (a typed 999999 ºC), while a value the
// arrows cannot reach but the relations do cover (a typed 35 ºC) is computed.
struct InputBand
{
    double minimum;
    double maximum;

    constexpr bool contains(double value) const { return value >= minimum && value <= maximum; }
};

namespace input_band {

// Air temperatures (dry bulb, wet bulb, apparatus dew point), ºC: where the
// saturation pressure of water vapour is defined.
inline constexpr InputBand kTemperature{-60.0, 80.0};

// Barometric pressure, mbar: from high mountains to deep mines.
inline constexpr InputBand kBarometricPressure{500.0, 1200.0};

// Relative humidity, %.
inline constexpr InputBand kRelativeHumidity{0.0, 100.0};

// Refrigerant superheat at the evaporator outlet, K: never negative, and small
// enough that the suction temperature stays an air-conditioning temperature.
inline constexpr InputBand kSuperheat{0.0, 60.0};

// Ventilation air flow, m³/h: never negative; a million m³/h is far beyond
// any air handler serving one room.
inline constexpr InputBand kVentilationFlow{0.0, 1.0e6};

// Room sensible and latent loads, W: either sign (a room can lose heat), up
// to a megawatt.
inline constexpr InputBand kRoomLoad{-1.0e6, 1.0e6};

// Coil bypass factor, %.
inline constexpr InputBand kBypassFactor{0.0, 100.0};

} // namespace input_band
