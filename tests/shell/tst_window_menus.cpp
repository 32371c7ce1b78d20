#include "application.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "frmabout.h"
#include "frmbrowser.h"

#include <QAction>
#include <QPointer>
#include <QTimer>
#include <QtTest>

namespace {

// The one visible top-level window of class W, or null if there is none or
// more than one.
template <typename W>
W *openWindow()
{
    W *found = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<W *>(top); window && window->isVisible()) {
            if (found)
                return nullptr;
            found = window;
        }
    }
    return found;
}

// `item` opens one window of class W without owner, maximised or not; while it
// is open the item only brings it back as the user left it; once closed, the
// window is unloaded and the next use builds it afresh.
template <typename W>
void verifyOpensSingleInstance(Form1 &form1, const char *itemName, bool maximised)
{
    QAction *item = form1.findChild<QAction *>(QLatin1String(itemName));
    QVERIFY2(item, itemName);
    item->trigger();
    QPointer<W> window = openWindow<W>();
    QVERIFY2(window, qPrintable(item->objectName()));
    QVERIFY(!window->parentWidget());
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(window->windowState().testFlag(Qt::WindowMaximized), maximised);
    window->setObjectName(QStringLiteral("left as it was"));
    item->trigger();
    QCOMPARE(openWindow<W>(), window.data());
    QCOMPARE(window->objectName(), QStringLiteral("left as it was"));

    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    QVERIFY(form1.isVisible());
    item->trigger();
    QPointer<W> again = openWindow<W>();
    QVERIFY(again);
    QVERIFY(again->objectName() != QStringLiteral("left as it was"));
    again->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class WindowMenusTest : public QObject
{
    Q_OBJECT
private slots:
    void eachItemOpensOneWindowBuiltAfreshAfterClose();
    void programEndsWhenItsLastWindowCloses_data();
    void programEndsWhenItsLastWindowCloses();
};

void WindowMenusTest::eachItemOpensOneWindowBuiltAfreshAfterClose()
{
    Form1 form1;
    connectWindowMenus(form1);
    form1.show();
    verifyOpensSingleInstance<frmAbout>(form1, "ay", false);
    verifyOpensSingleInstance<Form4>(form1, "unid", true);
    verifyOpensSingleInstance<frmBrowser>(form1, "acc", true);
    verifyOpensSingleInstance<Form3>(form1, "enf", true);
    verifyOpensSingleInstance<Form2>(form1, "proc", false);
}

void WindowMenusTest::programEndsWhenItsLastWindowCloses_data()
{
    QTest::addColumn<bool>("mainWindowFirst");
    QTest::newRow("main window first, About last") << true;
    QTest::newRow("About first, main window last") << false;
}

// With the About window (a tool window, out of the taskbar) as the other
// open window, the program runs on when the first of the two closes and ends
// when the second closes, whichever it is.
void WindowMenusTest::programEndsWhenItsLastWindowCloses()
{
    QFETCH(bool, mainWindowFirst);
    Form1 form1;
    connectWindowMenus(form1);
    form1.show();
    form1.findChild<QAction *>(QStringLiteral("ay"))->trigger();
    QPointer<frmAbout> about = openWindow<frmAbout>();
    QVERIFY(about);
    QWidget *first = mainWindowFirst ? static_cast<QWidget *>(&form1) : about.data();
    QWidget *last = mainWindowFirst ? static_cast<QWidget *>(about.data()) : &form1;

    bool runningAfterFirst = false;
    QTimer::singleShot(0, first, [first] { first->close(); });
    QTimer::singleShot(50, last, [&runningAfterFirst, last] {
        runningAfterFirst = true;
        last->close();
    });
    QTimer notEnded;   // the program did not end by itself
    notEnded.callOnTimeout([] { QCoreApplication::exit(1); });
    notEnded.start(3000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(runningAfterFirst);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTEST_MAIN(WindowMenusTest)
#include "tst_window_menus.moc"
