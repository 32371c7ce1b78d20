#include "ianalogdisplayx.h"

#include "number_format.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kBorder = 1.0;     // the lowered frame
constexpr double kPadding = 1.0;    // between frame and text
constexpr double kSmallestPointSize = 4.0;
} // namespace

iAnalogDisplayX::iAnalogDisplayX(QWidget *parent)
    : InstrumentWidget(QStringLiteral("Indicador digital"), parent)
{
    valueShown();
}

void iAnalogDisplayX::setValue(double value)
{
    m_value = value;
    valueShown();
}

void iAnalogDisplayX::setUnitText(const QString &unitText)
{
    m_unitText = unitText;
    valueShown();
}

void iAnalogDisplayX::setTextColor(const QColor &color)
{
    m_textColor = color;
    update();
}

void iAnalogDisplayX::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment & Qt::AlignHorizontal_Mask;
    update();
}

void iAnalogDisplayX::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    designChanged();
}

void iAnalogDisplayX::setPrecision(int decimals)
{
    m_precision = std::clamp(decimals, 0, 9);
    valueShown();
}

QString iAnalogDisplayX::text() const
{
    return formatNumberWithUnit(m_value, instrument::numberPattern(m_precision), m_unitText);
}

QSize iAnalogDisplayX::sizeHint() const
{
    return {40, 18};
}

QRectF iAnalogDisplayX::textRect() const
{
    const double inset = kBorder + kPadding;
    return QRectF(rect()).adjusted(inset, kBorder, -inset, -kBorder);
}

void iAnalogDisplayX::paintStatic(QPainter &painter) const
{
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.fillRect(rect(), m_backgroundColor);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawPolyline(QPolygonF{box.bottomLeft(), box.topLeft(), box.topRight()});
    painter.setPen(QColor(0xdc, 0xdc, 0xdc));
    painter.drawPolyline(QPolygonF{box.topRight(), box.bottomRight(), box.bottomLeft()});
}

void iAnalogDisplayX::paintMoving(QPainter &painter) const
{
    const QRectF area = textRect();
    const QString shown = text();
    // A text too wide for the window is set narrower, then smaller, until it
    // fits whole: a cut-off digit would misread.
    QFont f = font();
    const auto widthWith = [&](const QFont &candidate) {
        return QFontMetricsF(candidate, painter.device()).horizontalAdvance(shown);
    };
    if (widthWith(f) > area.width()) {
        f.setStretch(QFont::SemiCondensed);
        const double natural = widthWith(f);
        if (natural > area.width()) {
            const double size = f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 0.75;
            f.setPointSizeF(std::max(kSmallestPointSize, size * area.width() / natural));
        }
    }
    painter.setFont(f);
    painter.setPen(m_textColor);
    painter.drawText(area, int(m_alignment | Qt::AlignVCenter) | Qt::TextSingleLine, shown);
}

QString iAnalogDisplayX::valueText() const
{
    return text();
}
