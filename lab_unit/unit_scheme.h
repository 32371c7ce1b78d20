#pragma once

#include <array>

class QGroupBox;
class Surface;
class SurfaceImage;
class SurfaceLabel;
class SurfaceLine;
class SurfaceShape;
class UpDown;
class iAnalogDisplayX;
class iAngularGaugeX;
class iSevenSegmentIntegerX;
class iThermometerX;

// The controls laid over the trainer's drawing (the main window's Picture4):
// thermometers, read-outs, gauges, tachometer, the lines and shapes the running
// unit moves, and the hover-help labels. Names and indices are the window's own;
// unused indices of an array stay null.
struct UnitSchemeControls
{
    std::array<iThermometerX *, 13> ter{};
    std::array<SurfaceShape *, 5> Shape8{};        // wicks on the wet-bulb thermometers
    std::array<iAnalogDisplayX *, 15> itext1{};
    std::array<SurfaceLabel *, 2> Label7{};        // row legends "tbs (ºC)", "tbh (ºC)"
    UpDown *UpDown5 = nullptr;                     // outdoor dry bulb, buddy itext1(0)
    UpDown *UpDown6 = nullptr;                     // outdoor wet bulb, buddy itext1(1)
    QGroupBox *Frame2 = nullptr;                   // "RPM" frame holding the tachometer
    iSevenSegmentIntegerX *Disp1 = nullptr;
    iAngularGaugeX *GaugeX1 = nullptr;             // evaporating pressure
    iAngularGaugeX *GaugeX2 = nullptr;             // condensing pressure
    SurfaceImage *Image1 = nullptr;                // rotameter float
    SurfaceImage *Image2 = nullptr;                // stopwatch
    std::array<SurfaceLabel *, 12> Label11{};      // 0..7 on the scheme, 8..11 on the chart
    SurfaceLine *Line3 = nullptr;                  // manometer column
    std::array<SurfaceLine *, 7> Line6{};          // heating elements lit
    std::array<SurfaceShape *, 5> Shape4{};        // condenser fan blades and hub
    SurfaceLine *Line5 = nullptr;                  // condenser fan, second frame
    SurfaceShape *Shape5 = nullptr;                // blinking mark on the compressor
    SurfaceShape *Shape6 = nullptr;                // circle on the compressor
    SurfaceShape *Shape9 = nullptr;
    SurfaceShape *Shape11 = nullptr;
    SurfaceShape *Shape12 = nullptr;
    SurfaceLine *Line7 = nullptr;
    std::array<SurfaceLabel *, 20> Label1{};       // hover help: 0, 2, 3, 8 .. 19
};

// Stands the bulb of a wet-bulb thermometer inside its wick (a shape on the
// same picture box), as on a psychrometer: an upright bulb wrapped in the
// wick, the stem coming out at its top. The dry thermometer of the pair gets
// the same bulb, level with the wet one.
void wrapBulbInWick(iThermometerX *wet, const SurfaceShape *wick, iThermometerX *dry);

// Builds every control of the scheme on the picture box at its design place and
// design value (the lit heating elements and the cooling-capacity read-out
// hidden; the window's load then hides the other read-outs and the compressor
// marks). Gives the box its sunken border and the scheme's drawing. Runs no
// handler and connects none.
void buildUnitScheme(Surface *picture4, UnitSchemeControls &controls);
