#include "form4.h"

#include "chart_readout.h"
#include "ithermometerx.h"
#include "number_format.h"
#include "surface.h"
#include "symbol_font.h"
#include "twips.h"
#include "updown.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include <memory>

namespace {

QString decimals(const char *number)
{
    return QString::fromUtf8(number).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

// The design inputs' results as the boxes show them.
const char *const kDesignTexts[] = {"24.66 kW", "0.74 ", "5431.9 m3/h", "20.30 kW", "0.60 "};

// Everything a run of calculo writes: the five result texts and where the
// four letters stand (the lines' ends are checked apart).
struct Snapshot
{
    QStringList texts;
    QList<QPointF> letters;
    bool operator==(const Snapshot &other) const { return texts == other.texts && letters == other.letters; }
};

Snapshot snapshot(const Form4 &form)
{
    Snapshot s;
    for (const QLineEdit *box : {form.Text25, form.Text27, form.Text24, form.Text26, form.Text23})
        s.texts << box->text();
    for (int i = 8; i <= 11; ++i)
        s.letters << QPointF(form.Label11[size_t(i)]->Left(), form.Label11[size_t(i)]->Top());
    return s;
}

char *toString(const Snapshot &s)
{
    return QTest::toString(s.texts.join(QLatin1Char('|')));
}

void stepUp(UpDown *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(control->width() / 2, 2));
}

void stepDown(UpDown *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(control->width() / 2, control->height() - 2));
}

void type(QLineEdit *box, const QString &text)
{
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

// What a tooltip request at `pos` of the window's surface shows, sent to the
// widget under the point as the platform does.
QString toolTipAt(Surface &surface, const QPoint &pos)
{
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000))
        return QStringLiteral("(tooltip stays)");
    QWidget *target = surface.childAt(pos) ? surface.childAt(pos) : &surface;
    QHelpEvent help(QEvent::ToolTip, target->mapFrom(&surface, pos), surface.mapToGlobal(pos));
    QApplication::sendEvent(target, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// A pixel of the item, nearest its centre, where it is the front-most item
// and no widget covers it.
std::optional<QPoint> freePoint(const Surface &surface, const SurfaceItem &item)
{
    const QRect box = twips::rect(item.Left(), item.Top(), item.Width(), item.Height()).adjusted(1, 1, -1, -1);
    std::optional<QPoint> best;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QPoint p(x, y);
            const QPointF tw = surface.toTwips(p);
            if (surface.childAt(p) || surface.itemAt(float(tw.x()), float(tw.y())) != &item)
                continue;
            if (!best || (p - box.center()).manhattanLength() < (*best - box.center()).manhattanLength())
                best = p;
        }
    }
    return best;
}

QPointF chartPoint(const room::RoomResults &results, const std::optional<room::AirState> room::RoomResults::*state)
{
    const auto at = room::chartPosition(*(results.*state));
    return {at->x, at->y};
}

bool near(const QPointF &a, const QPointF &b, double tolerance)
{
    return qAbs(a.x() - b.x()) <= tolerance && qAbs(a.y() - b.y()) <= tolerance;
}

} // namespace

class Form4Test : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowFrame();
    void controlPresentUnderItsName_data();
    void controlPresentUnderItsName();
    void framesCarryBoldColouredCaptions_data();
    void framesCarryBoldColouredCaptions();
    void inputsStartAtTheirDesign_data();
    void inputsStartAtTheirDesign();
    void firstViewShowsTheDesignResults();
    void markersFollowTheProcessPath_data();
    void markersFollowTheProcessPath();
    void firstSensibleLoadStepStartsFromTheStepControl_data();
    void firstSensibleLoadStepStartsFromTheStepControl();
    void pressureCountsFromTheNextOtherStep();
    void outdoorStepMovesTheThermometerBeforeTheResults();
    void equalOutdoorAndRoomTemperaturesShowResults_data();
    void equalOutdoorAndRoomTemperaturesShowResults();
    void undefinedResultsShowNoReading();
    void textThatIsNoNumberLeavesEverything_data();
    void textThatIsNoNumberLeavesEverything();
    void blinkAlternatesLampAndCloud();
    void seasonOptionsChooseNothing();
    void drawingStacksAsDesigned();
    void hoverHelpShowsOverItsElement_data();
    void hoverHelpShowsOverItsElement();
    void chartReadoutReadsAtStandardPressure();
    void greekCaptionsInTheSymbolFont_data();
    void greekCaptionsInTheSymbolFont();
    void rendersTheWindowAtOneAndTwoTimesScale();

