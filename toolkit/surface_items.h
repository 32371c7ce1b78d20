#pragma once

#include "picture_cache.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPainterPath>
#include <QRectF>

#include <cmath>
#include <optional>
#include <type_traits>

class QPainter;
class Surface;

// A windowless item of a Surface: a line, shape, label or image drawn on the
// surface beneath its child widgets. Items are children of their surface with
// objectName = their name, and are read and written through the properties
// below. Geometry is in single-precision twips relative to the surface's inner
// area; a value written reads back exactly as the float it was stored as.
// Every change repaints only the area the item covered before and after it;
// of the changes made within one turn of the event loop, only where the item
// was last shown and where it ends up are repainted.
class SurfaceItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(float Left READ Left WRITE setLeft)
    Q_PROPERTY(float Top READ Top WRITE setTop)
    Q_PROPERTY(float Width READ Width WRITE setWidth)
    Q_PROPERTY(float Height READ Height WRITE setHeight)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(QString toolTip READ toolTip WRITE setToolTip)

public:
    float Left() const { return m_left; }
    float Top() const { return m_top; }
    float Width() const { return m_width; }
    float Height() const { return m_height; }
    void setLeft(float left) { assign(m_left, left); }
    void setTop(float top) { assign(m_top, top); }
    void setWidth(float width) { assign(m_width, width); }
    void setHeight(float height) { assign(m_height, height); }

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption) { assign(m_caption, caption); }
    bool Visible() const { return m_visible; }
    void setVisible(bool visible) { assign(m_visible, visible); }

    QString toolTip() const { return m_toolTip; }
    void setToolTip(const QString &toolTip) { m_toolTip = toolTip; }
    // The pointer's shape while it is over the item.
    void setCursor(Qt::CursorShape shape) { m_cursor = shape; }
    std::optional<Qt::CursorShape> cursorShape() const { return m_cursor; }

    Surface *surface() const;

    // Logical pixels in the surface's inner area.
    virtual QRectF paintBounds() const;
    virtual bool contains(const QPointF &point) const;
    // Whether the item takes the pointer (cursor, pointer signals): labels and
    // images always do; lines and shapes are see-through unless they have a
    // tooltip, a cursor or a connected pointer signal.
    virtual bool takesPointer() const;

    // Paints the item for a device with `scale` device pixels per logical
    // pixel. The item is rendered once into a sprite aligned to device pixels
    // and blitted from then on, until it changes or the scale does.
    void draw(QPainter &painter, qreal scale) const;

signals:
    // x, y in twips of the surface's inner area, like the surface's own signals.
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, float x, float y);
    void mousePressed(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, float x, float y);
    void clicked();

protected:
    SurfaceItem(Surface *surface, const QString &name, float left, float top, float width, float height);

    QRectF box() const;   // Left/Top/Width/Height in logical pixels
    bool hasPointerHandlers() const;

    // Stores a new value of something the item shows and repaints what changed.
    // A coordinate that is not a finite number is not stored.
    template <typename T>
    void assign(T &field, const T &value)
    {
        if constexpr (std::is_floating_point_v<T>) {
            if (!std::isfinite(value))
                return;
        }
        if (field == value)
            return;
        const QRectF before = visibleBounds();
        field = value;
        refresh();
        m_sprite = QPixmap();
        repaint(before);
    }
    // Brings derived state up to date after a change (bounding box, auto-size).
    virtual void refresh() {}
    // Paints the item in logical pixels of the surface's inner area.
    virtual void paint(QPainter &painter, qreal scale) const = 0;
    virtual bool paintsNothing() const { return false; }

    float m_left, m_top, m_width, m_height;

private:
    friend class Surface;

    QRectF visibleBounds() const;
    void repaint(const QRectF &before);
    // Repaints where the item is now, after changes made since it was last shown.
    void repaintPendingChanges();

    bool m_repaintPending = false;
    QString m_caption;
    bool m_visible = true;
    mutable QPixmap m_sprite;
    mutable QPointF m_spriteOrigin;
    mutable QRectF m_spriteArea;
    mutable qreal m_spriteScale = 0;
    QString m_toolTip;
    std::optional<Qt::CursorShape> m_cursor;
};

// A straight line between two ends. Left/Top/Width/Height are its bounding
// box and follow the ends; writing them changes nothing.
class SurfaceLine : public SurfaceItem
{
    Q_OBJECT
    Q_PROPERTY(float X1 READ X1 WRITE setX1)
    Q_PROPERTY(float Y1 READ Y1 WRITE setY1)
    Q_PROPERTY(float X2 READ X2 WRITE setX2)
    Q_PROPERTY(float Y2 READ Y2 WRITE setY2)

public:
    SurfaceLine(Surface *surface, const QString &name, float x1, float y1, float x2, float y2);

    float X1() const { return m_x1; }
    float Y1() const { return m_y1; }
    float X2() const { return m_x2; }
    float Y2() const { return m_y2; }
    void setX1(float x) { assign(m_x1, x); }
    void setY1(float y) { assign(m_y1, y); }
    void setX2(float x) { assign(m_x2, x); }
    void setY2(float y) { assign(m_y2, y); }

