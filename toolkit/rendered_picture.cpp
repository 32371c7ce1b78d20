#include "rendered_picture.h"

#include <QLocale>
#include <QPainter>

#include <cmath>
#include <utility>

namespace rendered {

qreal sanitisedRatio(qreal ratio)
{
    return std::isfinite(ratio) && ratio > 0.0 ? ratio : 1.0;
}

QImage renderOpaque(QSize logicalSize, qreal devicePixelRatio, const QColor &ground,
                    const std::function<void(QPainter &)> &paint)
{
    const qreal ratio = sanitisedRatio(devicePixelRatio);
    QImage image(qRound(logicalSize.width() * ratio), qRound(logicalSize.height() * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(ground);
    QPainter painter(&image);
    paint(painter);
    return image;
}

PerRatio::PerRatio(std::function<QImage(qreal)> render)
    : m_render(std::move(render))
{
}

const QImage &PerRatio::at(qreal devicePixelRatio)
{
    const std::pair key(sanitisedRatio(devicePixelRatio), QLocale().decimalPoint());
    auto it = m_images.find(key);
    if (it == m_images.end())
        it = m_images.emplace(key, m_render(key.first)).first;
    return it->second;
}

} // namespace rendered
