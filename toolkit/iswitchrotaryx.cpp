#include "iswitchrotaryx.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double kReachBeyondEnds = 30.0;   // degrees a press may lie beyond the first or last position

} // namespace

iSwitchRotaryX::iSwitchRotaryX(QWidget *parent)
    : SteppedControl(QStringLiteral("Selector giratorio"), parent)
{
    setFocusPolicy(Qt::StrongFocus);
    valueShown();
}

void iSwitchRotaryX::setPosition(int position)
{
    if (!instrument::change(m_position, position))
        return;
    valueShown();
    emit changed();
}

void iSwitchRotaryX::setLabels(const QStringList &labels)
{
    if (instrument::change(m_labels, labels))
        designChanged();
}

void iSwitchRotaryX::setActiveLabelColor(const QColor &color)
{
    if (instrument::change(m_activeLabelColor, color))
        update();
}

void iSwitchRotaryX::setActiveLabelBold(bool bold)
{
    if (instrument::change(m_activeLabelBold, bold))
        update();
}

void iSwitchRotaryX::setLabelColor(const QColor &color)
{
    if (instrument::change(m_labelColor, color))
        update();
}

void iSwitchRotaryX::setPointerStyle(PointerStyle style)
{
    if (instrument::change(m_pointerStyle, style))
        update();
}

QSize iSwitchRotaryX::sizeHint() const
{
    return {67, 65};
}

// The positions spread evenly over the upper half of the dial, clockwise from
// 9 o'clock to 3 o'clock; a single position points straight up.
double iSwitchRotaryX::angleOfPosition(int index) const
{
    const int count = int(m_labels.size());
    if (count <= 1)
        return 90.0;
    return 180.0 - 180.0 * index / (count - 1);
}

int iSwitchRotaryX::shownPosition() const
{
    if (m_labels.isEmpty())
        return -1;
    return std::clamp(m_position, 0, int(m_labels.size()) - 1);
}

QFont iSwitchRotaryX::labelFont(bool active) const
{
    QFont f = font();
    f.setBold(active && m_activeLabelBold);
    return f;
}

// The dial stands in the middle of the box with its labels around the upper
// half; the lower part of the box holds only the lower half of the knob, which
// leaves the corners free for the panel's own captions beneath.
iSwitchRotaryX::Geometry iSwitchRotaryX::geometry(const QFontMetricsF &metrics) const
{
    Geometry g;
    g.centre = QRectF(rect()).center();
    QVector<QSizeF> sizes;
    double widest = 0.0;
    for (const QString &label : m_labels) {
        sizes.append(QSizeF(metrics.horizontalAdvance(label) + 1.0, metrics.height()));
        widest = std::max(widest, sizes.last().width());
    }
    double reachX = 1e-6, reachY = 1e-6;   // largest |cos|, |sin| of the label directions
    for (int i = 0; i < m_labels.size(); ++i) {
        const QPointF direction = instrument::polar({0, 0}, 1.0, angleOfPosition(i));
        reachX = std::max(reachX, std::abs(direction.x()));
        reachY = std::max(reachY, std::abs(direction.y()));
    }
    const double labelHalf = std::max(widest, metrics.height()) / 2.0;
    g.labelRadius = std::max(4.0, std::min((width() / 2.0 - widest / 2.0 - 1.0) / reachX,
                                           (height() / 2.0 - metrics.height() / 2.0 - 1.0) / reachY));
    const double markRoom = std::max(3.0, g.labelRadius * 0.12);
    g.knobRadius = std::max(3.0, std::min(g.labelRadius - labelHalf - markRoom, g.labelRadius * 0.6));
    for (int i = 0; i < m_labels.size(); ++i) {
        const QPointF at = instrument::polar(g.centre, g.labelRadius, angleOfPosition(i));
        g.labelRects.append(QRectF(at - QPointF(sizes[i].width() / 2, sizes[i].height() / 2), sizes[i]));
    }
    return g;
}

iSwitchRotaryX::Geometry iSwitchRotaryX::currentGeometry() const
{
    return geometry(QFontMetricsF(labelFont(true), this));
}

QRectF iSwitchRotaryX::labelRect(int index) const
{
    const Geometry g = currentGeometry();
    return index >= 0 && index < g.labelRects.size() ? g.labelRects[index] : QRectF();
}

void iSwitchRotaryX::paintStatic(QPainter &painter) const
{
    const Geometry g = geometry(QFontMetricsF(labelFont(true), painter.device()));
    // A short mark at each position, between the knob and its label.
    painter.setPen(QPen(palette().color(QPalette::WindowText), std::max(1.0, g.knobRadius * 0.08), Qt::SolidLine,
                        Qt::RoundCap));
    const double markStart = g.knobRadius + std::max(1.5, g.knobRadius * 0.1);
    const double markEnd = g.knobRadius + std::max(3.0, g.knobRadius * 0.28);
    for (int i = 0; i < m_labels.size(); ++i) {
        const double a = angleOfPosition(i);
        painter.drawLine(instrument::polar(g.centre, markStart, a), instrument::polar(g.centre, markEnd, a));
    }
    instrument::paintKnobBody(painter, g.centre, g.knobRadius);
}

