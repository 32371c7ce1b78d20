// The unit's recomputation (funci) as the window shows it, and the panel's
// handlers that drive it: main switch, animation, selector ramps, fan knob and
// step controls.
#include "form1.h"

#include "controls_by_name.h"
#include "ianalogdisplayx.h"
#include "iknobx.h"
#include "isevensegmentintegerx.h"
#include "iswitchrockerx.h"
#include "iswitchrotaryx.h"
#include "number_format.h"
#include "surface_items.h"
#include "unit_model.h"
#include "updown.h"

#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <array>
#include <vector>

namespace {

using Powers = std::array<double, 3>;   // steam, preheat, reheat, kW

// The element powers as a calculation reads them: unset as 0.
Powers powers(const Form1 &form)
{
    return {form.SteamPower().value_or(0.0), form.PreheatPower().value_or(0.0), form.ReheatPower().value_or(0.0)};
}

QString textOf(const Form1 &form, const char *box) { return control<QLineEdit>(form, box)->text(); }
int valueOf(const Form1 &form, const char *stepControl) { return control<UpDown>(form, stepControl)->Value(); }
iSwitchRotaryX *selector(const Form1 &form, const char *name) { return control<iSwitchRotaryX>(form, name); }

// The main window on screen, each calculation logged with the powers it saw.
struct Unit
{
    Form1 form;
    std::vector<Powers> runs;

