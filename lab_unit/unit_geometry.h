#pragma once

// Geometry that the unit model places its results on and the main window's
// pictures are drawn to, in twips. Written once here, so that what the model
// computes lands on what the pictures show. Standard library only.

// The pressure-enthalpy diagram (Picture2 on the tab "Ciclo frigorifico").
// It is schematic: pressure levels are linear in the saturation temperature
// and the saturation lines are straight over the working range. Coordinates
// are twips inside the picture box, origin at its inner top-left corner.
namespace ph_diagram {

// Level (Y) of the saturation pressure at temperature t in degC: it rises
// 16.33 twips per degC from 2535 at 0 degC.
constexpr double kLevelAtZero = 2535.0;
constexpr double kLevelPerDegree = -16.33;
constexpr double levelY(double t) { return kLevelAtZero + (kLevelPerDegree * t); }

// Twips of X gained per twip of rise (Y falling) along each line.
constexpr double kLiquidLineSlope = 0.7551;
constexpr double kVapourLineSlope = 0.38776;
constexpr double kCompressionEndSlope = 0.85;

// The saturated-liquid and saturated-vapour lines at level y, valid up to
// about 65 degC; above that the picture closes them into the dome's top.
constexpr double liquidLineX(double y) { return 2559.2 - kLiquidLineSlope * y; }
constexpr double vapourLineX(double y) { return 3218.0 - kVapourLineSlope * y; }

// The isentrope on which the compression ends.
constexpr double compressionEndX(double y) { return 4269.0 - kCompressionEndSlope * y; }

// The cycle's subcooled liquid (points 3 and 4) stands this far left of the
// saturated-liquid line, its superheated suction vapour (point 1) this far
// right of the saturated-vapour line.
constexpr double kSubcooledOffset = 100.0;
constexpr double kSuperheatedOffset = 100.0;

} // namespace ph_diagram

// The trainer's drawing (Picture4): the indicators the running unit moves,
// twips inside the picture box.
namespace unit_scheme {

struct TwipsPoint
{
    float x, y;
};

// The manometer column (Line3) keeps its foot; its other end rests here
// while the unit is off.
constexpr TwipsPoint kManometerFoot{5895, 2385};
constexpr TwipsPoint kManometerRestEnd{5700, 2295};

// Top of the rotameter float (Image1) with no refrigerant flowing.
constexpr float kFloatRestTop = 3750;

} // namespace unit_scheme
