#include "ianalogdisplayx.h"
#include "iangulargaugex.h"
#include "iknobx.h"
#include "isevensegmentintegerx.h"
#include "number_format.h"
#include "iswitchrockerx.h"
#include "iswitchrotaryx.h"
#include "ithermometerx.h"
#include "twips.h"
#include "updown.h"
#include "window_build.h"

#include <QAccessibleValueInterface>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QtMath>
#include <QtTest>

#include <functional>
#include <limits>
#include <memory>

namespace {

using Make = std::function<QWidget *()>;

// The panel's fan knob as the main window sets it up.
iKnobX *fanKnob(QWidget *parent = nullptr)
{
    auto *knob = new iKnobX(parent);
    knob->setRange(5.0, 10.0);
    knob->setMajorTickCount(6);
    knob->setTickLabelsVisible(false);
    knob->setTransparent(true);
    knob->setPosition(8.0);
    return knob;
}

iSwitchRotaryX *selector(const QStringList &labels, int position, QWidget *parent = nullptr)
{
    auto *s = new iSwitchRotaryX(parent);
    s->setLabels(labels);
    s->setPosition(position);
    return s;
}

const QStringList kSteamLabels{"0", "1", "2", "3", "4", "5"};

iAngularGaugeX *gauge(const QColor &color, QWidget *parent = nullptr)
{
    auto *g = new iAngularGaugeX(parent);
    g->setRange(1.0, 18.0);
    g->setLabel(QStringLiteral("bar"));
    g->setArc(233, 280);
    g->setPointerColor(color);
    g->setTickColor(color);
    g->setPosition(6.0);
    return g;
}

iThermometerX *thermometer(double minimum, double maximum, double value, const QColor &column,
                           QWidget *parent = nullptr)
{
    auto *t = new iThermometerX(parent);
    t->setRange(minimum, maximum);
    t->setMajorTickCount(4);
    t->setTickLabelsVisible(false);
    t->setTransparent(true);
    t->setIndicatorColor(column);
    t->setIndicatorBackgroundColor(column.lighter(175));
    t->setPosition(value);
    return t;
}

template<typename T>
std::unique_ptr<T> shown(T *widget, double twipsWide, double twipsHigh)
{
    widget->resize(twips::size(twipsWide, twipsHigh));
    widget->show();
    return std::unique_ptr<T>(widget);
}

// The widget as it is painted on a device with the given pixel ratio.
QImage render(QWidget *widget, double scale)
{
    QImage image(widget->size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(QColor(0xf0, 0xf0, 0xf0));
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
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

QAccessibleInterface *accessible(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face && face->valueInterface() ? face : nullptr;
}

// An instrument that counts its repaints and the renders of its static layer.
template <class Instrument>
class Counted : public Instrument
{
public:
    using Instrument::Instrument;
    int paints = 0;
    mutable int staticRenders = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        Instrument::paintEvent(event);
    }
    void paintStatic(QPainter &painter) const override
    {
        ++staticRenders;
        Instrument::paintStatic(painter);
    }
};

// Writes every setting of the instrument (its own properties, and the pairs
// set together) with the value it holds: nothing may be repainted, nor the
// static layer drawn again. Then a repaint still comes through.
template <class Instrument>
void verifyEqualWritesRedrawNothing(const std::function<void(Instrument &)> &design)
{
    Counted<Instrument> instrument;
    design(instrument);
    instrument.resize(80, 80);
    instrument.show();
    QVERIFY(QTest::qWaitForWindowExposed(&instrument));
    QTRY_VERIFY(instrument.paints > 0 && instrument.staticRenders > 0);
    const int paints = instrument.paints, staticRenders = instrument.staticRenders;

    const QMetaObject *meta = instrument.metaObject();
    QStringList written;
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.isWritable() && property.write(&instrument, property.read(&instrument)))
            written << property.name();
    }
    if constexpr (std::is_same_v<Instrument, iKnobX> || std::is_same_v<Instrument, iThermometerX>
                  || std::is_same_v<Instrument, iAngularGaugeX>)
        instrument.setRange(instrument.minimum(), instrument.maximum());
    if constexpr (std::is_same_v<Instrument, iAngularGaugeX>)
        instrument.setArc(instrument.arcStart(), instrument.arcSpan());
    QVERIFY(!written.isEmpty());
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QVERIFY2(instrument.paints == paints && instrument.staticRenders == staticRenders, qPrintable(written.join(' ')));

