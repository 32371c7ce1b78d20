#include "frmsplash.h"

#include "classic_frame.h"
#include "surface.h"
#include "twips.h"
#include "window_build.h"
#include "shared_icon.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

using namespace winbuild;

namespace {

constexpr double kClientWidth = 7380;
constexpr double kClientHeight = 4245;
// The fixed dialog border around the client area, in pixels.
constexpr int kBorderPixels = 3;
constexpr int kTimerInterval = 10000;

const QColor kDarkBlue(0, 0, 64);
const QColor kHighlightText(255, 255, 255);
const QColor kInactiveTitleBar(128, 128, 128);

// A frame without caption: its area with an etched edge around it.
class EtchedFrame : public Surface
{
public:
    using Surface::Surface;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        Surface::paintEvent(event);
        QPainter painter(this);
        const QRect edge = rect();
        paintClassicFrame(painter, edge, classic::kShadow, classic::kHighlight);
        paintClassicFrame(painter, edge.adjusted(1, 1, -1, -1), classic::kHighlight, classic::kShadow);
    }
};

// The opaque labels: grey text on dark blue.
SurfaceLabel *addOpaqueLabel(Surface *frame, const char *name, const QString &caption, double left,
                             double top, const QFont &font, Qt::Alignment alignment)
{
    SurfaceLabel *label = addOpaqueCaption(frame, QLatin1String(name), caption, left, top, kDarkBlue, font,
                                           kApplicationWorkspace);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

} // namespace

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(sharedIcon(QStringLiteral(":/icons/splash.svg")));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kDarkBlue);
    setPalette(colours);
    setFocusPolicy(Qt::StrongFocus);

    const QSize border(2 * kBorderPixels, 2 * kBorderPixels);
    setFixedSize(twips::size(kClientWidth, kClientHeight) + border);
    move(screen()->geometry().center() - rect().center());

    buildFrame();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
    Timer1->setTimerType(Qt::PreciseTimer);
    Form_Load();
    connectHandlers();
    Timer1->start();
}

void frmSplash::buildFrame()
{
    Frame1 = new EtchedFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips::rect(132, 84, 7080, 4050).translated(kBorderPixels, kBorderPixels));
    // Items are added back to front, the reverse of the design's listing.
    buildProductLines();
    buildTitle();
}

void frmSplash::buildProductLines()
{
    Label1 = addOpaqueLabel(Frame1, "Label1", QStringLiteral("Optimizado para resolución de 800x600"), 192, 3420,
                            uiFont(10), Qt::AlignRight);
    lblPlatform = addOpaqueLabel(Frame1, "lblPlatform", QStringLiteral("Windows 95,98,NT, Me, 2000, XP"), 228,
                                 3180, uiFont(10), Qt::AlignRight);
    lblVersion = addOpaqueLabel(Frame1, "lblVersion", QStringLiteral("v. 1.0.0"), 3024, 2316, uiFont(16, true),
                                Qt::AlignRight);
    lblProductName = addOpaqueLabel(Frame1, "lblProductName", QStringLiteral("Producto"), 2115, 1590,
                                    uiFont(43, true), Qt::AlignLeft);
}

void frmSplash::buildTitle()
{
    // The engraved rule under the series title.
    Line1[0] = Frame1->addLine(indexed("Line1", 0), 330, 1245, 6600, 1245);
    Line1[0]->setColor(kInactiveTitleBar);
    Line1[1] = Frame1->addLine(indexed("Line1", 1), 315, 1230, 6585, 1230);
    Line1[1]->setColor(QColor(64, 64, 64));
    Line1[1]->setPenWidth(2);

    // The series title over its shadow, 30 twips down and to the right.
    Label2 = addCaption(Frame1, QStringLiteral("Label2"), QStringLiteral("Zelmora"), 1635, 630, uiFont(32),
                        kApplicationWorkspace);
    Label3 = addCaption(Frame1, QStringLiteral("Label3"), QStringLiteral("Zelmora"), 1605, 600, uiFont(32),
                        kHighlightText);

    imgLogo = Frame1->addImage(QStringLiteral("imgLogo"), QStringLiteral(":/pictures/logo.svg"), 336, 420, 1140, 648);
    imgLogo->setStretch(true);
}

void frmSplash::connectHandlers()
{
    // A click counts for the frame only where the press found no label or
    // logo there: those take their own clicks.
    connect(Frame1, &Surface::mousePressed, this, [this](Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y) {
        m_pressOnFreeFrame = Frame1->itemAt(x, y) == nullptr;
    });
    connect(Frame1, &Surface::clicked, this, [this] {
        if (m_pressOnFreeFrame)
            Frame1_Click();
    });
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

void frmSplash::Form_Load()
{
    lblVersion->setCaption(QStringLiteral("Versión: ") + QCoreApplication::applicationVersion());
    lblProductName->setCaption(QCoreApplication::applicationName());
}

void frmSplash::Form_KeyPress()
{
    handOver();
}

void frmSplash::Frame1_Click()
{
    handOver();
}

void frmSplash::Timer1_Timer()
{
    handOver();
}

// Unloads the splash (its timer stops with it), then lets the main window be shown.
void frmSplash::handOver()
{
    if (m_handedOver)
        return;
    m_handedOver = true;
    Timer1->stop();
    close();
    emit handedOver();
}

bool frmSplash::event(QEvent *event)
{
    // Every key that types a character, Enter, Esc and Tab included, reaches
    // the window itself; keys without a character do nothing.
    if (event->type() == QEvent::KeyPress && !static_cast<QKeyEvent *>(event)->text().isEmpty()) {
        Form_KeyPress();
        return true;
    }
    // Only the hand-over closes the splash: with no frame, it offers no other way.
    if (event->type() == QEvent::Close && !m_handedOver) {
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

void frmSplash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QColor face = palette().color(QPalette::Button);
    classic::paintRaised(painter, rect(), face);
    paintClassicFrame(painter, rect().adjusted(2, 2, -2, -2), face, face);
}
