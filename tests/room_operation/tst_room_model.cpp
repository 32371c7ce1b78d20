#include "room_model.h"

#include "moist_air.h"

#include <QtTest>

#include <cmath>
#include <functional>

using room::RoomInputs;
using room::RoomResults;

Q_DECLARE_METATYPE(RoomInputs)

namespace {

// Outdoor 31 ºC and 70 %, 1000 m3/h, 1013 mbar; room 26 ºC and 60 %,
// 15000 W and 5300 W; bypass 25 %, dew point 15 ºC.
RoomInputs designInputs()
{
    return {31, 0.70, 1000.0 / 3600, 101.3, 0.60, 26, 15, 15000, 5300, 0.25};
}

bool near(double a, double b, double tolerance)
{
    return std::abs(a - b) <= tolerance;
}

// Which results have a value: V (flow), Q (coil), S (room SHF), T (total
// load), F (coil SHF) and the states E R I C.
QString present(const RoomResults &r)
{
    const bool has[] = {r.V && r.Vh, bool(r.Qcoil), bool(r.roomSensibleHeatFactor), bool(r.totalLoad),
                        bool(r.coilSensibleHeatFactor), bool(r.E), bool(r.R), bool(r.I), bool(r.C)};
    QString s;
    for (int i = 0; i < 9; ++i)
        if (has[i])
            s += QLatin1Char("VQSTFERIC"[i]);
    return s;
}

} // namespace

class RoomModelTest : public QObject
{
    Q_OBJECT

private slots:
    void designInputsGiveTheWorkedResults();
    void equalOutdoorAndRoomTemperaturesMixSoundly();
    void divisionsWithoutResultLeaveOnlyThoseResultsEmpty_data();
    void divisionsWithoutResultLeaveOnlyThoseResultsEmpty();
    void pressureEntersEveryHumidityRatio();
};

void RoomModelTest::designInputsGiveTheWorkedResults()
{
    const RoomResults r = room::calculo(designInputs());
    QVERIFY(near(*r.V, 1.5089, 5e-5));
    QVERIFY(near(*r.Vh, 5431.9, 0.05));
    QVERIFY(near(*r.Qcoil, 24.66, 0.005));
    QVERIFY(near(*r.roomSensibleHeatFactor, 0.74, 0.005));
    QVERIFY(near(*r.totalLoad, 20.30, 1e-12));
    QVERIFY(near(*r.coilSensibleHeatFactor, 0.60, 0.005));
    const std::pair<const std::optional<room::AirState> &, QPointF> points[] = {
        {r.E, {2073, 2595.3}}, {r.R, {1758, 3640.8}}, {r.I, {1314.1, 3768.7}}, {r.C, {1812.3, 3460.5}}};
    for (const auto &[state, expected] : points) {
        const auto at = room::chartPosition(*state);
        QVERIFY2(near(at->x, expected.x(), 0.05) && near(at->y, expected.y(), 0.05),
                 qPrintable(QStringLiteral("(%1, %2)").arg(at->x).arg(at->y)));
    }
}

// With outdoor and room air at one dry bulb the mix is at that dry bulb, and
// the results join those of outdoor temperatures a hair either side.
void RoomModelTest::equalOutdoorAndRoomTemperaturesMixSoundly()
{
    for (const double temperature : {25.0, 26.0, 27.0}) {
        RoomInputs in = designInputs();
        in.T1 = in.T2 = temperature;
        const RoomResults r = room::calculo(in);
        QCOMPARE(present(r), QStringLiteral("VQSTFERIC"));
        QCOMPARE(r.C->T, temperature);
        for (const double offset : {-1e-6, 1e-6}) {
            in.T1 = temperature + offset;
            const RoomResults b = room::calculo(in);
            QVERIFY(near(*b.Qcoil, *r.Qcoil, 1e-4));
            QVERIFY(near(*b.coilSensibleHeatFactor, *r.coilSensibleHeatFactor, 1e-5));
            QVERIFY(near(b.C->W, r.C->W, 1e-8));
        }
    }
}

void RoomModelTest::divisionsWithoutResultLeaveOnlyThoseResultsEmpty_data()
{
    QTest::addColumn<RoomInputs>("inputs");
    QTest::addColumn<QString>("present");
    const auto row = [](const char *name, const std::function<void(RoomInputs &)> &change, const char *present) {
        RoomInputs in = designInputs();
        change(in);
        QTest::newRow(name) << in << QString::fromLatin1(present);
    };
    row("negative sensible load, shown as computed", [](RoomInputs &in) { in.Qs = -5000; }, "VQSTFERIC");
    row("no sensible load", [](RoomInputs &in) { in.Qs = 0; }, "VSTER");
    row("loads cancel", [](RoomInputs &in) { in.Qs = 5300, in.Ql = -5300; }, "VQTFERIC");
    row("room typed down to the dew point", [](RoomInputs &in) { in.T2 = 15; }, "STER");
    row("whole bypass", [](RoomInputs &in) { in.BF = 1; }, "STER");
    row("outdoor beyond the fit", [](RoomInputs &in) { in.T1 = 95; }, "VSTR");
    row("dew point below the fit", [](RoomInputs &in) { in.Tadp = -70; }, "VSTERC");
    row("vapour at total pressure", [](RoomInputs &in) { in.p = 0.7 * *psychro::pws(31); }, "VSTR");
}

void RoomModelTest::divisionsWithoutResultLeaveOnlyThoseResultsEmpty()
{
    QFETCH(RoomInputs, inputs);
    const RoomResults r = room::calculo(inputs);
    QTEST(present(r), "present");
    for (const std::optional<double> &value : {r.V, r.Vh, r.Qcoil, r.roomSensibleHeatFactor, r.totalLoad,
                                               r.coilSensibleHeatFactor})
        QVERIFY(!value || std::isfinite(*value));
}

void RoomModelTest::pressureEntersEveryHumidityRatio()
{
    RoomInputs in = designInputs();
    const RoomResults before = room::calculo(in);
    in.p = 99.0;
    const RoomResults after = room::calculo(in);
    QVERIFY(after.E->W > before.E->W && after.R->W > before.R->W);
    QVERIFY(after.C->T != before.C->T);   // the outdoor mass flow, through the specific volume
    // Without bypass the supply state is the apparatus dew point, at that pressure.
    in.BF = 0;
    const RoomResults noBypass = room::calculo(in);
    QCOMPARE(noBypass.I->T, 15.0);
    QCOMPARE(noBypass.I->W, *psychro::SaturationHumidityRatio(15, 99.0, {0.622}));
}

QTEST_APPLESS_MAIN(RoomModelTest)
#include "tst_room_model.moc"
