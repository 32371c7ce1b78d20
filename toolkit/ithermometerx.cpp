#include "ithermometerx.h"

#include "number_format.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

iThermometerX::iThermometerX(QWidget *parent)
    : InstrumentWidget(QStringLiteral("Termómetro"), parent)
{
    valueShown();
}

void iThermometerX::setPosition(double position)
{
    m_position = position;
    valueShown();
}

void iThermometerX::setRange(double minimum, double maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    designChanged();
}

void iThermometerX::setIndicatorColor(const QColor &color)
{
    m_indicatorColor = color;
    designChanged();
}

void iThermometerX::setIndicatorBackgroundColor(const QColor &color)
{
    m_indicatorBackgroundColor = color;
    designChanged();
}

void iThermometerX::setMajorTickCount(int count)
{
    m_majorTickCount = std::max(0, count);
    designChanged();
}

void iThermometerX::setTickLabelsVisible(bool visible)
{
    m_tickLabelsVisible = visible;
    designChanged();
}

void iThermometerX::setBulbSize(int pixels)
{
    m_bulbSize = std::max(0, pixels);
    designChanged();
}

void iThermometerX::setIndicatorWidth(int pixels)
{
    m_indicatorWidth = std::max(0, pixels);
    designChanged();
}

void iThermometerX::setTransparent(bool transparent)
{
    m_transparent = transparent;
    designChanged();
}

QSize iThermometerX::sizeHint() const
{
    return {38, 85};
}

iThermometerX::Geometry iThermometerX::geometry(const QFontMetricsF &metrics) const
{
    const double w = width();
    const double h = height();
    Geometry g;
    g.columnWidth = m_indicatorWidth > 0 ? m_indicatorWidth : std::clamp(w * 0.22, 1.5, 6.0);
    const double wall = std::max(1.0, g.columnWidth * 0.35);
    g.tubeWidth = g.columnWidth + 2 * wall;
    const double reach = m_bulbSize > 0 ? m_bulbSize : std::max(1.5, g.columnWidth * 0.75);
    g.bulbRadius = std::min(g.columnWidth / 2 + reach, (std::min(w, h) - 1.0) / 2 - wall);
    const double bulbOuter = g.bulbRadius + wall;
    g.tickLength = std::max(2.0, w * 0.12);

    // Tick labels are set smaller where the ticks lie closer than a line of text.
    const QVector<double> ticks = instrument::majorTicks(m_minimum, m_maximum, m_majorTickCount);
    const double roughScale = h - 2 * bulbOuter - g.tubeWidth;
    g.labelScale = ticks.size() < 2 ? 1.0 : std::min(1.0, roughScale / (ticks.size() - 1) / metrics.height());

    // Lay out bulb, tube, ticks and labels side by side from the left edge, as
    // the panel thermometers stand: the wick of a wet bulb is placed on a bulb
    // at the control's left.
    double labelWidth = 0.0;
    if (m_tickLabelsVisible) {
        for (double tick : ticks)
            labelWidth = std::max(labelWidth, metrics.horizontalAdvance(instrument::tickText(tick)) * g.labelScale);
    }
    const double rightOfAxis = std::max(bulbOuter, g.tubeWidth / 2 + 0.5 + g.tickLength
                                                       + (labelWidth > 0 ? 1.5 + labelWidth : 0.0));
    g.axisX = bulbOuter + std::max(0.0, std::min(0.5, w - bulbOuter - rightOfAxis));
    g.tickLeft = g.axisX + g.tubeWidth / 2 + 0.5;

    g.bulbCentre = QPointF(g.axisX, h - bulbOuter - 0.5);
    g.scaleBottom = g.bulbCentre.y() - bulbOuter - std::max(1.5, h * 0.03);
    const double topRoom = std::max(m_tickLabelsVisible ? metrics.height() * g.labelScale / 2 : 0.0, g.tubeWidth / 2 + 1.0);
    g.scaleTop = std::min(topRoom + 0.5, g.scaleBottom - 1.0);
    return g;
}

double iThermometerX::yOfValue(const Geometry &g, double value) const
{
    return g.scaleBottom - instrument::scaleFraction(value, m_minimum, m_maximum) * (g.scaleBottom - g.scaleTop);
}

void iThermometerX::paintStatic(QPainter &painter) const
{
    if (!m_transparent)
        painter.fillRect(rect(), palette().window());
    const Geometry g = geometry(painter.fontMetrics());
    paintScale(painter, g);
    paintGlass(painter, g);
}

