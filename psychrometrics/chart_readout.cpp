#include "chart_readout.h"

#include "number_format.h"
#include "surface.h"
#include "surface_items.h"
#include "window_build.h"

#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace chart {

namespace {

// Display pattern and unit text of each box, in ReadoutBox order.
struct BoxFormat
{
    const char *pattern;
    const char *unit;
};

constexpr BoxFormat kFormats[kReadoutBoxCount] = {
    {"###0.0", " ºC"},           // Text13 T
    {"0.0", " g/kga.s."},        // Text14 1000 W
    {"##0.0", " ºC"},            // Text15 Tdp
    {"##0.0", " %"},             // Text16 RH
    {"#0.0", " ºC"},             // Text17 Twb
    {"###0.0", " kJ/kga.s."},    // Text18 h
    {"0.000", " m3/kga.s."},     // Text19 v
    {"0.00", " kg/m3"},          // Text20 rho
    {"0.00", " kPa"},            // Text21 pv
    {"0.00", " kPa"},            // Text22 p
    {"0.000", ""},               // Text24 mu
};

std::optional<double> atMost(std::optional<double> value, double limit)
{
    if (value)
        return std::min(*value, limit);
    return value;
}

// The values of a shown reading, in ReadoutBox order.
std::array<std::optional<double>, kReadoutBoxCount> shownValues(const Reading &r)
{
    return {r.T, 1000.0 * r.W, r.Tdp, atMost(r.RH, 100.0), r.Twb, r.h, r.v, r.rho, r.pv, r.p,
            atMost(r.mu, 1.0)};
}

// A value with its unit; " ---" alone where there is no value.
QString boxText(std::optional<double> value, const BoxFormat &format)
{
    return formatNumberWithUnit(value, QLatin1String(format.pattern), QString::fromUtf8(format.unit));
}

} // namespace

ReadoutTexts readoutTexts(const Reading &reading, bool withMu)
{
    ReadoutTexts texts;
    if (reading.shown) {
        const auto values = shownValues(reading);
        for (int i = 0; i < kReadoutBoxCount; ++i)
            texts[size_t(i)] = boxText(values[size_t(i)], kFormats[i]);
    } else {
        texts.fill(noReading());
        if (reading.p)
            texts[boxIndex(ReadoutBox::Text22)].reset();
    }
    if (!withMu)
        texts[boxIndex(ReadoutBox::Text24)].reset();
    return texts;
}

} // namespace chart

using chart::ReadoutBox;

ChartReadout::ChartReadout(Surface *chartBox, const Boxes &boxes, SurfaceLine *Line8,
                           SurfaceLine *Line9, PressureSource pressure)
    : QObject(chartBox)
    , m_boxes{boxes.Text13, boxes.Text14, boxes.Text15, boxes.Text16, boxes.Text17, boxes.Text18,
              boxes.Text19, boxes.Text20, boxes.Text21, boxes.Text22, boxes.Text24}
    , m_line8(Line8)
    , m_line9(Line9)
    , m_pressure(std::move(pressure))
{
    setObjectName(QStringLiteral("ChartReadout"));
    connect(chartBox, &Surface::mouseMoved, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y) { readAt(x, y); });
}

void ChartReadout::setPositionSink(PositionSink sink)
{
    m_positionSink = std::move(sink);
}

void ChartReadout::readAt(float x, float y)
{
    if (m_positionSink)
        m_positionSink(x, y);
    const chart::Reading reading = chart::readChart(x, y, m_pressure ? m_pressure() : std::nullopt);
    const bool withMu = m_boxes[chart::boxIndex(ReadoutBox::Text24)] != nullptr;
    writeBoxes(chart::readoutTexts(reading, withMu));
    if (reading.shown)
        moveCrossHair(x, y);
}

// A box whose text would not change is not written: as the pointer moves,
// most boxes keep their texts, and each write repaints its box.
void ChartReadout::writeBoxes(const chart::ReadoutTexts &texts)
{
    for (int i = 0; i < chart::kReadoutBoxCount; ++i) {
        QLineEdit *box = m_boxes[size_t(i)];
        const std::optional<QString> &text = texts[size_t(i)];
        if (box && text && box->text() != *text)
            box->setText(*text);
    }
}

void ChartReadout::moveCrossHair(float x, float y)
{
    m_line8->setX1(x);
    m_line8->setY1(y);
    m_line8->setY2(y);
    m_line9->setX1(x);
    m_line9->setY1(y);
    m_line9->setX2(x);
}

ChartBoxMarks addChartBoxMarks(Surface *chartBox, const QColor &horizontal, const QColor &vertical)
{
    ChartBoxMarks marks;
    marks.Label14 = winbuild::addOpaqueCaption(chartBox, QStringLiteral("Label14"), QStringLiteral("w [kg/kga.s]"),
                                               2835, 15, chartBox->palette().color(QPalette::Window));
    marks.Label15 = winbuild::addCaption(chartBox, QStringLiteral("Label15"), QStringLiteral(" [ºC]"), 45, 4275);
    marks.Line8 = chartBox->addLine(QStringLiteral("Line8"), 1515, 4020, 3300, 4020);
    marks.Line8->setColor(horizontal);
    marks.Line9 = chartBox->addLine(QStringLiteral("Line9"), 1365, 4005, 1365, 5000);
    marks.Line9->setColor(vertical);
    for (SurfaceLine *crossHair : {marks.Line8, marks.Line9})
        crossHair->setStyle(Qt::DashLine);
    return marks;
}