    Unit()
    {
        QObject::connect(&form, &Form1::unitRecalculated, &form, [this] { runs.push_back(powers(form)); });
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qFatal("The main window was never shown");
    }
    void flipSwitch() { QTest::mouseClick(control<QWidget>(form, "interruptor"), Qt::LeftButton); }
    void turn(iSwitchRotaryX *dial, int to)
    {
        QTest::mouseClick(dial, Qt::LeftButton, {}, dial->labelRect(to).center().toPoint());
    }
    void step(UpDown *arrows, bool up)
    {
        QTest::mouseClick(arrows, Qt::LeftButton, {}, {arrows->width() / 2, arrows->height() * (up ? 1 : 3) / 4});
    }
    // Types over a box's text; '.' stands for the locale's decimal separator.
    void type(const char *boxName, const QString &text)
    {
        auto *box = control<QLineEdit>(form, boxName);
        box->selectAll();
        QTest::keyClicks(box, QString(text).replace('.', QLocale().decimalPoint()));
    }
    void nudgeKnob(Qt::Key key) { QTest::keyClick(control<QWidget>(form, "iKnobX1"), key); }
    // Types into boxes, then nudges the fan knob, which recalculates the running unit.
    void typeAndNudgeKnob(std::initializer_list<std::pair<const char *, const char *>> entries, Qt::Key key)
    {
        for (const auto &[box, text] : entries)
            type(box, QLatin1String(text));
        nudgeKnob(key);
    }
};

// Design inputs (knob 8, 23/17 degC, 1013 mbar, superheat 6) with every
// selector at 1, whose handlers set the powers (the unit off: no calculation).
void designPowers(Form1 &form)
{
    form.vapor1_Change();
    form.prec_Change();
    form.rec_Change();
}

// What a display shows after the design run, to `decimals` decimals. "Line3.X2"
// names a property; a bare name stands for the instrument's value.
struct Reading { const char *display; double value; int decimals; };
const Reading kDesignReadings[] = {
    {"Disp1", 2312, 0},          {"Line3.X2", 5631, 3},       {"Line3.Y2", 2253, 3},       {"itext1(11)", 3.174603, 6},
    {"ter(5)", 23.4795, 4},      {"ter(6)", 19.45, 6},        {"ter(7)", 33.1771, 4},      {"itext1(2)", 33.1771, 4},
    {"ter(8)", 22.35, 6},        {"itext1(3)", 22.35, 6},     {"ter(9)", 20.4135, 4},      {"itext1(4)", 20.4135, 4},
    {"ter(10)", 18.15, 6},       {"itext1(5)", 18.15, 6},     {"itext1(8)", 0.137057, 6},  {"ter(11)", 30.2043, 4},
    {"itext1(6)", 30.2043, 4},   {"ter(12)", 21.25, 6},       {"itext1(7)", 21.25, 6},
    // Chart path (A at 120 + 63 T1, 5446.875 - 142968.75 W1; B; D) and letters.
    {"Line4(5).Y2", 4066.81, 2}, {"Label11(8).Top", 4116.81, 2}, {"Label11(9).Left", 2260.16, 2},
    {"Line4(4).X2", 2022.87, 2},
    // Cycle; ter(2) ends the run at the liquid temperature.
    {"itext1(14)", 9.4478, 4},   {"GaugeX1", 4.1529, 4},      {"ter(0)", 15.4478, 4},      {"itext1(12)", 15.4478, 4},
    {"GaugeX2", 8.9406, 4},      {"itext1(13)", 29.909, 3},   {"ter(2)", 29.909, 3},       {"itext1(10)", 1.37673, 5},
    {"itext1(9)", 10.50415, 5},  {"Image1.Top", 3644.96, 2},
    // Pressure-enthalpy diagram.
    {"Line1(0).Y1", 1929.17, 2}, {"Line1(0).Y2", 2380.72, 2}, {"Line1(0).X1", 1002.48, 2}, {"Line1(3).X2", 1002.48, 2},
    {"Line1(2).X2", 2629.20, 2}, {"Label2(1).Left", 2779.20, 2},                          {"Label2(1).Top", 1779.17, 2},
};

// The cycle table after the design run, with "." for the decimal separator.
const std::pair<int, const char *> kDesignCells[] = {
    {0, "4.15"}, {7, "8.94"}, {12, "8.93"}, {17, "4.17"},    // Pabs
    {1, "15.4"}, {6, "58.3"}, {11, "29.9"}, {16, "9.4"},     // t
    {3, "195.6"}, {9, "218.1"}, {14, "64.5"}, {19, "64.5"},  // h
    {26, "1.38"}, {32, "10.5"}, {29, "0.31"}, {20, "4.5"},   // Q, mr, Pcomp, COP
};

double shown(const Form1 &form, const QString &display)
{
    const QStringList parts = display.split('.');
    const QObject *object = form.findChild<QObject *>(parts[0]);
    if (!object)
        return qQNaN();
    const QVariant position = object->property("position");
    return object->property(parts.size() > 1 ? qPrintable(parts[1]) : position.isValid() ? "position" : "value")
        .toDouble();
}

QString barsShown(const Form1 &form)
{
    QString bars;
    for (int i = 0; i < 7; ++i)
        bars += isShown(control(form, "Line6", i)) ? '1' : '0';
    return bars;
}

// What stands on the scheme, the chart and the diagram after a run; with the
// figures, also the warning line, the read-outs and the cycle table.
QVariantList snapshot(const Form1 &form, bool figures)
{
    QVariantList values{barsShown(form)};
    for (const Reading &r : kDesignReadings) {
        if (figures || !QLatin1String(r.display).startsWith(QLatin1String("itext1")))
            values << shown(form, r.display);
    }
    if (figures) {
        values << textOf(form, "Text23");
        for (const auto &cell : kDesignCells)
            values << control<QLineEdit>(form, "Text7", cell.first)->text();
    }
    return values;
}

// Whether the cycle's lines and figures and the chart path's lines and letters show.
QList<bool> resultMarks(const Form1 &f)
{
    QList<bool> shown;
    for (int i = 0; i < 4; ++i)
        shown << isShown(control(f, "Line1", i)) << isShown(control(f, "Label2", i))
              << isShown(control(f, "Line4", i + 4)) << isShown(control(f, "Label11", i + 8));
    return shown;
}

// The parts a switched-on unit shows (itext1(10) stays hidden).
QList<bool> runningUnitParts(const Form1 &f)
{
    QList<bool> parts{isShown(control(f, "Shape5")), isShown(control(f, "Shape6")),
                      control<QTimer>(f, "Timer2")->isActive(), control<QTimer>(f, "Timer3")->isActive()};
    parts << resultMarks(f);
    for (int i = 0; i < 15; ++i) {
        if (i != 10)
            parts << isShown(control(f, "itext1", i));
    }
    return parts;
}
const QList<bool> kRunning(4 + 16 + 14, true);

// Blades 0..3 of the condenser fan and Line5.
QList<bool> fanFrame(const Form1 &form)
{
    QList<bool> parts;
    for (int i = 0; i < 4; ++i)
        parts << isShown(control(form, "Shape4", i));
    return parts << isShown(control(form, "Line5"));
}
const QList<bool> kFirstFrame{true, true, false, false, false};
const QList<bool> kSecondFrame{false, false, true, true, true};

// A selector turned from one position to another: the power at each pass of
// its ramp is first + k step.
struct Ramp { const char *selector; int from, to; double first, step; int passes; bool on = true; };

// One click on a step control with the outdoor dry and wet bulb at `dry` and `wet`.
struct Step { const char *control; bool up, on; int dry, wet, newDry, newWet, runs; };

// A number typed into a box, then one click on a step control; the texts of
// Text4, Text1, Text3 and Text8 after it, and the runs the click made.
struct TypedStep { const char *box, *typed, *control; bool up; const char *texts; int runs; };

} // namespace
Q_DECLARE_METATYPE(Ramp)
Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(TypedStep)

class Form1HandlersTest : public QObject
{
    Q_OBJECT

private slots:
    void designRunDisplays();
    void runShowsTheOutdoorAirItUsed();
    void unusableTextStopsTheRun_data();
    void unusableTextStopsTheRun();
    void typedNumbersTheArrowsCannotReachAreComputed();
    void stoppedRunBlanksExactlyTheRunsFigures();
    void warningAppearsAndDisappears();
    void stateWithoutValueShowsNoReadingAndNoPath();
    void switchOnRunsOnceWithSelectorPowers_data();
    void switchOnRunsOnceWithSelectorPowers();
    void switchOffResetsTheRunningUnit();
    void switchOnWithTextThatIsNotANumberPlacesNoPath();
    void animation();
    void selectorRamp_data();
    void selectorRamp();
    void stepControls_data();
    void stepControls();
    void twinStepControlsHoldOneValue_data();
    void twinStepControlsHoldOneValue();
    void stepStartsFromTypedNumber_data();
    void stepStartsFromTypedNumber();
    void bulbsStayInOrderAcrossTypedAndStepped();
};

