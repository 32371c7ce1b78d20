// The wet-bulb search skips and bisects where it can; every display that shows
// a wet bulb depends on it landing on exactly the trial, after exactly the
// passes, of testing every trial in turn. These tests hold it to a copy of that
// pass-by-pass search over the inputs the windows can produce, at the exact
// humidity ratios of trials (where rounding decides), across the seams of the
// saturation-pressure fit and in the cases the skipping does not cover.
#include "moist_air.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

using namespace psychro;
using Result = std::optional<double>;
Q_DECLARE_METATYPE(Result)

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Outcome {
    Result twb;
    int passes = -1;
};

// Every trial tested in turn: the search as first written.
Outcome passByPass(double T, double W, double p, WetBulbTrial trial)
{
    double t = trial.start;
    double Wc = 0.0;
    int count = 0;
    bool found = true;
    while (W - Wc > 0.0) {
        if (count == kWetBulbSearchMaxPasses) {
            found = false;
            break;
        }
        t = t + trial.step;
        ++count;
        const auto w = HumidityRatioFromWetBulb(T, t, p);
        if (!w) {
            found = false;
            break;
        }
        Wc = *w;
    }
    return {found ? Result(t) : Result(), count};
}

Outcome search(double T, double W, double p, WetBulbTrial trial)
{
    Outcome o;
    o.twb = WetBulbSearch(T, W, p, trial, &o.passes);
    return o;
}

bool same(const Outcome &a, const Outcome &b)
{
    if (a.passes != b.passes || bool(a.twb) != bool(b.twb))
        return false;
    // Bit for bit: a NaN start comes back as itself.
    return !a.twb || std::memcmp(&*a.twb, &*b.twb, sizeof(double)) == 0;
}

QString describe(const Outcome &o)
{
    const QString value = o.twb ? QString::number(*o.twb, 'g', 17) : QStringLiteral("none");
    return QStringLiteral("%1 after %2 passes").arg(value).arg(o.passes);
}

// Compares one search and returns a message for the first difference.
QString difference(double T, double W, double p, WetBulbTrial trial)
{
    const Outcome fast = search(T, W, p, trial);
    const Outcome reference = passByPass(T, W, p, trial);
    if (same(fast, reference))
        return {};
    return QStringLiteral("T %1, W %2, p %3, start %4, step %5: %6 instead of %7")
        .arg(T, 0, 'g', 17).arg(W, 0, 'g', 17).arg(p, 0, 'g', 17)
        .arg(trial.start, 0, 'g', 17).arg(trial.step, 0, 'g', 17)
        .arg(describe(fast), describe(reference));
}

// The trial after `k` passes.
double trialAfter(WetBulbTrial trial, int k)
{
    double t = trial.start;
    for (int i = 0; i < k; ++i)
        t = t + trial.step;
    return t;
}

} // namespace

class WetBulbSearchTest : public QObject
{
    Q_OBJECT

private slots:
    void agreesOverTheWindowsInputs();
    void agreesAtHumidityRatiosOfTrials_data();
    void agreesAtHumidityRatiosOfTrials();
    void agreesInCasesNotSkipped_data();
    void agreesInCasesNotSkipped();
};

// Dry bulbs, humidity ratios and pressures the windows take, from the
// searches' starts (0 and the outdoor wet bulbs) in both steps.
void WetBulbSearchTest::agreesOverTheWindowsInputs()
{
    int searches = 0;
    for (double step : {0.05, 0.1}) {
        for (double start : {0.0, 10.0, 12.5, 15.0, 17.0, 20.0, 22.5, 25.0, 27.5, 30.0}) {
            for (double p : {95.0, 98.0, 101.325, 104.0, 105.0}) {
                for (double T = -5.0; T <= 60.0; T += 2.5) {
                    for (double W = 0.0; W <= 0.0605; W += 0.00137) {
                        const QString diff = difference(T, W, p, {start, step});
                        QVERIFY2(diff.isEmpty(), qPrintable(diff));
                        ++searches;
                    }
                }
            }
        }
    }
    QVERIFY(searches > 50000);
}

// W exactly the humidity ratio at one trial and a hair either side of it, for
// trials at the ends of the skipped blocks, across 0 degrees (where pws steps
// up), 40 (where it steps down by less than one step of 0.05 raises it) and 80
// (where it ends), and at the cap.
void WetBulbSearchTest::agreesAtHumidityRatiosOfTrials_data()
{
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("from");   // passes to the first trial whose W is tried
    QTest::addColumn<int>("to");     // and to the last

    QTest::newRow("block ends, step 0.1") << 35.0 << 101.325 << 0.0 << 0.1 << 1 << 330;
    QTest::newRow("block ends, step 0.05") << 23.0 << 101.3 << 0.0 << 0.05 << 1 << 460;
    QTest::newRow("from an outdoor wet bulb") << 40.0 << 95.0 << 17.0 << 0.05 << 1 << 300;
    QTest::newRow("across 0") << 10.0 << 101.325 << -10.0 << 0.05 << 150 << 260;
    QTest::newRow("across 0 from below -60") << 5.0 << 101.325 << -70.0 << 0.1 << 60 << 760;
    QTest::newRow("across 40") << 60.0 << 101.325 << 30.0 << 0.05 << 150 << 260;
    QTest::newRow("across 40, step 0.1") << 60.0 << 98.0 << 36.0 << 0.1 << 1 << 100;
    // One step of 0.01 rises less than the step down at 40.
    QTest::newRow("across 40, step 0.01") << 60.0 << 101.325 << 39.5 << 0.01 << 1 << 100;
    QTest::newRow("across 80") << 60.0 << 101.325 << 70.0 << 0.1 << 60 << 140;
    QTest::newRow("at the cap") << 25.0 << 101.325 << 0.0 << 0.1 << 4930 << 5000;
}