private:
    std::unique_ptr<Form4> m_form;
};

void Form4Test::init()
{
    m_form = std::make_unique<Form4>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void Form4Test::cleanup()
{
    QToolTip::hideText();
    m_form.reset();
}

void Form4Test::windowFrame()
{
    QCOMPARE(m_form->objectName(), QStringLiteral("Form4"));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("  MANIOBRA DEL TRAMBLOR  y del LOCAL"));
    QVERIFY(m_form->windowState() & Qt::WindowMaximized);
    QVERIFY(!m_form->windowIcon().isNull());
    QCOMPARE(m_form->centralWidget(), static_cast<QWidget *>(m_form->Form4Client));
    QCOMPARE(m_form->Form4Client->minimumSize(), QSize(724, 602));
}

void Form4Test::controlPresentUnderItsName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    auto add = [](const char *kind, const QStringList &names) {
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name << QString::fromLatin1(kind);
    };
    auto array = [](const char *name, std::initializer_list<int> indices) {
        QStringList names;
        for (int i : indices)
            names << QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
        return names;
    };
    auto series = [](const char *name, std::initializer_list<int> numbers) {
        QStringList names;
        for (int i : numbers)
            names << QLatin1String(name) + QString::number(i);
        return names;
    };
    add("QLineEdit", array("Text1", {0, 1, 2, 3, 4}) + array("Text3", {0, 1, 2, 3}) + array("Text4", {0, 1, 2, 3})
                         + array("Text5", {0, 1, 2})
                         + series("Text", {2, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                                           24, 25, 26, 27}));
    add("UpDown", series("UpDown", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    add("SurfaceLabel", series("Label", {1, 3, 4, 5, 6, 7, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,
                                         25, 26, 27, 28, 29, 30})
                            + array("Label8", {7, 8, 9, 10, 11, 12, 13, 14, 15, 16})
                            + array("Label11", {0, 1, 2, 3, 8, 9, 10, 11}) + array("Label2", {1, 2, 3}));
    add("SurfaceLine", series("Line", {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 13, 15, 16, 17, 18})
                           + array("Line4", {0, 4, 5, 6, 7}) + array("Line12", {0, 1, 2, 3}));
    add("SurfaceShape", series("Shape", {1, 2, 3, 4, 5, 10}));
    add("SurfaceImage", series("Image", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 17, 29, 33, 34}));
    add("QGroupBox", series("Frame", {1, 2, 3, 4}));
    add("Surface", {QStringLiteral("Picture2")});
    add("iThermometerX", {QStringLiteral("iThermometerX1"), QStringLiteral("ter(4)")});
    add("QRadioButton", {QStringLiteral("Option1"), QStringLiteral("Option2")});
    add("QTimer", {QStringLiteral("Timer1")});
}

void Form4Test::controlPresentUnderItsName()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    const QList<QObject *> found = m_form->findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    QVERIFY2(found.front()->inherits(qPrintable(kind)), found.front()->metaObject()->className());
}

void Form4Test::framesCarryBoldColouredCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QRect>("place");
    QTest::newRow("Frame4") << "Frame4" << "Aire Exterior" << QColor(0x008000) << QRect(6300, 180, 4125, 2250);
    QTest::newRow("Frame3") << "Frame3" << "Diagrama psicrométrico" << QColor(0x0000ff) << QRect(6315, 2565, 4125, 5820);
    QTest::newRow("Frame2") << "Frame2" << "Tramblor" << QColor(0x800080) << QRect(3030, 5235, 2880, 3165);
    QTest::newRow("Frame1") << "Frame1" << "Local" << QColor(0x0000ff) << QRect(480, 5235, 2190, 3180);
}

