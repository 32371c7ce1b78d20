#include "form4.h"

#include "ithermometerx.h"
#include "number_format.h"
#include "surface.h"
#include "twips.h"
#include "updown.h"
#include "window_build.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(room::RoomInputs)

using winbuild::indexed;

namespace {

// The window's one object named `name`, as anyone scripting the window finds
// it; a name that two objects share would find either, so it counts as none.
template <typename T>
T *child(const QObject &window, const QString &name)
{
    const QList<QObject *> found = window.findChildren<QObject *>(name);
    T *object = found.size() == 1 ? qobject_cast<T *>(found.front()) : nullptr;
    if (!object)
        qFatal("%lld objects named %s, none of the class looked for", qlonglong(found.size()), qPrintable(name));
    return object;
}

QString decimals(const char *number)
{
    return QString::fromUtf8(number).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

// The design inputs' results as the boxes show them.
const char *const kDesignTexts[] = {"24.66 kW", "0.74 ", "5431.9 m3/h", "20.30 kW", "0.60 "};

// Everything a run of calculo writes: the five result texts, where the four
// letters E R I C stand, the ends of the path's lines Line4(5), (6), (7), (4)
// and which of those letters and lines show.
struct Snapshot
{
    QStringList texts;
    QList<QPointF> letters;
    QList<QLineF> lines;
    QList<bool> shown;   // letters E R I C, then lines 5 6 7 4
    bool operator==(const Snapshot &other) const
    {
        return texts == other.texts && letters == other.letters && lines == other.lines && shown == other.shown;
    }
};

constexpr int kPathLines[] = {5, 6, 7, 4};

Snapshot snapshot(const Form4 &form)
{
    Snapshot s;
    for (const char *box : {"Text25", "Text27", "Text24", "Text26", "Text23"})
        s.texts << child<QLineEdit>(form, box)->text();
    for (int i = 8; i <= 11; ++i) {
        const auto *letter = child<SurfaceLabel>(form, indexed("Label11", i));
        s.letters << QPointF(letter->Left(), letter->Top());
        s.shown << letter->Visible();
    }
    for (const int i : kPathLines) {
        const auto *line = child<SurfaceLine>(form, indexed("Line4", i));
        s.lines << QLineF(line->X1(), line->Y1(), line->X2(), line->Y2());
        s.shown << line->Visible();
    }
    return s;
}

// The letters and path lines that show, as "ERIC5674" shows them all.
QString shownMarks(const Snapshot &s)
{
    const QString names = QStringLiteral("ERIC5674");
    QString marks;
    for (int i = 0; i < s.shown.size(); ++i) {
        if (s.shown[i])
            marks += names[i];
    }
    return marks;
}

char *toString(const Snapshot &s)
{
    return QTest::toString(s.texts.join(QLatin1Char('|')) + QStringLiteral(" shown: ") + shownMarks(s));
}

void step(UpDown *control, bool up = true)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(control->width() / 2, up ? 2 : control->height() - 2));
}

// Replaces the text of an input box as a student would, by keys.
void type(QLineEdit *box, const QString &text)
{
    box->selectAll();
    text.isEmpty() ? QTest::keyClick(box, Qt::Key_Delete) : QTest::keyClicks(box, text);
}

// Runs calculo twice through a step control none of the tests types into,
// leaving its box (the room temperature) as it was.
void rerun(Form4 &form)
{
    auto *roomTemperature = child<UpDown>(form, "UpDown5");
    step(roomTemperature);
    step(roomTemperature, false);
}

// Outdoor 31 ºC and 70 %, 1000 m3/h, 1013 mbar; room 26 ºC and 60 %,
// 15000 W and 5300 W; bypass 25 %, dew point 15 ºC.
constexpr room::RoomInputs kDesignInputs{31, 0.70, 1000.0 / 3600, 101.3, 0.60, 26, 15, 15000, 5300, 0.25};

QString coilText(const room::RoomInputs &in)
{
    return formatNumber(room::calculo(in).Qcoil, QStringLiteral("0.00")) + QStringLiteral(" kW");
}

// The darkest pixel of a grab of the widget: its text's ink.
int darkestGray(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    }
    return darkest;
}

