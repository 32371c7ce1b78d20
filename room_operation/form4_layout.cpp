// The four frames of the operation window: the outdoor inputs with the
// barometer, thermometer and season options (Frame4), the chart box with its
// readout and process markers (Frame3), the coil (Frame2) and the room
// (Frame1) with their inputs and results.

#include "form4_ui.h"

#include "chart_readout.h"
#include "ithermometerx.h"
#include "psych_chart_picture.h"
#include "surface.h"
#include "twips.h"
#include "updown.h"
#include "window_build.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace winbuild;

namespace {

struct FrameDesign
{
    QGroupBox *Form4Ui::*frame;
    Surface *Form4Ui::*client;
    const char *name;
    const char *caption;
    QRgb captionColor;
    double left, top, width, height;
};

const FrameDesign kFrames[] = {
    {&Form4Ui::Frame4, &Form4Ui::Frame4Client, "Frame4", "Aire Exterior", qRgb(0x00, 0x80, 0x00), 6300, 180, 4125,
     2250},
    {&Form4Ui::Frame3, &Form4Ui::Frame3Client, "Frame3", "Diagrama psicrométrico", qRgb(0x00, 0x00, 0xff), 6315,
     2565, 4125, 5820},
    {&Form4Ui::Frame2, &Form4Ui::Frame2Client, "Frame2", "Tramblor", qRgb(0x80, 0x00, 0x80), 3030, 5235, 2880, 3165},
    {&Form4Ui::Frame1, &Form4Ui::Frame1Client, "Frame1", "Local", qRgb(0x00, 0x00, 0xff), 480, 5235, 2190, 3180},
};

// The frames' captions and boxes: the design's font is narrower than ours.
QFont frameCaptionFont()
{
    return condensedFont(10);
}

QFont inputFont()
{
    return condensedFont(11);
}

QFont resultFont()
{
    return condensedFont(10);
}

// The narrowest result box (Text26, 660 twips) holds "20.30 kW" only in this.
QFont narrowResultFont()
{
    return condensedFont(9);
}

// A frame's caption that wraps within `width` twips, as high as its lines.
SurfaceLabel *addFrameCaption(Surface *frame, const char *name, const char *caption, double left, double top,
                              double width)
{
    return addWrappedCaption(frame, QLatin1String(name), QString::fromUtf8(caption), left, top, width, 0,
                             frameCaptionFont(), true);
}

// The readout boxes in the chart's empty upper-left corner, each with its
// caption (an element of Label8) on its left. Twips inside Picture2.
// Captions in the Symbol font read as Greek: "f=" shows as "φ=".
using Boxes = ChartReadout::Boxes;
const ReadoutDesign<Boxes> kReadoutBoxes[] = {
    {&Boxes::Text13, "Text13", 7, "Tbs=", 0, 75, 360, 60, 660, 375},
    {&Boxes::Text17, "Text17", 8, "Tbh=", -15, 375, 360, 405, 795, 285},
    {&Boxes::Text15, "Text15", 9, "Td=", 15, 675, 345, 660, 825, 300},
    {&Boxes::Text16, "Text16", 10, "f=", 60, 975, 330, 945, 780, 360, CaptionFace::Symbol},
    {&Boxes::Text14, "Text14", 11, "w=", 30, 1290, 345, 1275, 1215, 300},
    {&Boxes::Text18, "Text18", 12, "h=", 60, 1590, 360, 1590, 1095, 330},
    {&Boxes::Text19, "Text19", 13, "v=", 60, 1890, 360, 1905, 1155, 330},
    {&Boxes::Text20, "Text20", 14, "r=", 75, 2190, 345, 2205, 900, 300, CaptionFace::Symbol},
    {&Boxes::Text21, "Text21", 15, "Pv=", 15, 2505, 345, 2505, 1140, 300},
    {&Boxes::Text22, "Text22", 16, "P=", 30, 2805, 345, 2790, 1065, 300},
};

// The readout of this window reads the chart at standard pressure, whatever
// the barometer box says.
constexpr double kReadoutPressure = 101.325;

const QColor kCrossHairColor(0x80, 0x80, 0xff);

// The process path on the chart and its letters. The calculation places
// them while the window loads.
struct ProcessMarker
{
    int index;
    QRgb color;
};

const ProcessMarker kProcessLines[] = {
    {5, qRgb(0xff, 0x00, 0xff)},   // outdoor point E
    {6, qRgb(0x00, 0xff, 0x00)},   // E to R
    {7, qRgb(0xff, 0x00, 0x00)},   // R to I
    {4, qRgb(0x00, 0xff, 0xff)},   // I to C
};

struct ProcessLetter
{
    int index;
    const char *text;
    QRgb color;
};

const ProcessLetter kProcessLetters[] = {
    {8, "E", qRgb(0xff, 0x00, 0xff)},
    {9, "R", qRgb(0xff, 0x00, 0x00)},
    {10, "I", qRgb(0x00, 0x00, 0xff)},
    {11, "C", qRgb(0x00, 0xff, 0x00)},
};

} // namespace