    instrument.update();
    QTRY_VERIFY(instrument.paints > paints);
    QCOMPARE(instrument.staticRenders, staticRenders);
}

} // namespace

class InstrumentsTest : public QObject
{
    Q_OBJECT
private slots:
    void keepsWhatIsWrittenUnclamped_data();
    void keepsWhatIsWrittenUnclamped();
    void knobKeysChangeOnceOrNotAtAll_data();
    void knobKeysChangeOnceOrNotAtAll();
    void knobWheelAndDragNotifyEachChange();
    void rotaryNotifiesOncePerOperation();
    void rockerTogglesByClickAndSpace();
    void gaugeNumbersItsScaleLegibly_data();
    void gaugeNumbersItsScaleLegibly();
    void scaleNumbersFollowTheLocaleWithoutGrouping();
    void readOutKeepsItsWholeTextInsideItsBorder_data();
    void readOutKeepsItsWholeTextInsideItsBorder();
    void displayWrittenWhileHiddenShowsWhenShown();
    void assistiveToolsReadTheValueShown();
    void designSettingsAreReadByName_data();
    void designSettingsAreReadByName();
    void writingWhatIsHeldRedrawsNothing();
    void turnedControlsAnswerTheirOwnInput_data();
    void turnedControlsAnswerTheirOwnInput();
    void sevenSegmentColourIsTheBackground();
    void loweredBordersReachTheEdges();
};

// Every instrument keeps the number written to it and reads it back; the
// pointer or column of one written beyond its scale stands at the scale's end.
void InstrumentsTest::keepsWhatIsWrittenUnclamped_data()
{
    QTest::addColumn<Make>("make");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<QVariant>("drawnAs");           // none: drawn as written
    QTest::addColumn<QString>("accessibleValue");   // '.' stands for the locale's separator

    const Make knob = [] { return fanKnob(); };
    const Make ter = [] { return thermometer(0, 50, 20, Qt::red); };
    const Make display = [] {
        auto *d = new iAnalogDisplayX;
        d->setUnitText(QStringLiteral(" kg/h"));
        d->setPrecision(3);
        return d;
    };
    const QByteArray position("position");
    QTest::newRow("knob above") << knob << position << QVariant(54.25) << QVariant(10.0) << "54.3";
    QTest::newRow("knob below") << knob << position << QVariant(-3.0) << QVariant(5.0) << "-3.0";
    QTest::newRow("54 on 0-50") << ter << position << QVariant(54.0) << QVariant(50.0) << "54.0 ºC";
    QTest::newRow("under 0") << ter << position << QVariant(-8.0) << QVariant(0.0) << "-8.0 ºC";
    QTest::newRow("gauge over") << Make([] { return gauge(Qt::blue); }) << position << QVariant(25.0)
                                << QVariant(18.0) << "25.0 bar";
    QTest::newRow("selector beyond") << Make([] { return selector(kSteamLabels, 1); }) << position
                                     << QVariant(7) << QVariant() << "7";
    QTest::newRow("read-out") << display << QByteArray("value") << QVariant(0.137057) << QVariant()
                              << "0.137 kg/h";
    QTest::newRow("rocker") << Make([] { return new iSwitchRockerX; }) << QByteArray("on") << QVariant(true)
                            << QVariant() << "Encendido";
    QTest::newRow("tachometer") << Make([] { return new iSevenSegmentIntegerX; }) << QByteArray("value")
                                << QVariant(std::numeric_limits<int>::max()) << QVariant() << "2147483647";
}

