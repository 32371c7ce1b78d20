#pragma once

#include "unit_model.h"
#include "unit_scheme.h"

#include <QMainWindow>

#include <array>
#include <optional>
#include <vector>

class QAction;
class QFrame;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTimer;
class SSTab;
class Surface;
class SurfaceImage;
class SurfaceLabel;
class SurfaceLine;
class SurfaceShape;
class UpDown;
class iKnobX;
class iSwitchRockerX;
class iSwitchRotaryX;
class iThermometerX;

// The main window: the laboratory air-conditioning trainer. On the left the
// unit scheme (Picture4) with its instruments, below it the control panel
// (Frame3) and the warning line (Text23), on the right the tab panel (SSTab1)
// with the outdoor data, the reading texts, the refrigeration cycle and the
// psychrometric chart.
//
// Controls are public members named as the window names them; a control
// array is a std::array indexed like the window's array, with null where the
// window has no element. Every control's objectName is its name ("Text7(26)"
// for an array element), so the window can also be driven by name.
class Form1 : public QMainWindow, public UnitSchemeControls
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    // The window's load: turns the design state into the start state (the
    // unit off, no result shown). Runs once, from the constructor.
    void Form_Load();

    // --- Calculation ---------------------------------------------------------
    // Recomputes the whole unit from the window's controls and rewrites every
    // display it owns, the outdoor air it computed with included. Runs only
    // while the unit is on (the handlers check).
    void funci();

    // --- Handlers: main switch, animation, selectors, knob, step controls -----
    void interruptor_Change();
    void Timer2_Timer();
    void Timer3_Timer();
    void vapor1_Change();
    void prec_Change();
    void rec_Change();
    void iKnobX1_Change();
    void UpDown1_Change();
    void UpDown2_Change();
    void UpDown3_Change();
    void UpDown4_Change();
    void UpDown5_Change();
    void UpDown6_Change();

    // --- Menu commands ---------------------------------------------------------
    // The items that open other windows (enf, proc, unid, ay, acc) are wired by
    // the application, which owns those windows.
    void imprimir_Click();
    void ce_Click();
    void com_Click();
    void mficha_Click();

    // --- Chart readout (Picture1) ----------------------------------------------
    void Picture1_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);
    void Picture1_Click();

signals:
    // Raised at the end of every calculation run (for observers: tests,
    // benchmarks), the passes of a ramp that write nothing included.
    void unitRecalculated();

