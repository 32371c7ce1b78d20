#include "chart_calibration.h"
#include "moist_air.h"
#include "r12.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace psychro;
using namespace r12;
using Result = std::optional<double>;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kP = 101.325;
constexpr MolarMassRatio kK{0.62198};
constexpr SpecificHeats kReadoutHeats{1.0069254, 1.82};
constexpr SpecificHeats kOutdoorHeats{1.005, 1.805};
constexpr DryAirGas kReadoutGas{287.05, 273.0};

// Doubles shown to the last bit, so a failed comparison reads clearly.
QByteArray exact(double x) { return QByteArray::number(x, 'g', 17); }

void add(const char *name, Result result, double expected, double tolerance)
{
    QTest::newRow(name) << result << expected << tolerance;
}

// A wet-bulb search and what it gives: the trial, after so many passes.
struct Search
{
    double T, W, p;
    WetBulbTrial trial;
    Result twb;
    int passes = -1;   // -1: only compared with the linear scan
};

QString describe(Result twb, int passes)
{
    return QStringLiteral("%1 after %2 passes").arg(twb ? QString::number(*twb, 'g', 17) : "none").arg(passes);
}

// The wet-bulb search skips and bisects where it can; every display that
// shows a wet bulb depends on it landing on exactly the trial, after exactly
// the passes, of testing every trial in turn, as the search was first written.
QString linearScan(double T, double W, double p, WetBulbTrial trial)
{
    double t = trial.start;
    int passes = 0;
    for (double Wc = 0.0; W - Wc > 0.0; ++passes) {
        if (passes == kWetBulbSearchMaxPasses)
            return describe({}, passes);
        t = t + trial.step;
        const Result w = HumidityRatioFromWetBulb(T, t, p);
        if (!w)
            return describe({}, passes + 1);
        Wc = *w;
    }
    return describe(t, passes);
}

// Empty when the search gives the linear scan's trial, to the last bit, after as many passes.
QString difference(double T, double W, double p, WetBulbTrial trial)
{
    int passes = -1;
    const Result twb = WetBulbSearch(T, W, p, trial, &passes);
    const QString got = describe(twb, passes);
    const QString want = linearScan(T, W, p, trial);
    if (got == want)
        return {};
    return QStringLiteral("T %1, W %2, p %3, trial %4 + %5: %6 instead of %7").arg(T, 0, 'g', 17).arg(W, 0, 'g', 17)
        .arg(p, 0, 'g', 17).arg(trial.start, 0, 'g', 17).arg(trial.step, 0, 'g', 17).arg(got, want);
}

double trialAfter(WetBulbTrial trial, int passes)
{
    for (int i = 0; i < passes; ++i)
        trial.start = trial.start + trial.step;
    return trial.start;
}

} // namespace
Q_DECLARE_METATYPE(Result)
Q_DECLARE_METATYPE(Search)

class PropertyRoutinesTest : public QObject
{
    Q_OBJECT
private slots:
    void giveWorkedValues_data();
    void giveWorkedValues();
    void undefinedArithmeticHasNoValue_data();
    void undefinedArithmeticHasNoValue();
    void wetBulbSearchAccumulatesTrialUpToItsCap_data();
    void wetBulbSearchAccumulatesTrialUpToItsCap();
    void wetBulbSearchMatchesLinearScan();
};

