#pragma once

#include <array>
#include <optional>

// The laboratory unit as a pure calculation: outdoor air driven by the fan
// through the steam injection, the preheater, the cooling coil (the evaporator
// of an R12 circuit) and the reheater, plus the pictures that follow from it:
// the air's path on the psychrometric chart, the cycle on the
// pressure-enthalpy diagram and the lit heating elements of the scheme.
//
// Everything is computed afresh from UnitInputs; nothing is kept between
// runs. Temperatures in degC, humidity ratios in kg/kg dry air, enthalpies of
// air in kJ/kg dry air and of R12 in kJ/kg, powers in kW. A wet bulb whose
// search gives up is NaN, and so is everything computed from it.
//
// Picture coordinates are twips and single precision, as the window stores
// them, laid on the lines and rest positions of unit_geometry.h; where a
// later line starts at an earlier line's end it starts at the stored float,
// and the diagram's X values are computed from the stored Y.

// Defaults: the window's design inputs with every heating element off.
struct UnitInputs
{
    double fanSetting = 8.0;     // knob position, 5 to 10
    double T1 = 23.0;            // outdoor dry bulb
    double Twb1 = 17.0;          // outdoor wet bulb
    double p = 101.3;            // barometric pressure, kPa
    double sh = 6.0;             // superheat at the evaporator outlet, K
    double steamPower = 0.0;
    double preheatPower = 0.0;
    double reheatPower = 0.0;
    int vapor1 = 0;              // steam generator selector, 0 to 5
    int prec = 0;                // preheater selector, 0 to 2
    int rec = 0;                 // reheater selector, 0 to 2
};

// One air state along the duct.
struct AirState
{
    double T;     // dry bulb
    double Twb;   // wet bulb
    double W;     // humidity ratio
    double h;     // enthalpy
};

struct FloatLine
{
    float X1, Y1, X2, Y2;
};

// Where a label stands: its Top and Left.
struct FloatPlace
{
    float Top, Left;
};

// The R12 circuit: 1 compressor suction, 2 discharge, 3 condenser outlet,
// 4 evaporator inlet.
struct RefrigerationCycle
{
    double te;      // evaporating temperature (point 4)
    double pe;      // evaporating pressure, bar abs
    double tsuc;    // suction temperature (point 1)
    double hsuc;    // suction enthalpy
    double Q;       // cooling capacity, kW
    double tc;      // condensing temperature
    double pc;      // condensing pressure, bar abs
    double tdis;    // discharge temperature (point 2)
    double hdis;    // discharge enthalpy
    double hfc;     // saturated-liquid enthalpy at tc
    double sc;      // subcooling, K
    double tliq;    // liquid temperature (point 3)
    double hliq;    // liquid enthalpy (points 3 and 4)
    double pliq;    // liquid pressure (point 3): the condenser's drop below pc
    double pinlet;  // evaporator inlet pressure (point 4): above pe by the evaporator's drop
    double mr;      // refrigerant mass flow, kg/s
    double Pcomp;   // compressor power, kW
    std::optional<double> COP;   // none when the compressor power is zero
    float floatTop; // Top of the rotameter float, twips
};

// One step of the air's path on the chart: a line and the letter at its end.
struct ChartStep
{
    FloatLine line;
    FloatPlace letter;
};

// The lit heating elements (Line6(0..6)): shown, hidden, or left as they are
// (no value) when a selector stands outside its positions.
using ElementBars = std::array<std::optional<bool>, 7>;

struct UnitResult
{
    // Fan and air flow.
    int rpm;              // fan speed shown by the tachometer
    float manometerX2;    // moving end of the manometer column
    float manometerY2;
    double f;             // air volume flow, m3/s
    double ma;            // air mass flow, kg/s
    double dp;            // orifice reading, mm water column

    // States 1 outdoor, 2 after the steam, 3 after the preheater, 4 after the
    // cooling coil, 5 after the reheater.
    AirState s1, s2, s3, s4, s5;
    bool supersaturated;  // air after the preheater beyond saturation
    double L;             // load figure of the coil and the circuit
    double Tc;            // cooling-coil temperature
    double condensate;    // kg/h

    // Chart path in drawing order: mark at A, A to B, B to C, C to D; the
    // letters "A" to "D".
    std::array<ChartStep, 4> chartPath;

    RefrigerationCycle cycle;

    // Pressure-enthalpy diagram: expansion, evaporation, compression,
    // condensation; the figures "1" to "4".
    std::array<FloatLine, 4> diagramLines;
    std::array<FloatPlace, 4> diagramFigures;

    ElementBars elementBars;
};

UnitResult computeUnit(const UnitInputs &in);
