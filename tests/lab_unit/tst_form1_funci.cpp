#include "form1.h"

#include "ianalogdisplayx.h"
#include "iknobx.h"
#include "iswitchrockerx.h"
#include "iswitchrotaryx.h"
#include "number_format.h"

#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

namespace {

// What a display shows after the design run (knob 8, 23/17 degC, 1013 mbar,
// superheat 6, every selector at 1), to `decimals` decimals.
struct Reading
{
    const char *control;
    const char *property;
    double value;
    int decimals;
};

const Reading kDesignReadings[] = {
    {"Disp1", "value", 2312, 0}, {"Line3", "X2", 5631, 3}, {"Line3", "Y2", 2253, 3},
    {"itext1(11)", "value", 3.174603, 6}, {"ter(5)", "position", 23.4795, 4},
    {"ter(6)", "position", 19.45, 6}, {"ter(7)", "position", 33.1771, 4},
    {"itext1(2)", "value", 33.1771, 4}, {"ter(8)", "position", 22.35, 6},
    {"itext1(3)", "value", 22.35, 6}, {"ter(9)", "position", 20.4135, 4},
    {"itext1(4)", "value", 20.4135, 4}, {"ter(10)", "position", 18.15, 6},
    {"itext1(5)", "value", 18.15, 6}, {"itext1(8)", "value", 0.137057, 6},
    {"ter(11)", "position", 30.2043, 4}, {"itext1(6)", "value", 30.2043, 4},
    {"ter(12)", "position", 21.25, 6}, {"itext1(7)", "value", 21.25, 6},
    // Chart path: A at 120 + 63 T1, 5446.875 - 142968.75 W1; B; D.
    {"Line4(5)", "X1", 1569, 3}, {"Line4(5)", "Y2", 4066.81, 2}, {"Label11(8)", "Top", 4116.81, 2},
    {"Line4(6)", "X2", 2210.16, 2}, {"Label11(9)", "Left", 2260.16, 2}, {"Line4(4)", "X2", 2022.87, 2},
    // Cycle; ter(2) ends the run at the liquid temperature.
    {"itext1(14)", "value", 9.4478, 4}, {"GaugeX1", "position", 4.1529, 4},
    {"ter(0)", "position", 15.4478, 4}, {"itext1(12)", "value", 15.4478, 4},
    {"GaugeX2", "position", 8.9406, 4}, {"itext1(13)", "value", 29.909, 3},
    {"ter(2)", "position", 29.909, 3}, {"itext1(10)", "value", 1.37673, 5},
    {"itext1(9)", "value", 10.50415, 5}, {"Image1", "Top", 3644.96, 2},
    // Pressure-enthalpy diagram.
    {"Line1(0)", "Y1", 1929.17, 2}, {"Line1(0)", "Y2", 2380.72, 2}, {"Line1(0)", "X1", 1002.48, 2},
    {"Line1(1)", "X2", 2394.85, 2}, {"Line1(2)", "X2", 2629.20, 2}, {"Line1(3)", "X2", 1002.48, 2},
    {"Label2(0)", "Left", 2444.85, 2}, {"Label2(0)", "Top", 2430.72, 2},
    {"Label2(1)", "Left", 2779.20, 2}, {"Label2(1)", "Top", 1779.17, 2},
    {"Label2(2)", "Left", 752.48, 2}, {"Label2(2)", "Top", 1779.17, 2},
    {"Label2(3)", "Left", 752.48, 2}, {"Label2(3)", "Top", 2430.72, 2},
};

// The cycle table after the design run, with "." for the decimal separator.
const std::pair<int, const char *> kDesignCells[] = {
    {0, "4.15"}, {7, "8.94"}, {12, "8.93"}, {17, "4.17"},    // Pabs
    {1, "15.4"}, {6, "58.3"}, {11, "29.9"}, {16, "9.4"},     // t
    {3, "195.6"}, {9, "218.1"}, {14, "64.5"}, {19, "64.5"},  // h
    {26, "1.38"}, {32, "10.5"}, {29, "0.31"}, {20, "4.5"},   // Q, mr, Pcomp, COP
};

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QVariant read(const Form1 &form, const QString &control, const char *property)
{
    const QObject *object = form.findChild<QObject *>(control);
    return object ? object->property(property) : QVariant();
}

void designPowers(Form1 &form)
{
    form.SteamPower = 0.85;
    form.PreheatPower = 0.96;
    form.ReheatPower = 0.96;
}

QString barsShown(const Form1 &form)
{
    QString shown;
    for (int i = 0; i <= 6; ++i)
        shown += read(form, indexed("Line6", i), "Visible").toBool() ? '1' : '0';
    return shown;
}

bool isReadout(const Reading &r)
{
    return QLatin1String(r.control).startsWith(QLatin1String("itext1"));
}

// What stands on the scheme, the chart and the diagram: every display the run
// writes but the warning line, the read-outs and the cycle table.
QVariantList positions(const Form1 &form)
{
    QVariantList values{barsShown(form)};
    for (const Reading &r : kDesignReadings) {
        if (!isReadout(r))
            values << read(form, QLatin1String(r.control), r.property);
    }
    return values;
}

// Everything the run writes.
QVariantList snapshot(const Form1 &form)
{
    QVariantList values{form.Text23->text(), positions(form)};
    for (const Reading &r : kDesignReadings) {
        if (isReadout(r))
            values << read(form, QLatin1String(r.control), r.property);
    }
    for (const auto &cell : kDesignCells)
        values << form.Text7[size_t(cell.first)]->text();
    return values;
}

// "23.5" where the decimal separator is a comma, "23,5" where it is a point.
QString withForeignSeparator(const char *whole, const char *fraction)
{
    const QString foreign = QLocale().decimalPoint() == QLatin1String(",") ? QStringLiteral(".") : QStringLiteral(",");
    return QLatin1String(whole) + foreign + QLatin1String(fraction);
}

} // namespace