// Whether some pixel of the item is front-most and under no widget.
bool reachable(const Surface &surface, const SurfaceItem &item)
{
    const QRect box = twips::rect(item.Left(), item.Top(), item.Width(), item.Height()).adjusted(1, 1, -1, -1);
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QPointF tw = surface.toTwips(QPoint(x, y));
            if (!surface.childAt(x, y) && surface.itemAt(float(tw.x()), float(tw.y())) == &item)
                return true;
        }
    }
    return false;
}

} // namespace

class Form4Test : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void designResultsAndProcessPath();
    void firstSensibleLoadStepStartsFromTheStepControl_data();
    void firstSensibleLoadStepStartsFromTheStepControl();
    void pressureCountsFromTheNextOtherStep();
    void outdoorStepMovesTheThermometerBeforeTheResults();
    void pathWithoutSupplyOrMixHidesThoseMarks_data();
    void pathWithoutSupplyOrMixHidesThoseMarks();
    void outdoorAtRoomTemperatureStillMixes();
    void unreadableInputShowsNoResultsUntilReadable_data();
    void unreadableInputShowsNoResultsUntilReadable();
    void typedValuesBeyondTheArrowsAreComputed_data();
    void typedValuesBeyondTheArrowsAreComputed();
    void stepStartsFromATypedNumber();
    void disabledWinterOptionReadsGreyed();
    void blinkAlternatesLampAndCloud();
    void hoverHelpShowsOverItsElement_data();
    void hoverHelpShowsOverItsElement();

private:
    template <typename T>
    T *control(const QString &name) const
    {
        return child<T>(*m_form, name);
    }

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
    m_form.reset();
}