void Form1HandlersTest::designRunDisplays()
{
    Form1 form;
    designPowers(form);
    QSignalSpy recalculated(&form, &Form1::unitRecalculated);
    form.funci();
    QCOMPARE(recalculated.count(), 1);
    for (const Reading &r : kDesignReadings) {
        const double value = shown(form, r.display);
        QVERIFY2(std::abs(value - r.value) <= 0.5 * std::pow(10.0, -r.decimals) + 1e-9 * r.value,
                 qPrintable(QStringLiteral("%1 = %2").arg(r.display).arg(value, 0, 'g', 12)));
    }
    for (const auto &[index, text] : kDesignCells)
        QCOMPARE(control<QLineEdit>(form, "Text7", index)->text(),
                 QString::fromLatin1(text).replace('.', QLocale().decimalPoint()));
    QCOMPARE(textOf(form, "Text23"), QString());
    QCOMPARE(barsShown(form), QStringLiteral("0011010"));

    // The bars follow the selectors; those of a selector outside its positions stay.
    selector(form, "vapor1")->setPosition(3);
    selector(form, "rec")->setPosition(7);
    form.funci();
    QCOMPARE(barsShown(form), QStringLiteral("1011010"));
}

// Every run shows the outdoor air it computed with, typed or stepped, on both
// thermometers and the read-out of each bulb; ter(1) belongs to nobody. The
// step controls keep their whole numbers.
void Form1HandlersTest::runShowsTheOutdoorAirItUsed()
{
    Unit u;
    Form1 &form = u.form;
    const auto outdoor = [&form] {
        QList<double> shownAir;
        for (const char *display : {"iThermometerX1", "ter(3)", "itext1(0)", "iThermometerX2", "ter(4)", "itext1(1)"})
            shownAir << shown(form, display);
        return shownAir;
    };
    QCOMPARE(outdoor(), (QList<double>{23, 23, 23, 17, 17, 17}));   // from the start
    u.flipSwitch();
    QCOMPARE(outdoor(), (QList<double>{23, 23, 23, 17, 17, 17}));
    u.typeAndNudgeKnob({{"Text4", "24.5"}, {"Text1", "16.5"}}, Qt::Key_Up);
    QCOMPARE(u.runs.size(), size_t(2));
    QCOMPARE(outdoor(), (QList<double>{24.5, 24.5, 24.5, 16.5, 16.5, 16.5}));
    QCOMPARE(shown(form, "ter(1)"), 23.0);
    QCOMPARE((QList<int>{valueOf(form, "UpDown2"), valueOf(form, "UpDown5"), valueOf(form, "UpDown4"),
                         valueOf(form, "UpDown6")}),
             (QList<int>{23, 23, 17, 17}));
}

void Form1HandlersTest::unusableTextStopsTheRun_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("warning");   // "·" for the locale's decimal separator
    const QString foreignSeparator = QLocale().decimalPoint() == QLatin1String(",") ? "." : ",";
    const QString notANumber = " No se puede calcular: el dato de %1 no es un número (decimales con «·»).";
    QTest::newRow("dry bulb, letters") << QStringList{"Text4"} << QStringList{"abc"}
                                       << notANumber.arg("«Temperatura ambiente»");
    QTest::newRow("dry bulb, foreign decimal separator")
        << QStringList{"Text4"} << QStringList{"23" + foreignSeparator + "5"} << notANumber.arg("«Temperatura ambiente»");
    QTest::newRow("wet bulb, empty") << QStringList{"Text1"} << QStringList{""}
                                     << notANumber.arg("«Temperatura de Bulbo H.»");
    QTest::newRow("all four, named in the tab's order")
        << QStringList{"Text8", "Text1", "Text4", "Text3"} << QStringList{"x", "inf", " ", "1.013,0"}
        << " No se puede calcular: los datos de «Presión barométrica», «Temperatura ambiente», "
           "«Temperatura de Bulbo H.» y «Sobrecalentamiento evaporador» no son números (decimales con «·»).";

    // Numbers no air or refrigerant here can have.
    const QString outOfBand = " No se puede calcular: %1.";
    const QString dryBulbBand = "«Temperatura ambiente» debe estar entre -60 y 80 ºC";
    const QString pressureBand = "«Presión barométrica» debe estar entre 500 y 1200 mbar";
    const QString superheatBand = "«Sobrecalentamiento evaporador» debe estar entre 0 y 60 ºC";
    QTest::newRow("dry bulb 999999") << QStringList{"Text4"} << QStringList{"999999"} << outOfBand.arg(dryBulbBand);
    QTest::newRow("dry bulb just above 80") << QStringList{"Text4"} << QStringList{"80·01"} << outOfBand.arg(dryBulbBand);
    QTest::newRow("superheat 99999999999999") << QStringList{"Text8"} << QStringList{"99999999999999"}
                                              << outOfBand.arg(superheatBand);
    QTest::newRow("negative superheat") << QStringList{"Text8"} << QStringList{"-0·5"} << outOfBand.arg(superheatBand);
    QTest::newRow("pressure 0") << QStringList{"Text3"} << QStringList{"0"} << outOfBand.arg(pressureBand);
    QTest::newRow("pressure 12.5") << QStringList{"Text3"} << QStringList{"12·5"} << outOfBand.arg(pressureBand);
    QTest::newRow("wet bulb above the dry bulb")
        << QStringList{"Text4", "Text1"} << QStringList{"1", "15"}
        << outOfBand.arg("«Temperatura de Bulbo H.» no puede superar a «Temperatura ambiente»");
    QTest::newRow("both kinds at once")
        << QStringList{"Text1", "Text4", "Text3"} << QStringList{"-61", "abc", "1500"}
        << " No se puede calcular: el dato de «Temperatura ambiente» no es un número (decimales con «·»); "
           "«Presión barométrica» debe estar entre 500 y 1200 mbar; "
           "«Temperatura de Bulbo H.» debe estar entre -60 y 80 ºC.";
}

