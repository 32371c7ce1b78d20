#include "unit_scheme.h"

#include "controls_by_name.h"
#include "form1.h"
#include "ianalogdisplayx.h"
#include "ithermometerx.h"
#include "surface.h"
#include "twips.h"

#include <QToolTip>
#include <QtTest>

#include <optional>

// The unit scheme built on a picture box of its own, read-outs shown as in the running unit.
class UnitSchemeTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readoutsShowNumbersAsAStudentReadsThem();
    void hoverHelpShowsWhereNoInstrumentCoversIt_data();
    void hoverHelpShowsWhereNoInstrumentCoversIt();
    void instrumentOverTheDrawingShowsItsOwnHelp_data();
    void instrumentOverTheDrawingShowsItsOwnHelp();
    void wetBulbsSitInTheirWicks_data();
    void wetBulbsSitInTheirWicks();
    void outdoorWetBulbOnDataTabSitsInItsWick();

private:
    std::optional<Surface> m_picture4;
    UnitSchemeControls m_controls;
};

namespace {

// What a tooltip request at a widget point of the box shows, sent to the widget under it.
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
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (!picture4.childAt(QPoint(x, y))
                && (!best || (QPoint(x, y) - box.center()).manhattanLength()
                                 < (*best - box.center()).manhattanLength()))
                best = QPoint(x, y);
    return best;
}

// The wick wraps the wet bulb, as on a psychrometer: the bulb's glass lies
// within the wick; the dry bulb of the pair stands level with it.
void checkBulbInWick(const SurfaceShape &wick, const iThermometerX &wet, const iThermometerX &dry)
{
    const QRectF wickBox = twips::rectF(wick.Left(), wick.Top(), wick.Width(), wick.Height())
                               .translated(wick.surface()->innerOrigin());
    const QRectF wetBulb = wet.bulbRect().translated(wet.pos());
    const QRectF dryBulb = dry.bulbRect().translated(dry.pos());
    const auto text = [](const QRectF &r) {
        return QStringLiteral("(%1, %2)-(%3, %4)").arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom());
    };
    QVERIFY2(wickBox.contains(wetBulb) && wetBulb.height() > wetBulb.width(),
             qPrintable(text(wetBulb) + " not in " + text(wickBox)));
    QCOMPARE(dryBulb.top(), wetBulb.top());
    QCOMPARE(dryBulb.size(), wetBulb.size());
}

QString local(QString number)
{
    return number.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

} // namespace

void UnitSchemeTest::init()
{
    m_picture4.emplace();
    m_picture4->resize(twips::size(6360, 5070));
    buildUnitScheme(&*m_picture4, m_controls);
    for (iAnalogDisplayX *readout : m_controls.itext1)
        readout->setVisible(readout != m_controls.itext1[10]);   // the cooling capacity never shows
    m_picture4->show();
    QVERIFY(QTest::qWaitForWindowExposed(&*m_picture4));
}

void UnitSchemeTest::cleanup()
{
    QToolTip::hideText();
    m_picture4.reset();
}

// Each read-out to the precision a student needs, never "-0.0".
void UnitSchemeTest::readoutsShowNumbersAsAStudentReadsThem()
{
    const std::tuple<size_t, std::optional<double>, const char *> readings[] = {
        {0, {}, "23.0"}, {1, {}, "17.0"}, {8, {}, "0.000 kg/h"}, {8, 0.137057, "0.137 kg/h"},
        {9, 5.15349, "5.15 g/s"}, {11, 3.174603, "3.17 mmca"}, {14, -0.04, "0.0"}};
    for (const auto &[index, written, shown] : readings) {
        if (written)
            m_controls.itext1[index]->setValue(*written);
        QCOMPARE(m_controls.itext1[index]->text(), local(shown));
    }
}

