#include "form1.h"

#include "sstab.h"
#include "surface.h"
#include "symbol_font.h"
#include "twips.h"
#include "updown.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStyleOptionFrame>
#include <QtTest>

namespace {

QObject *control(const Form1 &form, const QString &name)
{
    return form.findChild<QObject *>(name);
}

// Whether a control is shown by its own state (a widget not hidden, an item
// Visible), independent of whether its tab is in front.
bool shown(const QObject *object)
{
    if (const auto *widget = qobject_cast<const QWidget *>(object))
        return !widget->isHidden();
    return object->property("Visible").toBool();
}

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// The window's widget at a point of its client area given in twips.
QWidget *widgetAt(Form1 &form, double left, double top)
{
    return form.centralWidget()->childAt(twips::point(left, top));
}

bool within(const QWidget *ancestor, const QWidget *widget)
{
    return widget && (widget == ancestor || ancestor->isAncestorOf(widget));
}

QString outputPath(const QString &fileName)
{
    return QStringLiteral(VORBELIA_TEST_OUTPUT_DIR "/") + fileName;
}

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private slots:
    void windowFrame();
    void menuTree_data();
    void menuTree();
    void controlPresentUnderItsName_data();
    void controlPresentUnderItsName();
    void startState_data();
    void startState();
    void elementPowersStartUnset();
    void stepControlDesign_data();
    void stepControlDesign();
    void tabPanelInFrontOfScheme();
    void tabsAtStart();
    void clickOnTabBringsItToFront();
    void readingTexts_data();
    void readingTexts();
    void captionsFitTheirBoxes_data();
    void captionsFitTheirBoxes();
    void readoutTextsFitTheirBoxes_data();
    void readoutTextsFitTheirBoxes();
    void greekCaptionsInTheSymbolFont_data();
    void greekCaptionsInTheSymbolFont();
    void boxesOnChartCountFromInsideTheBorder();
    void rendersEveryTab();
};

void Form1Test::windowFrame()
{
    const QFont applicationFont = QApplication::font();
    Form1 form;
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QStringLiteral("  Zelmora   T R A M B L O R"));
    QCOMPARE(form.centralWidget()->minimumSize(), QSize(760, 548));
    QCOMPARE(form.font().family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(form.font().pixelSize(), 11);
    QCOMPARE(QApplication::font(), applicationFont);

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.centralWidget()->size(), QSize(760, 548));
    const QSize frame = form.size() - form.centralWidget()->size();
    QCOMPARE(frame.width(), 0);
    QCOMPARE(frame.height(), form.menuBar()->height());
}

void Form1Test::menuTree_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("Archivo") << "Ar" << "&Archivo" << QStringList{"imprimir", "re", "ce"}
                             << QStringList{"&Imprimir pantalla", "&Reiniciar", "&Salir"};
    QTest::newRow("Ver") << "ver" << "&Ver" << QStringList{"mficha", "enf", "proc", "unid"}
                         << QStringList{"&Desplazar fichas", "Enfriadora de agua y Ud. Central",
                                        "&Procesos en un Tramblor", "&Unidad tramblora"};
    QTest::newRow("Ayuda") << "aa" << "A&yuda" << QStringList{"ay", "com", "acc"}
                           << QStringList{"A&cerca de Tramblor", "¿&Cómo...?", "Acceso &web"};
}

void Form1Test::menuTree()
{
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QStringList, items);
    QFETCH(QStringList, captions);

    Form1 form;
    auto *m = form.findChild<QMenu *>(menu);
    QVERIFY(m);
    QVERIFY(form.menuBar()->actions().contains(m->menuAction()));
    QCOMPARE(m->title(), caption);
    const QList<QAction *> actions = m->actions();
    QCOMPARE(actions.size(), items.size());
    for (int i = 0; i < actions.size(); ++i) {
        QCOMPARE(actions[i]->objectName(), items[i]);
        QCOMPARE(actions[i]->text(), captions[i]);
        QVERIFY(actions[i]->shortcut().isEmpty());
        QVERIFY(!actions[i]->isCheckable());
        // "Reiniciar" has no command and stands greyed.
        QCOMPARE(actions[i]->isEnabled(), items[i] != QLatin1String("re"));
    }
}

