#include "ianalogdisplayx.h"
#include "iangulargaugex.h"
#include "iknobx.h"
#include "isevensegmentintegerx.h"
#include "iswitchrockerx.h"
#include "iswitchrotaryx.h"
#include "ithermometerx.h"
#include "twips.h"

#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtMath>
#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

namespace {

// The panel's fan knob as the main window sets it up.
void setUpFanKnob(iKnobX *knob)
{
    knob->setRange(5.0, 10.0);
    knob->setArrowStep(0.1);
    knob->setPageStep(1.0);
    knob->setMajorTickCount(6);
    knob->setTickLabelsVisible(false);
    knob->setTransparent(true);
    knob->setPosition(8.0);
}

void setUpSteamSelector(iSwitchRotaryX *selector)
{
    selector->setLabels({"0", "1", "2", "3", "4", "5"});
    selector->setPosition(1);
}

void setUpGauge(iAngularGaugeX *gauge, const QColor &color)
{
    gauge->setRange(1.0, 18.0);
    gauge->setLabel(QStringLiteral("bar"));
    gauge->setArc(233, 280);
    gauge->setPointerColor(color);
    gauge->setTickColor(color);
    gauge->setPosition(6.0);
}

void setUpSchemeThermometer(iThermometerX *thermometer, const QColor &column, const QColor &bore)
{
    thermometer->setRange(0, 50);
    thermometer->setMajorTickCount(4);
    thermometer->setTickLabelsVisible(false);
    thermometer->setTransparent(true);
    thermometer->setIndicatorColor(column);
    thermometer->setIndicatorBackgroundColor(bore);
    thermometer->setPosition(20.0);
}

template<typename T>
std::unique_ptr<T> shown(double twipsWide, double twipsHigh)
{
    auto widget = std::make_unique<T>();
    widget->resize(twips::size(twipsWide, twipsHigh));
    widget->show();
    return widget;
}

// The widget as it is painted on a device with the given pixel ratio.
QImage render(QWidget *widget, double scale, const QColor &background = QColor(0xf0, 0xf0, 0xf0))
{
    QImage image(widget->size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(background);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

void save(const QImage &image, const QString &name)
{
    QVERIFY(image.save(QStringLiteral(VORBELIA_TEST_OUTPUT_DIR "/instruments_%1.png").arg(name)));
}

void turnWheel(QWidget *widget, int eighthsOfDegree)
{
    const QPointF at = QRectF(widget->rect()).center();
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, eighthsOfDegree), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

QString localised(QString text)
{
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

} // namespace

class InstrumentsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void keepsWhatIsWrittenUnclamped_data();
    void keepsWhatIsWrittenUnclamped();
    void drawsValuesBeyondTheScaleAtTheScaleEnd_data();
    void drawsValuesBeyondTheScaleAtTheScaleEnd();

    void knobKeysChangeOnceOrNotAtAll_data();
    void knobKeysChangeOnceOrNotAtAll();
    void knobWheelChangesOncePerNotch();
    void knobDraggedClockwiseTurnsUp();

    void rotaryClickOnLabelSelectsItAndNotifiesOnce_data();
    void rotaryClickOnLabelSelectsItAndNotifiesOnce();
    void rotaryDragNotifiesEachNewPosition();
    void rotaryWheelAndKeysStopAtTheEnds();
    void rotaryClickBesideThePositionsDoesNothing();

    void rockerTogglesByClickAndSpace();

    void gaugeNumbersItsScaleLegiblyAtEverySize_data();
    void gaugeNumbersItsScaleLegiblyAtEverySize();

    void displayFormatsItsNumber_data();
    void displayFormatsItsNumber();
    void displayWrittenWhileHiddenShowsWhenShown();
    void shownInstrumentPublishesItsLastValue();

    void sevenSegmentShowsRightAlignedDigits_data();
    void sevenSegmentShowsRightAlignedDigits();
    void sevenSegmentBackgroundColourIsTheWindowBehindTheDigits();

    void drawsEveryInstrumentAtItsRealSize();
};

void InstrumentsTest::initTestCase()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
}

// ---------------------------------------------------------------- the values

void InstrumentsTest::keepsWhatIsWrittenUnclamped_data()
{
    QTest::addColumn<std::function<QWidget *()>>("make");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<QString>("accessibleValue");   // '.' stands for the locale's separator

    const auto knob = [] { auto *k = new iKnobX; setUpFanKnob(k); return k; };
    const auto thermometer = [] { auto *t = new iThermometerX; t->setRange(0, 50); return t; };
    const auto gauge = [] { auto *g = new iAngularGaugeX; setUpGauge(g, Qt::blue); return g; };
    const auto display = [] {
        auto *d = new iAnalogDisplayX;
        d->setUnitText(QStringLiteral(" kg/h"));
        d->setPrecision(3);
        return d;
    };
    QTest::newRow("knob above its range") << std::function<QWidget *()>(knob) << QByteArray("position")
                                          << QVariant(54.25) << "54.3";
    QTest::newRow("knob below its range") << std::function<QWidget *()>(knob) << QByteArray("position")
                                          << QVariant(-3.0) << "-3.0";
    QTest::newRow("liquid at 54 on a 0-50 thermometer")
        << std::function<QWidget *()>(thermometer) << QByteArray("position") << QVariant(54.0) << "54.0 ºC";
    QTest::newRow("thermometer below zero") << std::function<QWidget *()>(thermometer) << QByteArray("position")
                                            << QVariant(-12.5) << "-12.5 ºC";
    QTest::newRow("gauge over its range") << std::function<QWidget *()>(gauge) << QByteArray("position")
                                          << QVariant(25.0) << "25.0 bar";
    QTest::newRow("read-out") << std::function<QWidget *()>(display) << QByteArray("value") << QVariant(0.137057)
                              << "0.137 kg/h";
    QTest::newRow("selector beyond its labels")
        << std::function<QWidget *()>([] { auto *s = new iSwitchRotaryX; setUpSteamSelector(s); return s; })
        << QByteArray("position") << QVariant(7) << "7";
    QTest::newRow("rocker") << std::function<QWidget *()>([] { return new iSwitchRockerX; }) << QByteArray("on")
                            << QVariant(true) << "Encendido";
    QTest::newRow("tachometer")
        << std::function<QWidget *()>([] { return new iSevenSegmentIntegerX; }) << QByteArray("value")
        << QVariant(std::numeric_limits<int>::max()) << "2147483647";
}

void InstrumentsTest::keepsWhatIsWrittenUnclamped()
{
    QFETCH(std::function<QWidget *()>, make);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, written);
    QFETCH(QString, accessibleValue);