void UnitSchemeTest::hoverHelpShowsWhereNoInstrumentCoversIt_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("help");
    const std::pair<int, const char *> labels[] = {
        {0, "VENTILADOR"},
        {19, "Resistencias eléctricas de calentamiento"},
        {14, "EVAPORADOR (Batería de expansión directa)"},
        {18, "Resistencias eléctricas de recalentamiento"},
        {13, "Placa para medir el caudal"},
        {12, "MANÓMETRO DE TUBO INCLINADO  para medir el caudal de aire en la placa."},
        {15, "Bulbo termostático. Proporciona la señal que regula enl sobrecalentamiento del refrigerante "
             "para evitar el \"golpe de líquido\" en el compresor."},
        {11, "VÁLVULA DE EXPANSIÓN  TERMOSTÁTICA. Regula el gasto de refrigerante proporcionando un "
             "sobrecalentamiento constante a la salida del evaporador."},
        {16, "Depósito de condensados del evaporador (graduado)"},
        {10, "CAUDAL DE REFRIGERANTE"},
        {9, "CONDENSADOR. refrigerado por aire."},
        {8, "Ventilador del condensador"},
        {2, "COMPRESOR alternativo."},
        {3, "Vaporizador eléctrico"},
        {17, "Filtro secador (deshidratador) de refrigerante. Impide el bloqueo de la válvula de laminación "
             "por congelación de agua mezclada con refrigerante."},
    };
    for (const auto &[index, help] : labels)
        QTest::addRow("Label1(%d)", index) << index << QString::fromUtf8(help);
}

void UnitSchemeTest::hoverHelpShowsWhereNoInstrumentCoversIt()
{
    QFETCH(int, index);
    const SurfaceLabel *label = m_controls.Label1[size_t(index)];
    const std::optional<QPoint> free = uncoveredPoint(*m_picture4, *label);
    QVERIFY2(free, "the element is covered by instruments everywhere");
    QTEST(toolTipAt(*m_picture4, *free), "help");
    QCOMPARE(label->cursorShape(), std::optional(Qt::UpArrowCursor));
}

void UnitSchemeTest::instrumentOverTheDrawingShowsItsOwnHelp_data()
{
    QTest::addColumn<QPointF>("point");   // twips
    QTest::addColumn<QString>("help");
    QTest::newRow("flow read-out over the flow meter") << QPointF(4860, 3100) << QStringLiteral("Gasto de refrigerante");
    QTest::newRow("evaporator gauge over the fan") << QPointF(1928, 1808) << QStringLiteral("Presión en el evaporador");
    // An instrument without help of its own shows none, hiding the label beneath.
    QTest::newRow("outdoor thermometer over the fan") << QPointF(990, 700) << QString();
    QTest::newRow("stopwatch") << QPointF(3090, 2800)
                               << QStringLiteral("Se mide en realidad el volumen de condensado recogido en un tiempo,");
}

void UnitSchemeTest::instrumentOverTheDrawingShowsItsOwnHelp()
{
    QFETCH(QPointF, point);
    QTEST(toolTipAt(*m_picture4, twips::point(point.x(), point.y()) + m_picture4->innerOrigin()), "help");
}

void UnitSchemeTest::wetBulbsSitInTheirWicks_data()
{
    QTest::addColumn<int>("wick");
    QTest::addColumn<int>("wet");
    QTest::addColumn<int>("dry");
    QTest::newRow("outdoor air") << 0 << 4 << 3;
    QTest::newRow("after the steam") << 1 << 6 << 5;
    QTest::newRow("after the preheater") << 2 << 8 << 7;
    QTest::newRow("after the cooling coil") << 3 << 10 << 9;
    QTest::newRow("after the reheater") << 4 << 12 << 11;
}

void UnitSchemeTest::wetBulbsSitInTheirWicks()
{
    QFETCH(int, wick);
    QFETCH(int, wet);
    QFETCH(int, dry);
    checkBulbInWick(*m_controls.Shape8[size_t(wick)], *m_controls.ter[size_t(wet)], *m_controls.ter[size_t(dry)]);
}

void UnitSchemeTest::outdoorWetBulbOnDataTabSitsInItsWick()
{
    Form1 form;
    checkBulbInWick(*control<SurfaceShape>(form, "Shape7"), *control<iThermometerX>(form, "iThermometerX2"),
                    *control<iThermometerX>(form, "iThermometerX1"));
}

QTEST_MAIN(UnitSchemeTest)
#include "tst_unit_scheme.moc"