// The warning line names the boxes; what stands on the scheme, the chart and
// the diagram stays; no recalculation is announced. The next run with
// numbers goes through and empties the warning line.
void Form1HandlersTest::unusableTextStopsTheRun()
{
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, texts);
    QFETCH(QString, warning);
    Form1 form;
    designPowers(form);
    form.funci();
    const QVariantList design = snapshot(form, true);
    const QVariantList standing = snapshot(form, false);
    QStringList numbers;
    for (int i = 0; i < boxes.size(); ++i) {
        auto *edit = control<QLineEdit>(form, boxes[i]);
        numbers << edit->text();
        edit->setText(QString(texts[i]).replace(QStringLiteral("·"), QLocale().decimalPoint()));
    }
    // A run would change nearly every display: all the steam, no preheater.
    selector(form, "vapor1")->setPosition(5);
    selector(form, "prec")->setPosition(0);
    QSignalSpy recalculated(&form, &Form1::unitRecalculated);
    form.funci();
    QCOMPARE(recalculated.count(), 0);
    QCOMPARE(textOf(form, "Text23"), QString(warning).replace(QStringLiteral("·"), QLocale().decimalPoint()));
    QCOMPARE(control<QLineEdit>(form, "Text23")->cursorPosition(), 0);
    QCOMPARE(snapshot(form, false), standing);
    QCOMPARE((QStringList{control<iAnalogDisplayX>(form, "itext1", 8)->text(), textOf(form, "Text7(1)"),
                          textOf(form, "Text7(26)")}),
             QStringList(3, noReading()));

    for (int i = 0; i < boxes.size(); ++i)
        control<QLineEdit>(form, boxes[i])->setText(numbers[i]);
    selector(form, "vapor1")->setPosition(1);
    selector(form, "prec")->setPosition(1);
    form.funci();
    QCOMPARE(recalculated.count(), 1);
    QCOMPARE(snapshot(form, true), design);
}

// A typed 35 ºC and a superheat of 12.5 K lie beyond the arrows' reach but
// within what the relations cover: they are computed like any other input.
void Form1HandlersTest::typedNumbersTheArrowsCannotReachAreComputed()
{
    Unit u;
    Form1 &form = u.form;
    u.flipSwitch();
    u.typeAndNudgeKnob({{"Text4", "35"}, {"Text8", "12.5"}}, Qt::Key_Down);
    QCOMPARE(u.runs.size(), size_t(2));
    QCOMPARE(textOf(form, "Text23"), QString());

    UnitInputs in;
    in.T1 = 35;
    in.sh = 12.5;
    in.fanSetting = shown(form, "iKnobX1");
    in.steamPower = 0.85;
    in.preheatPower = in.reheatPower = 0.96;
    in.vapor1 = in.prec = in.rec = 1;
    const UnitResult r = computeUnit(in);
    QCOMPARE(textOf(form, "Text7(1)"), formatNumber(r.cycle.tsuc, QStringLiteral("###0.0")));
    QCOMPARE(textOf(form, "Text7(6)"), formatNumber(r.cycle.tdis, QStringLiteral("###0.0")));
    QCOMPARE(shown(form, "ter(7)"), r.s3.T);
    QCOMPARE(shown(form, "ter(3)"), 35.0);
}

// The figures a stopped run takes away are exactly those a run computes: the
// outdoor read-outs, which show its inputs, and the cells a run leaves alone
// keep what they hold.
void Form1HandlersTest::stoppedRunBlanksExactlyTheRunsFigures()
{
    Form1 form;
    const QList<iAnalogDisplayX *> readouts = elements<iAnalogDisplayX>(form, "itext1");
    const QList<QLineEdit *> cells = elements<QLineEdit>(form, "Text7");
    QCOMPARE(readouts.size() + cells.size(), 15 + 33);
    const auto markedRun = [&] {
        for (iAnalogDisplayX *readout : readouts)
            readout->setValue(-99);
        for (QLineEdit *cell : cells)
            cell->setText(QStringLiteral("x"));
        form.funci();
        QMap<QString, QString> changed;
        for (const iAnalogDisplayX *readout : readouts)
            if (readout->value() != -99)
                changed[readout->objectName()] = readout->text();
        for (const QLineEdit *cell : cells)
            if (cell->text() != QLatin1String("x"))
                changed[cell->objectName()] = cell->text();
        return changed;
    };
    const QMap<QString, QString> run = markedRun();
    QCOMPARE(run.size(), 15 + 16);
    control<QLineEdit>(form, "Text8")->setText(QStringLiteral("seis"));
    const QMap<QString, QString> stopped = markedRun();
    QStringList figures = run.keys();
    figures.removeOne(QStringLiteral("itext1(0)"));
    figures.removeOne(QStringLiteral("itext1(1)"));
    QCOMPARE(stopped.keys(), figures);
    QCOMPARE(stopped.values(), QStringList(figures.size(), noReading()));
}

