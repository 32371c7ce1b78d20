#pragma once

#include <QImage>
#include <QRgb>
#include <QStringList>

// The psychrometric chart picture shown in both chart boxes, drawn from the
// property routines at 101.325 kPa on the calibration of chart_calibration.h
// (so every marker placed with the forward conversion lands on the curves).
// 264 x 351 logical pixels: dry bulb along the bottom, humidity ratio up the
// right-hand scale, the saturation curve with its wet-bulb lines, relative
// humidity curves and specific-volume lines; the upper-left area above the
// saturation curve is left blank for the readout boxes.
namespace chart {

// Total pressure the picture is drawn for, kPa.
constexpr double kPicturePressure = 101.325;

// Colours of the curve families, for anything that must tell them apart.
constexpr QRgb kSaturationColour = qRgb(27, 42, 65);
constexpr QRgb kRelativeHumidityColour = qRgb(192, 80, 77);
constexpr QRgb kWetBulbColour = qRgb(74, 120, 176);
constexpr QRgb kSpecificVolumeColour = qRgb(86, 128, 40);
constexpr QRgb kGridColour = qRgb(200, 212, 226);

// The numbers of the scales, in scale order: dry bulb along the bottom (degC),
// humidity ratio up the right-hand side (kg/kg). Every number on the picture
// is written as the boxes write theirs (formatNumber): with the decimal
// separator of QLocale(), never a group separator.
QStringList dryBulbScaleTexts();
QStringList humidityRatioScaleTexts();

// Renders the picture afresh, with devicePixelRatio device pixels to a
// logical pixel (an image of 264*dpr x 351*dpr device pixels, rounded). A
// ratio that is not a positive finite number is taken as 1.
QImage renderPsychrometricChart(qreal devicePixelRatio);

// The same picture, rendered once per device pixel ratio and decimal
// separator and kept (for use on the GUI thread).
const QImage &psychrometricChartPicture(qreal devicePixelRatio);

} // namespace chart
