#include "window_print.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace {

constexpr double kMaximumPixelRatio = 4.0;

QImage renderWidget(QWidget *widget, double pixelRatio)
{
    QImage image(widget->size() * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(widget->palette().window().color());
    widget->render(&image);
    return image;
}

} // namespace

bool printWidgetImage(QWidget *widget, QPrinter &printer)
{
    if (widget->size().isEmpty())
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = painter.viewport();
    const QSize logical = widget->size();
    const double fit = std::min(double(page.width()) / logical.width(),
                                double(page.height()) / logical.height());
    const QImage image = renderWidget(widget, std::clamp(fit, 1.0, kMaximumPixelRatio));
    const QRectF target(page.topLeft(), QSizeF(logical) * fit);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    return painter.end() && printer.printerState() != QPrinter::Error;
}
