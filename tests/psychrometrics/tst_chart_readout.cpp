#include "chart_readout.h"
#include "surface.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QtTest>

#include <limits>

using Pressure = std::optional<double>;
Q_DECLARE_METATYPE(Pressure)

namespace {

// The decimal points of the numbers in `texts` as the locale writes them.
QStringList localised(QStringList texts)
{
    static const QRegularExpression point(QStringLiteral("(\\d)\\.(\\d)"));
    return texts.replaceInStrings(point, QStringLiteral("\\1") + QLocale().decimalPoint() + QStringLiteral("\\2"));
}

const QString kKeeps = QStringLiteral("=");   // the box keeps its text
const QStringList kNothingShown{" ---", " ---", " ---", " ---", " ---", " ---", " ---", " ---", " ---", kKeeps, " ---"};
const QStringList kNoPressure(11, QStringLiteral(" ---"));

} // namespace

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
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<Pressure>("p");
    QTest::addColumn<bool>("withMu");
    QTest::addColumn<QStringList>("texts");   // Text13 .. Text22, Text24
    const auto row = [](const char *name, float x, float y, Pressure p, bool withMu, const QStringList &texts) {
        QTest::newRow(name) << x << y << p << withMu << texts;
    };
    const Pressure lab = 101.3, room = 101.325;

    row("25 C, half saturated: wet bulb after 180 trials", 1695, 4020, lab, true,
        {"25.0 ºC", "10.0 g/kga.s.", "14.3 ºC", "50.5 %", "18.0 ºC", "50.6 kJ/kga.s.",
         "0.858 m3/kga.s.", "1.18 kg/m3", "1.60 kPa", "101.30 kPa", "0.497"});
    row("past saturation: 100 % and mu 1, dew point above dry bulb", 1380, 3315, lab, true,
        {"20.0 ºC", "14.9 g/kga.s.", "20.4 ºC", "100.0 %", "20.2 ºC", "58.0 kJ/kga.s.",
         "0.850 m3/kga.s.", "1.19 kg/m3", "2.37 kPa", "101.30 kPa", "1.000"});
    row("above 103 %", 1380, 3270, lab, true, kNothingShown);
    row("just above 3.8 g/kg", 1695, 4900, lab, true,
        {"25.0 ºC", "3.8 g/kga.s.", "0.2 ºC", "19.6 %", "12.4 ºC", "34.9 kJ/kga.s.",
         "0.850 m3/kga.s.", "1.18 kg/m3", "0.62 kPa", "101.30 kPa", "0.191"});
    row("3.8 g/kg or less", 1695, 4905, lab, true, kNothingShown);
    row("no humidity at all", 1695, 5500, lab, true, kNothingShown);
    row("right of the last temperature line", 3450, 4500, lab, true,
        {"52.9 ºC", "6.6 g/kga.s.", "8.1 ºC", "7.5 %", "23.9 ºC", "70.4 kJ/kga.s.",
         "0.933 m3/kga.s.", "1.08 kg/m3", "1.07 kPa", "101.30 kPa", "0.065"});
    row("wet bulb never below the first trial", 120, 4903, lab, true,
        {"0.0 ºC", "3.8 g/kga.s.", "0.1 ºC", "100.0 %", "0.1 ºC", "9.5 kJ/kga.s.",
         "0.778 m3/kga.s.", "1.29 kg/m3", "0.62 kPa", "101.30 kPa", "1.000"});
    row("operation window: fixed pressure, no mu box", 1695, 4020, room, false,
        {"25.0 ºC", "10.0 g/kga.s.", "14.3 ºC", "50.5 %", "18.0 ºC", "50.6 kJ/kga.s.",
         "0.858 m3/kga.s.", "1.18 kg/m3", "1.60 kPa", "101.33 kPa", kKeeps});
    row("operation window, nothing shown", 1380, 3270, room, false, kNothingShown.mid(0, 10) << kKeeps);
    row("dry bulb beyond the saturation pressure's range", 6000, 4020, lab, true, kNothingShown);
    row("pressure not a number", 1695, 4020, std::nullopt, true, kNoPressure);
    row("zero pressure", 1695, 4020, 0.0, true, kNoPressure);
    row("negative pressure", 1695, 4020, -101.3, true, kNoPressure);
    row("infinite pressure", 1695, 4020, std::numeric_limits<double>::infinity(), true, kNoPressure);
}

void ChartReadoutTest::showsTheStateUnderThePointer()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(Pressure, p);
    QFETCH(bool, withMu);
    QFETCH(QStringList, texts);

    QStringList shown;
    for (const auto &text : chart::readoutTexts(chart::readChart(x, y, p), withMu))
        shown << text.value_or(kKeeps);
    QCOMPARE(shown, localised(texts));
}

void ChartReadoutTest::storesPositionRoundedHalfToEvenWithin16Bits_data()
{
    QTest::addColumn<float>("twips");
    QTest::addColumn<int>("stored");
    const float inf = std::numeric_limits<float>::infinity();
    const std::pair<float, int> rows[] = {{1695.4f, 1695}, {1695.6f, 1696}, {2.5f, 2}, {3.5f, 4},
                                          {-2.5f, -2}, {-3.5f, -4}, {32767.5f, 32767}, {40000, 32767},
                                          {-40000, -32768}, {inf, 32767}, {-inf, -32768},
                                          {std::numeric_limits<float>::quiet_NaN(), 0}};
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
    QCOMPARE((QList<float>{line8->X1(), line8->Y1(), line8->X2(), line8->Y2()}),
             (QList<float>{3450.5f, 4500.25f, 3300, 4500.25f}));   // runs leftwards to the scale
    QCOMPARE((QList<float>{line9->X1(), line9->Y1(), line9->X2(), line9->Y2()}),
             (QList<float>{3450.5f, 4500.25f, 3450.5f, 5000}));

    written.clear();
    readout->readAt(1380, 3270);   // above 103 %
    QCOMPARE(written.join(' '), QStringLiteral("at 1380 3270 0 1 2 3 4 5 6 7 8 10"));
    QCOMPARE(boxes.Text22->text(), localised({"101.30 kPa"}).first());
    QCOMPARE(line8->X1(), 3450.5f);
    QCOMPARE(line9->Y1(), 4500.25f);
}

QTEST_MAIN(ChartReadoutTest)
#include "tst_chart_readout.moc"
