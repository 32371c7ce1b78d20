#include "form1.h"

#include "form1_ui.h"
#include "ianalogdisplayx.h"
#include "iknobx.h"
#include "isevensegmentintegerx.h"
#include "iswitchrockerx.h"
#include "iswitchrotaryx.h"
#include "ithermometerx.h"
#include "number_format.h"
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

template <typename Item, size_t N>
void setVisible(const std::array<Item *, N> &items, int first, int last, bool visible)
{
    for (int i = first; i <= last; ++i)
        items[size_t(i)]->setVisible(visible);
}

// The cycle on the pressure-enthalpy diagram: each line, then its point number.
void setCycleVisible(Form1Ui &ui, bool visible)
{
    for (size_t i = 0; i < ui.Line1.size(); ++i) {
        ui.Line1[i]->setVisible(visible);
        ui.Label2[i]->setVisible(visible);
    }
}

void setReadoutsVisible(Form1Ui &ui, bool visible)
{
    for (iAnalogDisplayX *readout : ui.itext1)
        readout->setVisible(visible);
}

// The unit has started and made its first calculation: the running unit's
// marks, animation, cycle, chart path and read-outs come up (the cycle and the
// path only when the calculation could place them).
void showRunningUnit(Form1Ui &ui, bool resultsPlaced)
{
    ui.Shape5->setVisible(true);
    ui.Shape6->setVisible(true);
    ui.Timer2->start();
    ui.Timer3->start();
    if (resultsPlaced) {
        setCycleVisible(ui, true);
        setVisible(ui.Label11, kFirstChartLetter, kLastChartLetter, true);
        setVisible(ui.Line4, kFirstPathLine, kLastPathLine, true);
    }
    setReadoutsVisible(ui, true);
    ui.itext1[kUnusedReadout]->setVisible(false);
}

// The unit stops: the animation halts, the results disappear and the moving
// indicators go back to rest. The thermometers, gauges, warning line and the
// condenser fan's frame keep what they show.
void showUnitAtRest(Form1Ui &ui)
{
    ui.Timer2->stop();
    ui.Timer3->stop();
    ui.Shape5->setVisible(false);
    ui.Disp1->setBackgroundColor(kTachometerOffColour);
    ui.Shape6->setVisible(false);
    setReadoutsVisible(ui, false);
    setCycleVisible(ui, false);
    setVisible(ui.Line4, kFirstPathLine, kLastPathLine, false);
    setVisible(ui.Label11, kFirstChartLetter, kLastChartLetter, false);
    for (SurfaceLine *element : ui.Line6)
        element->setVisible(false);
    for (QLineEdit *cell : ui.Text7)
        cell->setText(QString());
    ui.Image1->setTop(unit_scheme::kFloatRestTop);
    ui.Disp1->setValue(0);
    ui.Line3->setX2(unit_scheme::kManometerRestEnd.x);
    ui.Line3->setY2(unit_scheme::kManometerRestEnd.y);
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

// The outdoor temperature the student sees in its box: the number typed there
// since its step control last wrote it, or else the step control's value. The
// dry and wet bulbs are kept in order both on their step controls and against
// what the boxes show, so that a typed temperature cannot end up on the wrong
// side of a stepped one.
double shownTemperature(const QLineEdit *box, const UpDown *control)
{
    if (box->isModified()) {
        if (const std::optional<double> typed = parseNumber(box->text()))
            return *typed;
    }
    return control->Value();
}

} // namespace

void Form1::showOutdoorDryBulb(double t)
{
    showOutdoorTemperature(ui->iThermometerX1, ui->ter[3], ui->itext1[0], t);
}

void Form1::showOutdoorWetBulb(double t)
{
    showOutdoorTemperature(ui->iThermometerX2, ui->ter[4], ui->itext1[1], t);
}

void Form1::recalculateIfOn()
{
    if (ui->interruptor->isOn())
        funci();
}

void Form1::connectPanelHandlers()
{
    // Direct connections throughout: a handler that writes a step control runs
    // the other control's handler nested, before it goes on.
    connect(ui->interruptor, &iSwitchRockerX::changed, this, &Form1::interruptor_Change, Qt::DirectConnection);
    connect(ui->Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer, Qt::DirectConnection);
    connect(ui->Timer3, &QTimer::timeout, this, &Form1::Timer3_Timer, Qt::DirectConnection);
    connect(ui->iKnobX1, &iKnobX::changed, this, &Form1::iKnobX1_Change, Qt::DirectConnection);

    const std::pair<iSwitchRotaryX *, void (Form1::*)()> selectors[] = {
        {ui->vapor1, &Form1::vapor1_Change},
        {ui->prec, &Form1::prec_Change},
        {ui->rec, &Form1::rec_Change},
    };
    for (const auto &[selector, handler] : selectors)
        connect(selector, &iSwitchRotaryX::changed, this, handler, Qt::DirectConnection);

    const std::pair<UpDown *, void (Form1::*)()> stepControls[] = {
        {ui->UpDown1, &Form1::UpDown1_Change}, {ui->UpDown2, &Form1::UpDown2_Change},
        {ui->UpDown3, &Form1::UpDown3_Change}, {ui->UpDown4, &Form1::UpDown4_Change},
        {ui->UpDown5, &Form1::UpDown5_Change}, {ui->UpDown6, &Form1::UpDown6_Change},
    };
    for (const auto &[control, handler] : stepControls)
        connect(control, &UpDown::Change, this, handler, Qt::DirectConnection);
}

