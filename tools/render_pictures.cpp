// Renders the windows and pictures of the program into PNG files, at 1x and
// 2x, for a person to look at: every tab of the main window with the unit off
// and running (every kind of instrument among them), the unit scheme, the
// operation window, the psychrometric chart and the pressure-enthalpy diagram.
//
//     render_pictures [folder]      (default: the current folder)
//
// It runs offscreen unless QT_QPA_PLATFORM says otherwise. It checks nothing:
// the test suite does.

#include "form1.h"
#include "form4.h"
#include "iswitchrockerx.h"
#include "ph_diagram_picture.h"
#include "psych_chart_picture.h"
#include "sstab.h"
#include "surface.h"
#include "twips.h"

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
    renderPictures();
    return g_failed ? 1 : 0;
}
