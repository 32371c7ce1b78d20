// The drawing of the installation on the window's own surface: the air
// handler on the roof with its ducts, the house in section with the room and
// its heat sources, the sun. Items are added back to front; the hover labels
// (Label21..Label30) come last so that they answer in front of every item,
// and the text boxes (bricks, panes, door) and the room thermometer stand in
// front of them all.

#include "form4_ui.h"

#include "ithermometerx.h"
#include "surface.h"
#include "window_build.h"

#include <QLineEdit>

using namespace winbuild;

namespace {

const QColor kDuctColor(0x00, 0x00, 0xc0);
const QColor kRoofColor(0xc0, 0x40, 0x00);
const QColor kSunColor(0xff, 0xff, 0x00);
const QColor kGlassColor(0xc0, 0xff, 0xff);
const QColor kBrickColor(0xc0, 0x00, 0x00);
const QColor kDoorColor(0x80, 0x40, 0x00);

struct LineDesign
{
    SurfaceLine **slot;
    QString name;
    float x1, y1, x2, y2;
};

struct ImageDesign
{
    SurfaceImage **slot;
    const char *name;
    const char *picture;   // in :/room/
    float left, top, width, height;
};

struct HoverDesign
{
    SurfaceLabel **slot;
    const char *name;
    float left, top, width, height;
    const char *help;
};

struct BoxDesign
{
    QLineEdit **slot;
    QString name;
    double left, top, width, height;
};

void addLines(Surface *surface, std::initializer_list<LineDesign> lines, const QColor &color, int width)
{
    for (const LineDesign &l : lines) {
        *l.slot = surface->addLine(l.name, l.x1, l.y1, l.x2, l.y2);
        (*l.slot)->setColor(color);
        (*l.slot)->setPenWidth(width);
    }
}

void addImages(Surface *surface, std::initializer_list<ImageDesign> images)
{
    for (const ImageDesign &i : images) {
        *i.slot = surface->addImage(QLatin1String(i.name),
                                    QStringLiteral(":/room/%1.svg").arg(QLatin1String(i.picture)), i.left,
                                    i.top, i.width, i.height);
        (*i.slot)->setStretch(true);
    }
}

SurfaceShape *addFilledShape(Surface *surface, const char *name, SurfaceShape::Kind kind, float left, float top,
                             float width, float height, const QColor &fill)
{
    SurfaceShape *shape = surface->addShape(QLatin1String(name), kind, left, top, width, height);
    shape->setFillColor(fill);
    shape->setFillStyle(Qt::SolidPattern);
    return shape;
}

// Boxes that only show a colour: disabled, empty, out of any calculation.
void addColouredBoxes(Surface *surface, std::initializer_list<BoxDesign> boxes, const QColor &color)
{
    for (const BoxDesign &b : boxes) {
        QLineEdit *box = addTextBox(surface, b.name, b.left, b.top, b.width, b.height);
        QPalette colored = box->palette();
        colored.setColor(QPalette::Base, color);
        box->setPalette(colored);
        box->setEnabled(false);
        *b.slot = box;
    }
}

} // namespace

void Form4Ui::buildDrawing(const QWidget &window)
{
    buildHouseBack();
    buildDucts();
    buildRoomFittings();
    buildSun();
    buildRoomContents(window);
    buildHoverLabels();
    buildWallAndWindow();
    buildRoomThermometer();
}

// The chimney, the white gable behind the roof and the room.
void Form4Ui::buildHouseBack()
{
    Shape5 = Form4Client->addShape(QStringLiteral("Shape5"), SurfaceShape::Rectangle, 825, 1635, 375, 750);
    Shape5->setBackOpaque(true);
    addLines(Form4Client,
             {{&Line11, QStringLiteral("Line11"), 945, 2565, 4485, 2565},
              {&Line13, QStringLiteral("Line13"), 1785, 2205, 3615, 2175},
              {&Line18, QStringLiteral("Line18"), 2445, 1875, 2925, 1860}},
             Qt::white, 40);
    addLines(Form4Client,
             {{&Line16, QStringLiteral("Line16"), 2730, 1425, 5250, 2640},
              {&Line17, QStringLiteral("Line17"), 240, 2610, 2715, 1410}},
             Qt::white, 18);
    Line16->setVisible(false);
    Line17->setVisible(false);
    Shape1 = addFilledShape(Form4Client, "Shape1", SurfaceShape::Rectangle, 510, 2715, 4530, 2340, Qt::white);
}

