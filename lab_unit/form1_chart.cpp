// The tab "Carta psicrom.": the chart box Picture1 with the psychrometric
// chart, its readout boxes and captions, the cross-hair, and the markers and
// letters of the air's path, hidden until the unit runs.

#include "form1.h"

#include "chart_readout.h"
#include "form1_build.h"
#include "number_format.h"
#include "psych_chart_picture.h"
#include "surface.h"
#include "twips.h"

#include <QLineEdit>

using namespace form1build;

namespace {

// The readout boxes in the chart's empty upper-left corner, each with its
// caption (an element of Label8) on its left. Twips inside Picture1.
struct ReadoutBox
{
    QLineEdit *Form1::*box;
    const char *name;
    int caption;
    const char *text;
    double captionLeft, captionTop;
    double left, top, width, height;
};

const ReadoutBox kReadoutBoxes[] = {
    {&Form1::Text13, "Text13", 7, "Tbs=", 0, 75, 360, 60, 660, 375},
    {&Form1::Text17, "Text17", 8, "Tbh=", -15, 375, 360, 405, 795, 285},
    {&Form1::Text15, "Text15", 9, "Td=", 15, 675, 360, 660, 825, 300},
    {&Form1::Text16, "Text16", 10, "φ=", 60, 975, 330, 945, 780, 360},
    {&Form1::Text14, "Text14", 11, "w=", 30, 1290, 360, 1260, 1215, 300},
    {&Form1::Text18, "Text18", 12, "h=", 60, 1590, 360, 1590, 1095, 330},
    {&Form1::Text19, "Text19", 13, "v=", 60, 1890, 360, 1905, 1155, 330},
    {&Form1::Text20, "Text20", 14, "ρ=", 75, 2190, 345, 2205, 900, 300},
    {&Form1::Text21, "Text21", 15, "Pv=", 15, 2505, 345, 2505, 1140, 300},
    {&Form1::Text22, "Text22", 16, "P=", 30, 2805, 345, 2790, 1065, 300},
    {&Form1::Text24, "Text24", 4, "μ=", 15, 3090, 240, 3105, 765, 225},
};

// Font size of the readout boxes, whose readings must fit the narrow boxes.
constexpr int kReadoutFontPixels = 9;

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
    Picture1 = new Surface(page);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twips::rect(105, 705, 3930, 5265));
    Picture1->setBorder(true);
    Picture1->setPictureRenderer(&chart::renderPsychrometricChart);
    buildChartReadout();
    buildChartMarkers();
}

void Form1::buildChartReadout()
{
    const QFont boxFont = condensedFont(kReadoutFontPixels);
    // The captions end where their boxes begin.
    const QFont captionFont = condensedFont(10);
    for (const ReadoutBox &r : kReadoutBoxes) {
        Label8[size_t(r.caption)] = addCaption(Picture1, indexed("Label8", r.caption),
                                               QString::fromUtf8(r.text), r.captionLeft, r.captionTop,
                                               captionFont);
        QLineEdit *box = addTextBox(Picture1, QLatin1String(r.name), r.left, r.top, r.width, r.height);
        box->setFont(boxFont);
        box->setFocusPolicy(Qt::ClickFocus);
        this->*r.box = box;
    }

    Label14 = addCaption(Picture1, QStringLiteral("Label14"), QStringLiteral("w [kg/kga.s]"), 2835, 15);
    Label14->setTransparent(false);
    Label14->setBackColor(palette().color(QPalette::Window));
    Label15 = addCaption(Picture1, QStringLiteral("Label15"), QStringLiteral(" [ºC]"), 45, 4275);

    Line8 = Picture1->addLine(QStringLiteral("Line8"), 1515, 4020, 3300, 4020);
    Line8->setColor(QColor(255, 0, 0));
    Line8->setStyle(Qt::DashLine);
    Line9 = Picture1->addLine(QStringLiteral("Line9"), 1365, 4005, 1365, 5000);
    Line9->setColor(QColor(0, 0, 255));
    Line9->setStyle(Qt::DashLine);
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
        line->setWidth(2);
        line->setVisible(false);
        Line4[size_t(m.index)] = line;
    }
    for (const PathLetter &l : kPathLetters) {
        SurfaceLabel *letter = addCaption(Picture1, indexed("Label11", l.index), QLatin1String(l.text),
                                          l.left, l.top, windowFont(13, true), l.color);
        letter->setTransparent(false);
        letter->setBackColor(palette().color(QPalette::Window));
        Label11[size_t(l.index)] = letter;
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
