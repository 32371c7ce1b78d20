#include "ianalogdisplayx.h"
#include "updown.h"

#include <QLineEdit>
#include <QtTest>

class UpDownTest : public QObject
{
    Q_OBJECT
private slots:
    void writesFromCodeClampThenBuddyThenOneChange_data();
    void writesFromCodeClampThenBuddyThenOneChange();
    void clicksAndHeldArrowStepWithoutWrapping();
    void keysAndWheelStep();
    void chainedStepControlsRunNestedAndEnd();
    void stepsFromTypedTextOnlyWhenAskedTo_data();
    void stepsFromTypedTextOnlyWhenAskedTo();
};

namespace {

// A step control with a text box, shown so that real mouse events reach it;
// `seen` logs the buddy's text as each Change handler reads it.
struct Fixture {
    QWidget window;
    QLineEdit *box = new QLineEdit(&window);
    UpDown *upDown = new UpDown(&window);
    QStringList seen;

    Fixture(int minimum, int maximum, int increment, int value)
    {
        upDown->setGeometry(100, 0, 16, 23);
        upDown->setRange(minimum, maximum);
        upDown->setIncrement(increment);
        upDown->setBuddy(box);
        upDown->setValue(value);
        QObject::connect(upDown, &UpDown::Change, upDown, [this] { seen << box->text(); });
        window.show();
    }
};

const QPoint kUpperHalf(8, 4);
const QPoint kLowerHalf(8, 18);

} // namespace

void UpDownTest::writesFromCodeClampThenBuddyThenOneChange_data()
{
    QTest::addColumn<int>("written");
    QTest::addColumn<QStringList>("seen");
    QTest::newRow("inside the range") << 1020 << QStringList{"1020"};
    QTest::newRow("equal value: nothing") << 1013 << QStringList{};
    QTest::newRow("above: clamped") << 50000 << QStringList{"20000"};
    QTest::newRow("below: clamped") << -7 << QStringList{"960"};
    QTest::newRow("no group separator") << 15300 << QStringList{"15300"};
}

void UpDownTest::writesFromCodeClampThenBuddyThenOneChange()
{
    QFETCH(int, written);
    QFETCH(QStringList, seen);
    Fixture f(960, 20000, 1, 1013);
    f.box->setText("1013");
    f.upDown->setProperty("Value", written);
    QCOMPARE(f.seen, seen);
    QCOMPARE(f.upDown->Value(), f.box->text().toInt());
    f.upDown->setValue(f.upDown->Value());   // the value it holds: nothing
    QCOMPARE(f.seen, seen);
}

void UpDownTest::clicksAndHeldArrowStepWithoutWrapping()
{
    Fixture f(0, 22, 5, 10);
    for (int i = 0; i < 4; ++i)   // the last step stops at the top, the next changes nothing
        QTest::mouseClick(f.upDown, Qt::LeftButton, {}, kUpperHalf);
    QCOMPARE(f.seen, (QStringList{"15", "20", "22"}));

    f.upDown->setIncrement(1);
    f.seen.clear();
    QTest::mousePress(f.upDown, Qt::LeftButton, {}, kLowerHalf);
    QTest::qWait(800);   // the first repeat after 400 ms, then every 60 ms
    QTest::mouseRelease(f.upDown, Qt::LeftButton, {}, kLowerHalf);
    const int released = f.upDown->Value();
    QVERIFY2(released <= 22 - 4, qPrintable(QString::number(released)));
    QCOMPARE(f.seen.size(), 22 - released);
    QTest::qWait(200);
    QCOMPARE(f.upDown->Value(), released);

    // A handler opened a window that took the release: the repeat stops too.
    QWidget dialog;
    dialog.show();
    QTest::mousePress(f.upDown, Qt::LeftButton, {}, kUpperHalf);
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::qWait(600);
    QCOMPARE(f.upDown->Value(), released + 1);
}

void UpDownTest::keysAndWheelStep()
{
    Fixture f(10, 30, 2, 17);
    f.upDown->setFocus();
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_PageUp, Qt::Key_Down})
        QTest::keyClick(f.upDown, key);
    const auto wheel = [&](int angle) {
        QWheelEvent event(kUpperHalf, f.upDown->mapToGlobal(kUpperHalf), {}, {0, angle}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.upDown, &event);
    };
    for (int angle : {240, 60, 60, -120})   // two notches at once; two halves make one
        wheel(angle);
    QCOMPARE(f.seen, (QStringList{"19", "21", "19", "21", "23", "25", "23"}));
}

