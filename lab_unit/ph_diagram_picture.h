#pragma once

#include "unit_geometry.h"

#include <QImage>
#include <QStringList>

// The pressure-enthalpy diagram of R12 that the main window shows behind the
// refrigeration cycle (Picture2 on the tab "Ciclo frigorifico"), drawn to the
// line equations of unit_geometry.h that the cycle lines are computed from,
// so that they land on it. The picture's top-left pixel is the picture box's
// inner top-left corner (15 twips a pixel).
namespace ph_diagram {

constexpr int kPictureWidth = 264;   // logical pixels
constexpr int kPictureHeight = 226;

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