void Form1Test::controlPresentUnderItsName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    // Tab of SSTab1 the control lies on, or -1 outside the tab panel.
    QTest::addColumn<int>("tab");

    auto add = [](int tab, const char *kind, const QStringList &names) {
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name << QString::fromLatin1(kind) << tab;
    };
    auto array = [](const char *name, std::initializer_list<int> indices) {
        QStringList names;
        for (int i : indices)
            names << indexed(name, i);
        return names;
    };

    add(-1, "QLineEdit", {"Text23"});
    add(-1, "QFrame", {"Frame3"});
    add(-1, "SSTab", {"SSTab1"});
    add(-1, "Surface", {"Picture4"});
    add(-1, "QTimer", {"Timer2", "Timer3"});
    add(-1, "iKnobX", {"iKnobX1"});
    add(-1, "iSwitchRockerX", {"interruptor"});
    add(-1, "iSwitchRotaryX", {"vapor1", "prec", "rec"});
    add(-1, "SurfaceLabel", QStringList{"R"} + array("Label8", {0, 1, 2, 3, 5, 6, 17, 18}));
    add(-1, "SurfaceShape", {"Shape1", "Shape2", "Shape3(0)", "Shape3(1)"});

    add(0, "QGroupBox", {"Frame1"});
    add(0, "SurfaceImage", {"Image5"});
    add(0, "SurfaceLine", {"Line2"});
    add(0, "iThermometerX", {"iThermometerX1", "iThermometerX2"});
    add(0, "SurfaceShape", {"Shape7"});
    add(0, "SurfaceLabel", {"Label3", "Label4", "Label13", "Label5", "Label9(0)", "Label10(3)"});
    add(0, "QLineEdit", {"Text3", "Text4", "Text1", "Text8"});
    add(0, "UpDown", {"UpDown1", "UpDown2", "UpDown3", "UpDown4"});

    add(1, "QPlainTextEdit", {"Text2(4)"});
    add(1, "QLineEdit", array("Text7", {21, 22, 23, 24, 25, 27, 30, 31}));
    add(2, "SSTab", {"SSTab2"});
    add(2, "QPlainTextEdit", {"Text2(1)", "Text2(2)", "Text2(3)"});
    add(5, "QPlainTextEdit", {"Text2(5)"});

    add(3, "Surface", {"Picture2"});
    add(3, "SurfaceLabel", QStringList{"Label12"} + array("Label2", {0, 1, 2, 3})
                               + array("l9", {0, 1, 2, 3, 4, 5, 10, 15, 20, 25, 30, 42, 51}));
    add(3, "SurfaceLine", array("Line1", {0, 1, 2, 3}));
    add(3, "QLineEdit", array("Text7", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17,
                                        18, 19, 20, 26, 28, 29, 32}));

    add(4, "Surface", {"Picture1"});
    add(4, "QLineEdit", {"Text13", "Text14", "Text15", "Text16", "Text17", "Text18", "Text19", "Text20",
                         "Text21", "Text22", "Text24"});
    add(4, "SurfaceLabel", QStringList{"Label14", "Label15"} + array("Label11", {8, 9, 10, 11})
                               + array("Label8", {4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    add(4, "SurfaceLine", QStringList{"Line8", "Line9"} + array("Line4", {4, 5, 6, 7}));
    add(4, "SurfaceShape", {"Shape10"});
}

void Form1Test::controlPresentUnderItsName()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(int, tab);

    Form1 form;
    const QList<QObject *> found = form.findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    QObject *object = found.first();
    QVERIFY2(object->inherits(qPrintable(kind)), object->metaObject()->className());
    if (tab < 0) {
        QObject *panel = form.SSTab1;
        for (QObject *o = object; o; o = o->parent())
            QVERIFY(o != panel || object == panel);
    } else {
        bool onTab = false;
        for (QObject *o = object; o; o = o->parent())
            onTab = onTab || o == form.SSTab1->page(tab);
        QVERIFY2(onTab, qPrintable(QStringLiteral("not on tab %1").arg(tab)));
    }
}

void Form1Test::startState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("property");   // "shown": see shown()
    QTest::addColumn<QVariant>("expected");

    auto row = [](const QString &name, const char *property, const QVariant &expected) {
        QTest::addRow("%s.%s", qPrintable(name), property) << name << QString::fromLatin1(property) << expected;
    };
    auto array = [](const char *name, int first, int last) {
        QStringList names;
        for (int i = first; i <= last; ++i)
            names << indexed(name, i);
        return names;
    };

    // Hidden by the load or in the design: the chart letters and markers,
    // the scheme's read-outs, compressor marks and element bars, the cycle.
    const QStringList hidden = array("Label11", 8, 11) + array("itext1", 0, 14) + QStringList{"Shape5", "Shape6"}
                               + array("Line1", 0, 3) + array("Label2", 0, 3) + array("Line4", 4, 7)
                               + QStringList{"Shape10"} + array("Line6", 0, 6);
    for (const QString &name : hidden)
        row(name, "shown", false);
    // Emptied by the load, or empty in the design: the cycle table, the
    // warning line and the chart readout.
    const QStringList empty = array("Text7", 0, 32)
                              + QStringList{"Text23", "Text13", "Text14", "Text15", "Text16", "Text17", "Text18",
                                            "Text19", "Text20", "Text21", "Text22", "Text24"};
    for (const QString &name : empty)
        row(name, "text", QString());

    const struct
    {
        const char *name;
        const char *property;
        QVariant expected;
    } values[] = {
        {"Timer2", "active", false}, {"Timer3", "active", false},
        {"Timer2", "interval", 100}, {"Timer3", "interval", 50},
        // The unit off, the panel at its design settings.
        {"interruptor", "on", false}, {"vapor1", "position", 1}, {"prec", "position", 1},
        {"rec", "position", 1}, {"iKnobX1", "position", 8.0},
        // Inputs and the outdoor thermometers.
        {"Text3", "text", "1013"}, {"Text4", "text", "23"}, {"Text1", "text", "17"}, {"Text8", "text", "6"},
        {"iThermometerX1", "position", 23.0}, {"iThermometerX2", "position", 17.0},
        // The scheme's outdoor thermometers keep their design 20.0 until a
        // step control moves them, while the boxes hold 23 and 17.
        {"ter(3)", "position", 20.0}, {"ter(4)", "position", 20.0},
        {"itext1(0)", "value", 23.0}, {"itext1(1)", "value", 17.0},
        // Nothing computed yet.
        {"Disp1", "value", 0}, {"GaugeX1", "position", 6.0}, {"GaugeX2", "position", 6.0},
        // The cross-hair at its design ends.
        {"Line8", "shown", true}, {"Line8", "X1", 1515.0}, {"Line8", "Y1", 4020.0},
        {"Line8", "X2", 3300.0}, {"Line8", "Y2", 4020.0},
        {"Line9", "shown", true}, {"Line9", "X1", 1365.0}, {"Line9", "Y1", 4005.0},
        {"Line9", "X2", 1365.0}, {"Line9", "Y2", 5000.0},
        // Tabs in front.
        {"SSTab1", "Tab", 4}, {"SSTab2", "Tab", 2},
    };
    for (const auto &v : values)
        row(QString::fromUtf8(v.name), v.property, v.expected);
}