void Form1::interruptor_Change()
{
    // The powers jump to the selectors' values, whichever way the switch went.
    m_steamPower = selectorPosition(ui->vapor1) * kSteamPerPosition;
    m_preheatPower = selectorPosition(ui->prec) * kHeaterPerPosition;
    m_reheatPower = selectorPosition(ui->rec) * kHeaterPerPosition;
    if (ui->interruptor->isOn()) {
        funci();
        showRunningUnit(*ui, !m_resultsWithdrawn);
    } else {
        showUnitAtRest(*ui);
    }
}

// The condenser fan turns in two frames: blades 0 and 1, or blades 2 and 3
// with Line5. The hub (Shape4(4)) always stays.
void Form1::Timer2_Timer()
{
    const bool firstFrame = !ui->Shape4[0]->Visible();
    ui->Shape4[0]->setVisible(firstFrame);
    ui->Shape4[1]->setVisible(firstFrame);
    ui->Line5->setVisible(!firstFrame);
    ui->Shape4[2]->setVisible(!firstFrame);
    ui->Shape4[3]->setVisible(!firstFrame);
}

void Form1::Timer3_Timer()
{
    ui->Shape5->setVisible(!ui->Shape5->Visible());
}

// Moves an element power to the selector's new value in small steps, with the
// power itself as the counter (an unset power starts at 0). The step is fixed
// at the start: rising towards a greater target, falling otherwise, so an
// unchanged position makes exactly one pass. Each pass recalculates the unit
// if it is on, seeing the counter as the element's power; the passes follow one
// another without handling other events. The power ends at the target exactly.
// The last pass may stop up to one step short of it; then one more calculation
// at the target follows, so the displays end at the selector's power.
void Form1::rampPower(std::optional<double> &power, double target, double fallingStep)
{
    double counter = power.value_or(0.0);
    const double step = target > counter ? kRisingStep : fallingStep;
    std::vector<double> passes;
    for (; step > 0 ? counter <= target : counter >= target; counter += step)
        passes.push_back(counter);
    if (ui->interruptor->isOn())
        recalculateRamp(power, passes, target);
    power = target;
}

void Form1::vapor1_Change()
{
    rampPower(m_steamPower, selectorPosition(ui->vapor1) * kSteamPerPosition, kSteamFallingStep);
}

void Form1::prec_Change()
{
    rampPower(m_preheatPower, selectorPosition(ui->prec) * kHeaterPerPosition, kHeaterFallingStep);
}

void Form1::rec_Change()
{
    rampPower(m_reheatPower, selectorPosition(ui->rec) * kHeaterPerPosition, kHeaterFallingStep);
}

void Form1::iKnobX1_Change()
{
    recalculateIfOn();
}

void Form1::UpDown1_Change()
{
    recalculateIfOn();
}

// Outdoor dry bulb: the wet bulb never stands above it.
void Form1::UpDown2_Change()
{
    bringAlong(ui->UpDown5, ui->UpDown2->Value());
    if (ui->UpDown2->Value() < std::max<double>(ui->UpDown4->Value(), shownTemperature(ui->Text1, ui->UpDown4)))
        ui->UpDown4->setValue(ui->UpDown2->Value());
    showOutdoorDryBulb(ui->UpDown2->Value());
    // The other bulb's displays may still show a typed temperature of an
    // earlier run; next to the stepped one they show its step control's.
    showOutdoorWetBulb(ui->UpDown4->Value());
    recalculateIfOn();
}

void Form1::UpDown3_Change()
{
    recalculateIfOn();
}

// Outdoor wet bulb: raising it above the dry bulb takes the dry bulb along.
void Form1::UpDown4_Change()
{
    bringAlong(ui->UpDown6, ui->UpDown4->Value());
    if (ui->UpDown4->Value() > std::min<double>(ui->UpDown2->Value(), shownTemperature(ui->Text4, ui->UpDown2)))
        ui->UpDown2->setValue(ui->UpDown4->Value());
    showOutdoorWetBulb(ui->UpDown4->Value());
    showOutdoorDryBulb(ui->UpDown2->Value());   // as in UpDown2_Change
    recalculateIfOn();
}

// The scheme's step controls drive those of the "Datos" tab, whose handlers do the rest.
void Form1::UpDown5_Change()
{
    ui->UpDown2->setValue(ui->UpDown5->Value());
}

void Form1::UpDown6_Change()
{
    ui->UpDown4->setValue(ui->UpDown6->Value());
}