void InstrumentsTest::keepsWhatIsWrittenUnclamped()
{
    QFETCH(Make, make);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, written);
    QFETCH(QVariant, drawnAs);
    QFETCH(QString, accessibleValue);
    std::unique_ptr<QWidget> instrument(make()), atEnd(make()), atDesign(make());
    QVERIFY(instrument->setProperty(property, written));
    QCOMPARE(instrument->property(property), written);
    QAccessibleInterface *face = accessible(instrument.get());
    QVERIFY(face);
    QCOMPARE(face->valueInterface()->currentValue(), written);
    QCOMPARE(face->text(QAccessible::Value), localised(accessibleValue));
    QVERIFY(!face->text(QAccessible::Name).isEmpty());
    if (drawnAs.isValid()) {
        atEnd->setProperty(property, drawnAs);
        for (QWidget *w : {instrument.get(), atEnd.get(), atDesign.get()})
            w->resize(60, 80);
        QCOMPARE(render(instrument.get(), 2), render(atEnd.get(), 2));
        QVERIFY(render(atDesign.get(), 2) != render(atEnd.get(), 2));
    }
}

void InstrumentsTest::knobKeysChangeOnceOrNotAtAll_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("notifications");

    QTest::newRow("page down to the bottom") << 5.5 << QList<int>{Qt::Key_PageDown} << 5.0 << 1;
    QTest::newRow("ten steps land on 6.0") << 5.0 << QList<int>(10, Qt::Key_Up) << 6.0 << 10;
    QTest::newRow("at the top: nothing") << 10.0 << QList<int>{Qt::Key_Up, Qt::Key_PageUp} << 10.0 << 0;
    QTest::newRow("to the top, once more") << 9.95 << QList<int>{Qt::Key_Up, Qt::Key_Up} << 10.0 << 1;
    QTest::newRow("end then home") << 8.0 << QList<int>{Qt::Key_End, Qt::Key_Home} << 5.0 << 2;
    QTest::newRow("written far out") << 54.0 << QList<int>{Qt::Key_Down} << 9.9 << 1;
    QTest::newRow("written NaN") << qQNaN() << QList<int>{Qt::Key_Up} << 5.1 << 1;
}

void InstrumentsTest::knobKeysChangeOnceOrNotAtAll()
{
    QFETCH(double, from);
    QFETCH(QList<int>, keys);
    auto knob = shown(fanKnob(), 1020, 975);
    knob->setPosition(from);
    QSignalSpy spy(knob.get(), &iKnobX::changed);
    for (int key : keys)
        QTest::keyClick(knob.get(), Qt::Key(key));
    QTEST(knob->position(), "expected");
    QTEST(int(spy.count()), "notifications");
}

void InstrumentsTest::knobWheelAndDragNotifyEachChange()
{
    auto knob = shown(fanKnob(), 1020, 975);
    QSignalSpy spy(knob.get(), &iKnobX::changed);
    const QPointF centre = QRectF(knob->rect()).center();
    const auto around = [&](double degrees) {
        const double a = qDegreesToRadians(degrees);
        return (centre + QPointF(std::cos(a), -std::sin(a)) * 20).toPoint();
    };
    // A quarter turn clockwise from the top covers a third of the 270-degree scale.
    QTest::mousePress(knob.get(), Qt::LeftButton, {}, around(90));
    for (int degrees = 80; degrees >= 0; degrees -= 10)
        QTest::mouseMove(knob.get(), around(degrees));
    QCOMPARE(spy.count(), 9);
    QVERIFY(qAbs(knob->position() - (8.0 + 5.0 / 3.0)) < 0.1);
    // On past the top: the knob stays at 10 and stays quiet.
    for (int degrees = -10; degrees >= -90; degrees -= 10)
        QTest::mouseMove(knob.get(), around(degrees));
    QCOMPARE(knob->position(), 10.0);
    const int atTop = spy.count();
    QTest::mouseMove(knob.get(), around(-100));
    QTest::mouseRelease(knob.get(), Qt::LeftButton, {}, around(-100));
    QCOMPARE(spy.count(), atTop);

    turnWheel(knob.get(), -240);   // two notches at once
    turnWheel(knob.get(), 60);     // two halves of a fine wheel make one notch
    turnWheel(knob.get(), 60);
    QCOMPARE(knob->position(), 9.9);
    QCOMPARE(spy.count(), atTop + 3);
}