    std::unique_ptr<QWidget> instrument(make());
    QVERIFY(instrument->setProperty(property, written));
    QCOMPARE(instrument->property(property), written);
    QCOMPARE(instrument->accessibleDescription(), localised(accessibleValue));
    QVERIFY(!instrument->accessibleName().isEmpty());
}

void InstrumentsTest::drawsValuesBeyondTheScaleAtTheScaleEnd_data()
{
    QTest::addColumn<std::function<QWidget *(double)>>("make");
    QTest::addColumn<double>("beyond");
    QTest::addColumn<double>("end");
    QTest::addColumn<double>("inside");

    const std::function<QWidget *(double)> thermometer = [](double value) {
        auto *t = new iThermometerX;
        setUpSchemeThermometer(t, QColor(192, 0, 0), QColor(255, 192, 192));
        t->resize(twips::size(150, 885));
        t->setPosition(value);
        return t;
    };
    const std::function<QWidget *(double)> gauge = [](double value) {
        auto *g = new iAngularGaugeX;
        setUpGauge(g, Qt::red);
        g->resize(twips::size(585, 615));
        g->setPosition(value);
        return g;
    };
    const std::function<QWidget *(double)> knob = [](double value) {
        auto *k = new iKnobX;
        setUpFanKnob(k);
        k->resize(twips::size(1020, 975));
        k->setPosition(value);
        return k;
    };
    QTest::newRow("thermometer over the top") << thermometer << 54.0 << 50.0 << 46.0;
    QTest::newRow("thermometer under the bottom") << thermometer << -8.0 << 0.0 << 4.0;
    QTest::newRow("gauge over its range") << gauge << 40.0 << 18.0 << 16.0;
    QTest::newRow("knob under its range") << knob << 1.0 << 5.0 << 5.5;
}

