#include "form4.h"

#include "ithermometerx.h"
#include "number_format.h"
#include "surface.h"
#include "surface_items.h"
#include "twips.h"
#include "updown.h"
#include "window_build.h"

#include <QIcon>
#include <QLineEdit>
#include <QTimer>

#include <initializer_list>

using namespace winbuild;

namespace {

// Client area of the window in its design, twips.
constexpr double kClientWidth = 10860;
constexpr double kClientHeight = 9030;

// One end of a process line on the chart.
struct LineEnd
{
    SurfaceLine *line;
    bool first;   // (X1, Y1) rather than (X2, Y2)
};

void moveEnd(const LineEnd &end, const room::ChartPosition &at)
{
    if (end.first) {
        end.line->setX1(at.x);
        end.line->setY1(at.y);
    } else {
        end.line->setX2(at.x);
        end.line->setY2(at.y);
    }
}

// A state without a position leaves its letter and line ends where they were.
void placePoint(const std::optional<room::AirState> &state, SurfaceLabel *letter, float dx, float dy,
                std::initializer_list<LineEnd> ends)
{
    const std::optional<room::ChartPosition> at = state ? room::chartPosition(*state) : std::nullopt;
    if (!at)
        return;
    for (const LineEnd &end : ends)
        moveEnd(end, *at);
    letter->setLeft(at->x + dx);
    letter->setTop(at->y + dy);
}

} // namespace

Form4::Form4(QWidget *parent)
    : QMainWindow(parent)
{
    buildFrame();
    buildTimers();
    buildDrawing();
    buildFrames();
    buildOutdoorExtras();
    buildInputs();
    buildResults();
    buildChartBox();
    connectHandlers();
    Form_Load();
}

void Form4::buildFrame()
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("  MANIOBRA DEL TRAMBLOR  y del LOCAL"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    setFont(windowFont());
    Form4Client = new Surface(this);
    Form4Client->setObjectName(QStringLiteral("Form4Client"));
    Form4Client->setMinimumSize(twips::size(kClientWidth, kClientHeight));
    setCentralWidget(Form4Client);
    // Shown by the caller; it opens maximised.
    setWindowState(Qt::WindowMaximized);
}

void Form4::buildTimers()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->start();
}

void Form4::connectHandlers()
{
    connect(Timer1, &QTimer::timeout, this, &Form4::Timer1_Timer);
    connect(UpDown2, &UpDown::Change, this, &Form4::UpDown2_Change);
    // The pressure's step control (UpDown4) has no handler: a new pressure
    // counts from the next run started by another step control.
    for (UpDown *control : {UpDown1, UpDown3, UpDown5, UpDown6, UpDown7, UpDown8, UpDown9, UpDown10})
        connect(control, &UpDown::Change, this, &Form4::calculo);
}

void Form4::Form_Load()
{
    calculo();
}

void Form4::UpDown2_Change()
{
    iThermometerX1->setPosition(double(UpDown2->Value()));
    calculo();
}

void Form4::Timer1_Timer()
{
    const bool lampWasOn = Image6->Visible();
    Image6->setVisible(!lampWasOn);
    Image5->setVisible(lampWasOn);
    Image17->setVisible(!lampWasOn);
}

// --------------------------------------------------------------- calculation

void Form4::calculo()
{
    const std::optional<room::RoomInputs> inputs = readInputs();
    if (!inputs)
        return;
    const room::RoomResults results = room::calculo(*inputs);
    showResults(results);
    placeMarkers(results);
}

std::optional<room::RoomInputs> Form4::readInputs() const
{
    using room::RoomInputs;
    // Each quantity from its box, in the box's unit divided down to the
    // calculation's (per cent to a fraction, m3/h to m3/s, mbar to kPa).
    const struct
    {
        double RoomInputs::*quantity;
        const QLineEdit *box;
        double divisor;
    } fields[] = {
        {&RoomInputs::T1, Text1[4], 1},    {&RoomInputs::phi1, Text4[3], 100},
        {&RoomInputs::Vo, Text6, 3600},    {&RoomInputs::p, Text3[3], 10},
        {&RoomInputs::phi2, Text8, 100},   {&RoomInputs::T2, Text7, 1},
        {&RoomInputs::Tadp, Text12, 1},    {&RoomInputs::Qs, Text10, 1},
        {&RoomInputs::Ql, Text11, 1},      {&RoomInputs::BF, Text9, 100},
    };
    RoomInputs inputs;
    for (const auto &field : fields) {
        const std::optional<double> value = parseNumber(field.box->text());
        if (!value)
            return std::nullopt;
        inputs.*field.quantity = *value / field.divisor;
    }
    return inputs;
}

void Form4::showResults(const room::RoomResults &results)
{
    const struct
    {
        QLineEdit *box;
        std::optional<double> value;
        const char *pattern;
        const char *unit;
    } displays[] = {
        {Text25, results.Qcoil, "0.00", " kW"},
        {Text27, results.roomSensibleHeatFactor, "0.00", " "},
        {Text24, results.Vh, "0.0", " m3/h"},
        {Text26, results.totalLoad, "0.00", " kW"},
        {Text23, results.coilSensibleHeatFactor, "0.00", " "},
    };
    for (const auto &display : displays) {
        display.box->setText(formatNumberWithUnit(display.value, QLatin1String(display.pattern),
                                                  QLatin1String(display.unit)));
        // The number, not the unit, shows where a box is too narrow for both.
        display.box->setCursorPosition(0);
    }
}

// The path E -> R -> I -> C on the chart: each point moves its letter, by the
// letter's offset in twips, and the ends of the lines that meet there.
void Form4::placeMarkers(const room::RoomResults &results)
{
    placePoint(results.E, Label11[8], 0, -320, {{Line4[5], true}, {Line4[5], false}, {Line4[6], true}});
    placePoint(results.R, Label11[9], 50, 100, {{Line4[6], false}, {Line4[7], true}});
    placePoint(results.I, Label11[10], -100, 50, {{Line4[7], false}, {Line4[4], true}});
    placePoint(results.C, Label11[11], 50, -50, {{Line4[4], false}});
}
