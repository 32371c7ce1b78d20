#include "iangulargaugex.h"

#include "number_format.h"
#include "picture_cache.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kFace = 0.86;        // face radius as a part of the bezel radius
constexpr double kScaleArc = 0.93;    // radius of the scale arc, as a part of the face radius
constexpr double kMajorTick = 0.24;   // ... length of a major tick
constexpr double kMinorTick = 0.14;   // ... of a minor tick
constexpr double kNumberSize = 0.2;   // ... text size of the numbers
constexpr double kUnitSize = 0.22;    // ... of the unit label
constexpr double kUnitDrop = 0.72;    // ... how far below the centre the unit label stands
constexpr double kHub = 0.11;         // ... hub radius
constexpr int kSmallestUnitPixels = 6;
// Numbers are at least kNumberPixels high; a dial too small for them there
// tries kSmallestNumberPixels, the least that still reads at one device pixel
// per logical pixel with full hinting. Smaller numbers blur into smudges.
constexpr int kNumberPixels = 8;
constexpr int kSmallestNumberPixels = 7;
constexpr double kNumberSpacing = 0.4;   // least gap between two numbers, in their text size; also kept from the hub
constexpr double kUnitClearance = 0.15;  // ... between a number and the unit label
constexpr double kSmallestMinorTicksFace = 18;  // face radius (px) from which minor ticks are drawn

// The box of `text` in `metrics` centred at `centre`: its advance wide and
// as high as a capital (digits and "bar" fill that height), with the
// baseline origin that puts the text there.
iAngularGaugeX::ScaleNumber textAround(const QFontMetricsF &metrics, const QString &text, QPointF centre)
{
    const QSizeF size(metrics.horizontalAdvance(text), metrics.capHeight());
    const QRectF box(centre - QPointF(size.width() / 2, size.height() / 2), size);
    return {text, box.bottomLeft(), box};
}

// Small text stays crisp when its baseline starts on a device pixel.
void drawSmallText(QPainter &painter, const iAngularGaugeX::ScaleNumber &text)
{
    const double scale = devicePixelScale(painter);
    const QPointF origin(std::round(text.origin.x() * scale) / scale, std::round(text.origin.y() * scale) / scale);
    painter.drawText(origin, text.text);
}
} // namespace

iAngularGaugeX::iAngularGaugeX(QWidget *parent)
    : InstrumentWidget(QStringLiteral("Indicador de aguja"), parent)
{
    valueShown();
}

void iAngularGaugeX::setPosition(double position)
{
    if (instrument::change(m_position, position))
        valueShown();
}

void iAngularGaugeX::setRange(double minimum, double maximum)
{
    if (instrument::change(m_minimum, minimum, m_maximum, maximum))
        designChanged();
}

void iAngularGaugeX::setLabel(const QString &label)
{
    if (instrument::change(m_label, label))
        designChanged();
}

void iAngularGaugeX::setArc(double startDegrees, double spanDegrees)
{
    if (instrument::change(m_arcStart, startDegrees, m_arcSpan, std::clamp(spanDegrees, 0.0, 360.0)))
        designChanged();
}

void iAngularGaugeX::setPointerColor(const QColor &color)
{
    if (instrument::change(m_pointerColor, color))
        update();
}

void iAngularGaugeX::setTickColor(const QColor &color)
{
    if (instrument::change(m_tickColor, color))
        designChanged();
}

void iAngularGaugeX::setFaceColor(const QColor &color)
{
    if (instrument::change(m_faceColor, color))
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
    paintScaleNumbers(painter);
    paintUnitLabel(painter);
}

void iAngularGaugeX::paintTicks(QPainter &painter, double face) const
{
    const QPointF c = centre();
    const double outer = face * kScaleArc;
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
            painter.drawLine(instrument::polar(c, outer - face * kMinorTick, a), instrument::polar(c, outer, a));
        }
    }
    painter.setPen(QPen(m_tickColor, major, Qt::SolidLine, Qt::FlatCap));
    for (double tick : ticks) {
        const double a = angleOfValue(tick);
        painter.drawLine(instrument::polar(c, outer - face * kMajorTick, a), instrument::polar(c, outer, a));
    }
}

QFont iAngularGaugeX::numberFont() const
{
    QFont f = font();
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setPixelSize(std::max(kNumberPixels, int(std::lround(radius() * kFace * kNumberSize))));
    if (numbersIn(f).isEmpty())
        f.setPixelSize(kSmallestNumberPixels);
    return f;
}

