// Every window the main window's menus open, opened and closed a hundred
// times: each cycle builds it afresh and leaves nothing of it behind. In the
// sanitizer build, LeakSanitizer checks the rest at exit.
#include "quality_support.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "frmabout.h"
#include "frmbrowser.h"

#include <QAbstractButton>
#include <QAction>
#include <QToolBar>
#include <QtTest>
#include <QPixmapCache>

#include <malloc.h>

namespace {

constexpr int kCycles = 100;

// The open top-level window of that name, if there is exactly one.
QWidget *openWindowNamed(const QString &name)
{
    QWidget *found = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name && top->isVisible()) {
            if (found)
                return nullptr;
            found = top;
        }
    }
    return found;
}

// Bytes the program holds on the heap now (not measurable under AddressSanitizer).
qint64 heapInUse()
{
    return qint64(mallinfo2().uordblks);
}

bool heapMeasurable()
{
#if defined(__SANITIZE_ADDRESS__)
    return false;
#else
    return true;
#endif
}

// The window's own way out: a button by name, a toolbar button by its
// action's name, or, with none, the close box.
void closeByItsOwnControl(QWidget *window, const QString &control)
{
    if (control.isEmpty()) {
        window->close();
    } else if (auto *action = window->findChild<QAction *>(control); action && window->findChild<QToolBar *>()) {
        QTest::mouseClick(window->findChild<QToolBar *>()->widgetForAction(action), Qt::LeftButton);
    } else {
        auto *button = window->findChild<QAbstractButton *>(control);
        QVERIFY2(button, qPrintable(control));
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

} // namespace

class WindowCyclesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void eachCycleLeavesNothingBehind_data();
    void eachCycleLeavesNothingBehind();

private:
    std::unique_ptr<Form1> m_form1;
};

void WindowCyclesTest::initTestCase()
{
    m_form1 = quality::startProgram();
}

void WindowCyclesTest::cleanupTestCase()
{
    quality::closeOpenedWindows();
    m_form1.reset();
}

void WindowCyclesTest::eachCycleLeavesNothingBehind_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("closedBy");   // empty: the close box
    QTest::newRow("Form4") << "unid" << QString();
    QTest::newRow("frmAbout") << "ay" << "cmdOK";
    QTest::newRow("frmBrowser") << "acc" << "Salir";
    QTest::newRow("Form2") << "proc" << "Command1";
    QTest::newRow("Form3") << "enf" << "Command1";
}

void WindowCyclesTest::eachCycleLeavesNothingBehind()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, closedBy);
    auto *item = m_form1->findChild<QAction *>(menuItem);
    QVERIFY(item);

    // One cycle: the window opens, works a moment, and closes, every other
    // time by its own control and else by its close box.
    const auto cycle = [&](int index) {
        item->trigger();
        QPointer<QWidget> window = openWindowNamed(QTest::currentDataTag());
        QVERIFY2(window, "the menu opens no window, or more than one");
        QTest::qWait(index % 10 == 0 ? 30 : 0);   // now and then long enough for its timers
        closeByItsOwnControl(window, index % 2 ? closedBy : QString());
        QCoreApplication::processEvents();
        quality::deleteClosedWindows();
        QVERIFY2(window.isNull(), "the window is not deleted once closed");
    };

    // The first cycle fills what is kept for the program's lifetime (fonts,
    // pictures drawn once); after it, cycles add nothing.
    cycle(0);
    const qsizetype widgets = QApplication::allWidgets().size();
    // The platform's pixmap cache keeps the icons of every toolbar built, up to
    // its fixed limit; it is emptied for each measure.
    QPixmapCache::clear();
    const qint64 heap = heapInUse();
    for (int i = 1; i < kCycles && !QTest::currentTestFailed(); ++i) {
        cycle(i);
        QCOMPARE(QApplication::allWidgets().size(), widgets);
    }
    // A window left over would hold far more than this; allocators and caches
    // of the platform move by less.
    QPixmapCache::clear();
    if (heapMeasurable())
        QVERIFY2(heapInUse() - heap < 1024 * 1024,
                 qPrintable(QStringLiteral("the heap grew by %1 bytes").arg(heapInUse() - heap)));
}

QTEST_MAIN(WindowCyclesTest)
#include "tst_window_cycles.moc"
