#pragma once

#include "chart_reading.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>

class QColor;
class QLineEdit;
class Surface;
class SurfaceLabel;
class SurfaceLine;

namespace chart {

// The readout boxes, in the order a reading writes them.
enum class ReadoutBox {
    Text13,  // dry bulb
    Text14,  // humidity ratio, g/kg
    Text15,  // dew point
    Text16,  // relative humidity, at most 100 %
    Text17,  // wet bulb
    Text18,  // enthalpy
    Text19,  // specific volume
    Text20,  // density
    Text21,  // vapour pressure
    Text22,  // total pressure
    Text24,  // degree of saturation, at most 1 (main window only)
};
constexpr int kReadoutBoxCount = 11;
constexpr std::size_t boxIndex(ReadoutBox box) { return static_cast<std::size_t>(box); }

// Each box's new text, indexed by boxIndex(ReadoutBox); none where the box keeps its text.
using ReadoutTexts = std::array<std::optional<QString>, kReadoutBoxCount>;

// The texts a reading writes, with the locale's decimal separator:
// - shown: every value with its pattern and unit;
// - not shown: " ---" in every box but Text22, which keeps the pressure of
//   the last reading shown;
// - no usable pressure: " ---" in every box, Text22 included.
// Without a degree-of-saturation box (withMu false) Text24 is left alone.
ReadoutTexts readoutTexts(const Reading &reading, bool withMu);

} // namespace chart

// The pointer readout of a psychrometric chart box: as the pointer moves over
// the chart (no button needed), the boxes show the air state under it and the
// cross-hair joins the point to the two scales. Moves over the readout boxes
// themselves are not chart positions and change nothing.
//
// At each pointer move at (x, y) twips of the box's inner area:
// 1. the position sink, if any, receives (x, y), whatever the outcome;
// 2. the state is read at the pressure the source gives now;
// 3. the boxes are written in ReadoutBox order (see readoutTexts);
// 4. for a shown reading the cross-hair moves: Line8 to (x, y)-(X2, y), its
//    X2 on the humidity-ratio scale staying; Line9 to (x, y)-(x, Y2), its Y2
//    on the temperature scale staying. Otherwise it stays where it was.
//
// The readout is a child of its chart box, named "ChartReadout". A window
// makes one after building the box's controls, e.g. at a fixed pressure:
//     new ChartReadout(Picture2, {Text13, Text14, ..., Text22}, Line8, Line9,
//                      [] { return std::optional<double>(101.325); });
class ChartReadout : public QObject
{
    Q_OBJECT

public:
    // The boxes inside the chart box; Text24 is optional.
    struct Boxes
    {
        QLineEdit *Text13 = nullptr;
        QLineEdit *Text14 = nullptr;
        QLineEdit *Text15 = nullptr;
        QLineEdit *Text16 = nullptr;
        QLineEdit *Text17 = nullptr;
        QLineEdit *Text18 = nullptr;
        QLineEdit *Text19 = nullptr;
        QLineEdit *Text20 = nullptr;
        QLineEdit *Text21 = nullptr;
        QLineEdit *Text22 = nullptr;
        QLineEdit *Text24 = nullptr;
    };
    // The total pressure in kPa, asked at every reading; none (or a value no
    // barometer here reads) when there is no usable pressure.
    using PressureSource = std::function<std::optional<double>()>;
    using PositionSink = std::function<void(float x, float y)>;

    ChartReadout(Surface *chartBox, const Boxes &boxes, SurfaceLine *Line8, SurfaceLine *Line9,
                 PressureSource pressure);

    void setPositionSink(PositionSink sink);

    // One reading at (x, y) twips of the chart box's inner area, exactly as a
    // pointer move there makes it.
    void readAt(float x, float y);

private:
    void writeBoxes(const chart::ReadoutTexts &texts);
    void moveCrossHair(float x, float y);

    std::array<QLineEdit *, chart::kReadoutBoxCount> m_boxes;
    SurfaceLine *m_line8;
    SurfaceLine *m_line9;
    PressureSource m_pressure;
    PositionSink m_positionSink;
};

// What every chart box carries besides its readout boxes: the axis captions
// over the humidity-ratio scale and by the temperature scale, and the dashed
// cross-hair at its design ends, horizontal (Line8) and vertical (Line9).
struct ChartBoxMarks
{
    SurfaceLabel *Label14 = nullptr;
    SurfaceLabel *Label15 = nullptr;
    SurfaceLine *Line8 = nullptr;
    SurfaceLine *Line9 = nullptr;
};
ChartBoxMarks addChartBoxMarks(Surface *chartBox, const QColor &horizontal, const QColor &vertical);