public:
    // --- Window fields -----------------------------------------------------
    // Element powers in kW. Each stays unset (nullopt) until the main switch
    // or its selector first sets it; every calculation reads an unset power
    // as 0, through the accessors below.
    std::optional<double> SteamPower;
    std::optional<double> PreheatPower;
    std::optional<double> ReheatPower;
    double steamPower() const { return SteamPower.value_or(0.0); }
    double preheatPower() const { return PreheatPower.value_or(0.0); }
    double reheatPower() const { return ReheatPower.value_or(0.0); }

    // Pointer position of the latest chart readout, twips inside Picture1.
    qint16 ChartX = 0;
    qint16 ChartY = 0;

    // Set while the chart path and the refrigeration cycle are taken off the
    // pictures because the last calculation could not compute with its inputs
    // or could not place every point of the path; the next calculation that
    // places them puts them back while the unit runs.
    bool resultsWithdrawn = false;

    // --- Menus ---------------------------------------------------------------
    QMenu *Ar = nullptr;
    QMenu *ver = nullptr;
    QMenu *aa = nullptr;
    QAction *imprimir = nullptr;
    QAction *re = nullptr;
    QAction *ce = nullptr;
    QAction *mficha = nullptr;
    QAction *enf = nullptr;
    QAction *proc = nullptr;
    QAction *unid = nullptr;
    QAction *ay = nullptr;
    QAction *com = nullptr;
    QAction *acc = nullptr;

    // --- Regions -------------------------------------------------------------
    QLineEdit *Text23 = nullptr;   // warning line
    QFrame *Frame3 = nullptr;      // control panel
    SSTab *SSTab1 = nullptr;       // tab panel
    Surface *Picture4 = nullptr;   // unit scheme

    QTimer *Timer2 = nullptr;      // condenser fan animation, 100 ms
    QTimer *Timer3 = nullptr;      // compressor mark blinking, 50 ms

    // --- Control panel (Frame3) ----------------------------------------------
    Surface *Frame3Client = nullptr;          // the frame's drawing surface
    iKnobX *iKnobX1 = nullptr;                // fan speed
    iSwitchRockerX *interruptor = nullptr;    // main switch
    iSwitchRotaryX *vapor1 = nullptr;         // steam generator
    iSwitchRotaryX *prec = nullptr;           // preheater
    iSwitchRotaryX *rec = nullptr;            // reheater
    // Captions: 0..3, 5, 6, 17, 18 on the panel; 4 and 7..16 on the chart.
    std::array<SurfaceLabel *, 19> Label8{};
    SurfaceLabel *R = nullptr;
    SurfaceShape *Shape1 = nullptr;
    SurfaceShape *Shape2 = nullptr;
    std::array<SurfaceShape *, 2> Shape3{};

    // --- Tab "Datos" ---------------------------------------------------------
    QGroupBox *Frame1 = nullptr;              // "Condiciones Ambientales"
    Surface *Frame1Client = nullptr;
    SurfaceImage *Image5 = nullptr;           // barometer
    SurfaceLine *Line2 = nullptr;             // barometer column
    iThermometerX *iThermometerX1 = nullptr;  // outdoor dry bulb
    iThermometerX *iThermometerX2 = nullptr;  // outdoor wet bulb
    SurfaceShape *Shape7 = nullptr;           // wick
    SurfaceLabel *Label3 = nullptr;
    SurfaceLabel *Label4 = nullptr;
    SurfaceLabel *Label13 = nullptr;
    SurfaceLabel *Label5 = nullptr;           // note under the frame
    std::array<SurfaceLabel *, 1> Label9{};
    std::array<SurfaceLabel *, 4> Label10{};  // 3 used
    QLineEdit *Text3 = nullptr;               // barometric pressure, mbar
    QLineEdit *Text4 = nullptr;               // outdoor dry bulb, ºC
    QLineEdit *Text1 = nullptr;               // outdoor wet bulb, ºC
    QLineEdit *Text8 = nullptr;               // evaporator superheat, ºC
    UpDown *UpDown1 = nullptr;
    UpDown *UpDown2 = nullptr;
    UpDown *UpDown3 = nullptr;
    UpDown *UpDown4 = nullptr;

    // --- Reading texts ("Prácticas", "Teoría", "Equipo") -----------------------
    std::array<QPlainTextEdit *, 6> Text2{};  // 1..5 used
    SSTab *SSTab2 = nullptr;                  // inner tab panel on "Teoría"

    // --- Tab "Ciclo frigorifico" ---------------------------------------------
    Surface *Picture2 = nullptr;              // pressure-enthalpy diagram
    SurfaceLabel *Label12 = nullptr;
    std::array<SurfaceLine *, 4> Line1{};     // cycle lines
    std::array<SurfaceLabel *, 4> Label2{};   // cycle point numbers
    std::array<QLineEdit *, 33> Text7{};      // cycle table cells
    std::array<SurfaceLabel *, 52> l9{};      // cycle table captions

    // --- Tab "Carta psicrom." ------------------------------------------------
    Surface *Picture1 = nullptr;              // psychrometric chart
    QLineEdit *Text13 = nullptr;
    QLineEdit *Text14 = nullptr;
    QLineEdit *Text15 = nullptr;
    QLineEdit *Text16 = nullptr;
    QLineEdit *Text17 = nullptr;
    QLineEdit *Text18 = nullptr;
    QLineEdit *Text19 = nullptr;
    QLineEdit *Text20 = nullptr;
    QLineEdit *Text21 = nullptr;
    QLineEdit *Text22 = nullptr;
    QLineEdit *Text24 = nullptr;
    SurfaceLabel *Label14 = nullptr;
    SurfaceLabel *Label15 = nullptr;
    SurfaceLine *Line8 = nullptr;             // cross-hair, horizontal
    SurfaceLine *Line9 = nullptr;             // cross-hair, vertical
    SurfaceShape *Shape10 = nullptr;
    std::array<SurfaceLine *, 8> Line4{};     // 4..7: the air's path

private:
    void buildFrame();
    void buildMenus();
    void buildRegions(QWidget *client);
    void buildTimers();
    void buildControlPanel();
    void buildTabs();
    void buildDataTab(Surface *page);
    void buildReadingTabs();
    void buildCycleTab(Surface *page);
    void buildCycleTable(Surface *page);
    void buildChartTab(Surface *page);
    void buildChartReadout();
    void buildChartMarkers();
    // Connects the handlers of the controls, after every design value is set.
    void connectHandlers();
    void connectPanelHandlers();   // switch, timers, selectors, knob, step controls
    void connectMenuHandlers();
    void connectChartHandlers();

    // The outdoor dry bulb on the "Datos" tab's thermometer iThermometerX1,
    // the scheme's ter(3) and read-out itext1(0); the wet bulb likewise on
    // iThermometerX2, ter(4) and itext1(1).
    void showOutdoorDryBulb(double t);
    void showOutdoorWetBulb(double t);

    // Moves an element power through a selector's ramp (see the handlers).
    void rampPower(std::optional<double> &power, double UnitInputs::*quantity, double target,
                   double fallingStep);
    // The calculations of a ramp while the unit runs: one per pass, the
    // power field holding the pass's value, then `power` at `target`. Only
    // the last calculation writes the displays; see form1_funci.cpp.
    void recalculateRamp(std::optional<double> &power, double UnitInputs::*quantity,
                         const std::vector<double> &passes, double target);
};