void WetBulbSearchTest::agreesAtHumidityRatiosOfTrials()
{
    QFETCH(double, T);
    QFETCH(double, p);
    QFETCH(double, start);
    QFETCH(double, step);
    QFETCH(int, from);
    QFETCH(int, to);
    const WetBulbTrial trial{start, step};
    double t = trialAfter(trial, from - 1);
    for (int k = from; k <= to; ++k) {
        t = t + step;
        const double W = *HumidityRatioFromWetBulb(T, t, p);
        for (double w : {std::nextafter(W, -kInf), W, std::nextafter(W, kInf)}) {
            const QString diff = difference(T, w, p, trial);
            QVERIFY2(diff.isEmpty(), qPrintable(diff));
        }
    }
}

// Known answers, and the inputs the search takes pass by pass (a pressure at
// or below the saturation pressures, a tiny or no step, a dry bulb or start
// far out, numbers that are not numbers) or hands over to pass by pass
// (trials past the point where the formula's denominator nears 0).
void WetBulbSearchTest::agreesInCasesNotSkipped_data()
{
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("W");
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("step");
    QTest::addColumn<Result>("expected");   // a known answer, or none to check
    QTest::addColumn<int>("passes");        // -1: none to check

    const double atCap = trialAfter({0.0, 0.1}, kWetBulbSearchMaxPasses);
    const double wAtCap = *HumidityRatioFromWetBulb(25, atCap, 101.325);
    const double wPastCap = *HumidityRatioFromWetBulb(25, atCap + 0.1, 101.325);

    QTest::newRow("readout step") << 25.0 << 0.01 << 101.325 << 0.0 << 0.1 << Result(17.999999999999986) << 180;
    QTest::newRow("unit step") << 25.0 << 0.01 << 101.325 << 0.0 << 0.05 << Result(18.00000000000012) << 360;
    QTest::newRow("past 80, pws as 0") << 25.0 << 0.6 << 101.325 << 0.0 << 0.1 << Result(442.20000000003205) << 4422;
    QTest::newRow("reached at the cap") << 25.0 << wAtCap << 101.325 << 0.0 << 0.1 << Result(atCap) << 5000;
    QTest::newRow("one pass past the cap") << 25.0 << wPastCap << 101.325 << 0.0 << 0.1 << Result() << 5000;
    QTest::newRow("never reached") << 35.0 << 5.0 << 101.3 << 0.0 << 0.1 << Result() << 5000;
    QTest::newRow("W infinite") << 35.0 << kInf << 101.3 << 0.0 << 0.1 << Result() << 5000;
    QTest::newRow("W not a number") << 35.0 << kNaN << 101.3 << 3.0 << 0.1 << Result(3.0) << 0;
    QTest::newRow("W 0") << 35.0 << 0.0 << 101.3 << 3.0 << 0.1 << Result(3.0) << 0;
    QTest::newRow("start is never tested") << 25.0 << 0.01 << 101.325 << 20.0 << 0.05 << Result(20.05) << 1;
    QTest::newRow("p at pws: a pass with no W") << 25.0 << 0.01 << *pws(0.1) << 0.0 << 0.1 << Result() << 1;
    QTest::newRow("p below pws(80)") << 25.0 << 0.02 << 30.0 << 0.0 << 0.1 << Result() << -1;
    QTest::newRow("p just under the skipping range") << 25.0 << 0.02 << 59.9 << 0.0 << 0.1 << Result() << -1;
    QTest::newRow("p not a number") << 25.0 << 0.02 << kNaN << 0.0 << 0.1 << Result() << -1;
    QTest::newRow("step 0") << 25.0 << 0.01 << 101.325 << 0.0 << 0.0 << Result() << 5000;
    QTest::newRow("tiny step") << 25.0 << 0.0004 << 101.325 << 0.0 << 0.005 << Result() << -1;
    QTest::newRow("falling step") << 25.0 << 0.01 << 101.325 << 30.0 << -0.1 << Result() << -1;
    QTest::newRow("step not a number") << 25.0 << 0.01 << 101.325 << 0.0 << kNaN << Result() << -1;
    QTest::newRow("T far below") << -150.0 << 0.001 << 101.325 << -200.0 << 0.1 << Result() << -1;
    QTest::newRow("T far above") << 250.0 << 0.05 << 101.325 << 0.0 << 0.1 << Result() << -1;
    QTest::newRow("start far below") << 20.0 << 0.005 << 101.325 << -1100.0 << 0.5 << Result() << -1;
    QTest::newRow("start not a number") << 20.0 << 0.005 << 101.325 << kNaN << 0.1 << Result() << -1;
    QTest::newRow("past the skipping range") << 35.0 << 10.0 << 101.3 << 0.0 << 0.2 << Result() << -1;
    QTest::newRow("past a denominator of 0") << 35.0 << 1000.0 << 101.3 << 0.0 << 0.2 << Result() << -1;
}

void WetBulbSearchTest::agreesInCasesNotSkipped()
{
    QFETCH(double, T);
    QFETCH(double, W);
    QFETCH(double, p);
    QFETCH(double, start);
    QFETCH(double, step);
    QFETCH(Result, expected);
    QFETCH(int, passes);
    const QString diff = difference(T, W, p, {start, step});
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
    const Outcome o = search(T, W, p, {start, step});
    if (passes >= 0)
        QCOMPARE(o.passes, passes);
    if (expected)
        QCOMPARE(QByteArray::number(o.twb.value_or(kNaN), 'g', 17), QByteArray::number(*expected, 'g', 17));
}

QTEST_APPLESS_MAIN(WetBulbSearchTest)
#include "tst_wet_bulb_search.moc"