void iThermometerX::paintScale(QPainter &painter, const Geometry &g) const
{
    const QVector<double> ticks = instrument::majorTicks(m_minimum, m_maximum, m_majorTickCount);
    const QColor ink = palette().color(QPalette::WindowText);
    const double pen = std::clamp(width() * 0.05, 0.7, 1.2);
    painter.setPen(QPen(ink, pen, Qt::SolidLine, Qt::FlatCap));

    // Automatic round ticks get minor ticks between them where there is room.
    if (m_majorTickCount == 0 && ticks.size() >= 2) {
        const double spacing = std::abs(yOfValue(g, ticks[1]) - yOfValue(g, ticks[0]));
        const int parts = spacing >= 24 ? 5 : spacing >= 8 ? 2 : 1;
        for (int i = 0; i + 1 < ticks.size(); ++i) {
            for (int k = 1; k < parts; ++k) {
                const double y = yOfValue(g, ticks[i] + (ticks[i + 1] - ticks[i]) * k / parts);
                painter.drawLine(QPointF(g.tickLeft, y), QPointF(g.tickLeft + g.tickLength * 0.55, y));
            }
        }
    }
    for (double tick : ticks) {
        const double y = yOfValue(g, tick);
        painter.drawLine(QPointF(g.tickLeft, y), QPointF(g.tickLeft + g.tickLength, y));
    }

    if (!m_tickLabelsVisible)
        return;
    QFont labelFont = painter.font();
    if (g.labelScale < 1.0) {
        const double size = labelFont.pointSizeF() > 0 ? labelFont.pointSizeF() : labelFont.pixelSize() * 0.75;
        labelFont.setPointSizeF(std::max(4.0, size * g.labelScale));
    }
    painter.setFont(labelFont);
    const QFontMetricsF metrics = painter.fontMetrics();
    const double left = g.tickLeft + g.tickLength + 1.5;
    for (double tick : ticks) {
        const QRectF box(left, yOfValue(g, tick) - metrics.height() / 2, width() - left, metrics.height());
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, instrument::tickText(tick));
    }
}

void iThermometerX::paintGlass(QPainter &painter, const Geometry &g) const
{
    const double wall = (g.tubeWidth - g.columnWidth) / 2;
    const double tubeTop = g.scaleTop - std::max(1.5, g.tubeWidth * 0.6);
    const QRectF tube(g.axisX - g.tubeWidth / 2, tubeTop, g.tubeWidth, g.bulbCentre.y() - tubeTop);
    const double bulb = g.bulbRadius + wall;
    const auto glass = [&] {
        painter.drawRoundedRect(tube, g.tubeWidth / 2, g.tubeWidth / 2);
        painter.drawEllipse(g.bulbCentre, bulb, bulb);
    };
    // Outline both parts with a double-width pen, then fill them over it: only
    // the outer half of the outline stays, and none where tube and bulb meet.
    const double outline = std::clamp(wall * 0.45, 0.5, 1.0);
    painter.setPen(QPen(QColor(0x60, 0x68, 0x70), 2 * outline));
    painter.setBrush(Qt::NoBrush);
    glass();
    QLinearGradient sheen(g.axisX - g.tubeWidth, 0, g.axisX + g.tubeWidth, 0);
    sheen.setColorAt(0.0, QColor(0xc8, 0xd0, 0xd8));
    sheen.setColorAt(0.4, QColor(0xfa, 0xfc, 0xff));
    sheen.setColorAt(1.0, QColor(0xa8, 0xb0, 0xb8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    glass();

    // The empty bore, then the bulb full of liquid with a spot of light.
    painter.setBrush(m_indicatorBackgroundColor);
    painter.drawRect(QRectF(g.axisX - g.columnWidth / 2, g.scaleTop - 0.5, g.columnWidth,
                            g.bulbCentre.y() - g.scaleTop + 0.5));
    QRadialGradient liquid(g.bulbCentre - QPointF(g.bulbRadius * 0.35, g.bulbRadius * 0.35), g.bulbRadius * 1.3);
    liquid.setColorAt(0.0, m_indicatorColor.lighter(170));
    liquid.setColorAt(0.5, m_indicatorColor);
    liquid.setColorAt(1.0, m_indicatorColor.darker(140));
    painter.setBrush(liquid);
    painter.drawEllipse(g.bulbCentre, g.bulbRadius, g.bulbRadius);
}

void iThermometerX::paintMoving(QPainter &painter) const
{
    const Geometry g = geometry(QFontMetricsF(font(), painter.device()));
    if (!std::isnan(m_position)) {
        const double top = yOfValue(g, m_position);
        painter.fillRect(QRectF(g.axisX - g.columnWidth / 2, top, g.columnWidth, g.bulbCentre.y() - top),
                         m_indicatorColor);
    }
    // Light on the glass, over the column.
    const double shine = std::max(0.5, g.columnWidth * 0.25);
    painter.fillRect(QRectF(g.axisX - g.columnWidth / 2 + shine * 0.3, g.scaleTop, shine,
                            g.bulbCentre.y() - g.scaleTop - g.bulbRadius * 0.5),
                     QColor(255, 255, 255, 90));
}

QString iThermometerX::valueText() const
{
    if (!std::isfinite(m_position))
        return noReading();
    return instrument::numberText(m_position, 1) + QStringLiteral(" ºC");
}