void Form1Test::startState()
{
    QFETCH(QString, name);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);

    Form1 form;
    QObject *object = control(form, name);
    QVERIFY(object);
    const QVariant actual = property == QLatin1String("shown") ? QVariant(shown(object))
                                                               : object->property(qPrintable(property));
    QVERIFY2(actual.isValid(), "no such property");
    if (expected.typeId() == QMetaType::Double)
        QCOMPARE(actual.toDouble(), expected.toDouble());
    else
        QCOMPARE(actual.toString(), expected.toString());
}

void Form1Test::elementPowersStartUnset()
{
    Form1 form;
    QVERIFY(!form.SteamPower.has_value());
    QVERIFY(!form.PreheatPower.has_value());
    QVERIFY(!form.ReheatPower.has_value());
    QCOMPARE(form.steamPower(), 0.0);
    QCOMPARE(form.preheatPower(), 0.0);
    QCOMPARE(form.reheatPower(), 0.0);
    QCOMPARE(form.ChartX, qint16(0));
    QCOMPARE(form.ChartY, qint16(0));
}

void Form1Test::stepControlDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("buddy");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");

    QTest::newRow("pressure") << "UpDown1" << "Text3" << 1013 << 960 << 1040;
    QTest::newRow("dry bulb") << "UpDown2" << "Text4" << 23 << 15 << 30;
    QTest::newRow("superheat") << "UpDown3" << "Text8" << 6 << 4 << 7;
    QTest::newRow("wet bulb") << "UpDown4" << "Text1" << 17 << 10 << 30;
    QTest::newRow("scheme dry bulb") << "UpDown5" << "itext1(0)" << 23 << 15 << 30;
    QTest::newRow("scheme wet bulb") << "UpDown6" << "itext1(1)" << 17 << 10 << 30;
}

