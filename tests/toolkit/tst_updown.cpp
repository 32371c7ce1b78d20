#include "ianalogdisplayx.h"
#include "updown.h"

#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

class UpDownTest : public QObject
{
    Q_OBJECT
private slots:
    void writesFromCodeClampThenBuddyThenOneChange_data();
    void writesFromCodeClampThenBuddyThenOneChange();
    void clicksStepByIncrementWithoutWrapping();
    void heldArrowRepeatsUntilReleased();
    void keysAndWheelStep();
    void chainedStepControlsRunNestedAndEnd();
    void rendersForALook();
};

namespace {

// A step control with a text box, shown so that real mouse events reach it.
struct Fixture {
    QWidget window;
    QLineEdit *box = new QLineEdit(&window);
    UpDown *upDown = new UpDown(&window);
    QStringList buddyTextsSeenByHandler;

    Fixture(int minimum, int maximum, int increment, int value)
    {
        upDown->setGeometry(100, 0, 16, 23);
        upDown->setRange(minimum, maximum);
        upDown->setIncrement(increment);
        upDown->setBuddy(box);
        upDown->setValue(value);
        QObject::connect(upDown, &UpDown::Change, upDown, [this] { buddyTextsSeenByHandler << box->text(); });
        window.resize(200, 40);
        window.show();
    }
};

const QPoint kUpperHalf(8, 4);
const QPoint kLowerHalf(8, 18);

} // namespace

void UpDownTest::writesFromCodeClampThenBuddyThenOneChange_data()
{
    QTest::addColumn<int>("written");
    QTest::addColumn<QStringList>("seen");   // buddy texts the handler read, one per Change

    QTest::newRow("inside the range") << 1020 << QStringList{"1020"};
    QTest::newRow("equal value: nothing") << 1013 << QStringList{};
    QTest::newRow("above: clamped") << 5000 << QStringList{"1040"};
    QTest::newRow("below: clamped") << -7 << QStringList{"960"};
}

void UpDownTest::writesFromCodeClampThenBuddyThenOneChange()
{
    QFETCH(int, written);
    QFETCH(QStringList, seen);
    Fixture f(960, 1040, 1, 1013);
    f.box->setText("1013");

    f.upDown->setProperty("Value", written);
    QCOMPARE(f.buddyTextsSeenByHandler, seen);
    QCOMPARE(f.box->text(), seen.isEmpty() ? QStringLiteral("1013") : seen.last());
    QCOMPARE(f.upDown->Value(), f.box->text().toInt());

    // A write of the value it already holds raises nothing.
    f.upDown->setValue(f.upDown->Value());
    QCOMPARE(f.buddyTextsSeenByHandler, seen);
}

void UpDownTest::clicksStepByIncrementWithoutWrapping()
{
    Fixture f(0, 20, 5, 10);

    QTest::mouseClick(f.upDown, Qt::LeftButton, {}, kUpperHalf);
    QTest::mouseClick(f.upDown, Qt::LeftButton, {}, kUpperHalf);
    QCOMPARE(f.buddyTextsSeenByHandler, (QStringList{"15", "20"}));

    // At the top a click changes nothing and raises nothing.
    QTest::mouseClick(f.upDown, Qt::LeftButton, {}, kUpperHalf);
    QCOMPARE(f.upDown->Value(), 20);
    QCOMPARE(f.buddyTextsSeenByHandler.size(), 2);

    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(f.upDown, Qt::LeftButton, {}, kLowerHalf);
    QCOMPARE(f.buddyTextsSeenByHandler, (QStringList{"15", "20", "15", "10", "5", "0"}));

    // The range need not be a multiple of the increment: the last step stops at the end.
    f.upDown->setRange(0, 22);
    QTest::mouseClick(f.upDown, Qt::RightButton, {}, kUpperHalf);
    QCOMPARE(f.upDown->Value(), 0);
    f.upDown->setValue(20);
    QTest::mouseClick(f.upDown, Qt::LeftButton, {}, kUpperHalf);
    QCOMPARE(f.box->text(), QStringLiteral("22"));
}

void UpDownTest::heldArrowRepeatsUntilReleased()
{
    Fixture f(0, 1000, 1, 0);
    QTest::mousePress(f.upDown, Qt::LeftButton, {}, kUpperHalf);
    QCOMPARE(f.upDown->Value(), 1);
    QTest::qWait(800);   // the first repeat after 400 ms, then every 60 ms
    QTest::mouseRelease(f.upDown, Qt::LeftButton, {}, kUpperHalf);
    const int released = f.upDown->Value();
    QVERIFY2(released >= 4, qPrintable(QString::number(released)));
    QCOMPARE(f.buddyTextsSeenByHandler.size(), released);

    QTest::qWait(200);
    QCOMPARE(f.upDown->Value(), released);

    // A handler opened a window that took the release: the repeat stops too.
    QWidget dialog;
    dialog.show();
    QTest::mousePress(f.upDown, Qt::LeftButton, {}, kLowerHalf);
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::qWait(600);
    QCOMPARE(f.upDown->Value(), released - 1);
}