// The handler runs on each change of position (and once for a click that
// changes nothing), and reads the position itself.
void InstrumentsTest::rotaryNotifiesOncePerOperation()
{
    auto steam = shown(selector(kSteamLabels, 1), 1410, 1260);
    QList<int> seen;
    connect(steam.get(), &iSwitchRotaryX::changed, [&] { seen << steam->position(); });
    const auto at = [&](int label) { return steam->labelRect(label).center().toPoint(); };

    for (int label : {3, 3, 0})
        QTest::mouseClick(steam.get(), Qt::LeftButton, {}, at(label));
    QCOMPARE(seen, (QList<int>{3, 3, 0}));
    // Beside every position (the hub, a lower corner) a click is no operation.
    QTest::mouseClick(steam.get(), Qt::LeftButton, {}, steam->rect().center());
    QTest::mouseClick(steam.get(), Qt::LeftButton, {}, QPoint(2, steam->height() - 2));
    QCOMPARE(seen.size(), 3);

    seen.clear();
    QTest::mousePress(steam.get(), Qt::LeftButton, {}, at(1));
    for (int label = 2; label < 6; ++label)
        QTest::mouseMove(steam.get(), at(label));
    QTest::mouseRelease(steam.get(), Qt::LeftButton, {}, at(5));
    QCOMPARE(seen, (QList<int>{1, 2, 3, 4, 5}));

    // One position per wheel notch or key press; nothing at the ends.
    seen.clear();
    turnWheel(steam.get(), 120);
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Down, Qt::Key_Home, Qt::Key_Down})
        QTest::keyClick(steam.get(), key);
    QCOMPARE(seen, (QList<int>{4, 3, 0}));
}

void InstrumentsTest::rockerTogglesByClickAndSpace()
{
    auto rocker = shown(new iSwitchRockerX, 555, 705);
    QSignalSpy spy(rocker.get(), &iSwitchRockerX::changed);
    QTest::mouseClick(rocker.get(), Qt::LeftButton);
    QVERIFY(rocker->isOn());
    QTest::keyClick(rocker.get(), Qt::Key_Space);
    // Pressed, then released away from the switch: nothing happens.
    QTest::mousePress(rocker.get(), Qt::LeftButton);
    QTest::mouseRelease(rocker.get(), Qt::LeftButton, {}, QPoint(-20, -20));
    QVERIFY(!rocker->isOn());
    QCOMPARE(spy.count(), 2);
}

void InstrumentsTest::gaugeNumbersItsScaleLegibly_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("numbers");
    // The scheme's gauges are too small for numbers of 7 px or more clear of the hub.
    QTest::newRow("scheme evaporator") << twips::size(510, 570) << QStringList();
    QTest::newRow("scheme condenser") << twips::size(585, 615) << QStringList();
    QTest::newRow("60 px") << QSize(60, 60) << QStringList{"2", "6", "10", "14", "18"};
    QTest::newRow("120 px") << QSize(120, 110) << QStringList{"2", "6", "10", "14", "18"};
}

// Numbers that are drawn read at 1x (a capital 5 px or more), stand apart
// from each other and the unit label, keep clear of the hub and lie on the face.
void InstrumentsTest::gaugeNumbersItsScaleLegibly()
{
    QFETCH(QSize, size);
    std::unique_ptr<iAngularGaugeX> dial(gauge(Qt::blue));
    dial->resize(size);
    const QVector<iAngularGaugeX::ScaleNumber> numbers = dial->scaleNumbers();
    const QPointF centre = QRectF(dial->rect()).center();
    const double across = std::min(size.width(), size.height());
    QStringList texts;
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const QRectF box = numbers[i].box;
        texts << numbers[i].text;
        QVERIFY(box.height() >= 5 && !box.intersects(dial->unitLabelBox()));
        const QPointF nearest(std::clamp(centre.x(), box.left(), box.right()),
                              std::clamp(centre.y(), box.top(), box.bottom()));
        QVERIFY2(QLineF(centre, nearest).length() >= across / 8, qPrintable(numbers[i].text));   // off the hub
        for (const QPointF &corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
            QVERIFY(QLineF(centre, corner).length() < across * 0.4);
        for (qsizetype j = i + 1; j < numbers.size(); ++j)
            QVERIFY(!box.intersects(numbers[j].box));
    }
    QTEST(texts, "numbers");
}