void Form1Test::stepControlDesign()
{
    QFETCH(QString, name);
    QFETCH(QString, buddy);
    QFETCH(int, value);
    QFETCH(int, minimum);
    QFETCH(int, maximum);

    Form1 form;
    auto *step = form.findChild<UpDown *>(name);
    QVERIFY(step);
    QCOMPARE(step->Value(), value);
    QCOMPARE(step->minimum(), minimum);
    QCOMPARE(step->maximum(), maximum);
    QCOMPARE(step->increment(), 1);

    // A step by the user reaches the buddy beside the control.
    QTest::keyClick(step, Qt::Key_Up);
    QCOMPARE(step->Value(), value + 1);
    QObject *shownIn = control(form, buddy);
    if (auto *box = qobject_cast<QLineEdit *>(shownIn))
        QCOMPARE(box->text(), QString::number(value + 1));
    else
        QCOMPARE(shownIn->property("value").toDouble(), double(value + 1));
}

void Form1Test::tabPanelInFrontOfScheme()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // The panel covers the scheme's right edge; the control panel covers its foot.
    QVERIFY(within(form.SSTab1, widgetAt(form, 6270, 2000)));
    QVERIFY(within(form.SSTab1, widgetAt(form, 6270, 4500)));
    QVERIFY(within(form.Frame3, widgetAt(form, 3000, 5040)));
    QVERIFY(within(form.Text23, widgetAt(form, 5000, 6700)));

    // Moved left by the "Desplazar fichas" distance, it still covers the scheme.
    form.SSTab1->move(twips::point(5580, 0));
    QVERIFY(within(form.SSTab1, widgetAt(form, 5700, 2000)));
    QVERIFY(within(form.SSTab1, widgetAt(form, 6300, 600)));
    // The control panel then lies over the tab panel's lower left.
    QVERIFY(within(form.Frame3, widgetAt(form, 5900, 5500)));
    QVERIFY(within(form.SSTab1, widgetAt(form, 6300, 5500)));
}

void Form1Test::tabsAtStart()
{
    Form1 form;
    auto check = [](SSTab *panel, const QStringList &captions, int rows, int front) {
        QCOMPARE(panel->count(), captions.size());
        QCOMPARE(panel->rows(), rows);
        for (int i = 0; i < captions.size(); ++i) {
            QCOMPARE(panel->tabCaption(i), captions[i]);
            QCOMPARE(shown(panel->page(i)), i == front);
            // The caption fits its tab.
            QVERIFY(panel->fontMetrics().horizontalAdvance(captions[i]) <= panel->tabRect(i).width() - 6);
        }
    };
    check(form.SSTab1, {"Datos", "Prácticas", "Teoría", "Ciclo frigorifico", "Carta psicrom.", "Equipo"}, 2, 4);
    check(form.SSTab2, {"1.- Confort ", "2.- Ventilación", "3.-Sistemas"}, 1, 2);
}

