#include "form1.h"

#include "controls_by_name.h"
#include "sstab.h"
#include "surface.h"
#include "symbol_font.h"
#include "twips.h"
#include "updown.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QtTest>

#include <memory>

namespace {

// Control names separated by blanks; "Name(a-b)" stands for the array elements a..b.
QStringList expand(const char *names)
{
    static const QRegularExpression range(QStringLiteral("^(\\w+)\\((\\d+)-(\\d+)\\)$"));
    QStringList out;
    for (const QString &name : QString::fromLatin1(names).split(QLatin1Char(' '))) {
        const QRegularExpressionMatch m = range.match(name);
        if (!m.hasMatch())
            out << name;
        for (int i = m.captured(2).toInt(); m.hasMatch() && i <= m.captured(3).toInt(); ++i)
            out << QStringLiteral("%1(%2)").arg(m.captured(1)).arg(i);
    }
    return out;
}

bool within(const QObject *ancestor, const QObject *object)
{
    for (const QObject *o = object; o; o = o->parent())
        if (o == ancestor)
            return true;
    return false;
}

// Whether the widget at a point of the client area (twips) belongs to the region named `region`.
bool covers(Form1 &form, const char *region, double left, double top)
{
    return within(control(form, region), form.centralWidget()->childAt(twips::point(left, top)));
}

// A control's property, or what the test calls: "shown" (see isShown), "ends" (a line's X1 Y1 X2 Y2),
// "greek" (what a Symbol-font caption reads as).
QVariant read(const QObject *object, const QString &property)
{
    if (property == QLatin1String("shown"))
        return isShown(object);
    if (property == QLatin1String("ends")) {
        QStringList ends;
        for (const char *end : {"X1", "Y1", "X2", "Y2"})
            ends << QString::number(object->property(end).toDouble());
        return ends.join(QLatin1Char(' '));
    }
    if (const auto *label = qobject_cast<const SurfaceLabel *>(object); label && property == QLatin1String("greek"))
        return isSymbolFont(label->font()) ? symbolFontText(label->Caption()) : label->Caption();
    return object->property(qPrintable(property));
}

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_atStart = std::make_unique<Form1>(); }
    void frameMenusAndFieldsAtStart();
    void everyControlPresentUnderItsName();
    void startState_data();
    void startState();
    void inputsAgreeWithTheirDisplaysAtStart();
    void tabPanelLiesOverTheScheme();
    void tabsAtStartAndClickBringsOneToFront();
    void readingTexts_data();
    void readingTexts();
    void ventilationTableRowsStayWholeAndLineUp();

private:
    std::unique_ptr<Form1> m_atStart;   // never touched: the window as it opens
};

void Form1Test::frameMenusAndFieldsAtStart()
{
    const Form1 &form = *m_atStart;
    QCOMPARE(form.windowTitle(), QStringLiteral("  Zelmora   T R A M B L O R"));
    QCOMPARE(form.centralWidget()->minimumSize(), QSize(760, 548));

    // Menus and items as "name caption", "~" marking a greyed item.
    QStringList tree;
    for (const QMenu *menu : form.menuBar()->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly)) {
        QStringList items;
        for (const QAction *a : menu->actions())
            items << a->objectName() + (a->isEnabled() ? " " : " ~") + a->text();
        tree << menu->objectName() + ' ' + menu->title() + ": " + items.join(QStringLiteral(", "));
    }
    QCOMPARE(tree, (QStringList{
        "Ar &Archivo: imprimir &Imprimir pantalla, re ~&Reiniciar, ce &Salir",
        "ver &Ver: mficha &Desplazar fichas, enf Enfriadora de agua y Ud. Central, proc &Procesos en un Tramblor, "
        "unid &Unidad tramblora",
        QStringLiteral("aa A&yuda: ay A&cerca de Tramblor, com ¿&Cómo...?, acc Acceso &web")}));

    // The element powers stay unset until a switch sets them.
    QVERIFY(!form.SteamPower() && !form.PreheatPower() && !form.ReheatPower());
}