// The design inputs give the worked results, and the letters stand at the
// chart points E, R, I and C.
void Form4Test::designResultsAndProcessPath()
{
    QStringList expected;
    for (const char *text : kDesignTexts)
        expected << decimals(text);
    QCOMPARE(snapshot(*m_form).texts, expected);
    QCOMPARE(shownMarks(snapshot(*m_form)), QStringLiteral("ERIC5674"));

    const struct
    {
        int letter;
        QPointF point, offset;
        std::vector<std::pair<int, bool>> ends;   // Line4(index); true: (X1, Y1), false: (X2, Y2)
    } markers[] = {{8, {2073, 2595.3}, {0, -320}, {{5, true}, {6, true}}},
                   {9, {1758, 3640.8}, {50, 100}, {{6, false}, {7, true}}},
                   {10, {1314.1, 3768.7}, {-100, 50}, {{7, false}, {4, true}}},
                   {11, {1812.3, 3460.5}, {50, -50}, {{4, false}}}};
    for (const auto &m : markers) {
        const auto *label = control<SurfaceLabel>(indexed("Label11", m.letter));
        QCOMPARE(label->surface(), control<Surface>("Picture2"));
        const QPointF miss = QPointF(label->Left(), label->Top()) - m.point - m.offset;
        QVERIFY2(qAbs(miss.x()) <= 0.05 && qAbs(miss.y()) <= 0.05, qPrintable(label->Caption()));
        // The process lines end at the letter's point, offset in single precision.
        for (const auto &[index, first] : m.ends) {
            const auto *line = control<SurfaceLine>(indexed("Line4", index));
            QCOMPARE(float((first ? line->X1() : line->X2()) + m.offset.x()), label->Left());
            QCOMPARE(float((first ? line->Y1() : line->Y2()) + m.offset.y()), label->Top());
        }
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

// UpDown7 starts at 14300 while its box shows 15000: the first step counts
// from 14300, by 1000.
void Form4Test::firstSensibleLoadStepStartsFromTheStepControl()
{
    QFETCH(bool, up);
    QFETCH(QString, total);
    step(control<UpDown>("UpDown7"), up);
    QTEST(control<QLineEdit>("Text10")->text(), "load");
    QCOMPARE(control<QLineEdit>("Text26")->text(), decimals(qPrintable(total)));
}

void Form4Test::pressureCountsFromTheNextOtherStep()
{
    const Snapshot before = snapshot(*m_form);
    step(control<UpDown>("UpDown4"));
    QCOMPARE(control<QLineEdit>("Text3(3)")->text(), QStringLiteral("1014"));
    QCOMPARE(snapshot(*m_form), before);

    auto *outdoorHumidity = control<UpDown>("UpDown1");
    step(outdoorHumidity);
    step(outdoorHumidity, false);
    room::RoomInputs in = kDesignInputs;
    in.p = 101.4;
    QCOMPARE(control<QLineEdit>("Text25")->text(), coilText(in));
    const auto e = room::chartPosition(*room::calculo(in).E);
    const float letterTop = control<SurfaceLabel>("Label11(8)")->Top();
    QCOMPARE(letterTop, float(e->y) - 320.0f);
    QVERIFY(letterTop != before.letters[0].y());
}

void Form4Test::outdoorStepMovesTheThermometerBeforeTheResults()
{
    const auto *thermometer = control<iThermometerX>("iThermometerX1");
    auto *outdoor = control<UpDown>("UpDown2");
    QList<double> seen;
    connect(control<QLineEdit>("Text25"), &QLineEdit::textChanged, this, [&] { seen << thermometer->position(); });
    QCOMPARE(thermometer->position(), 31.0);
    step(outdoor);
    QCOMPARE(control<QLineEdit>("Text1(4)")->text(), QStringLiteral("32"));
    step(outdoor, false);
    QCOMPARE(seen, QList<double>({32.0, 31.0}));
    QCOMPARE(control<QLineEdit>("Text25")->text(), decimals(kDesignTexts[0]));
}

void Form4Test::pathWithoutSupplyOrMixHidesThoseMarks_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("results");
    const QStringList noFlow{noReading(), decimals("0.74 "), noReading(), decimals("20.30 kW"), noReading()};
    // No sensible load: no supply air, so no mix and no coil outlet.
    QTest::newRow("no sensible load") << "Text10" << "0"
                                      << QStringList{noReading(), decimals("0.00 "), decimals("0.0 m3/h"),
                                                     decimals("5.30 kW"), noReading()};
    QTest::newRow("dew point at the room temperature") << "Text12" << "26" << noFlow;
    QTest::newRow("whole bypass") << "Text9" << "100" << noFlow;
}

// A run that gives the supply and mixed states no value takes I and C, and
// the lines that end there, off the chart: E and R move, and no part of the
// path stays where an earlier run put it. The next run that places them puts
// the whole path back.
void Form4Test::pathWithoutSupplyOrMixHidesThoseMarks()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    const Snapshot design = snapshot(*m_form);
    QLineEdit *edit = control<QLineEdit>(box);
    const QString designText = edit->text();

    control<UpDown>("UpDown2")->setValue(35);   // E moves, so the run is a new one
    type(edit, text);
    rerun(*m_form);
    const Snapshot shown = snapshot(*m_form);
    QTEST(shown.texts, "results");
    QCOMPARE(shownMarks(shown), QStringLiteral("ER56"));
    room::RoomInputs in = kDesignInputs;
    in.T1 = 35;
    const auto e = room::chartPosition(*room::calculo(in).E);
    QCOMPARE(shown.lines[0], QLineF(e->x, e->y, e->x, e->y));
    QCOMPARE(shown.lines[1].p1(), QPointF(e->x, e->y));

    control<UpDown>("UpDown2")->setValue(31);
    type(edit, designText);
    rerun(*m_form);
    QCOMPARE(snapshot(*m_form), design);
}

// Outdoor air at the room's temperature still mixes, straight above the room point.
void Form4Test::outdoorAtRoomTemperatureStillMixes()
{
    control<UpDown>("UpDown2")->setValue(26);
    room::RoomInputs in = kDesignInputs;
    in.T1 = 26;
    QCOMPARE(control<QLineEdit>("Text25")->text(), coilText(in));
    QVERIFY(control<QLineEdit>("Text23")->text() != noReading());
    QCOMPARE(control<SurfaceLine>("Line4(4)")->X2(), control<SurfaceLine>("Line4(6)")->X2());
}

