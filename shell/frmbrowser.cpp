#include "frmbrowser.h"

#include "twips.h"
#include "web_browser.h"
#include "window_build.h"
#include "shared_icon.h"

#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

namespace {

const QString kBusyCaption = QStringLiteral("Trabajando...");

// Heights of the two bars aligned to the window's top, in twips.
constexpr double kToolBarHeight = 540;
constexpr double kStripHeight = 390;
// The address box ends where the browser area begins (825 = 540 + 15 + 270),
// so that the browser, which lies over the strip's foot, leaves it whole.
constexpr double kAddressBoxHeight = 270;

struct ToolButton
{
    const char *key;
    const char *picture; // under :/browser/, none for a button without one
    const char *toolTip;
};

// The toolbar's buttons from the left; the key is what a click is told by.
const ToolButton kToolButtons[] = {
    {"Back", "back", "Atrás"},
    {"Forward", "forward", "Adelante"},
    {"Stop", "stop", "Detener"},
    {"Refresh", "refresh", "Actualizar"},
    {"Home", "home", "Inicio"},
    {"Search", "search", "Búsqueda"},
    {"Salir", nullptr, "Cerrar"},
};

} // namespace

QString frmBrowser::systemWebAddress()
{
    return QStringLiteral("https://www.vorbelia.es/");
}

frmBrowser::frmBrowser(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowIcon(sharedIcon(QStringLiteral(":/icons/app.svg")));
    setFont(winbuild::windowFont());
    setAttribute(Qt::WA_DeleteOnClose);

    // First in the tab order, so it has the focus when the window opens...
    brwWebBrowser = new WebBrowser(this);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    brwWebBrowser->move(twips::point(kBrowserLeft, kBrowserTop));
    buildToolBar();
    buildAddressStrip();
    // ...and in front of the address strip, whose lowest part it covers.
    brwWebBrowser->raise();

    timTimer = new QTimer(this);
    timTimer->setObjectName(QStringLiteral("timTimer"));
    timTimer->setInterval(5);

    resize(twips::size(kClientWidth, kClientHeight));
    setWindowState(Qt::WindowMaximized);
    connectHandlers();
}

void frmBrowser::buildToolBar()
{
    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setIconSize(QSize(24, 24));
    for (const ToolButton &button : kToolButtons) {
        auto *action = tbToolBar->addAction(QString::fromUtf8(button.toolTip));
        action->setObjectName(QLatin1String(button.key));
        action->setData(QLatin1String(button.key));
        action->setToolTip(QString::fromUtf8(button.toolTip));
        QWidget *face = tbToolBar->widgetForAction(action);
        if (button.picture) {
            action->setIcon(sharedIcon(QStringLiteral(":/browser/%1.svg").arg(QLatin1String(button.picture))));
            face->setFixedSize(31, 30);
        } else {
            // No picture: the button shows its tooltip's word.
            action->setStatusTip(QStringLiteral("Cerrar explorador"));
            action->setWhatsThis(QStringLiteral("Cerrar explorador"));
            face->setFixedHeight(30);
        }
    }
}

void frmBrowser::buildAddressStrip()
{
    picAddress = new QWidget(this);
    picAddress->setObjectName(QStringLiteral("picAddress"));

    lblAddress = new QLabel(QStringLiteral("&Dirección:"), picAddress);
    lblAddress->setObjectName(QStringLiteral("lblAddress"));
    lblAddress->setGeometry(twips::rect(0, 45, 3075, 255));
    lblAddress->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The narrower face keeps the caption clear of the box beside it.
    lblAddress->setFont(winbuild::condensedFont(11));

    cboAddress = new QComboBox(picAddress);
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    cboAddress->setEditable(true);
    // The list holds only what the window puts in it, never what is typed.
    cboAddress->setInsertPolicy(QComboBox::NoInsert);
    cboAddress->setGeometry(twips::rect(765, 15, 3795, kAddressBoxHeight));
    showAddress(WebBrowser::homePage());
    lblAddress->setBuddy(cboAddress);
}

