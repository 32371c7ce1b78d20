#include "form1.h"

#include "ianalogdisplayx.h"
#include "iknobx.h"
#include "isevensegmentintegerx.h"
#include "iswitchrockerx.h"
#include "iswitchrotaryx.h"
#include "ithermometerx.h"
#include "surface_items.h"
#include "unit_geometry.h"
#include "updown.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// Element power per selector position, kW.
constexpr double kSteamPerPosition = 0.85;
constexpr double kHeaterPerPosition = 0.96;

// Steps of the power ramps, kW. The steam generator comes down four times as
// fast as it goes up; the heaters go both ways at the same pace.
constexpr double kRisingStep = 0.05;
constexpr double kSteamFallingStep = -0.2;
constexpr double kHeaterFallingStep = -0.05;

// The tachometer's window once the unit has been switched off.
constexpr QColor kTachometerOffColour(50, 100, 2);

// The chart's point letters A to D and the four legs of the air's path.
constexpr int kFirstChartLetter = 8;
constexpr int kLastChartLetter = 11;
constexpr int kFirstPathLine = 4;
constexpr int kLastPathLine = 7;

// The read-out that stays dark while the unit runs.
constexpr size_t kUnusedReadout = 10;

// A selector's position as a whole number on its dial. A position written from
// code beyond the labels counts as the nearest end, where the pointer shows it.
int selectorPosition(const iSwitchRotaryX *selector)
{
    const int last = std::max(0, int(selector->labels().size()) - 1);
    return std::clamp(selector->position(), 0, last);
}

void recalculateIfOn(Form1 &form)
{
    if (form.interruptor->isOn())
        form.funci();
}

template <typename Item, size_t N>
void setVisible(const std::array<Item *, N> &items, int first, int last, bool visible)
{
    for (int i = first; i <= last; ++i)
        items[size_t(i)]->setVisible(visible);
}

// The cycle on the pressure-enthalpy diagram: each line, then its point number.
void setCycleVisible(Form1 &form, bool visible)
{
    for (size_t i = 0; i < form.Line1.size(); ++i) {
        form.Line1[i]->setVisible(visible);
        form.Label2[i]->setVisible(visible);
    }
}

void setReadoutsVisible(Form1 &form, bool visible)
{
    for (iAnalogDisplayX *readout : form.itext1)
        readout->setVisible(visible);
}

// The unit starts: one calculation, then the running unit's marks, animation,
// cycle, chart path and read-outs come up (the cycle and the path only when
// the calculation could place them).
void showRunningUnit(Form1 &form)
{
    form.funci();
    form.Shape5->setVisible(true);
    form.Shape6->setVisible(true);
    form.Timer2->start();
    form.Timer3->start();
    if (!form.resultsWithdrawn) {
        setCycleVisible(form, true);
        setVisible(form.Label11, kFirstChartLetter, kLastChartLetter, true);
        setVisible(form.Line4, kFirstPathLine, kLastPathLine, true);
    }
    setReadoutsVisible(form, true);
    form.itext1[kUnusedReadout]->setVisible(false);
}

// The unit stops: the animation halts, the results disappear and the moving
// indicators go back to rest. The thermometers, gauges, warning line and the
// condenser fan's frame keep what they show.
void showUnitAtRest(Form1 &form)
{
    form.Timer2->stop();
    form.Timer3->stop();
    form.Shape5->setVisible(false);
    form.Disp1->setBackgroundColor(kTachometerOffColour);
    form.Shape6->setVisible(false);
    setReadoutsVisible(form, false);
    setCycleVisible(form, false);
    setVisible(form.Line4, kFirstPathLine, kLastPathLine, false);
    setVisible(form.Label11, kFirstChartLetter, kLastChartLetter, false);
    for (SurfaceLine *element : form.Line6)
        element->setVisible(false);
    for (QLineEdit *cell : form.Text7)
        cell->setText(QString());
    form.Image1->setTop(unit_scheme::kFloatRestTop);
    form.Disp1->setValue(0);
    form.Line3->setX2(unit_scheme::kManometerRestEnd.x);
    form.Line3->setY2(unit_scheme::kManometerRestEnd.y);
}

// An outdoor temperature on the "Datos" tab's thermometer, the scheme's
// thermometer and the scheme's read-out.
void showOutdoorTemperature(iThermometerX *dataThermometer, iThermometerX *schemeThermometer,
                            iAnalogDisplayX *readout, double t)
{
    dataThermometer->setPosition(t);
    schemeThermometer->setPosition(t);
    readout->setValue(t);
}

// The scheme's step control of an outdoor temperature follows its twin on the
// "Datos" tab without raising a change of its own, so that both hold one
// value and a click on either steps from the temperature shown.
void bringAlong(UpDown *twin, int value)
{
    const QSignalBlocker quiet(twin);
    twin->setValue(value);
}

} // namespace

void Form1::showOutdoorDryBulb(double t)
{
    showOutdoorTemperature(iThermometerX1, ter[3], itext1[0], t);
}

void Form1::showOutdoorWetBulb(double t)
{
    showOutdoorTemperature(iThermometerX2, ter[4], itext1[1], t);
}