void InstrumentsTest::drawsValuesBeyondTheScaleAtTheScaleEnd()
{
    QFETCH(std::function<QWidget *(double)>, make);
    QFETCH(double, beyond);
    QFETCH(double, end);
    QFETCH(double, inside);

    std::unique_ptr<QWidget> outside(make(beyond)), atEnd(make(end)), within(make(inside));
    QCOMPARE(render(outside.get(), 2), render(atEnd.get(), 2));
    QVERIFY(render(within.get(), 2) != render(atEnd.get(), 2));
}

// ----------------------------------------------------------------- the knob

void InstrumentsTest::knobKeysChangeOnceOrNotAtAll_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("notifications");

    QTest::newRow("arrow up") << 8.0 << QList<int>{Qt::Key_Up} << 8.1 << 1;
    QTest::newRow("arrow left") << 8.0 << QList<int>{Qt::Key_Left} << 7.9 << 1;
    QTest::newRow("page up") << 8.0 << QList<int>{Qt::Key_PageUp} << 9.0 << 1;
    QTest::newRow("page down to the bottom") << 5.5 << QList<int>{Qt::Key_PageDown} << 5.0 << 1;
    QTest::newRow("ten steps land on a round number")
        << 5.0 << QList<int>(10, Qt::Key_Up) << 6.0 << 10;
    QTest::newRow("at the top, up changes nothing") << 10.0 << QList<int>{Qt::Key_Up, Qt::Key_PageUp} << 10.0 << 0;
    QTest::newRow("up to the top, then once more") << 9.95 << QList<int>{Qt::Key_Up, Qt::Key_Up} << 10.0 << 1;
    QTest::newRow("end then home") << 8.0 << QList<int>{Qt::Key_End, Qt::Key_Home} << 5.0 << 2;
    QTest::newRow("written far out, turned back in") << 54.0 << QList<int>{Qt::Key_Down} << 9.9 << 1;
    QTest::newRow("written as no number, turned up from the bottom")
        << std::numeric_limits<double>::quiet_NaN() << QList<int>{Qt::Key_Up} << 5.1 << 1;
}

void InstrumentsTest::knobKeysChangeOnceOrNotAtAll()
{
    QFETCH(double, from);
    QFETCH(QList<int>, keys);
    QFETCH(double, expected);
    QFETCH(int, notifications);

    auto knob = shown<iKnobX>(1020, 975);
    setUpFanKnob(knob.get());
    knob->setPosition(from);
    QSignalSpy spy(knob.get(), &iKnobX::changed);
    for (int key : keys)
        QTest::keyClick(knob.get(), Qt::Key(key));
    QCOMPARE(knob->position(), expected);
    QCOMPARE(spy.count(), notifications);
}

void InstrumentsTest::knobWheelChangesOncePerNotch()
{
    auto knob = shown<iKnobX>(1020, 975);
    setUpFanKnob(knob.get());
    QSignalSpy spy(knob.get(), &iKnobX::changed);

    turnWheel(knob.get(), 120);
    QCOMPARE(knob->position(), 8.1);
    QCOMPARE(spy.count(), 1);
    turnWheel(knob.get(), -240);        // two notches at once
    QCOMPARE(knob->position(), 7.9);
    QCOMPARE(spy.count(), 3);
    turnWheel(knob.get(), 60);          // half a notch (a fine wheel) does nothing yet...
    QCOMPARE(spy.count(), 3);
    turnWheel(knob.get(), 60);          // ...the second half does
    QCOMPARE(knob->position(), 8.0);
    QCOMPARE(spy.count(), 4);

    knob->setPosition(10.0);
    spy.clear();
    turnWheel(knob.get(), 120);
    QCOMPARE(knob->position(), 10.0);
    QCOMPARE(spy.count(), 0);
}