void frmBrowser::connectHandlers()
{
    connect(cboAddress, &QComboBox::activated, this, &frmBrowser::cboAddress_Click);
    cboAddress->installEventFilter(this);
    connect(timTimer, &QTimer::timeout, this, &frmBrowser::timTimer_Timer);
    connect(brwWebBrowser, &WebBrowser::downloadComplete, this,
            &frmBrowser::brwWebBrowser_DownloadComplete);
    connect(tbToolBar, &QToolBar::actionTriggered, this, &frmBrowser::tbToolBar_ButtonClick);
}

void frmBrowser::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_loaded)
        Form_Load();
}

void frmBrowser::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    alignBars();
    Form_Resize();
}

// Enter in the address box is taken here, as the box's key press, before the
// combo box would treat it as a pick from its list. The keys come to the
// combo box itself, which has the focus for its text box and hands the keys
// on to it directly, past any filter there.
bool frmBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != cboAddress || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        cboAddress_KeyPress(13);
        return true;
    }
    if (!key->text().isEmpty())
        cboAddress_KeyPress(key->text().at(0).unicode());
    return false;
}

// The toolbar and the address strip span the window's width, one under the other.
void frmBrowser::alignBars()
{
    const int stripTop = twips::toPixelsRounded(kToolBarHeight);
    tbToolBar->setGeometry(0, 0, width(), stripTop);
    picAddress->setGeometry(0, stripTop, width(), twips::toPixelsRounded(kStripHeight));
}

// Puts an address into the box, shown from its beginning.
void frmBrowser::showAddress(const QString &address)
{
    cboAddress->setEditText(address);
    cboAddress->lineEdit()->setCursorPosition(0);
}

void frmBrowser::Form_Load()
{
    m_loaded = true;
    show();
    tbToolBar->update();
    Form_Resize();
    if (!StartingAddress.isEmpty()) {
        showAddress(StartingAddress);
        cboAddress->addItem(cboAddress->currentText());
        timTimer->start();
        brwWebBrowser->navigate(StartingAddress);
    }
    cboAddress_Click();
}

// The browser area follows the window's right and bottom edges; below its
// smallest size it keeps a size of zero.
void frmBrowser::Form_Resize()
{
    const double innerWidth = twips::fromPixels(width());
    const double innerHeight = twips::fromPixels(height());
    const double stripBottom = twips::fromPixels(picAddress->y() + picAddress->height());
    const double browserWidth = std::max(0.0, innerWidth - kBrowserMargin);
    const double browserHeight = std::max(0.0, innerHeight - stripBottom - kBrowserMargin);
    brwWebBrowser->resize(twips::size(browserWidth, browserHeight));
}

void frmBrowser::cboAddress_Click()
{
    timTimer->start();
    brwWebBrowser->navigate(cboAddress->currentText());
}

void frmBrowser::cboAddress_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        cboAddress_Click();
}

void frmBrowser::timTimer_Timer()
{
    if (brwWebBrowser->busy()) {
        setWindowTitle(kBusyCaption);
        return;
    }
    timTimer->stop();
    setWindowTitle(brwWebBrowser->locationName());
}

void frmBrowser::brwWebBrowser_DownloadComplete()
{
    setWindowTitle(brwWebBrowser->locationName());
}

void frmBrowser::tbToolBar_ButtonClick(QAction *button)
{
    timTimer->start();
    const QString key = button->data().toString();
    if (key == QLatin1String("Back")) {
        brwWebBrowser->goBack();
    } else if (key == QLatin1String("Forward")) {
        brwWebBrowser->goForward();
    } else if (key == QLatin1String("Refresh")) {
        brwWebBrowser->refresh();
    } else if (key == QLatin1String("Home")) {
        brwWebBrowser->goHome();
        showAddress(systemWebAddress());
        cboAddress_Click();
    } else if (key == QLatin1String("Search")) {
        brwWebBrowser->goSearch();
    } else if (key == QLatin1String("Stop")) {
        timTimer->stop();
        brwWebBrowser->stop();
        setWindowTitle(brwWebBrowser->locationName());
    } else if (key == QLatin1String("Salir")) {
        close();
    }
}
