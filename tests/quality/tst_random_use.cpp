// Seeded random use of the whole program, as a restless student would use it:
// clicks, keys, wheel notches and drags on every control of the main window,
// the operation window and the information windows; garbage typed into every
// box that takes typing; the pointer inside, on the edges of and far outside
// both chart boxes; the menu commands that open windows, and closing them.
// After every action the program's invariants are checked (never values).
//
// Environment:
//   VORBELIA_RANDOM_SEED=n      replays the sequence of seed n (printed by every run)
//   VORBELIA_RANDOM_ACTIONS=n   number of actions (default 10000); a soak runs more,
//                               e.g. 1000000, directly (CTest ends a test after 300 s)
//   VORBELIA_RANDOM_VERBOSE=1   prints every action before it runs
//   VORBELIA_RANDOM_SLOW_MS=n   an action that takes longer, with its repaint, is too slow (default 2000)
//   VORBELIA_RANDOM_HANG_SECONDS=n  an action that runs longer counts as a hang (default 60)
//
// Deliberately left out: "&Salir" (it ends the program, and with it the test)
// and "&Imprimir pantalla" where a default printer exists (it would print). The
// modal boxes ("¿&Cómo...?", System Information not available, a print
// failure) are answered from the event loop as a user would answer them.
#include "quality_support.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "frmabout.h"
#include "frmbrowser.h"
#include "ianalogdisplayx.h"
#include "iangulargaugex.h"
#include "instrument.h"
#include "iswitchrockerx.h"
#include "iswitchrotaryx.h"
#include "ithermometerx.h"
#include "sstab.h"
#include "surface.h"
#include "surface_items.h"
#include "updown.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QToolBar>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <random>
#include <thread>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// ------------------------------------------------------------------ settings

// Actions of one run, unless VORBELIA_RANDOM_ACTIONS says otherwise.
constexpr quint64 kDefaultActions = 10000;

quint64 environmentNumber(const char *name, quint64 otherwise)
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : otherwise;
}

// ----------------------------------------------------------- quiet notes

// Notes that random use brings up by design and that say nothing about the
// program: the offscreen platform cannot raise windows or pass size hints on,
// the installed fonts lack shapes for some scripts typed, and a control may
// ignore a key or a click it does not use. Everything else is passed on.
QtMessageHandler g_testLibraryHandler = nullptr;

void dropExpectedNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static const QLatin1String expected[] = {
        QLatin1String("This plugin does not support"),
        QLatin1String("OpenType support missing for"),
        QLatin1String("not accepted by receiving widget"),
    };
    if (type == QtWarningMsg || type == QtDebugMsg)
        for (const QLatin1String &note : expected)
            if (message.contains(note))
                return;
    g_testLibraryHandler(type, context, message);
}

// ------------------------------------------- what is running, for post-mortems

// The action under way, kept where a crash handler, a sanitizer's report and
// the hang watchdog can print it without allocating.
char g_currentAction[1024] = "none yet";

void printCurrentAction()
{
    const char head[] = "\nvorbelia random use: failed during ";
    [[maybe_unused]] ssize_t written = write(STDERR_FILENO, head, sizeof head - 1);
    written = write(STDERR_FILENO, g_currentAction, strnlen(g_currentAction, sizeof g_currentAction));
    written = write(STDERR_FILENO, "\n", 1);
}

struct sigaction g_previousHandlers[NSIG];

void onFatalSignal(int signal)
{
    printCurrentAction();
    sigaction(signal, &g_previousHandlers[signal], nullptr);   // the test library's report follows
    raise(signal);
}

void reportCrashesWithTheCurrentAction()
{
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        struct sigaction handler = {};
        handler.sa_handler = onFatalSignal;
        sigemptyset(&handler.sa_mask);
        sigaction(signal, &handler, &g_previousHandlers[signal]);
    }
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(printCurrentAction);
#endif
}

// Ends the process when one action runs longer than `limit`: an endless loop or
// a nested event loop nobody ends. The abort's handler prints the action.
class HangWatchdog
{
public:
    explicit HangWatchdog(std::chrono::seconds limit)
        : m_limit(limit), m_thread([this] { watch(); })
    {
    }
    ~HangWatchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }
    void progress() { ++m_progress; }

private:
    void watch()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        quint64 seen = m_progress;
        auto since = std::chrono::steady_clock::now();
        while (!m_wake.wait_for(lock, std::chrono::seconds(1), [this] { return m_done; })) {
            if (m_progress != seen) {
                seen = m_progress;
                since = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - since > m_limit) {
                const char message[] = "\nvorbelia random use: the program stopped answering (hang)";
                [[maybe_unused]] ssize_t written = write(STDERR_FILENO, message, sizeof message - 1);
                std::abort();
            }
        }
    }

    std::chrono::seconds m_limit;
    std::atomic<quint64> m_progress{0};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::thread m_thread;
};

// ------------------------------------------------------------------- typing

// What a student may type into a box: numbers that make sense, and garbage.
const QStringList kGarbage = {
    QString(), QStringLiteral("-"), QStringLiteral("1e308"), QStringLiteral("nan"), QStringLiteral("inf"),
    QStringLiteral("12,5"), QStringLiteral("12.5"), QStringLiteral("-40"), QStringLiteral("999999"),
    QStringLiteral("-0"), QStringLiteral("+7"), QStringLiteral(" 20 "), QStringLiteral("1.013,0"),
    QStringLiteral("1,013.0"), QStringLiteral("0x1A"), QStringLiteral("1e-400"), QStringLiteral("-inf"),
    QStringLiteral("NaN"), QStringLiteral("2147483648"), QStringLiteral("-1e15"), QStringLiteral("0"),
    QStringLiteral("1/0"), QStringLiteral("12 5"), QStringLiteral("\t"),
    // digits of other scripts: Arabic-Indic, Persian, Devanagari, full-width, Thai
    QStringLiteral("\u0661\u0662\u066B\u0665"), QStringLiteral("\u06F2\u06F3"), QStringLiteral("\u0967\u0966\u0968"),
    QStringLiteral("\uFF11\uFF12"), QStringLiteral("\u0E51\u0E52"),
    // text of other scripts
    QStringLiteral("\u6E29\u5EA6"), QStringLiteral("\u03A9\u03BC\u03AD\u03B3\u03B1"),
    QStringLiteral("\u05E9\u05DC\u05D5\u05DD"), QStringLiteral("\u043C\u043E\u0440\u043E\u0437"),
    QStringLiteral("\U0001F321\uFE0F\u2744"), QStringLiteral("\u221E"),
};