// The outdoor temperatures of the main window: the scheme's control drives the
// dry bulb, and the dry and wet bulbs keep wet <= dry by writing each other.
void UpDownTest::chainedStepControlsRunNestedAndEnd()
{
    QWidget window;
    iAnalogDisplayX display(&window);
    QLineEdit dryBox(&window), wetBox(&window);
    UpDown scheme(&window), dry(&window), wet(&window);
    const auto setUp = [](UpDown &upDown, auto *buddy, int minimum, int value) {
        upDown.setBuddy(buddy);
        upDown.setRange(minimum, 30);
        upDown.setValue(value);
    };
    setUp(scheme, &display, 15, 23);
    setUp(dry, &dryBox, 15, 23);
    setUp(wet, &wetBox, 10, 17);

    QStringList log;
    connect(&scheme, &UpDown::Change, &window, [&] {
        log << "scheme " + QString::number(display.value());
        dry.setValue(scheme.Value());
    });
    connect(&dry, &UpDown::Change, &window, [&] {
        log << "dry " + dryBox.text();
        wet.setValue(std::min(wet.Value(), dry.Value()));
    });
    connect(&wet, &UpDown::Change, &window, [&] {
        log << "wet " + wetBox.text();
        dry.setValue(std::max(wet.Value(), dry.Value()));
    });

    scheme.setValue(16);
    QCOMPARE(log, (QStringList{"scheme 16", "dry 16", "wet 16"}));
    log.clear();
    wet.setValue(40);   // clamped to 30, and the dry bulb follows up to the same top
    QCOMPARE(log, (QStringList{"wet 30", "dry 30"}));
    log.clear();
    dry.setValue(25);
    QCOMPARE(log, (QStringList{"dry 25", "wet 25"}));
}

void UpDownTest::stepsFromTypedTextOnlyWhenAskedTo_data()
{
    QTest::addColumn<bool>("optedIn");
    QTest::addColumn<QString>("typed");   // '.' for the locale's decimal separator; "=" written from code
    QTest::addColumn<bool>("up");
    QTest::addColumn<QStringList>("seen");
    // The control holds 23 in 15..30, increment 2.
    QTest::newRow("not asked: from the value held") << false << "24.5" << true << QStringList{"25"};
    QTest::newRow("non-integer, up") << true << "24.5" << true << QStringList{"26"};
    QTest::newRow("non-integer, down") << true << "24.5" << false << QStringList{"23"};
    QTest::newRow("whole number") << true << "20" << false << QStringList{"18"};
    QTest::newRow("back to the value held: shown again") << true << "21" << true << QStringList{"23"};
    QTest::newRow("typed the value held") << true << "23" << false << QStringList{"21"};
    QTest::newRow("clamped at the top") << true << "29.5" << true << QStringList{"30"};
    QTest::newRow("out of range: from the value held") << true << "31" << true << QStringList{"25"};
    QTest::newRow("not a number: from the value held") << true << "abc" << false << QStringList{"21"};
    QTest::newRow("written from code, not typed") << true << "=27" << true << QStringList{"25"};
}

// A window may let steps start from what the student typed into the box; only
// typing counts, and only when the window asks for it.
void UpDownTest::stepsFromTypedTextOnlyWhenAskedTo()
{
    QFETCH(bool, optedIn);
    QFETCH(QString, typed);
    QFETCH(bool, up);
    QFETCH(QStringList, seen);
    Fixture f(15, 30, 2, 23);
    if (optedIn)
        f.upDown->setStepsFromTypedText(f.box);
    if (typed.startsWith('=')) {
        f.box->setText(typed.mid(1));
    } else {
        f.box->selectAll();
        QTest::keyClicks(f.box, typed.replace('.', QLocale().decimalPoint()));
    }
    QTest::mouseClick(f.upDown, Qt::LeftButton, {}, up ? kUpperHalf : kLowerHalf);
    QCOMPARE(f.seen, seen);
    QCOMPARE(f.upDown->Value(), seen.last().toInt());

    // Once the control has written the box, steps start from its value again,
    // and writing the value it holds does nothing.
    f.seen.clear();
    f.upDown->setValue(f.upDown->Value());
    QTest::mouseClick(f.upDown, Qt::LeftButton, {}, kLowerHalf);
    QCOMPARE(f.seen, QStringList{QString::number(seen.last().toInt() - 2)});
}

QTEST_MAIN(UpDownTest)
#include "tst_updown.moc"
