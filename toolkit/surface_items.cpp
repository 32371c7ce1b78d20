#include "surface_items.h"

#include "surface.h"
#include "symbol_font.h"
#include "twips.h"

#include <QFontMetricsF>
#include <QMetaMethod>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr qreal kHatchSpacing = 8;   // logical pixels between hatch lines

bool isHatch(Qt::BrushStyle style)
{
    return style >= Qt::HorPattern && style <= Qt::DiagCrossPattern;
}

// Hatch lines drawn as vectors, so that their spacing and width are the same
// at any device pixel ratio. They lie on one grid from the surface's inner
// origin, so neighbouring shapes' hatches line up.
void paintHatch(QPainter &painter, const QPainterPath &area, Qt::BrushStyle style, const QColor &color)
{
    const QRectF r = area.boundingRect();
    const bool horizontal = style == Qt::HorPattern || style == Qt::CrossPattern;
    const bool vertical = style == Qt::VerPattern || style == Qt::CrossPattern;
    const bool rising = style == Qt::BDiagPattern || style == Qt::DiagCrossPattern;
    const bool falling = style == Qt::FDiagPattern || style == Qt::DiagCrossPattern;
    auto firstLine = [](qreal from) { return std::floor(from / kHatchSpacing) * kHatchSpacing; };

    painter.save();
    painter.setClipPath(area, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(color, 1, Qt::SolidLine, Qt::FlatCap));
    for (qreal y = firstLine(r.top()); horizontal && y <= r.bottom(); y += kHatchSpacing)
        painter.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    for (qreal x = firstLine(r.left()); vertical && x <= r.right(); x += kHatchSpacing)
        painter.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    // Rising lines x + y = c, falling lines x - y = c.
    for (qreal c = firstLine(r.left() + r.top()); rising && c <= r.right() + r.bottom(); c += kHatchSpacing)
        painter.drawLine(QPointF(c - r.bottom(), r.bottom()), QPointF(c - r.top(), r.top()));
    for (qreal c = firstLine(r.left() - r.bottom()); falling && c <= r.right() - r.top(); c += kHatchSpacing)
        painter.drawLine(QPointF(r.top() + c, r.top()), QPointF(r.bottom() + c, r.bottom()));
    painter.restore();
}