void Form1::connectPanelHandlers()
{
    // Direct connections throughout: a handler that writes a step control runs
    // the other control's handler nested, before it goes on.
    connect(interruptor, &iSwitchRockerX::changed, this, &Form1::interruptor_Change, Qt::DirectConnection);
    connect(Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer, Qt::DirectConnection);
    connect(Timer3, &QTimer::timeout, this, &Form1::Timer3_Timer, Qt::DirectConnection);
    connect(iKnobX1, &iKnobX::changed, this, &Form1::iKnobX1_Change, Qt::DirectConnection);

    const std::pair<iSwitchRotaryX *, void (Form1::*)()> selectors[] = {
        {vapor1, &Form1::vapor1_Change},
        {prec, &Form1::prec_Change},
        {rec, &Form1::rec_Change},
    };
    for (const auto &[selector, handler] : selectors)
        connect(selector, &iSwitchRotaryX::changed, this, handler, Qt::DirectConnection);

    const std::pair<UpDown *, void (Form1::*)()> stepControls[] = {
        {UpDown1, &Form1::UpDown1_Change}, {UpDown2, &Form1::UpDown2_Change},
        {UpDown3, &Form1::UpDown3_Change}, {UpDown4, &Form1::UpDown4_Change},
        {UpDown5, &Form1::UpDown5_Change}, {UpDown6, &Form1::UpDown6_Change},
    };
    for (const auto &[control, handler] : stepControls)
        connect(control, &UpDown::Change, this, handler, Qt::DirectConnection);
}

void Form1::interruptor_Change()
{
    // The powers jump to the selectors' values, whichever way the switch went.
    SteamPower = selectorPosition(vapor1) * kSteamPerPosition;
    PreheatPower = selectorPosition(prec) * kHeaterPerPosition;
    ReheatPower = selectorPosition(rec) * kHeaterPerPosition;
    if (interruptor->isOn())
        showRunningUnit(*this);
    else
        showUnitAtRest(*this);
}

// The condenser fan turns in two frames: blades 0 and 1, or blades 2 and 3
// with Line5. The hub (Shape4(4)) always stays.
void Form1::Timer2_Timer()
{
    const bool firstFrame = !Shape4[0]->Visible();
    Shape4[0]->setVisible(firstFrame);
    Shape4[1]->setVisible(firstFrame);
    Line5->setVisible(!firstFrame);
    Shape4[2]->setVisible(!firstFrame);
    Shape4[3]->setVisible(!firstFrame);
}

void Form1::Timer3_Timer()
{
    Shape5->setVisible(!Shape5->Visible());
}

// Moves an element power to the selector's new value in small steps, with the
// power itself as the counter (an unset power starts at 0). The step is fixed
// at the start: rising towards a greater target, falling otherwise, so an
// unchanged position makes exactly one pass. Each pass recalculates the unit
// if it is on, seeing the counter as the element's power; the passes follow one
// another without handling other events. The power ends at the target exactly.
// The last pass may stop up to one step short of it; then one more calculation
// at the target follows, so the displays end at the selector's power.
void Form1::rampPower(std::optional<double> &power, double UnitInputs::*quantity, double target,
                      double fallingStep)
{
    double counter = power.value_or(0.0);
    const double step = target > counter ? kRisingStep : fallingStep;
    std::vector<double> passes;
    for (; step > 0 ? counter <= target : counter >= target; counter += step)
        passes.push_back(counter);
    if (interruptor->isOn())
        recalculateRamp(power, quantity, passes, target);
    power = target;
}

void Form1::vapor1_Change()
{
    rampPower(SteamPower, &UnitInputs::steamPower, selectorPosition(vapor1) * kSteamPerPosition,
              kSteamFallingStep);
}

void Form1::prec_Change()
{
    rampPower(PreheatPower, &UnitInputs::preheatPower, selectorPosition(prec) * kHeaterPerPosition,
              kHeaterFallingStep);
}

void Form1::rec_Change()
{
    rampPower(ReheatPower, &UnitInputs::reheatPower, selectorPosition(rec) * kHeaterPerPosition,
              kHeaterFallingStep);
}

void Form1::iKnobX1_Change()
{
    recalculateIfOn(*this);
}

void Form1::UpDown1_Change()
{
    recalculateIfOn(*this);
}

// Outdoor dry bulb: the wet bulb never stands above it.
void Form1::UpDown2_Change()
{
    bringAlong(UpDown5, UpDown2->Value());
    if (UpDown2->Value() < UpDown4->Value())
        UpDown4->setValue(UpDown2->Value());
    showOutdoorDryBulb(UpDown2->Value());
    recalculateIfOn(*this);
}

void Form1::UpDown3_Change()
{
    recalculateIfOn(*this);
}

// Outdoor wet bulb: raising it above the dry bulb takes the dry bulb along.
void Form1::UpDown4_Change()
{
    bringAlong(UpDown6, UpDown4->Value());
    if (UpDown4->Value() > UpDown2->Value())
        UpDown2->setValue(UpDown4->Value());
    showOutdoorWetBulb(UpDown4->Value());
    recalculateIfOn(*this);
}

// The scheme's step controls drive those of the "Datos" tab, whose handlers do the rest.
void Form1::UpDown5_Change()
{
    UpDown2->setValue(UpDown5->Value());
}

void Form1::UpDown6_Change()
{
    UpDown4->setValue(UpDown6->Value());
}