void Form1Test::clickOnTabBringsItToFront()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    SSTab *panel = form.SSTab1;
    QSignalSpy changes(panel, &SSTab::currentChanged);

    // "Datos" stands in the back row while "Carta psicrom." is in front.
    QVERIFY(panel->tabRect(0).bottom() < panel->tabRect(4).top());
    const QPoint datos = panel->tabRect(0).center();
    QWidget *strip = panel->childAt(datos);
    QVERIFY(strip);
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->mapFrom(panel, datos));
    QCOMPARE(panel->Tab(), 0);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.first().first().toInt(), 0);
    QVERIFY(panel->page(0)->isVisible());
    QVERIFY(!panel->page(4)->isVisible());
    // Its row has come next to the page.
    QVERIFY(panel->tabRect(4).bottom() < panel->tabRect(0).top());

    QTest::keyClick(strip, Qt::Key_Right);
    QCOMPARE(panel->Tab(), 1);
    QTest::keyClick(strip, Qt::Key_Left);
    QTest::keyClick(strip, Qt::Key_Left);
    QCOMPARE(panel->Tab(), 0);
    QCOMPARE(changes.size(), 3);
}

void Form1Test::readingTexts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("length");

    QTest::newRow("Prácticas") << 4 << "CAPACIDAD EXPERIMENTAL." << 940;
    QTest::newRow("Confort") << 2 << "INTRODUCCION" << 7100;
    QTest::newRow("Ventilación") << 1 << "CONDICIONES DE VENTILACION" << 4000;
    QTest::newRow("Sistemas") << 3 << QString() << 15600;
    QTest::newRow("Equipo") << 5 << "DESCRIPCIÓN" << 4400;
}

void Form1Test::readingTexts()
{
    QFETCH(int, index);
    QFETCH(QString, heading);
    QFETCH(int, length);

    Form1 form;
    auto *text = form.findChild<QPlainTextEdit *>(indexed("Text2", index));
    QVERIFY(text);
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    const QString content = text->toPlainText();
    const QString firstLine = content.section(QLatin1Char('\n'), 0, 0).trimmed();
    if (heading.isEmpty())
        QCOMPARE(firstLine, firstLine.toUpper());
    else
        QCOMPARE(firstLine, heading);
    // The texts come whole (their length counts each line break as two characters).
    const int counted = int(content.size() + content.count(QLatin1Char('\n')));
    QVERIFY2(qAbs(counted - length) < length / 5, qPrintable(QString::number(counted)));
}

void Form1Test::captionsFitTheirBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("bordered");
    for (const char *name : {"Label3", "Label4", "Label13", "Label5"})
        QTest::newRow(name) << QString::fromLatin1(name) << false;
    for (int i : {0, 1, 2, 3, 4, 5, 10, 20, 30})
        QTest::newRow(qPrintable(indexed("l9", i))) << indexed("l9", i) << true;
}

void Form1Test::captionsFitTheirBoxes()
{
    QFETCH(QString, name);
    QFETCH(bool, bordered);

    Form1 form;
    auto *label = form.findChild<SurfaceLabel *>(name);
    QVERIFY(label);
    const int border = bordered ? 2 : 0;
    const QRect box(0, 0, int(twips::toPixels(label->Width())) - border,
                    int(twips::toPixels(label->Height())) - border);
    const QRect needed = QFontMetrics(label->font()).boundingRect(box, Qt::TextWordWrap | Qt::AlignCenter,
                                                                  label->Caption());
    QVERIFY2(box.contains(needed), qPrintable(QStringLiteral("needs %1 x %2 in %3 x %4")
                                                  .arg(needed.width()).arg(needed.height())
                                                  .arg(box.width()).arg(box.height())));
}

