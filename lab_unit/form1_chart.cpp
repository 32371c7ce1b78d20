// The tab "Carta psicrom.": the chart box Picture1 with the psychrometric
// chart, its readout boxes and captions, the cross-hair, and the markers and
// letters of the air's path, hidden until the unit runs.

#include "form1.h"

#include "chart_readout.h"
#include "number_format.h"
#include "psych_chart_picture.h"
#include "surface.h"
#include "window_build.h"

#include <QLineEdit>

using namespace winbuild;

namespace {

// The readout boxes in the chart's empty upper-left corner, each with its
// caption (an element of Label8) on its left. Twips inside Picture1.
// Captions in the Symbol font read as Greek: "f=" shows as "φ=".
const ReadoutDesign<Form1> kReadoutBoxes[] = {
    {&Form1::Text13, "Text13", 7, "Tbs=", 0, 75, 360, 60, 660, 375},
    {&Form1::Text17, "Text17", 8, "Tbh=", -15, 375, 360, 405, 795, 285},
    {&Form1::Text15, "Text15", 9, "Td=", 15, 675, 360, 660, 825, 300},
    {&Form1::Text16, "Text16", 10, "f=", 60, 975, 330, 945, 780, 360, CaptionFace::Symbol},
    {&Form1::Text14, "Text14", 11, "w=", 30, 1290, 360, 1260, 1215, 300},
    {&Form1::Text18, "Text18", 12, "h=", 60, 1590, 360, 1590, 1095, 330},
    {&Form1::Text19, "Text19", 13, "v=", 60, 1890, 360, 1905, 1155, 330},
    {&Form1::Text20, "Text20", 14, "r=", 75, 2190, 345, 2205, 900, 300, CaptionFace::Symbol},
    {&Form1::Text21, "Text21", 15, "Pv=", 15, 2505, 345, 2505, 1140, 300},
    {&Form1::Text22, "Text22", 16, "P=", 30, 2805, 345, 2790, 1065, 300},
    {&Form1::Text24, "Text24", 4, "m=", 15, 3090, 240, 3105, 765, 225, CaptionFace::Symbol},
};

// The air's path on the chart: a point mark at state A and three segments,
// at a sample path until the calculation places them.
struct PathMarker
{
    int index;
    QColor color;
    float x1, y1, x2, y2;
};

const PathMarker kPathMarkers[] = {
    {5, QColor(192, 0, 192), 1569, 4060, 1569, 4060},
    {6, QColor(192, 0, 192), 1569, 4060, 2010, 3874},
    {7, QColor(0, 0, 255), 2010, 3874, 1002, 4089},
    {4, QColor(255, 0, 0), 1002, 4089, 1380, 4089},
};

struct PathLetter
{
    int index;
    const char *text;
    QColor color;
    double left, top;
};

const PathLetter kPathLetters[] = {
    {8, "A", QColor(0, 0, 255), 1569, 4110},
    {9, "B", QColor(192, 0, 192), 2060, 3574},
    {10, "C", QColor(0, 128, 0), 902, 4139},
    {11, "D", QColor(255, 0, 0), 1380, 4139},
};

} // namespace

void Form1::buildChartTab(Surface *page)
{
    Picture1 = addPictureBox(page, QStringLiteral("Picture1"), 105, 705, 3930, 5265,
                             &chart::psychrometricChartPicture);
    buildChartReadout();
    buildChartMarkers();
}

void Form1::buildChartReadout()
{
    addReadouts(*this, Picture1, kReadoutBoxes, "Label8", Label8);
    const ChartBoxMarks marks = addChartBoxMarks(Picture1, QColor(255, 0, 0), QColor(0, 0, 255));
    Label14 = marks.Label14;
    Label15 = marks.Label15;
    Line8 = marks.Line8;
    Line9 = marks.Line9;
}

void Form1::buildChartMarkers()
{
    Shape10 = Picture1->addShape(QStringLiteral("Shape10"), SurfaceShape::Circle, -15, 0, 105, 105);
    Shape10->setBorderColor(QColor(255, 0, 0));
    Shape10->setFillColor(QColor(0, 0, 255));
    Shape10->setFillStyle(Qt::SolidPattern);
    Shape10->setVisible(false);

    for (const PathMarker &m : kPathMarkers) {
        SurfaceLine *line = Picture1->addLine(indexed("Line4", m.index), m.x1, m.y1, m.x2, m.y2);
        line->setColor(m.color);
        line->setPenWidth(2);
        line->setVisible(false);
        Line4[size_t(m.index)] = line;
    }
    for (const PathLetter &l : kPathLetters) {
        Label11[size_t(l.index)] = addOpaqueCaption(Picture1, indexed("Label11", l.index), QLatin1String(l.text),
                                                    l.left, l.top, palette().color(QPalette::Window),
                                                    uiFont(13, true), l.color);
    }
}

// The readout reads the pressure box afresh at every pointer move, in mbar,
// and keeps the latest pointer position in ChartX, ChartY for the click.
void Form1::connectChartHandlers()
{
    const ChartReadout::Boxes boxes{Text13, Text14, Text15, Text16, Text17, Text18,
                                    Text19, Text20, Text21, Text22, Text24};
    auto *readout = new ChartReadout(Picture1, boxes, Line8, Line9, [this]() -> std::optional<double> {
        if (const auto millibar = parseNumber(Text3->text()))
            return *millibar / 10.0;
        return std::nullopt;
    });
    readout->setPositionSink([this](float x, float y) {
        ChartY = chart::storedTwips(y);
        ChartX = chart::storedTwips(x);
    });
    connect(Picture1, &Surface::clicked, this, &Form1::Picture1_Click);
}

// Pointer moves over Picture1 reach its readout directly; this runs the same
// reading for code that drives the window by its handlers.
void Form1::Picture1_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y)
{
    if (auto *readout = Picture1->findChild<ChartReadout *>(QStringLiteral("ChartReadout"),
                                                           Qt::FindDirectChildrenOnly))
        readout->readAt(x, y);
}

// A left click marks the position of the latest reading with a black dot,
// whether that reading was shown or not; the dots accumulate.
void Form1::Picture1_Click()
{
    constexpr int kPointWidthPixels = 8;
    Picture1->drawPoint(ChartX, ChartY, kPointWidthPixels, Qt::black);
}