class Form1FunciTest : public QObject
{
    Q_OBJECT

private slots:
    void designRunDisplays();
    void outdoorInstrumentsUntouched();
    void textThatIsNotANumberStopsTheRun_data();
    void textThatIsNotANumberStopsTheRun();
    void stoppedRunBlanksExactlyTheRunsFigures();
    void warningAppearsAndDisappears();
    void elementBarsFollowSelectors();
    void missingWetBulbShowsNoReading();
    void cycleTableFollowsEveryRun();
    void rampLeavesTheWindowAsFreshlyDrawn();
};

void Form1FunciTest::designRunDisplays()
{
    Form1 form;
    designPowers(form);
    QSignalSpy recalculated(&form, &Form1::unitRecalculated);
    form.funci();
    QCOMPARE(recalculated.count(), 1);

    for (const Reading &r : kDesignReadings) {
        const double shown = read(form, QLatin1String(r.control), r.property).toDouble();
        QVERIFY2(std::abs(shown - r.value) <= 0.5 * std::pow(10.0, -r.decimals) + 1e-9 * r.value,
                 qPrintable(QStringLiteral("%1.%2 = %3").arg(r.control, r.property).arg(shown, 0, 'g', 12)));
    }
    for (const auto &[index, text] : kDesignCells)
        QCOMPARE(form.Text7[size_t(index)]->text(),
                 QString::fromLatin1(text).replace('.', QLocale().decimalPoint()));
    QCOMPARE(form.Text23->text(), QString());
    QCOMPARE(barsShown(form), QStringLiteral("0011010"));
}

// The outdoor instruments belong to the step controls, ter(1) to nobody.
void Form1FunciTest::outdoorInstrumentsUntouched()
{
    Form1 form;
    designPowers(form);
    const std::pair<const char *, const char *> outdoor[] = {
        {"iThermometerX1", "position"}, {"iThermometerX2", "position"}, {"ter(3)", "position"},
        {"ter(4)", "position"}, {"itext1(0)", "value"}, {"itext1(1)", "value"}};
    for (const auto &[control, property] : outdoor)
        form.findChild<QObject *>(control)->setProperty(property, 12.5);
    form.funci();
    for (const auto &[control, property] : outdoor)
        QCOMPARE(read(form, control, property).toDouble(), 12.5);
    QCOMPARE(read(form, "ter(1)", "position").toDouble(), 23.0);
}