void PropertyRoutinesTest::giveWorkedValues_data()
{
    QTest::addColumn<Result>("result");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");

    // pws keeps the steps between its pieces at 0 and 40 C; both ends belong to the middle piece.
    add("pws(0)", pws(0), 0.606699, 5e-7);        add("pws(-0.0001)", pws(-0.0001), 0.541684, 5e-7);
    add("pws(40)", pws(40), 7.380353, 5e-7);      add("pws(40.0001)", pws(40.0001), 7.364295, 5e-7);
    add("pws(-60)", pws(-60), 0.000957, 5e-7);    add("pws(80)", pws(80), 47.353574, 5e-7);
    add("pws(20)", pws(20), 2.337638, 5e-7);      add("pws(25)", pws(25), 3.166736, 5e-7);

    // The relations at W = 0.01, T = 25 C, p = 101.325 kPa.
    const double pv = *VapourPressureFromHumidityRatio(kP, 0.01);
    const double rh = *RelativeHumidityFromVapourPressure(pv, 25);
    const double v = *MoistAirSpecificVolume(25, kP, pv, kReadoutGas);
    add("saturation W", SaturationHumidityRatio(25, kP, kK), 0.0200660, 5e-8);
    add("W, wet bulb = dry bulb", HumidityRatioFromWetBulb(25, 25, kP), 0.0200660, 5e-8);
    add("W, wet bulb 18", HumidityRatioFromWetBulb(25, 18, kP), 0.0100352, 5e-8);
    add("W at phi 1, k 0.622", HumidityRatioFromRelativeHumidity(25, 1.0, kP, {0.622}),
        *SaturationHumidityRatio(25, kP, {0.622}), 1e-15);
    add("dew point", DewPointFromHumidityRatio(0.01), 14.3039, 5e-5);
    add("vapour pressure", pv, 1.603294, 5e-7);   add("relative humidity", rh, 50.6292, 5e-5);
    add("degree of saturation", DegreeOfSaturation(rh, kP, pv, 25), 0.498355, 5e-7);
    add("enthalpy, readout set", MoistAirEnthalpy(25, 0.01, kReadoutHeats), 50.6381, 5e-5);
    add("enthalpy, outdoor set", MoistAirEnthalpy(25, 0.01, kOutdoorHeats), 50.5862, 5e-5);
    add("specific volume", v, 0.857796, 5e-7);    add("density", MoistAirDensity(0.01, v), 1.177436, 5e-7);
    add("T from h", TemperatureFromEnthalpy(50, 0.01), 24.5433, 5e-5);
    for (const SpecificHeats &heats : {kReadoutHeats, kOutdoorHeats, SpecificHeats{1.0045, 1.805}})
        QTest::addRow("h of dry air at 0 C, a %g", heats.a) << Result(MoistAirEnthalpy(0, 0, heats)) << 0.0 << 0.0;

    // A missing pws counts as 0 kPa.
    add("no pws: saturation W", SaturationHumidityRatio(90, kP, kK), 0, 0);
    add("no pws: W from phi", HumidityRatioFromRelativeHumidity(-70, 0.5, kP, kK), 0, 0);
    add("no pws: W from wet bulb", HumidityRatioFromWetBulb(30, 85, kP), 55 / (2501 + 1.805 * 30 - 4.186 * 85), 1e-15);
    add("no pws: mu", DegreeOfSaturation(40, kP, 2.0, 90), 40 * kP / (kP - 2.0) / 100, 1e-15);

    // R12; tr12 and pr12 are separate fits, not inverses of each other.
    add("pr12(0)", pr12(0), 3.0933, 5e-5);        add("pr12(40)", pr12(40), 9.6160, 5e-5);
    add("pr12(-40)", pr12(-40), 0.6120, 5e-5);
    add("hgr12(0)", hgr12(0), 187.54692, 0);      add("hfgr12(0)", hfgr12(0), 151.51301, 0);
    add("hgr12(40)", hgr12(40), 203.163, 5e-4);   add("hfgr12(40)", hfgr12(40), 128.537, 5e-4);
    const std::pair<int, double> liquid[] = {{40, 74.626}, {0, 36.034}, {-40, -0.029}};
    for (const auto &[t, h] : liquid)
        QTest::addRow("liquid h at %d", t) << Result(hgr12(t) - hfgr12(t)) << h << 5e-4;
    add("tr12(1)", tr12(1), -30.066507, 0);       add("tr12(10)", tr12(10), 41.6622, 5e-5);
    add("vfr12(0)", vfr12(0), 0.71572657, 0);     add("vfr12(40)", vfr12(40), 0.79845, 5e-6);

    // Chart calibration: the forward conversion is exact, the readout's inverse
    // uses rounded constants.
    using namespace chart;
    add("X of 0 C", xFromDryBulb(0), 120, 0);                 add("X of 48 C", xFromDryBulb(48), 3144, 0);
    add("Y of 0.004", yFromHumidityRatio(0.004), 4875, 1e-9);  add("Y of 0.036", yFromHumidityRatio(0.036), 300, 1e-9);
    add("T at X 120", dryBulbFromX(120), 0.00006, 1e-12);     add("T at X 3144", dryBulbFromX(3144), 48.000012, 1e-9);
    add("T left of X 120, below 0", dryBulbFromX(119), -0.015813, 1e-12);
    add("W at Y 4875", humidityRatioFromY(4875), 0.0040000, 5e-8);
    add("W at Y 300", humidityRatioFromY(300), 0.0359999995, 1e-12);
}

