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

UnitInputs allOff(double knob = 8.0, double T1 = 23, double Twb1 = 17)
{
    UnitInputs in;
    in.fanSetting = knob;
    in.T1 = T1;
    in.Twb1 = Twb1;
    return in;
}

// A computed figure, its worked value and how far it may lie off (0: exactly).
struct Figure { const char *name; double value, expected, tolerance; };

void add(const QString &scenario, std::initializer_list<Figure> figures)
{
    for (const Figure &f : figures)
        QTest::addRow("%s: %s", qPrintable(scenario), f.name) << f.value << f.expected << f.tolerance;
}

} // namespace

class UnitModelTest : public QObject
{
    Q_OBJECT
private slots:
    void workedFigures_data();
    void workedFigures();
    void coilWarmerThanAirGivesNegativeCapacity();
    void unreachableWetBulbCarriesAsMissing();
    void elementBars_data();
    void elementBars();
};

void UnitModelTest::workedFigures_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");

    const UnitResult d = computeUnit(design());
    const RefrigerationCycle &c = d.cycle;
    const auto &l = d.diagramLines;
    const auto &n = d.diagramFigures;
    double climbed = 17;   // 49 steps of 0.05 above the outdoor wet bulb, not a search from 0
    for (int i = 0; i < 49; ++i)
        climbed += 0.05;
    add("design", {
        {"dp", d.dp, 3.174603, 5e-7},     {"W1", d.s1.W, 0.0096529, 5e-8},    {"T2", d.s2.T, 23.4795, 5e-5},
        {"Twb2", d.s2.Twb, climbed, 0},   {"T3", d.s3.T, 33.1771, 5e-5},      {"Twb3", d.s3.Twb, 22.35, 1e-9},
        {"L", d.L, 3.81, 1e-9},           {"Tc", d.Tc, 16.81356, 1e-9},       {"T4", d.s4.T, 20.4135, 5e-5},
        {"Twb4", d.s4.Twb, 18.15, 1e-9},  {"kg/h", d.condensate, 0.137057, 5e-7},
        {"T5", d.s5.T, 30.2043, 5e-5},    {"Twb5", d.s5.Twb, 21.25, 1e-9},    {"warning", double(d.supersaturated), 0, 0},
        {"chart mark X", d.chartPath[0].line.X1, 120 + 63 * 23, 0},
        {"chart mark length", std::hypot(d.chartPath[0].line.X2 - d.chartPath[0].line.X1,
                                         d.chartPath[0].line.Y2 - d.chartPath[0].line.Y1), 0, 0},
        {"te", c.te, 9.4478, 5e-5},       {"pe", c.pe, 4.1529, 5e-5},         {"tsuc", c.tsuc, 15.4478, 5e-5},
        {"hsuc", c.hsuc, 195.560, 5e-4},  {"tc", c.tc, 37.099, 5e-4},         {"pc", c.pc, 8.9406, 5e-5},
        {"tdis", c.tdis, 58.289, 5e-4},   {"hdis", c.hdis, 218.057, 5e-4},    {"hfc", c.hfc, 71.685, 5e-4},
        {"sc", c.sc, 7.19, 1e-9},         {"tliq", c.tliq, 29.909, 5e-4},     {"hliq", c.hliq, 64.495, 5e-4},
        {"p3", c.pliq, 8.9306, 5e-5},     {"p4", c.pinlet, 4.1729, 5e-5},
        {"Q", c.Q, 1.37673, 5e-6},        {"mr", c.mr, 0.01050415, 5e-9},     {"Pcomp", c.Pcomp, 0.307204, 5e-7},
        {"COP", c.COP.value_or(0), 4.4815, 5e-5},                             {"float", c.floatTop, 3644.96, 5e-3},
        {"Yc", l[0].Y1, 1929.17, 5e-3},   {"Ye", l[0].Y2, 2380.72, 5e-3},     {"expansion X", l[0].X1, 1002.48, 5e-3},
        {"evaporation end", l[1].X2, 2394.85, 5e-3},  {"compression end", l[2].X2, 2629.20, 5e-3},
        {"1 Left", n[0].Left, 2444.85, 5e-3}, {"1 Top", n[0].Top, 2430.72, 5e-3}, {"2 Left", n[1].Left, 2779.20, 5e-3},
        {"2 Top", n[1].Top, 1779.17, 5e-3},   {"3 Left", n[2].Left, 752.48, 5e-3}, {"3 Top", n[2].Top, 1779.17, 5e-3},
        {"4 Left", n[3].Left, 752.48, 5e-3},  {"4 Top", n[3].Top, 2430.72, 5e-3},
    });

    // Each line of the chart path starts at the stored end of the one before.
    for (size_t i = 1; i < d.chartPath.size(); ++i) {
        const FloatLine &before = d.chartPath[i - 1].line, &line = d.chartPath[i].line;
        const double gap = std::hypot(line.X1 - before.X2, line.Y1 - before.Y2);
        QTest::addRow("design: chart line %d joins", int(i)) << gap << 0.0 << 0.0;
    }

    // W4 = W1: the outdoor air lies below the coil's saturation humidity ratio.
    const UnitResult o = computeUnit(allOff());
    add("all off", {
        {"T2", o.s2.T, 23, 0},  {"Twb2", o.s2.Twb, 17, 0},  {"T3", o.s3.T, 23, 0},  {"Twb3", o.s3.Twb, 17, 0},
        {"L", o.L, 2, 1e-9},    {"Tc", o.Tc, 15.952, 1e-9}, {"W4 - W1", o.s4.W - o.s1.W, 0, 0},
        {"kg/h", o.condensate, 0, 0},   {"T4", o.s4.T, 17.50256, 5e-6},   {"Twb4", o.s4.Twb, 15.05, 1e-9},
        {"T5 - T4", o.s5.T - o.s4.T, 0, 0},   {"Twb5 - Twb4", o.s5.Twb - o.s4.Twb, 0, 0},
        {"A to B length", std::hypot(o.chartPath[1].line.X2 - o.chartPath[1].line.X1,
                                     o.chartPath[1].line.Y2 - o.chartPath[1].line.Y1), 0, 0},
    });

    // Past saturation T2 becomes Twb2, and so does T4 beyond the coil's bypass mix.
    UnitInputs in = allOff(5.0);
    in.steamPower = 4.25;
    const UnitResult s = computeUnit(in);
    add("steam 4.25, knob 5", {
        {"T2", s.s2.T, 31.65, 1e-9},            {"T3", s.s3.T, 31.65, 1e-9},    {"warning", double(s.supersaturated), 1, 0},
        {"kg/h", s.condensate, 3.333402, 5e-7}, {"T4 - Twb4", s.s4.T - s.s4.Twb, 0, 0},
    });

    in = allOff(8.0, 30, 10);
    in.preheatPower = 0.96;
    const UnitResult dry = computeUnit(in);
    add("30/10 degC, preheat", {
        {"W1", dry.s1.W, -0.000417, 5e-7}, {"Twb2", dry.s2.Twb, 10, 0},     {"T3", dry.s3.T, 40.0779, 5e-5},
        {"Twb3", dry.s3.Twb, 0, 0},        {"T4", dry.s4.T, 21.6161, 5e-5}, {"Twb4", dry.s4.Twb, 0, 0},
        {"kg/h", dry.condensate, 0, 0},
    });

    // The superheat moves only the suction side, the outdoor air only the condensing side.
    in = design();
    in.sh = 4;
    const RefrigerationCycle sh4 = computeUnit(in).cycle;
    in.sh = 7;
    const RefrigerationCycle sh7 = computeUnit(in).cycle;
    add("superheat 4 to 7", {
        {"te", sh7.te - sh4.te, 0, 0},       {"pe", sh7.pe - sh4.pe, 0, 0},       {"tc", sh7.tc - sh4.tc, 0, 0},
        {"pc", sh7.pc - sh4.pc, 0, 0},       {"tdis", sh7.tdis - sh4.tdis, 0, 0}, {"hdis", sh7.hdis - sh4.hdis, 0, 0},
        {"hliq", sh7.hliq - sh4.hliq, 0, 0}, {"Q", sh7.Q - sh4.Q, 0, 0},          {"tsuc", sh7.tsuc - sh4.tsuc, 3, 1e-9},
        {"hsuc", sh7.hsuc - sh4.hsuc, 3 * 0.67, 1e-9},
    });
    in = design();
    in.T1 += 1;
    const RefrigerationCycle w = computeUnit(in).cycle;
    add("outdoor 1 degC warmer", {
        {"te", w.te - c.te, 0, 0},             {"pe", w.pe - c.pe, 0, 0},       {"tc", w.tc - c.tc, 1.42, 1e-9},
        {"tdis", w.tdis - c.tdis, 1.42, 1e-9}, {"tliq", w.tliq - c.tliq, 1.42, 1e-9},
    });

    // The diagram's X values come from the stored (single-precision) level:
    // from the unrounded one the expansion line would stand at 802.426575.
    const UnitResult cool = computeUnit(allOff(5.0, 15, 9));
    const auto &k = cool.diagramLines;
    add("knob 5, 15/9 degC", {{"expansion X", k[0].X1, 802.426514f, 0}, {"condensation end", k[3].X2, k[0].X1, 0},
                              {"compression start", k[2].X1, k[1].X2, 0}});

    // Tachometer rounded half to even (1589.5 and 1878.5), manometer end.
    const double knobs[][4] = {{8, 2312, 5631, 2253},   {5.5, 1590, 5713.5, 2294.25}, {6.5, 1878, 5680.5, 2277.75},
                               {5, 1445, 5730, 2302.5}, {10, 2890, 5565, 2220}};
    for (const auto &knob : knobs) {
        const UnitResult r = computeUnit(allOff(knob[0]));
        add(QStringLiteral("knob %1").arg(knob[0]), {{"rpm", double(r.rpm), knob[1], 0},
            {"manometer X2", r.manometerX2, knob[2], 1e-3}, {"manometer Y2", r.manometerY2, knob[3], 1e-3}});
    }
}