void Form4Test::framesCarryBoldColouredCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QColor, color);
    QFETCH(QRect, place);
    const auto *frame = m_form->findChild<QGroupBox *>(name);
    QCOMPARE(frame->title(), caption);
    QVERIFY(frame->font().bold());
    QCOMPARE(frame->palette().color(QPalette::WindowText), color);
    QCOMPARE(frame->geometry(), twips::rect(place.x(), place.y(), place.width(), place.height()));
    // What the frame holds keeps the window's colours.
    const auto *client = frame->findChild<Surface *>(name + QLatin1String("Client"));
    QCOMPARE(client->palette().color(QPalette::WindowText), m_form->palette().color(QPalette::WindowText));
    QVERIFY(!client->font().bold());
}

void Form4Test::inputsStartAtTheirDesign_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QList<int>>("design");   // value, minimum, maximum, increment
    QTest::addColumn<bool>("typable");
    QTest::newRow("outdoor temperature") << "Text1(4)" << "31" << "UpDown2" << QList<int>{31, 25, 40, 1} << true;
    QTest::newRow("outdoor humidity") << "Text4(3)" << "70" << "UpDown1" << QList<int>{70, 25, 85, 1} << true;
    QTest::newRow("pressure") << "Text3(3)" << "1013" << "UpDown4" << QList<int>{1013, 990, 1020, 1} << false;
    QTest::newRow("ventilation") << "Text6" << "1000" << "UpDown3" << QList<int>{1000, 0, 20000, 50} << true;
    QTest::newRow("room temperature") << "Text7" << "26" << "UpDown5" << QList<int>{26, 20, 27, 1} << true;
    QTest::newRow("room humidity") << "Text8" << "60" << "UpDown6" << QList<int>{60, 40, 90, 1} << true;
    QTest::newRow("sensible load") << "Text10" << "15000" << "UpDown7" << QList<int>{14300, -20000, 20000, 1000} << true;
    QTest::newRow("latent load") << "Text11" << "5300" << "UpDown8" << QList<int>{5300, 0, 20000, 100} << true;
    QTest::newRow("bypass") << "Text9" << "25" << "UpDown9" << QList<int>{25, 0, 35, 1} << true;
    QTest::newRow("dew point") << "Text12" << "15" << "UpDown10" << QList<int>{15, 5, 18, 1} << true;
}

void Form4Test::inputsStartAtTheirDesign()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, control);
    QFETCH(QList<int>, design);
    QFETCH(bool, typable);
    const auto *edit = m_form->findChild<QLineEdit *>(box);
    const auto *step = m_form->findChild<UpDown *>(control);
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->isEnabled(), typable);
    QCOMPARE(QList<int>({step->Value(), step->minimum(), step->maximum(), step->increment()}), design);
    QCOMPARE(step->parentWidget(), edit->parentWidget());
}

void Form4Test::firstViewShowsTheDesignResults()
{
    const Snapshot shown = snapshot(*m_form);
    QStringList expected;
    for (const char *text : kDesignTexts)
        expected << decimals(text);
    QCOMPARE(shown.texts, expected);
    // Only the total load's box is enabled.
    QCOMPARE(QList<bool>({m_form->Text25->isEnabled(), m_form->Text27->isEnabled(), m_form->Text24->isEnabled(),
                          m_form->Text26->isEnabled(), m_form->Text23->isEnabled()}),
             QList<bool>({false, false, false, true, false}));
}