// A bold caption in the frame's colour; the frame's contents keep the
// window's font and text colours, enabled and disabled.
void Form4Ui::buildFrames(const QWidget &window)
{
    for (const FrameDesign &d : kFrames) {
        auto *frame = new QGroupBox(QString::fromUtf8(d.caption), Form4Client);
        frame->setObjectName(QLatin1String(d.name));
        frame->setFont(uiFont(11, true));
        QPalette captionPalette = frame->palette();
        captionPalette.setColor(QPalette::WindowText, QColor(d.captionColor));
        frame->setPalette(captionPalette);
        frame->setGeometry(twips::rect(d.left, d.top, d.width, d.height));
        Surface *client = addClientSurface(frame, QLatin1String(d.name) + QLatin1String("Client"));
        client->setFont(windowFont());
        // Group by group, so that a disabled control inside keeps the greyed
        // text of the disabled group rather than the caption's colour or black.
        QPalette contentPalette = client->palette();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            contentPalette.setColor(group, QPalette::WindowText,
                                    window.palette().color(group, QPalette::WindowText));
        client->setPalette(contentPalette);
        this->*d.frame = frame;
        this->*d.client = client;
    }
}

// Each input box with its caption and its step control. The design value goes
// into the step control before the box is its buddy, so that the box keeps
// its design text (Text10 shows 15000 while UpDown7 stands at 14300).
void Form4Ui::buildInputs()
{
    const struct
    {
        Surface *frame;
        QLineEdit **box;
        QString name;
        double left, top, width, height;
        const char *text;
        SurfaceLabel **label;
        const char *labelName;
        const char *caption;
        double labelLeft, labelTop, labelWidth;
        UpDown **control;
        const char *controlName;
        int value, minimum, maximum, increment;
        double controlLeft, controlTop, controlWidth, controlHeight;
    } inputs[] = {
        {Frame4Client, &Text1[4], indexed("Text1", 4), 1500, 1740, 360, 345, "31", &Label4, "Label4",
         "Temperatura exterior ºC", 1245, 1305, 1230, &UpDown2, "UpDown2", 31, 25, 40, 1, 1875, 1740, 240, 345},
        {Frame4Client, &Text4[3], indexed("Text4", 3), 2730, 1740, 360, 345, "70", &Label13, "Label13",
         "Humedad (%)", 2565, 1455, 1200, &UpDown1, "UpDown1", 70, 25, 85, 1, 3075, 1740, 240, 345},
        {Frame4Client, &Text3[3], indexed("Text3", 3), 150, 1740, 465, 345, "1013", &Label3, "Label3",
         "Barómetro (mbar)", 165, 1320, 1050, &UpDown4, "UpDown4", 1013, 990, 1020, 1, 615, 1740, 240, 345},
        {Frame1Client, &Text6, QStringLiteral("Text6"), 945, 330, 690, 315, "1000", &Label5, "Label5",
         "Ventilación (m3/h)", 135, 315, 795, &UpDown3, "UpDown3", 1000, 0, 20000, 50, 1620, 330, 240, 315},
        {Frame1Client, &Text7, QStringLiteral("Text7"), 1305, 735, 330, 315, "26", &Label6, "Label6",
         "Temperatura ºC", 150, 765, 1140, &UpDown5, "UpDown5", 26, 20, 27, 1, 1620, 735, 240, 315},
        {Frame1Client, &Text8, QStringLiteral("Text8"), 1305, 1140, 330, 315, "60", &Label7, "Label7",
         "Humedad (%)", 135, 1185, 1155, &UpDown6, "UpDown6", 60, 40, 90, 1, 1620, 1140, 240, 315},
        {Frame1Client, &Text10, QStringLiteral("Text10"), 930, 1575, 660, 315, "15000", &Label9, "Label9",
         "Qs (W)", 135, 1605, 780, &UpDown7, "UpDown7", 14300, -20000, 20000, 1000, 1620, 1545, 240, 315},
        {Frame1Client, &Text11, QStringLiteral("Text11"), 930, 1980, 660, 315, "5300", &Label10, "Label10",
         "Ql (W)", 135, 1995, 780, &UpDown8, "UpDown8", 5300, 0, 20000, 100, 1620, 1950, 240, 315},
        {Frame2Client, &Text9, QStringLiteral("Text9"), 1830, 285, 330, 315, "25", &Label1, "Label1",
         "Factor de By-pass (%) ", 105, 345, 1710, &UpDown9, "UpDown9", 25, 0, 35, 1, 2190, 285, 240, 315},
        {Frame2Client, &Text12, QStringLiteral("Text12"), 1845, 735, 330, 315, "15", &Label12, "Label12",
         "Temp rocio batería (ºC)", 105, 750, 1725, &UpDown10, "UpDown10", 15, 5, 18, 1, 2190, 735, 240, 315},
    };
    for (const auto &in : inputs) {
        *in.label = addFrameCaption(in.frame, in.labelName, in.caption, in.labelLeft, in.labelTop, in.labelWidth);
        *in.box = addTextBox(in.frame, in.name, in.left, in.top, in.width, in.height, QLatin1String(in.text));
        (*in.box)->setFont(inputFont());
        auto *control = addControl<UpDown>(in.frame, QLatin1String(in.controlName), in.controlLeft, in.controlTop,
                                           in.controlWidth, in.controlHeight);
        control->setRange(in.minimum, in.maximum);
        control->setIncrement(in.increment);
        control->setValue(in.value);
        control->setBuddy(*in.box);
        // After the student types a number, the next arrow steps from it.
        control->setStepsFromTypedText(*in.box);
        *in.control = control;
    }
    // Only its step control changes the pressure.
    Text3[3]->setEnabled(false);
}

