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
    if (instrument::change(m_position, position))
        valueShown();
}

void iThermometerX::setRange(double minimum, double maximum)
{
    if (instrument::change(m_minimum, minimum, m_maximum, maximum))
        designChanged();
}

void iThermometerX::setIndicatorColor(const QColor &color)
{
    if (instrument::change(m_indicatorColor, color))
        designChanged();
}

void iThermometerX::setIndicatorBackgroundColor(const QColor &color)
{
    if (instrument::change(m_indicatorBackgroundColor, color))
        designChanged();
}

void iThermometerX::setMajorTickCount(int count)
{
    if (instrument::change(m_majorTickCount, std::max(0, count)))
        designChanged();
}

void iThermometerX::setTickLabelsVisible(bool visible)
{
    if (instrument::change(m_tickLabelsVisible, visible))
        designChanged();
}

void iThermometerX::setBulbSize(int pixels)
{
    if (instrument::change(m_bulbSize, std::max(0, pixels)))
        designChanged();
}

void iThermometerX::setIndicatorWidth(int pixels)
{
    if (instrument::change(m_indicatorWidth, std::max(0, pixels)))
        designChanged();
}

void iThermometerX::setTransparent(bool transparent)
{
    if (instrument::change(m_transparent, transparent))
        designChanged();
}

void iThermometerX::setBulbRect(const QRectF &rect)
{
    if (instrument::change(m_bulbRect, rect))
        designChanged();
}

void iThermometerX::setWickedBulb(bool wicked)
{
    if (instrument::change(m_wickedBulb, wicked))
        designChanged();
}

QSize iThermometerX::sizeHint() const
{
    return {38, 85};
}

iThermometerX::Geometry iThermometerX::layOut(const QFontMetricsF &metrics) const
{
    const double w = width();
    const double h = height();
    const QRectF placed = m_bulbRect.intersected(QRectF(rect()));
    Geometry g;
    double wall = 0.0;
    if (placed.isEmpty()) {
        g.columnWidth = m_indicatorWidth > 0 ? m_indicatorWidth : std::clamp(w * 0.22, 1.5, 6.0);
        wall = std::max(1.0, g.columnWidth * 0.35);
    } else {
        // A cylinder a little less than twice as wide as the tube on it.
        const double tube = placed.width() * 0.6;
        wall = std::max(1.0, tube * 0.2);
        g.columnWidth = m_indicatorWidth > 0 ? m_indicatorWidth : std::max(1.0, tube - 2 * wall);
    }
    g.tubeWidth = g.columnWidth + 2 * wall;
    const double reach = m_bulbSize > 0 ? m_bulbSize : std::max(1.5, g.columnWidth * 0.75);
    const double bulbRadius = std::min(g.columnWidth / 2 + reach, (std::min(w, h) - 1.0) / 2 - wall);
    const double bulbOuter = bulbRadius + wall;
    const double bulbTop = placed.isEmpty() ? h - 0.5 - 2 * bulbOuter : placed.top();
    g.tickLength = std::max(2.0, w * 0.12);

    // Tick labels are set smaller where the ticks lie closer than a line of text.
    const QVector<double> ticks = instrument::majorTicks(m_minimum, m_maximum, m_majorTickCount);
    const double roughScale = bulbTop - g.tubeWidth;
    g.labelScale = ticks.size() < 2 ? 1.0 : std::min(1.0, roughScale / (ticks.size() - 1) / metrics.height());

    // Lay out bulb, tube, ticks and labels side by side from the left edge, as
    // the panel thermometers stand.
    double labelWidth = 0.0;
    if (m_tickLabelsVisible) {
        for (double tick : ticks)
            labelWidth = std::max(labelWidth, metrics.horizontalAdvance(instrument::tickText(tick)) * g.labelScale);
    }
    if (placed.isEmpty()) {
        const double rightOfAxis = std::max(bulbOuter, g.tubeWidth / 2 + 0.5 + g.tickLength
                                                           + (labelWidth > 0 ? 1.5 + labelWidth : 0.0));
        g.axisX = bulbOuter + std::max(0.0, std::min(0.5, w - bulbOuter - rightOfAxis));
        g.bulb = QRectF(g.axisX - bulbOuter, bulbTop, 2 * bulbOuter, 2 * bulbOuter);
    } else {
        g.axisX = placed.center().x();
        g.bulb = placed;
    }
    g.tickLeft = g.axisX + g.tubeWidth / 2 + 0.5;
    g.liquid = g.bulb.adjusted(wall, wall, -wall, -wall);
    // A column runs down into the bulb's liquid; into a wick it goes no further
    // than the bulb's top.
    g.columnFoot = g.liquid.top() + (m_wickedBulb ? 0.0 : std::min(g.liquid.width(), g.liquid.height()) / 2);

    g.scaleBottom = g.bulb.top() - std::max(1.5, h * 0.03);
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
    const Geometry g = layOut(painter.fontMetrics());
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
    const QRectF tube(g.axisX - g.tubeWidth / 2, tubeTop, g.tubeWidth, g.columnFoot - tubeTop);
    const auto rounded = [&](const QRectF &r) {
        const double radius = std::min(r.width(), r.height()) / 2;
        painter.drawRoundedRect(r, radius, radius);
    };
    // A bulb in a wick shows faintly through it; the tube comes out of the wick.
    const double bulbOpacity = m_wickedBulb ? 0.5 : 1.0;
    const auto glass = [&] {
        rounded(tube);
        painter.setOpacity(bulbOpacity);
        rounded(g.bulb);
        painter.setOpacity(1.0);
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
                            g.columnFoot - g.scaleTop + 0.5));
    const double across = std::min(g.liquid.width(), g.liquid.height());
    QRadialGradient liquid(g.liquid.topLeft() + QPointF(across * 0.325, across * 0.325), across * 0.65);
    liquid.setColorAt(0.0, m_indicatorColor.lighter(170));
    liquid.setColorAt(0.5, m_indicatorColor);
    liquid.setColorAt(1.0, m_indicatorColor.darker(140));
    painter.setBrush(liquid);
    painter.setOpacity(bulbOpacity);
    rounded(g.liquid);
    painter.setOpacity(1.0);
}

void iThermometerX::paintMoving(QPainter &painter) const
{
    const Geometry g = layOut(QFontMetricsF(font(), painter.device()));
    if (!std::isnan(m_position)) {
        const double top = yOfValue(g, m_position);
        painter.fillRect(QRectF(g.axisX - g.columnWidth / 2, top, g.columnWidth, g.columnFoot - top),
                         m_indicatorColor);
    }
    // Light on the glass, over the column.
    const double shine = std::max(0.5, g.columnWidth * 0.25);
    painter.fillRect(QRectF(g.axisX - g.columnWidth / 2 + shine * 0.3, g.scaleTop, shine,
                            g.columnFoot - g.scaleTop - std::min(g.liquid.width(), g.liquid.height()) / 4),
                     QColor(255, 255, 255, 90));
}

QRectF iThermometerX::bulbRect() const
{
    return layOut(QFontMetricsF(font(), this)).bulb;
}

QString iThermometerX::valueText() const
{
    return formatNumberWithUnit(m_position, instrument::numberPattern(1), QStringLiteral(" ºC"));
}
