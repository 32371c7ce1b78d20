#include "unit_scheme.h"

#include "ianalogdisplayx.h"
#include "iangulargaugex.h"
#include "isevensegmentintegerx.h"
#include "ithermometerx.h"
#include "surface.h"
#include "twips.h"
#include "updown.h"

#include <QGroupBox>
#include <QPainter>
#include <QToolTip>
#include <QtTest>

#include <optional>

// The unit scheme of the main window, built on its own picture box.
class UnitSchemeTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyControlIsThereUnderItsName_data();
    void everyControlIsThereUnderItsName();
    void thermometersStandOnTheirElementsWithTheirScales_data();
    void thermometersStandOnTheirElementsWithTheirScales();
    void readoutsShowNumbersAsAStudentReadsThem_data();
    void readoutsShowNumbersAsAStudentReadsThem();
    void unitStartsSwitchedOff();
    void outdoorStepControlsWriteTheirReadouts();
    void hoverHelpShowsWhereNoInstrumentCoversIt_data();
    void hoverHelpShowsWhereNoInstrumentCoversIt();
    void instrumentsShowTheirOwnHelpOverTheDrawing_data();
    void instrumentsShowTheirOwnHelpOverTheDrawing();
    void drawingFillsTheBoxInsideItsBorder();
    void rendersTheSchemeAtOneAndTwoTimesScale();

private:
    std::optional<Surface> m_picture4;
    UnitSchemeControls m_controls;
};

namespace {

// Widget position of a point given in twips of the scheme (inside the border).
QPoint widgetPoint(const Surface &picture4, double x, double y)
{
    return twips::point(x, y) + picture4.innerOrigin();
}

// What a tooltip request at `pos` shows, sent to the widget under the point as
// the platform does.
QString toolTipAt(Surface &picture4, const QPoint &pos)
{
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000))
        return QStringLiteral("(tooltip stays)");
    QWidget *target = picture4.childAt(pos) ? picture4.childAt(pos) : &picture4;
    QHelpEvent help(QEvent::ToolTip, target->mapFrom(&picture4, pos), picture4.mapToGlobal(pos));
    QApplication::sendEvent(target, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// The point of an item nearest its centre that no instrument covers.
std::optional<QPoint> uncoveredPoint(const Surface &picture4, const SurfaceItem &item)
{
    const QRect box = twips::rect(item.Left(), item.Top(), item.Width(), item.Height())
                          .translated(picture4.innerOrigin())
                          .adjusted(1, 1, -1, -1);
    std::optional<QPoint> best;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QPoint p(x, y);
            if (picture4.childAt(p))
                continue;
            if (!best || (p - box.center()).manhattanLength() < (*best - box.center()).manhattanLength())
                best = p;
        }
    }
    return best;
}

QString decimals(const char *number)
{
    return QString::fromLatin1(number).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

} // namespace

void UnitSchemeTest::init()
{
    m_controls = UnitSchemeControls();
    m_picture4.emplace();
    m_picture4->setObjectName(QStringLiteral("Picture4"));
    m_picture4->resize(twips::size(6360, 5070));
    buildUnitScheme(&*m_picture4, m_controls);
    m_picture4->show();
    QVERIFY(QTest::qWaitForWindowExposed(&*m_picture4));
}

void UnitSchemeTest::cleanup()
{
    QToolTip::hideText();
    m_picture4.reset();
}

