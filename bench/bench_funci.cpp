// The main window's recomputation: the unit model alone, and funci on a
// shown window with its writes and the repaint that follows.
#include "form1.h"
#include "iswitchrockerx.h"
#include "iswitchrotaryx.h"
#include "design_inputs.h"
#include "unit_model.h"

#include <benchmark/benchmark.h>

#include <QApplication>

namespace {

void BM_ComputeUnit(benchmark::State &state)
{
    const UnitInputs in = designInputs();
    for (auto _ : state)
        benchmark::DoNotOptimize(computeUnit(in));
}
BENCHMARK(BM_ComputeUnit)->Unit(benchmark::kMicrosecond);

// The longest wet-bulb searches the controls allow: fan 5, 30/30 degC
// outdoors at 1040 mbar, all the steam and the preheater at full power.
void BM_ComputeUnitLongestSearches(benchmark::State &state)
{
    UnitInputs in = designInputs();
    in.fanSetting = 5;
    in.T1 = in.Twb1 = 30;
    in.p = 104;
    in.steamPower = 4.25;
    in.preheatPower = 1.92;
    for (auto _ : state)
        benchmark::DoNotOptimize(computeUnit(in));
}
BENCHMARK(BM_ComputeUnitLongestSearches)->Unit(benchmark::kMicrosecond);

// funci on a shown window, alternating between two steam powers so that every
// display changes (the steam selector turned between 1 and 3, untimed, with
// the unit off: its ramp only counts); with state.range(0) = 1 the rest of the
// event loop's turn is done too: the repaint, and what the window leaves to the
// end of the turn (the scheme items' repaint requests, the instruments'
// accessible values).
void BM_Funci(benchmark::State &state)
{
    const bool repaint = state.range(0) != 0;
    Form1 form;
    form.show();
    QApplication::processEvents();
    // Each power at its selector's position 1 (the unit off: no calculation).
    form.vapor1_Change();
    form.prec_Change();
    form.rec_Change();
    auto *steam = form.findChild<iSwitchRotaryX *>(QStringLiteral("vapor1"));
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        steam->setPosition((++run % 2) ? 3 : 1);
        state.ResumeTiming();
        form.funci();
        if (repaint)
            QApplication::processEvents();
    }
}
BENCHMARK(BM_Funci)->ArgName("repaint")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The longest user action: the steam selector turned from 0 to 5 with the
// unit on (86 recalculations), then the repaint of the window.
void BM_SteamRampZeroToFive(benchmark::State &state)
{
    Form1 form;
    form.show();
    form.findChild<iSwitchRockerX *>(QStringLiteral("interruptor"))->setOn(true);
    QApplication::processEvents();
    auto *steam = form.findChild<iSwitchRotaryX *>(QStringLiteral("vapor1"));
    for (auto _ : state) {
        state.PauseTiming();
        steam->setPosition(0);
        QApplication::processEvents();
        state.ResumeTiming();
        steam->setPosition(5);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SteamRampZeroToFive)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