// Scale numbers are written like the boxes' numbers: the locale's decimal
// separator, no group separator, no exponent; a scale drawn before the locale
// changed is drawn again in the new notation.
void InstrumentsTest::scaleNumbersFollowTheLocaleWithoutGrouping()
{
    const auto labelled = [] {
        auto *column = thermometer(0, 5, 2, Qt::red);
        column->setMajorTickCount(3);   // 0, 2.5, 5
        column->setTickLabelsVisible(true);
        column->resize(38, 85);
        return std::unique_ptr<iThermometerX>(column);
    };
    const auto kept = labelled();
    const QLocale original;
    QImage previous;
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::Spanish, QLocale::Spain)}) {
        QLocale::setDefault(locale);
        QCOMPARE(instrument::tickText(12000), QStringLiteral("12000"));
        QCOMPARE(instrument::tickText(1e6), QStringLiteral("1000000"));
        QCOMPARE(instrument::tickText(-2.5), localised("-2.5"));
        QCOMPARE(instrument::tickText(0.1 + 0.2), localised("0.3"));
        QCOMPARE(instrument::tickText(-1e-13), QStringLiteral("0"));
        const QImage drawn = render(kept.get(), 2);
        QCOMPARE(drawn, render(labelled().get(), 2));
        QVERIFY(drawn != previous);
        previous = drawn;
    }
    QLocale::setDefault(original);
}

void InstrumentsTest::readOutKeepsItsWholeTextInsideItsBorder_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("value");
    // The scheme's read-outs with their longest usual texts, and one far too long.
    QTest::newRow("manometer") << twips::size(870, 255) << " mmca" << 2 << 3.174603;
    QTest::newRow("condensate") << twips::size(810, 270) << " kg/h" << 3 << 0.137057;
    QTest::newRow("refrigerant flow") << twips::size(765, 285) << " g/s" << 2 << 10.5;
    QTest::newRow("wet bulb") << twips::size(405, 255) << "" << 1 << -12.25;
    QTest::newRow("nonsense typed in") << twips::size(435, 255) << "" << 1 << 123456789.0;
}

// Drawn at any device pixel ratio the text stays whole inside the border,
// with a device pixel free before the edge where a letter would be cut.
void InstrumentsTest::readOutKeepsItsWholeTextInsideItsBorder()
{
    QFETCH(QSize, size);
    QFETCH(QString, unit);
    QFETCH(int, decimals);
    QFETCH(double, value);
    iAnalogDisplayX display;
    display.setFont(winbuild::windowFont());
    display.resize(size);
    display.setUnitText(unit);
    display.setPrecision(decimals);
    display.setAlignment(Qt::AlignLeft);
    display.setTextColor(Qt::black);
    display.setValue(value);
    for (const double scale : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        const QImage image = render(&display, scale);
        // Ink: anything darker than the white window, inside the lowered border.
        int left = image.width(), right = -1;
        for (int y = qCeil(scale); y < image.height() - qCeil(scale); ++y)
            for (int x = qCeil(scale); x < image.width() - qCeil(scale); ++x)
                if (qGray(image.pixel(x, y)) < 200) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        const QString where = QStringLiteral("%1 at %2x: ink %3..%4 of %5").arg(display.text()).arg(scale)
                                  .arg(left).arg(right).arg(image.width());
        QVERIFY2(right >= 0, qPrintable(where));
        // The border and one logical pixel of padding on each side are kept clear.
        QVERIFY2(left >= qRound(2 * scale) && right < qRound((size.width() - 2) * scale) - 1, qPrintable(where));
    }
}