void InstrumentsTest::knobDraggedClockwiseTurnsUp()
{
    auto knob = shown<iKnobX>(1020, 975);
    setUpFanKnob(knob.get());
    const QPointF centre = QRectF(knob->rect()).center();
    const auto around = [&](double degrees) {
        const double a = qDegreesToRadians(degrees);
        return (centre + QPointF(std::cos(a), -std::sin(a)) * 20).toPoint();
    };
    QSignalSpy spy(knob.get(), &iKnobX::changed);

    // A quarter turn clockwise from the top covers a third of the 270-degree scale.
    QTest::mousePress(knob.get(), Qt::LeftButton, {}, around(90));
    QCOMPARE(spy.count(), 0);
    for (int degrees = 80; degrees >= 0; degrees -= 10)
        QTest::mouseMove(knob.get(), around(degrees));
    QCOMPARE(spy.count(), 9);
    QVERIFY2(std::abs(knob->position() - (8.0 + 5.0 / 3.0)) < 0.1, qPrintable(QString::number(knob->position())));

    // On past the top of the range: the knob stays at 10 and stays quiet.
    for (int degrees = -10; degrees >= -90; degrees -= 10)
        QTest::mouseMove(knob.get(), around(degrees));
    QCOMPARE(knob->position(), 10.0);
    const int atTop = spy.count();
    QTest::mouseMove(knob.get(), around(-100));
    QCOMPARE(spy.count(), atTop);
    // Turning back moves it down at once.
    QTest::mouseMove(knob.get(), around(-80));
    QVERIFY(knob->position() < 10.0);
    QTest::mouseRelease(knob.get(), Qt::LeftButton, {}, around(-80));
    QCOMPARE(spy.count(), atTop + 1);
}

// ------------------------------------------------------------- the selector

void InstrumentsTest::rotaryClickOnLabelSelectsItAndNotifiesOnce_data()
{
    QTest::addColumn<int>("label");
    for (int label = 0; label < 6; ++label)
        QTest::addRow("label %d", label) << label;
}

void InstrumentsTest::rotaryClickOnLabelSelectsItAndNotifiesOnce()
{
    QFETCH(int, label);
    auto selector = shown<iSwitchRotaryX>(1410, 1260);
    setUpSteamSelector(selector.get());
    QSignalSpy spy(selector.get(), &iSwitchRotaryX::changed);

    // The handler reads the position while the notification is raised.
    int positionSeen = -1;
    connect(selector.get(), &iSwitchRotaryX::changed, [&] { positionSeen = selector->position(); });
    QTest::mouseClick(selector.get(), Qt::LeftButton, {}, selector->labelRect(label).center().toPoint());
    QCOMPARE(selector->position(), label);
    QCOMPARE(spy.count(), 1);           // also for label 1, the position it was at
    QCOMPARE(positionSeen, label);
}

void InstrumentsTest::rotaryDragNotifiesEachNewPosition()
{
    auto selector = shown<iSwitchRotaryX>(1410, 1260);
    setUpSteamSelector(selector.get());
    QSignalSpy spy(selector.get(), &iSwitchRotaryX::changed);

    QTest::mousePress(selector.get(), Qt::LeftButton, {}, selector->labelRect(1).center().toPoint());
    QCOMPARE(spy.count(), 0);
    for (int label = 2; label < 6; ++label) {
        QTest::mouseMove(selector.get(), selector->labelRect(label).center().toPoint());
        QCOMPARE(selector->position(), label);
        QCOMPARE(spy.count(), label - 1);
    }
    QTest::mouseMove(selector.get(), selector->labelRect(5).bottomLeft().toPoint());   // still over "5"
    QTest::mouseRelease(selector.get(), Qt::LeftButton, {}, selector->labelRect(5).center().toPoint());
    QCOMPARE(spy.count(), 4);
}