void Form1FunciTest::textThatIsNotANumberStopsTheRun_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("warning");

    const QString decimals = QStringLiteral("«%1»").arg(QLocale().decimalPoint());
    const auto one = [&decimals](const char *name) {
        return QStringLiteral(" No se puede calcular: el dato de «%1» no es un número (decimales con %2).")
            .arg(QString::fromUtf8(name), decimals);
    };
    const auto several = [&decimals](const char *names) {
        return QStringLiteral(" No se puede calcular: los datos de %1 no son números (decimales con %2).")
            .arg(QString::fromUtf8(names), decimals);
    };
    QTest::newRow("dry bulb, letters") << QStringList{"Text4"} << QStringList{"abc"} << one("Temperatura ambiente");
    QTest::newRow("dry bulb, foreign decimal separator")
        << QStringList{"Text4"} << QStringList{withForeignSeparator("23", "5")} << one("Temperatura ambiente");
    QTest::newRow("wet bulb, empty") << QStringList{"Text1"} << QStringList{""} << one("Temperatura de Bulbo H.");
    QTest::newRow("pressure, trailing letter")
        << QStringList{"Text3"} << QStringList{"1013x"} << one("Presión barométrica");
    QTest::newRow("superheat, two numbers")
        << QStringList{"Text8"} << QStringList{"6 7"} << one("Sobrecalentamiento evaporador");
    QTest::newRow("dry and wet bulb") << QStringList{"Text1", "Text4"} << QStringList{"-", "nan"}
                                      << several("«Temperatura ambiente» y «Temperatura de Bulbo H.»");
    QTest::newRow("all four, named in the tab's order")
        << QStringList{"Text8", "Text1", "Text4", "Text3"} << QStringList{"x", "inf", " ", "1.013,0"}
        << several("«Presión barométrica», «Temperatura ambiente», «Temperatura de Bulbo H.» y "
                   "«Sobrecalentamiento evaporador»");
}

// The warning line names the boxes; the read-outs and the cycle table show no
// figures, since none would match the inputs; everything that stands on the
// scheme, the chart and the diagram stays; no recalculation is announced. The
// next run with numbers goes through and empties the warning line.
void Form1FunciTest::textThatIsNotANumberStopsTheRun()
{
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, texts);
    QFETCH(QString, warning);
    Form1 form;
    designPowers(form);
    form.funci();
    const QVariantList design = snapshot(form);
    const QVariantList standing = positions(form);
    QStringList numbers;
    for (int i = 0; i < boxes.size(); ++i) {
        QLineEdit *edit = form.findChild<QLineEdit *>(boxes[i]);
        numbers << edit->text();
        edit->setText(texts[i]);
    }

    form.SteamPower = 4.25;   // a run would change nearly every display
    form.PreheatPower = 0.0;
    QSignalSpy recalculated(&form, &Form1::unitRecalculated);
    form.funci();
    QCOMPARE(recalculated.count(), 0);
    QCOMPARE(form.Text23->text(), warning);
    QCOMPARE(form.Text23->cursorPosition(), 0);
    for (const Reading &r : kDesignReadings) {
        if (isReadout(r))
            QCOMPARE(form.findChild<iAnalogDisplayX *>(r.control)->text(), noReading());
    }
    for (const auto &cell : kDesignCells)
        QCOMPARE(form.Text7[size_t(cell.first)]->text(), noReading());
    QCOMPARE(positions(form), standing);

    for (int i = 0; i < boxes.size(); ++i)
        form.findChild<QLineEdit *>(boxes[i])->setText(numbers[i]);
    designPowers(form);
    form.funci();
    QCOMPARE(recalculated.count(), 1);
    QCOMPARE(snapshot(form), design);
}

// The figures a stopped run takes away are exactly those a run writes: the
// outdoor read-outs and the cells a run leaves alone keep what they hold.
void Form1FunciTest::stoppedRunBlanksExactlyTheRunsFigures()
{
    Form1 form;
    const auto mark = [&form] {
        for (iAnalogDisplayX *readout : form.itext1)
            readout->setValue(-99);
        for (QLineEdit *cell : form.Text7)
            cell->setText(QStringLiteral("x"));
    };
    const auto unmarked = [&form] {
        QStringList names;
        for (const iAnalogDisplayX *readout : form.itext1) {
            if (readout->value() != -99)
                names << readout->objectName();
        }
        for (const QLineEdit *cell : form.Text7) {
            if (cell->text() != QLatin1String("x"))
                names << cell->objectName();
        }
        return names;
    };
    mark();
    form.funci();
    const QStringList written = unmarked();
    QCOMPARE(written.size(), 13 + 16);

    mark();
    form.Text8->setText(QStringLiteral("seis"));
    form.funci();
    QCOMPARE(unmarked(), written);
    for (const QString &name : written) {
        const auto *readout = form.findChild<iAnalogDisplayX *>(name);
        QCOMPARE(readout ? readout->text() : form.findChild<QLineEdit *>(name)->text(), noReading());
    }
}

