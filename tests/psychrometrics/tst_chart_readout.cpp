#include "chart_readout.h"
#include "surface.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QtTest>

using Pressure = std::optional<double>;

namespace {

// Where the pointer is and what the readout works with.
struct Pointer
{
    float x, y;
    Pressure p;
    bool withMu;
};

// The texts of Text13 .. Text22 and Text24, separated by "|", each decimal
// point as the locale writes it; "=" where the box keeps its text.
QStringList localised(const QString &texts)
{
    static const QRegularExpression point(QStringLiteral("(\\d)\\.(\\d)"));
    const QString localPoint = QStringLiteral("\\1") + QLocale().decimalPoint() + QStringLiteral("\\2");
    return texts.split('|').replaceInStrings(point, localPoint);
}

const QString kNothingShown = QStringLiteral(" ---| ---| ---| ---| ---| ---| ---| ---| ---|=| ---");

} // namespace
Q_DECLARE_METATYPE(Pointer)

class ChartReadoutTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTheStateUnderThePointer_data();
    void showsTheStateUnderThePointer();
    void storesPositionRoundedHalfToEvenWithin16Bits_data();
    void storesPositionRoundedHalfToEvenWithin16Bits();
    void writesBoxesInOrderAndMovesCrossHair();
};

void ChartReadoutTest::showsTheStateUnderThePointer_data()
{
    QTest::addColumn<Pointer>("pointer");
    QTest::addColumn<QString>("texts");
    const Pressure lab = 101.3, room = 101.325;
    QTest::newRow("25 C, half saturated: wet bulb after 180 trials") << Pointer{1695, 4020, lab, true}
        << "25.0 ºC|10.0 g/kga.s.|14.3 ºC|50.5 %|18.0 ºC|50.6 kJ/kga.s.|0.858 m3/kga.s.|1.18 kg/m3|1.60 kPa|101.30 kPa|0.497";
    QTest::newRow("past saturation: 100 % and mu 1, dew point above dry bulb") << Pointer{1380, 3315, lab, true}
        << "20.0 ºC|14.9 g/kga.s.|20.4 ºC|100.0 %|20.2 ºC|58.0 kJ/kga.s.|0.850 m3/kga.s.|1.19 kg/m3|2.37 kPa|101.30 kPa|1.000";
    QTest::newRow("above 103 %") << Pointer{1380, 3270, lab, true} << kNothingShown;
    QTest::newRow("just above 3.8 g/kg") << Pointer{1695, 4900, lab, true}
        << "25.0 ºC|3.8 g/kga.s.|0.2 ºC|19.6 %|12.4 ºC|34.9 kJ/kga.s.|0.850 m3/kga.s.|1.18 kg/m3|0.62 kPa|101.30 kPa|0.191";
    QTest::newRow("3.8 g/kg or less") << Pointer{1695, 4905, lab, true} << kNothingShown;
    QTest::newRow("no humidity at all") << Pointer{1695, 5500, lab, true} << kNothingShown;
    QTest::newRow("right of the last temperature line") << Pointer{3450, 4500, lab, true}
        << "52.9 ºC|6.6 g/kga.s.|8.1 ºC|7.5 %|23.9 ºC|70.4 kJ/kga.s.|0.933 m3/kga.s.|1.08 kg/m3|1.07 kPa|101.30 kPa|0.065";
    QTest::newRow("wet bulb never below the first trial") << Pointer{120, 4903, lab, true}
        << "0.0 ºC|3.8 g/kga.s.|0.1 ºC|100.0 %|0.1 ºC|9.5 kJ/kga.s.|0.778 m3/kga.s.|1.29 kg/m3|0.62 kPa|101.30 kPa|1.000";
    QTest::newRow("operation window: fixed pressure, no mu box") << Pointer{1695, 4020, room, false}
        << "25.0 ºC|10.0 g/kga.s.|14.3 ºC|50.5 %|18.0 ºC|50.6 kJ/kga.s.|0.858 m3/kga.s.|1.18 kg/m3|1.60 kPa|101.33 kPa|=";
    QTest::newRow("operation window, nothing shown") << Pointer{1380, 3270, room, false}
        << QString(kNothingShown).replace(" ---|=| ---", " ---|=|=");
    QTest::newRow("dry bulb beyond the saturation pressure's range") << Pointer{6000, 4020, lab, true} << kNothingShown;
    // No pressure, or none a barometer here reads (500 to 1200 mbar).
    for (const Pressure p : {Pressure(), Pressure(0.0), Pressure(-101.3), Pressure(qInf()), Pressure(1.25),
                             Pressure(49.99), Pressure(120.01)})
        QTest::addRow("pressure %g", p.value_or(qQNaN())) << Pointer{1695, 4020, p, true}
                                                          << QStringList(11, QStringLiteral(" ---")).join('|');
}