void Form4Ui::buildResults()
{
    const struct
    {
        Surface *frame;
        QLineEdit **box;
        const char *name;
        double left, top, width, height;
        SurfaceLabel **label;
        const char *labelName;
        const char *caption;
        double labelLeft, labelTop, labelWidth;
        bool enabled;
    } results[] = {
        {Frame2Client, &Text25, "Text25", 1395, 1980, 990, 360, &Label18, "Label18", "Potencia clim.", 270, 2070, 1110, false},
        {Frame2Client, &Text24, "Text24", 1140, 1545, 1230, 330, &Label17, "Label17", "V imp.", 615, 1650, 510, false},
        {Frame2Client, &Text23, "Text23", 1725, 1140, 660, 315, &Label16, "Label16", "FCSc", 1125, 1155, 585, false},
        {Frame1Client, &Text26, "Text26", 930, 2370, 660, 315, &Label19, "Label19", "Qt (W)", 120, 2415, 795, true},
        {Frame1Client, &Text27, "Text27", 930, 2775, 660, 315, &Label20, "Label20", "FCSL", 135, 2775, 780, false},
    };
    for (const auto &r : results) {
        *r.label = addFrameCaption(r.frame, r.labelName, r.caption, r.labelLeft, r.labelTop, r.labelWidth);
        *r.box = addTextBox(r.frame, QLatin1String(r.name), r.left, r.top, r.width, r.height);
        (*r.box)->setFont(resultFont());
        (*r.box)->setEnabled(r.enabled);
    }
    Text26->setFont(narrowResultFont());
    Label17->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void Form4Ui::buildOutdoorExtras()
{
    Image14 = Frame4Client->addImage(QStringLiteral("Image14"), QStringLiteral(":/pictures/barometer.svg"),
                                     225, 390, 450, 840);
    Image14->setStretch(true);
    Line15 = Frame4Client->addLine(QStringLiteral("Line15"), 600, 1524, 600, 648);
    Line15->setPenWidth(3);
    Line15->setColor(QApplication::palette("QMenuBar").color(QPalette::Window));

    Image15 = Frame4Client->addImage(QStringLiteral("Image15"), QStringLiteral(":/room/sun.svg"), 3540, 315, 390, 345);
    Image15->setStretch(true);
    Image12 = Frame4Client->addImage(QStringLiteral("Image12"), QStringLiteral(":/room/snowflake.svg"),
                                     3540, 660, 390, 345);
    Image12->setStretch(true);

    iThermometerX1 = addControl<iThermometerX>(Frame4Client, QStringLiteral("iThermometerX1"), 1500, 270, 600, 1065);
    iThermometerX1->setRange(10, 50);
    iThermometerX1->setMajorTickCount(0);
    iThermometerX1->setBulbSize(4);
    iThermometerX1->setTransparent(true);
    iThermometerX1->setPosition(31);

    // The season options choose nothing; winter cannot be chosen.
    Option1 = new QRadioButton(QStringLiteral("Verano"), Frame4Client);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->move(twips::point(2535, 390));
    Option1->adjustSize();
    Option1->setChecked(true);
    Option2 = new QRadioButton(QStringLiteral("Invierno"), Frame4Client);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->move(twips::point(2520, 615));
    Option2->adjustSize();
    Option2->setEnabled(false);
}

void Form4Ui::buildChartBox(const QWidget &window)
{
    Picture2 = addPictureBox(Frame3Client, QStringLiteral("Picture2"), 75, 375, 3930, 5310,
                             &chart::psychrometricChartPicture);
    buildChartReadout();
    buildChartMarkers(window);
}

void Form4Ui::buildChartReadout()
{
    addReadouts(readoutBoxes, Picture2, kReadoutBoxes, "Label8", Label8);
    const ChartBoxMarks marks = addChartBoxMarks(Picture2, kCrossHairColor, kCrossHairColor);
    Label14 = marks.Label14;
    Label15 = marks.Label15;
    Line8 = marks.Line8;
    Line9 = marks.Line9;

    // No degree-of-saturation box (Text24) in this window.
    readout = new ChartReadout(Picture2, readoutBoxes, Line8, Line9, [] { return std::optional(kReadoutPressure); });
}

void Form4Ui::buildChartMarkers(const QWidget &window)
{
    Shape10 = Picture2->addShape(QStringLiteral("Shape10"), SurfaceShape::Circle, -15, 0, 105, 105);
    Shape10->setVisible(false);

    for (const ProcessMarker &m : kProcessLines) {
        SurfaceLine *line = Picture2->addLine(indexed("Line4", m.index), 0, 0, 0, 0);
        line->setColor(QColor(m.color));
        line->setPenWidth(2);
        Line4[size_t(m.index)] = line;
    }
    for (const ProcessLetter &l : kProcessLetters) {
        Label11[size_t(l.index)] = addOpaqueCaption(Picture2, indexed("Label11", l.index), QLatin1String(l.text), 0,
                                                    0, window.palette().color(QPalette::Window), uiFont(13, true),
                                                    QColor(l.color));
    }
}
