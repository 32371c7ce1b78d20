#pragma once

#include "chart_readout.h"
#include "unit_scheme.h"

#include <array>

// Control classes beyond those that unit_scheme.h and chart_readout.h declare.
class QAction;
class QFrame;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QTimer;
class SSTab;
class iKnobX;
class iSwitchRockerX;
class iSwitchRotaryX;

// The main window's controls, which only the window's own code sees: named
// as the window names them; a control array is a std::array indexed like the
// window's array, with null where the window has no element. The unit
// scheme's controls come from UnitSchemeControls.
struct Form1Ui : UnitSchemeControls
{
    // Builds the window's frame, menus and every control at its design place
    // and design value, the unit scheme included. Runs no handler and
    // connects none: the window connects its handlers afterwards.
    void setupUi(QMainWindow *window);

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
    ChartReadout::Boxes readoutBoxes;         // Text13 .. Text22 and Text24
    SurfaceLabel *Label14 = nullptr;
    SurfaceLabel *Label15 = nullptr;
    SurfaceLine *Line8 = nullptr;             // cross-hair, horizontal
    SurfaceLine *Line9 = nullptr;             // cross-hair, vertical
    SurfaceShape *Shape10 = nullptr;
    std::array<SurfaceLine *, 8> Line4{};     // 4..7: the air's path

private:
    void buildFrame(QMainWindow *window);
    void buildMenus(QMainWindow *window);
    void buildRegions(QWidget *client);
    void buildTimers(QObject *window);
    void buildControlPanel();
    void buildTabs(const QMainWindow *window);
    void buildDataTab(Surface *page, const QColor &barometerColumn);
    void buildReadingTabs();
    void buildCycleTab(Surface *page);
    void buildCycleTable(Surface *page);
    void buildChartTab(Surface *page, const QColor &letterGround);
    void buildChartReadout();
    void buildChartMarkers(const QColor &letterGround);
};
