#include "unit_scheme.h"

#include "ianalogdisplayx.h"
#include "iangulargaugex.h"
#include "isevensegmentintegerx.h"
#include "ithermometerx.h"
#include "surface.h"
#include "twips.h"
#include "unit_geometry.h"
#include "updown.h"
#include "window_build.h"

#include <QGroupBox>

#include <algorithm>
#include <iterator>
#include <utility>

using namespace winbuild;

namespace {

// --- Design tables (twips relative to the picture box's inner area) ----------

// The air-side thermometers stand in dry/wet pairs at each duct section; the
// refrigerant thermometers sit on the circuit's pipes.
enum class Bulb { Dry, Wet, Refrigerant };

struct ThermometerDesign
{
    int index;
    double left, top, height;
    Bulb bulb;
    double maximum;
    double position;
    const char *toolTip;
};

constexpr double kThermometerWidth = 150;

constexpr ThermometerDesign kThermometers[] = {
    {3, 915, 105, 885, Bulb::Dry, 50, 20.0, nullptr},     // outdoor air
    {4, 1050, 90, 885, Bulb::Wet, 50, 20.0, nullptr},
    {5, 1800, 0, 885, Bulb::Dry, 50, 20.0, nullptr},      // after the steam injection
    {6, 1965, 15, 885, Bulb::Wet, 50, 20.0, nullptr},
    {7, 2520, 90, 885, Bulb::Dry, 50, 20.0, nullptr},     // after the preheater
    {8, 2655, 90, 885, Bulb::Wet, 50, 20.0, nullptr},
    {9, 3975, 90, 885, Bulb::Dry, 50, 20.0, nullptr},     // after the cooling coil
    {10, 4155, 75, 885, Bulb::Wet, 50, 20.0, nullptr},
    {11, 5505, 90, 885, Bulb::Dry, 50, 20.0, nullptr},    // after the reheater
    {12, 5685, 90, 885, Bulb::Wet, 50, 20.0, nullptr},
    {0, 2535, 1395, 1095, Bulb::Refrigerant, 50, 23.0, "t1"},
    {2, 4605, 1395, 1095, Bulb::Refrigerant, 50, 23.0, "t4"},
    {1, 5460, 3450, 1095, Bulb::Refrigerant, 75, 23.0, "T3"},
};

// Wet wicks on the bulbs of the wet-bulb thermometers, and the thermometer
// pair (wet, dry) of each.
constexpr QPointF kWicks[] = {{1035, 660}, {1965, 585}, {2655, 630}, {4155, 645}, {5670, 675}};
constexpr std::pair<int, int> kWickedPairs[] = {{4, 3}, {6, 5}, {8, 7}, {10, 9}, {12, 11}};

constexpr QRgb kDryText = qRgb(192, 0, 0);
constexpr QRgb kWetText = qRgb(0, 0, 255);
constexpr QRgb kRefrigerantText = qRgb(0, 192, 0);

struct ReadoutDesign
{
    double left, top, width, height;
    const char *unitText;
    QRgb textColor;
    int alignment;   // Qt::AlignmentFlag; 0 keeps the instrument's default
    int precision;
    double value;
    const char *toolTip;
};

// Indexed like itext1: the dry/wet rows at the top, then the circuit's read-outs.
constexpr ReadoutDesign kReadouts[15] = {
    {1185, 0, 390, 300, "", kDryText, 0, 1, 23.0, nullptr},
    {1185, 285, 405, 255, "", kWetText, 0, 1, 17.0, nullptr},
    {2805, 0, 435, 300, "", kDryText, 0, 1, 23.0, nullptr},
    {2820, 285, 435, 255, "", kWetText, 0, 1, 17.0, nullptr},
    {4305, 0, 435, 300, "", kDryText, 0, 1, 23.0, nullptr},
    {4305, 285, 435, 255, "", kWetText, 0, 1, 17.0, nullptr},
    {5070, 0, 435, 300, "", kDryText, 0, 1, 23.0, nullptr},
    {5070, 285, 435, 255, "", kWetText, 0, 1, 17.0, nullptr},
    {3495, 3030, 810, 270, " kg/h", qRgb(0, 0, 255), Qt::AlignLeft, 3, 0, "Condensado recogido"},
    {4770, 3030, 765, 285, " g/s", qRgb(0, 0, 255), Qt::AlignRight, 2, 0, "Gasto de refrigerante"},
    {3570, 1065, 765, 255, " kW", qRgb(192, 0, 0), Qt::AlignLeft, 2, 0, nullptr},
    {5160, 2475, 870, 255, " mmca", qRgb(255, 0, 0), Qt::AlignLeft, 2, 0,
     "Lectura de presión diferencial en el orificio  para medir el caudal"},
    {2070, 1530, 465, 270, "", kRefrigerantText, Qt::AlignLeft, 1, 23.0, "Temperatura del vapor sobrecalentado R12"},
    {5025, 3585, 465, 270, "", kRefrigerantText, Qt::AlignLeft, 1, 23.0, "temperatura R12 líquido"},
    {4155, 1545, 465, 270, "", kRefrigerantText, Qt::AlignLeft, 1, 23.0, "Temperatura del vapor húmedo R12"},
};

struct StepControlDesign
{
    UpDown *UnitSchemeControls::*control;
    const char *name;
    int buddy;   // index in itext1
    double top;
    int value, minimum, maximum;
};

constexpr StepControlDesign kStepControls[] = {
    {&UnitSchemeControls::UpDown5, "UpDown5", 0, 15, 23, 15, 30},   // outdoor dry bulb
    {&UnitSchemeControls::UpDown6, "UpDown6", 1, 285, 17, 10, 30},  // outdoor wet bulb
};

struct GaugeDesign
{
    iAngularGaugeX *UnitSchemeControls::*control;
    const char *name;
    double left, top, width, height;
    QRgb color;
    const char *toolTip;
};

constexpr GaugeDesign kGauges[] = {
    {&UnitSchemeControls::GaugeX1, "GaugeX1", 1920, 1800, 510, 570, qRgb(0, 0, 255), "Presión en el evaporador"},
    {&UnitSchemeControls::GaugeX2, "GaugeX2", 5625, 3975, 585, 615, qRgb(255, 0, 0), "Presión en el condensador"},
};

struct LetterDesign
{
    const char *caption;
    QRgb color;
    double left, top;
};

// Indexed like Label11: duct sections A-D, then the refrigerant cycle's points.
constexpr LetterDesign kLetters[8] = {
    {"A", qRgb(0, 0, 255), 1215, 600},
    {"B", qRgb(192, 0, 192), 2550, 975},
    {"C", qRgb(0, 128, 0), 4410, 795},
    {"D", qRgb(255, 0, 0), 5685, 1020},
    {"1", qRgb(0, 0, 192), 2310, 2670},
    {"2", qRgb(255, 0, 0), 3030, 3540},
    {"3", qRgb(128, 0, 0), 4965, 3960},
    {"4", qRgb(0, 192, 0), 3855, 1785},
};

// Heating elements lit: 0-2 steam generator, 3-4 preheater, 5-6 reheater.
constexpr QLineF kElementBars[7] = {
    {825, 4545, 1035, 4545}, {1200, 4545, 1410, 4545}, {1605, 4560, 1815, 4560},
    {2235, 1215, 2235, 705}, {2355, 1215, 2355, 705},
    {4875, 1230, 4875, 720}, {4980, 1230, 4980, 720},
};

struct ShapeDesign
{
    SurfaceShape::Kind kind;
    double left, top, width, height;
};

// Condenser fan: blades of the first frame (0, 1), of the second frame (2, 3), hub (4).
constexpr ShapeDesign kFanParts[5] = {
    {SurfaceShape::Oval, 3930, 3900, 135, 390},
    {SurfaceShape::Oval, 3930, 4320, 135, 390},
    {SurfaceShape::Oval, 3930, 4065, 135, 225},
    {SurfaceShape::Oval, 3930, 4320, 135, 210},
    {SurfaceShape::Circle, 3945, 4245, 90, 135},
};

struct HoverHelpDesign
{
    int index;
    double left, top, width, height;
    const char *toolTip;
};

constexpr HoverHelpDesign kHoverHelp[] = {
    {0, 615, 480, 1320, 1350, "VENTILADOR"},
    {19, 2145, 405, 285, 1065, "Resistencias eléctricas de calentamiento"},
    {14, 2940, 480, 720, 1005, "EVAPORADOR (Batería de expansión directa)"},
    {18, 4800, 510, 285, 930, "Resistencias eléctricas de recalentamiento"},
    {13, 5880, 465, 270, 1035, "Placa para medir el caudal"},
    {12, 4995, 1920, 1080, 630, "MANÓMETRO DE TUBO INCLINADO  para medir el caudal de aire en la placa."},
    {15, 3000, 1530, 135, 450,
     "Bulbo termostático. Proporciona la señal que regula enl sobrecalentamiento del refrigerante "
     "para evitar el \"golpe de líquido\" en el compresor."},
    {11, 4515, 2580, 360, 405,
     "VÁLVULA DE EXPANSIÓN  TERMOSTÁTICA. Regula el gasto de refrigerante proporcionando un "
     "sobrecalentamiento constante a la salida del evaporador."},
    {16, 3015, 2970, 585, 675, "Depósito de condensados del evaporador (graduado)"},
    {10, 4440, 3030, 495, 1065, "CAUDAL DE REFRIGERANTE"},
    {9, 3285, 3750, 585, 1215, "CONDENSADOR. refrigerado por aire."},
    {8, 3900, 3810, 510, 1035, "Ventilador del condensador"},
    {2, 2265, 3825, 840, 1155, "COMPRESOR alternativo."},
    {3, 540, 3855, 1515, 1110, "Vaporizador eléctrico"},
    {17, 4455, 4590, 900, 390,
     "Filtro secador (deshidratador) de refrigerante. Impide el bloqueo de la válvula de laminación "
     "por congelación de agua mezclada con refrigerante."},
};

// --- Helpers -----------------------------------------------------------------

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// --- Windowed controls, created back to front --------------------------------

void buildGauges(Surface *picture4, UnitSchemeControls &controls)
{
    for (const GaugeDesign &design : kGauges) {
        auto *gauge = addControl<iAngularGaugeX>(picture4, text(design.name), design.left, design.top,
                                                 design.width, design.height);
        gauge->setRange(1.0, 18.0);
        gauge->setPosition(6.0);
        gauge->setLabel(QStringLiteral("bar"));
        gauge->setArc(233, 280);
        gauge->setPointerColor(QColor(design.color));
        gauge->setTickColor(QColor(design.color));
        gauge->setFaceColor(Qt::white);
        gauge->setToolTip(text(design.toolTip));
        controls.*design.control = gauge;
    }
}

void buildTachometer(Surface *picture4, UnitSchemeControls &controls)
{
    auto *frame = addControl<QGroupBox>(picture4, QStringLiteral("Frame2"), 300, 2685, 1185, 705);
    frame->setTitle(QStringLiteral("RPM"));
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, kApplicationWorkspace);
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
    frame->setCursor(Qt::UpArrowCursor);
    frame->setToolTip(QStringLiteral("Tacómetro. indicador de la velocidad del ventilador"));
    controls.Frame2 = frame;

