#pragma once

#include "unit_model.h"

// The main window's inputs as it opens, with the unit switched on: knob 8,
// 23/17 degC at 1013 mbar, every selector at 1.
inline UnitInputs designInputs()
{
    UnitInputs in;
    in.steamPower = 0.85;
    in.preheatPower = 0.96;
    in.reheatPower = 0.96;
    in.vapor1 = in.prec = in.rec = 1;
    return in;
}