void Form1Test::readoutTextsFitTheirBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    // The widest readings of the chart's working range.
    QTest::newRow("Tbs") << "Text13" << "-1.9 ºC";
    QTest::newRow("Tbs hot") << "Text13" << "52.9 ºC";
    QTest::newRow("Tbh") << "Text17" << "28.0 ºC";
    QTest::newRow("Td") << "Text15" << "-10.2 ºC";
    QTest::newRow("HR") << "Text16" << "100.0 %";
    QTest::newRow("w") << "Text14" << "35.9 g/kga.s.";
    QTest::newRow("h") << "Text18" << "125.6 kJ/kga.s.";
    QTest::newRow("v") << "Text19" << "0.958 m3/kga.s.";
    QTest::newRow("rho") << "Text20" << "1.28 kg/m3";
    QTest::newRow("pv") << "Text21" << "10.63 kPa";
    QTest::newRow("p") << "Text22" << "104.00 kPa";
    QTest::newRow("mu") << "Text24" << "1.000";
    QTest::newRow("no reading") << "Text24" << " ---";
}

void Form1Test::readoutTextsFitTheirBoxes()
{
    QFETCH(QString, box);
    QFETCH(QString, text);

    Form1 form;
    auto *edit = form.findChild<QLineEdit *>(box);
    QVERIFY(edit);
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    // QLineEdit keeps a margin of two pixels each side of its text.
    const QFontMetrics metrics(edit->font());
    QVERIFY2(metrics.horizontalAdvance(text) <= contents.width() - 4,
             qPrintable(QStringLiteral("%1 px in %2").arg(metrics.horizontalAdvance(text)).arg(contents.width() - 4)));
    QVERIFY(metrics.height() <= contents.height() + 2);
}

void Form1Test::greekCaptionsInTheSymbolFont_data()
{
    QTest::addColumn<int>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("relative humidity") << 10 << "f=" << QStringLiteral("φ=");
    QTest::newRow("density") << 14 << "r=" << QStringLiteral("ρ=");
    QTest::newRow("degree of saturation") << 4 << "m=" << QStringLiteral("μ=");
}

// The captions keep their design text in the Symbol font, and read as Greek.
void Form1Test::greekCaptionsInTheSymbolFont()
{
    QFETCH(int, caption);
    Form1 form;
    const SurfaceLabel *label = form.Label8[size_t(caption)];
    QCOMPARE(label->objectName(), indexed("Label8", caption));
    QTEST(label->Caption(), "text");
    QVERIFY(isSymbolFont(label->font()));
    QCOMPARE(label->font().pixelSize(), form.Label8[7]->font().pixelSize());
    QTEST(symbolFontText(label->Caption()), "shown");
}

void Form1Test::boxesOnChartCountFromInsideTheBorder()
{
    Form1 form;
    QVERIFY(form.Picture1->hasBorder());
    const QPoint inner = form.Picture1->innerOrigin();
    QVERIFY(!inner.isNull());
    QCOMPARE(form.Text13->geometry(), twips::rect(360, 60, 660, 375).translated(inner));
    QCOMPARE(form.Text24->geometry(), twips::rect(240, 3105, 765, 225).translated(inner));
    // Each caption ends where its box begins.
    const std::pair<int, QLineEdit *> readouts[] = {
        {7, form.Text13}, {8, form.Text17}, {9, form.Text15}, {10, form.Text16},
        {11, form.Text14}, {12, form.Text18}, {13, form.Text19}, {14, form.Text20},
        {15, form.Text21}, {16, form.Text22}, {4, form.Text24}};
    for (const auto &[caption, box] : readouts) {
        const SurfaceLabel *label = form.Label8[size_t(caption)];
        const double right = twips::toPixels(label->Left() + label->Width()) + inner.x();
        QVERIFY2(right <= box->x() + 1, qPrintable(label->objectName()));
    }
    // The readout boxes are left out of the tab order.
    QVERIFY(!(form.Text13->focusPolicy() & Qt::TabFocus));
    QVERIFY(!(form.Text24->focusPolicy() & Qt::TabFocus));
}

void Form1Test::rendersEveryTab()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget *client = form.centralWidget();
    for (int tab = 0; tab < form.SSTab1->count(); ++tab) {
        form.SSTab1->setTab(tab);
        for (int ratio : {1, 2}) {
            QImage image(client->size() * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::white);
            client->render(&image);
            QVERIFY(image.save(outputPath(QStringLiteral("form1_tab%1@%2x.png").arg(tab).arg(ratio))));
        }
    }
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