// It then looks as if the number had been written while it was shown.
void InstrumentsTest::displayWrittenWhileHiddenShowsWhenShown()
{
    QWidget scheme;
    iAnalogDisplayX *display = new iAnalogDisplayX(&scheme), *shownAll = new iAnalogDisplayX(&scheme);
    scheme.show();
    display->hide();
    display->setValue(27.0);
    shownAll->setValue(27.0);
    display->show();
    QCOMPARE(display->text(), localised("27.0"));
    QCOMPARE(render(display, 1), render(shownAll, 1));
    display->setValue(qQNaN());   // a calculation without a result
    QCOMPARE(display->text(), QStringLiteral(" ---"));
}

// Assistive tools read the value an instrument shows whenever they ask: after
// a selector ramp has written it many times over in one turn of the event
// loop, and while the instrument is hidden. The value is not in the
// description, which stays free for the window's own words.
void InstrumentsTest::assistiveToolsReadTheValueShown()
{
    auto column = shown(thermometer(0, 50, 0, Qt::red), 150, 885);
    QAccessibleInterface *face = accessible(column.get());
    QVERIFY(face);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Termómetro"));
    for (double t = 0; t <= 20; t += 0.5)
        column->setPosition(t);
    QCOMPARE(face->valueInterface()->currentValue(), QVariant(20.0));
    QCOMPARE(face->text(QAccessible::Value), localised(QStringLiteral("20.0 ºC")));
    QCOMPARE(face->valueInterface()->minimumValue(), QVariant(0.0));
    QCOMPARE(face->valueInterface()->maximumValue(), QVariant(50.0));
    column->hide();
    column->setPosition(12.5);
    QCOMPARE(face->text(QAccessible::Value), localised(QStringLiteral("12.5 ºC")));
    QVERIFY(face->text(QAccessible::Description).isEmpty());
    // A position no display has room for reads " ---" alone, without its unit.
    column->setPosition(1e15);
    QCOMPARE(face->text(QAccessible::Value), noReading());
    auto dial = shown(gauge(Qt::blue), 510, 570);
    dial->setPosition(-2e16);
    QCOMPARE(accessible(dial.get())->text(QAccessible::Value), noReading());

    // A selector's value is its position; its text is the label there.
    auto steam = shown(selector({"0", "1", "2", "bajo"}, 3), 1410, 1260);
    QCOMPARE(accessible(steam.get())->valueInterface()->currentValue(), QVariant(3));
    QCOMPARE(accessible(steam.get())->text(QAccessible::Value), QStringLiteral("bajo"));
}

void InstrumentsTest::designSettingsAreReadByName_data()
{
    QTest::addColumn<Make>("make");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");

    const Make knob = [] { return fanKnob(); };
    QTest::newRow("knob minimum") << knob << QByteArray("minimum") << QVariant(5.0);
    QTest::newRow("knob ticks") << knob << QByteArray("majorTickCount") << QVariant(6);
    QTest::newRow("knob tick labels") << knob << QByteArray("tickLabelsVisible") << QVariant(false);
    const Make steam = [] { return selector(kSteamLabels, 1); };
    QTest::newRow("selector labels") << steam << QByteArray("labels") << QVariant(kSteamLabels);
    QTest::newRow("selector active colour") << steam << QByteArray("activeLabelColor") << QVariant(QColor(Qt::red));
    QTest::newRow("selector active bold") << steam << QByteArray("activeLabelBold") << QVariant(true);
    const Make ter = [] { return thermometer(0, 50, 20, QColor(0, 0, 192)); };
    QTest::newRow("thermometer maximum") << ter << QByteArray("maximum") << QVariant(50.0);
    QTest::newRow("thermometer colour") << ter << QByteArray("indicatorColor") << QVariant(QColor(0, 0, 192));
    const Make dial = [] { return gauge(Qt::red); };
    QTest::newRow("gauge label") << dial << QByteArray("label") << QVariant(QStringLiteral("bar"));
    QTest::newRow("gauge arc start") << dial << QByteArray("arcStart") << QVariant(233.0);
    QTest::newRow("gauge pointer colour") << dial << QByteArray("pointerColor") << QVariant(QColor(Qt::red));
    const Make readOut = [] {
        auto *d = new iAnalogDisplayX;
        d->setUnitText(QStringLiteral(" g/s"));
        d->setPrecision(2);
        return d;
    };
    QTest::newRow("read-out unit") << readOut << QByteArray("unitText") << QVariant(QStringLiteral(" g/s"));
    QTest::newRow("read-out precision") << readOut << QByteArray("precision") << QVariant(2);
    const Make tachometer = [] {
        auto *d = new iSevenSegmentIntegerX;
        d->setShowSign(false);
        return d;
    };
    QTest::newRow("tachometer sign") << tachometer << QByteArray("showSign") << QVariant(false);
    QTest::newRow("tachometer unlit") << tachometer << QByteArray("unlitSegmentColor") << QVariant(QColor(64, 0, 0));
    const Make step = [] {
        auto *u = new UpDown;
        u->setRange(-20000, 20000);
        u->setIncrement(1000);
        return u;
    };
    QTest::newRow("step minimum") << step << QByteArray("minimum") << QVariant(-20000);
    QTest::newRow("step increment") << step << QByteArray("increment") << QVariant(1000);
}