// A few addresses for the help browser's box, besides the garbage.
const QStringList kAddresses = {
    QStringLiteral("C:\\Archivos de programa\\Vorbelia\\index.htm"),
    QStringLiteral("C:\\Archivos de programa\\Vorbelia\\no-existe.htm"),
    QStringLiteral("/proc/self/status"),
    QStringLiteral("/proc/self/smaps"),
    QStringLiteral("/proc/self/pagemap"),
    QStringLiteral("/dev/zero"),
    QStringLiteral("file:///dev/urandom"),
    QStringLiteral("/"),
    QStringLiteral("http://www.vorbelia.es/"),
    QStringLiteral("file:///etc/hostname"),
    QStringLiteral("javascript:alert(1)"),
};

// -------------------------------------------------------------- the controls

// How a control is operated.
enum class Kind {
    Knob,          // iKnobX
    Selector,      // iSwitchRotaryX
    Switch,        // iSwitchRockerX
    StepControl,   // UpDown
    InputBox,      // a box a calculation reads, which takes typing
    DisplayBox,    // a box the program writes, which takes typing all the same
    AddressBox,    // the help browser's editable combo box
    ChartBox,      // a chart picture box with its pointer readout
    Drawing,       // a surface with hover help and hot spots
    TabPanel,      // SSTab
    Button,        // command and option buttons
    ToolButton,    // a toolbar button, by its action's name
    Keyboard,      // keys sent to the window itself
};

struct Control
{
    const char *name;
    Kind kind;
};

// Every control a student can operate, by the name the window gives it.
const Control kForm1Controls[] = {
    {"iKnobX1", Kind::Knob},          {"vapor1", Kind::Selector},      {"prec", Kind::Selector},
    {"rec", Kind::Selector},          {"interruptor", Kind::Switch},   {"UpDown1", Kind::StepControl},
    {"UpDown2", Kind::StepControl},   {"UpDown3", Kind::StepControl},  {"UpDown4", Kind::StepControl},
    {"UpDown5", Kind::StepControl},   {"UpDown6", Kind::StepControl},  {"Text3", Kind::InputBox},
    {"Text4", Kind::InputBox},        {"Text1", Kind::InputBox},       {"Text8", Kind::InputBox},
    {"Picture1", Kind::ChartBox},     {"Picture4", Kind::Drawing},     {"SSTab1", Kind::TabPanel},
    {"SSTab2", Kind::TabPanel},       {"Text13", Kind::DisplayBox},    {"Text22", Kind::DisplayBox},
    {"Text7(26)", Kind::DisplayBox},  {"Text23", Kind::DisplayBox},
};
const Control kForm4Controls[] = {
    {"UpDown1", Kind::StepControl},   {"UpDown2", Kind::StepControl},  {"UpDown3", Kind::StepControl},
    {"UpDown4", Kind::StepControl},   {"UpDown5", Kind::StepControl},  {"UpDown6", Kind::StepControl},
    {"UpDown7", Kind::StepControl},   {"UpDown8", Kind::StepControl},  {"UpDown9", Kind::StepControl},
    {"UpDown10", Kind::StepControl},  {"Text1(4)", Kind::InputBox},    {"Text4(3)", Kind::InputBox},
    {"Text3(3)", Kind::InputBox},     {"Text6", Kind::InputBox},       {"Text7", Kind::InputBox},
    {"Text8", Kind::InputBox},        {"Text10", Kind::InputBox},      {"Text11", Kind::InputBox},
    {"Text9", Kind::InputBox},        {"Text12", Kind::InputBox},      {"Picture2", Kind::ChartBox},
    {"Form4Client", Kind::Drawing},   {"Option1", Kind::Button},       {"Option2", Kind::Button},
    {"Text26", Kind::DisplayBox},     {"Text25", Kind::DisplayBox},    {"Text16", Kind::DisplayBox},
};
const Control kAboutControls[] = {
    {"cmdOK", Kind::Button}, {"cmdSysInfo", Kind::Button}, {"frmAbout", Kind::Keyboard},
};
const Control kBrowserControls[] = {
    {"cboAddress", Kind::AddressBox}, {"Back", Kind::ToolButton},   {"Forward", Kind::ToolButton},
    {"Stop", Kind::ToolButton},       {"Refresh", Kind::ToolButton}, {"Home", Kind::ToolButton},
    {"Search", Kind::ToolButton},     {"Salir", Kind::ToolButton},
};
const Control kForm2Controls[] = {{"Command1", Kind::Button}, {"Form2Client", Kind::Drawing}};
const Control kForm3Controls[] = {{"Command1", Kind::Button}, {"Form3Client", Kind::Drawing}};

// ------------------------------------------------------------ the displays

// A box that shows numbers, and how many digits its number may have before
// the decimal separator. Typed numbers are taken within the bands of what they
// can physically be (psychrometrics/input_limits.h); within them, a box's
// number has at most the digit places of its pattern ("###0.0": 4) where the
// physics stays inside them, else the most those inputs give: a sweep of the
// unit model and the chart readout over the bands reaches 2,810 kW of cooling,
// 94,672 g/s of refrigerant, 5,055 kW of compressor power, and, with the
// pointer captured far above the chart at 500 mbar, 25,000 g/kg, 66,000 kJ/kg
// and a wet bulb at the search's last trial, 500.0 ºC. A quotient whose
// divisor can come near zero (a coefficient of performance, Form4's results
// at a bypass factor near 100 %) is bounded only by the longest number a
// display writes at all (15 digits).
struct NumberBox
{
    const char *name;
    int integerDigits;
};