void iSwitchRotaryX::paintMoving(QPainter &painter) const
{
    const Geometry g = geometry(QFontMetricsF(labelFont(true), painter.device()));
    const int shown = shownPosition();
    for (int i = 0; i < m_labels.size(); ++i) {
        const bool active = i == m_position;
        painter.setFont(labelFont(active));
        painter.setPen(active ? m_activeLabelColor : m_labelColor);
        painter.drawText(g.labelRects[i], Qt::AlignCenter, m_labels[i]);
    }

    const double a = shown < 0 ? 90.0 : angleOfPosition(shown);
    const double r = g.knobRadius;
    painter.save();
    painter.translate(g.centre);
    painter.rotate(-a);     // the pointer now points along +x
    if (m_pointerStyle == Rectangle) {
        // A raised bar across the knob with a white index line on its pointing half.
        const QRectF bar(-r * 1.02, -r * 0.24, r * 2.04, r * 0.48);
        QLinearGradient shade(0, -r * 0.24, 0, r * 0.24);
        shade.setColorAt(0.0, QColor(0x5a, 0x5a, 0x5a));
        shade.setColorAt(0.45, QColor(0x26, 0x26, 0x26));
        shade.setColorAt(1.0, QColor(0x08, 0x08, 0x08));
        painter.setPen(QPen(QColor(0, 0, 0), std::max(0.6, r * 0.04)));
        painter.setBrush(shade);
        painter.drawRoundedRect(bar, r * 0.2, r * 0.2);
        painter.setPen(QPen(Qt::white, std::max(1.2, r * 0.11), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(r * 0.25, 0), QPointF(r * 0.88, 0));
    } else {
        // A white triangular index from the cap to the rim of the knob.
        QPainterPath index;
        index.moveTo(r * 1.0, 0);
        index.lineTo(r * 0.35, -r * 0.2);
        index.lineTo(r * 0.35, r * 0.2);
        index.closeSubpath();
        painter.setPen(QPen(QColor(0x10, 0x10, 0x10), std::max(0.6, r * 0.05), Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.setBrush(Qt::white);
        painter.drawPath(index);
    }
    painter.restore();

    if (hasFocus()) {
        painter.setPen(instrument::focusPen(palette()));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(g.centre, r + 1.5, r + 1.5);
    }
}

QString iSwitchRotaryX::valueText() const
{
    if (m_position >= 0 && m_position < m_labels.size())
        return m_labels[m_position];
    return QString::number(m_position);
}

int iSwitchRotaryX::positionAt(QPointF point) const
{
    const Geometry g = currentGeometry();
    for (int i = 0; i < g.labelRects.size(); ++i) {
        if (g.labelRects[i].adjusted(-2, -2, 2, 2).contains(point))
            return i;
    }
    if (m_labels.isEmpty() || QLineF(g.centre, point).length() < g.knobRadius * 0.25)
        return -1;
    // Inside the arc of the positions any direction counts; beyond its ends
    // only a little way, so the lower corners stay free.
    const double angle = instrument::angleOf(g.centre, point);
    const double first = angleOfPosition(0);
    const double last = angleOfPosition(int(m_labels.size()) - 1);
    const bool insideArc = std::fmod(first - angle + 720.0, 360.0) <= first - last;
    const double beyond = std::min(std::abs(instrument::angleDifference(angle, first)),
                                   std::abs(instrument::angleDifference(angle, last)));
    if (!insideArc && beyond > kReachBeyondEnds)
        return -1;
    int nearest = 0;
    for (int i = 1; i < m_labels.size(); ++i) {
        if (std::abs(instrument::angleDifference(angle, angleOfPosition(i)))
            < std::abs(instrument::angleDifference(angle, angleOfPosition(nearest))))
            nearest = i;
    }
    return nearest;
}

bool iSwitchRotaryX::userSelect(int index)
{
    if (index < 0 || index == m_position)
        return false;
    setPosition(index);
    return true;
}

bool iSwitchRotaryX::dragStarted(QMouseEvent *event)
{
    const int index = positionAt(event->position());
    m_changedDuringPress = userSelect(index);
    return index >= 0;
}

void iSwitchRotaryX::dragMoved(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        m_changedDuringPress |= userSelect(positionAt(event->position()));
}

// A click that moved nothing still operated the selector: tell once.
void iSwitchRotaryX::dragFinished(QMouseEvent *)
{
    if (!std::exchange(m_changedDuringPress, false))
        emit changed();
}

bool iSwitchRotaryX::stepAction(Action action)
{
    const int last = int(m_labels.size()) - 1;
    int target;
    switch (action) {
    case Action::SingleStepUp: target = shownPosition() + 1; break;
    case Action::SingleStepDown: target = shownPosition() - 1; break;
    case Action::ToFirst: target = 0; break;
    case Action::ToLast: target = last; break;
    default: return false;
    }
    if (last >= 0)
        userSelect(std::clamp(target, 0, last));
    return true;
}
