#include "moist_air.h"
#include "r12.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace psychro;
using namespace r12;
using Result = std::optional<double>;
Q_DECLARE_METATYPE(Result)

namespace {

constexpr double kP = 101.325;
constexpr MolarMassRatio kK{0.62198};
constexpr SpecificHeats kReadoutHeats{1.0069254, 1.82};
constexpr SpecificHeats kOutdoorHeats{1.005, 1.805};
constexpr DryAirGas kReadoutGas{287.05, 273.0};

// Doubles shown to the last bit, so an exact comparison fails readably.
QByteArray exact(double x) { return QByteArray::number(x, 'g', 17); }

} // namespace

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
};

void PropertyRoutinesTest::giveWorkedValues_data()
{
    QTest::addColumn<Result>("result");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");

    // pws keeps the steps between its pieces at 0 and 40 C.
    QTest::newRow("pws(0), middle piece") << pws(0) << 0.606699 << 5e-7;
    QTest::newRow("pws just below 0, lower piece") << pws(-0.0001) << 0.541684 << 5e-7;
    QTest::newRow("pws step at 0") << pws(-1e-9) << 0.54169 << 5e-6;
    QTest::newRow("pws(40), middle piece") << pws(40) << 7.380353 << 5e-7;
    QTest::newRow("pws just above 40, upper piece") << pws(40.0001) << 7.364295 << 5e-7;
    QTest::newRow("pws step at 40") << pws(40 + 1e-9) << 7.36425 << 5e-6;
    QTest::newRow("pws(-60) included") << pws(-60) << 0.000957 << 5e-7;
    QTest::newRow("pws(80) included") << pws(80) << 47.353574 << 5e-7;
    QTest::newRow("pws(20)") << pws(20) << 2.337638 << 5e-7;
    QTest::newRow("pws(25)") << pws(25) << 3.166736 << 5e-7;

    // The relations at W = 0.01, T = 25 C, p = 101.325 kPa.
    const double pv = *VapourPressureFromHumidityRatio(kP, 0.01);
    const double rh = *RelativeHumidityFromVapourPressure(pv, 25);
    const double v = *MoistAirSpecificVolume(25, kP, pv, kReadoutGas);
    QTest::newRow("saturation W") << SaturationHumidityRatio(25, kP, kK) << 0.0200660 << 5e-8;
    QTest::newRow("W, wet bulb = dry bulb") << HumidityRatioFromWetBulb(25, 25, kP) << 0.0200660 << 5e-8;
    QTest::newRow("W, wet bulb 18") << HumidityRatioFromWetBulb(25, 18, kP) << 0.0100352 << 5e-8;
    QTest::newRow("W at phi 1 = saturation W, k 0.622")
        << HumidityRatioFromRelativeHumidity(25, 1.0, kP, {0.622})
        << *SaturationHumidityRatio(25, kP, {0.622}) << 1e-15;
    QTest::newRow("dew point") << DewPointFromHumidityRatio(0.01) << 14.3039 << 5e-5;
    QTest::newRow("vapour pressure") << Result(pv) << 1.603294 << 5e-7;
    QTest::newRow("relative humidity") << Result(rh) << 50.6292 << 5e-5;
    QTest::newRow("degree of saturation") << DegreeOfSaturation(rh, kP, pv, 25) << 0.498355 << 5e-7;
    QTest::newRow("enthalpy, readout set") << Result(MoistAirEnthalpy(25, 0.01, kReadoutHeats)) << 50.6381 << 5e-5;
    QTest::newRow("enthalpy, outdoor set") << Result(MoistAirEnthalpy(25, 0.01, kOutdoorHeats)) << 50.5862 << 5e-5;
    QTest::newRow("specific volume") << Result(v) << 0.857796 << 5e-7;
    QTest::newRow("density") << MoistAirDensity(0.01, v) << 1.177436 << 5e-7;
    QTest::newRow("T from h") << TemperatureFromEnthalpy(50, 0.01) << 24.5433 << 5e-5;
    for (const SpecificHeats &heats : {kReadoutHeats, kOutdoorHeats, SpecificHeats{1.0045, 1.805}})
        QTest::addRow("h of dry air at 0 C, a %g", heats.a) << Result(MoistAirEnthalpy(0, 0, heats)) << 0.0 << 0.0;

    // A missing pws counts as 0 kPa.
    QTest::newRow("no pws: saturation W") << SaturationHumidityRatio(90, kP, kK) << 0.0 << 0.0;
    QTest::newRow("no pws: W from phi") << HumidityRatioFromRelativeHumidity(-70, 0.5, kP, kK) << 0.0 << 0.0;
    QTest::newRow("no pws: W from wet bulb") << HumidityRatioFromWetBulb(30, 85, kP)
                                            << 55.0 / (2501 + 1.805 * 30 - 4.186 * 85) << 1e-15;
    QTest::newRow("no pws: degree of saturation") << DegreeOfSaturation(40, kP, 2.0, 90)
                                                 << 40 * kP / (kP - 2.0) / 100 << 1e-15;

    // R12; tr12 and pr12 are separate fits, not inverses of each other.
    QTest::newRow("pr12(0)") << Result(pr12(0)) << 3.0933 << 5e-5;
    QTest::newRow("pr12(40)") << Result(pr12(40)) << 9.6160 << 5e-5;
    QTest::newRow("pr12(-40)") << Result(pr12(-40)) << 0.6120 << 5e-5;
    QTest::newRow("hgr12(0)") << Result(hgr12(0)) << 187.54692 << 0.0;
    QTest::newRow("hfgr12(0)") << Result(hfgr12(0)) << 151.51301 << 0.0;
    QTest::newRow("hgr12(40)") << Result(hgr12(40)) << 203.163 << 5e-4;
    QTest::newRow("hfgr12(40)") << Result(hfgr12(40)) << 128.537 << 5e-4;
    QTest::newRow("liquid h at 40") << Result(hgr12(40) - hfgr12(40)) << 74.626 << 5e-4;
    QTest::newRow("liquid h at 0") << Result(hgr12(0) - hfgr12(0)) << 36.034 << 5e-4;
    QTest::newRow("liquid h at -40") << Result(hgr12(-40) - hfgr12(-40)) << -0.029 << 5e-4;
    QTest::newRow("tr12(1)") << tr12(1) << -30.066507 << 0.0;
    QTest::newRow("tr12(10)") << tr12(10) << 41.6622 << 5e-5;
    QTest::newRow("tr12(pr12(0))") << tr12(pr12(0)) << 0.048 << 5e-4;
    QTest::newRow("tr12(pr12(40))") << tr12(pr12(40)) << 40.063 << 5e-4;
    QTest::newRow("vfr12(0)") << Result(vfr12(0)) << 0.71572657 << 0.0;
    QTest::newRow("vfr12(40)") << Result(vfr12(40)) << 0.79845 << 5e-6;
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
    QTest::newRow("pws below -60") << pws(-60.0001);
    QTest::newRow("pws above 80") << pws(80.0001);
    QTest::newRow("pws of NaN") << pws(std::numeric_limits<double>::quiet_NaN());
    QTest::newRow("RH where pws has none") << RelativeHumidityFromVapourPressure(1.6, 80.5);
    QTest::newRow("saturation W at p = pws") << SaturationHumidityRatio(25, ps25, kK);
    QTest::newRow("saturation W at p 0, no pws") << SaturationHumidityRatio(90, 0, kK);
    QTest::newRow("W from phi at p = phi pws") << HumidityRatioFromRelativeHumidity(25, 0.5, ps25 / 2, kK);
    QTest::newRow("W from wet bulb at p = pws(Twb)") << HumidityRatioFromWetBulb(30, 25, ps25);
    QTest::newRow("volume at pv = p") << MoistAirSpecificVolume(25, kP, kP, kReadoutGas);
    QTest::newRow("density at v 0") << MoistAirDensity(0.01, 0);
    QTest::newRow("pv at W = -0.62198") << VapourPressureFromHumidityRatio(kP, -0.62198);
    QTest::newRow("mu at pv = p") << DegreeOfSaturation(50, kP, kP, 25);
    QTest::newRow("dew point at W 0") << DewPointFromHumidityRatio(0);
    QTest::newRow("dew point at W < 0") << DewPointFromHumidityRatio(-0.000417);
    QTest::newRow("tr12 at 0 bar") << tr12(0);
    QTest::newRow("tr12 below 0 bar") << tr12(-1);
}