void Form1Test::everyControlPresentUnderItsName()
{
    // Where they lie: "" outside the tab panel, a digit: that tab of SSTab1, else the container's name.
    const std::pair<QString, const char *> controls[] = {
        {"", "Text23 Frame3 SSTab1 Picture4 Timer2 Timer3"},
        {"Frame3", "iKnobX1 interruptor vapor1 prec rec R Label8(0-3) Label8(5-6) Label8(17-18) Shape1 Shape2 "
                   "Shape3(0-1)"},
        {"0", "Frame1 Image5 Line2 iThermometerX1 iThermometerX2 Shape7 Label3 Label4 Label13 Label5 Label9(0) "
              "Label10(3) Text3 Text4 Text1 Text8 UpDown1 UpDown2 UpDown3 UpDown4"},
        {"1", "Text2(4) Text7(21-25) Text7(27) Text7(30-31)"},
        {"2", "SSTab2 Text2(1-3)"},
        {"3", "Picture2 Line1(0-3) Label12 Label2(0-3) l9(0-5) l9(10) l9(15) l9(20) l9(25) l9(30) l9(42) l9(51) "
              "Text7(0-20) Text7(26) Text7(28-29) Text7(32)"},
        {"4", "Picture1 Shape10 Line8 Line9 Line4(4-7) Text13 Text14 Text15 Text16 Text17 Text18 Text19 Text20 "
              "Text21 Text22 Text24 Label14 Label15 Label11(8-11) Label8(4) Label8(7-16)"},
        {"5", "Text2(5)"},
        {"Picture4", "ter(0-12) itext1(0-14) Shape8(0-4) Shape4(0-4) Shape5 Shape6 Shape9 Shape11 Shape12 "
                     "Label7(0-1) Label11(0-7) Label1(0) Label1(2-3) Label1(8-19) Line3 Line5 Line6(0-6) Line7 "
                     "UpDown5 UpDown6 Frame2 GaugeX1 GaugeX2 Image1 Image2"},
        {"Frame2", "Disp1"},
    };
    const Form1 &form = *m_atStart;
    const SSTab *tabPanel = control<SSTab>(form, "SSTab1");
    for (const auto &[where, names] : controls) {
        const QObject *container = where.isEmpty() ? nullptr
                                   : where[0].isDigit() ? tabPanel->page(where.toInt())
                                                        : form.findChild<QObject *>(where);
        QVERIFY2(container || where.isEmpty(), qPrintable(where));
        for (const QString &name : expand(names)) {
            const QList<QObject *> found = form.findChildren<QObject *>(name);
            QVERIFY2(found.size() == 1, qPrintable(name));
            QVERIFY2(container ? within(container, found[0])
                               : found[0] == tabPanel || !within(tabPanel, found[0]),
                     qPrintable(name + " is not in " + (container ? where : QStringLiteral("the window"))));
        }
    }
}

void Form1Test::startState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("property");   // see read()
    QTest::addColumn<QVariant>("expected");
    const struct { const char *names, *property; QVariant expected; } rows[] = {
        // Hidden: chart letters and markers, the cycle, the scheme's read-outs, compressor marks, lit elements.
        {"Label11(8-11) Line4(4-7) Shape10 Line1(0-3) Label2(0-3) itext1(0-14) Shape5 Shape6 Line6(0-6)",
         "shown", false},
        // Shown: the cross-hair, and every blade of the condenser fan until the first tick.
        {"Line8 Line9 Shape4(0-4) Line5", "shown", true},
        // Empty: the cycle table, the warning line, the chart readout.
        {"Text7(0-32) Text23 Text13 Text14 Text15 Text16 Text17 Text18 Text19 Text20 Text21 Text22 Text24",
         "text", QString()},
        // The unit off and nothing computed: the instruments stand at their design values, the float and
        // the manometer column where switching off puts them.
        {"Timer2 Timer3", "active", false}, {"interruptor", "on", false},
        {"Disp1", "value", 0}, {"GaugeX1 GaugeX2", "position", 6.0}, {"ter(5-12)", "position", 20.0},
        {"Image1", "Top", 3750.0}, {"Line3", "ends", "5895 2385 5700 2295"},
        {"SSTab1", "Tab", 4}, {"SSTab2", "Tab", 2},
        // Places a layout slip would move: the cross-hair's ends, the cycle table's column heads.
        {"Line8", "ends", "1515 4020 3300 4020"}, {"Line9", "ends", "1365 4005 1365 5000"},
        {"l9(1)", "Left", 1155.0}, {"l9(2)", "Left", 1755.0}, {"l9(3)", "Left", 2355.0}, {"l9(4)", "Left", 2970.0},
        {"l9(1-4)", "Top", 4155.0},
        {"Label8(10)", "greek", QStringLiteral("φ=")}, {"Label8(14)", "greek", QStringLiteral("ρ=")},
        {"Label8(4)", "greek", QStringLiteral("μ=")},
    };
    for (const auto &row : rows)
        for (const QString &name : expand(row.names))
            QTest::addRow("%s.%s", qPrintable(name), row.property) << name << QString(row.property) << row.expected;
}

