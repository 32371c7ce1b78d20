#include "form1.h"

#include "ianalogdisplayx.h"
#include "iangulargaugex.h"
#include "iknobx.h"
#include "isevensegmentintegerx.h"
#include "iswitchrockerx.h"
#include "iswitchrotaryx.h"
#include "ithermometerx.h"
#include "number_format.h"
#include "sstab.h"
#include "surface_items.h"
#include "updown.h"

#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <array>
#include <cmath>
#include <vector>

namespace {

using Powers = std::array<double, 3>;   // steam, preheat, reheat, kW

// Every calculation of the unit, with the element powers it saw.
void recordRuns(Form1 &form, std::vector<Powers> &runs)
{
    QObject::connect(&form, &Form1::unitRecalculated, &form, [&] {
        runs.push_back({form.steamPower(), form.preheatPower(), form.reheatPower()});
    });
}

void show(Form1 &form)
{
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
}

void clickArrow(UpDown *control, bool up)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(control->width() / 2, control->height() * (up ? 1 : 3) / 4));
}

// Blades 0..3 of the condenser fan and Line5.
QList<bool> fanFrame(const Form1 &form)
{
    QList<bool> parts;
    for (size_t i = 0; i < 4; ++i)
        parts << form.Shape4[i]->Visible();
    return parts << form.Line5->Visible();
}
const QList<bool> kFirstFrame{true, true, false, false, false};
const QList<bool> kSecondFrame{false, false, true, true, true};

void verifyRunningUnitShown(const Form1 &form, bool shown)
{
    QCOMPARE(form.Shape5->Visible(), shown);
    QCOMPARE(form.Shape6->Visible(), shown);
    QCOMPARE(form.Timer2->isActive(), shown);
    QCOMPARE(form.Timer3->isActive(), shown);
    for (size_t i = 0; i < 4; ++i) {
        QCOMPARE(form.Line1[i]->Visible(), shown);
        QCOMPARE(form.Label2[i]->Visible(), shown);
        QCOMPARE(form.Line4[i + 4]->Visible(), shown);
        QCOMPARE(form.Label11[i + 8]->Visible(), shown);
    }
    for (size_t i = 0; i < form.itext1.size(); ++i)
        QCOMPARE(!form.itext1[i]->isHidden(), shown && i != 10);
}

QList<double> outdoorInstruments(const Form1 &form)
{
    QList<double> values{form.iThermometerX1->position(), form.iThermometerX2->position(),
                         form.GaugeX1->position(), form.GaugeX2->position()};
    for (const iThermometerX *thermometer : form.ter)
        values << (thermometer ? thermometer->position() : 0.0);
    return values;
}

// Replaces the text of a box on the "Datos" tab by typing.
void typeInto(Form1 &form, QLineEdit *box, const QString &text)
{
    form.SSTab1->setTab(0);
    box->clear();
    QTest::keyClicks(box, text);
    QCOMPARE(box->text(), text);
}

// One recalculation through the knob, a step control or a selector.
void operate(Form1 &form, const QString &control)
{
    if (control == "iKnobX1")
        QTest::keyClick(form.iKnobX1, Qt::Key_Up);
    else if (control == "UpDown3")
        clickArrow(form.UpDown3, true);
    else
        QTest::mouseClick(form.vapor1, Qt::LeftButton, {}, form.vapor1->labelRect(2).center().toPoint());
}

// What the running unit's read-outs and cycle table show.
QStringList figures(const Form1 &form)
{
    QStringList shown;
    for (size_t i = 2; i < form.itext1.size(); ++i)
        shown << form.itext1[i]->text();
    for (const QLineEdit *cell : form.Text7)
        shown << cell->text();
    return shown;
}

} // namespace

class Form1HandlersTest : public QObject
{
    Q_OBJECT

private slots:
    void switchOnRunsOnceWithSelectorPowers_data();
    void switchOnRunsOnceWithSelectorPowers();
    void switchOffResetsTheRunningUnit();
    void animation();
    void selectorRamp_data();
    void selectorRamp();
    void outdoorTemperatureCoupling_data();
    void outdoorTemperatureCoupling();
    void knobAndStepControlsRecalculateOnlyWhileOn_data();
    void knobAndStepControlsRecalculateOnlyWhileOn();
    void switchingOnWithTextThatIsNotANumber_data();
    void switchingOnWithTextThatIsNotANumber();
};

void Form1HandlersTest::switchOnRunsOnceWithSelectorPowers_data()
{
    QTest::addColumn<Powers>("positions");
    QTest::newRow("design") << Powers{1, 1, 1};
    QTest::newRow("all at zero") << Powers{0, 0, 0};
    QTest::newRow("mixed") << Powers{5, 0, 2};
}