void Form1HandlersTest::warningAppearsAndDisappears()
{
    Form1 form;
    control<iKnobX>(form, "iKnobX1")->setPosition(5.0);
    selector(form, "vapor1")->setPosition(5);
    form.funci();
    QCOMPARE(textOf(form, "Text23"),
             QStringLiteral(" Se han alcanzado condiciones de sobresaturación en el aire. Revise los "
                            "parámetros de funcionamiento. Se puede solucionar reduciendo la inyección "
                            "de vapor o precalentando el aire más intensamente."));
    QCOMPARE(control<QLineEdit>(form, "Text23")->cursorPosition(), 0);   // the long warning is read from its start
    selector(form, "prec")->setPosition(2);
    form.funci();
    QCOMPARE(textOf(form, "Text23"), QString());
}

// Saturated air at 80 ºC and 500 mbar warmed by the preheater leaves the range
// of the saturation pressure: from there on the states have no value. Their
// read-outs show no reading, and the chart path, which cannot reach them, is
// taken off with the cycle rather than drawn to the previous run's points.
// The next run that places the path puts both back.
void Form1HandlersTest::stateWithoutValueShowsNoReadingAndNoPath()
{
    Unit u;
    Form1 &form = u.form;
    u.flipSwitch();
    u.typeAndNudgeKnob({{"Text4", "80"}, {"Text1", "80"}, {"Text3", "500"}}, Qt::Key_Up);
    QCOMPARE(u.runs.size(), size_t(2));
    for (int i : {2, 3, 4, 5, 6, 7})
        QCOMPARE(control<iAnalogDisplayX>(form, "itext1", i)->text(), noReading());
    QCOMPARE(resultMarks(form), QList<bool>(16, false));

    u.typeAndNudgeKnob({{"Text4", "23"}, {"Text1", "17"}, {"Text3", "1013"}}, Qt::Key_Down);
    QCOMPARE(resultMarks(form), QList<bool>(16, true));
    QCOMPARE(snapshot(form, true), [&form] { Form1 fresh; designPowers(fresh); fresh.funci(); return snapshot(fresh, true); }());
}

void Form1HandlersTest::switchOnRunsOnceWithSelectorPowers_data()
{
    QTest::addColumn<Powers>("positions");
    QTest::newRow("design") << Powers{1, 1, 1};
    QTest::newRow("all at zero") << Powers{0, 0, 0};
    QTest::newRow("mixed") << Powers{5, 0, 2};
}

// One calculation, which already sees the selectors' powers.
void Form1HandlersTest::switchOnRunsOnceWithSelectorPowers()
{
    QFETCH(Powers, positions);
    Unit u;
    selector(u.form, "vapor1")->setPosition(int(positions[0]));
    selector(u.form, "prec")->setPosition(int(positions[1]));
    selector(u.form, "rec")->setPosition(int(positions[2]));
    QVERIFY(u.runs.empty());
    u.flipSwitch();
    QCOMPARE(runningUnitParts(u.form), kRunning);
    QCOMPARE(u.runs, (std::vector<Powers>{{positions[0] * 0.85, positions[1] * 0.96, positions[2] * 0.96}}));
}

// Switched on with a dry bulb that is not a number, the unit shows no chart
// path and no cycle that no calculation placed; the first run that can read
// its inputs puts them back.
void Form1HandlersTest::switchOnWithTextThatIsNotANumberPlacesNoPath()
{
    Unit u;
    Form1 &form = u.form;
    control<QLineEdit>(form, "Text4")->setText(QStringLiteral("abc"));
    u.flipSwitch();
    QVERIFY(u.runs.empty());
    QVERIFY(!textOf(form, "Text23").isEmpty());
    QCOMPARE(resultMarks(form), QList<bool>(16, false));
    const auto *dryBulbAfterPreheater = control<iAnalogDisplayX>(form, "itext1", 2);
    QVERIFY(!dryBulbAfterPreheater->isHidden());
    QCOMPARE(dryBulbAfterPreheater->text(), noReading());

    control<QLineEdit>(form, "Text4")->setText(QStringLiteral("23"));
    u.nudgeKnob(Qt::Key_Up);
    QCOMPARE(u.runs.size(), size_t(1));
    QVERIFY(textOf(form, "Text23").isEmpty());
    QCOMPARE(resultMarks(form), QList<bool>(16, true));
}