void PropertyRoutinesTest::giveWorkedValues()
{
    QFETCH(Result, result);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    QVERIFY(result);
    QVERIFY2(std::abs(*result - expected) <= tolerance, exact(*result));
}

void PropertyRoutinesTest::undefinedArithmeticHasNoValue_data()
{
    QTest::addColumn<Result>("result");
    const double ps25 = *pws(25);
    const std::pair<const char *, Result> rows[] = {
        {"pws below -60", pws(-60.0001)}, {"pws above 80", pws(80.0001)},
        {"pws of NaN", pws(kNaN)},
        {"RH where pws has none", RelativeHumidityFromVapourPressure(1.6, 80.5)},
        {"saturation W at p = pws", SaturationHumidityRatio(25, ps25, kK)},
        {"saturation W at p 0, no pws", SaturationHumidityRatio(90, 0, kK)},
        {"W from phi at p = phi pws", HumidityRatioFromRelativeHumidity(25, 0.5, ps25 / 2, kK)},
        {"W from wet bulb at p = pws(Twb)", HumidityRatioFromWetBulb(30, 25, ps25)},
        {"volume at pv = p", MoistAirSpecificVolume(25, kP, kP, kReadoutGas)},
        {"density at v 0", MoistAirDensity(0.01, 0)}, {"mu at pv = p", DegreeOfSaturation(50, kP, kP, 25)},
        {"pv at W = -0.62198", VapourPressureFromHumidityRatio(kP, -0.62198)},
        {"dew point at W 0", DewPointFromHumidityRatio(0)},
        {"dew point at W < 0", DewPointFromHumidityRatio(-0.000417)},
        {"tr12 at 0 bar", tr12(0)}, {"tr12 below 0 bar", tr12(-1)},
    };
    for (const auto &[name, result] : rows)
        QTest::newRow(name) << result;
}

void PropertyRoutinesTest::undefinedArithmeticHasNoValue()
{
    QFETCH(Result, result);
    QVERIFY2(!result, exact(result.value_or(0)));
}

