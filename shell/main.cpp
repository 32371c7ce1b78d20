#include "application.h"
#include "form1.h"
#include "frmsplash.h"
#include "window_build.h"
#include "shared_icon.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// With VORBELIA_STARTUP_TIMING set, prints to stderr how long the start-up
// took from main() to the splash painted, how long the main window took to
// build at the hand-over, and how long from the hand-over to its first paint.
class StartupTiming : public QObject
{
public:
    StartupTiming()
        : m_enabled(qEnvironmentVariableIsSet("VORBELIA_STARTUP_TIMING"))
    {
        m_clock.start();
    }

    // Reports when `window` has first been painted, timed from the last mark.
    void watchFirstPaint(QWidget *window)
    {
        if (m_enabled)
            window->installEventFilter(this);
    }

    template <typename Build>
    void timeHandOver(Build build)
    {
        m_clock.start();
        build();
        report("main window built in");
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The window and everything on it paint in this pass; report after it.
            const QByteArray what = watched->objectName().toLatin1() + " painted after";
            QTimer::singleShot(0, this, [this, what] { report(what.constData()); });
        }
        return false;
    }

private:
    void report(const char *what) const
    {
        if (m_enabled)
            std::fprintf(stderr, "%s %.1f ms\n", what, m_clock.nsecsElapsed() / 1e6);
    }

    bool m_enabled;
    QElapsedTimer m_clock;
};

} // namespace

int main(int argc, char *argv[])
{
    StartupTiming timing;
    QApplication application(argc, argv);
    app::setNameAndVersion();
    // The desktop entry installed with the program, whose icon the desktop
    // shows for its windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("vorbelia"));
    QApplication::setWindowIcon(sharedIcon(QStringLiteral(":/icons/app.svg")));
    QApplication::setFont(winbuild::windowFont());
    app::loadStandardTexts();

    // The main window is built when the splash hands over to it.
    std::unique_ptr<Form1> form1;
    auto *splash = new frmSplash;
    QObject::connect(splash, &frmSplash::handedOver, [&form1, &timing] {
        timing.timeHandOver([&form1] {
            form1 = std::make_unique<Form1>();
            connectWindowMenus(*form1);
        });
        timing.watchFirstPaint(form1.get());
        form1->showMaximized();
    });
    timing.watchFirstPaint(splash);
    splash->show();
    splash->activateWindow();
    return QApplication::exec();
}
