#include "surface.h"

#include "classic_frame.h"
#include "twips.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int kBorderPixels = 2;

bool hasToolTip(const SurfaceItem &item)
{
    return !item.toolTip().isEmpty();
}

bool takesPointer(const SurfaceItem &item)
{
    return item.takesPointer();
}

} // namespace

Surface::Surface(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Surface::~Surface()
{
    qDeleteAll(std::exchange(m_items, {}));
}

void Surface::setPictureFromSvg(const QString &resourcePath)
{
    m_picture.setFile(resourcePath);
    update();
}

void Surface::setPictureRenderer(std::function<QImage(qreal)> render)
{
    m_picture.setRenderer(std::move(render));
    update();
}

void Surface::setBorder(bool sunken3d)
{
    m_border = sunken3d;
    update();
}

template <typename Item, typename... Args>
Item *Surface::addItem(Args &&...args)
{
    auto *item = new Item(this, std::forward<Args>(args)...);
    m_items.push_back(item);
    connect(item, &QObject::destroyed, this, [this](QObject *gone) {
        m_items.erase(std::remove(m_items.begin(), m_items.end(), gone), m_items.end());
        m_changedItems.erase(std::remove(m_changedItems.begin(), m_changedItems.end(), gone),
                             m_changedItems.end());
        update();
    });
    updateInnerArea(item->paintBounds());
    return item;
}

SurfaceLine *Surface::addLine(const QString &name, float x1, float y1, float x2, float y2)
{
    return addItem<SurfaceLine>(name, x1, y1, x2, y2);
}

SurfaceShape *Surface::addShape(const QString &name, SurfaceShape::Kind kind, float left, float top, float width, float height)
{
    return addItem<SurfaceShape>(name, kind, left, top, width, height);
}

SurfaceLabel *Surface::addLabel(const QString &name, const QString &caption, float left, float top, float width, float height)
{
    return addItem<SurfaceLabel>(name, caption, left, top, width, height);
}

SurfaceImage *Surface::addImage(const QString &name, const QString &resourcePath, float left, float top, float width, float height)
{
    return addItem<SurfaceImage>(name, resourcePath, left, top, width, height);
}

void Surface::drawPoint(float x, float y, int widthPixels, const QColor &color)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    const DrawnPoint point{twips::pointF(x, y), std::max(1, widthPixels), color};
    m_drawing.push_back(point);
    const qreal reach = point.width / 2.0 + 1;
    updateInnerArea(QRectF(point.centre, QSizeF()).adjusted(-reach, -reach, reach, reach));
}

void Surface::clearDrawing()
{
    m_drawing.clear();
    update();
}

QPoint Surface::innerOrigin() const
{
    return m_border ? QPoint(kBorderPixels, kBorderPixels) : QPoint();
}

QRect Surface::innerRect() const
{
    const int b = m_border ? kBorderPixels : 0;
    return rect().adjusted(b, b, -b, -b);
}

QRectF Surface::innerArea() const
{
    return QRectF(QPointF(), innerRect().size());
}

QRect Surface::shownPixels(const QRectF &area) const
{
    return (area & innerArea().adjusted(-2, -2, 2, 2)).toAlignedRect();
}

QPointF Surface::toTwips(const QPointF &widgetPosition) const
{
    return (widgetPosition - innerOrigin()) * twips::kPerPixel;
}

void Surface::updateInnerArea(const QRectF &area)
{
    if (area.isEmpty())
        return;
    update(shownPixels(area.adjusted(-1, -1, 1, 1)).translated(innerOrigin()) & innerRect());
}

// A calculation may move an item many times before the window is painted
// again; only the place it was last shown and the place it ends up at need
// painting. The latter is requested from a queued call, which the event loop
// delivers before the window's paint request (posted at low priority by the
// item's first change).
void Surface::repaintLater(SurfaceItem *item)
{
    if (m_changedItems.empty())
        QMetaObject::invokeMethod(this, [this] { repaintChangedItems(); }, Qt::QueuedConnection);
    m_changedItems.push_back(item);
}

void Surface::repaintChangedItems()
{
    for (SurfaceItem *item : std::exchange(m_changedItems, {}))
        item->repaintPendingChanges();
}

QSize Surface::sizeHint() const
{
    if (m_picture.isNull())
        return QWidget::sizeHint();
    const int b = m_border ? 2 * kBorderPixels : 0;
    return m_picture.naturalSize().toSize() + QSize(b, b);
}

// ---------------------------------------------------------------- hit testing

SurfaceItem *Surface::itemWhere(const QPointF &innerPoint, bool (*accepts)(const SurfaceItem &)) const
{
    if (!innerArea().contains(innerPoint))
        return nullptr;
    const auto found = std::find_if(m_items.rbegin(), m_items.rend(), [&](const SurfaceItem *item) {
        return item->Visible() && accepts(*item) && item->contains(innerPoint);
    });
    return found == m_items.rend() ? nullptr : *found;
}

SurfaceItem *Surface::itemAt(float x, float y) const
{
    return itemWhere(twips::pointF(x, y), takesPointer);
}