// The chart readout's boxes in either window (the main window's Text24 aside).
const NumberBox kReadoutBoxes[] = {
    {"Text13", 4}, {"Text17", 3}, {"Text15", 3}, {"Text16", 3}, {"Text14", 5},
    {"Text18", 5}, {"Text19", 2}, {"Text20", 1}, {"Text21", 3}, {"Text22", 3},
};
// The cycle table of the main window, Text7(i).
const std::pair<int, int> kCycleCells[] = {
    {0, 4}, {7, 3}, {12, 3}, {17, 4},          // pressures: "###0.00", "##0.00", "##0.00", "###0.00"
    {1, 4}, {6, 4}, {11, 4}, {16, 4},          // temperatures: "###0.0"
    {3, 4}, {9, 4}, {14, 4}, {19, 4},          // enthalpies: "###0.0"
    {26, 4}, {32, 5}, {29, 4}, {20, 15},       // cooling, refrigerant flow, compressor power, COP
};
// The results of Form4.
const NumberBox kForm4Results[] = {
    {"Text25", 15}, {"Text27", 15}, {"Text24", 15}, {"Text26", 4}, {"Text23", 15},
};
// Thermometers, gauges and read-outs of either window (the refrigerant flow
// read-out reaches five digits).
constexpr int kInstrumentDigits = 5;

// ------------------------------------------------------------ the checks

// One breach of an invariant: what, where, and after which action.
struct Breach
{
    QString what;
    QString action;
    quint64 index;
};

// Collects breaches, the first of each kind only: a broken invariant that
// stays broken is told once.
class Findings
{
public:
    void add(const QString &kind, const QString &what, const QString &action, quint64 index)
    {
        if (m_breaches.count(kind) == 0)
            m_breaches.emplace(kind, Breach{what, action, index});
    }
    bool empty() const { return m_breaches.empty(); }
    // One line for each breach, with the action after which it was found.
    void print(quint64 seed) const
    {
        for (const auto &[kind, breach] : m_breaches)
            qWarning("broken after action %llu of seed %llu (%s): %s", breach.index, seed, qPrintable(breach.action),
                     qPrintable(breach.what));
    }
    qsizetype count() const { return qsizetype(m_breaches.size()); }

private:
    std::map<QString, Breach> m_breaches;
};

// What is wrong with the text of a display that shows numbers, or nothing.
QString faultOfNumberText(const QString &text, int integerDigits)
{
    static const QRegularExpression notANumber(QStringLiteral("nan|inf"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression exponent(QStringLiteral("\\d[eE][-+]?\\d"));
    static const QRegularExpression number(QStringLiteral("[-+]?\\d[\\d.,]*"));
    static const QRegularExpression plain(
        QStringLiteral("^-?(\\d+)(%1\\d+)?$").arg(QRegularExpression::escape(QLocale().decimalPoint())));
    static const QRegularExpression nonZeroDigit(QStringLiteral("[1-9]"));
    if (text.isEmpty())
        return {};
    if (text.contains(QLatin1String("---")) && text != QLatin1String(" ---"))
        return QStringLiteral("\" ---\" does not stand alone");
    if (text.contains(notANumber))
        return QStringLiteral("not a number");
    if (text.contains(exponent))
        return QStringLiteral("an exponent");
    for (auto it = number.globalMatch(text); it.hasNext();) {
        const QString token = it.next().captured();
        const QRegularExpressionMatch parts = plain.match(token);
        if (!parts.hasMatch())
            return QStringLiteral("not a plain number (a group separator, or not the locale's decimal separator)");
        if (token.startsWith(QLatin1Char('-')) && !token.contains(nonZeroDigit))
            return QStringLiteral("a negative zero");
        if (parts.capturedLength(1) > integerDigits)
            return QStringLiteral("more than %1 digits before the decimal separator").arg(integerDigits);
    }
    return {};
}

// What the user typed last into a box, kept on the box; a box whose text is
// still that holds the user's text, not the program's.
const char kTypedText[] = "typedByTheUser";

void rememberTyping(QLineEdit *box)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString &text) { box->setProperty(kTypedText, text); });
}

bool holdsTypedText(const QLineEdit *box)
{
    const QVariant typed = box->property(kTypedText);
    return typed.isValid() && typed.toString() == box->text();
}

// One display of a window: where its text comes from and how long its numbers
// may be. A display the window lacks has no object, and is told as a breach.
struct Display
{
    QPointer<const QObject> object;
    QString name;
    int integerDigits;
    QString (*text)(const QObject *);
};

// A box the user typed into shows the program's text again once the program writes it.
QString boxText(const QObject *object)
{
    const auto *box = static_cast<const QLineEdit *>(object);
    return holdsTypedText(box) ? QString() : box->text();
}

QString readoutText(const QObject *readout)
{
    return static_cast<const iAnalogDisplayX *>(readout)->text();
}

// Thermometers and gauges publish what they show as their accessible value.
QString shownValue(const QObject *instrument)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(const_cast<QObject *>(instrument));
    return face ? face->text(QAccessible::Value) : QString();
}

// Every display of the main window or of Form4 that shows numbers.
std::vector<Display> displaysOf(const QWidget &window)
{
    std::vector<Display> displays;
    const auto addBox = [&](const QString &name, int digits) {
        displays.push_back({window.findChild<const QLineEdit *>(name), name, digits, boxText});
    };
    for (const NumberBox &box : kReadoutBoxes)
        addBox(QLatin1String(box.name), box.integerDigits);
    if (qobject_cast<const Form1 *>(&window)) {
        addBox(QStringLiteral("Text24"), 1);   // degree of saturation, at most 1
        for (const auto &[cell, digits] : kCycleCells)
            addBox(QStringLiteral("Text7(%1)").arg(cell), digits);
    } else {
        for (const NumberBox &box : kForm4Results)
            addBox(QLatin1String(box.name), box.integerDigits);
    }
    for (const auto *readout : window.findChildren<const iAnalogDisplayX *>())
        displays.push_back({readout, readout->objectName(), kInstrumentDigits, readoutText});
    for (const auto *thermometer : window.findChildren<const iThermometerX *>())
        displays.push_back({thermometer, thermometer->objectName(), kInstrumentDigits, shownValue});
    for (const auto *gauge : window.findChildren<const iAngularGaugeX *>())
        displays.push_back({gauge, gauge->objectName(), kInstrumentDigits, shownValue});
    return displays;
}

