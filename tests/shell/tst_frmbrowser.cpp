#include "frmbrowser.h"
#include "twips.h"
#include "web_browser.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

namespace {

const QString kStartTitle = QStringLiteral("Ayuda de Vorbelia");
const QString kPanelTitle = QStringLiteral("El panel de mandos");

void writePage(const QString &path, const QString &title)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body>%1</body></html>")
                   .arg(title).toUtf8());
}

void clickButton(frmBrowser &form, const char *key)
{
    auto *action = form.tbToolBar->findChild<QAction *>(QLatin1String(key));
    QVERIFY2(action, key);
    QTest::mouseClick(form.tbToolBar->widgetForAction(action), Qt::LeftButton);
}

void typeAddress(frmBrowser &form, const QString &address, Qt::Key enter = Qt::Key_Return)
{
    QLineEdit *edit = form.cboAddress->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, address);
    if (enter != Qt::Key_unknown)
        QTest::keyClick(edit, enter);
}

bool settled(frmBrowser &form)
{
    return QTest::qWaitFor([&] { return !form.timTimer->isActive() && !form.brwWebBrowser->busy(); });
}

} // namespace

class FrmBrowserTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnStartPageThroughBusyCaption();
    void enterNavigatesTypingAloneDoesNot();
    void homeEndsOnSystemWebSite();
    void stopWritesLocationNameAtOnce();
    void closeButtonClosesOnlyTheBrowser();
    void linksBackAndForward();
    void unreachableAddressesShowErrorPage();
    void browserAreaFollowsWindowSize();
    void tinyWindowDoesNotBreakBrowserArea();

private:
    QPointer<frmBrowser> m_form;
    QTemporaryDir m_dir;
};

// Every test but the first starts with the window shown on its start page.
void FrmBrowserTest::init()
{
    m_form = new frmBrowser;
    if (QTest::currentTestFunction() != QByteArray("opensOnStartPageThroughBusyCaption")) {
        m_form->show();
        QVERIFY(settled(*m_form));
        QCOMPARE(m_form->windowTitle(), kStartTitle);
    }
}

void FrmBrowserTest::cleanup()
{
    delete m_form;
}

void FrmBrowserTest::opensOnStartPageThroughBusyCaption()
{
    QSignalSpy captions(m_form.data(), &QWidget::windowTitleChanged);
    m_form->show();
    QVERIFY(m_form->windowState() & Qt::WindowMaximized);
    QTRY_COMPARE(m_form->windowTitle(), kStartTitle);
    QCOMPARE(captions.first().first().toString(), QStringLiteral("Trabajando..."));
    QCOMPARE(m_form->brwWebBrowser->locationURL(), WebBrowser::homePage());
    QCOMPARE(m_form->cboAddress->currentText(), QStringLiteral("C:\\Archivos de programa\\Vorbelia\\index.htm"));
}

void FrmBrowserTest::enterNavigatesTypingAloneDoesNot()
{
    QString shown = kStartTitle;
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {   // the main and the keypad key
        const QString page = m_dir.filePath(QStringLiteral("%1.htm").arg(int(enter)));
        writePage(page, page);
        typeAddress(*m_form, page, Qt::Key_unknown);
        QTest::qWait(60);
        QVERIFY(!m_form->timTimer->isActive());
        QCOMPARE(m_form->windowTitle(), shown);
        QTest::keyClick(m_form->cboAddress->lineEdit(), enter);
        shown = page;
        QTRY_COMPARE(m_form->windowTitle(), shown);
        QCOMPARE(m_form->cboAddress->count(), 0);   // what was typed is not listed
    }
}

void FrmBrowserTest::homeEndsOnSystemWebSite()
{
    clickButton(*m_form, "Home");
    QVERIFY(settled(*m_form));
    QCOMPARE(m_form->brwWebBrowser->locationURL(), frmBrowser::systemWebAddress());
    QCOMPARE(m_form->cboAddress->currentText(), frmBrowser::systemWebAddress());
}

