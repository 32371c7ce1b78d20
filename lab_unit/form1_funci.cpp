// funci: the unit's recomputation. Reads the window's inputs, runs the unit
// model and writes every display it owns, stage by stage in a fixed order:
// air side (fan, steam, preheater, coil, reheater), chart path, refrigeration
// cycle, diagram lines, lit heating elements. A run whose input boxes do not
// all hold numbers their quantities can physically be computes nothing: it
// names those boxes on the warning line and blanks the figures of the last
// run.

#include "form1.h"

#include "form1_ui.h"
#include "ianalogdisplayx.h"
#include "iangulargaugex.h"
#include "iknobx.h"
#include "isevensegmentintegerx.h"
#include "iswitchrockerx.h"
#include "iswitchrotaryx.h"
#include "ithermometerx.h"
#include "input_limits.h"
#include "number_format.h"
#include "surface_items.h"
#include "unit_model.h"

#include <QLineEdit>
#include <QLocale>
#include <QStringList>

#include <cmath>

namespace {

const QString kSupersaturationWarning = QStringLiteral(
    " Se han alcanzado condiciones de sobresaturación en el aire. Revise los parámetros de "
    "funcionamiento. Se puede solucionar reduciendo la inyección de vapor o precalentando el aire "
    "más intensamente.");

// The read-outs and cycle table cells that a run fills with figures.
constexpr size_t kCalculatedReadouts[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
constexpr size_t kCalculatedCells[] = {0, 1, 3, 6, 7, 9, 11, 12, 14, 16, 17, 19, 20, 26, 29, 32};

// An input box of the "Datos" tab: its name as its caption calls it, what its
// quantity can physically be, and the unit that band is told in.
struct InputBox
{
    QLineEdit *Form1Ui::*box;
    const char *name;
    InputBand band;
    const char *unit;
};

const InputBox kPressureBox{&Form1Ui::Text3, "Presión barométrica", input_band::kBarometricPressure, "mbar"};
const InputBox kDryBulbBox{&Form1Ui::Text4, "Temperatura ambiente", input_band::kTemperature, "ºC"};
const InputBox kWetBulbBox{&Form1Ui::Text1, "Temperatura de Bulbo H.", input_band::kTemperature, "ºC"};
const InputBox kSuperheatBox{&Form1Ui::Text8, "Sobrecalentamiento evaporador", input_band::kSuperheat, "ºC"};

// The input boxes a run cannot compute with: the names of those whose text is
// not a number, and a clause for each number its quantity cannot be.
struct RefusedInputs
{
    QStringList notNumbers;
    QStringList outOfBand;
    bool any() const { return !notNumbers.isEmpty() || !outOfBand.isEmpty(); }
};

// A band's limit with the locale's decimal separator and only the decimals it has.
QString bandLimit(double limit)
{
    QString pattern = QStringLiteral("0");
    for (double scaled = limit; scaled != std::round(scaled) && pattern.size() < 5; scaled *= 10)
        pattern += pattern.size() == 1 ? QStringLiteral(".0") : QStringLiteral("0");
    return formatNumber(limit, pattern);
}

// "«Presión barométrica» debe estar entre 500 y 1200 mbar"
QString outOfBandClause(const InputBox &input)
{
    return QStringLiteral("«%1» debe estar entre %2 y %3 %4")
        .arg(QString::fromUtf8(input.name), bandLimit(input.band.minimum), bandLimit(input.band.maximum),
             QString::fromUtf8(input.unit));
}

double readBox(const Form1Ui &ui, const InputBox &input, RefusedInputs &refused)
{
    const std::optional<double> value = parseNumber((ui.*input.box)->text());
    if (!value) {
        refused.notNumbers << QString::fromUtf8(input.name);
        return 0.0;
    }
    if (!input.band.contains(*value))
        refused.outOfBand << outOfBandClause(input);
    return *value;
}

// The inputs of one run, the boxes read in the tab's order; an unset element
// power counts as 0.
UnitInputs readInputs(const Form1 &w, const Form1Ui &ui, RefusedInputs &refused)
{
    UnitInputs in;
    in.p = readBox(ui, kPressureBox, refused) / 10;
    const qsizetype notNumbersBefore = refused.notNumbers.size();
    in.T1 = readBox(ui, kDryBulbBox, refused);
    in.Twb1 = readBox(ui, kWetBulbBox, refused);
    // A wet bulb never reads above the dry bulb of the same air: typed so, the
    // pair describes no air (the step controls keep it from happening).
    if (refused.notNumbers.size() == notNumbersBefore && in.Twb1 > in.T1)
        refused.outOfBand << QStringLiteral("«%1» no puede superar a «%2»")
                                 .arg(QString::fromUtf8(kWetBulbBox.name), QString::fromUtf8(kDryBulbBox.name));
    in.sh = readBox(ui, kSuperheatBox, refused);
    in.fanSetting = ui.iKnobX1->position();
    in.steamPower = w.SteamPower().value_or(0.0);
    in.preheatPower = w.PreheatPower().value_or(0.0);
    in.reheatPower = w.ReheatPower().value_or(0.0);
    in.vapor1 = ui.vapor1->position();
    in.prec = ui.prec->position();
    in.rec = ui.rec->position();
    return in;
}

// " No se puede calcular: el dato de «A» no es un número (decimales con «,»)."
// or with several boxes "los datos de «A», «B» y «C» no son números (...)",
// then "; «D» debe estar entre 500 y 1200 mbar" for each number out of its
// band. The decimal separator is the one the boxes are read with.
QString refusedInputsWarning(const RefusedInputs &refused)
{
    QStringList clauses;
    if (!refused.notNumbers.isEmpty()) {
        QStringList quoted;
        for (const QString &name : refused.notNumbers)
            quoted << QStringLiteral("«%1»").arg(name);
        const QString last = quoted.takeLast();
        const QString decimals = QStringLiteral("(decimales con «%1»)").arg(QLocale().decimalPoint());
        clauses << (quoted.isEmpty()
                        ? QStringLiteral("el dato de %1 no es un número %2").arg(last, decimals)
                        : QStringLiteral("los datos de %1 y %2 no son números %3")
                              .arg(quoted.join(QStringLiteral(", ")), last, decimals));
    }
    clauses += refused.outOfBand;
    return QStringLiteral(" No se puede calcular: %1.").arg(clauses.join(QStringLiteral("; ")));
}

// The warning line shows a message from its start, however long it is. A
// line edit lays its text out anew at every write, so a message that stands
// already is left as it is.
void showWarning(QLineEdit *line, const QString &text)
{
    if (line->text() != text)
        line->setText(text);
    line->setCursorPosition(0);
}

// A dry-bulb thermometer and its read-out, or a wet-bulb pair.
void showTemperature(iThermometerX *thermometer, iAnalogDisplayX *readout, double T)
{
    thermometer->setPosition(T);
    readout->setValue(T);
}

void showAirSide(Form1Ui &ui, const UnitResult &r)
{
    ui.Disp1->setValue(r.rpm);
    ui.Line3->setX2(r.manometerX2);
    ui.Line3->setY2(r.manometerY2);
    ui.itext1[11]->setValue(r.dp);

    ui.ter[5]->setPosition(r.s2.T);
    ui.ter[6]->setPosition(r.s2.Twb);

    // Emptied at every run, then the warning while the air after the
    // preheater is beyond saturation: what stands after the run is written.
    showWarning(ui.Text23, r.supersaturated ? kSupersaturationWarning : QString());
    showTemperature(ui.ter[7], ui.itext1[2], r.s3.T);
    showTemperature(ui.ter[8], ui.itext1[3], r.s3.Twb);

    showTemperature(ui.ter[9], ui.itext1[4], r.s4.T);
    showTemperature(ui.ter[10], ui.itext1[5], r.s4.Twb);
    ui.itext1[8]->setValue(r.condensate);

    showTemperature(ui.ter[11], ui.itext1[6], r.s5.T);
    showTemperature(ui.ter[12], ui.itext1[7], r.s5.Twb);
}

// Chart path lines Line4(5), (6), (7), (4) with the letters Label11(8..11).
void showChartPath(Form1Ui &ui, const UnitResult &r)
{
    static constexpr int kLines[] = {5, 6, 7, 4};
    for (size_t i = 0; i < r.chartPath.size(); ++i) {
        const ChartStep &step = r.chartPath[i];
        SurfaceLine *line = ui.Line4[size_t(kLines[i])];
        line->setX1(step.line.X1);
        line->setY1(step.line.Y1);
        line->setX2(step.line.X2);
        line->setY2(step.line.Y2);
        SurfaceLabel *letter = ui.Label11[8 + i];
        letter->setTop(step.letter.Top);
        letter->setLeft(step.letter.Left);
    }
}

// A cycle table cell keeps its text when the new one is the same: a line
// edit lays its text out anew at every write, and a selector ramp rewrites
// the table many times over with mostly unchanged figures.
void showCell(QLineEdit *cell, const QString &text)
{
    if (cell->text() != text)
        cell->setText(text);
}

void showCycle(Form1Ui &ui, const RefrigerationCycle &c)
{
    const auto cell = [&ui](int index, double value, const char *pattern) {
        showCell(ui.Text7[size_t(index)], formatNumber(value, QLatin1String(pattern)));
    };
    ui.itext1[14]->setValue(c.te);
    cell(16, c.te, "###0.0");
    ui.ter[2]->setPosition(c.te);

    cell(0, c.pe, "###0.00");
    cell(17, c.pinlet, "###0.00");
    ui.GaugeX1->setPosition(c.pe);

    ui.ter[0]->setPosition(c.tsuc);
    ui.itext1[12]->setValue(c.tsuc);
    cell(1, c.tsuc, "###0.0");
    cell(3, c.hsuc, "###0.0");

    ui.itext1[10]->setValue(c.Q);

    cell(7, c.pc, "##0.00");
    cell(12, c.pliq, "##0.00");
    ui.GaugeX2->setPosition(c.pc);
    cell(6, c.tdis, "###0.0");
    cell(9, c.hdis, "###0.0");

    // The thermometer beside the expansion valve ends the run at the liquid
    // temperature; the evaporating temperature stays on the read-out.
    ui.itext1[13]->setValue(c.tliq);
    cell(11, c.tliq, "###0.0");
    ui.ter[2]->setPosition(c.tliq);
    cell(14, c.hliq, "###0.0");
    cell(19, c.hliq, "###0.0");

    cell(26, c.Q, "#0.00");
    ui.itext1[9]->setValue(1000 * c.mr);
    ui.Image1->setTop(c.floatTop);
    cell(32, 1000 * c.mr, "##0.0");
    cell(29, c.Pcomp, "#0.00");
    showCell(ui.Text7[20], formatNumber(c.COP, QStringLiteral("##0.0")));
}

// Each cycle line's ends in the order Y1, Y2, X1, X2; each figure's Top
// before its Left.
void showDiagram(Form1Ui &ui, const UnitResult &r)
{
    for (size_t i = 0; i < ui.Line1.size(); ++i) {
        const FloatLine &l = r.diagramLines[i];
        ui.Line1[i]->setY1(l.Y1);
        ui.Line1[i]->setY2(l.Y2);
        ui.Line1[i]->setX1(l.X1);
        ui.Line1[i]->setX2(l.X2);
    }
    for (size_t i = 0; i < ui.Label2.size(); ++i) {
        ui.Label2[i]->setTop(r.diagramFigures[i].Top);
        ui.Label2[i]->setLeft(r.diagramFigures[i].Left);
    }
}

void showElementBars(Form1Ui &ui, const ElementBars &bars)
{
    for (size_t i = 0; i < bars.size(); ++i) {
        if (bars[i])
            ui.Line6[i]->setVisible(*bars[i]);
    }
}

// A run that cannot compute with its inputs says so on the warning line and
// takes the figures off the read-outs and the cycle table, which would
// otherwise show numbers that no calculation gave. Thermometers, gauges, the
// tachometer, the float, lines and markers stay where they stand.
void showNoCalculation(Form1Ui &ui, const RefusedInputs &refused)
{
    showWarning(ui.Text23, refusedInputsWarning(refused));
    for (size_t i : kCalculatedReadouts)
        ui.itext1[i]->setValue(qQNaN());
    for (size_t i : kCalculatedCells)
        showCell(ui.Text7[i], noReading());
}

// The chart path with its letters and the cycle with its figures: taken off
// the pictures while no calculation placed them, put back once one does.
void showResultMarks(Form1Ui &ui, bool visible)
{
    for (size_t i = 0; i < ui.Line1.size(); ++i) {
        ui.Line1[i]->setVisible(visible);
        ui.Label2[i]->setVisible(visible);
    }
    for (size_t i = 8; i <= 11; ++i)
        ui.Label11[i]->setVisible(visible);
    for (size_t i = 4; i <= 7; ++i)
        ui.Line4[i]->setVisible(visible);
}

void withdrawResultMarks(Form1Ui &ui, bool &withdrawn)
{
    showResultMarks(ui, false);
    withdrawn = true;
}

// Whether every point of the chart path has a place. Air warmed beyond the
// range of the saturation pressure has no state, and a path drawn to the
// points it has would end at the previous run's.
bool chartPathPlaced(const UnitResult &r)
{
    for (const ChartStep &step : r.chartPath) {
        for (float coordinate : {step.line.X1, step.line.Y1, step.line.X2, step.line.Y2})
            if (!std::isfinite(coordinate))
                return false;
    }
    return true;
}

} // namespace

void Form1::funci()
{
    RefusedInputs refused;
    const UnitInputs in = readInputs(*this, *ui, refused);
    if (refused.any()) {
        showNoCalculation(*ui, refused);
        withdrawResultMarks(*ui, m_resultsWithdrawn);
        return;
    }
    const UnitResult r = computeUnit(in);
    const bool pathPlaced = chartPathPlaced(r);
    showOutdoorDryBulb(in.T1);
    showOutdoorWetBulb(in.Twb1);
    showAirSide(*ui, r);
    if (pathPlaced)
        showChartPath(*ui, r);
    showCycle(*ui, r.cycle);
    showDiagram(*ui, r);
    showElementBars(*ui, r.elementBars);
    if (!pathPlaced) {
        withdrawResultMarks(*ui, m_resultsWithdrawn);
    } else if (m_resultsWithdrawn) {
        m_resultsWithdrawn = false;
        showResultMarks(*ui, ui->interruptor->isOn());
    }
    emit unitRecalculated();
}

// A ramp's passes follow one another with no event handled in between, so no
// one can see a display written by any but the last calculation of the ramp,
// and that one rewrites every display the others would have written (the
// inputs do not change during a ramp, and every write of a run depends on its
// inputs alone). The model is pure, so a result no one reads need not be
// worked out either: the passes before the last only hold their power and
// count as runs for the observers of unitRecalculated. The last calculation
// (the last pass when it stands at the target, else the run at the target
// that follows it) is a full funci.
void Form1::recalculateRamp(std::optional<double> &power, const std::vector<double> &passes, double target)
{
    const size_t unseen = !passes.empty() && passes.back() == target ? passes.size() - 1 : passes.size();
    for (size_t i = 0; i < unseen; ++i) {
        power = passes[i];
        emit unitRecalculated();
    }
    power = target;
    funci();
}