void InstrumentsTest::rotaryWheelAndKeysStopAtTheEnds()
{
    auto selector = shown<iSwitchRotaryX>(1005, 975);
    selector->setLabels({"0", "1", "2"});
    selector->setPosition(1);
    QSignalSpy spy(selector.get(), &iSwitchRotaryX::changed);

    turnWheel(selector.get(), 120);
    QCOMPARE(selector->position(), 2);
    turnWheel(selector.get(), 120);
    QCOMPARE(selector->position(), 2);
    QCOMPARE(spy.count(), 1);
    QTest::keyClick(selector.get(), Qt::Key_Left);
    QTest::keyClick(selector.get(), Qt::Key_Down);
    QCOMPARE(selector->position(), 0);
    QTest::keyClick(selector.get(), Qt::Key_Down);
    QCOMPARE(spy.count(), 3);
    QTest::keyClick(selector.get(), Qt::Key_End);
    QCOMPARE(selector->position(), 2);
    QCOMPARE(spy.count(), 4);
}

void InstrumentsTest::rotaryClickBesideThePositionsDoesNothing()
{
    auto selector = shown<iSwitchRotaryX>(1410, 1260);
    setUpSteamSelector(selector.get());
    QSignalSpy spy(selector.get(), &iSwitchRotaryX::changed);
    const QPoint hub = selector->rect().center();
    const QPoint bottomCorner(2, selector->height() - 2);
    QTest::mouseClick(selector.get(), Qt::LeftButton, {}, hub);
    QTest::mouseClick(selector.get(), Qt::LeftButton, {}, bottomCorner);
    QCOMPARE(selector->position(), 1);
    QCOMPARE(spy.count(), 0);
}

// --------------------------------------------------------------- the rocker

void InstrumentsTest::rockerTogglesByClickAndSpace()
{
    auto rocker = shown<iSwitchRockerX>(555, 705);
    QSignalSpy spy(rocker.get(), &iSwitchRockerX::changed);

    QTest::mouseClick(rocker.get(), Qt::LeftButton);
    QVERIFY(rocker->isOn());
    QCOMPARE(spy.count(), 1);
    QTest::keyClick(rocker.get(), Qt::Key_Space);
    QVERIFY(!rocker->isOn());
    QCOMPARE(spy.count(), 2);

    // Pressed, then released away from the switch: nothing happens.
    QTest::mousePress(rocker.get(), Qt::LeftButton);
    QTest::mouseRelease(rocker.get(), Qt::LeftButton, {}, QPoint(-20, -20));
    QVERIFY(!rocker->isOn());
    rocker->setOn(false);
    QCOMPARE(spy.count(), 2);
}

// ---------------------------------------------------------------- the gauge

void InstrumentsTest::gaugeNumbersItsScaleLegiblyAtEverySize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("fewest");
    QTest::newRow("scheme evaporator") << twips::size(510, 570) << 3;
    QTest::newRow("scheme condenser") << twips::size(585, 615) << 3;
    QTest::newRow("medium") << QSize(60, 60) << 5;
    QTest::newRow("large") << QSize(120, 110) << 5;
    QTest::newRow("very large") << QSize(300, 300) << 5;
}

// The scale's numbers run evenly from its first major tick to its last, are
// drawn, and stand apart from each other and from the unit label, on the face.
void InstrumentsTest::gaugeNumbersItsScaleLegiblyAtEverySize()
{
    QFETCH(QSize, size);
    iAngularGaugeX gauge;
    setUpGauge(&gauge, Qt::blue);
    gauge.setPointerColor(Qt::black);
    gauge.resize(size);

    const QVector<iAngularGaugeX::ScaleNumber> numbers = gauge.scaleNumbers();
    QFETCH(int, fewest);
    QVERIFY2(numbers.size() >= fewest, qPrintable(QString::number(numbers.size())));
    QCOMPARE(numbers.first().text, QStringLiteral("2"));
    QCOMPARE(numbers.last().text, QStringLiteral("18"));
    const double step = QLocale().toDouble(numbers[1].text) - QLocale().toDouble(numbers[0].text);
    const QPointF centre = QRectF(gauge.rect()).center();
    const double face = std::min(size.width(), size.height()) / 2.0 * 0.86;
    const QImage image = render(&gauge, 2);
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const QRectF box = numbers[i].box;
        QCOMPARE(QLocale().toDouble(numbers[i].text), 2 + i * step);
        QVERIFY(box.height() >= 4);   // the capitals of a 6-pixel face at least
        QVERIFY(!box.intersects(gauge.unitLabelBox()));
        for (qsizetype j = i + 1; j < numbers.size(); ++j)
            QVERIFY(!box.intersects(numbers[j].box));
        for (const QPointF &corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
            QVERIFY(QLineF(centre, corner).length() < face);
        bool inked = false;
        const QRect pixels = QRectF(box.topLeft() * 2, box.size() * 2).toAlignedRect();
        for (int y = pixels.top(); y <= pixels.bottom() && !inked; ++y)
            for (int x = pixels.left(); x <= pixels.right() && !inked; ++x)
                inked = image.pixelColor(x, y).blue() > 180 && image.pixelColor(x, y).red() < 100;
        QVERIFY2(inked, qPrintable(numbers[i].text));
    }
}

