// The tab panel SSTab1: the outdoor data on "Datos" and the reading texts on
// "Prácticas", "Teoría" (inner tab panel SSTab2) and "Equipo". The cycle and
// chart tabs are built in form1_cycle.cpp and form1_chart.cpp.

#include "form1_ui.h"

#include "form1_build.h"
#include "ithermometerx.h"
#include "sstab.h"
#include "surface.h"
#include "twips.h"
#include "updown.h"
#include "window_build.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextOption>

using namespace form1build;
using namespace winbuild;

namespace {

QString readText(const QString &resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// Reading texts: read-only, wrapped at the box's width, always with a
// vertical scroll bar. A tab sets the rest of its line flush with the right
// edge of the text: the rows of a small table ("Oficinas<tab>4 a 8") stay
// whole and their numbers line up in any font (figure spaces pad the shorter
// numbers to the digits' width).
QPlainTextEdit *addReadingText(QWidget *parent, int index, const char *resource, double left,
                               double top, double width, double height)
{
    constexpr qreal kTabInset = 2.0;   // keeps the last digit off the edge
    auto *text = addControl<QPlainTextEdit>(parent, indexed("Text2", index), left, top, width, height);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setPlainText(readText(QStringLiteral(":/texts/%1.txt").arg(QLatin1String(resource))));

    QTextDocument *document = text->document();
    const qreal lineWidth = text->contentsRect().width() - text->verticalScrollBar()->sizeHint().width()
                            - 2 * document->documentMargin();
    QTextOption option = document->defaultTextOption();
    option.setTabs({QTextOption::Tab(lineWidth - kTabInset, QTextOption::RightTab)});
    document->setDefaultTextOption(option);
    return text;
}

// Word-wrapped captions, in a face small enough to keep their lines within
// the design's boxes.
SurfaceLabel *addWrappedLabel(Surface *surface, const char *name, const char *caption, double left,
                              double top, double width, double height)
{
    return addWrappedCaption(surface, QLatin1String(name), QString::fromUtf8(caption), left, top, width, height,
                             condensedFont(10), false);
}

iThermometerX *addThermometer(QWidget *parent, const char *name, double left, double top, double width,
                              double height, double position, const QColor &column, const QColor &bore)
{
    auto *thermometer = addControl<iThermometerX>(parent, QLatin1String(name), left, top, width, height);
    thermometer->setRange(10, 50);
    thermometer->setMajorTickCount(5);
    thermometer->setIndicatorColor(column);
    thermometer->setIndicatorBackgroundColor(bore);
    thermometer->setTransparent(true);
    thermometer->setPosition(position);
    return thermometer;
}

} // namespace

void Form1Ui::buildTabs(const QMainWindow *window)
{
    // The barometer column in the menu bar's colour, the chart letters on the window's ground.
    buildDataTab(SSTab1->page(Datos), window->menuBar()->palette().color(QPalette::Window));
    buildCycleTab(SSTab1->page(CicloFrigorifico));
    buildReadingTabs();
    buildChartTab(SSTab1->page(CartaPsicrometrica), window->palette().color(QPalette::Window));
    SSTab1->setTab(CartaPsicrometrica);
}

void Form1Ui::buildDataTab(Surface *page, const QColor &barometerColumn)
{
    Frame1 = new QGroupBox(QStringLiteral("Condiciones Ambientales"), page);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips::rect(210, 555, 3915, 2970));
    Frame1Client = addClientSurface(Frame1, QStringLiteral("Frame1Client"));

    Image5 = Frame1Client->addImage(QStringLiteral("Image5"), QStringLiteral(":/pictures/barometer.svg"),
                                    225, 390, 630, 1275);
    Image5->setStretch(true);
    Line2 = Frame1Client->addLine(QStringLiteral("Line2"), 600, 1524, 600, 648);
    Line2->setPenWidth(3);
    Line2->setColor(barometerColumn);

    Shape7 = Frame1Client->addShape(QStringLiteral("Shape7"), SurfaceShape::Rectangle, 2670, 1260, 225, 375);
    Shape7->setBackColor(QColor(192, 255, 255));
    Shape7->setBackOpaque(true);
    Shape7->setFillColor(QColor(128, 255, 255));
    Shape7->setFillStyle(Qt::CrossPattern);

    Label3 = addWrappedLabel(Frame1Client, "Label3", "Presión barométrica (mbar)", 150, 1770, 960, 630);
    Label4 = addWrappedLabel(Frame1Client, "Label4", "Temperatura ambiente ºC", 1305, 1740, 1080, 360);
    Label13 = addWrappedLabel(Frame1Client, "Label13", "Temperatura de Bulbo H. ºC", 2685, 1725, 1080, 360);

    iThermometerX1 = addThermometer(Frame1Client, "iThermometerX1", 1425, 300, 570, 1275, 23.0, QColor(192, 0, 0),
                                    QColor(255, 192, 192));
    iThermometerX2 = addThermometer(Frame1Client, "iThermometerX2", 2745, 315, 570, 1260, 17.0, QColor(0, 0, 192),
                                    QColor(192, 192, 255));
    wrapBulbInWick(iThermometerX2, Shape7, iThermometerX1);

    // Input boxes with their step controls. The value goes to the box when
    // it is set; no handler is connected yet.
    constexpr double kBoxHeight = 348;
    constexpr double kStepControlHeight = 345;
    const struct
    {
        QWidget *parent;
        QLineEdit **box;
        const char *boxName;
        double boxLeft, boxTop, boxWidth;
        UpDown **control;
        const char *controlName;
        double controlLeft, controlTop, controlWidth;
        int value, minimum, maximum;
    } steps[] = {
        {Frame1Client, &Text3, "Text3", 225, 2520, 705, &UpDown1, "UpDown1", 915, 2535, 240, 1013, 960, 1040},
        {Frame1Client, &Text4, "Text4", 1410, 2220, 495, &UpDown2, "UpDown2", 1875, 2205, 240, 23, 15, 30},
        {Frame1Client, &Text1, "Text1", 2730, 2220, 375, &UpDown4, "UpDown4", 3105, 2220, 240, 17, 10, 30},
        {page, &Text8, "Text8", 3045, 3720, 312, &UpDown3, "UpDown3", 3360, 3705, 195, 6, 4, 7},
    };
    for (const auto &s : steps) {
        QLineEdit *box = addTextBox(s.parent, QLatin1String(s.boxName), s.boxLeft, s.boxTop, s.boxWidth, kBoxHeight);
        auto *control = addControl<UpDown>(s.parent, QLatin1String(s.controlName), s.controlLeft, s.controlTop,
                                           s.controlWidth, kStepControlHeight);
        control->setBuddy(box);
        control->setRange(s.minimum, s.maximum);
        control->setIncrement(1);
        control->setValue(s.value);
        control->setStepsFromTypedText(box);
        *s.box = box;
        *s.control = control;
    }
    // The scheme's outdoor step controls step from a temperature typed on this tab too.
    UpDown5->setStepsFromTypedText(Text4);
    UpDown6->setStepsFromTypedText(Text1);

    Label9[0] = addCaption(page, indexed("Label9", 0), QStringLiteral("Sobrecalentamiento evaporador"), 210, 3795);
    Label10[3] = addCaption(page, indexed("Label10", 3), QStringLiteral("ºC"), 3630, 3810);
    Label5 = addWrappedLabel(page, "Label5",
                             "El resto de los datos necesarios para los cálculos se obtienen directamente "
                             "del esquema adjunto una vez que la máquina está en funcionamiento y estabilizada.",
                             525, 4830, 3075, 945);
}

void Form1Ui::buildReadingTabs()
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