QFont iAngularGaugeX::unitFont() const
{
    QFont f = font();
    f.setPixelSize(std::max(kSmallestUnitPixels, int(std::lround(radius() * kFace * kUnitSize))));
    f.setHintingPreference(QFont::PreferVerticalHinting);
    return f;
}

iAngularGaugeX::ScaleNumber iAngularGaugeX::unitLabel() const
{
    const double face = radius() * kFace;
    return textAround(QFontMetricsF(unitFont()), m_label, centre() + QPointF(0, face * kUnitDrop));
}

QRectF iAngularGaugeX::unitLabelBox() const
{
    return m_label.isEmpty() ? QRectF() : unitLabel().box;
}

QVector<iAngularGaugeX::ScaleNumber> iAngularGaugeX::scaleNumbers() const
{
    return numbersIn(numberFont());
}

// Each number stands just inside its tick, its box touching the circle
// through the ticks' inner ends.
QVector<iAngularGaugeX::ScaleNumber> iAngularGaugeX::numbersIn(const QFont &font) const
{
    const QPointF c = centre();
    const double face = radius() * kFace;
    const double inside = face * (kScaleArc - kMajorTick) - std::max(0.5, face * 0.03);
    const QFontMetricsF metrics(font);
    QVector<ScaleNumber> all;
    for (double tick : instrument::majorTicks(m_minimum, m_maximum, 0)) {
        const QString text = instrument::tickText(tick);
        const QSizeF size(metrics.horizontalAdvance(text), metrics.capHeight());
        const double a = angleOfValue(tick);
        const QPointF towards = instrument::polar({}, 1, a);
        const double reach = (std::abs(towards.x()) * size.width() + std::abs(towards.y()) * size.height()) / 2;
        all.append(textAround(metrics, text, instrument::polar(c, inside - reach, a)));
    }

    const qsizetype intervals = std::max<qsizetype>(1, all.size() - 1);
    for (qsizetype every = 1; every <= intervals; ++every) {
        if (intervals % every != 0)
            continue;
        QVector<ScaleNumber> chosen;
        for (qsizetype i = 0; i < all.size(); i += every)
            chosen.append(all[i]);
        if (standApart(chosen, font.pixelSize()))
            return chosen;
    }
    return {};
}

// Whether the numbers, in text `em` pixels high, stand well apart from each
// other, from the unit label and from the hub, within the scale arc.
bool iAngularGaugeX::standApart(const QVector<ScaleNumber> &numbers, double em) const
{
    const QPointF c = centre();
    const double face = radius() * kFace;
    const double hub = std::max(1.2, face * kHub) + em * kNumberSpacing;
    const auto overHub = [&](const QRectF &box) {
        const QPointF nearest(std::clamp(c.x(), box.left(), box.right()), std::clamp(c.y(), box.top(), box.bottom()));
        return QLineF(c, nearest).length() < hub;
    };
    const QRectF unit = unitLabelBox();
    const auto within = [](const QRectF &a, const QRectF &b, double distance) {
        return !b.isEmpty() && a.adjusted(-distance, -distance, distance, distance).intersects(b);
    };
    const auto onFace = [&](const QRectF &box) {
        for (const QPointF &corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
            if (QLineF(c, corner).length() > face * kScaleArc)
                return false;
        return true;
    };
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const QRectF &box = numbers[i].box;
        if (!onFace(box) || overHub(box) || within(box, unit, em * kUnitClearance))
            return false;
        for (qsizetype j = i + 1; j < numbers.size(); ++j)
            if (within(box, numbers[j].box, em * kNumberSpacing))
                return false;
    }
    return true;
}

void iAngularGaugeX::paintScaleNumbers(QPainter &painter) const
{
    const QFont font = numberFont();
    painter.setFont(font);
    painter.setPen(m_tickColor);
    for (const ScaleNumber &number : numbersIn(font))
        drawSmallText(painter, number);
}

void iAngularGaugeX::paintUnitLabel(QPainter &painter) const
{
    if (m_label.isEmpty())
        return;
    painter.setFont(unitFont());
    painter.setPen(m_tickColor);
    drawSmallText(painter, unitLabel());
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

    const double hub = std::max(1.2, face * kHub);
    QRadialGradient cap(c - QPointF(hub * 0.3, hub * 0.3), hub);
    cap.setColorAt(0.0, QColor(0x90, 0x90, 0x90));
    cap.setColorAt(1.0, QColor(0x20, 0x20, 0x20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(cap);
    painter.drawEllipse(c, hub, hub);
}

QString iAngularGaugeX::valueText() const
{
    return formatNumberWithUnit(m_position, instrument::numberPattern(1),
                                m_label.isEmpty() ? QString() : QLatin1Char(' ') + m_label);
}
