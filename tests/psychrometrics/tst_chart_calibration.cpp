#include "chart_calibration.h"

#include <QtTest>

class ChartCalibrationTest : public QObject
{
    Q_OBJECT
private slots:
    void forwardPlacesScaleCorners_data();
    void forwardPlacesScaleCorners();
    void reverseUsesRoundedConstants();
};

void ChartCalibrationTest::forwardPlacesScaleCorners_data()
{
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("0 C, 0.004") << 0.0 << 0.004 << 120.0 << 4875.0;
    QTest::newRow("48 C, 0.036") << 48.0 << 0.036 << 3144.0 << 300.0;
    QTest::newRow("dry air") << 25.0 << 0.0 << 1695.0 << 5446.875;
}

void ChartCalibrationTest::forwardPlacesScaleCorners()
{
    QFETCH(double, t);
    QFETCH(double, w);
    QFETCH(double, x);
    QFETCH(double, y);
    QCOMPARE(chart::xFromDryBulb(t), x);
    QVERIFY(qAbs(chart::yFromHumidityRatio(w) - y) < 1e-9);
}

void ChartCalibrationTest::reverseUsesRoundedConstants()
{
    // The readout's inverse is not exact: (120, 4875) reads 0.00006 C.
    QVERIFY(qAbs(chart::dryBulbFromX(120) - 0.00006) < 1e-12);
    QVERIFY(qAbs(chart::humidityRatioFromY(4875) - 0.0040000) < 5e-8);
    QVERIFY(qAbs(chart::dryBulbFromX(3144) - 48.000012) < 1e-9);
    QVERIFY(qAbs(chart::humidityRatioFromY(300) - 0.0359999995) < 1e-12);
    QVERIFY(chart::dryBulbFromX(119) < 0.0);
}

QTEST_APPLESS_MAIN(ChartCalibrationTest)
#include "tst_chart_calibration.moc"