// ------------------------------------------------------------- the read-outs

void InstrumentsTest::displayFormatsItsNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("expected");   // '.' stands for the locale's separator

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("default one decimal") << 23.0 << -1 << "" << "23.0";
    QTest::newRow("half away from zero") << 17.25 << 1 << "" << "17.3";
    QTest::newRow("negative half away from zero") << -17.25 << 1 << "" << "-17.3";
    QTest::newRow("small negative is no -0.0") << -0.04 << 1 << "" << "0.0";
    QTest::newRow("condensate with three decimals") << 0.137057 << 3 << " kg/h" << "0.137 kg/h";
    QTest::newRow("orifice reading") << 3.174603 << 1 << " mmca" << "3.2 mmca";
    QTest::newRow("whole number") << 2.5 << 0 << " g/s" << "3 g/s";
    QTest::newRow("not a number") << nan << 1 << " kg/h" << " ---";
    QTest::newRow("infinite") << -inf << 1 << " kW" << " ---";
}

void InstrumentsTest::displayFormatsItsNumber()
{
    QFETCH(double, value);
    QFETCH(int, precision);
    QFETCH(QString, unit);
    QFETCH(QString, expected);

    iAnalogDisplayX display;
    if (precision >= 0)
        display.setPrecision(precision);
    display.setUnitText(unit);
    display.setValue(value);
    QCOMPARE(display.text(), localised(expected));
}

// Ink of the text colour somewhere in the picture.
static bool hasInk(const QImage &image, const QColor &ink)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - ink.red()) + std::abs(c.green() - ink.green()) + std::abs(c.blue() - ink.blue()) < 60)
                return true;
        }
    }
    return false;
}

void InstrumentsTest::displayWrittenWhileHiddenShowsWhenShown()
{
    QWidget scheme;
    scheme.resize(200, 100);
    auto *display = new iAnalogDisplayX(&scheme);
    display->setGeometry(twips::rect(1185, 0, 390, 300));
    display->setTextColor(QColor(192, 0, 0));
    scheme.show();
    display->hide();
    display->setValue(27.0);
    display->show();
    QCOMPARE(display->text(), localised("27.0"));
    QVERIFY(hasInk(render(display, 1), QColor(192, 0, 0)));
}

// A shown instrument written many times in one turn of the event loop (a
// selector ramp) tells assistive tools the value it ends up showing, and
// keeps doing so turn after turn.
void InstrumentsTest::shownInstrumentPublishesItsLastValue()
{
    const auto thermometer = shown<iThermometerX>(150, 885);
    thermometer->setRange(0, 50);
    for (int turn = 1; turn <= 3; ++turn) {
        for (double t = 0; t <= 10 * turn; t += 0.5)
            thermometer->setPosition(t);
        const QString last = localised(QStringLiteral("%1.0 ºC").arg(10 * turn));
        QTRY_COMPARE(thermometer->accessibleDescription(), last);
    }
    thermometer->hide();
    thermometer->setPosition(12.5);
    QCOMPARE(thermometer->accessibleDescription(), localised(QStringLiteral("12.5 ºC")));
}