    // Inside the frame, positions count from the frame's corner.
    auto *display = addControl<iSevenSegmentIntegerX>(frame, QStringLiteral("Disp1"), 90, 210, 1020, 420);
    display->setValue(0);
    display->setSegmentColor(Qt::red);
    display->setUnlitSegmentColor(QColor(64, 0, 0));
    display->setLoweredBorder(true);
    display->setShowSign(false);
    display->setToolTip(QStringLiteral("Tacómetro"));
    controls.Disp1 = display;
}

// The step controls beside the outdoor read-outs write into them. Their design
// values are set before any handler is connected.
void buildStepControls(Surface *picture4, UnitSchemeControls &controls)
{
    for (const StepControlDesign &design : kStepControls) {
        auto *control = addControl<UpDown>(picture4, text(design.name), 1560, design.top, 240, 255);
        control->setBuddy(controls.itext1[size_t(design.buddy)]);
        control->setRange(design.minimum, design.maximum);
        control->setIncrement(1);
        control->setValue(design.value);
        // The read-out lies in front of its step control where the two touch.
        control->stackUnder(controls.itext1[size_t(design.buddy)]);
        controls.*design.control = control;
    }
}

void buildReadouts(Surface *picture4, UnitSchemeControls &controls)
{
    for (size_t i = 0; i < std::size(kReadouts); ++i) {
        const ReadoutDesign &design = kReadouts[i];
        auto *readout = addControl<iAnalogDisplayX>(picture4, indexed("itext1", int(i)), design.left, design.top,
                                                    design.width, design.height);
        readout->setUnitText(text(design.unitText));
        readout->setTextColor(QColor(design.textColor));
        if (design.alignment != 0)
            readout->setAlignment(Qt::Alignment(design.alignment));
        readout->setBackgroundColor(Qt::white);
        readout->setPrecision(design.precision);
        readout->setValue(design.value);
        if (design.toolTip)
            readout->setToolTip(text(design.toolTip));
        // The cooling capacity is computed but never shown.
        readout->setVisible(i != 10);
        controls.itext1[i] = readout;
    }
}

