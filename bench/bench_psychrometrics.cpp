// The chart readout's wet-bulb search, run at every pointer move over the
// chart, the whole readout of one pointer move, and the rendering of the chart
// picture.
#include "chart_calibration.h"
#include "chart_reading.h"
#include "form1.h"
#include "moist_air.h"
#include "psych_chart_picture.h"

#include <benchmark/benchmark.h>

#include <QApplication>

namespace {

constexpr double kReadoutPressure = 101.3;

// The readout at 35 C dry bulb and a 28 C wet bulb: about 280 trials.
void BM_ReadoutWetBulbSearch(benchmark::State &state)
{
    const double T = 35.0;
    const double W = *psychro::HumidityRatioFromWetBulb(T, 28.0, kReadoutPressure);
    int passes = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            psychro::WetBulbSearch(T, W, kReadoutPressure, {0.0, 0.1}, &passes));
    state.counters["passes"] = passes;
}
BENCHMARK(BM_ReadoutWetBulbSearch);

// The worst case: a humidity ratio no trial reaches, searched up to the cap.
void BM_WetBulbSearchToCap(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(psychro::WetBulbSearch(35.0, 5.0, kReadoutPressure, {0.0, 0.1}));
}
BENCHMARK(BM_WetBulbSearchToCap)->Unit(benchmark::kMicrosecond);

// A chart position at 35 C dry bulb and a 28 C wet bulb, and one a pixel to
// its right, so that consecutive readings change most boxes.
QPointF readoutPosition(int step)
{
    const double W = *psychro::HumidityRatioFromWetBulb(35.0, 28.0, kReadoutPressure);
    return {chart::xFromDryBulb(35.0) + 15.0 * step, chart::yFromHumidityRatio(W)};
}

// The readout's calculation alone.
void BM_ChartReading(benchmark::State &state)
{
    const QPointF at = readoutPosition(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(chart::readChart(float(at.x()), float(at.y()), kReadoutPressure));
}
BENCHMARK(BM_ChartReading)->Unit(benchmark::kMicrosecond);

// One pointer move over the main window's chart: the reading, the writes to
// the eleven boxes and the cross-hair, and, with state.range(0) = 1, the
// repaint that follows on the shown window.
void BM_Form1ChartReadoutEvent(benchmark::State &state)
{
    const bool repaint = state.range(0) != 0;
    Form1 form;
    if (repaint) {
        form.show();
        QCoreApplication::processEvents();
    }
    const QPointF positions[] = {readoutPosition(0), readoutPosition(1)};
    int i = 0;
    for (auto _ : state) {
        const QPointF at = positions[i++ % 2];
        form.Picture1_MouseMove(Qt::NoButton, Qt::NoModifier, float(at.x()), float(at.y()));
        if (repaint)
            QCoreApplication::processEvents();   // paints what the move changed
    }
}
BENCHMARK(BM_Form1ChartReadoutEvent)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The chart picture drawn afresh at a device pixel ratio of state.range(0).
void BM_RenderChartPicture(benchmark::State &state)
{
    const qreal dpr = qreal(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(chart::renderPsychrometricChart(dpr));
}
BENCHMARK(BM_RenderChartPicture)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);  // fonts for the chart's labels, widgets for the window
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