void Form4Test::markersFollowTheProcessPath_data()
{
    QTest::addColumn<int>("letter");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<QPointF>("offset");
    QTest::addColumn<QStringList>("ends");   // "Line4(5).1" = (X1, Y1) of Line4(5)
    QTest::newRow("E") << 8 << "E" << QPointF(2073, 2595.3) << QPointF(0, -320)
                       << QStringList{"Line4(5).1", "Line4(5).2", "Line4(6).1"};
    QTest::newRow("R") << 9 << "R" << QPointF(1758, 3640.8) << QPointF(50, 100)
                       << QStringList{"Line4(6).2", "Line4(7).1"};
    QTest::newRow("I") << 10 << "I" << QPointF(1314.1, 3768.7) << QPointF(-100, 50)
                       << QStringList{"Line4(7).2", "Line4(4).1"};
    QTest::newRow("C") << 11 << "C" << QPointF(1812.3, 3460.5) << QPointF(50, -50) << QStringList{"Line4(4).2"};
}

void Form4Test::markersFollowTheProcessPath()
{
    QFETCH(int, letter);
    QFETCH(QString, caption);
    QFETCH(QPointF, point);
    QFETCH(QPointF, offset);
    QFETCH(QStringList, ends);
    const SurfaceLabel *label = m_form->Label11[size_t(letter)];
    QCOMPARE(label->Caption(), caption);
    QCOMPARE(label->surface(), m_form->Picture2);
    const QPointF corner(label->Left(), label->Top());
    QVERIFY2(near(corner, point + offset, 0.05), qPrintable(QStringLiteral("%1, %2").arg(corner.x()).arg(corner.y())));
    for (const QString &end : ends) {
        const auto *line = m_form->Picture2->findChild<SurfaceLine *>(end.section(QLatin1Char('.'), 0, 0));
        const bool first = end.endsWith(QLatin1String(".1"));
        const QPointF at = first ? QPointF(line->X1(), line->Y1()) : QPointF(line->X2(), line->Y2());
        // The letter's offset was applied in single precision to the same point.
        QCOMPARE(float(at.x() + offset.x()), float(corner.x()));
        QCOMPARE(float(at.y() + offset.y()), float(corner.y()));
    }
}

void Form4Test::firstSensibleLoadStepStartsFromTheStepControl_data()
{
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("total");
    QTest::newRow("up") << true << "15300" << "20.60 kW";
    QTest::newRow("down") << false << "13300" << "18.60 kW";
}

void Form4Test::firstSensibleLoadStepStartsFromTheStepControl()
{
    QFETCH(bool, up);
    QFETCH(QString, load);
    QFETCH(QString, total);
    up ? stepUp(m_form->UpDown7) : stepDown(m_form->UpDown7);
    QCOMPARE(m_form->Text10->text(), load);
    QCOMPARE(m_form->Text26->text(), decimals(qPrintable(total)));
}

void Form4Test::pressureCountsFromTheNextOtherStep()
{
    const Snapshot before = snapshot(*m_form);
    stepUp(m_form->UpDown4);
    QCOMPARE(m_form->Text3[3]->text(), QStringLiteral("1014"));
    QCOMPARE(snapshot(*m_form), before);

    stepUp(m_form->UpDown1);
    stepDown(m_form->UpDown1);
    QCOMPARE(m_form->Text4[3]->text(), QStringLiteral("70"));
    room::RoomInputs in{31, 0.70, 1000.0 / 3600, 101.4, 0.60, 26, 15, 15000, 5300, 0.25};
    const room::RoomResults expected = room::calculo(in);
    QCOMPARE(m_form->Text25->text(), formatNumber(*expected.Qcoil, QStringLiteral("0.00")) + QStringLiteral(" kW"));
    QCOMPARE(m_form->Label11[8]->Top(), float(chartPoint(expected, &room::RoomResults::E).y()) - 320.0f);
    QVERIFY(m_form->Label11[8]->Top() != before.letters[0].y());
}

