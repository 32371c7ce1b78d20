#include "twips.h"

#include <cmath>

namespace twips {

int toPixelsRounded(double tw)
{
    return static_cast<int>(std::lround(toPixels(tw)));
}

QPoint point(double left, double top)
{
    return {toPixelsRounded(left), toPixelsRounded(top)};
}

QSize size(double width, double height)
{
    return {toPixelsRounded(width), toPixelsRounded(height)};
}

QRect rect(double left, double top, double width, double height)
{
    return {point(left, top), size(width, height)};
}

QPointF pointF(double x, double y)
{
    return {toPixels(x), toPixels(y)};
}

QRectF rectF(double left, double top, double width, double height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

} // namespace twips