void Form4Test::unreadableInputShowsNoResultsUntilReadable_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "Text6" << "mil";
    QTest::newRow("empty") << "Text1(4)" << "";
    QTest::newRow("group separator") << "Text10" << "15 000";
    // The other locale's decimal separator reads as a group separator here.
    QTest::newRow("foreign decimal") << "Text12" << (QLocale().decimalPoint() == "," ? "15.5" : "15,5");
    // Numbers that the quantity cannot physically be.
    QTest::newRow("outdoor above the saturation range") << "Text1(4)" << "81";
    QTest::newRow("dew point below the saturation range") << "Text12" << "-61";
    QTest::newRow("outdoor humidity above saturation") << "Text4(3)" << "101";
    QTest::newRow("negative room humidity") << "Text8" << "-1";
    QTest::newRow("negative ventilation") << "Text6" << "-50";
    QTest::newRow("bypass above the whole") << "Text9" << "101";
    QTest::newRow("negative bypass") << "Text9" << "-1";
    QTest::newRow("bypass in exponent form") << "Text9" << "1e15";
    QTest::newRow("load beyond a megawatt") << "Text11" << "2e6";
}

// While an input cannot be read as what its quantity can be, no result stands
// beside it: the result boxes show no reading and the path leaves the chart.
// Once the box reads again, the run restores every result and marker.
void Form4Test::unreadableInputShowsNoResultsUntilReadable()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    const Snapshot design = snapshot(*m_form);
    QLineEdit *edit = control<QLineEdit>(box);
    const QString designText = edit->text();

    type(edit, text);
    rerun(*m_form);
    const Snapshot shown = snapshot(*m_form);
    QCOMPARE(shown.texts, QStringList(5, noReading()));
    QCOMPARE(shownMarks(shown), QString());

    type(edit, designText);
    rerun(*m_form);
    QCOMPARE(snapshot(*m_form), design);
}

void Form4Test::typedValuesBeyondTheArrowsAreComputed_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<room::RoomInputs>("inputs");
    const auto row = [](const char *name, const char *box, const char *text, double room::RoomInputs::*quantity,
                        double value) {
        room::RoomInputs in = kDesignInputs;
        in.*quantity = value;
        QTest::newRow(name) << QString::fromLatin1(box) << decimals(text) << in;
    };
    row("outdoor at the top of the range", "Text1(4)", "80", &room::RoomInputs::T1, 80);
    row("saturated outdoor air", "Text4(3)", "100", &room::RoomInputs::phi1, 1.0);
    row("ventilation beyond the arrows", "Text6", "30000", &room::RoomInputs::Vo, 30000.0 / 3600);
    row("bypass beyond the arrows", "Text9", "60.5", &room::RoomInputs::BF, 0.605);
    row("frosty dew point", "Text12", "-5", &room::RoomInputs::Tadp, -5);
}

// A number the arrows cannot reach but the physics covers is computed.
void Form4Test::typedValuesBeyondTheArrowsAreComputed()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(room::RoomInputs, inputs);
    type(control<QLineEdit>(box), text);
    rerun(*m_form);
    const QString coil = control<QLineEdit>("Text25")->text();
    QCOMPARE(coil, coilText(inputs));
    QVERIFY(coil != noReading());
    QCOMPARE(shownMarks(snapshot(*m_form)), QStringLiteral("ERIC5674"));
}

// After the student types a number, the next arrow steps from it, and the
// thermometer shows the outdoor air the run used; a typed number outside the
// arrows' range leaves the arrows to step from their own value.
void Form4Test::stepStartsFromATypedNumber()
{
    auto *roomBox = control<QLineEdit>("Text7");
    auto *roomStep = control<UpDown>("UpDown5");
    type(roomBox, QStringLiteral("22"));
    step(roomStep);
    QCOMPARE(roomBox->text(), QStringLiteral("23"));
    QCOMPARE(roomStep->Value(), 23);

    auto *outdoorBox = control<QLineEdit>("Text1(4)");
    auto *outdoorStep = control<UpDown>("UpDown2");
    const auto *thermometer = control<iThermometerX>("iThermometerX1");
    type(outdoorBox, decimals("35.5"));
    rerun(*m_form);
    QCOMPARE(thermometer->position(), 35.5);
    step(outdoorStep, false);
    QCOMPARE(outdoorBox->text(), QStringLiteral("35"));
    QCOMPARE(thermometer->position(), 35.0);

    type(outdoorBox, QStringLiteral("45"));
    step(outdoorStep);
    QCOMPARE(outdoorBox->text(), QStringLiteral("36"));
}