void Form4Test::outdoorStepMovesTheThermometerBeforeTheResults()
{
    QList<double> seen;
    connect(m_form->Text25, &QLineEdit::textChanged, this,
            [&] { seen << m_form->iThermometerX1->position(); });
    QCOMPARE(m_form->iThermometerX1->position(), 31.0);
    stepUp(m_form->UpDown2);
    QCOMPARE(m_form->Text1[4]->text(), QStringLiteral("32"));
    QCOMPARE(seen, QList<double>{32.0});
    stepDown(m_form->UpDown2);
    QCOMPARE(seen, QList<double>({32.0, 31.0}));
    QCOMPARE(m_form->Text25->text(), decimals(kDesignTexts[0]));
}

void Form4Test::equalOutdoorAndRoomTemperaturesShowResults_data()
{
    QTest::addColumn<int>("temperature");
    QTest::newRow("25 ºC") << 25;
    QTest::newRow("26 ºC") << 26;
    QTest::newRow("27 ºC") << 27;
}

void Form4Test::equalOutdoorAndRoomTemperaturesShowResults()
{
    QFETCH(int, temperature);
    m_form->UpDown5->setValue(temperature);
    m_form->UpDown2->setValue(temperature);
    room::RoomInputs in{double(temperature), 0.70, 1000.0 / 3600, 101.3, 0.60, double(temperature), 15, 15000, 5300,
                        0.25};
    const room::RoomResults expected = room::calculo(in);
    QCOMPARE(m_form->Text25->text(), formatNumber(*expected.Qcoil, QStringLiteral("0.00")) + QStringLiteral(" kW"));
    QCOMPARE(m_form->Text23->text(), formatNumber(*expected.coilSensibleHeatFactor, QStringLiteral("0.00")) + ' ');
    // The mix stands straight above the room point, at the same dry bulb.
    QCOMPARE(m_form->Line4[4]->X2(), m_form->Line4[6]->X2());
    QCOMPARE(m_form->Line4[4]->Y2(), float(chartPoint(expected, &room::RoomResults::C).y()));
}

void Form4Test::undefinedResultsShowNoReading()
{
    const Snapshot design = snapshot(*m_form);
    // No sensible load: no supply air, so no mix and no coil outlet.
    m_form->UpDown7->setValue(0);
    Snapshot shown = snapshot(*m_form);
    QCOMPARE(shown.texts, QStringList({noReading(), decimals("0.00 "), decimals("0.0 m3/h"), decimals("5.30 kW"),
                                       noReading()}));
    QCOMPARE(shown.letters.mid(2), design.letters.mid(2));   // I and C stay

    // The room typed down to the dew point: no supply flow, from the next step on.
    m_form->UpDown7->setValue(15000);
    const Snapshot typed = snapshot(*m_form);
    type(m_form->Text7, QStringLiteral("15"));
    QCOMPARE(snapshot(*m_form), typed);
    stepUp(m_form->UpDown8);
    shown = snapshot(*m_form);
    QCOMPARE(shown.texts[0], noReading());
    QCOMPARE(shown.texts[2], noReading());
    QCOMPARE(shown.texts[3], decimals("20.40 kW"));

    // Back to the design, every result returns.
    type(m_form->Text7, QStringLiteral("26"));
    stepDown(m_form->UpDown8);
    QCOMPARE(snapshot(*m_form), design);
}

void Form4Test::textThatIsNoNumberLeavesEverything_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "Text6" << "mil";
    QTest::newRow("empty") << "Text1(4)" << "";
    QTest::newRow("group separator") << "Text10" << "15 000";
    // The other locale's decimal separator reads as a group separator here.
    QTest::newRow("foreign decimal") << "Text12" << (QLocale().decimalPoint() == "," ? "15.5" : "15,5");
}

void Form4Test::textThatIsNoNumberLeavesEverything()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    const Snapshot before = snapshot(*m_form);
    const QList<float> lineEnds{m_form->Line4[6]->X1(), m_form->Line4[6]->Y1(), m_form->Line4[4]->X2(),
                                m_form->Line4[4]->Y2()};
    type(m_form->findChild<QLineEdit *>(box), text);
    stepUp(m_form->UpDown9);
    QCOMPARE(m_form->Text9->text(), QStringLiteral("26"));
    QCOMPARE(snapshot(*m_form), before);
    QCOMPARE(QList<float>({m_form->Line4[6]->X1(), m_form->Line4[6]->Y1(), m_form->Line4[4]->X2(),
                           m_form->Line4[4]->Y2()}),
             lineEnds);
}

