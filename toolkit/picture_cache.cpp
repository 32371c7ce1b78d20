#include "picture_cache.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

qreal devicePixelScale(const QPainter &painter)
{
    const QTransform t = painter.deviceTransform();
    const qreal scale = std::max(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22()));
    return scale > 0 ? scale : 1.0;
}

PictureCache::PictureCache() = default;
PictureCache::~PictureCache() = default;
PictureCache::PictureCache(PictureCache &&) noexcept = default;
PictureCache &PictureCache::operator=(PictureCache &&) noexcept = default;

void PictureCache::setFile(const QString &path)
{
    *this = {};
    auto svg = std::make_unique<QSvgRenderer>(path);
    if (svg->isValid())
        m_svg = std::move(svg);
    else
        m_raster = QImage(path);
}

void PictureCache::setRenderer(std::function<QImage(qreal)> render)
{
    *this = {};
    m_renderer = std::move(render);
}

bool PictureCache::isNull() const
{
    return !m_svg && m_raster.isNull() && !m_renderer;
}

QSizeF PictureCache::naturalSize() const
{
    if (m_svg)
        return m_svg->defaultSize();
    if (!m_raster.isNull())
        return m_raster.deviceIndependentSize();
    return m_rendererSize;
}

const QPixmap &PictureCache::pixmap(qreal dpr, const QSizeF &size)
{
    const QSizeF wanted = size.isEmpty() ? naturalSize() : size;
    if (m_cache.isNull() || m_cacheDpr != dpr || (m_cacheSize != wanted && !m_renderer)
        || (m_renderer && m_cacheLocale != QLocale())) {
        QImage image = render(dpr, wanted);
        image.setDevicePixelRatio(dpr);
        if (m_renderer)
            m_rendererSize = image.deviceIndependentSize();
        m_cache = QPixmap::fromImage(std::move(image));
        m_cacheDpr = dpr;
        m_cacheSize = wanted;
        m_cacheLocale = QLocale();
    }
    return m_cache;
}

QImage PictureCache::render(qreal dpr, const QSizeF &size) const
{
    if (m_renderer)
        return m_renderer(dpr);
    const QSize pixels = (size * dpr).toSize();
    if (pixels.isEmpty())
        return {};
    if (!m_svg)
        return m_raster.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    m_svg->render(&painter);
    return image;
}