void ChartReadoutTest::showsTheStateUnderThePointer()
{
    QFETCH(Pointer, pointer);
    QFETCH(QString, texts);
    QStringList shown;
    for (const auto &text : chart::readoutTexts(chart::readChart(pointer.x, pointer.y, pointer.p), pointer.withMu))
        shown << text.value_or(QStringLiteral("="));
    QCOMPARE(shown, localised(texts));
}

void ChartReadoutTest::storesPositionRoundedHalfToEvenWithin16Bits_data()
{
    QTest::addColumn<float>("twips");
    QTest::addColumn<int>("stored");
    const float inf = qInf();
    const std::pair<float, int> rows[] = {{1695.4f, 1695}, {1695.6f, 1696}, {2.5f, 2}, {3.5f, 4}, {-2.5f, -2},
                                          {-3.5f, -4}, {32767.5f, 32767}, {40000, 32767}, {-40000, -32768},
                                          {inf, 32767}, {-inf, -32768}, {float(qQNaN()), 0}};
    for (const auto &[twips, stored] : rows)
        QTest::addRow("%g", double(twips)) << twips << stored;
}

void ChartReadoutTest::storesPositionRoundedHalfToEvenWithin16Bits()
{
    QFETCH(float, twips);
    QFETCH(int, stored);
    QCOMPARE(int(chart::storedTwips(twips)), stored);
}

// On a bare chart box: the sink hears of the move first, the boxes are written
// in their order, the cross-hair joins the point to the scales; a reading not
// shown leaves the pressure box and the cross-hair alone.
void ChartReadoutTest::writesBoxesInOrderAndMovesCrossHair()
{
    Surface box;
    ChartReadout::Boxes boxes;
    QStringList written;
    int i = 0;
    for (QLineEdit **field : {&boxes.Text13, &boxes.Text14, &boxes.Text15, &boxes.Text16, &boxes.Text17, &boxes.Text18,
                              &boxes.Text19, &boxes.Text20, &boxes.Text21, &boxes.Text22, &boxes.Text24}) {
        *field = new QLineEdit(&box);
        connect(*field, &QLineEdit::textChanged, [&written, n = i++] { written << QString::number(n); });
    }
    SurfaceLine *line8 = box.addLine("Line8", 1515, 4020, 3300, 4020);
    SurfaceLine *line9 = box.addLine("Line9", 1365, 4005, 1365, 5000);
    auto *readout = new ChartReadout(&box, boxes, line8, line9, [] { return Pressure(101.3); });
    readout->setPositionSink([&written](float x, float y) { written << QStringLiteral("at %1 %2").arg(x).arg(y); });
    QCOMPARE(box.findChild<ChartReadout *>("ChartReadout"), readout);

    emit box.mouseMoved(Qt::NoButton, Qt::NoModifier, 3450.5f, 4500.25f);
    QCOMPARE(written.join(' '), QStringLiteral("at 3450.5 4500.25 0 1 2 3 4 5 6 7 8 9 10"));
    const auto ends = [&] {
        return QList<float>{line8->X1(), line8->Y1(), line8->X2(), line8->Y2(),
                            line9->X1(), line9->Y1(), line9->X2(), line9->Y2()};
    };
    // Line8 runs leftwards to the humidity-ratio scale.
    const QList<float> crossHair{3450.5f, 4500.25f, 3300, 4500.25f, 3450.5f, 4500.25f, 3450.5f, 5000};
    QCOMPARE(ends(), crossHair);

    written.clear();
    readout->readAt(1380, 3270);   // above 103 %
    QCOMPARE(written.join(' '), QStringLiteral("at 1380 3270 0 1 2 3 4 5 6 7 8 10"));
    QCOMPARE(boxes.Text22->text(), localised(QStringLiteral("101.30 kPa")).first());
    QCOMPARE(ends(), crossHair);
}

QTEST_MAIN(ChartReadoutTest)
#include "tst_chart_readout.moc"