// "Invierno" cannot be chosen, and looks it: its text is drawn in the
// disabled colour, lighter than the black of "Verano".
void Form4Test::disabledWinterOptionReadsGreyed()
{
    auto *summerOption = control<QRadioButton>("Option1");
    auto *winterOption = control<QRadioButton>("Option2");
    QVERIFY(summerOption->isEnabled() && !winterOption->isEnabled());
    const QPalette palette = winterOption->palette();
    QVERIFY(palette.color(QPalette::Disabled, QPalette::WindowText) !=
            palette.color(QPalette::Active, QPalette::WindowText));
    const int winter = darkestGray(winterOption);
    const int summer = darkestGray(summerOption);
    QVERIFY2(winter > summer + 60, qPrintable(QStringLiteral("%1 against %2").arg(winter).arg(summer)));
}

void Form4Test::blinkAlternatesLampAndCloud()
{
    const auto *timer = control<QTimer>("Timer1");
    QVERIFY(timer->isActive() && timer->interval() == 1000);
    // At the start both lamp pictures (Image6 lit, Image5 dark) and the cloud
    // show; then lit lamp and cloud show on even ticks, the dark lamp on odd
    // ones. Ticks are driven by hand, by the handler's name: the timer cannot
    // fire in between.
    for (int tick = 0; tick <= 4; ++tick) {
        const bool lampOn = tick % 2 == 0;
        QCOMPARE(QList<bool>({control<SurfaceImage>("Image6")->Visible(), control<SurfaceImage>("Image5")->Visible(),
                              control<SurfaceImage>("Image17")->Visible()}),
                 QList<bool>({lampOn, tick == 0 || !lampOn, lampOn}));
        QVERIFY(QMetaObject::invokeMethod(m_form.get(), "Timer1_Timer"));
    }
}

void Form4Test::hoverHelpShowsOverItsElement_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("help");
    const char *const rows[][2] = {
        {"Label21", "Unidad central todo aire"},
        {"Label22", "Representa el aislamiento térmico en muros y paredes."},
        {"Label23", "Ocupación del local por personas con una actividad determinada. Presentan carga sensible y latente"},
        {"Label24", "Carga térmica debida a máquinas en el interior del local"},
        {"Label25", "La carga dependerá de las condiciones externas. radiación solar y temperatura y humedad. varían "
                    "con la fecha y hora de cálculo"},
        {"Label26", "La iluminación aporta calor al inetrior de los locales"},
        {"Label27", "El aire de impulsión dse distribuye al interior de los locales contrarrestando la carga térmica, "
                    "y proporciona la ventilación necesaria."},
        {"Label28", "El aire se extrae del local."},
        {"Label29", "Crga debida a las superficies acristaladas.: Radiación solar y transmisión."},
        {"Label30", "Condiciones térmicas de confort en el interior de los locales a vorbelizar. Temperatura, "
                    "humedad, ventilación..."},
        {"Label11(1)", "Aire del exterior para ventilación"},
        {"Label11(2)", "Retorno de aire del interior del local. recircula en las condiciones internas del local."},
        {"Label11(3)", "Aire de impulsión tratado"},
    };
    for (const auto &[name, help] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(help);
}

// Each help text is on its element, and some part of the element is in
// front and under no widget, so the pointer can reach it.
void Form4Test::hoverHelpShowsOverItsElement()
{
    QFETCH(QString, name);
    const auto *surface = control<Surface>("Form4Client");
    const auto *item = child<SurfaceItem>(*surface, name);
    QTEST(item->toolTip(), "help");
    QVERIFY2(reachable(*surface, *item), "covered everywhere");
}

QTEST_MAIN(Form4Test)
#include "tst_form4.moc"
