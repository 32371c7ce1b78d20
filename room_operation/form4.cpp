#include "form4.h"

#include "form4_ui.h"
#include "input_limits.h"
#include "ithermometerx.h"
#include "number_format.h"
#include "surface.h"
#include "surface_items.h"
#include "twips.h"
#include "updown.h"
#include "window_build.h"
#include "shared_icon.h"

#include <QIcon>
#include <QLineEdit>
#include <QTimer>

using namespace winbuild;

namespace {

// Client area of the window in its design, twips.
constexpr double kClientWidth = 10860;
constexpr double kClientHeight = 9030;

} // namespace

Form4::Form4(QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Form4Ui>())
{
    ui->setupUi(*this);
    connectHandlers();
    Form_Load();
}

Form4::~Form4() = default;

void Form4Ui::setupUi(QMainWindow &window)
{
    buildFrame(window);
    buildTimers(window);
    buildDrawing(window);
    buildFrames(window);
    buildOutdoorExtras();
    buildInputs();
    buildResults();
    buildChartBox(window);
}

void Form4Ui::buildFrame(QMainWindow &window)
{
    window.setObjectName(QStringLiteral("Form4"));
    window.setWindowTitle(QStringLiteral("  MANIOBRA DEL TRAMBLOR  y del LOCAL"));
    window.setWindowIcon(sharedIcon(QStringLiteral(":/icons/app.svg")));
    window.setFont(windowFont());
    Form4Client = new Surface(&window);
    Form4Client->setObjectName(QStringLiteral("Form4Client"));
    Form4Client->setMinimumSize(twips::size(kClientWidth, kClientHeight));
    window.setCentralWidget(Form4Client);
    // Shown by the caller; it opens maximised.
    window.setWindowState(Qt::WindowMaximized);
}

void Form4Ui::buildTimers(QWidget &window)
{
    Timer1 = new QTimer(&window);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->start();
}

void Form4::connectHandlers()
{
    connect(ui->Timer1, &QTimer::timeout, this, &Form4::Timer1_Timer);
    connect(ui->UpDown2, &UpDown::Change, this, &Form4::UpDown2_Change);
    // The pressure's step control (UpDown4) has no handler: a new pressure
    // counts from the next run started by another step control.
    for (UpDown *control :
         {ui->UpDown1, ui->UpDown3, ui->UpDown5, ui->UpDown6, ui->UpDown7, ui->UpDown8, ui->UpDown9, ui->UpDown10})
        connect(control, &UpDown::Change, this, &Form4::calculo);
}

void Form4::Form_Load()
{
    calculo();
}

void Form4::UpDown2_Change()
{
    ui->iThermometerX1->setPosition(double(ui->UpDown2->Value()));
    calculo();
}

void Form4::Timer1_Timer()
{
    const bool lampWasOn = ui->Image6->Visible();
    ui->Image6->setVisible(!lampWasOn);
    ui->Image5->setVisible(lampWasOn);
    ui->Image17->setVisible(!lampWasOn);
}

// --------------------------------------------------------------- calculation

void Form4::calculo()
{
    // A run that cannot read its inputs has no results: every box shows no
    // reading and every marker leaves the chart, rather than keep figures of
    // other inputs beside the ones the boxes now show.
    const std::optional<room::RoomInputs> inputs = readInputs();
    const room::RoomResults results = inputs ? room::calculo(*inputs) : room::RoomResults{};
    // The outdoor thermometer shows the outdoor air the run used, also when
    // it was typed rather than stepped.
    if (inputs)
        ui->iThermometerX1->setPosition(inputs->T1);
    showResults(results);
    placeMarkers(results);
}

std::optional<room::RoomInputs> Form4::readInputs() const
{
    using room::RoomInputs;
    namespace band = input_band;
    // Each quantity from its box, in the box's unit divided down to the
    // calculation's (per cent to a fraction, m3/h to m3/s, mbar to kPa). A
    // number outside what the quantity can physically be, in the box's unit,
    // is no reading either.
    const struct
    {
        double RoomInputs::*quantity;
        const QLineEdit *box;
        InputBand band;
        double divisor;
    } fields[] = {
        {&RoomInputs::T1, ui->Text1[4], band::kTemperature, 1},
        {&RoomInputs::phi1, ui->Text4[3], band::kRelativeHumidity, 100},
        {&RoomInputs::Vo, ui->Text6, band::kVentilationFlow, 3600},
        {&RoomInputs::p, ui->Text3[3], band::kBarometricPressure, 10},
        {&RoomInputs::phi2, ui->Text8, band::kRelativeHumidity, 100},
        {&RoomInputs::T2, ui->Text7, band::kTemperature, 1},
        {&RoomInputs::Tadp, ui->Text12, band::kTemperature, 1},
        {&RoomInputs::Qs, ui->Text10, band::kRoomLoad, 1},
        {&RoomInputs::Ql, ui->Text11, band::kRoomLoad, 1},
        {&RoomInputs::BF, ui->Text9, band::kBypassFactor, 100},
    };
    RoomInputs inputs;
    for (const auto &field : fields) {
        const std::optional<double> value = parseNumber(field.box->text());
        if (!value || !field.band.contains(*value))
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
        {ui->Text25, results.Qcoil, "0.00", " kW"},
        {ui->Text27, results.roomSensibleHeatFactor, "0.00", " "},
        {ui->Text24, results.Vh, "0.0", " m3/h"},
        {ui->Text26, results.totalLoad, "0.00", " kW"},
        {ui->Text23, results.coilSensibleHeatFactor, "0.00", " "},
    };
    for (const auto &display : displays) {
        display.box->setText(formatNumberWithUnit(display.value, QLatin1String(display.pattern),
                                                  QLatin1String(display.unit)));
        // The number, not the unit, shows where a box is too narrow for both.
        display.box->setCursorPosition(0);
    }
}

// The path E -> R -> I -> C on the chart: each point moves its letter, by the
// letter's offset in twips, and the ends of the lines that meet there. A point
// without a position (its state has no value) hides its letter and every line
// that ends there, so that no part of the path stays where a run of other
// inputs put it; the next run that places the point shows them again.
void Form4::placeMarkers(const room::RoomResults &results)
{
    enum Point { E, R, I, C };
    std::optional<room::ChartPosition> at[4];
    const struct
    {
        const std::optional<room::AirState> &state;
        SurfaceLabel *letter;
        float dx, dy;
    } points[] = {
        {results.E, ui->Label11[8], 0, -320},
        {results.R, ui->Label11[9], 50, 100},
        {results.I, ui->Label11[10], -100, 50},
        {results.C, ui->Label11[11], 50, -50},
    };
    for (int p = E; p <= C; ++p) {
        at[p] = points[p].state ? room::chartPosition(*points[p].state) : std::nullopt;
        SurfaceLabel *letter = points[p].letter;
        if (at[p]) {
            letter->setLeft(at[p]->x + points[p].dx);
            letter->setTop(at[p]->y + points[p].dy);
        }
        letter->setVisible(at[p].has_value());
    }

    const struct
    {
        SurfaceLine *line;
        Point from, to;
    } path[] = {{ui->Line4[5], E, E}, {ui->Line4[6], E, R}, {ui->Line4[7], R, I}, {ui->Line4[4], I, C}};
    for (const auto &segment : path) {
        if (const auto &from = at[segment.from]) {
            segment.line->setX1(from->x);
            segment.line->setY1(from->y);
        }
        if (const auto &to = at[segment.to]) {
            segment.line->setX2(to->x);
            segment.line->setY2(to->y);
        }
        segment.line->setVisible(at[segment.from] && at[segment.to]);
    }
}