void PropertyRoutinesTest::undefinedArithmeticHasNoValue()
{
    QFETCH(Result, result);
    QVERIFY2(!result, exact(result.value_or(0)));
}

// The trial accumulates by repeated addition; the search gives up after
// kWetBulbSearchMaxPasses passes: a humidity ratio reached at the last allowed
// pass is found, one a pass later is not.
void PropertyRoutinesTest::wetBulbSearchAccumulatesTrialUpToItsCap_data()
{
    QTest::addColumn<double>("W");
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("step");
    QTest::addColumn<Result>("expected");
    QTest::addColumn<int>("passes");
    const int cap = kWetBulbSearchMaxPasses;
    double atCap = 0;
    for (int i = 0; i < cap; ++i)
        atCap = atCap + 0.1;
    const double wAtCap = *HumidityRatioFromWetBulb(25, atCap, kP);
    const double wPastCap = *HumidityRatioFromWetBulb(25, atCap + 0.1, kP);

    QTest::newRow("readout step 0.1") << 0.01 << kP << 0.0 << 0.1 << Result(17.999999999999986) << 180;
    QTest::newRow("unit step 0.05") << 0.01 << kP << 0.0 << 0.05 << Result(18.00000000000012) << 360;
    QTest::newRow("W 0 returns start") << 0.0 << kP << 12.5 << 0.05 << Result(12.5) << 0;
    QTest::newRow("W < 0 returns start") << -0.000417 << kP << 21.0 << 0.05 << Result(21.0) << 0;
    QTest::newRow("start is never tested") << 0.01 << kP << 20.0 << 0.05 << Result(20.05) << 1;
    QTest::newRow("past 80 C, pws counts as 0") << 0.6 << kP << 0.0 << 0.1 << Result(442.20000000003205) << 4422;
    QTest::newRow("reached at the last pass") << wAtCap << kP << 0.0 << 0.1 << Result(atCap) << cap;
    QTest::newRow("one pass beyond the cap") << wPastCap << kP << 0.0 << 0.1 << Result() << cap;
    QTest::newRow("step 0 never advances") << 0.01 << kP << 0.0 << 0.0 << Result() << cap;
    QTest::newRow("a pass with no W") << 0.01 << *pws(0.1) << 0.0 << 0.1 << Result() << 1;
}

void PropertyRoutinesTest::wetBulbSearchAccumulatesTrialUpToItsCap()
{
    QFETCH(double, W);
    QFETCH(double, p);
    QFETCH(double, start);
    QFETCH(double, step);
    QFETCH(Result, expected);
    QFETCH(int, passes);
    int made = -1;
    const auto twb = WetBulbSearch(25, W, p, {start, step}, &made);
    QCOMPARE(made, passes);
    QCOMPARE(bool(twb), bool(expected));
    if (expected)
        QCOMPARE(exact(*twb), exact(*expected));
}

QTEST_APPLESS_MAIN(PropertyRoutinesTest)
#include "tst_property_routines.moc"
