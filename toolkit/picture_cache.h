#pragma once

#include <QLocale>
#include <QPixmap>
#include <QSizeF>

#include <functional>
#include <memory>

class QPainter;
class QSvgRenderer;

// Device pixels per logical pixel of what `painter` paints on: the screen's
// device pixel ratio, or the scale of a render into an image or a printer,
// times any scaling of the painter (the larger one of a painter scaled
// unevenly). Cached pictures and layers are rendered at this scale.
qreal devicePixelScale(const QPainter &painter);

// A picture that is drawn at a logical size: an SVG drawing, a raster image or
// an image made by a render function. It is rendered once for each size and
// device pixel ratio it is drawn at, so it stays sharp on any screen and costs
// one blit per paint. A render function may write numbers in the locale's
// notation, so its image is asked for afresh when the locale has changed.
class PictureCache
{
public:
    PictureCache();
    ~PictureCache();
    PictureCache(PictureCache &&) noexcept;
    PictureCache &operator=(PictureCache &&) noexcept;

    // An SVG file (by its content) or any raster format Qt reads; a resource
    // path (":/...") or a file name.
    void setFile(const QString &path);
    // Called with the device pixel ratio; the image it returns is taken as made
    // for that ratio (its logical size is its pixel size divided by the ratio).
    void setRenderer(std::function<QImage(qreal dpr)> render);

    bool isNull() const;
    // Logical size of the picture as drawn unscaled (empty until a render
    // function has run once).
    QSizeF naturalSize() const;
    // The picture at `size` (natural size when empty) for the ratio `dpr`.
    const QPixmap &pixmap(qreal dpr, const QSizeF &size = {});

private:
    QImage render(qreal dpr, const QSizeF &size) const;

    std::unique_ptr<QSvgRenderer> m_svg;
    QImage m_raster;
    std::function<QImage(qreal)> m_renderer;
    QPixmap m_cache;
    QLocale m_cacheLocale;
    qreal m_cacheDpr = 0;
    QSizeF m_cacheSize;
    QSizeF m_rendererSize;
};