// Switching off resets what the running unit shows, whatever the compressor
// mark's blink phase, and keeps the warning line and the fan's last frame.
// Switching on again refills everything through a run.
void Form1HandlersTest::switchOffResetsTheRunningUnit()
{
    Unit u;
    Form1 &form = u.form;
    u.flipSwitch();
    const QVariantList running = snapshot(form, true);
    control<QLineEdit>(form, "Text23")->setText(QStringLiteral("aviso"));
    for (int tick = 0; tick < 3; ++tick)
        form.Timer3_Timer();   // the compressor mark in its dark phase
    form.Timer2_Timer();
    u.runs.clear();

    u.flipSwitch();
    QVERIFY(u.runs.empty());
    QCOMPARE(runningUnitParts(form), QList<bool>(kRunning.size(), false));
    QCOMPARE(barsShown(form), QStringLiteral("0000000"));
    for (const QLineEdit *cell : elements<QLineEdit>(form, "Text7"))
        QVERIFY2(cell->text().isEmpty(), qPrintable(cell->objectName()));
    const QStringList resetDisplays{"Image1.Top", "Disp1", "Line3.X2", "Line3.Y2"};
    QList<double> reset;
    for (const QString &display : resetDisplays)
        reset << shown(form, display);
    QCOMPARE(reset, (QList<double>{3750, 0, 5700, 2295}));
    QCOMPARE(textOf(form, "Text23"), QStringLiteral("aviso"));
    QCOMPARE(fanFrame(form), kSecondFrame);

    u.flipSwitch();
    QCOMPARE(u.runs.size(), size_t(1));
    QCOMPARE(snapshot(form, true), running);
    // The tachometer keeps its off colour for good.
    QCOMPARE(control<iSevenSegmentIntegerX>(form, "Disp1")->backgroundColor(), QColor(50, 100, 2));
}

void Form1HandlersTest::animation()
{
    Unit u;
    Form1 &form = u.form;
    // All blades stand before the first tick, which shows the second frame.
    QCOMPARE(fanFrame(form), QList<bool>(5, true));
    for (const QList<bool> &frame : {kSecondFrame, kFirstFrame, kSecondFrame}) {
        form.Timer2_Timer();
        QCOMPARE(fanFrame(form), frame);
        QVERIFY(isShown(control(form, "Shape4", 4)));
    }
    const QObject *mark = control(form, "Shape5");
    form.Timer3_Timer();
    QVERIFY(isShown(mark));
    // The timers tick while the unit is on.
    u.flipSwitch();
    QTRY_COMPARE_WITH_TIMEOUT(fanFrame(form), kFirstFrame, 1000);
    QTRY_VERIFY_WITH_TIMEOUT(!isShown(mark), 1000);
}

void Form1HandlersTest::selectorRamp_data()
{
    QTest::addColumn<Ramp>("ramp");
    for (const bool on : {true, false}) {
        const auto add = [on](Ramp ramp) {
            ramp.on = on;
            ramp.passes = on ? ramp.passes : 0;
            QTest::addRow("%s %d to %d, %s", ramp.selector, ramp.from, ramp.to, on ? "on" : "off") << ramp;
        };
        add({"prec", 1, 1, 0.96, 0, 1});   // unchanged: one pass
        add({"prec", 0, 1, 0, 0.05, 20});
        add({"prec", 2, 1, 1.92, -0.05, 20});
        add({"rec", 0, 2, 0, 0.05, 39});
        add({"vapor1", 1, 0, 0.85, -0.2, 5});
        add({"vapor1", 0, 1, 0, 0.05, 17});   // seventeen steps of 0.05 add up to a little more than 0.85
        add({"vapor1", 5, 0, 4.25, -0.2, 22});
    }
}

void Form1HandlersTest::selectorRamp()
{
    QFETCH(Ramp, ramp);
    Unit u;
    iSwitchRotaryX *turned = selector(u.form, ramp.selector);
    const auto element = size_t(QStringList{"vapor1", "prec", "rec"}.indexOf(QLatin1String(ramp.selector)));
    const double perPosition = element == 0 ? 0.85 : 0.96;
    u.turn(turned, ramp.from);
    QCOMPARE(powers(u.form)[element], ramp.from * perPosition);
    if (ramp.on)
        u.flipSwitch();
    u.runs.clear();

    // No event is handled between the passes, so only the last run of a ramp
    // can be seen: it alone writes the displays.
    QSignalSpy capacityWritten(control<QLineEdit>(u.form, "Text7", 26), &QLineEdit::textChanged);
    u.turn(turned, ramp.to);
    QCOMPARE(turned->position(), ramp.to);
    QVERIFY(capacityWritten.count() <= 1);
    // A ramp whose last pass stopped short of the target ends with one more
    // run at the target.
    const double target = ramp.to * perPosition;
    const bool stoppedShort = ramp.on && std::abs(ramp.first + (ramp.passes - 1) * ramp.step - target) > 1e-9;
    QCOMPARE(int(u.runs.size()), ramp.passes + int(stoppedShort));
    for (int k = 0; k < ramp.passes; ++k)
        QVERIFY2(std::abs(u.runs[size_t(k)][element] - (ramp.first + k * ramp.step)) < 1e-9,
                 qPrintable(QString::number(k)));
    if (stoppedShort)
        QCOMPARE(u.runs.back()[element], target);
    QCOMPARE(powers(u.form)[element], target);
    // What the displays show is a fresh calculation at the selector's position.
    if (ramp.on) {
        const QVariantList ramped = snapshot(u.form, true);
        u.form.funci();
        QCOMPARE(snapshot(u.form, true), ramped);
    }
}