// Everything a window shows, one "name.property=value" an entry: the texts of
// its boxes (but those in `typed`, which hold what the user typed), the values
// of its instruments, and the places, captions and visibility of its
// windowless items.
QStringList shownState(const QWidget &window, const QList<const QLineEdit *> &typed)
{
    QStringList state;
    const auto add = [&state](const QObject *object, const char *property) {
        state << QStringLiteral("%1.%2=%3").arg(object->objectName(), QLatin1String(property),
                                               object->property(property).toString());
    };
    for (const auto *box : window.findChildren<const QLineEdit *>())
        if (!typed.contains(box))
            add(box, "text");
    for (const auto *instrument : window.findChildren<const InstrumentWidget *>()) {
        for (const char *property : {"position", "value", "on"})
            if (instrument->metaObject()->indexOfProperty(property) >= 0)
                add(instrument, property);
        add(instrument, "visible");
    }
    for (const auto *item : window.findChildren<const SurfaceItem *>()) {
        const QMetaObject *meta = item->metaObject();
        for (int i = SurfaceItem::staticMetaObject.propertyOffset(); i < meta->propertyCount(); ++i)
            add(item, meta->property(i).name());
    }
    return state;
}

// The invariants of the program, checked after every action.
class Invariants
{
public:
    Invariants(Findings &findings, Form1 &form1, double slowMs)
        : m_findings(findings), m_slowMs(slowMs)
    {
        // Whatever was typed has been read once the window calculates again.
        QObject::connect(&form1, &Form1::unitRecalculated, [this] { m_typedSinceCalculation = false; });
        // From the first action on, what the student types into a box is told
        // apart from what the program writes there.
        cachedDisplaysOf(form1);
    }

    // Text was typed into an input box of the main window: its displays show
    // what the last calculation read until the next one reads the new text.
    void inputTyped() { m_typedSinceCalculation = true; }

    // After action number `index`, which took `ms` milliseconds with the repaint that followed it.
    void check(Form1 &form1, const QString &action, quint64 index, double ms, bool waited)
    {
        m_action = action;
        m_index = index;
        if (!waited && ms > m_slowMs)
            breach(QStringLiteral("responsive"),
                   QStringLiteral("the action and its repaint took %1 ms").arg(ms, 0, 'f', 0));
        checkAnswersWithinOneTurn();
        checkSingleInstances();
        checkDisplays(form1);
        checkTemperatureControls(form1);
        checkSettled(form1);
        for (Form4 *form4 : quality::windowsOf<Form4>()) {
            checkDisplays(*form4);
            checkMarkersPlaced(*form4);
        }
    }

private:
    void breach(const QString &kind, const QString &what) { m_findings.add(kind, what, m_action, m_index); }

