#pragma once

#include <QMainWindow>

#include <memory>
#include <optional>
#include <vector>

struct Form1Ui;

// The main window: the laboratory air-conditioning trainer. On the left the
// unit scheme (Picture4) with its instruments, below it the control panel
// (Frame3) and the warning line (Text23), on the right the tab panel (SSTab1)
// with the outdoor data, the reading texts, the refrigeration cycle and the
// psychrometric chart.
//
// The window keeps its controls to itself (form1_ui.h). Every control's
// objectName is its name ("Text7(26)" for an element of a control array), so
// tests and scripts find and drive the controls by name; the window's public
// face is its handlers, its read-only fields and its signal.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // --- Window fields, written only by the window ----------------------------
    // Element powers in kW. Each stays unset (nullopt) until the main switch
    // or its selector first sets it; every calculation reads an unset power
    // as 0.
    const std::optional<double> &SteamPower() const { return m_steamPower; }
    const std::optional<double> &PreheatPower() const { return m_preheatPower; }
    const std::optional<double> &ReheatPower() const { return m_reheatPower; }

    // Pointer position of the latest chart readout, twips inside Picture1.
    qint16 ChartX() const { return m_chartX; }
    qint16 ChartY() const { return m_chartY; }

public slots:
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
    // the application, which owns those windows and finds the items by name.
    void imprimir_Click();
    void ce_Click();
    void com_Click();
    void mficha_Click();

    // --- Chart readout (Picture1) ----------------------------------------------
    void Picture1_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);
    void Picture1_Click();

signals:
    // Raised at the end of every run (for observers: tests, benchmarks),
    // each pass of a selector ramp included, though only a ramp's last run
    // calculates and writes (form1_funci.cpp).
    void unitRecalculated();

private:
    // Connects the handlers of the controls, after every design value is set.
    void connectHandlers();
    void connectPanelHandlers();   // switch, timers, selectors, knob, step controls
    void connectMenuHandlers();
    void connectChartHandlers();

    // funci while the unit is on.
    void recalculateIfOn();

    // The outdoor dry bulb on the "Datos" tab's thermometer iThermometerX1,
    // the scheme's ter(3) and read-out itext1(0); the wet bulb likewise on
    // iThermometerX2, ter(4) and itext1(1).
    void showOutdoorDryBulb(double t);
    void showOutdoorWetBulb(double t);

    // Moves an element power through a selector's ramp (see the handlers).
    void rampPower(std::optional<double> &power, double target, double fallingStep);
    // The runs of a ramp while the unit runs: one per pass, the power field
    // holding the pass's value, then `power` at `target`. Only the last run
    // calculates and writes the displays; see form1_funci.cpp.
    void recalculateRamp(std::optional<double> &power, const std::vector<double> &passes, double target);

    std::unique_ptr<Form1Ui> ui;

    std::optional<double> m_steamPower;
    std::optional<double> m_preheatPower;
    std::optional<double> m_reheatPower;
    qint16 m_chartX = 0;
    qint16 m_chartY = 0;

    // Set while the chart path and the refrigeration cycle are taken off the
    // pictures because the last calculation could not compute with its inputs
    // or could not place every point of the path; the next calculation that
    // places them puts them back while the unit runs.
    bool m_resultsWithdrawn = false;
};
