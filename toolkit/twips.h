#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

// Window geometry is written in twips, as the windows' designs give it:
// 1440 twips to the inch, 15 twips to a logical pixel. This is the one place
// that converts between the two.
namespace twips {

constexpr double kPerPixel = 15.0;

constexpr double toPixels(double tw) { return tw / kPerPixel; }
constexpr double fromPixels(double px) { return px * kPerPixel; }

// Whole logical pixels for widget geometry (rounded to the nearest pixel).
int toPixelsRounded(double tw);
QPoint point(double left, double top);
QSize size(double width, double height);
QRect rect(double left, double top, double width, double height);

// Exact (fractional) logical pixels, for painting.
QPointF pointF(double x, double y);
QRectF rectF(double left, double top, double width, double height);

} // namespace twips