void InstrumentsTest::sevenSegmentShowsRightAlignedDigits_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("off") << 0 << "   0";
    QTest::newRow("fan at 8.0") << 2312 << "2312";
    QTest::newRow("three digits") << 578 << " 578";
    QTest::newRow("negative") << -42 << " -42";
    QTest::newRow("too many digits") << 12345 << "----";
    QTest::newRow("most negative") << std::numeric_limits<int>::min() << "----";
}

void InstrumentsTest::sevenSegmentShowsRightAlignedDigits()
{
    QFETCH(int, value);
    QFETCH(QString, shown);
    iSevenSegmentIntegerX display;
    display.setValue(value);
    QCOMPARE(display.shownText(), shown);
}

void InstrumentsTest::sevenSegmentBackgroundColourIsTheWindowBehindTheDigits()
{
    auto display = shown<iSevenSegmentIntegerX>(1020, 420);
    display->setUnlitSegmentColor(QColor(64, 0, 0));
    display->setValue(8888);
    const QColor off(50, 100, 2);
    display->setBackgroundColor(off);
    const QImage picture = render(display.get(), 1);
    // Just inside the border, left of the digits: the background.
    QCOMPARE(picture.pixelColor(4, picture.height() / 2), off);
    QVERIFY(hasInk(picture, Qt::red));      // the segments keep their own colour
}

// ------------------------------------------------------------- the pictures

