// The chart readout's wet-bulb search, run at every pointer move over the
// chart, and the rendering of the chart picture.
#include "moist_air.h"
#include "psych_chart_picture.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

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
    QGuiApplication app(argc, argv);  // fonts for the chart's labels
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