// The air handler, its ducts with their captions and flow arrows, and the roof.
void Form4Ui::buildDucts()
{
    addImages(Form4Client, {{&Image1, "Image1", "air_handler", 3510, 405, 2415, 990}});
    addLines(Form4Client,
             {{&Line1, QStringLiteral("Line1"), 3480, 825, 105, 825},
              {&Line2, QStringLiteral("Line2"), 90, 825, 90, 3105},
              {&Line3, QStringLiteral("Line3"), 495, 3105, 105, 3105},
              {&Line5, QStringLiteral("Line5"), 5505, 1290, 5505, 4275},
              {&Line4[0], indexed("Line4", 0), 5010, 4275, 5880, 4275},
              {&Line6, QStringLiteral("Line6"), 6210, 810, 5925, 810}},
             kDuctColor, 3);

    QFont captionFont = uiFont(16);
    captionFont.setItalic(true);
    const struct
    {
        int index;
        const char *caption;
        double left, top;
    } captions[] = {{1, "Impulsión", 1635, 465}, {2, "Retorno", 4410, 1695}, {3, "Exterior", 5220, 30}};
    for (const auto &c : captions)
        Label2[size_t(c.index)] = addCaption(Form4Client, indexed("Label2", c.index), QString::fromUtf8(c.caption),
                                             c.left, c.top, captionFont);

    addImages(Form4Client, {{&Image3, "Image3", "arrow_up", 5415, 2985, 180, 435},
                            {&Image29, "Image29", "arrow_up", 5430, 1635, 165, 435},
                            {&Image33, "Image33", "arrow_down", 15, 1605, 150, 465},
                            {&Image34, "Image34", "arrow_left", 5790, 720, 435, 180}});
    addLines(Form4Client,
             {{&Line7, QStringLiteral("Line7"), 375, 2655, 2715, 1545},
              {&Line10, QStringLiteral("Line10"), 2730, 1560, 5085, 2640}},
             kRoofColor, 20);
}

// The supply duct along the ceiling, the extract duct down the right-hand
// wall and the window's frame.
void Form4Ui::buildRoomFittings()
{
    addImages(Form4Client, {{&Image2, "Image2", "supply_duct", 540, 2775, 3000, 420},
                            {&Image4, "Image4", "extract_duct", 4770, 2835, 240, 2160}});
    Shape2 = Form4Client->addShape(QStringLiteral("Shape2"), SurfaceShape::Rectangle, 3645, 3255, 765, 675);
}

void Form4Ui::buildSun()
{
    Shape3 = addFilledShape(Form4Client, "Shape3", SurfaceShape::Circle, 285, 270, 480, 525, kSunColor);
    addLines(Form4Client,
             {{&Line12[0], indexed("Line12", 0), 525, 45, 525, 1275},
              {&Line12[1], indexed("Line12", 1), 180, 120, 795, 900},
              {&Line12[2], indexed("Line12", 2), -60, 630, 1230, 420},
              {&Line12[3], indexed("Line12", 3), 795, 180, 255, 855}},
             kSunColor, 1);
}

// Lamp, occupants, computer, the letters of the air's states, clock, cloud,
// the round window in the gable and, in front, the lamp switched off.
void Form4Ui::buildRoomContents(const QWidget &window)
{
    addImages(Form4Client, {{&Image6, "Image6", "lamp_on", 2265, 3375, 480, 480},
                            {&Image7, "Image7", "person", 2235, 4410, 480, 480},
                            {&Image8, "Image8", "person", 1980, 4440, 480, 480},
                            {&Image9, "Image9", "person", 2580, 4395, 480, 480},
                            {&Image10, "Image10", "person2", 2805, 4500, 480, 480},
                            {&Image11, "Image11", "computer", 3855, 4200, 480, 480}});

    const struct
    {
        int index;
        const char *text;
        QRgb color;
        double left, top;
        const char *help;
    } letters[] = {
        {0, "C", qRgb(0x00, 0xff, 0x00), 5295, 705,
         "punto de mezcla de aire de retorno y aire exterior. Es el que se trata en la tramblora"},
        {1, "E", qRgb(0xc0, 0x00, 0xc0), 6015, 390, "Aire del exterior para ventilación"},
        {2, "R", qRgb(0xff, 0x00, 0x00), 5640, 2955,
         "Retorno de aire del interior del local. recircula en las condiciones internas del local."},
        {3, " I ", qRgb(0x00, 0x00, 0xff), 165, 1680, "Aire de impulsión tratado"},
    };
    for (const auto &l : letters) {
        SurfaceLabel *letter = addOpaqueCaption(Form4Client, indexed("Label11", l.index), QLatin1String(l.text),
                                                l.left, l.top, window.palette().color(QPalette::Window),
                                                uiFont(13, true), QColor(l.color));
        letter->setToolTip(QString::fromUtf8(l.help));
        Label11[size_t(l.index)] = letter;
    }

    addImages(Form4Client, {{&Image13, "Image13", "clock", 1050, 3225, 480, 480},
                            {&Image17, "Image17", "cloud", 345, 360, 630, 480}});
    Shape4 = addFilledShape(Form4Client, "Shape4", SurfaceShape::Oval, 2445, 2010, 540, 525, kGlassColor);
    addImages(Form4Client, {{&Image5, "Image5", "lamp_off", 2265, 3375, 480, 480}});
}

