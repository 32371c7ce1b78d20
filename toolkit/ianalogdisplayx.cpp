#include "ianalogdisplayx.h"

#include "classic_frame.h"
#include "number_format.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kBorder = 1.0;     // the lowered frame
constexpr double kPadding = 1.0;    // between frame and text
constexpr int kSmallestPixelSize = 5;
const QColor kBorderLight{0xdc, 0xdc, 0xdc};   // lower and right edge of the frame

// How far the text reaches from where it starts: its advance, or its ink
// where a glyph overhangs.
double textWidth(const QString &text, const QFont &font, const QPaintDevice *device)
{
    const QFontMetricsF metrics(font, device);
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right());
}
} // namespace

iAnalogDisplayX::iAnalogDisplayX(QWidget *parent)
    : InstrumentWidget(QStringLiteral("Indicador digital"), parent)
{
    valueShown();
}

void iAnalogDisplayX::setValue(double value)
{
    if (instrument::change(m_value, value))
        valueShown();
}

void iAnalogDisplayX::setUnitText(const QString &unitText)
{
    if (instrument::change(m_unitText, unitText))
        valueShown();
}

void iAnalogDisplayX::setTextColor(const QColor &color)
{
    if (instrument::change(m_textColor, color))
        update();
}

void iAnalogDisplayX::setAlignment(Qt::Alignment alignment)
{
    if (instrument::change(m_alignment, alignment & Qt::AlignHorizontal_Mask))
        update();
}

void iAnalogDisplayX::setBackgroundColor(const QColor &color)
{
    if (instrument::change(m_backgroundColor, color))
        designChanged();
}

void iAnalogDisplayX::setPrecision(int decimals)
{
    if (instrument::change(m_precision, std::clamp(decimals, 0, 9)))
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
    painter.fillRect(rect(), m_backgroundColor);
    paintClassicFrame(painter, rect(), classic::kShadow, kBorderLight);
}

// A text too wide for the window is set narrower, then smaller, until it fits
// whole: a cut-off letter or digit would misread. Fonts come in whole pixel
// sizes (a size in between is drawn at the nearest whole one), so each
// smaller size is measured as it will be drawn.
QFont iAnalogDisplayX::fittedFont(const QString &shown, const QPaintDevice *device) const
{
    const double room = textRect().width();
    QFont f = font();
    if (textWidth(shown, f, device) <= room)
        return f;
    f.setStretch(QFont::SemiCondensed);
    for (int pixels = QFontInfo(f).pixelSize(); textWidth(shown, f, device) > room && pixels > kSmallestPixelSize;)
        f.setPixelSize(--pixels);
    return f;
}

void iAnalogDisplayX::paintMoving(QPainter &painter) const
{
    const QString shown = text();
    const QFont f = fittedFont(shown, painter.device());
    QRectF area = textRect();
    painter.setFont(f);
    painter.setPen(m_textColor);
    // Still too wide at the smallest size: squeezed, but whole.
    const double width = textWidth(shown, f, painter.device());
    if (width > area.width()) {
        painter.translate(area.left(), 0.0);
        painter.scale(area.width() / width, 1.0);
        area = QRectF(0.0, area.top(), width, area.height());
    }
    painter.drawText(area, int(m_alignment | Qt::AlignVCenter) | Qt::TextSingleLine, shown);
}

QString iAnalogDisplayX::valueText() const
{
    return text();
}