void Form1Test::startState()
{
    QFETCH(QString, name);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);
    const QObject *object = m_atStart->findChild<QObject *>(name);
    QVERIFY(object);
    const QVariant actual = read(object, property);
    QVERIFY2(actual.isValid(), "no such property");
    if (expected.typeId() == QMetaType::Double)
        QCOMPARE(actual.toDouble(), expected.toDouble());
    else
        QCOMPARE(actual.toString(), expected.toString());
}

// Each input box shows its step control's value; each outdoor temperature
// stands on both its thermometers and its read-out, and its two step controls
// hold it within one range.
void Form1Test::inputsAgreeWithTheirDisplaysAtStart()
{
    const Form1 &form = *m_atStart;
    const std::pair<const char *, const char *> buddies[] = {
        {"UpDown1", "Text3"}, {"UpDown2", "Text4"}, {"UpDown4", "Text1"}, {"UpDown3", "Text8"}};
    for (const auto &[arrows, box] : buddies)
        QCOMPARE(control<QLineEdit>(form, box)->text(), QString::number(control<UpDown>(form, arrows)->Value()));

    const struct { const char *tab, *scheme, *thermometer, *schemeThermometer, *readout; } outdoor[] = {
        {"UpDown2", "UpDown5", "iThermometerX1", "ter(3)", "itext1(0)"},
        {"UpDown4", "UpDown6", "iThermometerX2", "ter(4)", "itext1(1)"},
    };
    for (const auto &o : outdoor) {
        const UpDown *tab = control<UpDown>(form, o.tab);
        const UpDown *scheme = control<UpDown>(form, o.scheme);
        QCOMPARE((QList<int>{scheme->Value(), scheme->minimum(), scheme->maximum()}),
                 (QList<int>{tab->Value(), tab->minimum(), tab->maximum()}));
        QCOMPARE((QList<double>{read(control(form, o.thermometer), "position").toDouble(),
                                read(control(form, o.schemeThermometer), "position").toDouble(),
                                read(control(form, o.readout), "value").toDouble()}),
                 QList<double>(3, tab->Value()));
    }
}

void Form1Test::tabPanelLiesOverTheScheme()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // The tab panel covers the scheme's right edge; the control panel and warning line its foot.
    QVERIFY(covers(form, "SSTab1", 6270, 2000) && covers(form, "SSTab1", 6270, 4500));
    QVERIFY(covers(form, "Frame3", 3000, 5040) && covers(form, "Text23", 5000, 6700));

    // Moved to Left 5580 by "Desplazar fichas" it still lies over the scheme,
    // and the control panel over the tab panel's lower left.
    control<QAction>(form, "mficha")->trigger();
    QCOMPARE(control<SSTab>(form, "SSTab1")->x(), twips::toPixelsRounded(5580));
    QVERIFY(covers(form, "SSTab1", 5700, 2000) && covers(form, "SSTab1", 6300, 600));
    QVERIFY(covers(form, "Frame3", 5900, 5500) && covers(form, "SSTab1", 6300, 5500));
}

void Form1Test::tabsAtStartAndClickBringsOneToFront()
{
    Form1 form;
    SSTab *panel = control<SSTab>(form, "SSTab1");
    QStringList captions;
    for (const SSTab *tabs : {panel, control<SSTab>(form, "SSTab2")})
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabCaption(i);
    QCOMPARE(captions.join('|'), QStringLiteral("Datos|Prácticas|Teoría|Ciclo frigorifico|Carta psicrom.|Equipo|"
                                                "1.- Confort |2.- Ventilación|3.-Sistemas"));
    QCOMPARE(panel->rows(), 2);

    // "Datos" stands in the back row; a click brings it, and its row, next to the page.
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QPoint datos = panel->tabRect(0).center();
    QWidget *strip = panel->childAt(datos);
    QVERIFY(strip);
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->mapFrom(panel, datos));
    QCOMPARE(panel->Tab(), 0);
    QVERIFY(panel->page(0)->isVisible() && !panel->page(4)->isVisible());
    QVERIFY(panel->tabRect(4).bottom() < panel->tabRect(0).top());
}