void Form1FunciTest::warningAppearsAndDisappears()
{
    Form1 form;
    form.iKnobX1->setPosition(5.0);
    form.SteamPower = 4.25;
    form.funci();
    QCOMPARE(form.Text23->text(),
             QStringLiteral(" Se han alcanzado condiciones de sobresaturación en el aire. Revise los "
                            "parámetros de funcionamiento. Se puede solucionar reduciendo la inyección "
                            "de vapor o precalentando el aire más intensamente."));
    QCOMPARE(form.Text23->cursorPosition(), 0);   // the long warning is read from its start
    QVERIFY(std::abs(form.itext1[2]->value() - 31.65) < 1e-9);

    form.PreheatPower = 1.92;
    form.funci();
    QCOMPARE(form.Text23->text(), QString());
}

void Form1FunciTest::elementBarsFollowSelectors()
{
    Form1 form;
    form.vapor1->setPosition(4);
    form.prec->setPosition(2);
    form.rec->setPosition(0);
    form.funci();
    QCOMPARE(barsShown(form), QStringLiteral("1101100"));

    form.vapor1->setPosition(3);
    form.rec->setPosition(7);   // outside its positions: its bars stay
    form.funci();
    QCOMPARE(barsShown(form), QStringLiteral("1011100"));
}

// A 550 degC wet bulb typed in at 100000 mbar puts the coil outlet's wet bulb
// beyond reach: its read-outs show no reading, the chart's last point stays.
void Form1FunciTest::missingWetBulbShowsNoReading()
{
    Form1 form;
    form.funci();
    const float lastX2 = read(form, "Line4(4)", "X2").toFloat();
    form.Text1->setText(QStringLiteral("550"));
    form.Text3->setText(QStringLiteral("100000"));
    form.funci();
    for (int i : {5, 6, 7})
        QCOMPARE(form.itext1[size_t(i)]->text(), noReading());
    QCOMPARE(read(form, "Line4(4)", "X2").toFloat(), lastX2);
    QVERIFY(read(form, "Line4(4)", "X1").toFloat() != lastX2);
}

// A run leaves a cell alone when its text is unchanged; a cell cleared or
// changed in between still shows the run's figure.
void Form1FunciTest::cycleTableFollowsEveryRun()
{
    Form1 form;
    designPowers(form);
    const auto designTable = [&form] {
        for (const auto &[index, text] : kDesignCells) {
            if (form.Text7[size_t(index)]->text() != QString::fromLatin1(text).replace('.', QLocale().decimalPoint()))
                return false;
        }
        return true;
    };
    form.funci();
    QVERIFY(designTable());

    for (QLineEdit *cell : form.Text7)
        cell->clear();
    form.funci();
    QVERIFY(designTable());

    form.Text4->setText(QStringLiteral("30"));
    form.funci();
    QVERIFY(!designTable());
    form.Text4->setText(QStringLiteral("23"));
    form.funci();
    QVERIFY(designTable());
}

// A selector ramp runs the calculation many times before the window is
// painted once: what is on screen afterwards is the window drawn afresh, with
// nothing left where a moving item or figure passed.
void Form1FunciTest::rampLeavesTheWindowAsFreshlyDrawn()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.interruptor->setOn(true);
    const auto onScreenAsDrawn = [&form] {
        const QImage screen = form.screen()->grabWindow(form.winId()).toImage();
        return screen.convertToFormat(QImage::Format_RGB32) == form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    for (int position : {5, 0, 3}) {
        form.vapor1->setPosition(position);
        QTRY_VERIFY2(onScreenAsDrawn(), qPrintable(QStringLiteral("steam at %1").arg(position)));
    }
}

QTEST_MAIN(Form1FunciTest)
#include "tst_form1_funci.moc"
