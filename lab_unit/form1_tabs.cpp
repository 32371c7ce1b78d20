// The tab panel SSTab1: the outdoor data on "Datos" and the reading texts on
// "Prácticas", "Teoría" (inner tab panel SSTab2) and "Equipo". The cycle and
// chart tabs are built in form1_cycle.cpp and form1_chart.cpp.

#include "form1.h"

#include "form1_build.h"
#include "ithermometerx.h"
#include "sstab.h"
#include "surface.h"
#include "twips.h"
#include "updown.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>

using namespace form1build;

namespace {

QString readText(const QString &resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Reading texts: read-only, wrapped at the box's width, always with a
// vertical scroll bar.
QPlainTextEdit *addReadingText(QWidget *parent, int index, const char *resource, double left,
                               double top, double width, double height)
{
    auto *text = new QPlainTextEdit(parent);
    text->setObjectName(indexed("Text2", index));
    text->setGeometry(twips::rect(left, top, width, height));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setPlainText(readText(QStringLiteral(":/texts/%1.txt").arg(QLatin1String(resource))));
    return text;
}

// Word-wrapped captions, in a face small enough to keep their lines within
// the design's boxes.
SurfaceLabel *addWrappedLabel(Surface *surface, const char *name, const char *caption, double left,
                              double top, double width, double height)
{
    SurfaceLabel *label = surface->addLabel(QLatin1String(name), QString::fromUtf8(caption),
                                            float(left), float(top), float(width), float(height));
    label->setFont(condensedFont(10));
    label->setTransparent(true);
    label->setWordWrap(true);
    return label;
}

void setUpThermometer(iThermometerX *thermometer, const char *name, double left, double top,
                      double width, double height, double position, const QColor &column,
                      const QColor &bore)
{
    thermometer->setObjectName(QLatin1String(name));
    thermometer->setGeometry(twips::rect(left, top, width, height));
    thermometer->setRange(10, 50);
    thermometer->setMajorTickCount(5);
    thermometer->setIndicatorColor(column);
    thermometer->setIndicatorBackgroundColor(bore);
    thermometer->setTransparent(true);
    thermometer->setPosition(position);
}

} // namespace

void Form1::buildTabs()
{
    buildDataTab(SSTab1->page(Datos));
    buildCycleTab(SSTab1->page(CicloFrigorifico));
    buildReadingTabs();
    buildChartTab(SSTab1->page(CartaPsicrometrica));
    SSTab1->setTab(CartaPsicrometrica);
}

void Form1::buildDataTab(Surface *page)
{
    Frame1 = new QGroupBox(QStringLiteral("Condiciones Ambientales"), page);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips::rect(210, 555, 3915, 2970));
    Frame1Client = addClientSurface(Frame1, QStringLiteral("Frame1Client"));

    Image5 = Frame1Client->addImage(QStringLiteral("Image5"), QStringLiteral(":/pictures/barometer.svg"),
                                    225, 390, 630, 1275);
    Image5->setStretch(true);
    Line2 = Frame1Client->addLine(QStringLiteral("Line2"), 600, 1524, 600, 648);
    Line2->setWidth(3);
    Line2->setColor(menuBar()->palette().color(QPalette::Window));

    Shape7 = Frame1Client->addShape(QStringLiteral("Shape7"), SurfaceShape::Rectangle, 2670, 1260, 225, 375);
    Shape7->setBackColor(QColor(192, 255, 255));
    Shape7->setBackOpaque(true);
    Shape7->setFillColor(QColor(128, 255, 255));
    Shape7->setFillStyle(Qt::CrossPattern);

    Label3 = addWrappedLabel(Frame1Client, "Label3", "Presión barométrica (mbar)", 150, 1770, 960, 630);
    Label4 = addWrappedLabel(Frame1Client, "Label4", "Temperatura ambiente ºC", 1305, 1740, 1080, 360);
    Label13 = addWrappedLabel(Frame1Client, "Label13", "Temperatura de Bulbo H. ºC", 2685, 1725, 1080, 360);

