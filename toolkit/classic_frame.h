#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

// The classic 3D look of buttons, tabs, picture boxes and read-outs: bevels of
// one-pixel rings. Qt's qDrawWinPanel draws the same bevels at one device
// pixel per line, thinner than these on a screen scaled to 200 %; these keep
// one logical pixel per line at any device pixel ratio.

// One ring: a one-pixel line along the top and left edges of `frame` in one
// colour, along the bottom and right edges in another (which also takes the
// bottom-left and top-right corners). Drawn without antialiasing, so that the
// lines stay whole device pixels at any scale.
inline void paintClassicFrame(QPainter &painter, const QRect &frame, const QColor &topLeft, const QColor &bottomRight)
{
    const bool antialiased = painter.testRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), 1), topLeft);
    painter.fillRect(QRect(frame.left(), frame.top(), 1, frame.height()), topLeft);
    painter.fillRect(QRect(frame.left(), frame.bottom(), frame.width(), 1), bottomRight);
    painter.fillRect(QRect(frame.right(), frame.top(), 1, frame.height()), bottomRight);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
}

namespace classic {

inline const QColor kHighlight{255, 255, 255};
inline const QColor kShadow{128, 128, 128};
inline const QColor kDarkShadow{64, 64, 64};

// A raised button face's edge, two pixels wide.
inline void paintRaised(QPainter &painter, const QRect &frame, const QColor &face)
{
    paintClassicFrame(painter, frame, face, kDarkShadow);
    paintClassicFrame(painter, frame.adjusted(1, 1, -1, -1), kHighlight, kShadow);
}

// A sunken field's edge (picture box, text box, seven-segment window), two
// pixels wide: shadow above and left, light below and right.
inline void paintSunken(QPainter &painter, const QRect &frame, const QColor &face)
{
    paintClassicFrame(painter, frame, kShadow, kHighlight);
    paintClassicFrame(painter, frame.adjusted(1, 1, -1, -1), kDarkShadow, face);
}

} // namespace classic
