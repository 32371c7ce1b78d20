#include "isevensegmentintegerx.h"

#include "classic_frame.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>

namespace {

// Segments as bits: a (top), b (upper right), c (lower right), d (bottom),
// e (lower left), f (upper left), g (middle).
enum : quint8 { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64, All = 127 };

quint8 segmentsOf(QChar character)
{
    static constexpr std::array<quint8, 10> digits{
        A | B | C | D | E | F, B | C, A | B | D | E | G, A | B | C | D | G, B | C | F | G,
        A | C | D | F | G, A | C | D | E | F | G, A | B | C, All, A | B | C | D | F | G};
    if (character.isDigit())
        return digits[std::size_t(character.digitValue())];
    return character == QLatin1Char('-') ? quint8(G) : quint8(0);
}

// One segment as a six-sided bar in a digit cell 1 wide and 2 high (y down),
// before slanting.
QPolygonF segmentShape(int segment)
{
    constexpr double t = 0.22;      // thickness
    constexpr double gap = 0.035;   // between neighbouring segments
    const auto horizontal = [&](double y) {
        const double x0 = gap, x1 = 1.0 - gap;
        return QPolygonF{{x0, y}, {x0 + t / 2, y - t / 2}, {x1 - t / 2, y - t / 2},
                         {x1, y}, {x1 - t / 2, y + t / 2}, {x0 + t / 2, y + t / 2}};
    };
    const auto vertical = [&](double x, double y0, double y1) {
        y0 += gap;
        y1 -= gap;
        return QPolygonF{{x, y0}, {x + t / 2, y0 + t / 2}, {x + t / 2, y1 - t / 2},
                         {x, y1}, {x - t / 2, y1 - t / 2}, {x - t / 2, y0 + t / 2}};
    };
    switch (segment) {
    case 0: return horizontal(t / 2);
    case 1: return vertical(1.0 - t / 2, t / 2, 1.0);
    case 2: return vertical(1.0 - t / 2, 1.0, 2.0 - t / 2);
    case 3: return horizontal(2.0 - t / 2);
    case 4: return vertical(t / 2, 1.0, 2.0 - t / 2);
    case 5: return vertical(t / 2, t / 2, 1.0);
    default: return horizontal(1.0);
    }
}

constexpr double kSlant = 0.12;        // sideways lean of a digit per unit of height
constexpr double kDigitAspect = 0.56;  // width of a digit cell to its height
constexpr double kSpacing = 0.32;      // gap between digits, in digit widths
const QColor kBorderFace{0xd4, 0xd0, 0xc8};   // the light inner edge of the lowered border

} // namespace

iSevenSegmentIntegerX::iSevenSegmentIntegerX(QWidget *parent)
    : InstrumentWidget(QStringLiteral("Visor de siete segmentos"), parent)
{
    valueShown();
}

void iSevenSegmentIntegerX::setValue(int value)
{
    if (instrument::change(m_value, value))
        valueShown();
}

void iSevenSegmentIntegerX::setSegmentColor(const QColor &color)
{
    if (instrument::change(m_segmentColor, color))
        update();
}

void iSevenSegmentIntegerX::setUnlitSegmentColor(const QColor &color)
{
    if (instrument::change(m_unlitSegmentColor, color))
        designChanged();
}

void iSevenSegmentIntegerX::setBackgroundColor(const QColor &color)
{
    if (instrument::change(m_backgroundColor, color))
        designChanged();
}

void iSevenSegmentIntegerX::setLoweredBorder(bool lowered)
{
    if (instrument::change(m_loweredBorder, lowered))
        designChanged();
}

void iSevenSegmentIntegerX::setDigitCount(int count)
{
    if (instrument::change(m_digitCount, std::clamp(count, 1, 10)))
        designChanged();
}

QString iSevenSegmentIntegerX::shownText() const
{
    const QString number = QString::number(m_value);
    if (number.size() > m_digitCount || (m_value < 0 && !m_showSign))
        return QString(m_digitCount, QLatin1Char('-'));
    return number.rightJustified(m_digitCount, QLatin1Char(' '));
}

void iSevenSegmentIntegerX::setShowSign(bool show)
{
    if (instrument::change(m_showSign, show))
        valueShown();
}

QSize iSevenSegmentIntegerX::sizeHint() const
{
    return {68, 28};
}

QRectF iSevenSegmentIntegerX::digitRect(int place) const
{
    const double border = m_loweredBorder ? 2.0 : 0.0;
    const QRectF inner = QRectF(rect()).adjusted(border, border, -border, -border);
    const double pad = std::max(1.5, inner.height() * 0.12);
    const QRectF area = inner.adjusted(pad, pad, -pad, -pad);
    // Digits as tall as the window allows, narrower if the row would not fit.
    double digitHeight = area.height();
    double digitWidth = digitHeight * kDigitAspect;
    const double rowWidth = m_digitCount * digitWidth + (m_digitCount - 1) * digitWidth * kSpacing;
    if (rowWidth > area.width())
        digitWidth *= area.width() / rowWidth;
    const double step = digitWidth * (1.0 + kSpacing);
    const double right = area.right() - (m_digitCount - 1 - place) * step;
    return QRectF(right - digitWidth, area.top(), digitWidth, digitHeight);
}

void iSevenSegmentIntegerX::paintDigit(QPainter &painter, int place, quint8 segments, const QColor &color) const
{
    const QRectF cell = digitRect(place);
    // Map the 1 x 2 digit cell into the place, leaning to the right.
    const double unitWidth = cell.width() / (1.0 + 2.0 * kSlant);
    const double unitHeight = cell.height() / 2.0;
    // x' = w x - slant w y + dx, y' = h y + dy: the top of the cell leans right.
    const QTransform slant(unitWidth, 0.0, -kSlant * unitWidth, unitHeight,
                           cell.left() + 2.0 * kSlant * unitWidth, cell.top());
    QPainterPath path;
    for (int segment = 0; segment < 7; ++segment) {
        if (segments & (1u << segment))
            path.addPolygon(slant.map(segmentShape(segment)));
    }
    path.setFillRule(Qt::WindingFill);
    painter.fillPath(path, color);
}

void iSevenSegmentIntegerX::paintStatic(QPainter &painter) const
{
    painter.fillRect(rect(), m_backgroundColor);
    if (m_loweredBorder)
        classic::paintSunken(painter, rect(), kBorderFace);
    for (int place = 0; place < m_digitCount; ++place)
        paintDigit(painter, place, All, m_unlitSegmentColor);
}

void iSevenSegmentIntegerX::paintMoving(QPainter &painter) const
{
    const QString text = shownText();
    for (int place = 0; place < m_digitCount; ++place)
        paintDigit(painter, place, segmentsOf(text[place]), m_segmentColor);
}

QString iSevenSegmentIntegerX::valueText() const
{
    return QString::number(m_value);
}
