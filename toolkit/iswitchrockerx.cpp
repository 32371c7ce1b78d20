#include "iswitchrockerx.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

iSwitchRockerX::iSwitchRockerX(QWidget *parent)
    : InstrumentWidget(QStringLiteral("Interruptor basculante"), parent)
{
    setFocusPolicy(Qt::StrongFocus);
    valueShown();
}

void iSwitchRockerX::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    valueShown();
    emit changed();
}

QSize iSwitchRockerX::sizeHint() const
{
    return {37, 47};
}

QRectF iSwitchRockerX::bezelRect() const
{
    // Keep the switch upright (about 3 wide to 4 high) and centred in the box.
    QSizeF box(width() - 2.0, height() - 2.0);
    box = box.width() > box.height() * 0.8 ? QSizeF(box.height() * 0.8, box.height())
                                           : QSizeF(box.width(), std::min(box.height(), box.width() * 1.6));
    QRectF bezel(QPointF(0, 0), box);
    bezel.moveCenter(QRectF(rect()).center());
    return bezel;
}

void iSwitchRockerX::paintStatic(QPainter &painter) const
{
    const QRectF bezel = bezelRect();
    const double unit = bezel.width() / 33.0;   // drawn for a bezel 33 px wide

    // Shadow, black plastic bezel, dark opening.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(bezel.translated(unit * 0.8, unit * 1.2), 4 * unit, 4 * unit);
    QLinearGradient plastic(bezel.topLeft(), bezel.bottomRight());
    plastic.setColorAt(0.0, QColor(0x5c, 0x5c, 0x5c));
    plastic.setColorAt(0.35, QColor(0x26, 0x26, 0x26));
    plastic.setColorAt(1.0, QColor(0x0c, 0x0c, 0x0c));
    painter.setPen(QPen(Qt::black, std::max(0.6, 0.8 * unit)));
    painter.setBrush(plastic);
    painter.drawRoundedRect(bezel, 4 * unit, 4 * unit);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x05, 0x05, 0x05));
    const double inset = 3.5 * unit;
    painter.drawRoundedRect(bezel.adjusted(inset, inset, -inset, -inset), 2 * unit, 2 * unit);
}

void iSwitchRockerX::paintMoving(QPainter &painter) const
{
    const QRectF bezel = bezelRect();
    const double unit = bezel.width() / 33.0;
    const double inset = 4.5 * unit;
    const QRectF rocker = bezel.adjusted(inset, inset, -inset, -inset);

    // The half that is pressed in is shorter and in shadow; the raised half
    // catches the light. On, the "I" half is pressed and the rocker glows.
    const double split = rocker.top() + rocker.height() * (m_on ? 0.45 : 0.55);
    const QRectF upper(rocker.left(), rocker.top(), rocker.width(), split - rocker.top());
    const QRectF lower(rocker.left(), split, rocker.width(), rocker.bottom() - split);
    const QColor base = m_on ? QColor(0xf0, 0x20, 0x10) : QColor(0x8a, 0x10, 0x0c);
    const auto half = [&](const QRectF &r, bool raised, bool lightFromTop) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        const QColor lit = raised ? base.lighter(135) : base.darker(125);
        const QColor shade = raised ? base : base.darker(190);
        g.setColorAt(0.0, lightFromTop ? lit : shade);
        g.setColorAt(1.0, lightFromTop ? shade : lit);
        painter.setBrush(g);
        painter.drawRoundedRect(r, 1.5 * unit, 1.5 * unit);
    };
    painter.setPen(Qt::NoPen);
    half(upper, !m_on, true);
    half(lower, m_on, false);

    // The ridge between the halves.
    painter.setPen(QPen(QColor(0, 0, 0, 160), std::max(0.8, unit)));
    painter.drawLine(QPointF(rocker.left(), split), QPointF(rocker.right(), split));

    if (m_on) {
        QRadialGradient glow(rocker.center(), rocker.height() * 0.6);
        glow.setColorAt(0.0, QColor(255, 180, 120, 110));
        glow.setColorAt(1.0, QColor(255, 80, 40, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawRoundedRect(rocker, 1.5 * unit, 1.5 * unit);
    }

    // "I" on the upper half, "O" on the lower one.
    painter.setPen(QPen(QColor(255, 255, 255, 230), std::max(1.0, 1.6 * unit), Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    const double mark = std::min(upper.height(), lower.height()) * 0.28;
    painter.drawLine(QPointF(upper.center().x(), upper.center().y() - mark),
                     QPointF(upper.center().x(), upper.center().y() + mark));
    painter.drawEllipse(lower.center(), mark * 0.8, mark);

    if (hasFocus()) {
        painter.setPen(instrument::focusPen(palette()));
        painter.drawRoundedRect(bezel.adjusted(-0.5, -0.5, 0.5, 0.5), 4 * unit, 4 * unit);
    }
}

QString iSwitchRockerX::valueText() const
{
    return m_on ? QStringLiteral("Encendido") : QStringLiteral("Apagado");
}

void iSwitchRockerX::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    else
        InstrumentWidget::mousePressEvent(event);
}

void iSwitchRockerX::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        InstrumentWidget::mouseReleaseEvent(event);
        return;
    }
    // Toggles like a button: on release, and only if released over the switch.
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        setOn(!m_on);
}

void iSwitchRockerX::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        setOn(!m_on);
        event->accept();
        return;
    }
    InstrumentWidget::keyPressEvent(event);
}