    iThermometerX1 = new iThermometerX(Frame1Client);
    setUpThermometer(iThermometerX1, "iThermometerX1", 1425, 300, 570, 1275, 23.0, QColor(192, 0, 0),
                     QColor(255, 192, 192));
    iThermometerX2 = new iThermometerX(Frame1Client);
    setUpThermometer(iThermometerX2, "iThermometerX2", 2745, 315, 570, 1260, 17.0, QColor(0, 0, 192),
                     QColor(192, 192, 255));

    // Input boxes with their step controls. The value goes to the box when
    // it is set; no handler is connected yet.
    const struct
    {
        QWidget *parent;
        QLineEdit **box;
        const char *boxName;
        QRect boxRect;
        UpDown **control;
        const char *controlName;
        QRect controlRect;
        int value, minimum, maximum;
    } steps[] = {
        {Frame1Client, &Text3, "Text3", twips::rect(225, 2520, 705, 348), &UpDown1, "UpDown1",
         twips::rect(915, 2535, 240, 345), 1013, 960, 1040},
        {Frame1Client, &Text4, "Text4", twips::rect(1410, 2220, 495, 348), &UpDown2, "UpDown2",
         twips::rect(1875, 2205, 240, 345), 23, 15, 30},
        {Frame1Client, &Text1, "Text1", twips::rect(2730, 2220, 375, 348), &UpDown4, "UpDown4",
         twips::rect(3105, 2220, 240, 345), 17, 10, 30},
        {page, &Text8, "Text8", twips::rect(3045, 3720, 312, 348), &UpDown3, "UpDown3",
         twips::rect(3360, 3705, 195, 345), 6, 4, 7},
    };
    for (const auto &s : steps) {
        auto *box = new QLineEdit(s.parent);
        box->setObjectName(QLatin1String(s.boxName));
        box->setGeometry(s.boxRect);
        auto *control = new UpDown(s.parent);
        control->setObjectName(QLatin1String(s.controlName));
        control->setGeometry(s.controlRect);
        control->setBuddy(box);
        control->setRange(s.minimum, s.maximum);
        control->setIncrement(1);
        control->setValue(s.value);
        *s.box = box;
        *s.control = control;
    }

    Label9[0] = addCaption(page, indexed("Label9", 0), QStringLiteral("Sobrecalentamiento evaporador"), 210, 3795);
    Label10[3] = addCaption(page, indexed("Label10", 3), QStringLiteral("ºC"), 3630, 3810);
    Label5 = addWrappedLabel(page, "Label5",
                             "El resto de los datos necesarios para los cálculos se obtienen directamente "
                             "del esquema adjunto una vez que la máquina está en funcionamiento y estabilizada.",
                             525, 4830, 3075, 945);
}

void Form1::buildReadingTabs()
{
    Text2[4] = addReadingText(SSTab1->page(Practicas), 4, "practicas", 150, 900, 3915, 5280);
    // The page's leftover cells lie beneath the text.
    Text2[4]->raise();

    SSTab2 = new SSTab({QStringLiteral("1.- Confort "), QStringLiteral("2.- Ventilación"),
                        QStringLiteral("3.-Sistemas")},
                       3, SSTab1->page(Teoria));
    SSTab2->setObjectName(QStringLiteral("SSTab2"));
    SSTab2->setGeometry(twips::rect(45, 645, 3990, 5835));
    Text2[2] = addReadingText(SSTab2->page(0), 2, "confort", 75, 405, 3780, 5085);
    Text2[1] = addReadingText(SSTab2->page(1), 1, "ventilacion", 120, 390, 3780, 5130);
    Text2[3] = addReadingText(SSTab2->page(2), 3, "sistemas", 75, 405, 3795, 5100);
    SSTab2->setTab(2);

    Text2[5] = addReadingText(SSTab1->page(Equipo), 5, "equipo", 105, 3555, 3915, 2745);
}
