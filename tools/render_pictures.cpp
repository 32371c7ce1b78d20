// Renders the windows and pictures of the program into PNG files, at 1x and
// 2x, for a person to look at: every tab of the main window with the unit off
// and running, the unit scheme, the operation window, a sheet of every
// instrument, the psychrometric chart and the pressure-enthalpy diagram.
//
//     render_pictures [folder]      (default: the current folder)
//
// It runs offscreen unless QT_QPA_PLATFORM says otherwise. It checks nothing:
// the test suite does.

#include "form1.h"
#include "form4.h"
#include "iangulargaugex.h"
#include "ianalogdisplayx.h"
#include "iknobx.h"
#include "isevensegmentintegerx.h"
#include "iswitchrockerx.h"
#include "iswitchrotaryx.h"
#include "ithermometerx.h"
#include "ph_diagram_picture.h"
#include "psych_chart_picture.h"
#include "sstab.h"
#include "surface.h"
#include "twips.h"
#include "updown.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTextStream>

#include <cstdio>

namespace {

QDir g_folder;
bool g_failed = false;

void save(const QImage &image, const QString &name)
{
    const QString path = g_folder.filePath(name + QStringLiteral(".png"));
    if (!image.save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        g_failed = true;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

// The widget with its children as the screen shows it, at `scale` device
// pixels per logical pixel.
QImage grab(QWidget *widget, int scale, const QRegion &region = QRegion())
{
    const QSize size = region.isEmpty() ? widget->size() : region.boundingRect().size();
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    widget->render(&image, QPoint(), region);
    return image;
}

template <typename T>
T *named(QObject &window, const char *name)
{
    return window.findChild<T *>(QLatin1String(name));
}

void renderMainWindow()
{
    Form1 form;
    form.show();
    QApplication::processEvents();
    auto *tabs = named<SSTab>(form, "SSTab1");
    for (const bool running : {false, true}) {
        if (running) {
            named<iSwitchRockerX>(form, "interruptor")->setOn(true);
            form.interruptor_Change();
            QApplication::processEvents();
        }
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setTab(tab);
            for (int scale : {1, 2})
                save(grab(form.centralWidget(), scale),
                     QStringLiteral("form1_%1_tab%2@%3x").arg(running ? "on" : "off").arg(tab).arg(scale));
        }
        for (int scale : {1, 2})
            save(grab(named<Surface>(form, "Picture4"), scale),
                 QStringLiteral("unit_scheme_%1@%2x").arg(running ? "on" : "off").arg(scale));
    }
}

void renderOperationWindow()
{
    Form4 form;
    form.show();
    QApplication::processEvents();
    const QRegion design(QRect(QPoint(), twips::size(10860, 9030)));
    for (int scale : {1, 2})
        save(grab(named<Surface>(form, "Form4Client"), scale, design), QStringLiteral("form4@%1x").arg(scale));
}

// Every kind of instrument, in the settings the windows give them.
void renderInstruments()
{
    QWidget sheet;
    sheet.resize(twips::size(6500, 3400));
    sheet.setAutoFillBackground(true);

    auto *knob = new iKnobX(&sheet);
    knob->setRange(5.0, 10.0);
    knob->setMajorTickCount(6);
    knob->setTickLabelsVisible(false);
    knob->setTransparent(true);
    knob->setPosition(8.0);
    knob->setGeometry(twips::rect(120, 300, 1020, 975));
    (new iSwitchRockerX(&sheet))->setGeometry(twips::rect(1335, 195, 555, 705));
    auto *steam = new iSwitchRotaryX(&sheet);
    steam->setLabels({"0", "1", "2", "3", "4", "5"});
    steam->setPosition(1);
    steam->setGeometry(twips::rect(2040, 75, 1410, 1260));
    auto *heater = new iSwitchRotaryX(&sheet);
    heater->setLabels({"0", "1", "2"});
    heater->setPosition(2);
    heater->setPointerStyle(iSwitchRotaryX::Rectangle);
    heater->setGeometry(twips::rect(3720, 195, 1005, 975));

    auto *scheme = new QWidget(&sheet);
    scheme->setGeometry(twips::rect(0, 1650, 6500, 1750));
    scheme->setAutoFillBackground(true);
    scheme->setPalette(QPalette(Qt::white));
    const auto thermometer = [scheme](double value, const QColor &column, const QRect &place) {
        auto *t = new iThermometerX(scheme);
        t->setRange(0, 50);
        t->setMajorTickCount(4);
        t->setTickLabelsVisible(false);
        t->setTransparent(true);
        t->setIndicatorColor(column);
        t->setIndicatorBackgroundColor(column.lighter(175));
        t->setPosition(value);
        t->setGeometry(place);
        return t;
    };
    thermometer(54.0, QColor(192, 0, 0), twips::rect(100, 90, 150, 885));
    thermometer(17.0, QColor(0, 0, 192), twips::rect(300, 90, 150, 885));
    auto *outdoor = thermometer(23.0, QColor(192, 0, 0), twips::rect(4300, 100, 570, 1275));
    outdoor->setRange(10, 50);
    outdoor->setMajorTickCount(5);
    outdoor->setTickLabelsVisible(true);
    auto *condensate = new iAnalogDisplayX(scheme);
    condensate->setGeometry(twips::rect(900, 150, 810, 270));
    condensate->setUnitText(QStringLiteral(" kg/h"));
    condensate->setPrecision(3);
    condensate->setTextColor(Qt::blue);
    condensate->setValue(0.137057);
    (new UpDown(scheme))->setGeometry(twips::rect(1725, 0, 240, 555));
    auto *tachometer = new iSevenSegmentIntegerX(scheme);
    tachometer->setGeometry(twips::rect(900, 700, 1020, 420));
    tachometer->setValue(2312);
    for (const auto &[colour, place] : {std::pair{QColor(Qt::blue), twips::rect(2100, 700, 510, 570)},
                                       std::pair{QColor(Qt::red), twips::rect(2700, 700, 1000, 1000)}}) {
        auto *g = new iAngularGaugeX(scheme);
        g->setRange(1.0, 18.0);
        g->setLabel(QStringLiteral("bar"));
        g->setArc(233, 280);
        g->setPointerColor(colour);
        g->setTickColor(colour);
        g->setPosition(6.0);
        g->setGeometry(place);
    }
    sheet.show();
    QApplication::processEvents();
    for (int scale : {1, 2})
        save(grab(&sheet, scale), QStringLiteral("instruments@%1x").arg(scale));
}

void renderPictures()
{
    for (int scale : {1, 2}) {
        save(chart::psychrometricChartPicture(scale), QStringLiteral("psychrometric_chart@%1x").arg(scale));
        save(phDiagramPicture(scale), QStringLiteral("ph_diagram@%1x").arg(scale));
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vorbelia"));
    g_folder = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    if (!g_folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "could not make the folder %s\n", qPrintable(g_folder.path()));
        return 1;
    }
    renderMainWindow();
    renderOperationWindow();
    renderInstruments();
    renderPictures();
    return g_failed ? 1 : 0;
}