void Form1HandlersTest::switchOnRunsOnceWithSelectorPowers()
{
    QFETCH(Powers, positions);
    Form1 form;
    show(form);
    std::vector<Powers> runs;
    recordRuns(form, runs);
    form.vapor1->setPosition(int(positions[0]));
    form.prec->setPosition(int(positions[1]));
    form.rec->setPosition(int(positions[2]));
    QVERIFY(runs.empty());

    QTest::mouseClick(form.interruptor, Qt::LeftButton);
    verifyRunningUnitShown(form, true);
    // One calculation, which already sees the selectors' powers.
    QCOMPARE(runs.size(), size_t(1));
    const Powers expected{positions[0] * 0.85, positions[1] * 0.96, positions[2] * 0.96};
    QCOMPARE(runs[0], expected);
}

void Form1HandlersTest::switchOffResetsTheRunningUnit()
{
    Form1 form;
    show(form);
    std::vector<Powers> runs;
    recordRuns(form, runs);
    QTest::mouseClick(form.interruptor, Qt::LeftButton);
    // What a running unit leaves on the window.
    for (QLineEdit *cell : form.Text7)
        cell->setText(QStringLiteral("1.5"));
    for (SurfaceLine *element : form.Line6)
        element->setVisible(true);
    form.Image1->setTop(3000);
    form.Disp1->setValue(2300);
    form.Line3->setX2(5800);
    form.Line3->setY2(2200);
    form.Text23->setText(QStringLiteral("aviso"));
    for (int tick = 0; tick < 3; ++tick)
        form.Timer3_Timer();   // the compressor mark in its dark phase
    form.Timer2_Timer();
    const QList<double> instruments = outdoorInstruments(form);
    runs.clear();

    QTest::mouseClick(form.interruptor, Qt::LeftButton);
    QVERIFY(runs.empty());
    verifyRunningUnitShown(form, false);
    for (SurfaceLine *element : form.Line6)
        QVERIFY(!element->Visible());
    for (QLineEdit *cell : form.Text7)
        QVERIFY2(cell->text().isEmpty(), qPrintable(cell->objectName()));
    QCOMPARE(form.Image1->Top(), 3750.0f);
    QCOMPARE(form.Disp1->value(), 0);
    QCOMPARE(form.Line3->X2(), 5700.0f);
    QCOMPARE(form.Line3->Y2(), 2295.0f);
    QCOMPARE(outdoorInstruments(form), instruments);
    QCOMPARE(form.Text23->text(), QStringLiteral("aviso"));
    QCOMPARE(fanFrame(form), kSecondFrame);

    // The tachometer keeps its off colour for good, also through a run.
    QTest::mouseClick(form.interruptor, Qt::LeftButton);
    QCOMPARE(runs.size(), size_t(1));
    QCOMPARE(form.Disp1->backgroundColor(), QColor(50, 100, 2));
}

void Form1HandlersTest::animation()
{
    Form1 form;
    show(form);
    // All blades stand before the first tick, which shows the second frame.
    QCOMPARE(fanFrame(form), (QList<bool>{true, true, true, true, true}));
    for (const QList<bool> &frame : {kSecondFrame, kFirstFrame, kSecondFrame}) {
        form.Timer2_Timer();
        QCOMPARE(fanFrame(form), frame);
        QVERIFY(form.Shape4[4]->Visible());
    }
    form.Timer3_Timer();
    QVERIFY(form.Shape5->Visible());

    // Real ticks run only while the unit is on.
    form.Timer3_Timer();
    QTest::qWait(250);
    QCOMPARE(fanFrame(form), kSecondFrame);
    QTest::mouseClick(form.interruptor, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(fanFrame(form), kFirstFrame, 1000);
    QTRY_COMPARE_WITH_TIMEOUT(fanFrame(form), kSecondFrame, 1000);
    QTRY_VERIFY_WITH_TIMEOUT(!form.Shape5->Visible(), 1000);
    QTRY_VERIFY_WITH_TIMEOUT(form.Shape5->Visible(), 1000);
    QTest::mouseClick(form.interruptor, Qt::LeftButton);
    const QList<bool> stopped = fanFrame(form);
    QTest::qWait(250);
    QCOMPARE(fanFrame(form), stopped);
    QVERIFY(!form.Shape5->Visible());
}

void Form1HandlersTest::selectorRamp_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("on");
    QTest::addColumn<double>("first");   // power at the first pass
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("passes");

    auto add = [](const char *name, const char *selector, int from, int to, double first, double step, int passes) {
        QTest::addRow("%s, on", name) << selector << from << to << true << first << step << passes;
        QTest::addRow("%s, off", name) << selector << from << to << false << first << step << 0;
    };
    add("prec unchanged", "prec", 1, 1, 0.96, 0, 1);
    add("vapor1 unchanged", "vapor1", 3, 3, 2.55, 0, 1);
    add("prec 0 to 1", "prec", 0, 1, 0, 0.05, 20);
    add("prec 2 to 1", "prec", 2, 1, 1.92, -0.05, 20);
    add("rec 0 to 2", "rec", 0, 2, 0, 0.05, 39);
    add("vapor1 1 to 0", "vapor1", 1, 0, 0.85, -0.2, 5);
    // Seventeen steps of 0.05 add up to a little more than 0.85.
    add("vapor1 0 to 1", "vapor1", 0, 1, 0, 0.05, 17);
    add("vapor1 5 to 0", "vapor1", 5, 0, 4.25, -0.2, 22);
}