// Events that a child widget let through reach the surface by propagation;
// what lies beneath a child widget does not take the pointer.
bool Surface::coveredByChild(const QPointF &position) const
{
    return childAt(position.toPoint()) != nullptr;
}

bool Surface::showItemToolTip(QHelpEvent *help)
{
    if (coveredByChild(help->pos())) {
        QToolTip::hideText();
        return true;
    }
    const SurfaceItem *item = itemWhere(QPointF(help->pos() - innerOrigin()), hasToolTip);
    if (!item)
        return false;
    const QRect area = shownPixels(item->paintBounds()).translated(innerOrigin());
    QToolTip::showText(help->globalPos(), item->toolTip(), this, area);
    return true;
}

bool Surface::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && showItemToolTip(static_cast<QHelpEvent *>(event)))
        return true;
    return QWidget::event(event);
}

void Surface::applyCursor(const SurfaceItem *item)
{
    if (item && item->cursorShape()) {
        if (!m_cursorFromItem) {
            m_ownCursor = testAttribute(Qt::WA_SetCursor) ? std::optional<QCursor>(cursor()) : std::nullopt;
            m_cursorFromItem = true;
        }
        setCursor(*item->cursorShape());
    } else if (m_cursorFromItem) {
        m_cursorFromItem = false;
        if (m_ownCursor)
            setCursor(*m_ownCursor);
        else
            unsetCursor();
    }
}

// ---------------------------------------------------------------- pointer

void Surface::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF position = event->position();
    if (!m_pressed && (coveredByChild(position) || !innerRect().contains(position.toPoint()))) {
        event->ignore();
        return;
    }
    const QPointF tw = toTwips(position);
    const QPointer<SurfaceItem> item = itemWhere(position - innerOrigin(), takesPointer);
    applyCursor(item);
    if (item)
        emit item->mouseMoved(event->buttons(), event->modifiers(), float(tw.x()), float(tw.y()));
    emit mouseMoved(event->buttons(), event->modifiers(), float(tw.x()), float(tw.y()));
}

void Surface::mousePressEvent(QMouseEvent *event)
{
    const QPointF position = event->position();
    if (coveredByChild(position) || !innerRect().contains(position.toPoint())) {
        event->ignore();
        return;
    }
    const QPointF tw = toTwips(position);
    m_pressed = true;
    m_pressedItem = itemWhere(position - innerOrigin(), takesPointer);
    if (m_pressedItem)
        emit m_pressedItem->mousePressed(event->buttons(), event->modifiers(), float(tw.x()), float(tw.y()));
    emit mousePressed(event->buttons(), event->modifiers(), float(tw.x()), float(tw.y()));
}

void Surface::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressed) {
        event->ignore();
        return;
    }
    m_pressed = event->buttons() != Qt::NoButton;
    const QPointF position = event->position();
    if (event->button() != Qt::LeftButton || !innerRect().contains(position.toPoint()))
        return;
    const QPointer<SurfaceItem> item = itemWhere(position - innerOrigin(), takesPointer);
    if (item && item == m_pressedItem)
        emit item->clicked();
    emit clicked();
}

// ---------------------------------------------------------------- painting

void Surface::paintEvent(QPaintEvent *event)
{
    // Items about to be painted where they are now, though not yet repainted
    // there in full: that repaint comes next, and a later change repaints
    // this place again.
    repaintChangedItems();
    QPainter painter(this);
    const QRect inner = innerRect();
    const QRegion exposed = event->region() & inner;
    if (!exposed.isEmpty()) {
        const qreal scale = devicePixelScale(painter);
        painter.save();
        painter.setClipRegion(exposed);
        painter.fillRect(exposed.boundingRect(), palette().window());
        painter.translate(inner.topLeft());
        if (!m_picture.isNull())
            painter.drawPixmap(QPointF(), m_picture.pixmap(scale));
        const QRegion exposedInner = exposed.translated(-inner.topLeft());
        paintDrawing(painter, exposedInner);
        for (const SurfaceItem *item : m_items) {
            if (item->Visible() && exposedInner.intersects(shownPixels(item->paintBounds())))
                item->draw(painter, scale);
        }
        painter.restore();
    }
    if (m_border)
        paintBorder(painter);
}

void Surface::paintDrawing(QPainter &painter, const QRegion &exposed) const
{
    for (const DrawnPoint &point : m_drawing) {
        const qreal reach = point.width / 2.0 + 1;
        if (!exposed.intersects(shownPixels(QRectF(point.centre, QSizeF()).adjusted(-reach, -reach, reach, reach))))
            continue;
        painter.setRenderHint(QPainter::Antialiasing, point.width > 1);
        painter.setPen(QPen(point.color, point.width, Qt::SolidLine, Qt::RoundCap));
        painter.drawPoint(point.centre);
    }
}

void Surface::paintBorder(QPainter &painter) const
{
    classic::paintSunken(painter, rect(), palette().color(QPalette::Button));
}
