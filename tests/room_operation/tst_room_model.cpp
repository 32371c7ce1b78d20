#include "room_model.h"

#include "moist_air.h"

#include <QtTest>

#include <cmath>

using room::RoomInputs;
using room::RoomResults;

Q_DECLARE_METATYPE(RoomInputs)

namespace {

// Outdoor 31 ºC and 70 %, 1000 m3/h, 1013 mbar; room 26 ºC and 60 %,
// 15000 W and 5300 W; bypass 25 %, dew point 15 ºC.
RoomInputs designInputs()
{
    RoomInputs in;
    in.T1 = 31;
    in.phi1 = 0.70;
    in.Vo = 1000.0 / 3600;
    in.p = 101.3;
    in.phi2 = 0.60;
    in.T2 = 26;
    in.Tadp = 15;
    in.Qs = 15000;
    in.Ql = 5300;
    in.BF = 0.25;
    return in;
}

QPointF positionOf(const std::optional<room::AirState> &state)
{
    const auto at = state ? room::chartPosition(*state) : std::nullopt;
    return at ? QPointF(at->x, at->y) : QPointF(qQNaN(), qQNaN());
}

bool near(double a, double b, double tolerance)
{
    return std::abs(a - b) <= tolerance;
}

// Which results have a value, as letters: V (flow), Q (coil power), S (room
// sensible heat factor), T (total load), F (coil sensible heat factor), and
// the states E R I C.
QString present(const RoomResults &r)
{
    QString s;
    const std::pair<char, bool> flags[] = {
        {'V', r.V && r.Vh}, {'Q', bool(r.Qcoil)}, {'S', bool(r.roomSensibleHeatFactor)},
        {'T', bool(r.totalLoad)}, {'F', bool(r.coilSensibleHeatFactor)}, {'E', bool(r.E)},
        {'R', bool(r.R)}, {'I', bool(r.I)}, {'C', bool(r.C)},
    };
    for (const auto &[letter, has] : flags)
        if (has)
            s += QLatin1Char(letter);
    return s;
}

} // namespace

class RoomModelTest : public QObject
{
    Q_OBJECT

private slots:
    void designInputsGiveTheWorkedResults();
    void designPointsLandWhereTheyWereChecked_data();
    void designPointsLandWhereTheyWereChecked();
    void noBypassPutsTheSupplyOnTheDewPoint();
    void negativeSensibleLoadIsShownAsComputed();
    void equalOutdoorAndRoomTemperaturesMixSoundly_data();
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
}

void RoomModelTest::designPointsLandWhereTheyWereChecked_data()
{
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<QPointF>("expected");
    const RoomResults r = room::calculo(designInputs());
    QTest::newRow("E outdoor") << positionOf(r.E) << QPointF(2073, 2595.3);
    QTest::newRow("R room") << positionOf(r.R) << QPointF(1758, 3640.8);
    QTest::newRow("I supply") << positionOf(r.I) << QPointF(1314.1, 3768.7);
    QTest::newRow("C mixed") << positionOf(r.C) << QPointF(1812.3, 3460.5);
}

void RoomModelTest::designPointsLandWhereTheyWereChecked()
{
    QFETCH(QPointF, position);
    QFETCH(QPointF, expected);
    QVERIFY2(near(position.x(), expected.x(), 0.05) && near(position.y(), expected.y(), 0.05),
             qPrintable(QStringLiteral("(%1, %2)").arg(position.x()).arg(position.y())));
}

void RoomModelTest::noBypassPutsTheSupplyOnTheDewPoint()
{
    RoomInputs in = designInputs();
    in.BF = 0;
    const RoomResults r = room::calculo(in);
    QVERIFY(r.I);
    QCOMPARE(r.I->T, 15.0);
    QCOMPARE(r.I->W, *psychro::SaturationHumidityRatio(15, 101.3, {0.622}));
}

void RoomModelTest::negativeSensibleLoadIsShownAsComputed()
{
    RoomInputs in = designInputs();
    in.Qs = -5000;
    const RoomResults r = room::calculo(in);
    QCOMPARE(present(r), QStringLiteral("VQSTFERIC"));
    QVERIFY(*r.V < 0);
    // -5000 / (-5000 + 5300)
    QVERIFY(near(*r.roomSensibleHeatFactor, -16.6667, 1e-4));
    QVERIFY(near(*r.totalLoad, 0.3, 1e-12));
}