void Form1HandlersTest::selectorRamp()
{
    QFETCH(QString, selector);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, on);
    QFETCH(double, first);
    QFETCH(double, step);
    QFETCH(int, passes);

    Form1 form;
    show(form);
    auto *control = form.findChild<iSwitchRotaryX *>(selector);
    const size_t element = selector == "vapor1" ? 0 : selector == "prec" ? 1 : 2;
    const double perPosition = element == 0 ? 0.85 : 0.96;
    auto power = [&] { return Powers{form.steamPower(), form.preheatPower(), form.reheatPower()}[element]; };
    auto click = [&](int position) {
        QTest::mouseClick(control, Qt::LeftButton, {}, control->labelRect(position).center().toPoint());
    };
    click(from);
    QCOMPARE(power(), from * perPosition);
    if (on)
        QTest::mouseClick(form.interruptor, Qt::LeftButton);
    std::vector<Powers> runs;
    recordRuns(form, runs);

    click(to);
    QCOMPARE(control->position(), to);
    QCOMPARE(int(runs.size()), passes);
    for (int k = 0; k < passes; ++k)
        QVERIFY2(std::abs(runs[size_t(k)][element] - (first + k * step)) < 1e-9, qPrintable(QString::number(k)));
    // The power lands on the selector's value exactly, with no calculation after it.
    QCOMPARE(power(), to * perPosition);
}

void Form1HandlersTest::outdoorTemperatureCoupling_data()
{
    QTest::addColumn<int>("dry");
    QTest::addColumn<int>("wet");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("newDry");
    QTest::addColumn<int>("newWet");
    QTest::addColumn<int>("runs");

    QTest::newRow("dry down, above wet") << 23 << 17 << "UpDown2" << false << true << 22 << 17 << 1;
    QTest::newRow("dry down under wet") << 20 << 20 << "UpDown2" << false << true << 19 << 19 << 2;
    QTest::newRow("dry down under wet, off") << 20 << 20 << "UpDown2" << false << false << 19 << 19 << 0;
    QTest::newRow("wet up over dry") << 20 << 20 << "UpDown4" << true << true << 21 << 21 << 2;
    QTest::newRow("wet up, under dry") << 23 << 17 << "UpDown4" << true << true << 23 << 18 << 1;
    QTest::newRow("both at the top") << 30 << 30 << "UpDown4" << true << true << 30 << 30 << 0;
    QTest::newRow("scheme dry under wet") << 20 << 20 << "UpDown5" << false << true << 19 << 19 << 2;
    QTest::newRow("scheme wet over dry, off") << 20 << 20 << "UpDown6" << true << false << 21 << 21 << 0;
}

void Form1HandlersTest::outdoorTemperatureCoupling()
{
    QFETCH(int, dry);
    QFETCH(int, wet);
    QFETCH(QString, control);
    QFETCH(bool, up);
    QFETCH(bool, on);
    QFETCH(int, newDry);
    QFETCH(int, newWet);
    QFETCH(int, runs);

    Form1 form;
    show(form);
    for (UpDown *step : {form.UpDown2, form.UpDown5})
        step->setValue(dry);
    for (UpDown *step : {form.UpDown4, form.UpDown6})
        step->setValue(wet);
    if (on)
        QTest::mouseClick(form.interruptor, Qt::LeftButton);
    std::vector<Powers> log;
    recordRuns(form, log);

    clickArrow(form.findChild<UpDown *>(control), up);
    QCOMPARE(int(log.size()), runs);
    QCOMPARE(form.Text4->text(), QString::number(newDry));
    QCOMPARE(form.Text1->text(), QString::number(newWet));
    // A temperature that changed shows on both its thermometers and its read-out.
    if (newDry != dry) {
        for (double t : {form.iThermometerX1->position(), form.ter[3]->position(), form.itext1[0]->value()})
            QCOMPARE(t, double(newDry));
    }
    if (newWet != wet) {
        for (double t : {form.iThermometerX2->position(), form.ter[4]->position(), form.itext1[1]->value()})
            QCOMPARE(t, double(newWet));
    }
    // The data tab's step controls never drive the scheme's.
    QCOMPARE(form.UpDown5->Value(), control == "UpDown5" ? newDry : dry);
    QCOMPARE(form.UpDown6->Value(), control == "UpDown6" ? newWet : wet);
}