    // The event loop is free: a call queued now runs in the next turn.
    void checkAnswersWithinOneTurn()
    {
        bool answered = false;
        QMetaObject::invokeMethod(qApp, [&answered] { answered = true; }, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        if (!answered)
            breach(QStringLiteral("alive"), QStringLiteral("the program does not answer within one turn"));
    }

    template <typename W>
    void checkSingleInstance(const char *name)
    {
        const qsizetype count = quality::windowsOf<W>().size();
        if (count > 1)
            breach(QStringLiteral("single %1").arg(QLatin1String(name)),
                   QStringLiteral("%1 windows of class %2 exist").arg(count).arg(QLatin1String(name)));
    }

    void checkSingleInstances()
    {
        checkSingleInstance<Form1>("Form1");
        checkSingleInstance<Form2>("Form2");
        checkSingleInstance<Form3>("Form3");
        checkSingleInstance<Form4>("Form4");
        checkSingleInstance<frmAbout>("frmAbout");
        checkSingleInstance<frmBrowser>("frmBrowser");
    }

    void checkDisplays(const QWidget &window)
    {
        for (const Display &display : cachedDisplaysOf(window)) {
            if (!display.object) {
                breach(QStringLiteral("display %1").arg(display.name),
                       QStringLiteral("%1 has no box named %2").arg(window.objectName(), display.name));
                continue;
            }
            const QString text = display.text(display.object);
            const QString fault = faultOfNumberText(text, display.integerDigits);
            if (!fault.isEmpty())
                breach(QStringLiteral("%1 %2").arg(window.objectName(), display.name),
                       QStringLiteral("%1.%2 shows \"%3\": %4").arg(window.objectName(), display.name, text.left(80), fault));
        }
    }

    // The displays of a window are looked up once for each window built.
    const std::vector<Display> &cachedDisplaysOf(const QWidget &window)
    {
        m_displays.erase(std::remove_if(m_displays.begin(), m_displays.end(), [](const auto &entry) { return !entry.first; }),
                         m_displays.end());
        for (const auto &[known, displays] : m_displays)
            if (known == &window)
                return displays;
        for (QLineEdit *box : window.findChildren<QLineEdit *>())
            rememberTyping(box);
        m_displays.emplace_back(&window, displaysOf(window));
        return m_displays.back().second;
    }

    // The two step controls of one outdoor temperature agree, and the dry bulb
    // never stands below the wet bulb, on the step controls or the instruments
    // that mirror them.
    void checkTemperatureControls(const Form1 &form)
    {
        const auto require = [this](bool holds, const char *kind, auto describe) {
            if (!holds)
                breach(QLatin1String(kind), describe());
        };
        const auto pair = [](const char *a, double va, const char *relation, const char *b, double vb) {
            return QStringLiteral("%1 = %2 %3 %4 = %5").arg(QLatin1String(a)).arg(va).arg(QLatin1String(relation),
                                                                                      QLatin1String(b)).arg(vb);
        };
        const auto stepValue = [&form](const char *name) { return quality::named<UpDown>(form, QLatin1String(name))->Value(); };
        const int dry = stepValue("UpDown2"), wet = stepValue("UpDown4");
        const int schemeDry = stepValue("UpDown5"), schemeWet = stepValue("UpDown6");
        require(dry == schemeDry, "dry-bulb step controls agree",
                [&] { return pair("UpDown2", dry, "but", "UpDown5", schemeDry); });
        require(wet == schemeWet, "wet-bulb step controls agree",
                [&] { return pair("UpDown4", wet, "but", "UpDown6", schemeWet); });
        require(dry >= wet, "dry above wet, Datos", [&] { return pair("UpDown2", dry, "below", "UpDown4", wet); });
        require(schemeDry >= schemeWet, "dry above wet, scheme",
                [&] { return pair("UpDown5", schemeDry, "below", "UpDown6", schemeWet); });
        const double dryShown = quality::named<iThermometerX>(form, QStringLiteral("iThermometerX1"))->position();
        const double wetShown = quality::named<iThermometerX>(form, QStringLiteral("iThermometerX2"))->position();
        require(dryShown >= wetShown, "dry above wet, thermometers",
                [&] { return pair("iThermometerX1", dryShown, "below", "iThermometerX2", wetShown); });
        const double dryRead = quality::named<iAnalogDisplayX>(form, QStringLiteral("itext1(0)"))->value();
        const double wetRead = quality::named<iAnalogDisplayX>(form, QStringLiteral("itext1(1)"))->value();
        require(dryRead >= wetRead, "dry above wet, read-outs",
                [&] { return pair("itext1(0)", dryRead, "below", "itext1(1)", wetRead); });
    }

    // While the unit runs, the main window shows the state of its inputs as
    // they stand: one more calculation changes nothing (a ramp, for one, ends
    // with a run at its target).
    void checkSettled(Form1 &form)
    {
        if (!quality::named<iSwitchRockerX>(form, QStringLiteral("interruptor"))->isOn() || m_typedSinceCalculation)
            return;
        QList<const QLineEdit *> typed;
        for (const auto *box : form.findChildren<const QLineEdit *>())
            if (holdsTypedText(box))
                typed << box;
        const QStringList before = shownState(form, typed);
        form.funci();
        const QStringList after = shownState(form, typed);
        if (before == after)
            return;
        const auto [was, is] = std::mismatch(before.begin(), before.end(), after.begin(), after.end());
        breach(QStringLiteral("Form1 settled"),
               QStringLiteral("one more calculation changes the main window: %1 becomes %2")
                   .arg(was == before.end() ? QStringLiteral("(nothing)") : *was,
                        is == after.end() ? QStringLiteral("(nothing)") : *is));
    }

    // Form4 shows a process marker only where its last calculation put it: a
    // state without a value does not leave its marker where an earlier run
    // placed it. Each marker is parked at a place no state has, the window
    // recalculates, and every marker still there while shown is a breach.
    void checkMarkersPlaced(Form4 &form)
    {
        static const char *const kMarkers[] = {"Line4(4)", "Line4(5)", "Line4(6)", "Line4(7)",
                                                "Label11(8)", "Label11(9)", "Label11(10)", "Label11(11)"};
        static const char *const kPlace[] = {"X1", "Y1", "X2", "Y2", "Left", "Top"};
        constexpr float kNowhere = -7777;
        QLineEdit *coilPower = quality::named<QLineEdit>(form, QStringLiteral("Text25"));
        const QString results = coilPower->text();
        const QString notRun = QStringLiteral("calculo did not run");
        coilPower->setText(notRun);
        std::vector<std::pair<SurfaceItem *, QVariantMap>> parked;
        for (const char *name : kMarkers) {
            auto *marker = form.findChild<SurfaceItem *>(QLatin1String(name));
            QVariantMap place;
            for (const char *property : kPlace) {
                if (marker->metaObject()->indexOfProperty(property) < 0)
                    continue;
                place.insert(QLatin1String(property), marker->property(property));
                marker->setProperty(property, kNowhere);
            }
            parked.emplace_back(marker, place);
        }
        form.calculo();
        const bool ran = coilPower->text() != notRun;
        if (!ran)
            coilPower->setText(results);
        for (const auto &[marker, place] : parked) {
            const bool stayed = marker->property(place.firstKey().toLatin1()).toFloat() == kNowhere;
            if (ran && stayed && marker->Visible())
                breach(QStringLiteral("Form4 markers"),
                       QStringLiteral("Form4 shows %1 where no calculation placed it").arg(marker->objectName()));
            if (stayed)
                for (auto it = place.begin(); it != place.end(); ++it)
                    marker->setProperty(it.key().toLatin1(), it.value());
        }
    }

    Findings &m_findings;
    double m_slowMs;
    QString m_action;
    quint64 m_index = 0;
    bool m_typedSinceCalculation = false;
    std::vector<std::pair<QPointer<const QWidget>, std::vector<Display>>> m_displays;
};

// ------------------------------------------------------------ the student

// Draws random actions and performs them on the live windows, by name.
class Student
{
public:
    Student(quint64 seed, Form1 &form1)
        : m_random(seed), m_form1(form1)
    {
        m_mayPrint = QPrinterInfo::defaultPrinter().isNull();
    }

    // One action: its description (set before it runs) and the action itself.
    struct Action
    {
        QString text;
        std::function<void()> run;
        // Text typed into an input box of the main window, which its next calculation reads.
        bool editsMainWindowInput = false;
        // The action waits on purpose (an arrow held down), so its time says nothing.
        bool waits = false;
    };

    Action next()
    {
        const double roll = uniform(0, 1);
        if (roll < 0.04)
            return menuCommand();
        if (roll < 0.055) {
            if (QWidget *window = randomSecondaryWindow())
                return {QStringLiteral("close box of %1").arg(window->objectName()), [window] { window->close(); }};
        }
        return operateControl();
    }

    // Every control of every window in the tables is there, by its name.
    QStringList missingControls(const QWidget &window) const
    {
        QStringList missing;
        for (const Control &control : controlsOf(window))
            if (!findControl(window, control))
                missing << QLatin1String(control.name);
        return missing;
    }

private:
    // ---- random numbers
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(m_random); }
    bool chance(double p) { return uniform(0, 1) < p; }
    template <typename T>
    const T &pickFrom(const QList<T> &list) { return list.at(pick(int(list.size()))); }

    // ---- windows and controls