    void setColor(const QColor &color) { assign(m_color, color); }
    void setPenWidth(int pixels) { assign(m_penWidth, pixels); }
    void setStyle(Qt::PenStyle style) { assign(m_style, style); }
    QColor color() const { return m_color; }
    int penWidth() const { return m_penWidth; }

    QRectF paintBounds() const override;
    bool contains(const QPointF &point) const override;

protected:
    void refresh() override;
    void paint(QPainter &painter, qreal scale) const override;

private:
    float m_x1, m_y1, m_x2, m_y2;
    QColor m_color = Qt::black;
    int m_penWidth = 1;
    Qt::PenStyle m_style = Qt::SolidLine;
};

// A rectangle, square, oval or circle, optionally with rounded corners.
// Squares and circles take the smaller side of the box and stand centred in it.
// The border lies inside the box.
class SurfaceShape : public SurfaceItem
{
    Q_OBJECT

public:
    enum Kind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };
    Q_ENUM(Kind)

    SurfaceShape(Surface *surface, const QString &name, Kind kind, float left, float top, float width, float height);

    Kind kind() const { return m_kind; }
    void setBorderColor(const QColor &color) { assign(m_borderColor, color); }
    void setBorderWidth(int pixels) { assign(m_borderWidth, pixels); }
    void setBorderVisible(bool visible) { assign(m_borderVisible, visible); }
    // The fill is drawn in the fill colour in the given pattern: Qt::NoBrush
    // (transparent), Qt::SolidPattern or a hatch (Qt::CrossPattern, ...).
    void setFillColor(const QColor &color) { assign(m_fillColor, color); }
    void setFillStyle(Qt::BrushStyle style) { assign(m_fillStyle, style); }
    // An opaque shape is first filled with its back colour, under the hatch.
    void setBackColor(const QColor &color) { assign(m_backColor, color); }
    void setBackOpaque(bool opaque) { assign(m_backOpaque, opaque); }

    bool contains(const QPointF &point) const override;

protected:
    void paint(QPainter &painter, qreal scale) const override;

private:
    QPainterPath outline() const;

    Kind m_kind;
    QColor m_borderColor = Qt::black;
    int m_borderWidth = 1;
    bool m_borderVisible = true;
    QColor m_fillColor = Qt::black;
    Qt::BrushStyle m_fillStyle = Qt::NoBrush;
    QColor m_backColor = Qt::white;
    bool m_backOpaque = false;
};

// A caption in a font. Opaque by default (filled with its back colour); a
// transparent label without caption and border draws nothing but still takes
// the pointer and shows its tooltip (a hot spot for hover help). With
// auto-size the box fits the text: width and height without word wrap, the
// height alone with it. In the Symbol font the caption keeps its Latin text
// and shows as Greek letters (symbol_font.h).
class SurfaceLabel : public SurfaceItem
{
    Q_OBJECT

public:
    SurfaceLabel(Surface *surface, const QString &name, const QString &caption,
                 float left, float top, float width, float height);

    void setFont(const QFont &font) { assign(m_font, font); }
    void setForeColor(const QColor &color) { assign(m_foreColor, color); }
    void setBackColor(const QColor &color) { assign(m_backColor, color); }
    void setTransparent(bool transparent) { assign(m_transparent, transparent); }
    void setAutoSize(bool autoSize) { assign(m_autoSize, autoSize); }
    void setWordWrap(bool wordWrap) { assign(m_wordWrap, wordWrap); }
    void setAlignment(Qt::Alignment alignment) { assign(m_alignment, alignment); }
    void setBorder(bool single) { assign(m_border, single); }
    QFont font() const { return m_font; }
    QColor foreColor() const { return m_foreColor; }

    bool takesPointer() const override { return true; }

protected:
    void refresh() override;
    void paint(QPainter &painter, qreal scale) const override;
    bool paintsNothing() const override;

private:
    // What auto-size measured last: moving a label does not measure it again.
    struct TextMeasure {
        QString caption;
        QFont font;
        int flags = 0;
        qreal wrapWidth = 0;
        QSizeF size;
    };

    int textFlags() const;
    QRectF textRect() const;
    // The text drawn and the face it is drawn in.
    QString shownText() const;
    QFont shownFont() const;
    QSizeF textSize();

    QFont m_font;
    QColor m_foreColor = Qt::black;
    QColor m_backColor;
    bool m_transparent = false;
    bool m_autoSize = false;
    bool m_wordWrap = false;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
    bool m_border = false;
    std::optional<TextMeasure> m_measured;
};

// A picture from a file or resource: SVG (rendered per device pixel ratio) or
// raster. Stretched to the box, or at its natural size from the box's corner
// (clipped by the box).
class SurfaceImage : public SurfaceItem
{
    Q_OBJECT

public:
    SurfaceImage(Surface *surface, const QString &name, const QString &path,
                 float left, float top, float width, float height);

    void setStretch(bool stretch) { assign(m_stretch, stretch); }
    bool stretch() const { return m_stretch; }

    bool takesPointer() const override { return true; }

protected:
    void paint(QPainter &painter, qreal scale) const override;

private:
    mutable PictureCache m_picture;
    bool m_stretch = false;
};