void Form4Ui::buildHoverLabels()
{
    const HoverDesign labels[] = {
        {&Label21, "Label21", 3465, 345, 2535, 990, "Unidad central todo aire"},
        {&Label22, "Label22", 465, 3615, 480, 1455, "Representa el aislamiento térmico en muros y paredes."},
        {&Label23, "Label23", 1935, 4215, 1380, 840,
         "Ocupación del local por personas con una actividad determinada. Presentan carga sensible y latente"},
        {&Label24, "Label24", 3780, 4095, 615, 705, "Carga térmica debida a máquinas en el interior del local"},
        {&Label25, "Label25", 1050, 3180, 480, 540,
         "La carga dependerá de las condiciones externas. radiación solar y temperatura y humedad. varían con la "
         "fecha y hora de cálculo"},
        {&Label26, "Label26", 2190, 3300, 645, 645, "La iluminación aporta calor al inetrior de los locales"},
        {&Label27, "Label27", 480, 2775, 3075, 375,
         "El aire de impulsión dse distribuye al interior de los locales contrarrestando la carga térmica, y "
         "proporciona la ventilación necesaria."},
        {&Label28, "Label28", 4695, 2775, 390, 2235, "El aire se extrae del local."},
        {&Label29, "Label29", 3585, 3210, 885, 765,
         "Crga debida a las superficies acristaladas.: Radiación solar y transmisión."},
        {&Label30, "Label30", 3150, 3180, 300, 1005,
         "Condiciones térmicas de confort en el interior de los locales a vorbelizar. Temperatura, humedad, "
         "ventilación..."},
    };
    for (const HoverDesign &h : labels)
        *h.slot = addHotSpot(Form4Client, QLatin1String(h.name), h.left, h.top, h.width, h.height,
                             QString::fromUtf8(h.help));
}

// The window's panes, the wall's bricks and the door: coloured text boxes.
void Form4Ui::buildWallAndWindow()
{
    addColouredBoxes(Form4Client,
                     {{&Text1[0], indexed("Text1", 0), 3675, 3285, 345, 300},
                      {&Text1[1], indexed("Text1", 1), 4035, 3285, 345, 300},
                      {&Text1[2], indexed("Text1", 2), 3675, 3600, 345, 300},
                      {&Text1[3], indexed("Text1", 3), 4035, 3600, 345, 300}},
                     kGlassColor);
    addColouredBoxes(Form4Client,
                     {{&Text3[2], indexed("Text3", 2), 525, 3870, 195, 225},
                      {&Text3[1], indexed("Text3", 1), 525, 4320, 195, 225},
                      {&Text3[0], indexed("Text3", 0), 525, 4770, 195, 225},
                      {&Text4[2], indexed("Text4", 2), 720, 3870, 195, 225},
                      {&Text4[1], indexed("Text4", 1), 720, 4320, 195, 225},
                      {&Text4[0], indexed("Text4", 0), 720, 4770, 195, 225},
                      {&Text5[2], indexed("Text5", 2), 525, 3660, 390, 225},
                      {&Text5[1], indexed("Text5", 1), 525, 4110, 390, 225},
                      {&Text5[0], indexed("Text5", 0), 525, 4560, 390, 225}},
                     kBrickColor);
    addColouredBoxes(Form4Client, {{&Text2, QStringLiteral("Text2"), 1245, 4095, 540, 960}}, kDoorColor);
    Text2->setToolTip(QStringLiteral("Las infiltraciones incontroladas de puertas y ventanas influyen en la carga "
                                     "térmica. Aportan tanto calor sensible como latente."));
}

// The room's thermometer: a fixed reading of comfort, nothing moves it.
void Form4Ui::buildRoomThermometer()
{
    auto *thermometer = addControl<iThermometerX>(Form4Client, indexed("ter", 4), 3210, 3105, 225, 1170);
    thermometer->setRange(0, 50);
    thermometer->setTickLabelsVisible(false);
    thermometer->setMajorTickCount(4);
    thermometer->setIndicatorColor(QColor(0x00, 0x00, 0xc0));
    thermometer->setIndicatorBackgroundColor(QColor(0xc0, 0xc0, 0xff));
    thermometer->setIndicatorWidth(1);
    thermometer->setBulbSize(3);
    thermometer->setTransparent(true);
    thermometer->setPosition(20);
    ter[4] = thermometer;
}