// Anyone scripting the windows reads a control's design by name.
void InstrumentsTest::designSettingsAreReadByName()
{
    QFETCH(Make, make);
    QFETCH(QByteArray, property);
    std::unique_ptr<QWidget> control(make());
    QTEST(control->property(property), "expected");
}

void InstrumentsTest::writingWhatIsHeldRedrawsNothing()
{
    verifyEqualWritesRedrawNothing<iKnobX>([](iKnobX &k) {
        k.setRange(5.0, 10.0);
        k.setMajorTickCount(6);
        k.setPosition(8.0);
    });
    QVERIFY(!QTest::currentTestFailed());
    verifyEqualWritesRedrawNothing<iSwitchRotaryX>([](iSwitchRotaryX &s) { s.setLabels(kSteamLabels); });
    QVERIFY(!QTest::currentTestFailed());
    verifyEqualWritesRedrawNothing<iSwitchRockerX>([](iSwitchRockerX &r) { r.setOn(true); });
    QVERIFY(!QTest::currentTestFailed());
    verifyEqualWritesRedrawNothing<iThermometerX>([](iThermometerX &t) {
        t.setRange(10, 50);
        t.setBulbRect(QRectF(2, 60, 12, 16));
        t.setPosition(qQNaN());   // a value that is not a number is held like any other
    });
    QVERIFY(!QTest::currentTestFailed());
    verifyEqualWritesRedrawNothing<iAngularGaugeX>([](iAngularGaugeX &g) {
        g.setLabel(QStringLiteral("bar"));
        g.setArc(233, 280);
    });
    QVERIFY(!QTest::currentTestFailed());
    verifyEqualWritesRedrawNothing<iAnalogDisplayX>([](iAnalogDisplayX &d) {
        d.setUnitText(QStringLiteral(" kg/h"));
        d.setValue(0.137);
    });
    QVERIFY(!QTest::currentTestFailed());
    verifyEqualWritesRedrawNothing<iSevenSegmentIntegerX>([](iSevenSegmentIntegerX &d) { d.setValue(2312); });
}