void UnitSchemeTest::everyControlIsThereUnderItsName_data()
{
    QTest::addColumn<QString>("name");
    const auto array = [](const char *name, std::initializer_list<int> indices) {
        for (int i : indices) {
            const QString element = QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
            QTest::newRow(qPrintable(element)) << element;
        }
    };
    array("ter", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    array("itext1", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    array("Shape8", {0, 1, 2, 3, 4});
    array("Label7", {0, 1});
    array("Label11", {0, 1, 2, 3, 4, 5, 6, 7});
    array("Line6", {0, 1, 2, 3, 4, 5, 6});
    array("Shape4", {0, 1, 2, 3, 4});
    array("Label1", {0, 2, 3, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
    for (const char *name : {"UpDown5", "UpDown6", "Frame2", "Disp1", "GaugeX1", "GaugeX2", "Image1", "Image2",
                             "Line3", "Line5", "Shape5", "Shape6", "Shape9", "Shape11", "Shape12", "Line7"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void UnitSchemeTest::everyControlIsThereUnderItsName()
{
    QFETCH(QString, name);
    const QList<QObject *> found = m_picture4->findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    // Disp1 lies inside Frame2; everything else directly on the picture box.
    QCOMPARE(found.first()->parent()->objectName(),
             name == QLatin1String("Disp1") ? QStringLiteral("Frame2") : QStringLiteral("Picture4"));
}

void UnitSchemeTest::thermometersStandOnTheirElementsWithTheirScales_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("place");   // twips
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("position");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("outdoor dry") << 3 << QRect(915, 105, 150, 885) << 50.0 << 20.0 << QString();
    QTest::newRow("outdoor wet") << 4 << QRect(1050, 90, 150, 885) << 50.0 << 20.0 << QString();
    QTest::newRow("steam wet") << 6 << QRect(1965, 15, 150, 885) << 50.0 << 20.0 << QString();
    QTest::newRow("coil dry") << 9 << QRect(3975, 90, 150, 885) << 50.0 << 20.0 << QString();
    QTest::newRow("reheat wet") << 12 << QRect(5685, 90, 150, 885) << 50.0 << 20.0 << QString();
    QTest::newRow("suction t1") << 0 << QRect(2535, 1395, 150, 1095) << 50.0 << 23.0 << QStringLiteral("t1");
    QTest::newRow("evaporator t4") << 2 << QRect(4605, 1395, 150, 1095) << 50.0 << 23.0 << QStringLiteral("t4");
    QTest::newRow("liquid T3") << 1 << QRect(5460, 3450, 150, 1095) << 75.0 << 23.0 << QStringLiteral("T3");
}

void UnitSchemeTest::thermometersStandOnTheirElementsWithTheirScales()
{
    QFETCH(int, index);
    QFETCH(QRect, place);
    QFETCH(double, maximum);
    QFETCH(double, position);
    QFETCH(QString, toolTip);
    const iThermometerX *thermometer = m_controls.ter[size_t(index)];
    QVERIFY(thermometer);
    QCOMPARE(static_cast<const QWidget *>(thermometer)->geometry(), twips::rect(place.x(), place.y(), place.width(), place.height())
                                          .translated(m_picture4->innerOrigin()));
    QCOMPARE(thermometer->minimum(), 0.0);
    QCOMPARE(thermometer->maximum(), maximum);
    QCOMPARE(thermometer->position(), position);
    QCOMPARE(thermometer->toolTip(), toolTip);
    QVERIFY(thermometer->isVisible());
}

void UnitSchemeTest::readoutsShowNumbersAsAStudentReadsThem_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<std::optional<double>>("written");   // nullopt: the design value
    QTest::addColumn<QString>("shown");
    const std::optional<double> design;
    QTest::newRow("outdoor dry at design") << 0 << design << decimals("23.0");
    QTest::newRow("outdoor wet at design") << 1 << design << decimals("17.0");
    QTest::newRow("reheat wet at design") << 7 << design << decimals("17.0");
    QTest::newRow("condensate at design") << 8 << design << decimals("0.000 kg/h");
    QTest::newRow("condensate of a run") << 8 << std::optional(0.137057) << decimals("0.137 kg/h");
    QTest::newRow("refrigerant flow") << 9 << std::optional(5.15349) << decimals("5.15 g/s");
    QTest::newRow("orifice pressure") << 11 << std::optional(3.174603) << decimals("3.17 mmca");
    QTest::newRow("suction vapour") << 12 << std::optional(15.4478) << decimals("15.4");
    QTest::newRow("liquid") << 13 << design << decimals("23.0");
    QTest::newRow("wet vapour below zero") << 14 << std::optional(-0.04) << decimals("0.0");
}

void UnitSchemeTest::readoutsShowNumbersAsAStudentReadsThem()
{
    QFETCH(int, index);
    QFETCH(std::optional<double>, written);
    QFETCH(QString, shown);
    iAnalogDisplayX *readout = m_controls.itext1[size_t(index)];
    if (written)
        readout->setValue(*written);
    QCOMPARE(readout->text(), shown);
}

void UnitSchemeTest::unitStartsSwitchedOff()
{
    // Design visibility: the window's load hides the read-outs and the
    // compressor marks; only the cooling capacity is hidden by design.
    for (const iAnalogDisplayX *readout : m_controls.itext1)
        QVERIFY2(readout->isHidden() == (readout == m_controls.itext1[10]), qPrintable(readout->objectName()));
    for (const SurfaceLine *bar : m_controls.Line6)
        QVERIFY2(!bar->Visible(), qPrintable(bar->objectName()));
    QVERIFY(m_controls.Shape5->Visible());
    QVERIFY(m_controls.Shape6->Visible());
    // Both frames of the condenser fan show until the animation first runs.
    for (const SurfaceShape *part : m_controls.Shape4)
        QVERIFY2(part->Visible(), qPrintable(part->objectName()));
    QVERIFY(m_controls.Line5->Visible());
    // Nothing computed yet: tachometer at 0, gauges at their design pressure,
    // float and manometer column at rest.
    QCOMPARE(m_controls.Disp1->value(), 0);
    QCOMPARE(m_controls.GaugeX1->position(), 6.0);
    QCOMPARE(m_controls.GaugeX2->position(), 6.0);
    QCOMPARE(m_controls.Image1->Top(), 3750.0f);
    QCOMPARE(QPointF(m_controls.Line3->X2(), m_controls.Line3->Y2()), QPointF(5700, 2295));
}

void UnitSchemeTest::outdoorStepControlsWriteTheirReadouts()
{
    UpDown *dry = m_controls.UpDown5;
    UpDown *wet = m_controls.UpDown6;
    QCOMPARE(QList<int>({dry->Value(), dry->minimum(), dry->maximum(), dry->increment()}), QList<int>({23, 15, 30, 1}));
    QCOMPARE(QList<int>({wet->Value(), wet->minimum(), wet->maximum(), wet->increment()}), QList<int>({17, 10, 30, 1}));

    // A step on the arrow goes into the (still hidden) read-out beside it.
    QTest::mouseClick(dry, Qt::LeftButton, {}, QPoint(dry->width() / 2, 2));
    QCOMPARE(dry->Value(), 24);
    QCOMPARE(m_controls.itext1[0]->value(), 24.0);
    wet->setValue(45);
    QCOMPARE(m_controls.itext1[1]->value(), 30.0);
    m_controls.itext1[1]->show();
    QCOMPARE(m_controls.itext1[1]->text(), decimals("30.0"));
}

void UnitSchemeTest::hoverHelpShowsWhereNoInstrumentCoversIt_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("help");
    QTest::newRow("fan") << 0 << QStringLiteral("VENTILADOR");
    QTest::newRow("preheater") << 19 << QStringLiteral("Resistencias eléctricas de calentamiento");
    QTest::newRow("evaporator") << 14 << QStringLiteral("EVAPORADOR (Batería de expansión directa)");
    QTest::newRow("reheater") << 18 << QStringLiteral("Resistencias eléctricas de recalentamiento");
    QTest::newRow("orifice plate") << 13 << QStringLiteral("Placa para medir el caudal");
    QTest::newRow("manometer") << 12
                               << QStringLiteral("MANÓMETRO DE TUBO INCLINADO  para medir el caudal de aire en la placa.");
    QTest::newRow("bulb") << 15
                          << QStringLiteral("Bulbo termostático. Proporciona la señal que regula enl sobrecalentamiento "
                                            "del refrigerante para evitar el \"golpe de líquido\" en el compresor.");
    QTest::newRow("expansion valve")
        << 11
        << QStringLiteral("VÁLVULA DE EXPANSIÓN  TERMOSTÁTICA. Regula el gasto de refrigerante proporcionando un "
                          "sobrecalentamiento constante a la salida del evaporador.");
    QTest::newRow("condensate vessel") << 16 << QStringLiteral("Depósito de condensados del evaporador (graduado)");
    QTest::newRow("flow meter") << 10 << QStringLiteral("CAUDAL DE REFRIGERANTE");
    QTest::newRow("condenser") << 9 << QStringLiteral("CONDENSADOR. refrigerado por aire.");
    QTest::newRow("condenser fan") << 8 << QStringLiteral("Ventilador del condensador");
    QTest::newRow("compressor") << 2 << QStringLiteral("COMPRESOR alternativo.");
    QTest::newRow("steam generator") << 3 << QStringLiteral("Vaporizador eléctrico");
    QTest::newRow("filter drier")
        << 17
        << QStringLiteral("Filtro secador (deshidratador) de refrigerante. Impide el bloqueo de la válvula de "
                          "laminación por congelación de agua mezclada con refrigerante.");
}

void UnitSchemeTest::hoverHelpShowsWhereNoInstrumentCoversIt()
{
    QFETCH(int, index);
    QFETCH(QString, help);
    // As in the running unit: every read-out but the cooling capacity shows.
    for (iAnalogDisplayX *readout : m_controls.itext1)
        readout->setVisible(readout != m_controls.itext1[10]);
    const SurfaceLabel *label = m_controls.Label1[size_t(index)];
    QVERIFY(label);
    const std::optional<QPoint> free = uncoveredPoint(*m_picture4, *label);
    QVERIFY2(free, "the element is covered by instruments everywhere");
    QCOMPARE(toolTipAt(*m_picture4, *free), help);
    const QPointF tw = m_picture4->toTwips(*free);
    QCOMPARE(m_picture4->itemAt(float(tw.x()), float(tw.y())), static_cast<const SurfaceItem *>(label));
    QCOMPARE(label->cursorShape(), std::optional(Qt::UpArrowCursor));
}

void UnitSchemeTest::instrumentsShowTheirOwnHelpOverTheDrawing_data()
{
    QTest::addColumn<QPointF>("point");   // twips
    QTest::addColumn<QString>("help");
    // Where an instrument lies over a hover label, the instrument answers.
    QTest::newRow("refrigerant flow over the flow meter") << QPointF(4860, 3100) << QStringLiteral("Gasto de refrigerante");
    QTest::newRow("evaporator gauge over the fan") << QPointF(1928, 1808) << QStringLiteral("Presión en el evaporador");
    QTest::newRow("orifice reading over the manometer")
        << QPointF(5200, 2500) << QStringLiteral("Lectura de presión diferencial en el orificio  para medir el caudal");
    // An instrument without help of its own shows none, hiding the label beneath.
    QTest::newRow("outdoor thermometer over the fan") << QPointF(990, 700) << QString();
    QTest::newRow("tachometer") << QPointF(1350, 2750) << QStringLiteral("Tacómetro. indicador de la velocidad del ventilador");
    QTest::newRow("tachometer display") << QPointF(900, 3100) << QStringLiteral("Tacómetro");
    QTest::newRow("stopwatch") << QPointF(3090, 2800)
                               << QStringLiteral("Se mide en realidad el volumen de condensado recogido en un tiempo,");
    QTest::newRow("liquid thermometer") << QPointF(5535, 4000) << QStringLiteral("T3");
}

void UnitSchemeTest::instrumentsShowTheirOwnHelpOverTheDrawing()
{
    QFETCH(QPointF, point);
    QFETCH(QString, help);
    for (iAnalogDisplayX *readout : m_controls.itext1)
        readout->setVisible(readout != m_controls.itext1[10]);
    QCOMPARE(toolTipAt(*m_picture4, widgetPoint(*m_picture4, point.x(), point.y())), help);
}

void UnitSchemeTest::drawingFillsTheBoxInsideItsBorder()
{
    QVERIFY(m_picture4->hasBorder());
    QCOMPARE(m_picture4->innerOrigin(), QPoint(2, 2));
    const QImage image = m_picture4->grab().toImage();
    // The duct between the cooling coil and the thermometers after it, and the
    // bench at the foot of the drawing.
    const QColor duct = image.pixelColor(widgetPoint(*m_picture4, 3840, 1050));
    QVERIFY2(qAbs(duct.red() - 0xe3) < 8 && qAbs(duct.blue() - 0xea) < 8, qPrintable(duct.name()));
    const QColor bench = image.pixelColor(widgetPoint(*m_picture4, 600, 4980));
    QVERIFY2(bench.value() < 170, qPrintable(bench.name()));
}

void UnitSchemeTest::rendersTheSchemeAtOneAndTwoTimesScale()
{
    // The running unit: read-outs and the compressor marks shown, elements lit.
    for (iAnalogDisplayX *readout : m_controls.itext1)
        readout->setVisible(readout != m_controls.itext1[10]);
    m_controls.itext1[8]->setValue(0.137057);
    m_controls.itext1[9]->setValue(5.15349);
    m_controls.itext1[11]->setValue(3.174603);
    m_controls.Shape5->setVisible(true);
    m_controls.Shape6->setVisible(true);
    for (size_t i : {size_t(2), size_t(3), size_t(5)})
        m_controls.Line6[i]->setVisible(true);
    m_controls.Line3->setX2(5631);
    m_controls.Line3->setY2(2253);
    m_controls.Image1->setTop(3700);
    m_controls.Disp1->setValue(2312);
    m_controls.ter[5]->setPosition(23.5);
    m_controls.ter[6]->setPosition(19.5);

    const QString folder = QStringLiteral(VORBELIA_TEST_OUTPUT_DIR);
    QVERIFY(QDir().mkpath(folder));
    for (const int scale : {1, 2}) {
        QImage image(m_picture4->size() * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::white);
        m_picture4->render(&image);
        const QString path = folder + QStringLiteral("/unit_scheme_%1x.png").arg(scale);
        QVERIFY(image.save(path));
        QCOMPARE(image.size(), QSize(424, 338) * scale);
    }
}

QTEST_MAIN(UnitSchemeTest)
#include "tst_unit_scheme.moc"