void Form1Test::readingTexts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("length");   // characters, each line break counted as two
    QTest::addColumn<QString>("topics");   // key terms separated by ';', alternatives by '|'
    QTest::newRow("Prácticas") << 4 << "CAPACIDAD EXPERIMENTAL." << 940 << QStringLiteral(
        "psicrométric;compresión de vapor;humidificación;precalentamiento;deshumidificación;recalentamiento;"
        "carta psicrométrica;R12;presión-entalpía;balances de energía;profesor");
    QTest::newRow("Confort") << 2 << "INTRODUCCION" << 7100 << QStringLiteral(
        "respira;oxígeno;dióxido de carbono;confort térmico;metabolismo;vestimenta;temperatura del aire;"
        "temperatura radiante;humedad;velocidad del aire");
    QTest::newRow("Ventilación") << 1 << "CONDICIONES DE VENTILACION" << 4000 << QStringLiteral(
        "polvo;mg/m³;dióxido de carbono;ppm;renovaciones por hora;oficinas;aulas;cocinas;sistema de ventilación");
    QTest::newRow("Sistemas") << 3 << "SISTEMAS DE ACONDICIONAMIENTO DE AIRE" << 15600 << QStringLiteral(
        "todo refrigerante;split;multi-split|multisplit;refrigerante-aire;todo agua;agua-aire;inducción;"
        "fan-coil|fan coil;aire primario;todo aire;zona única;multizona|varias zonas;volumen de aire variable");
    QTest::newRow("Equipo") << 5 << QStringLiteral("DESCRIPCIÓN") << 4400 << QStringLiteral(
        "250 x 250 mm;velocidad variable;bulbo seco;bulbo húmedo;2, 2 y 1 kW;aleteadas;expansión directa;"
        "depósito graduado;recalentador;placa de orificio;tubo inclinado;\nOPERACIÓN DE LA UNIDAD\n;On / Off;"
        "Vaporizador;Precalentador;Recalentador;Ventilador;Datos");
}

void Form1Test::readingTexts()
{
    QFETCH(int, index);
    QFETCH(QString, heading);
    QFETCH(int, length);
    QFETCH(QString, topics);
    const auto *text = m_atStart->findChild<QPlainTextEdit *>(QStringLiteral("Text2(%1)").arg(index));
    QVERIFY(text && text->isReadOnly());
    const QString content = text->toPlainText();
    QVERIFY2(!content.contains(QChar::ReplacementCharacter), "not valid UTF-8");
    QCOMPARE(content.section(QLatin1Char('\n'), 0, 0), heading);
    const int counted = int(content.size() + content.count(QLatin1Char('\n')));
    QVERIFY2(qAbs(counted - length) <= length * 15 / 100, qPrintable(QString::number(counted)));
    for (const QString &topic : topics.split(QLatin1Char(';'))) {
        const QStringList terms = topic.split(QLatin1Char('|'));
        QVERIFY2(std::any_of(terms.begin(), terms.end(),
                             [&](const QString &term) { return content.contains(term, Qt::CaseInsensitive); }),
                 qPrintable("missing topic: " + topic));
    }
}

// The air changes per hour by kind of room, on "2.- Ventilación": each row on
// one line inside the box, the numbers flush right with their "a" in a column.
void Form1Test::ventilationTableRowsStayWholeAndLineUp()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    control<SSTab>(form, "SSTab1")->setTab(2);   // "Teoría"
    control<SSTab>(form, "SSTab2")->setTab(1);   // "2.- Ventilación"
    auto *text = control<QPlainTextEdit>(form, "Text2", 1);
    QTextCursor at = text->document()->find(QStringLiteral("Tipo de local"));
    QVERIFY(!at.isNull());
    text->setTextCursor(at);
    text->centerCursor();

    const auto xOf = [&](const QTextBlock &block, int position) {
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + position);
        return text->cursorRect(cursor).left();
    };
    QList<int> ends, joins;
    int rows = 0;
    for (QTextBlock block = at.block(); !block.text().isEmpty(); block = block.next(), ++rows) {
        text->document()->documentLayout()->blockBoundingRect(block);   // laid out
        QVERIFY2(block.layout()->lineCount() == 1, qPrintable(block.text()));
        ends << xOf(block, block.length() - 1);
        if (rows > 0)
            joins << xOf(block, int(block.text().indexOf(QStringLiteral(" a "))));
    }
    QCOMPARE(rows, 11);
    QVERIFY2(ends.first() < text->viewport()->width(), qPrintable(QString::number(ends.first())));
    for (int end : ends)
        QVERIFY(qAbs(end - ends.first()) <= 1);
    for (int join : joins)
        QVERIFY(qAbs(join - joins.first()) <= 1);
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