void RoomModelTest::equalOutdoorAndRoomTemperaturesMixSoundly_data()
{
    QTest::addColumn<double>("temperature");
    QTest::newRow("25 ºC") << 25.0;
    QTest::newRow("26 ºC") << 26.0;
    QTest::newRow("27 ºC") << 27.0;
}

// With outdoor and room air at one dry bulb the mix is at that dry bulb with
// the mass-weighted humidity ratio, and every result joins those of outdoor
// temperatures a hair either side.
void RoomModelTest::equalOutdoorAndRoomTemperaturesMixSoundly()
{
    QFETCH(double, temperature);
    RoomInputs in = designInputs();
    in.T1 = in.T2 = temperature;
    const RoomResults r = room::calculo(in);
    QCOMPARE(present(r), QStringLiteral("VQSTFERIC"));
    QCOMPARE(r.C->T, temperature);
    const double mo = in.Vo / *psychro::MoistAirSpecificVolume(temperature, in.p,
                                                               in.phi1 * *psychro::pws(temperature),
                                                               {287.055, 273.15});
    const double ms = 1.2 * *r.V;
    QVERIFY(near(r.C->W, (mo * r.E->W + (ms - mo) * r.R->W) / ms, 1e-15));

    for (const double offset : {-1e-6, 1e-6}) {
        RoomInputs beside = in;
        beside.T1 = temperature + offset;
        const RoomResults b = room::calculo(beside);
        QVERIFY(near(*b.Qcoil, *r.Qcoil, 1e-4));
        QVERIFY(near(*b.coilSensibleHeatFactor, *r.coilSensibleHeatFactor, 1e-5));
        QVERIFY(near(b.C->W, r.C->W, 1e-8));
    }
}

void RoomModelTest::divisionsWithoutResultLeaveOnlyThoseResultsEmpty_data()
{
    QTest::addColumn<RoomInputs>("inputs");
    QTest::addColumn<QString>("present");

    RoomInputs in = designInputs();
    in.Qs = 0;   // no supply air: nothing to mix, no coil outlet
    QTest::newRow("no sensible load") << in << QStringLiteral("VSTER");
    in = designInputs();
    in.Qs = 5300;
    in.Ql = -5300;   // no total load
    QTest::newRow("loads cancel") << in << QStringLiteral("VQTFERIC");
    in = designInputs();
    in.T2 = in.Tadp = 15;   // typed: room at the dew point
    QTest::newRow("room at the dew point") << in << QStringLiteral("STER");
    in = designInputs();
    in.BF = 1;   // typed: a coil that bypasses everything
    QTest::newRow("whole bypass") << in << QStringLiteral("STER");
    in = designInputs();
    in.T1 = 95;   // typed: beyond the saturation-pressure fit
    QTest::newRow("outdoor beyond the fit") << in << QStringLiteral("VSTR");
    in = designInputs();
    in.Tadp = -70;   // typed: below the fit
    QTest::newRow("dew point below the fit") << in << QStringLiteral("VSTERC");
    in = designInputs();
    in.p = 0.7 * *psychro::pws(31);   // typed: the vapour pressure is the whole pressure
    QTest::newRow("outdoor vapour at total pressure") << in << QStringLiteral("VSTR");
}

void RoomModelTest::divisionsWithoutResultLeaveOnlyThoseResultsEmpty()
{
    QFETCH(RoomInputs, inputs);
    QFETCH(QString, present);
    const RoomResults r = room::calculo(inputs);
    QCOMPARE(::present(r), present);
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
    QVERIFY(after.E->W > before.E->W);
    QVERIFY(after.R->W > before.R->W);
    // The supply state follows the apparatus dew point's humidity ratio.
    in.BF = 0;
    QCOMPARE(room::calculo(in).I->W, *psychro::SaturationHumidityRatio(15, 99.0, {0.622}));
    // The outdoor mass flow, through the specific volume, moves the mix.
    QVERIFY(after.C->T != before.C->T);
}

QTEST_APPLESS_MAIN(RoomModelTest)
#include "tst_room_model.moc"