void buildThermometers(Surface *picture4, UnitSchemeControls &controls)
{
    for (const ThermometerDesign &design : kThermometers) {
        auto *thermometer = addControl<iThermometerX>(picture4, indexed("ter", design.index), design.left,
                                                      design.top, kThermometerWidth, design.height);
        thermometer->setRange(0, design.maximum);
        switch (design.bulb) {
        case Bulb::Dry:
            thermometer->setIndicatorColor(QColor(192, 0, 0));
            thermometer->setIndicatorBackgroundColor(QColor(255, 192, 192));
            break;
        case Bulb::Wet:
            thermometer->setIndicatorColor(QColor(0, 0, 192));
            thermometer->setIndicatorBackgroundColor(QColor(192, 192, 255));
            break;
        case Bulb::Refrigerant:
            thermometer->setIndicatorColor(QColor(0, 192, 0));
            thermometer->setIndicatorBackgroundColor(QColor(192, 255, 192));
            break;
        }
        thermometer->setMajorTickCount(4);
        thermometer->setTickLabelsVisible(false);
        thermometer->setTransparent(true);
        thermometer->setPosition(design.position);
        if (design.toolTip)
            thermometer->setToolTip(text(design.toolTip));
        controls.ter[size_t(design.index)] = thermometer;
    }
}

