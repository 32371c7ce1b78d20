#include "iknobx.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kArcStart = 225.0;    // lower left
constexpr double kArcSpan = 270.0;     // clockwise over the top to lower right

// Decimals needed to show a step exactly (0.1 -> 1, 0.25 -> 2, 1 -> 0).
int decimalsOf(double step)
{
    for (int decimals = 0; decimals < 6; ++decimals) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) < 1e-9 * std::max(1.0, std::abs(scaled)))
            return decimals;
    }
    return 6;
}

} // namespace

iKnobX::iKnobX(QWidget *parent)
    : SteppedControl(QStringLiteral("Mando giratorio"), parent)
{
    setFocusPolicy(Qt::StrongFocus);
    valueShown();
}

void iKnobX::setPosition(double position)
{
    if (!instrument::change(m_position, position))
        return;
    valueShown();
    emit changed();
}

void iKnobX::setRange(double minimum, double maximum)
{
    if (instrument::change(m_minimum, minimum, m_maximum, maximum))
        designChanged();
}

// The accessible value text shows as many decimals as the step.
void iKnobX::setArrowStep(double step)
{
    if (instrument::change(m_arrowStep, step))
        valueShown();
}

void iKnobX::setPageStep(double step)
{
    m_pageStep = step;
}

void iKnobX::setMajorTickCount(int count)
{
    if (instrument::change(m_majorTickCount, std::max(0, count)))
        designChanged();
}

void iKnobX::setTickLabelsVisible(bool visible)
{
    if (instrument::change(m_tickLabelsVisible, visible))
        designChanged();
}

void iKnobX::setTransparent(bool transparent)
{
    if (instrument::change(m_transparent, transparent))
        designChanged();
}

QSize iKnobX::sizeHint() const
{
    return {68, 65};
}

iKnobX::Geometry iKnobX::geometry() const
{
    Geometry g;
    g.centre = QRectF(rect()).center();
    double outer = std::min(width(), height()) / 2.0 - 0.5;
    if (m_tickLabelsVisible) {
        const QFontMetricsF metrics(font(), this);
        double widest = 0.0;
        for (double tick : instrument::majorTicks(m_minimum, m_maximum, m_majorTickCount))
            widest = std::max(widest, metrics.horizontalAdvance(instrument::tickText(tick)));
        outer -= std::max(widest, metrics.height()) + 1.0;
    }
    g.tickRadius = std::max(4.0, outer);
    g.knobRadius = g.tickRadius * 0.75;
    return g;
}

double iKnobX::angleOfValue(double value) const
{
    return kArcStart - kArcSpan * instrument::scaleFraction(value, m_minimum, m_maximum);
}

void iKnobX::paintStatic(QPainter &painter) const
{
    if (!m_transparent)
        painter.fillRect(rect(), palette().window());

    const Geometry g = geometry();
    const double tickLength = std::max(3.0, g.tickRadius * 0.17);
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(QPen(ink, std::max(1.0, g.tickRadius * 0.05), Qt::SolidLine, Qt::FlatCap));
    const QVector<double> ticks = instrument::majorTicks(m_minimum, m_maximum, m_majorTickCount);
    for (double tick : ticks) {
        const double a = angleOfValue(tick);
        painter.drawLine(instrument::polar(g.centre, g.tickRadius - tickLength, a),
                         instrument::polar(g.centre, g.tickRadius, a));
    }
    // The scale line joining the inner ends of the ticks.
    painter.setPen(QPen(ink, std::max(0.7, g.tickRadius * 0.03)));
    const double inner = g.tickRadius - tickLength;
    painter.drawArc(QRectF(g.centre - QPointF(inner, inner), QSizeF(2 * inner, 2 * inner)),
                    int(kArcStart * 16), int(-kArcSpan * 16));

    if (m_tickLabelsVisible) {
        const QFontMetricsF metrics = painter.fontMetrics();
        for (double tick : ticks) {
            const QString text = instrument::tickText(tick);
            const QSizeF box(metrics.horizontalAdvance(text), metrics.height());
            const double distance = g.tickRadius + 1.0 + std::max(box.width(), box.height()) / 2.0;
            const QPointF at = instrument::polar(g.centre, distance, angleOfValue(tick));
            painter.drawText(QRectF(at - QPointF(box.width() / 2, box.height() / 2), box), Qt::AlignCenter, text);
        }
    }

    instrument::paintKnobBody(painter, g.centre, g.knobRadius);
}

void iKnobX::paintMoving(QPainter &painter) const
{
    const Geometry g = geometry();
    const double a = angleOfValue(m_position);
    const double cap = g.knobRadius * 0.72;
    const double width = std::max(1.5, g.knobRadius * 0.13);
    // The index: a groove across the cap and a white line over the skirt.
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), width * 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(instrument::polar(g.centre, cap * 0.25, a), instrument::polar(g.centre, cap * 0.9, a));
    painter.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(instrument::polar(g.centre, cap + width * 0.6, a),
                     instrument::polar(g.centre, g.knobRadius - width * 0.6, a));

    if (hasFocus()) {
        painter.setPen(instrument::focusPen(palette()));
        painter.setBrush(Qt::NoBrush);
        const double r = g.knobRadius + 1.5;
        painter.drawEllipse(g.centre, r, r);
    }
}

QString iKnobX::valueText() const
{
    return instrument::numberText(m_position, decimalsOf(m_arrowStep));
}

void iKnobX::turnBy(double amount)
{
    // Steps start from where the index stands: the scale end for a position
    // written beyond it, the minimum for one that is not a number.
    const double lowest = std::min(m_minimum, m_maximum);
    const double from = std::isnan(m_position) ? lowest : std::clamp(m_position, lowest, std::max(m_minimum, m_maximum));
    userSet(from + amount);
}

void iKnobX::userSet(double position)
{
    if (!std::isfinite(position))
        return;
    setPosition(instrument::tidy(std::clamp(position, std::min(m_minimum, m_maximum), std::max(m_minimum, m_maximum))));
}

bool iKnobX::stepAction(Action action)
{
    switch (action) {
    case Action::SingleStepUp: turnBy(m_arrowStep); break;
    case Action::SingleStepDown: turnBy(-m_arrowStep); break;
    case Action::PageStepUp: turnBy(m_pageStep); break;
    case Action::PageStepDown: turnBy(-m_pageStep); break;
    case Action::ToFirst: userSet(std::min(m_minimum, m_maximum)); break;
    case Action::ToLast: userSet(std::max(m_minimum, m_maximum)); break;
    }
    return true;
}

bool iKnobX::dragStarted(QMouseEvent *event)
{
    m_dragAngle = std::numeric_limits<double>::quiet_NaN();
    dragMoved(event);
    return true;
}

void iKnobX::dragMoved(QMouseEvent *event)
{
    // Near the centre the direction of the pointer is meaningless: the turn
    // starts again from wherever the pointer leaves that dead zone.
    const Geometry g = geometry();
    const QPointF at = event->position();
    if (QLineF(g.centre, at).length() < std::max(3.0, g.knobRadius * 0.2)) {
        m_dragAngle = std::numeric_limits<double>::quiet_NaN();
        return;
    }
    const double angle = instrument::angleOf(g.centre, at);
    if (!std::isnan(m_dragAngle)) {
        // Clockwise (a negative angle difference) turns the value up.
        const double turned = -instrument::angleDifference(angle, m_dragAngle);
        turnBy(turned / kArcSpan * (m_maximum - m_minimum));
    }
    m_dragAngle = angle;
}