void Form1HandlersTest::stepControls_data()
{
    QTest::addColumn<Step>("step");
    QTest::newRow("dry down, above wet") << Step{"UpDown2", false, true, 23, 17, 22, 17, 1};
    QTest::newRow("dry down under wet") << Step{"UpDown2", false, true, 20, 20, 19, 19, 2};
    QTest::newRow("dry down under wet, off") << Step{"UpDown2", false, false, 20, 20, 19, 19, 0};
    QTest::newRow("wet up over dry") << Step{"UpDown4", true, true, 20, 20, 21, 21, 2};
    QTest::newRow("wet up, under dry") << Step{"UpDown4", true, true, 23, 17, 23, 18, 1};
    QTest::newRow("both at the top") << Step{"UpDown4", true, true, 30, 30, 30, 30, 0};
    QTest::newRow("scheme dry under wet") << Step{"UpDown5", false, true, 20, 20, 19, 19, 2};
    QTest::newRow("scheme wet over dry, off") << Step{"UpDown6", true, false, 20, 20, 21, 21, 0};
    for (const bool on : {true, false}) {
        QTest::addRow("pressure, %s", on ? "on" : "off") << Step{"UpDown1", true, on, 23, 17, 23, 17, int(on)};
        QTest::addRow("superheat, %s", on ? "on" : "off") << Step{"UpDown3", true, on, 23, 17, 23, 17, int(on)};
        QTest::addRow("fan knob, %s", on ? "on" : "off") << Step{"iKnobX1", true, on, 23, 17, 23, 17, int(on)};
    }
}

// A lowered dry bulb pushes the wet bulb down with it (and a raised wet bulb
// the dry bulb up): two runs while on, one inside the other's handler. The
// other step controls and the fan knob recalculate only while the unit is on.
void Form1HandlersTest::stepControls()
{
    QFETCH(Step, step);
    Unit u;
    Form1 &form = u.form;
    for (const char *dry : {"UpDown2", "UpDown5"})
        control<UpDown>(form, dry)->setValue(step.dry);
    for (const char *wet : {"UpDown4", "UpDown6"})
        control<UpDown>(form, wet)->setValue(step.wet);
    if (step.on)
        u.flipSwitch();
    u.runs.clear();

    if (auto *arrows = form.findChild<UpDown *>(step.control))
        u.step(arrows, step.up);
    else
        u.nudgeKnob(Qt::Key_Up);
    QCOMPARE(int(u.runs.size()), step.runs);
    QCOMPARE(textOf(form, "Text4"), QString::number(step.newDry));
    QCOMPARE(textOf(form, "Text1"), QString::number(step.newWet));
    // A temperature that changed shows on both its thermometers and its read-out.
    if (step.newDry != step.dry)
        QCOMPARE((QList<double>{shown(form, "iThermometerX1"), shown(form, "ter(3)"), shown(form, "itext1(0)")}),
                 QList<double>(3, step.newDry));
    if (step.newWet != step.wet)
        QCOMPARE((QList<double>{shown(form, "iThermometerX2"), shown(form, "ter(4)"), shown(form, "itext1(1)")}),
                 QList<double>(3, step.newWet));
    // The scheme's step controls hold the values of their twins on the "Datos" tab.
    QCOMPARE(valueOf(form, "UpDown5"), step.newDry);
    QCOMPARE(valueOf(form, "UpDown6"), step.newWet);
}

void Form1HandlersTest::twinStepControlsHoldOneValue_data()
{
    QTest::addColumn<QString>("clicks");   // "2-" a click on UpDown2's lower arrow, ...
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("dry");
    QTest::addColumn<int>("wet");
    QTest::addColumn<int>("runs");
    const auto times = [](const char *click, int n) { return QStringList(n, QLatin1String(click)).join(' '); };
    QTest::newRow("scheme up after three down on the tab") << "2- 2- 2- 5+" << true << 21 << 17 << 4;
    QTest::newRow("tab down after two up on the scheme") << "5+ 5+ 2-" << true << 24 << 17 << 3;
    QTest::newRow("scheme wet bulb after the tab pushed it down")
        << times("2-", 7) + " 6+" << true << 17 << 17 << 6 + 2 + 2;
    QTest::newRow("scheme wet bulb down after the dry bulb fell, off")
        << times("6+", 13) + ' ' + times("2-", 12) + " 6-" << false << 18 << 17 << 0;
}

// Two step controls of one temperature always hold the same value, so a click
// on either steps from the value shown; each click raises the clicked
// control's change once.
void Form1HandlersTest::twinStepControlsHoldOneValue()
{
    QFETCH(QString, clicks);
    QFETCH(bool, on);
    QFETCH(int, dry);
    QFETCH(int, wet);
    QFETCH(int, runs);
    Unit u;
    Form1 &form = u.form;
    if (on)
        u.flipSwitch();
    u.runs.clear();
    for (const QString &click : clicks.split(' ')) {
        auto *arrows = control<UpDown>(form, "UpDown" + click.left(1));
        QSignalSpy changes(arrows, &UpDown::Change);
        u.step(arrows, click.endsWith('+'));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(valueOf(form, "UpDown5"), valueOf(form, "UpDown2"));
        QCOMPARE(valueOf(form, "UpDown6"), valueOf(form, "UpDown4"));
    }
    QCOMPARE((QStringList{textOf(form, "Text4"), textOf(form, "Text1")}),
             (QStringList{QString::number(dry), QString::number(wet)}));
    QCOMPARE((QList<double>{shown(form, "itext1(0)"), shown(form, "itext1(1)")}), (QList<double>{double(dry), double(wet)}));
    QCOMPARE(int(u.runs.size()), runs);
}