void wrapWetBulbs(UnitSchemeControls &controls)
{
    for (size_t i = 0; i < std::size(kWickedPairs); ++i) {
        const auto [wet, dry] = kWickedPairs[i];
        wrapBulbInWick(controls.ter[size_t(wet)], controls.Shape8[i], controls.ter[size_t(dry)]);
    }
}

// --- Windowless items, added back to front -----------------------------------

SurfaceShape *addShape(Surface *picture4, const QString &name, const ShapeDesign &design)
{
    return picture4->addShape(name, design.kind, float(design.left), float(design.top), float(design.width),
                              float(design.height));
}

SurfaceShape *addHatched(Surface *picture4, const QString &name, const ShapeDesign &design, const QColor &color,
                         Qt::BrushStyle hatch)
{
    SurfaceShape *shape = addShape(picture4, name, design);
    shape->setFillColor(color);
    shape->setFillStyle(hatch);
    return shape;
}

// Parts of the drawing laid over the picture that never change.
void buildStaticDrawing(Surface *picture4, UnitSchemeControls &controls)
{
    const QColor blue(0, 0, 255);
    controls.Shape12 = addHatched(picture4, QStringLiteral("Shape12"), {SurfaceShape::Circle, 990, 885, 675, 675},
                                  blue, Qt::DiagCrossPattern);
    controls.Shape12->setBorderColor(blue);
    controls.Shape11 = addHatched(picture4, QStringLiteral("Shape11"), {SurfaceShape::Rectangle, 4515, 4665, 795, 225},
                                  Qt::black, Qt::BDiagPattern);
    controls.Shape9 = addShape(picture4, QStringLiteral("Shape9"), {SurfaceShape::Circle, 1245, 4155, 285, 315});
    controls.Shape9->setBackColor(QColor(192, 192, 192));
    controls.Shape9->setBackOpaque(true);
    controls.Line7 = picture4->addLine(QStringLiteral("Line7"), 3315, 1425, 3315, 3210);
    controls.Line7->setColor(picture4->palette().color(QPalette::Base));
    controls.Line7->setPenWidth(2);

    const QColor wick(128, 128, 255);
    for (size_t i = 0; i < std::size(kWicks); ++i) {
        SurfaceShape *shape = addHatched(picture4, indexed("Shape8", int(i)),
                                         {SurfaceShape::Rectangle, kWicks[i].x(), kWicks[i].y(), 135, 255}, wick,
                                         Qt::CrossPattern);
        shape->setBorderColor(wick);
        controls.Shape8[i] = shape;
    }
}

