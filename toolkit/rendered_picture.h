#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <map>
#include <utility>

class QPainter;

// Pictures drawn in code (the charts) at a fixed logical size, rendered for a
// device pixel ratio so that they stay sharp on any screen. A ratio that is not
// a positive finite number is taken as 1.
namespace rendered {

qreal sanitisedRatio(qreal ratio);

// An opaque image of `logicalSize` for `devicePixelRatio`, filled with
// `ground`, then painted in logical pixels by `paint`. Opaque, so that a
// picture box shows these pixels without converting them.
QImage renderOpaque(QSize logicalSize, qreal devicePixelRatio, const QColor &ground,
                    const std::function<void(QPainter &)> &paint);

// One render per ratio and decimal separator (the pictures write their
// numbers in the locale's notation), kept for the program's lifetime (GUI
// thread only).
class PerRatio
{
public:
    explicit PerRatio(std::function<QImage(qreal ratio)> render);
    const QImage &at(qreal devicePixelRatio);

private:
    std::function<QImage(qreal)> m_render;
    std::map<std::pair<qreal, QString>, QImage> m_images;
};

} // namespace rendered