void Form1HandlersTest::stepStartsFromTypedNumber_data()
{
    QTest::addColumn<TypedStep>("step");
    const TypedStep steps[] = {
        {"Text4", "24.5", "UpDown2", true, "25 17 1013 6", 1},
        {"Text4", "24.5", "UpDown2", false, "24 17 1013 6", 1},
        {"Text4", "24.5", "UpDown5", true, "25 17 1013 6", 1},   // the scheme's twin steps from it too
        {"Text4", "22", "UpDown2", true, "23 17 1013 6", 1},     // back to the value held, shown and run again
        {"Text4", "22.5", "UpDown5", true, "23 17 1013 6", 1},
        {"Text4", "23.5", "UpDown5", false, "23 17 1013 6", 1},
        {"Text4", "35", "UpDown2", true, "24 17 1013 6", 1},     // beyond the range: from the value held
        {"Text4", "abc", "UpDown2", true, "24 17 1013 6", 1},
        {"Text1", "16.5", "UpDown4", false, "23 16 1013 6", 1},
        {"Text1", "22.5", "UpDown6", true, "23 23 1013 6", 1},
        {"Text1", "23.5", "UpDown4", true, "24 24 1013 6", 2},   // the dry bulb follows
        {"Text4", "16", "UpDown4", true, "18 18 1013 6", 2},     // ... also from a typed dry bulb
        {"Text1", "22.5", "UpDown2", false, "22 22 1013 6", 2},  // and the wet bulb from a typed one
        {"Text3", "1000.5", "UpDown1", false, "23 17 1000 6", 1},
        {"Text8", "6.5", "UpDown3", true, "23 17 1013 7", 1},
        {"Text8", "4.5", "UpDown3", false, "23 17 1013 4", 1},
    };
    for (const TypedStep &s : steps)
        QTest::addRow("%s %s, %s %s", s.box, s.typed, s.control, s.up ? "up" : "down") << s;
}

// After the student types a number into a box, the next click on a step
// control of that quantity starts from the typed number, when it lies within
// the control's range: up to the next whole number above it, down to the next
// below it.
void Form1HandlersTest::stepStartsFromTypedNumber()
{
    QFETCH(TypedStep, step);
    Unit u;
    Form1 &form = u.form;
    u.flipSwitch();
    u.runs.clear();
    u.type(step.box, QLatin1String(step.typed));
    auto *arrows = control<UpDown>(form, step.control);
    QSignalSpy changes(arrows, &UpDown::Change);
    u.step(arrows, step.up);
    QCOMPARE(changes.count(), 1);
    QCOMPARE((QStringList{textOf(form, "Text4"), textOf(form, "Text1"), textOf(form, "Text3"), textOf(form, "Text8")})
                 .join(' '),
             QLatin1String(step.texts));
    QCOMPARE(int(u.runs.size()), step.runs);
    QCOMPARE(valueOf(form, "UpDown2"), textOf(form, "Text4").toInt());
    QCOMPARE(valueOf(form, "UpDown5"), valueOf(form, "UpDown2"));
    QCOMPARE(valueOf(form, "UpDown6"), valueOf(form, "UpDown4"));
}

// A typed wet bulb below the wet bulb's step control does not let the dry bulb
// be stepped below the step control: both step controls and every display
// keep the wet bulb at or below the dry bulb.
void Form1HandlersTest::bulbsStayInOrderAcrossTypedAndStepped()
{
    Unit u;
    Form1 &form = u.form;
    u.flipSwitch();
    for (int i = 0; i < 6; ++i)
        u.step(control<UpDown>(form, "UpDown6"), true);   // 23 / 23
    u.type("Text1", QStringLiteral("12"));
    u.step(control<UpDown>(form, "UpDown2"), false);
    QCOMPARE((QList<int>{valueOf(form, "UpDown2"), valueOf(form, "UpDown4")}), (QList<int>{22, 22}));
    QCOMPARE((QStringList{textOf(form, "Text4"), textOf(form, "Text1")}), (QStringList{"22", "22"}));
    QCOMPARE((QList<double>{shown(form, "iThermometerX1"), shown(form, "iThermometerX2")}), (QList<double>{22, 22}));

    // A run shows a typed 20.5 ºC; then the box holds no number, and the wet
    // bulb is stepped to 21 ºC: the dry bulb's displays show its step control.
    Unit v;
    v.flipSwitch();
    v.type("Text4", QStringLiteral("20.5"));
    v.nudgeKnob(Qt::Key_Up);
    QCOMPARE(shown(v.form, "iThermometerX1"), 20.5);
    v.type("Text4", QStringLiteral("abc"));
    for (int i = 0; i < 4; ++i)
        v.step(control<UpDown>(v.form, "UpDown4"), true);
    QCOMPARE((QList<double>{shown(v.form, "iThermometerX1"), shown(v.form, "ter(3)"), shown(v.form, "itext1(0)"),
                            shown(v.form, "iThermometerX2")}),
             (QList<double>{23, 23, 23, 21}));
}

QTEST_MAIN(Form1HandlersTest)
#include "tst_form1_handlers.moc"