// Lines and shapes that the calculation and the animation move, show and hide.
void buildMovingItems(Surface *picture4, UnitSchemeControls &controls)
{
    using unit_scheme::kManometerFoot;
    using unit_scheme::kManometerRestEnd;
    controls.Line3 = picture4->addLine(QStringLiteral("Line3"), kManometerFoot.x, kManometerFoot.y,
                                       kManometerRestEnd.x, kManometerRestEnd.y);
    controls.Line3->setColor(QColor(255, 0, 0));
    controls.Line3->setPenWidth(4);

    for (size_t i = 0; i < std::size(kElementBars); ++i) {
        const QLineF &bar = kElementBars[i];
        SurfaceLine *line = picture4->addLine(indexed("Line6", int(i)), float(bar.x1()), float(bar.y1()),
                                              float(bar.x2()), float(bar.y2()));
        line->setColor(QColor(255, 0, 0));
        line->setPenWidth(4);
        line->setVisible(false);
        controls.Line6[i] = line;
    }

    for (size_t i = 0; i < std::size(kFanParts); ++i) {
        SurfaceShape *part = addShape(picture4, indexed("Shape4", int(i)), kFanParts[i]);
        part->setFillColor(Qt::white);
        part->setFillStyle(Qt::SolidPattern);
        controls.Shape4[i] = part;
    }
    controls.Line5 = picture4->addLine(QStringLiteral("Line5"), 4065, 4245, 3930, 4350);
    controls.Line5->setPenWidth(2);

    // Blinking over the finned cylinder, in the cylinder's own grey: the fins
    // flicker while the compressor runs.
    controls.Shape5 = addShape(picture4, QStringLiteral("Shape5"), {SurfaceShape::Rectangle, 2475, 4005, 405, 255});
    controls.Shape5->setBackColor(QColor(207, 212, 216));
    controls.Shape5->setBackOpaque(true);
    controls.Shape6 = addShape(picture4, QStringLiteral("Shape6"), {SurfaceShape::Circle, 2415, 4290, 510, 570});
    controls.Shape6->setFillColor(Qt::white);
    controls.Shape6->setFillStyle(Qt::SolidPattern);
}

void buildLetters(Surface *picture4, UnitSchemeControls &controls)
{
    for (size_t i = 0; i < std::size(kLetters); ++i) {
        const LetterDesign &letter = kLetters[i];
        controls.Label11[i] = addCaption(picture4, indexed("Label11", int(i)), text(letter.caption), letter.left,
                                         letter.top, uiFont(16, true), QColor(letter.color));
    }
}