// The instruments of the control panel, the unit scheme and the data tab at
// their places and sizes, with the panel's captions beneath them, rendered at
// 1x, 2x and 4x for the eye.
void InstrumentsTest::drawsEveryInstrumentAtItsRealSize()
{
    QWidget sheet;
    sheet.resize(twips::size(6500, 3400));
    sheet.setAutoFillBackground(true);
    const auto caption = [&](const char *text, double left, double top) {
        auto *label = new QLabel(QString::fromUtf8(text), &sheet);
        label->move(twips::point(left, top));
    };
    // Control panel (Frame3 coordinates); captions first so they lie beneath.
    caption("Ventilador", 75, 150);
    caption("RPM", 480, 1200);
    caption("On / Off", 1320, 945);
    caption("Vaporizador", 2055, 1110);
    caption("kW", 2310, 930);
    caption("kW", 3795, 900);
    caption("Precalentador", 3690, 1275);
    caption("kW", 5040, 960);
    caption("Recalentador", 4965, 1275);
    auto *knob = new iKnobX(&sheet);
    setUpFanKnob(knob);
    knob->setGeometry(twips::rect(120, 300, 1020, 975));
    auto *rocker = new iSwitchRockerX(&sheet);
    rocker->setGeometry(twips::rect(1335, 195, 555, 705));
    auto *steam = new iSwitchRotaryX(&sheet);
    setUpSteamSelector(steam);
    steam->setGeometry(twips::rect(2040, 75, 1410, 1260));
    for (auto [left, top, width, height] : {std::array<double, 4>{3720, 195, 1005, 975}, {4950, 210, 975, 915}}) {
        auto *selector = new iSwitchRotaryX(&sheet);
        selector->setLabels({"0", "1", "2"});
        selector->setPointerStyle(iSwitchRotaryX::Rectangle);
        selector->setPosition(left < 4000 ? 1 : 2);
        selector->setGeometry(twips::rect(left, top, width, height));
    }

    // Scheme instruments below, on white.
    auto *scheme = new QWidget(&sheet);
    scheme->setGeometry(twips::rect(0, 1650, 6500, 1750));
    scheme->setAutoFillBackground(true);
    scheme->setPalette(QPalette(Qt::white));
    const struct { double left, value; QColor column, bore; double height; } thermometers[] = {
        {100, 23.0, QColor(192, 0, 0), QColor(255, 192, 192), 885},
        {250, 17.0, QColor(0, 0, 192), QColor(192, 192, 255), 885},
        {450, 54.0, QColor(192, 0, 0), QColor(255, 192, 192), 885},
        {650, 23.0, QColor(0, 192, 0), QColor(192, 255, 192), 1095},
    };
    for (const auto &t : thermometers) {
        auto *thermometer = new iThermometerX(scheme);
        setUpSchemeThermometer(thermometer, t.column, t.bore);
        thermometer->setPosition(t.value);
        thermometer->setGeometry(twips::rect(t.left, 90, 150, t.height));
    }
    const struct { double left, top, width, height, value; int precision; const char *unit; QColor ink; }
        readOuts[] = {
            {900, 0, 390, 300, 23.0, 1, "", QColor(192, 0, 0)},
            {900, 285, 405, 255, 17.0, 1, "", QColor(0, 0, 255)},
            {1400, 0, 810, 270, 0.137057, 3, " kg/h", QColor(0, 0, 255)},
            {1400, 285, 765, 285, 2.75, 1, " g/s", QColor(0, 0, 255)},
            {2300, 0, 870, 255, 3.174603, 1, " mmca", QColor(255, 0, 0)},
            {2300, 285, 465, 270, -4.6, 1, "", QColor(0, 192, 0)},
        };
    for (const auto &r : readOuts) {
        auto *display = new iAnalogDisplayX(scheme);
        display->setGeometry(twips::rect(r.left, r.top, r.width, r.height));
        display->setUnitText(QString::fromUtf8(r.unit));
        display->setPrecision(r.precision);
        display->setTextColor(r.ink);
        display->setValue(r.value);
    }
    auto *tachometer = new iSevenSegmentIntegerX(scheme);
    tachometer->setGeometry(twips::rect(900, 700, 1020, 420));
    tachometer->setValue(2312);
    auto *tachometerOff = new iSevenSegmentIntegerX(scheme);
    tachometerOff->setGeometry(twips::rect(900, 1200, 1020, 420));
    tachometerOff->setBackgroundColor(QColor(50, 100, 2));
    auto *rockerOn = new iSwitchRockerX(scheme);
    rockerOn->setGeometry(twips::rect(5850, 200, 555, 705));
    rockerOn->setOn(true);
    auto *evaporator = new iAngularGaugeX(scheme);
    setUpGauge(evaporator, Qt::blue);
    evaporator->setGeometry(twips::rect(2100, 700, 510, 570));
    auto *condenser = new iAngularGaugeX(scheme);
    setUpGauge(condenser, Qt::red);
    condenser->setPosition(12.4);
    condenser->setGeometry(twips::rect(2700, 700, 585, 615));

    // The outdoor thermometers of the data tab, with tick labels.
    for (auto [left, value] : {std::pair{3600.0, 23.0}, std::pair{4300.0, 17.0}}) {
        auto *thermometer = new iThermometerX(scheme);
        thermometer->setRange(10, 50);
        thermometer->setMajorTickCount(5);
        thermometer->setIndicatorColor(value > 20 ? QColor(192, 0, 0) : QColor(0, 0, 192));
        thermometer->setIndicatorBackgroundColor(value > 20 ? QColor(255, 192, 192) : QColor(192, 192, 255));
        thermometer->setTransparent(true);
        thermometer->setPosition(value);
        thermometer->setGeometry(twips::rect(left, 100, 570, 1275));
    }
    auto *operation = new iThermometerX(scheme);   // automatic ticks, bulb size 4
    operation->setRange(10, 50);
    operation->setMajorTickCount(0);
    operation->setBulbSize(4);
    operation->setTransparent(true);
    operation->setPosition(31);
    operation->setGeometry(twips::rect(4900, 100, 600, 1065));
    auto *room = new iThermometerX(scheme);
    room->setRange(0, 50);
    room->setMajorTickCount(4);
    room->setTickLabelsVisible(false);
    room->setIndicatorColor(QColor(0, 0, 192));
    room->setIndicatorBackgroundColor(QColor(192, 192, 255));
    room->setIndicatorWidth(1);
    room->setBulbSize(3);
    room->setTransparent(true);
    room->setPosition(20);
    room->setGeometry(twips::rect(5550, 100, 225, 1170));

    sheet.show();
    for (double scale : {1.0, 2.0, 4.0})
        save(render(&sheet, scale), QStringLiteral("%1x").arg(scale));
}

QTEST_MAIN(InstrumentsTest)
#include "tst_instruments.moc"