// Known answers, and inputs the search hands over to the linear scan.
void PropertyRoutinesTest::wetBulbSearchAccumulatesTrialUpToItsCap_data()
{
    QTest::addColumn<Search>("search");
    const double atCap = trialAfter({0, 0.1}, kWetBulbSearchMaxPasses);
    const int cap = kWetBulbSearchMaxPasses;
    const auto row = [](const char *name, Search search) { QTest::newRow(name) << search; };
    row("readout step 0.1", {25, 0.01, kP, {0, 0.1}, 17.999999999999986, 180});
    row("unit step 0.05", {25, 0.01, kP, {0, 0.05}, 18.00000000000012, 360});
    row("W 0 returns the start", {35, 0, kP, {12.5, 0.05}, 12.5, 0});
    row("W < 0 returns the start", {25, -0.000417, kP, {21, 0.05}, 21.0, 0});
    row("W not a number returns the start", {35, kNaN, kP, {3, 0.1}, 3.0, 0});
    row("the start is never tested", {25, 0.01, kP, {20, 0.05}, 20.05, 1});
    row("past 80 C, pws counts as 0", {25, 0.6, kP, {0, 0.1}, 442.20000000003205, 4422});
    row("reached at the last pass", {25, *HumidityRatioFromWetBulb(25, atCap, kP), kP, {0, 0.1}, atCap, cap});
    row("one pass beyond the cap", {25, *HumidityRatioFromWetBulb(25, atCap + 0.1, kP), kP, {0, 0.1}, {}, cap});
    row("W infinite", {35, kInf, 101.3, {0, 0.1}, {}, cap});
    row("step 0 never advances", {25, 0.01, kP, {0, 0}, {}, cap});
    row("a pass with no W", {25, 0.01, *pws(0.1), {0, 0.1}, {}, 1});
    row("p below pws(80)", {25, 0.02, 30, {0, 0.1}, {}, -1});
    row("T far above", {250, 0.05, kP, {0, 0.1}, {}, -1});
    row("start far below", {20, 0.005, kP, {-1100, 0.5}, {}, -1});
    row("past a denominator of 0", {35, 1000, 101.3, {0, 0.2}, {}, -1});
}

void PropertyRoutinesTest::wetBulbSearchAccumulatesTrialUpToItsCap()
{
    QFETCH(Search, search);
    const QString diff = difference(search.T, search.W, search.p, search.trial);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
    if (search.passes >= 0)
        QCOMPARE(linearScan(search.T, search.W, search.p, search.trial), describe(search.twb, search.passes));
}

// Dry bulbs, humidity ratios and pressures the windows take, from the
// searches' starts (0 and the outdoor wet bulbs) in both steps; then W exactly
// the humidity ratio at a trial and a hair either side, where rounding
// decides: at the ends of the skipped blocks, across -60 and 0 (where pws steps
// up), 40 (where it steps down by less than one step of 0.01 raises it), 80
// (where it ends), and at the cap.
void PropertyRoutinesTest::wetBulbSearchMatchesLinearScan()
{
    for (double step : {0.05, 0.1})
        for (double start : {0.0, 10.0, 12.5, 15.0, 17.0, 20.0, 22.5, 25.0, 27.5, 30.0})
            for (double p : {95.0, 98.0, 101.325, 104.0, 105.0})
                for (double T = -5.0; T <= 60.0; T += 2.5)
                    for (double W = 0.0; W <= 0.0605; W += 0.00137) {
                        const QString diff = difference(T, W, p, {start, step});
                        QVERIFY2(diff.isEmpty(), qPrintable(diff));
                    }
    const struct { double T, p; WetBulbTrial trial; int from, to; } seams[] = {
        {35, kP, {0, 0.1}, 1, 330},     {40, 95, {17, 0.05}, 1, 300},     {5, kP, {-70, 0.1}, 60, 760},
        {60, kP, {30, 0.05}, 150, 260}, {60, kP, {39.5, 0.01}, 1, 100},   {60, kP, {70, 0.1}, 60, 140},
        {25, kP, {0, 0.1}, 4930, 5000},
    };
    for (const auto &s : seams)
        for (int k = s.from; k <= s.to; ++k) {
            const double W = *HumidityRatioFromWetBulb(s.T, trialAfter(s.trial, k), s.p);
            for (double w : {std::nextafter(W, -kInf), W, std::nextafter(W, kInf)}) {
                const QString diff = difference(s.T, w, s.p, s.trial);
                QVERIFY2(diff.isEmpty(), qPrintable(diff));
            }
        }
}

QTEST_APPLESS_MAIN(PropertyRoutinesTest)
#include "tst_property_routines.moc"