void buildImages(Surface *picture4, UnitSchemeControls &controls)
{
    controls.Image1 = picture4->addImage(QStringLiteral("Image1"), QStringLiteral(":/scheme/float.svg"), 4560,
                                         unit_scheme::kFloatRestTop, 165, 210);
    controls.Image1->setStretch(true);
    controls.Image2 = picture4->addImage(QStringLiteral("Image2"), QStringLiteral(":/scheme/stopwatch.svg"), 2925,
                                         2625, 330, 345);
    controls.Image2->setStretch(true);
    controls.Image2->setCursor(Qt::UpArrowCursor);
    controls.Image2->setToolTip(
        QStringLiteral("Se mide en realidad el volumen de condensado recogido en un tiempo,"));
}

void buildLegends(Surface *picture4, UnitSchemeControls &controls)
{
    const struct {
        const char *caption;
        double top, width;
        QRgb back;
    } legends[] = {
        {"tbs (ºC)", 30, 705, kDryText},
        {"tbh (ºC)", 315, 720, kWetText},
    };
    const QColor foreground = picture4->palette().color(QPalette::HighlightedText);
    for (size_t i = 0; i < std::size(legends); ++i) {
        SurfaceLabel *label = picture4->addLabel(indexed("Label7", int(i)), text(legends[i].caption), 30,
                                                 float(legends[i].top), float(legends[i].width), 240);
        label->setFont(windowFont());
        label->setBackColor(QColor(legends[i].back));
        label->setForeColor(foreground);
        controls.Label7[i] = label;
    }
}

// Caption-less hot spots over the drawing's elements: pointing at one shows
// what the element is. In front of every other item, so they take the pointer.
void buildHoverHelp(Surface *picture4, UnitSchemeControls &controls)
{
    for (const HoverHelpDesign &help : kHoverHelp) {
        SurfaceLabel *label = addHotSpot(picture4, indexed("Label1", help.index), help.left, help.top, help.width,
                                         help.height, text(help.toolTip));
        label->setCursor(Qt::UpArrowCursor);
        controls.Label1[size_t(help.index)] = label;
    }
}

} // namespace

void buildUnitScheme(Surface *picture4, UnitSchemeControls &controls)
{
    picture4->setBorder(true);
    picture4->setFont(windowFont());
    picture4->setPictureFromSvg(QStringLiteral(":/scheme/unit_scheme.svg"));

    buildStaticDrawing(picture4, controls);
    buildMovingItems(picture4, controls);
    buildLetters(picture4, controls);
    buildImages(picture4, controls);
    buildLegends(picture4, controls);
    buildHoverHelp(picture4, controls);

    // Windowed controls lie above every item; among them the ones created
    // later are in front.
    buildGauges(picture4, controls);
    buildTachometer(picture4, controls);
    buildReadouts(picture4, controls);
    buildStepControls(picture4, controls);
    buildThermometers(picture4, controls);
    wrapWetBulbs(controls);
}

void wrapBulbInWick(iThermometerX *wet, const SurfaceShape *wick, iThermometerX *dry)
{
    // The wick where it lies over the thermometer, in the thermometer's pixels.
    const QRectF box(wet->geometry());
    const QRectF wickBox = twips::rectF(wick->Left(), wick->Top(), wick->Width(), wick->Height())
                               .translated(wick->surface()->innerOrigin());
    const QRectF covered = wickBox.intersected(box).translated(-box.topLeft());
    // The wick reaches a little above the bulb, round its sides and below it.
    const double width = std::min(covered.width() - 1.0, 0.7 * box.width());
    const double top = covered.top() + 0.2 * wickBox.height();
    const QRectF bulb(covered.center().x() - width / 2, top, width, covered.bottom() - 1.0 - top);
    wet->setBulbRect(bulb);
    wet->setWickedBulb(true);
    dry->setBulbRect(bulb.translated(0.0, wet->y() - dry->y()));
}