void FrmBrowserTest::stopWritesLocationNameAtOnce()
{
    const QString page = m_dir.filePath(QStringLiteral("lenta.htm"));
    writePage(page, QStringLiteral("Página detenida"));
    m_form->brwWebBrowser->setLoadTime(60000);
    typeAddress(*m_form, page);
    QVERIFY(m_form->timTimer->isActive());

    clickButton(*m_form, "Stop");
    QCOMPARE(m_form->windowTitle(), kStartTitle);
    QVERIFY(!m_form->timTimer->isActive() && !m_form->brwWebBrowser->busy());
    QTest::qWait(60);
    QCOMPARE(m_form->windowTitle(), kStartTitle);
}

void FrmBrowserTest::closeButtonClosesOnlyTheBrowser()
{
    QWidget mainWindow;
    mainWindow.show();
    clickButton(*m_form, "Salir");
    QTRY_VERIFY(m_form.isNull());
    QVERIFY(mainWindow.isVisible());
}

void FrmBrowserTest::linksBackAndForward()
{
    QTextBrowser *view = m_form->brwWebBrowser->view();
    QVERIFY(!m_form->brwWebBrowser->goBack());   // nothing behind the first page
    // A real click on the link.
    QTextCursor link = view->document()->find(kPanelTitle, 0, QTextDocument::FindCaseSensitively);
    QVERIFY(!link.isNull());
    link.setPosition(link.selectionStart() + 2);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(link).center());
    QTRY_COMPARE(m_form->windowTitle(), kPanelTitle);
    // Following a link leaves the address box as the user left it.
    QCOMPARE(m_form->cboAddress->currentText(), WebBrowser::homePage());

    const std::pair<const char *, QString> steps[] = {{"Back", kStartTitle}, {"Forward", kPanelTitle},
                                                      {"Forward", kPanelTitle}, {"Back", kStartTitle},
                                                      {"Back", kStartTitle}};
    for (const auto &[button, title] : steps) {
        clickButton(*m_form, button);
        QVERIFY(settled(*m_form));
        QCOMPARE(m_form->windowTitle(), title);
    }
}

void FrmBrowserTest::unreachableAddressesShowErrorPage()
{
    for (const QString &address : {QStringLiteral("http://www.example.com/"), m_dir.filePath(QStringLiteral("no.htm")),
                                   m_dir.path(), QStringLiteral("/dev/zero"), QStringLiteral("mailto:a@vorbelia.es")}) {
        typeAddress(*m_form, address);
        QVERIFY(settled(*m_form));
        QVERIFY2(m_form->windowTitle() == WebBrowser::errorPageTitle(), qPrintable(address));
        // The error page is a page of the history like any other.
        clickButton(*m_form, "Back");
        QVERIFY(settled(*m_form));
        QCOMPARE(m_form->windowTitle(), kStartTitle);
    }
}

// The area's right edge stays 70 twips inside the window, its bottom 205
// twips above; its size follows the window's by whole pixels.
void FrmBrowserTest::browserAreaFollowsWindowSize()
{
    m_form->showNormal();
    const QSize design = twips::size(frmBrowser::kClientWidth, frmBrowser::kClientHeight);
    const int step = twips::toPixelsRounded(1000);
    for (const QSize growth : {QSize(0, 0), QSize(step, 0), QSize(0, step), QSize(-step, -step)}) {
        m_form->resize(design + growth);
        QTRY_COMPARE(m_form->size(), design + growth);
        const QRect area = m_form->brwWebBrowser->geometry();
        QCOMPARE(area.topLeft(), twips::point(frmBrowser::kBrowserLeft, frmBrowser::kBrowserTop));
        QVERIFY(qAbs(twips::fromPixels(m_form->width() - area.right() - 1) - 70) <= 8);
        QVERIFY(qAbs(twips::fromPixels(m_form->height() - area.bottom() - 1) - 205) <= 8);
    }
}

void FrmBrowserTest::tinyWindowDoesNotBreakBrowserArea()
{
    m_form->showNormal();
    for (const QSize size : {QSize(5, 30), QSize(1, 1), QSize(400, 61)}) {
        m_form->resize(size);
        QTRY_COMPARE(m_form->size(), size);
        QVERIFY(m_form->brwWebBrowser->width() >= 0 && m_form->brwWebBrowser->height() == 0);
    }
    m_form->resize(twips::size(frmBrowser::kClientWidth, frmBrowser::kClientHeight));
    QTRY_VERIFY(m_form->brwWebBrowser->height() > 400);
}

QTEST_MAIN(FrmBrowserTest)
#include "tst_frmbrowser.moc"