void Form4Test::blinkAlternatesLampAndCloud()
{
    QCOMPARE(m_form->Timer1->interval(), 1000);
    QVERIFY(m_form->Timer1->isActive());
    QVERIFY(m_form->Image5->Visible() && m_form->Image6->Visible() && m_form->Image17->Visible());
    // The first tick: the lamp stays off and the sun comes out.
    QTRY_VERIFY_WITH_TIMEOUT(!m_form->Image6->Visible(), 2500);
    for (int tick = 1; tick <= 6; ++tick) {
        const bool lampOn = tick % 2 == 0;
        QCOMPARE(m_form->Image6->Visible(), lampOn);
        QCOMPARE(m_form->Image5->Visible(), !lampOn);
        QCOMPARE(m_form->Image17->Visible(), lampOn);
        m_form->Timer1_Timer();
    }
    QCOMPARE(snapshot(*m_form).texts[0], decimals(kDesignTexts[0]));
}

void Form4Test::seasonOptionsChooseNothing()
{
    const Snapshot before = snapshot(*m_form);
    QVERIFY(m_form->Option1->isChecked());
    QVERIFY(!m_form->Option2->isEnabled());
    QTest::mouseClick(m_form->Option2, Qt::LeftButton);
    QTest::mouseClick(m_form->Option1, Qt::LeftButton);
    QVERIFY(m_form->Option1->isChecked());
    QVERIFY(!m_form->Option2->isChecked());
    QCOMPARE(snapshot(*m_form), before);
}

void Form4Test::drawingStacksAsDesigned()
{
    // Back to front.
    const QStringList order{
        "Shape5", "Line11", "Shape1", "Image1", "Line1", "Label2(1)", "Image3", "Line7", "Image2", "Image4",
        "Shape2", "Shape3", "Line12(0)", "Image6", "Image7", "Image8", "Image9", "Image10", "Image11",
        "Label11(0)", "Label11(3)", "Image13", "Image17", "Shape4", "Image5", "Label21", "Label30"};
    const std::vector<SurfaceItem *> &items = m_form->Form4Client->items();
    int previous = -1;
    for (const QString &name : order) {
        const auto it = std::find_if(items.begin(), items.end(), [&](const SurfaceItem *i) { return i->objectName() == name; });
        QVERIFY2(it != items.end(), qPrintable(name));
        const int index = int(it - items.begin());
        QVERIFY2(index > previous, qPrintable(name));
        previous = index;
    }
    QCOMPARE(previous, int(items.size()) - 1);
    QVERIFY(!m_form->Line16->Visible() && !m_form->Line17->Visible());
}

void Form4Test::hoverHelpShowsOverItsElement_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("help");
    QTest::newRow("air handler") << "Label21" << "Unidad central todo aire";
    QTest::newRow("wall") << "Label22" << "Representa el aislamiento térmico en muros y paredes.";
    QTest::newRow("occupants") << "Label23"
                               << "Ocupación del local por personas con una actividad determinada. Presentan carga "
                                  "sensible y latente";
    QTest::newRow("machines") << "Label24" << "Carga térmica debida a máquinas en el interior del local";
    QTest::newRow("clock") << "Label25"
                           << "La carga dependerá de las condiciones externas. radiación solar y temperatura y "
                              "humedad. varían con la fecha y hora de cálculo";
    QTest::newRow("lamp") << "Label26" << "La iluminación aporta calor al inetrior de los locales";
    QTest::newRow("supply duct") << "Label27"
                                 << "El aire de impulsión dse distribuye al interior de los locales contrarrestando "
                                    "la carga térmica, y proporciona la ventilación necesaria.";
    QTest::newRow("extract duct") << "Label28" << "El aire se extrae del local.";
    QTest::newRow("window") << "Label29" << "Crga debida a las superficies acristaladas.: Radiación solar y transmisión.";
    QTest::newRow("thermometer") << "Label30"
                                 << "Condiciones térmicas de confort en el interior de los locales a vorbelizar. "
                                    "Temperatura, humedad, ventilación...";
    QTest::newRow("letter E") << "Label11(1)" << "Aire del exterior para ventilación";
    QTest::newRow("letter R") << "Label11(2)"
                              << "Retorno de aire del interior del local. recircula en las condiciones internas del "
                                 "local.";
    QTest::newRow("letter I") << "Label11(3)" << "Aire de impulsión tratado";
}

