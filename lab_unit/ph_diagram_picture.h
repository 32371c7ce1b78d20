#pragma once

#include <QImage>
#include <QStringList>

// The pressure-enthalpy diagram of R12 that the main window shows behind the
// refrigeration cycle (Picture2 on the tab "Ciclo frigorifico").
//
// The diagram is schematic: pressure levels are linear in the saturation
// temperature and the saturation lines are straight over the working range,
// so that the cycle lines, computed from the same line equations, land on
// them. Coordinates are twips inside the picture box, origin at its inner
// top-left corner, which is the picture's top-left pixel (15 twips a pixel).
namespace ph_diagram {

constexpr int kPictureWidth = 264;   // logical pixels
constexpr int kPictureHeight = 226;

// Level (Y) of the saturation pressure at temperature t in degC.
constexpr double levelY(double t) { return 2535.0 + (-16.33 * t); }

// The saturated-liquid and saturated-vapour lines at level y, valid up to
// about 65 degC; above that the picture closes them into the dome's top.
constexpr double liquidLineX(double y) { return 2559.2 - 0.7551 * y; }
constexpr double vapourLineX(double y) { return 3218.0 - 0.38776 * y; }

// The isentrope on which the compression ends.
constexpr double compressionEndX(double y) { return 4269.0 - 0.85 * y; }

// The labels of the lines of constant quality, from the liquid side. Every
// number on the picture is written as the boxes write theirs (formatNumber):
// with the decimal separator of QLocale(), never a group separator.
QStringList qualityTexts();

} // namespace ph_diagram

// Renders the diagram at the given device pixel ratio: an image of
// 264 x 226 logical pixels with that ratio set, white ground, vector
// drawing. A ratio that is not a positive finite number is taken as 1.
QImage renderPhDiagram(qreal devicePixelRatio);

// The same picture, rendered once per device pixel ratio and decimal
// separator and kept.
const QImage &phDiagramPicture(qreal devicePixelRatio);