    // In a fixed order, so that a seed replays the same actions.
    QList<QWidget *> secondaryWindows() const
    {
        QList<QWidget *> open;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top != &m_form1 && top->isVisible() && !controlsOf(*top).empty())
                open << top;
        std::sort(open.begin(), open.end(),
                  [](const QWidget *a, const QWidget *b) { return a->objectName() < b->objectName(); });
        return open;
    }

    QWidget *randomSecondaryWindow()
    {
        const QList<QWidget *> open = secondaryWindows();
        return open.isEmpty() ? nullptr : pickFrom(open);
    }

    static std::vector<Control> controlsOf(const QWidget &window)
    {
        const auto list = [](const auto &table) { return std::vector<Control>(std::begin(table), std::end(table)); };
        if (qobject_cast<const Form1 *>(&window))
            return list(kForm1Controls);
        if (qobject_cast<const Form4 *>(&window))
            return list(kForm4Controls);
        if (qobject_cast<const frmAbout *>(&window))
            return list(kAboutControls);
        if (qobject_cast<const frmBrowser *>(&window))
            return list(kBrowserControls);
        if (qobject_cast<const Form2 *>(&window))
            return list(kForm2Controls);
        if (qobject_cast<const Form3 *>(&window))
            return list(kForm3Controls);
        return {};
    }

    static QObject *findControl(const QWidget &window, const Control &control)
    {
        const QString name = QLatin1String(control.name);
        if (name == window.objectName())
            return const_cast<QWidget *>(&window);
        if (control.kind == Kind::ToolButton)
            return window.findChild<QAction *>(name);
        return window.findChild<QWidget *>(name);
    }

    Action operateControl()
    {
        // The main window half of the time, else one of the others that are open.
        QWidget *window = &m_form1;
        if (chance(0.5))
            if (QWidget *other = randomSecondaryWindow())
                window = other;
        const std::vector<Control> controls = controlsOf(*window);
        const Control control = controls.at(size_t(pick(int(controls.size()))));
        QObject *object = findControl(*window, control);
        const QString where = QStringLiteral("%1.%2").arg(window->objectName(), QLatin1String(control.name));
        if (control.kind == Kind::ToolButton) {
            auto *toolBar = window->findChild<QToolBar *>();
            return {QStringLiteral("click %1").arg(where),
                    [button = toolBar->widgetForAction(static_cast<QAction *>(object))] {
                        QTest::mouseClick(button, Qt::LeftButton);
                    }};
        }
        auto *widget = static_cast<QWidget *>(object);
        Action operation = gesture(control.kind, widget, where);
        operation.editsMainWindowInput = window == &m_form1 && control.kind == Kind::InputBox;
        if (widget->isVisible())
            return operation;
        // On a tab page behind another: the student brings it to the front first.
        const Action tabs = tabsShowing(widget);
        return {tabs.text + QStringLiteral(", then ") + operation.text,
                [tabs, operation] {
                    tabs.run();
                    operation.run();
                },
                operation.editsMainWindowInput, operation.waits};
    }

    // Clicks on the tabs that bring the pages holding `widget` to the front, outer panel first.
    static Action tabsShowing(QWidget *widget)
    {
        QList<std::pair<SSTab *, int>> clicks;
        for (QWidget *inner = widget; inner; inner = inner->parentWidget()) {
            if (auto *panel = qobject_cast<SSTab *>(inner->parentWidget()))
                for (int tab = 0; tab < panel->count(); ++tab)
                    if (panel->page(tab) == inner)
                        clicks.prepend({panel, tab});
        }
        QStringList shown;
        for (const auto &[panel, tab] : clicks)
            shown << QStringLiteral("tab %1 of %2").arg(tab).arg(panel->objectName());
        return {QStringLiteral("click ") + shown.join(QStringLiteral(" and ")), [clicks] {
                    for (const auto &[panel, tab] : clicks)
                        QTest::mouseClick(panel, Qt::LeftButton, {}, panel->tabRect(tab).center());
                }};
    }

    Action menuCommand()
    {
        struct Item
        {
            QAction *action;
            bool allowed;
        };
        const auto menuItem = [this](const char *name) { return quality::named<QAction>(m_form1, QLatin1String(name)); };
        const Item items[] = {
            {menuItem("mficha"), true}, {menuItem("enf"), true}, {menuItem("proc"), true},
            {menuItem("unid"), true},   {menuItem("ay"), true},  {menuItem("acc"), true},
            {menuItem("com"), true},    {menuItem("re"), true},  {menuItem("imprimir"), m_mayPrint},
        };
        Item item = items[pick(int(std::size(items)))];
        if (!item.allowed)
            item = items[0];
        return {QStringLiteral("menu %1").arg(item.action->objectName()), [action = item.action] { action->trigger(); }};
    }

    // ---- gestures

    Action gesture(Kind kind, QWidget *widget, const QString &where)
    {
        switch (kind) {
        case Kind::Knob:
        case Kind::Selector:
        case Kind::StepControl:
            switch (pick(kind == Kind::StepControl ? 5 : 4)) {
            case 0: return click(widget, where);
            case 1: return wheel(widget, where);
            case 2: return keys(widget, where);
            case 3: return drag(widget, where);
            default: return holdArrow(widget, where);
            }
        case Kind::Switch:
            return chance(0.5) ? click(widget, where) : keys(widget, where);
        case Kind::InputBox:
        case Kind::DisplayBox:
            return chance(0.8) ? type(widget, where, kGarbage) : keys(widget, where);
        case Kind::AddressBox:
            return type(static_cast<QComboBox *>(widget)->lineEdit(), where, kGarbage + kAddresses);
        case Kind::ChartBox:
            switch (pick(4)) {
            case 0: return hover(widget, where);
            case 1: return drag(widget, where);
            case 2: return click(widget, where);
            default: return wheel(widget, where);
            }
        case Kind::Drawing:
            return chance(0.7) ? hover(widget, where) : click(widget, where);
        case Kind::TabPanel:
            return chance(0.7) ? clickTab(static_cast<SSTab *>(widget), where) : keys(widget, where);
        case Kind::Button:
            return chance(0.7) ? click(widget, where) : keys(widget, where);
        case Kind::ToolButton:
        case Kind::Keyboard:
            break;
        }
        return keys(widget, where);
    }

    // A point inside the widget, on its edge, just outside it or far outside.
    QPoint pointFor(const QWidget *widget)
    {
        const int w = widget->width();
        const int h = widget->height();
        switch (pick(10)) {
        case 0: return {pick(3) - 1, pick(h + 2) - 1};            // left edge
        case 1: return {w - 2 + pick(3), pick(h + 2) - 1};        // right edge
        case 2: return {pick(w + 2) - 1, pick(3) - 1};            // top edge
        case 3: return {pick(w + 2) - 1, h - 2 + pick(3)};        // bottom edge
        case 4: {                                                 // far outside
            const int far[] = {-1000000, -40000, -3000, 3000, 40000, 1000000};
            return {far[pick(6)] + pick(w), far[pick(6)] + pick(h)};
        }
        default: return {pick(std::max(1, w)), pick(std::max(1, h))};
        }
    }

    QPoint inside(const QWidget *widget) { return {pick(std::max(1, widget->width())), pick(std::max(1, widget->height()))}; }

    static QString at(const QPoint &p) { return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y()); }

    Action click(QWidget *widget, const QString &where)
    {
        QPoint p = inside(widget);
        if (auto *selector = qobject_cast<iSwitchRotaryX *>(widget); selector && chance(0.5))
            p = selector->labelRect(pick(int(selector->labels().size()) + 1)).center().toPoint();
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        const Qt::MouseButton button = buttons[pick(5)];
        if (chance(0.15))
            return {QStringLiteral("double click %1 at %2").arg(where, at(p)), [widget, p, button] {
                        QTest::mouseDClick(widget, button, {}, p);
                    }};
        const char *names[] = {"", "left", "right", "", "middle"};
        return {QStringLiteral("%1 click %2 at %3").arg(QLatin1String(names[button]), where, at(p)),
                [widget, p, button] { QTest::mouseClick(widget, button, {}, p); }};
    }

    Action wheel(QWidget *widget, const QString &where)
    {
        const int deltas[] = {120, -120, 240, -360, 40, -15, 960, -1200};
        const int notches = 1 + pick(4);
        QList<int> sequence;
        for (int i = 0; i < notches; ++i)
            sequence << deltas[pick(int(std::size(deltas)))];
        const QPoint p = inside(widget);
        QStringList shown;
        for (int delta : sequence)
            shown << QString::number(delta);
        return {QStringLiteral("wheel %1 at %2 by %3").arg(where, at(p), shown.join(QLatin1Char(' '))),
                [widget, p, sequence] {
                    for (int delta : sequence) {
                        QWheelEvent event(p, widget->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton,
                                          Qt::NoModifier, Qt::NoScrollPhase, false);
                        QApplication::sendEvent(widget, &event);
                    }
                }};
    }

    Action keys(QWidget *widget, const QString &where)
    {
        static const std::pair<Qt::Key, const char *> kKeys[] = {
            {Qt::Key_Up, ""},      {Qt::Key_Down, ""},   {Qt::Key_Left, ""},  {Qt::Key_Right, ""},
            {Qt::Key_PageUp, ""},  {Qt::Key_PageDown, ""}, {Qt::Key_Home, ""}, {Qt::Key_End, ""},
            {Qt::Key_Space, " "},  {Qt::Key_Return, "\r"}, {Qt::Key_Escape, "\x1b"}, {Qt::Key_Tab, "\t"},
            {Qt::Key_Backspace, "\b"}, {Qt::Key_Delete, ""}, {Qt::Key_0, "0"}, {Qt::Key_5, "5"},
            {Qt::Key_9, "9"},      {Qt::Key_A, "a"},      {Qt::Key_Z, "z"},    {Qt::Key_Minus, "-"},
            {Qt::Key_Comma, ","},  {Qt::Key_Period, "."}, {Qt::Key_I, "i"},    {Qt::Key_C, "c"},
        };
        const auto &[key, text] = kKeys[pick(int(std::size(kKeys)))];
        const Qt::KeyboardModifier modifiers[] = {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier,
                                                  Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
        const Qt::KeyboardModifier modifier = modifiers[pick(int(std::size(modifiers)))];
        const int repeats = chance(0.3) ? 1 + pick(12) : 0;
        const QString keyText = modifier == Qt::NoModifier || modifier == Qt::ShiftModifier ? QLatin1String(text) : QString();
        return {QStringLiteral("key %1 on %2, %3 repeats")
                    .arg(QKeySequence(QKeyCombination(modifier, key)).toString(), where).arg(repeats),
                [widget, key = key, keyText, modifier, repeats] {
                    QPointer<QWidget> target = widget;
                    QTest::keyPress(widget, key, modifier);
                    for (int i = 0; i < repeats && target; ++i) {
                        QKeyEvent repeat(QEvent::KeyPress, key, modifier, keyText, true);
                        QApplication::sendEvent(target, &repeat);
                    }
                    if (target)
                        QTest::keyRelease(target, key, modifier);
                }};
    }

    // A press inside, moves through points anywhere (the widget keeps the
    // pointer while the button is down), a release at the last of them.
    Action drag(QWidget *widget, const QString &where)
    {
        const QPoint start = inside(widget);
        QList<QPoint> path;
        const int moves = 1 + pick(6);
        for (int i = 0; i < moves; ++i)
            path << pointFor(widget);
        QStringList shown;
        for (const QPoint &p : path)
            shown << at(p);
        return {QStringLiteral("drag %1 from %2 through %3").arg(where, at(start), shown.join(QLatin1Char(' '))),
                [widget, start, path] {
                    QPointer<QWidget> target = widget;
                    QTest::mousePress(widget, Qt::LeftButton, {}, start);
                    for (const QPoint &p : path)
                        if (target)
                            QTest::mouseMove(target, p);
                    if (target)
                        QTest::mouseRelease(target, Qt::LeftButton, {}, path.last());
                }};
    }

    // The pointer moved over the widget without a button: through the window
    // system, so that whatever lies under it gets the move.
    Action hover(QWidget *widget, const QString &where)
    {
        QList<QPoint> path;
        const int moves = 1 + pick(8);
        for (int i = 0; i < moves; ++i)
            path << pointFor(widget);
        QStringList shown;
        for (const QPoint &p : path)
            shown << at(p);
        return {QStringLiteral("move over %1 through %2").arg(where, shown.join(QLatin1Char(' '))),
                [widget, path] {
                    QPointer<QWidget> target = widget;
                    for (const QPoint &p : path)
                        if (target)
                            QTest::mouseMove(target, p);
                }};
    }

    // An arrow of a step control held down long enough to repeat.
    Action holdArrow(QWidget *widget, const QString &where)
    {
        if (!chance(0.005))
            return click(widget, where);
        const QPoint p(widget->width() / 2, chance(0.5) ? 1 : widget->height() - 2);
        const int ms = 450 + pick(150);
        return {QStringLiteral("hold %1 at %2 for %3 ms").arg(where, at(p)).arg(ms),
                [widget, p, ms] {
                    QPointer<QWidget> target = widget;
                    QTest::mousePress(widget, Qt::LeftButton, {}, p);
                    QTest::qWait(ms);
                    if (target)
                        QTest::mouseRelease(target, Qt::LeftButton, {}, p);
                },
                false, true};
    }

    Action clickTab(SSTab *panel, const QString &where)
    {
        const int tab = pick(panel->count());
        const QPoint p = panel->tabRect(tab).center();
        return {QStringLiteral("click tab %1 of %2").arg(tab).arg(where),
                [panel, p] { QTest::mouseClick(panel, Qt::LeftButton, {}, p); }};
    }

    // Text typed as keys, one code point at a time; what is there first is
    // selected and replaced, kept and added to, or partly rubbed out.
    Action type(QWidget *box, const QString &where, const QStringList &choices)
    {
        QString text;
        if (chance(0.35)) {
            text = plausibleNumber();
        } else if (chance(0.05)) {
            for (int i = 0; i < 500; ++i)
                text += QChar(u'!' + pick(94));
        } else {
            text = pickFrom(choices);
        }
        const int how = pick(4);   // 0, 1: replace; 2: add; 3: rub out, then add
        const bool enter = chance(0.4);
        const QString shown = text.size() > 40 ? QStringLiteral("%1 characters").arg(text.size()) : text;
        return {QStringLiteral("type \"%1\" into %2 (%3%4)")
                    .arg(shown, where, QLatin1String(how < 2 ? "replacing" : how == 2 ? "adding" : "after backspaces"),
                         QLatin1String(enter ? ", Enter" : "")),
                [box, text, how, enter] {
                    QPointer<QWidget> target = box;
                    if (how < 2)
                        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                    else if (how == 3)
                        for (int i = 0; i < 3; ++i)
                            QTest::keyClick(box, Qt::Key_Backspace);
                    for (char32_t codePoint : text.toUcs4()) {
                        if (!target)
                            return;
                        const QString character = QString::fromUcs4(&codePoint, 1);
                        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
                        QApplication::sendEvent(target, &press);
                        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
                        QApplication::sendEvent(target, &release);
                    }
                    if (enter && target)
                        QTest::keyClick(target, Qt::Key_Return);
                }};
    }

    // A number a student might mean, in the locale's notation.
    QString plausibleNumber()
    {
        const double magnitudes[] = {1, 10, 100, 1000, 20000};
        double value = uniform(-0.2, 1) * magnitudes[pick(int(std::size(magnitudes)))];
        if (chance(0.6))
            return QString::number(qRound(value));
        return QLocale().toString(value, 'f', pick(3));
    }

    std::mt19937_64 m_random;
    Form1 &m_form1;
    bool m_mayPrint = true;
};

} // namespace

