#include "iangulargaugex.h"

#include "number_format.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kFace = 0.86;             // face radius as a part of the bezel radius
constexpr double kSmallestLabelFace = 30;  // face radius (px) from which tick numbers are written
constexpr double kSmallestMinorTicksFace = 18;  // ... and from which minor ticks are drawn
} // namespace

iAngularGaugeX::iAngularGaugeX(QWidget *parent)
    : InstrumentWidget(QStringLiteral("Indicador de aguja"), parent)
{
    valueShown();
}

void iAngularGaugeX::setPosition(double position)
{
    m_position = position;
    valueShown();
}

void iAngularGaugeX::setRange(double minimum, double maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    designChanged();
}

void iAngularGaugeX::setLabel(const QString &label)
{
    m_label = label;
    designChanged();
}

void iAngularGaugeX::setArc(double startDegrees, double spanDegrees)
{
    m_arcStart = startDegrees;
    m_arcSpan = std::clamp(spanDegrees, 0.0, 360.0);
    designChanged();
}

void iAngularGaugeX::setPointerColor(const QColor &color)
{
    m_pointerColor = color;
    update();
}

void iAngularGaugeX::setTickColor(const QColor &color)
{
    m_tickColor = color;
    designChanged();
}

void iAngularGaugeX::setFaceColor(const QColor &color)
{
    m_faceColor = color;
    designChanged();
}

QSize iAngularGaugeX::sizeHint() const
{
    return {39, 41};
}

QPointF iAngularGaugeX::centre() const
{
    return QRectF(rect()).center();
}

double iAngularGaugeX::radius() const
{
    return std::max(2.0, std::min(width(), height()) / 2.0 - 0.5);
}

double iAngularGaugeX::angleOfValue(double value) const
{
    return m_arcStart - m_arcSpan * instrument::scaleFraction(value, m_minimum, m_maximum);
}

void iAngularGaugeX::paintStatic(QPainter &painter) const
{
    const QPointF c = centre();
    const double r = radius();
    const double face = r * kFace;

    // Chrome bezel: light from the upper left, a dark rim on either side.
    QLinearGradient chrome(c - QPointF(r, r), c + QPointF(r, r));
    chrome.setColorAt(0.0, QColor(0xf4, 0xf4, 0xf4));
    chrome.setColorAt(0.45, QColor(0xa0, 0xa4, 0xa8));
    chrome.setColorAt(0.55, QColor(0x70, 0x74, 0x78));
    chrome.setColorAt(1.0, QColor(0xd8, 0xd8, 0xd8));
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), std::max(0.6, r * 0.03)));
    painter.setBrush(chrome);
    painter.drawEllipse(c, r, r);

    QRadialGradient paper(c, face);
    paper.setColorAt(0.0, m_faceColor);
    paper.setColorAt(0.85, m_faceColor);
    paper.setColorAt(1.0, m_faceColor.darker(118));
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), std::max(0.5, r * 0.025)));
    painter.setBrush(paper);
    painter.drawEllipse(c, face, face);

    paintTicks(painter, face);
    if (face >= kSmallestLabelFace)
        paintTickLabels(painter, face);

    if (!m_label.isEmpty()) {
        QFont f = font();
        f.setPixelSize(std::max(7, int(std::lround(face * 0.22))));
        painter.setFont(f);
        painter.setPen(m_tickColor);
        const QRectF box(c.x() - face, c.y() + face * 0.2, 2 * face, face * 0.6);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, m_label);
    }
}

void iAngularGaugeX::paintTicks(QPainter &painter, double face) const
{
    const QPointF c = centre();
    const double outer = face * 0.93;
    const double major = std::clamp(face * 0.06, 1.0, 2.2);
    const QVector<double> ticks = instrument::majorTicks(m_minimum, m_maximum, 0);

    // The scale arc, then minor ticks halfway between the major ones.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(m_tickColor, major * 0.6));
    painter.drawArc(QRectF(c - QPointF(outer, outer), QSizeF(2 * outer, 2 * outer)), int(m_arcStart * 16),
                    int(-m_arcSpan * 16));
    const double step = ticks.size() >= 2 ? ticks[1] - ticks[0] : 0.0;
    if (step != 0.0 && face >= kSmallestMinorTicksFace) {
        const double lowest = std::min(m_minimum, m_maximum), highest = std::max(m_minimum, m_maximum);
        for (double v = ticks.first() - step / 2; v <= highest + 1e-9 * std::abs(step); v += step) {
            if (v < lowest - 1e-9 * std::abs(step))
                continue;
            const double a = angleOfValue(v);
            painter.drawLine(instrument::polar(c, outer - face * 0.14, a), instrument::polar(c, outer, a));
        }
    }
    painter.setPen(QPen(m_tickColor, major, Qt::SolidLine, Qt::FlatCap));
    for (double tick : ticks) {
        const double a = angleOfValue(tick);
        painter.drawLine(instrument::polar(c, outer - face * 0.24, a), instrument::polar(c, outer, a));
    }
}

void iAngularGaugeX::paintTickLabels(QPainter &painter, double face) const
{
    const QPointF c = centre();
    QFont f = font();
    f.setPixelSize(int(std::lround(face * 0.16)));
    painter.setFont(f);
    painter.setPen(m_tickColor);
    const QFontMetricsF metrics = painter.fontMetrics();
    for (double tick : instrument::majorTicks(m_minimum, m_maximum, 0)) {
        const QString text = instrument::tickText(tick);
        const QSizeF box(metrics.horizontalAdvance(text), metrics.height());
        const double distance = face * 0.93 - face * 0.24 - std::max(box.width(), box.height()) * 0.6;
        const QPointF at = instrument::polar(c, distance, angleOfValue(tick));
        painter.drawText(QRectF(at - QPointF(box.width() / 2, box.height() / 2), box), Qt::AlignCenter, text);
    }
}

void iAngularGaugeX::paintMoving(QPainter &painter) const
{
    const QPointF c = centre();
    const double face = radius() * kFace;
    const double a = std::isnan(m_position) ? m_arcStart : angleOfValue(m_position);

    // A tapered needle from a short tail through the hub to the scale.
    painter.save();
    painter.translate(c);
    painter.rotate(-a);
    QPainterPath needle;
    const double half = std::max(0.7, face * 0.055);
    needle.moveTo(-face * 0.2, -half);
    needle.lineTo(face * 0.86, -half * 0.25);
    needle.lineTo(face * 0.86, half * 0.25);
    needle.lineTo(-face * 0.2, half);
    needle.closeSubpath();
    painter.setPen(QPen(m_pointerColor.darker(150), std::max(0.3, face * 0.015)));
    painter.setBrush(m_pointerColor);
    painter.drawPath(needle);
    painter.restore();

    const double hub = std::max(1.2, face * 0.11);
    QRadialGradient cap(c - QPointF(hub * 0.3, hub * 0.3), hub);
    cap.setColorAt(0.0, QColor(0x90, 0x90, 0x90));
    cap.setColorAt(1.0, QColor(0x20, 0x20, 0x20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(cap);
    painter.drawEllipse(c, hub, hub);
}

QString iAngularGaugeX::valueText() const
{
    if (!std::isfinite(m_position))
        return noReading();
    QString text = instrument::numberText(m_position, 1);
    if (!m_label.isEmpty())
        text += QLatin1Char(' ') + m_label;
    return text;
}