void InstrumentsTest::turnedControlsAnswerTheirOwnInput_data()
{
    QTest::addColumn<Make>("make");
    QTest::addColumn<int>("key");          // 0: a sideways wheel notch
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");

    const Make knob = [] { return fanKnob(); };
    const Make steam = [] { return selector(kSteamLabels, 1); };
    const Make step = [] {
        auto *u = new UpDown;
        u->setRange(0, 100);
        u->setIncrement(5);
        u->setValue(50);
        return u;
    };
    const QByteArray position("position"), value("Value");
    QTest::newRow("knob: right") << knob << int(Qt::Key_Right) << position << QVariant(8.1);
    QTest::newRow("knob: sideways wheel") << knob << 0 << position << QVariant(8.1);
    QTest::newRow("knob: page down") << knob << int(Qt::Key_PageDown) << position << QVariant(7.0);
    QTest::newRow("selector: left") << steam << int(Qt::Key_Left) << position << QVariant(0);
    QTest::newRow("selector: sideways wheel") << steam << 0 << position << QVariant(2);
    QTest::newRow("selector: no page step") << steam << int(Qt::Key_PageUp) << position << QVariant(1);
    QTest::newRow("step: page up steps once") << step << int(Qt::Key_PageUp) << value << QVariant(55);
    QTest::newRow("step: no right") << step << int(Qt::Key_Right) << value << QVariant(50);
    QTest::newRow("step: no end") << step << int(Qt::Key_End) << value << QVariant(50);
    QTest::newRow("step: no sideways wheel") << step << 0 << value << QVariant(50);
}

// The knob and the selector answer horizontal input too; the step control,
// a vertical pair of arrows, only vertical input.
void InstrumentsTest::turnedControlsAnswerTheirOwnInput()
{
    QFETCH(Make, make);
    QFETCH(int, key);
    QFETCH(QByteArray, property);
    std::unique_ptr<QWidget> control(make());
    if (key) {
        QTest::keyClick(control.get(), Qt::Key(key));
    } else {
        const QPointF at = QRectF(control->rect()).center();
        QWheelEvent event(at, control->mapToGlobal(at), QPoint(), QPoint(120, 0), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(control.get(), &event);
    }
    QTEST(control->property(property), "expected");
}

// The one colour the windows set is the background behind the digits.
void InstrumentsTest::sevenSegmentColourIsTheBackground()
{
    iSevenSegmentIntegerX display;
    display.resize(twips::size(1020, 420));
    display.setValue(2312);
    const QColor off(50, 100, 2);
    display.setBackgroundColor(off);
    const QImage picture = render(&display, 1);
    QCOMPARE(picture.pixelColor(4, picture.height() / 2), off);   // inside the border, left of the digits
}

// The lowered borders of the read-outs are whole rings of whole device pixels
// from the outermost pixels inwards, at any device pixel ratio: shadow along
// the top and left, light along the bottom and right.
void InstrumentsTest::loweredBordersReachTheEdges()
{
    iSevenSegmentIntegerX tachometer;
    tachometer.resize(twips::size(1020, 420));
    iAnalogDisplayX readOut;
    readOut.resize(twips::size(810, 270));
    for (const double scale : {1.0, 1.5, 2.0}) {
        for (QWidget *instrument : {static_cast<QWidget *>(&tachometer), static_cast<QWidget *>(&readOut)}) {
            const QImage image = render(instrument, scale);
            const int right = image.width() - 1, bottom = image.height() - 1;
            const QString where = QStringLiteral("%1 at %2x").arg(instrument->metaObject()->className()).arg(scale);
            const QColor light = instrument == &tachometer ? QColor(Qt::white) : QColor(0xdc, 0xdc, 0xdc);
            QVERIFY2(image.pixelColor(0, 0) == QColor(0x80, 0x80, 0x80), qPrintable(where));
            QVERIFY2(image.pixelColor(0, bottom / 2) == QColor(0x80, 0x80, 0x80), qPrintable(where));
            QVERIFY2(image.pixelColor(right, bottom / 2) == light, qPrintable(where));
            QVERIFY2(image.pixelColor(right / 2, bottom) == light, qPrintable(where));
        }
        // The tachometer's inner ring: dark shadow above, the face colour below.
        const QImage image = render(&tachometer, scale);
        const int inner = qCeil(scale);
        QVERIFY(image.pixelColor(inner, image.height() / 2) == QColor(0x40, 0x40, 0x40));
        QVERIFY(image.pixelColor(image.width() / 2, image.height() - 1 - inner) == QColor(0xd4, 0xd0, 0xc8));
    }
}

QTEST_MAIN(InstrumentsTest)
#include "tst_instruments.moc"