class RandomUseTest : public QObject
{
    Q_OBJECT

private slots:
    void invariantsHoldThroughRandomUse();
};

void RandomUseTest::invariantsHoldThroughRandomUse()
{
    const quint64 seed = environmentNumber("VORBELIA_RANDOM_SEED", std::random_device{}());
    const quint64 actions = environmentNumber("VORBELIA_RANDOM_ACTIONS", kDefaultActions);
    const bool verbose = qEnvironmentVariableIsSet("VORBELIA_RANDOM_VERBOSE");
    qInfo("random use: seed %llu, %llu actions (replay: VORBELIA_RANDOM_SEED=%llu)", seed, actions, seed);

    reportCrashesWithTheCurrentAction();
    g_testLibraryHandler = qInstallMessageHandler(dropExpectedNotes);
    HangWatchdog watchdog(std::chrono::seconds(environmentNumber("VORBELIA_RANDOM_HANG_SECONDS", 60)));
    quality::ModalBoxAnswerer answerer;
    std::unique_ptr<Form1> form1 = quality::startProgram();
    Student student(seed, *form1);
    QCOMPARE(student.missingControls(*form1), QStringList());

    Findings findings;
    Invariants invariants(findings, *form1, environmentNumber("VORBELIA_RANDOM_SLOW_MS", 2000));
    QElapsedTimer clock;
    double slowest = 0;
    QString slowestAction;
    for (quint64 index = 1; index <= actions; ++index) {
        const Student::Action action = student.next();
        qsnprintf(g_currentAction, sizeof g_currentAction, "action %llu of seed %llu: %s", index, seed,
                  qPrintable(action.text));
        if (verbose)
            qInfo("%s", g_currentAction);
        clock.start();
        action.run();
        QCoreApplication::processEvents();
        quality::deleteClosedWindows();
        const double ms = clock.nsecsElapsed() / 1e6;
        if (!action.waits && ms > slowest) {
            slowest = ms;
            slowestAction = action.text;
        }
        if (action.editsMainWindowInput)
            invariants.inputTyped();
        invariants.check(*form1, action.text, index, ms, action.waits);
        watchdog.progress();
        for (QWidget *window : quality::windowsOf<QWidget>())
            if (window->isVisible() && window != form1.get()) {
                const QStringList missing = student.missingControls(*window);
                QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 lacks %2").arg(window->objectName(),
                                                                                         missing.join(u' '))));
            }
    }
    qInfo("random use: slowest action %.1f ms: %s", slowest, qPrintable(slowestAction));
    qstrncpy(g_currentAction, "closing the windows after the last action", sizeof g_currentAction);

    // Every window closes, so that nothing is left over at exit.
    quality::closeOpenedWindows();
    form1.reset();
    qInstallMessageHandler(g_testLibraryHandler);
    findings.print(seed);
    QVERIFY2(findings.empty(), qPrintable(QStringLiteral("%1 invariant(s) broken, each told above; replay with "
                                                         "VORBELIA_RANDOM_SEED=%2").arg(findings.count()).arg(seed)));
}

// The test library's main, with room for a soak: the library ends a test
// function after five minutes unless told otherwise.
int main(int argc, char **argv)
{
    const quint64 actions = environmentNumber("VORBELIA_RANDOM_ACTIONS", kDefaultActions);
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(std::max<quint64>(300000, 100 * actions)));
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    RandomUseTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_random_use.moc"
