#pragma once

#include <optional>

// Saturation properties of the refrigerant R12, each a fit of one variable.
// Temperatures in degrees Celsius, pressures in bar absolute, enthalpies in
// kJ/kg referred to saturated liquid at -40 degrees. The liquid enthalpy at
// saturation is hgr12(t) - hfgr12(t).
//
// pr12 and tr12 are separate fits, not exact inverses of each other.
namespace r12 {

double pr12(double t);    // saturation pressure
double hgr12(double t);   // enthalpy of saturated vapour
double hfgr12(double t);  // latent heat of vaporisation
double vfr12(double t);   // specific volume of saturated liquid, l/kg

// Saturation temperature at pressure p; no value for p <= 0.
std::optional<double> tr12(double p);

} // namespace r12
