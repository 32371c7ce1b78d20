#include "unit_model.h"

#include <QtTest>

#include <cmath>

namespace {

// Knob 8.0, 23/17 degC outdoors at 1013 mbar, superheat 6, every selector at 1.
UnitInputs design()
{
    UnitInputs in;
    in.steamPower = 0.85;
    in.preheatPower = in.reheatPower = 0.96;
    in.vapor1 = in.prec = in.rec = 1;
    return in;
}

UnitInputs allOff(double knob = 8.0)
{
    UnitInputs in;
    in.fanSetting = knob;
    return in;
}

// A computed value and how a worked example prints it.
struct Printed
{
    const char *name;
    double value;
    double printed;
    int decimals;
};

bool printsAs(double value, double printed, int decimals)
{
    return std::abs(value - printed) <= 0.5 * std::pow(10.0, -decimals) + 1e-9 * std::abs(printed);
}

} // namespace

#define CHECK_PRINTED(value, printed, decimals)                                                  \
    QVERIFY2(printsAs((value), (printed), (decimals)),                                           \
             qPrintable(QStringLiteral(#value " = %1").arg(double(value), 0, 'g', 12)))

#define CHECK_ALL_PRINTED(table)                                                                 \
    for (const Printed &p : table)                                                               \
        QVERIFY2(printsAs(p.value, p.printed, p.decimals),                                       \
                 qPrintable(QStringLiteral("%1 = %2").arg(p.name).arg(p.value, 0, 'g', 12)))

class UnitModelTest : public QObject
{
    Q_OBJECT

private slots:
    void designAirSide();
    void designCycleAndDiagram();
    void everyPowerOff();
    void steamBeyondSaturationWarns();
    void dryOutdoorAirGivesNegativeHumidityRatio();
    void knobDrivesTachometerAndManometer_data();
    void knobDrivesTachometerAndManometer();
    void steamWetBulbClimbsFromOutdoorWetBulb();
    void chartPathJoinsAtStoredEnds();
    void diagramXFromStoredLevel();
    void superheatMovesOnlySuctionSide();
    void outdoorTemperatureMovesOnlyCondensingSide();
    void coilWarmerThanAirGivesNegativeCapacity();
    void unreachableWetBulbCarriesAsMissing();
    void elementBars_data();
    void elementBars();
};

void UnitModelTest::designAirSide()
{
    const UnitResult r = computeUnit(design());
    const Printed printed[] = {
        {"dp", r.dp, 3.174603, 6},     {"W1", r.s1.W, 0.0096529, 7}, {"T2", r.s2.T, 23.4795, 4},
        {"Twb2", r.s2.Twb, 19.45, 9},  {"T3", r.s3.T, 33.1771, 4},   {"Twb3", r.s3.Twb, 22.35, 9},
        {"L", r.L, 3.81, 9},           {"Tc", r.Tc, 16.81356, 9},    {"T4", r.s4.T, 20.4135, 4},
        {"Twb4", r.s4.Twb, 18.15, 9},  {"kg/h", r.condensate, 0.137057, 6},
        {"T5", r.s5.T, 30.2043, 4},    {"Twb5", r.s5.Twb, 21.25, 9},
    };
    CHECK_ALL_PRINTED(printed);
    QVERIFY(!r.supersaturated);
}

// Q = ma (h3 - h4) / 0.98, mr = Q / (hsuc - hliq), Pcomp = 1.3 mr (hdis - hsuc).
void UnitModelTest::designCycleAndDiagram()
{
    const UnitResult r = computeUnit(design());
    const RefrigerationCycle &c = r.cycle;
    const auto &l = r.diagramLines;
    const auto &n = r.diagramFigures;
    const Printed printed[] = {
        {"te", c.te, 9.4478, 4},       {"pe", c.pe, 4.1529, 4},       {"tsuc", c.tsuc, 15.4478, 4},
        {"hsuc", c.hsuc, 195.560, 3},  {"tc", c.tc, 37.099, 3},       {"pc", c.pc, 8.9406, 4},
        {"tdis", c.tdis, 58.289, 3},   {"hdis", c.hdis, 218.057, 3},  {"hfc", c.hfc, 71.685, 3},
        {"sc", c.sc, 7.19, 9},         {"tliq", c.tliq, 29.909, 3},   {"hliq", c.hliq, 64.495, 3},
        {"Q", c.Q, 1.37673, 5},        {"mr", c.mr, 0.01050415, 8},   {"Pcomp", c.Pcomp, 0.307204, 6},
        {"COP", c.COP.value_or(0), 4.4815, 4},                        {"float", c.floatTop, 3644.96, 2},
        {"Yc", l[0].Y1, 1929.17, 2},   {"Ye", l[0].Y2, 2380.72, 2},   {"expansion", l[0].X1, 1002.48, 2},
        {"evaporation end", l[1].X2, 2394.85, 2},                     {"compression end", l[2].X2, 2629.20, 2},
        {"1 Left", n[0].Left, 2444.85, 2}, {"1 Top", n[0].Top, 2430.72, 2},
        {"2 Left", n[1].Left, 2779.20, 2}, {"2 Top", n[1].Top, 1779.17, 2},
        {"3 Left", n[2].Left, 752.48, 2},  {"3 Top", n[2].Top, 1779.17, 2},
        {"4 Left", n[3].Left, 752.48, 2},  {"4 Top", n[3].Top, 2430.72, 2},
    };
    CHECK_ALL_PRINTED(printed);
}

void UnitModelTest::everyPowerOff()
{
    const UnitResult r = computeUnit(allOff());
    for (const AirState &s : {r.s2, r.s3}) {
        QCOMPARE(s.T, 23.0);
        QCOMPARE(s.Twb, 17.0);
    }
    CHECK_PRINTED(r.L, 2, 9);
    CHECK_PRINTED(r.Tc, 15.952, 9);
    QCOMPARE(r.s4.W, r.s1.W);
    QCOMPARE(r.condensate, 0.0);
    CHECK_PRINTED(r.s4.T, 17.50256, 5);
    CHECK_PRINTED(r.s4.Twb, 15.05, 9);
    QCOMPARE(r.s5.T, r.s4.T);
    QCOMPARE(r.s5.Twb, r.s4.Twb);
}

void UnitModelTest::steamBeyondSaturationWarns()
{
    UnitInputs in = allOff(5.0);
    in.steamPower = 4.25;
    const UnitResult r = computeUnit(in);
    CHECK_PRINTED(r.s2.T, 31.65, 9);
    CHECK_PRINTED(r.s3.T, 31.65, 9);
    QVERIFY(r.supersaturated);
    CHECK_PRINTED(r.condensate, 3.333402, 6);
    // The coil's bypass mix would lie beyond saturation: shown at its wet bulb.
    QVERIFY(r.s4.T > 0.22 * (r.s3.T - r.Tc) + r.Tc);
    QCOMPARE(r.s4.T, r.s4.Twb);
}

void UnitModelTest::dryOutdoorAirGivesNegativeHumidityRatio()
{
    UnitInputs in = allOff();
    in.T1 = 30;
    in.Twb1 = 10;
    in.preheatPower = 0.96;
    const UnitResult r = computeUnit(in);
    CHECK_PRINTED(r.s1.W, -0.000417, 6);
    QCOMPARE(r.s2.Twb, 10.0);
    CHECK_PRINTED(r.s3.T, 40.0779, 4);
    QCOMPARE(r.s3.Twb, 0.0);
    CHECK_PRINTED(r.s4.T, 21.6161, 4);
    QCOMPARE(r.s4.Twb, 0.0);
    QCOMPARE(r.condensate, 0.0);
}

void UnitModelTest::knobDrivesTachometerAndManometer_data()
{
    QTest::addColumn<double>("knob");
    QTest::addColumn<int>("rpm");
    QTest::addColumn<float>("x2");
    QTest::addColumn<float>("y2");
    QTest::newRow("8.0") << 8.0 << 2312 << 5631.0f << 2253.0f;
    QTest::newRow("5.5: 1589.5 to even") << 5.5 << 1590 << 5713.5f << 2294.25f;
    QTest::newRow("6.5: 1878.5 to even") << 6.5 << 1878 << 5680.5f << 2277.75f;
    QTest::newRow("5") << 5.0 << 1445 << 5730.0f << 2302.5f;
    QTest::newRow("10") << 10.0 << 2890 << 5565.0f << 2220.0f;
}

void UnitModelTest::knobDrivesTachometerAndManometer()
{
    QFETCH(double, knob);
    QFETCH(int, rpm);
    QFETCH(float, x2);
    QFETCH(float, y2);
    const UnitResult r = computeUnit(allOff(knob));
    QCOMPARE(r.rpm, rpm);
    QVERIFY(std::abs(r.manometerX2 - x2) < 1e-3f);
    QVERIFY(std::abs(r.manometerY2 - y2) < 1e-3f);
}

// 49 steps of 0.05 above the outdoor wet bulb; a search from 0 would land on
// a slightly different number.
void UnitModelTest::steamWetBulbClimbsFromOutdoorWetBulb()
{
    double expected = 17;
    for (int i = 0; i < 49; ++i)
        expected += 0.05;
    QVERIFY(computeUnit(design()).s2.Twb == expected);
}

void UnitModelTest::chartPathJoinsAtStoredEnds()
{
    const auto path = computeUnit(design()).chartPath;
    QCOMPARE(path[0].line.X1, 1569.0f);   // 120 + 63 x 23
    QCOMPARE(path[0].line.X2, path[0].line.X1);
    QCOMPARE(path[0].line.Y2, path[0].line.Y1);
    for (size_t i = 1; i < path.size(); ++i) {
        QCOMPARE(path[i].line.X1, path[i - 1].line.X2);
        QCOMPARE(path[i].line.Y1, path[i - 1].line.Y2);
    }
    // "A" 50 below, "B" 300 above and 50 right, "C" 50 below and 100 left, "D" 50 below.
    const float offsets[4][2] = {{50, 0}, {-300, 50}, {50, -100}, {50, 0}};
    for (size_t i = 0; i < path.size(); ++i) {
        QCOMPARE(path[i].letter.Top, path[i].line.Y2 + offsets[i][0]);
        QCOMPARE(path[i].letter.Left, path[i].line.X2 + offsets[i][1]);
    }
}

// Knob 5 at 15/9 degC, everything off: from the unrounded condensing level
// the expansion line would stand at 802.426575.
void UnitModelTest::diagramXFromStoredLevel()
{
    UnitInputs in = allOff(5.0);
    in.T1 = 15;
    in.Twb1 = 9;
    const auto l = computeUnit(in).diagramLines;
    QVERIFY(l[0].X1 == 802.426514f);
    QCOMPARE(l[3].X2, l[0].X1);
    QCOMPARE(l[2].X1, l[1].X2);
}

void UnitModelTest::superheatMovesOnlySuctionSide()
{
    UnitInputs in = design();
    in.sh = 4;
    const RefrigerationCycle low = computeUnit(in).cycle;
    in.sh = 7;
    const RefrigerationCycle high = computeUnit(in).cycle;
    for (double RefrigerationCycle::*q : {&RefrigerationCycle::te, &RefrigerationCycle::pe,
                                          &RefrigerationCycle::tc, &RefrigerationCycle::pc,
                                          &RefrigerationCycle::tdis, &RefrigerationCycle::hdis,
                                          &RefrigerationCycle::hliq, &RefrigerationCycle::Q})
        QCOMPARE(high.*q, low.*q);
    CHECK_PRINTED(high.tsuc - low.tsuc, 3, 9);
    CHECK_PRINTED(high.hsuc - low.hsuc, 3 * 0.67, 9);
    QVERIFY(high.mr < low.mr && high.Pcomp != low.Pcomp && *high.COP != *low.COP);
}

void UnitModelTest::outdoorTemperatureMovesOnlyCondensingSide()
{
    UnitInputs in = design();
    const RefrigerationCycle base = computeUnit(in).cycle;
    in.T1 += 1;
    const RefrigerationCycle warmer = computeUnit(in).cycle;
    QCOMPARE(warmer.te, base.te);
    QCOMPARE(warmer.pe, base.pe);
    CHECK_PRINTED(warmer.tc - base.tc, 1.42, 9);
    CHECK_PRINTED(warmer.tdis - base.tdis, 1.42, 9);
    CHECK_PRINTED(warmer.tliq - base.tliq, 1.42, 9);
}

// 15/12 degC outdoors with everything off: the coil (15.952 degC) warms the
// air; nothing is clamped and the float sinks below its rest.
void UnitModelTest::coilWarmerThanAirGivesNegativeCapacity()
{
    UnitInputs in = allOff();
    in.T1 = 15;
    in.Twb1 = 12;
    const UnitResult r = computeUnit(in);
    QVERIFY(r.s3.T < r.s4.T && r.s4.T < r.Tc);
    QCOMPARE(r.s4.W, r.s3.W);
    QVERIFY(r.cycle.Q < 0 && r.cycle.mr < 0 && r.cycle.Pcomp < 0);
    QVERIFY(r.cycle.floatTop > 3750);
}

// Typed-in nonsense (a 550 degC wet bulb at 100 bar) puts the coil outlet's
// wet bulb beyond the search's reach: it and what follows from it are
// missing, without a hang or an infinity.
void UnitModelTest::unreachableWetBulbCarriesAsMissing()
{
    UnitInputs in = allOff();
    in.Twb1 = 550;
    in.p = 10000;
    const UnitResult r = computeUnit(in);
    QVERIFY(std::isnan(r.s4.Twb) && std::isfinite(r.s4.T));
    QVERIFY(std::isnan(r.s5.T) && std::isnan(r.chartPath[3].line.X2));
    QVERIFY(std::isfinite(r.cycle.Q) && std::isfinite(r.cycle.floatTop));
}

void UnitModelTest::elementBars_data()
{
    QTest::addColumn<int>("vapor1");
    QTest::addColumn<int>("prec");
    QTest::addColumn<int>("rec");
    QTest::addColumn<QString>("bars");   // Line6(0..6): 1 shown, 0 hidden, - left as is
    QTest::newRow("0 0 0") << 0 << 0 << 0 << "0000000";
    QTest::newRow("1 1 2") << 1 << 1 << 2 << "0011011";
    QTest::newRow("2 2 1") << 2 << 2 << 1 << "1001110";
    QTest::newRow("3 0 0") << 3 << 0 << 0 << "1010000";
    QTest::newRow("4 0 0") << 4 << 0 << 0 << "1100000";
    QTest::newRow("5 2 2") << 5 << 2 << 2 << "1111111";
    QTest::newRow("outside") << 6 << 3 << -1 << "-------";
}

void UnitModelTest::elementBars()
{
    QFETCH(int, vapor1);
    QFETCH(int, prec);
    QFETCH(int, rec);
    QFETCH(QString, bars);
    UnitInputs in = design();
    in.vapor1 = vapor1;
    in.prec = prec;
    in.rec = rec;
    QString shown;
    for (const auto &bar : computeUnit(in).elementBars)
        shown += bar ? (*bar ? '1' : '0') : '-';
    QCOMPARE(shown, bars);
}

QTEST_APPLESS_MAIN(UnitModelTest)
#include "tst_unit_model.moc"