void UpDownTest::keysAndWheelStep()
{
    Fixture f(10, 30, 2, 17);
    f.upDown->setFocus();

    QTest::keyClick(f.upDown, Qt::Key_Up);
    QTest::keyClick(f.upDown, Qt::Key_PageUp);
    QCOMPARE(f.box->text(), QStringLiteral("21"));
    QTest::keyClick(f.upDown, Qt::Key_Down);
    QTest::keyClick(f.upDown, Qt::Key_PageDown);
    QCOMPARE(f.box->text(), QStringLiteral("17"));

    auto wheel = [&](int angle) {
        QWheelEvent event(kUpperHalf, f.upDown->mapToGlobal(kUpperHalf), {}, {0, angle}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.upDown, &event);
    };
    wheel(240);   // two notches, two steps
    QCOMPARE(f.buddyTextsSeenByHandler.mid(4), (QStringList{"19", "21"}));
    wheel(60);    // half a notch waits for the other half
    QCOMPARE(f.upDown->Value(), 21);
    wheel(60);
    wheel(-120);
    QCOMPARE(f.buddyTextsSeenByHandler.mid(6), (QStringList{"23", "21"}));
}

// The outdoor temperature controls of the main window: the scheme's control
// drives the dry bulb, and the dry and wet bulb keep wet <= dry by writing
// each other from their handlers.
void UpDownTest::chainedStepControlsRunNestedAndEnd()
{
    QWidget window;
    iAnalogDisplayX display(&window);
    QLineEdit dryBox(&window), wetBox(&window);
    UpDown scheme(&window), dry(&window), wet(&window);
    scheme.setBuddy(&display);
    dry.setBuddy(&dryBox);
    wet.setBuddy(&wetBox);
    for (UpDown *u : {&scheme, &dry}) {
        u->setRange(15, 30);
        u->setValue(23);
    }
    wet.setRange(10, 30);
    wet.setValue(17);

    QStringList log;
    connect(&scheme, &UpDown::Change, &window, [&] {
        log << "scheme " + QString::number(display.value());
        dry.setValue(scheme.Value());
    });
    connect(&dry, &UpDown::Change, &window, [&] {
        log << "dry " + dryBox.text();
        if (dry.Value() < wet.Value())
            wet.setValue(dry.Value());
    });
    connect(&wet, &UpDown::Change, &window, [&] {
        log << "wet " + wetBox.text();
        if (wet.Value() > dry.Value())
            dry.setValue(wet.Value());
    });

    scheme.setValue(16);
    QCOMPARE(log, (QStringList{"scheme 16", "dry 16", "wet 16"}));
    QCOMPARE(display.value(), 16.0);

    log.clear();
    wet.setValue(40);   // clamped to 30, and the dry bulb follows up to the same top
    QCOMPARE(log, (QStringList{"wet 30", "dry 30"}));
    QCOMPARE(dry.Value(), 30);

    log.clear();
    dry.setValue(25);
    QCOMPARE(log, (QStringList{"dry 25", "wet 25"}));
    QCOMPARE(wetBox.text(), QStringLiteral("25"));
}

// Not a check: the control beside its box, at rest and with the upper arrow
// held, at 1x and 2x, to look at.
void UpDownTest::rendersForALook()
{
    Fixture f(960, 1040, 1, 1013);
    f.box->setGeometry(40, 0, 60, 23);
    f.window.resize(120, 23);
    QImage sheet(240, 2 * (23 + 46), QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    int y = 0;
    for (const bool held : {false, true}) {
        if (held)
            QTest::mousePress(f.upDown, Qt::LeftButton, {}, kUpperHalf);
        for (const qreal dpr : {1.0, 2.0}) {
            QImage image(f.window.size() * dpr, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(dpr);
            f.window.render(&image);
            image.setDevicePixelRatio(1);
            painter.drawImage(0, y, image);
            y += image.height();
        }
    }
    QTest::mouseRelease(f.upDown, Qt::LeftButton, {}, kUpperHalf);
    painter.end();
    QVERIFY(sheet.save(QStringLiteral(VORBELIA_TEST_OUTPUT_DIR "/updown.png")));
}

QTEST_MAIN(UpDownTest)
#include "tst_updown.moc"