void UnitModelTest::workedFigures()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    QVERIFY2(std::abs(value - expected) <= tolerance, qPrintable(QString::number(value, 'g', 17)));
}

// 15/12 degC outdoors with everything off: the coil (15.952 degC) warms the
// air; nothing is clamped and the float sinks below its rest.
void UnitModelTest::coilWarmerThanAirGivesNegativeCapacity()
{
    const UnitResult r = computeUnit(allOff(8.0, 15, 12));
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
    UnitInputs in = allOff(8.0, 23, 550);
    in.p = 10000;
    const UnitResult r = computeUnit(in);
    QVERIFY(std::isnan(r.s4.Twb) && std::isfinite(r.s4.T));
    QVERIFY(std::isnan(r.s5.T) && std::isnan(r.chartPath[3].line.X2));
    QVERIFY(std::isfinite(r.cycle.Q) && std::isfinite(r.cycle.floatTop));
}

void UnitModelTest::elementBars_data()
{
    QTest::addColumn<QList<int>>("selectors");   // vapor1, prec, rec
    QTest::addColumn<QString>("bars");           // Line6(0..6): 1 shown, 0 hidden, - left as is
    const std::pair<QList<int>, const char *> rows[] = {
        {{0, 0, 0}, "0000000"}, {{1, 1, 2}, "0011011"}, {{2, 2, 1}, "1001110"}, {{3, 0, 0}, "1010000"},
        {{4, 0, 0}, "1100000"}, {{5, 2, 2}, "1111111"}, {{6, 3, -1}, "-------"},   // the last outside every range
    };
    for (const auto &[selectors, bars] : rows)
        QTest::addRow("%d %d %d", selectors[0], selectors[1], selectors[2]) << selectors << QString::fromLatin1(bars);
}

void UnitModelTest::elementBars()
{
    QFETCH(QList<int>, selectors);
    QFETCH(QString, bars);
    UnitInputs in = design();
    in.vapor1 = selectors[0];
    in.prec = selectors[1];
    in.rec = selectors[2];
    QString shown;
    for (const auto &bar : computeUnit(in).elementBars)
        shown += bar ? (*bar ? '1' : '0') : '-';
    QCOMPARE(shown, bars);
}

QTEST_APPLESS_MAIN(UnitModelTest)
#include "tst_unit_model.moc"
