// The tab "Carta psicrom.": the chart box Picture1 with the psychrometric
// chart, its readout boxes and captions, the cross-hair, and the markers and
// letters of the air's path, hidden until the unit runs.

#include "form1.h"

#include "chart_readout.h"
#include "form1_ui.h"
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
const ReadoutDesign<ChartReadout::Boxes> kReadoutBoxes[] = {
    {&ChartReadout::Boxes::Text13, "Text13", 7, "Tbs=", 0, 75, 360, 60, 660, 375},
    {&ChartReadout::Boxes::Text17, "Text17", 8, "Tbh=", -15, 375, 360, 405, 795, 285},
    {&ChartReadout::Boxes::Text15, "Text15", 9, "Td=", 15, 675, 360, 660, 825, 300},
    {&ChartReadout::Boxes::Text16, "Text16", 10, "f=", 60, 975, 330, 945, 780, 360, CaptionFace::Symbol},
    {&ChartReadout::Boxes::Text14, "Text14", 11, "w=", 30, 1290, 360, 1260, 1215, 300},
    {&ChartReadout::Boxes::Text18, "Text18", 12, "h=", 60, 1590, 360, 1590, 1095, 330},
    {&ChartReadout::Boxes::Text19, "Text19", 13, "v=", 60, 1890, 360, 1905, 1155, 330},
    {&ChartReadout::Boxes::Text20, "Text20", 14, "r=", 75, 2190, 345, 2205, 900, 300, CaptionFace::Symbol},
    {&ChartReadout::Boxes::Text21, "Text21", 15, "Pv=", 15, 2505, 345, 2505, 1140, 300},
    {&ChartReadout::Boxes::Text22, "Text22", 16, "P=", 30, 2805, 345, 2790, 1065, 300},
    {&ChartReadout::Boxes::Text24, "Text24", 4, "m=", 15, 3090, 240, 3105, 765, 225, CaptionFace::Symbol},
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

void Form1Ui::buildChartTab(Surface *page, const QColor &letterGround)
{
    Picture1 = addPictureBox(page, QStringLiteral("Picture1"), 105, 705, 3930, 5265,
                             &chart::psychrometricChartPicture);
    buildChartReadout();
    buildChartMarkers(letterGround);
}

void Form1Ui::buildChartReadout()
{
    addReadouts(readoutBoxes, Picture1, kReadoutBoxes, "Label8", Label8);
    const ChartBoxMarks marks = addChartBoxMarks(Picture1, QColor(255, 0, 0), QColor(0, 0, 255));
    Label14 = marks.Label14;
    Label15 = marks.Label15;
    Line8 = marks.Line8;
    Line9 = marks.Line9;
}

void Form1Ui::buildChartMarkers(const QColor &letterGround)
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
                                                    l.left, l.top, letterGround, uiFont(13, true), l.color);
    }
}

// The readout reads the pressure box afresh at every pointer move, in mbar,
// and keeps the latest pointer position in ChartX, ChartY for the click.
void Form1::connectChartHandlers()
{
    const auto pressure = [this]() -> std::optional<double> {
        if (const auto millibar = parseNumber(ui->Text3->text()))
            return *millibar / 10.0;
        return std::nullopt;
    };
    auto *readout = new ChartReadout(ui->Picture1, ui->readoutBoxes, ui->Line8, ui->Line9, pressure);
    readout->setPositionSink([this](float x, float y) {
        m_chartY = chart::storedTwips(y);
        m_chartX = chart::storedTwips(x);
    });
    connect(ui->Picture1, &Surface::clicked, this, &Form1::Picture1_Click);
}

// Pointer moves over Picture1 reach its readout directly; this runs the same
// reading for code that drives the window by its handlers.
void Form1::Picture1_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y)
{
    if (auto *readout = ui->Picture1->findChild<ChartReadout *>(QStringLiteral("ChartReadout"),
                                                               Qt::FindDirectChildrenOnly))
        readout->readAt(x, y);
}

// A left click marks the position of the latest reading with a black dot,
// whether that reading was shown or not; the dots accumulate.
void Form1::Picture1_Click()
{
    constexpr int kPointWidthPixels = 8;
    ui->Picture1->drawPoint(m_chartX, m_chartY, kPointWidthPixels, Qt::black);
}