void Form4Test::hoverHelpShowsOverItsElement()
{
    QFETCH(QString, name);
    QFETCH(QString, help);
    Surface &client = *m_form->Form4Client;
    const auto *item = client.findChild<SurfaceItem *>(name);
    QVERIFY(item);
    const std::optional<QPoint> free = freePoint(client, *item);
    QVERIFY2(free, "covered everywhere");
    QCOMPARE(toolTipAt(client, *free), help);
}

void Form4Test::chartReadoutReadsAtStandardPressure()
{
    // The barometer box plays no part in the chart's readings.
    stepDown(m_form->UpDown4);
    const QPointF at = twips::pointF(1695, 4020) + m_form->Picture2->innerOrigin();
    QMouseEvent move(QEvent::MouseMove, at, m_form->Picture2->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(m_form->Picture2, &move);
    QCOMPARE(m_form->Text13->text(), decimals("25.0 ºC"));
    QCOMPARE(m_form->Text22->text(), decimals("101.33 kPa"));
    QCOMPARE(QPointF(m_form->Line8->X1(), m_form->Line8->Y1()), QPointF(1695, 4020));
    QCOMPARE(m_form->Line9->color(), QColor(0x80, 0x80, 0xff));
    // The window's own Text24 is the supply flow, not a readout box.
    QCOMPARE(m_form->Text24->text(), decimals(kDesignTexts[2]));
}

void Form4Test::greekCaptionsInTheSymbolFont_data()
{
    QTest::addColumn<int>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("relative humidity") << 10 << "f=" << QStringLiteral("φ=");
    QTest::newRow("density") << 14 << "r=" << QStringLiteral("ρ=");
}

// The captions keep their design text in the Symbol font, and read as Greek.
void Form4Test::greekCaptionsInTheSymbolFont()
{
    QFETCH(int, caption);
    const SurfaceLabel *label = m_form->Label8[size_t(caption)];
    QCOMPARE(label->objectName(), QStringLiteral("Label8(%1)").arg(caption));
    QTEST(label->Caption(), "text");
    QVERIFY(isSymbolFont(label->font()));
    QCOMPARE(label->font().pixelSize(), m_form->Label8[7]->font().pixelSize());
    QTEST(symbolFontText(label->Caption()), "shown");
}

void Form4Test::rendersTheWindowAtOneAndTwoTimesScale()
{
    const QString folder = QStringLiteral(VORBELIA_TEST_OUTPUT_DIR);
    QVERIFY(QDir().mkpath(folder));
    const QRect design(QPoint(), twips::size(10860, 9030));
    for (const int scale : {1, 2}) {
        QImage image(design.size() * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::white);
        m_form->Form4Client->render(&image, QPoint(), QRegion(design));
        QVERIFY(image.save(folder + QStringLiteral("/form4_%1x.png").arg(scale)));
        // The sun's yellow, the roof's brown and the magenta outdoor point are there.
        const auto colourAt = [&](double x, double y) { return image.pixelColor(twips::point(x, y) * scale); };
        QCOMPARE(colourAt(400, 500), QColor(0xff, 0xff, 0x00));
        QCOMPARE(colourAt(1545, 2100), QColor(0xc0, 0x40, 0x00));
    }
}

QTEST_MAIN(Form4Test)
#include "tst_form4.moc"