void Form1HandlersTest::knobAndStepControlsRecalculateOnlyWhileOn_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("on");
    for (bool on : {true, false}) {
        for (const char *control : {"iKnobX1", "UpDown1", "UpDown3"})
            QTest::addRow("%s %s", control, on ? "on" : "off") << control << on;
    }
}

void Form1HandlersTest::knobAndStepControlsRecalculateOnlyWhileOn()
{
    QFETCH(QString, control);
    QFETCH(bool, on);
    Form1 form;
    show(form);
    if (on)
        QTest::mouseClick(form.interruptor, Qt::LeftButton);
    std::vector<Powers> runs;
    recordRuns(form, runs);

    if (control == "iKnobX1") {
        QTest::keyClick(form.iKnobX1, Qt::Key_Up);
        QCOMPARE(form.iKnobX1->position(), 8.1);
    } else {
        clickArrow(form.findChild<UpDown *>(control), true);
        QCOMPARE((control == "UpDown1" ? form.Text3 : form.Text8)->text(), control == "UpDown1" ? "1014" : "7");
    }
    QCOMPARE(int(runs.size()), on ? 1 : 0);
}

void Form1HandlersTest::switchingOnWithTextThatIsNotANumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("corrected");
    QTest::addColumn<QString>("control");

    // The locale's decimal separator makes a number, the other one does not.
    const QString separator = QLocale().decimalPoint();
    const QString foreign = separator == QLatin1String(",") ? QStringLiteral(".") : QStringLiteral(",");
    QTest::newRow("letters, knob step") << "abc" << "23" << "iKnobX1";
    QTest::newRow("foreign separator, superheat step") << "23" + foreign + "5" << "23" + separator + "5" << "UpDown3";
    QTest::newRow("letters, steam ramp") << "abc" << "26" + separator + "25" << "vapor1";
}

// Switched on with no number in the dry bulb box, the unit names the box on
// the warning line and its read-outs and cycle table show no figures, neither
// design values nor any from an earlier run. A number typed in takes effect at
// the next recalculation, which shows what a unit started with that number
// would show.
void Form1HandlersTest::switchingOnWithTextThatIsNotANumber()
{
    QFETCH(QString, typed);
    QFETCH(QString, corrected);
    QFETCH(QString, control);
    Form1 form;
    show(form);
    QTest::mouseClick(form.interruptor, Qt::LeftButton);   // an earlier run...
    QTest::mouseClick(form.interruptor, Qt::LeftButton);   // ...and its read-outs
    typeInto(form, form.Text4, typed);
    std::vector<Powers> runs;
    recordRuns(form, runs);

    QTest::mouseClick(form.interruptor, Qt::LeftButton);
    QVERIFY(runs.empty());
    verifyRunningUnitShown(form, true);
    QVERIFY2(form.Text23->text().startsWith(
                 QStringLiteral(" No se puede calcular: el dato de «Temperatura ambiente» no es un número")),
             qPrintable(form.Text23->text()));
    for (size_t i = 2; i < form.itext1.size(); ++i)
        QCOMPARE(form.itext1[i]->text(), noReading());
    for (size_t i : {0, 1, 3, 6, 7, 9, 11, 12, 14, 16, 17, 19, 20, 26, 29, 32})
        QCOMPARE(form.Text7[i]->text(), noReading());

    typeInto(form, form.Text4, corrected);
    QVERIFY(runs.empty());
    QVERIFY(!form.Text23->text().isEmpty());
    operate(form, control);
    QVERIFY(!runs.empty());

    Form1 reference;
    show(reference);
    typeInto(reference, reference.Text4, corrected);
    QTest::mouseClick(reference.interruptor, Qt::LeftButton);
    operate(reference, control);
    QCOMPARE(form.Text23->text(), QString());
    QVERIFY(!figures(reference).contains(noReading()));
    QCOMPARE(figures(form), figures(reference));
}

QTEST_MAIN(Form1HandlersTest)
#include "tst_form1_handlers.moc"
