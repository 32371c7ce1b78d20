#pragma once

#include "picture_cache.h"
#include "surface_items.h"

#include <QCursor>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QHelpEvent;

// A picture box: a picture drawn from the inner area's origin, the points code
// has drawn on it, and its windowless items (lines, shapes, labels, images)
// painted back to front in the order they were added, all beneath the box's
// child widgets and clipped by the box.
//
// Pointer rules, hit-tested front to back (last added first), invisible items
// ignored, child widgets taking the pointer where they stand:
// - tooltip: the front-most item under the pointer that has a tooltip shows
//   it; otherwise the surface's own tooltip, if any;
// - cursor: the front-most item that takes the pointer (see
//   SurfaceItem::takesPointer) sets it when it has a cursor shape;
// - pointer signals: that front-most item emits its own signals, then the
//   surface emits its signals; both carry the position in twips of the inner area.
class Surface : public QWidget
{
    Q_OBJECT

public:
    explicit Surface(QWidget *parent = nullptr);
    ~Surface() override;

    // Drawn at its natural size from (0, 0) of the inner area.
    void setPictureFromSvg(const QString &resourcePath);
    // Called lazily for each device pixel ratio the box is shown at; the result is cached.
    void setPictureRenderer(std::function<QImage(qreal dpr)> render);
    // A sunken 2-pixel 3D border like a classic picture box; items, picture and
    // pointer positions are relative to the area inside it.
    void setBorder(bool sunken3d);
    bool hasBorder() const { return m_border; }

    SurfaceLine *addLine(const QString &name, float x1, float y1, float x2, float y2);
    SurfaceShape *addShape(const QString &name, SurfaceShape::Kind kind, float left, float top, float width, float height);
    SurfaceLabel *addLabel(const QString &name, const QString &caption, float left, float top, float width, float height);
    SurfaceImage *addImage(const QString &name, const QString &resourcePath, float left, float top, float width, float height);
    const std::vector<SurfaceItem *> &items() const { return m_items; }

    // A dot of the given diameter centred on (x, y) twips, on the persistent
    // drawing layer above the picture and beneath the items. Points accumulate
    // until clearDrawing().
    void drawPoint(float x, float y, int widthPixels, const QColor &color);
    void clearDrawing();

    // Front-most visible item at (x, y) twips that takes the pointer, or null.
    SurfaceItem *itemAt(float x, float y) const;
    QPoint innerOrigin() const;
    // The area inside the border, in logical pixels from the inner origin.
    QRectF innerArea() const;
    // Widget position (logical pixels) -> twips of the inner area.
    QPointF toTwips(const QPointF &widgetPosition) const;
    // Repaints an area given in logical pixels of the inner area.
    void updateInnerArea(const QRectF &area);
    // Repaints a changed item where it ends up, at the end of this turn of the event loop.
    void repaintLater(SurfaceItem *item);

    QSize sizeHint() const override;

signals:
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, float x, float y);
    void mousePressed(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, float x, float y);
    void clicked();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct DrawnPoint {
        QPointF centre;   // logical pixels of the inner area
        int width;
        QColor color;
    };

    template <typename Item, typename... Args>
    Item *addItem(Args &&...args);
    QRect innerRect() const;
    // Whole pixels of `area` (inner-area coordinates) that can show, for
    // repaints and hit areas; far-off or huge geometry stays harmless.
    QRect shownPixels(const QRectF &area) const;
    SurfaceItem *itemWhere(const QPointF &innerPoint, bool (*accepts)(const SurfaceItem &)) const;
    bool coveredByChild(const QPointF &position) const;
    bool showItemToolTip(QHelpEvent *help);
    void applyCursor(const SurfaceItem *item);
    void paintBorder(QPainter &painter) const;
    void paintDrawing(QPainter &painter, const QRegion &exposed) const;
    void repaintChangedItems();

    PictureCache m_picture;
    bool m_border = false;
    std::vector<SurfaceItem *> m_items;
    std::vector<SurfaceItem *> m_changedItems;   // waiting for repaintChangedItems()
    std::vector<DrawnPoint> m_drawing;
    QPointer<SurfaceItem> m_pressedItem;
    bool m_pressed = false;
    bool m_cursorFromItem = false;
    std::optional<QCursor> m_ownCursor;
};