// The stretch of the segment a + t (b - a), 0 <= t <= 1, that lies in `area`,
// as its parameters t0 <= t1; false where the segment misses the area.
bool clipToArea(const QPointF &a, const QPointF &b, const QRectF &area, qreal &t0, qreal &t1)
{
    const QPointF d = b - a;
    const qreal towards[] = {-d.x(), d.x(), -d.y(), d.y()};
    const qreal room[] = {a.x() - area.left(), area.right() - a.x(), a.y() - area.top(), area.bottom() - a.y()};
    t0 = 0;
    t1 = 1;
    for (int side = 0; side < 4; ++side) {
        if (towards[side] == 0) {
            if (room[side] < 0)
                return false;
            continue;
        }
        const qreal t = room[side] / towards[side];
        if (towards[side] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    return t0 < t1;
}

} // namespace

// ---------------------------------------------------------------- SurfaceItem

SurfaceItem::SurfaceItem(Surface *surface, const QString &name, float left, float top, float width, float height)
    : QObject(surface)
    , m_left(left)
    , m_top(top)
    , m_width(width)
    , m_height(height)
{
    setObjectName(name);
}

Surface *SurfaceItem::surface() const
{
    return static_cast<Surface *>(parent());
}

QRectF SurfaceItem::box() const
{
    return twips::rectF(m_left, m_top, m_width, m_height);
}

QRectF SurfaceItem::paintBounds() const
{
    return box().adjusted(-1, -1, 1, 1);
}

bool SurfaceItem::contains(const QPointF &point) const
{
    return box().contains(point);
}

bool SurfaceItem::takesPointer() const
{
    return !m_toolTip.isEmpty() || m_cursor || hasPointerHandlers();
}

bool SurfaceItem::hasPointerHandlers() const
{
    static const QMetaMethod pointerSignals[] = {
        QMetaMethod::fromSignal(&SurfaceItem::mouseMoved),
        QMetaMethod::fromSignal(&SurfaceItem::mousePressed),
        QMetaMethod::fromSignal(&SurfaceItem::clicked),
    };
    return std::any_of(std::begin(pointerSignals), std::end(pointerSignals),
                       [this](const QMetaMethod &signal) { return isSignalConnected(signal); });
}

void SurfaceItem::draw(QPainter &painter, qreal scale) const
{
    if (paintsNothing())
        return;
    // Only the part the surface can show: an item far larger than the box
    // costs no more than the box.
    const QRectF area = paintBounds() & surface()->innerArea();
    if (area.isEmpty())
        return;
    if (m_sprite.isNull() || m_spriteScale != scale || m_spriteArea != area) {
        const QRect pixels = QRectF(area.topLeft() * scale, area.size() * scale).toAlignedRect();
        QImage image(pixels.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        image.setDevicePixelRatio(scale);
        m_spriteOrigin = QPointF(pixels.topLeft()) / scale;
        QPainter spritePainter(&image);
        spritePainter.translate(-m_spriteOrigin);
        paint(spritePainter, scale);
        spritePainter.end();
        m_sprite = QPixmap::fromImage(std::move(image));
        m_spriteScale = scale;
        m_spriteArea = area;
    }
    painter.drawPixmap(m_spriteOrigin, m_sprite);
}

QRectF SurfaceItem::visibleBounds() const
{
    return m_visible ? paintBounds() : QRectF();
}

// The areas before and after are repainted apart: a line that moves far
// does not repaint everything between its two places. The first change since
// the item was last shown repaints where it was shown; the surface repaints
// where it ends up once the turn's changes are done.
void SurfaceItem::repaint(const QRectF &before)
{
    if (m_repaintPending)
        return;
    m_repaintPending = true;
    surface()->updateInnerArea(before);
    surface()->repaintLater(this);
}

void SurfaceItem::repaintPendingChanges()
{
    if (!m_repaintPending)
        return;
    m_repaintPending = false;
    surface()->updateInnerArea(visibleBounds());
}

// ---------------------------------------------------------------- SurfaceLine

SurfaceLine::SurfaceLine(Surface *surface, const QString &name, float x1, float y1, float x2, float y2)
    : SurfaceItem(surface, name, 0, 0, 0, 0)
    , m_x1(x1)
    , m_y1(y1)
    , m_x2(x2)
    , m_y2(y2)
{
    refresh();
}

void SurfaceLine::refresh()
{
    m_left = std::min(m_x1, m_x2);
    m_top = std::min(m_y1, m_y2);
    m_width = std::abs(m_x2 - m_x1);
    m_height = std::abs(m_y2 - m_y1);
}

QRectF SurfaceLine::paintBounds() const
{
    const qreal reach = m_penWidth / 2.0 + 1;
    return QRectF(twips::pointF(m_x1, m_y1), twips::pointF(m_x2, m_y2)).normalized()
        .adjusted(-reach, -reach, reach, reach);
}

bool SurfaceLine::contains(const QPointF &point) const
{
    const QPointF a = twips::pointF(m_x1, m_y1);
    const QPointF ab = twips::pointF(m_x2, m_y2) - a;
    const qreal lengthSquared = QPointF::dotProduct(ab, ab);
    const qreal t = lengthSquared > 0 ? std::clamp(QPointF::dotProduct(point - a, ab) / lengthSquared, 0.0, 1.0) : 0.0;
    const QPointF offset = point - (a + t * ab);
    const qreal reach = std::max(m_penWidth / 2.0, 2.0);
    return QPointF::dotProduct(offset, offset) <= reach * reach;
}

void SurfaceLine::paint(QPainter &painter, qreal) const
{
    const QPointF a = twips::pointF(m_x1, m_y1);
    const QPointF b = twips::pointF(m_x2, m_y2);
    if (a == b) {
        // A line without length shows as a dot of its width.
        painter.setRenderHint(QPainter::Antialiasing, m_penWidth > 1);
        painter.setPen(QPen(m_color, m_penWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawPoint(a);
        return;
    }
    // Only the stretch that can show is drawn, a little beyond the surface so
    // that its caps stay out of sight: a far end millions of pixels off would
    // otherwise cost the rasterizer, and a dash pattern, the whole length.
    const qreal reach = m_penWidth / 2.0 + 2;
    const QRectF shown = (paintBounds() & surface()->innerArea()).adjusted(-reach, -reach, reach, reach);
    qreal t0 = 0;
    qreal t1 = 1;
    if (!clipToArea(a, b, shown, t0, t1))
        return;
    QPen pen(m_color, m_penWidth, m_style, m_penWidth > 1 ? Qt::RoundCap : Qt::FlatCap);
    if (t0 > 0 && m_style != Qt::SolidLine) {
        // The pattern keeps its phase from the line's own start (offsets are
        // in pen widths, taken within one period of the pattern).
        const QList<qreal> pattern = pen.dashPattern();
        const qreal period = std::accumulate(pattern.begin(), pattern.end(), 0.0);
        const qreal skipped = t0 * QLineF(a, b).length() / std::max(1, m_penWidth);
        pen.setDashOffset(period > 0 ? std::fmod(skipped, period) : 0);
    }
    // Lines along an axis stay crisp without antialiasing; slanted ones need it.
    painter.setRenderHint(QPainter::Antialiasing, a.x() != b.x() && a.y() != b.y());
    painter.setPen(pen);
    painter.drawLine(a + t0 * (b - a), a + t1 * (b - a));
}

// ---------------------------------------------------------------- SurfaceShape

SurfaceShape::SurfaceShape(Surface *surface, const QString &name, Kind kind,
                           float left, float top, float width, float height)
    : SurfaceItem(surface, name, left, top, width, height)
    , m_kind(kind)
{
}

QPainterPath SurfaceShape::outline() const
{
    QRectF r = box();
    if (m_kind == Square || m_kind == Circle || m_kind == RoundedSquare) {
        const qreal side = std::min(r.width(), r.height());
        r = QRectF(r.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    }
    const qreal inset = m_borderVisible ? m_borderWidth / 2.0 : 0.0;
    r.adjust(inset, inset, -inset, -inset);

    QPainterPath path;
    switch (m_kind) {
    case Rectangle:
    case Square:
        path.addRect(r);
        break;
    case Oval:
    case Circle:
        path.addEllipse(r);
        break;
    case RoundedRectangle:
    case RoundedSquare: {
        const qreal radius = std::min(std::min(r.width(), r.height()) / 12, 8.0);
        path.addRoundedRect(r, radius, radius);
        break;
    }
    }
    return path;
}

bool SurfaceShape::contains(const QPointF &point) const
{
    return outline().contains(point);
}

void SurfaceShape::paint(QPainter &painter, qreal) const
{
    const QPainterPath path = outline();
    painter.setRenderHint(QPainter::Antialiasing, m_kind != Rectangle && m_kind != Square);
    if (m_backOpaque)
        painter.fillPath(path, m_backColor);
    if (isHatch(m_fillStyle))
        paintHatch(painter, path, m_fillStyle, m_fillColor);
    else if (m_fillStyle != Qt::NoBrush)
        painter.fillPath(path, QBrush(m_fillColor, m_fillStyle));
    if (m_borderVisible && m_borderWidth > 0)
        painter.strokePath(path, QPen(m_borderColor, m_borderWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

// ---------------------------------------------------------------- SurfaceLabel

SurfaceLabel::SurfaceLabel(Surface *surface, const QString &name, const QString &caption,
                           float left, float top, float width, float height)
    : SurfaceItem(surface, name, left, top, width, height)
    , m_font(surface->font())
    , m_backColor(surface->palette().color(QPalette::Window))
{
    setCaption(caption);
}

int SurfaceLabel::textFlags() const
{
    return int(m_alignment) | (m_wordWrap ? Qt::TextWordWrap : 0);
}

QRectF SurfaceLabel::textRect() const
{
    return m_border ? box().adjusted(1, 1, -1, -1) : box();
}

QString SurfaceLabel::shownText() const
{
    return isSymbolFont(m_font) ? symbolFontText(Caption()) : Caption();
}

QFont SurfaceLabel::shownFont() const
{
    return isSymbolFont(m_font) ? symbolFontFace(m_font) : m_font;
}

// The caption's extent in logical pixels: the wrapped height (width unused)
// with word wrap, else the natural width and at least a line's height.
QSizeF SurfaceLabel::textSize()
{
    const qreal wrapWidth = m_wordWrap ? textRect().width() : 0;
    if (m_measured && m_measured->caption == Caption() && m_measured->font == m_font
        && m_measured->flags == textFlags() && m_measured->wrapWidth == wrapWidth)
        return m_measured->size;
    const QFontMetricsF metrics(shownFont());
    const QString text = shownText();
    QSizeF size;
    if (m_wordWrap) {
        size.setHeight(metrics.boundingRect(QRectF(0, 0, wrapWidth, 1e6), textFlags(), text).height());
    } else {
        size = metrics.size(0, text);
        size.setHeight(std::max(size.height(), metrics.height()));
    }
    m_measured = TextMeasure{Caption(), m_font, textFlags(), wrapWidth, size};
    return size;
}

void SurfaceLabel::refresh()
{
    if (!m_autoSize)
        return;
    const qreal frame = m_border ? 2 : 0;
    const QSizeF size = textSize();
    if (!m_wordWrap)
        m_width = float(twips::fromPixels(std::ceil(size.width()) + frame));
    m_height = float(twips::fromPixels(std::ceil(size.height()) + frame));
}

bool SurfaceLabel::paintsNothing() const
{
    return m_transparent && !m_border && Caption().isEmpty();
}

void SurfaceLabel::paint(QPainter &painter, qreal) const
{
    const QRectF r = box();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (!m_transparent)
        painter.fillRect(r, m_backColor);
    if (m_border) {
        // A single-line border is black, whatever the caption's colour.
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
    if (Caption().isEmpty())
        return;
    painter.setFont(shownFont());
    painter.setPen(m_foreColor);
    painter.drawText(textRect(), textFlags(), shownText());
}

// ---------------------------------------------------------------- SurfaceImage

SurfaceImage::SurfaceImage(Surface *surface, const QString &name, const QString &path,
                           float left, float top, float width, float height)
    : SurfaceItem(surface, name, left, top, width, height)
{
    m_picture.setFile(path);
}

void SurfaceImage::paint(QPainter &painter, qreal scale) const
{
    if (m_picture.isNull())
        return;
    const QRectF r = box();
    // Whole device pixels keep the picture sharp.
    const QPointF corner(std::round(r.left() * scale) / scale, std::round(r.top() * scale) / scale);
    if (m_stretch) {
        painter.drawPixmap(corner, m_picture.pixmap(scale, r.size()));
        return;
    }
    painter.setClipRect(r);
    painter.drawPixmap(corner, m_picture.pixmap(scale));
}
