#include "frmbrowser.h"
#include "twips.h"
#include "web_browser.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
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
    file.write(QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                              "<body><p>%1</p></body></html>")
                   .arg(title)
                   .toUtf8());
}

void clickButton(frmBrowser &form, const char *key)
{
    auto *action = form.tbToolBar->findChild<QAction *>(QLatin1String(key));
    QVERIFY2(action, key);
    QTest::mouseClick(form.tbToolBar->widgetForAction(action), Qt::LeftButton);
}

void typeAddress(frmBrowser &form, const QString &address)
{
    QLineEdit *edit = form.cboAddress->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, address);
}

// A real click on the first link whose text is `text`.
void clickLink(QTextBrowser *view, const QString &text)
{
    const QTextCursor found = view->document()->find(text, 0, QTextDocument::FindCaseSensitively);
    QVERIFY2(!found.isNull(), qPrintable(text));
    QTextCursor inside(view->document());
    inside.setPosition(found.selectionStart() + 2);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(inside).center());
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
    void startingAddressIsOpenedAndListed();
    void enterNavigatesTypingAloneDoesNot_data();
    void enterNavigatesTypingAloneDoesNot();
    void altDFocusesAddressBox();
    void homeEndsOnSystemWebSite();
    void stopWritesLocationNameAtOnce();
    void closeButtonClosesOnlyTheBrowser();
    void linksBackAndForward();
    void searchAndRefresh();
    void unreachableAddressesShowErrorPage_data();
    void unreachableAddressesShowErrorPage();
    void localPageShowsItsPicture();
    void everyHelpLinkLeadsToAPage_data();
    void everyHelpLinkLeadsToAPage();
    void browserAreaFollowsWindowSize_data();
    void browserAreaFollowsWindowSize();
    void tinyWindowDoesNotBreakBrowserArea();
    void rendersWindow();

private:
    // Shows the window and waits until it shows its start page.
    bool openForm();

    QPointer<frmBrowser> m_form;
    QTemporaryDir m_dir;
};

void FrmBrowserTest::init()
{
    m_form = new frmBrowser;
}

void FrmBrowserTest::cleanup()
{
    delete m_form;
}

bool FrmBrowserTest::openForm()
{
    m_form->show();
    return settled(*m_form) && m_form->windowTitle() == kStartTitle;
}

void FrmBrowserTest::opensOnStartPageThroughBusyCaption()
{
    QSignalSpy captions(m_form.data(), &QWidget::windowTitleChanged);
    m_form->show();
    QVERIFY(m_form->windowState() & Qt::WindowMaximized);
    QTRY_COMPARE(m_form->windowTitle(), kStartTitle);
    QVERIFY(!captions.isEmpty());
    QCOMPARE(captions.first().first().toString(), QStringLiteral("Trabajando..."));
    QVERIFY(settled(*m_form));
    QCOMPARE(m_form->brwWebBrowser->locationURL(), WebBrowser::homePage());
    QCOMPARE(m_form->cboAddress->currentText(), QStringLiteral("C:\\Archivos de programa\\Vorbelia\\index.htm"));
    QCOMPARE(m_form->cboAddress->count(), 0);
    QVERIFY(m_form->brwWebBrowser->view()->hasFocus()); // first in the tab order
}

void FrmBrowserTest::startingAddressIsOpenedAndListed()
{
    const QString page = m_dir.filePath(QStringLiteral("inicio.htm"));
    writePage(page, QStringLiteral("Página de partida"));
    m_form->StartingAddress = page;
    m_form->show();
    QTRY_COMPARE(m_form->windowTitle(), QStringLiteral("Página de partida"));
    QCOMPARE(m_form->cboAddress->count(), 1);
    QCOMPARE(m_form->cboAddress->itemText(0), page);

    // Elsewhere, then back by picking the address from the box's list.
    clickButton(*m_form, "Search");
    QVERIFY(settled(*m_form));
    QTest::keyClick(m_form->cboAddress, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView *list = m_form->cboAddress->view();
    QTRY_VERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(settled(*m_form));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Página de partida"));
}

void FrmBrowserTest::enterNavigatesTypingAloneDoesNot_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Intro") << int(Qt::Key_Return);
    QTest::newRow("Intro del teclado numérico") << int(Qt::Key_Enter);
}

void FrmBrowserTest::enterNavigatesTypingAloneDoesNot()
{
    QFETCH(int, key);
    QVERIFY(openForm());
    frmBrowser &form = *m_form;
    const QString page = m_dir.filePath(QStringLiteral("local.htm"));
    writePage(page, QStringLiteral("Página local"));

    typeAddress(form, page);
    QTest::qWait(60);
    QVERIFY(!form.timTimer->isActive());
    QCOMPARE(form.windowTitle(), kStartTitle);

    QTest::keyClick(form.cboAddress->lineEdit(), Qt::Key(key));
    QTRY_COMPARE(form.windowTitle(), QStringLiteral("Página local"));
    QCOMPARE(form.brwWebBrowser->locationURL(), page);
    // Enter navigates; it never adds what was typed to the list.
    QCOMPARE(form.cboAddress->count(), 0);
    QCOMPARE(form.cboAddress->currentText(), page);
}

void FrmBrowserTest::altDFocusesAddressBox()
{
    QVERIFY(openForm());
    frmBrowser &form = *m_form;
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.brwWebBrowser->setFocus();
    QTest::keyClick(&form, Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(form.cboAddress->hasFocus());
}

void FrmBrowserTest::homeEndsOnSystemWebSite()
{
    QVERIFY(openForm());
    frmBrowser &form = *m_form;
    clickButton(form, "Home");
    QVERIFY(settled(form));
    QCOMPARE(form.windowTitle(), WebBrowser::errorPageTitle());
    QCOMPARE(form.cboAddress->currentText(), frmBrowser::systemWebAddress());
    QCOMPARE(form.brwWebBrowser->locationURL(), frmBrowser::systemWebAddress());
}

void FrmBrowserTest::stopWritesLocationNameAtOnce()
{
    QVERIFY(openForm());
    frmBrowser &form = *m_form;
    const QString page = m_dir.filePath(QStringLiteral("lenta.htm"));
    writePage(page, QStringLiteral("Página detenida"));
    form.brwWebBrowser->setLoadTime(60000);
    typeAddress(form, page);
    QTest::keyClick(form.cboAddress->lineEdit(), Qt::Key_Return);
    QVERIFY(form.timTimer->isActive());

    clickButton(form, "Stop");
    QCOMPARE(form.windowTitle(), kStartTitle);
    QVERIFY(!form.timTimer->isActive());
    QVERIFY(!form.brwWebBrowser->busy());
    QTest::qWait(60);
    QCOMPARE(form.windowTitle(), kStartTitle);
    QCOMPARE(form.brwWebBrowser->locationURL(), WebBrowser::homePage());
}

void FrmBrowserTest::closeButtonClosesOnlyTheBrowser()
{
    QWidget mainWindow;
    mainWindow.show();
    QVERIFY(openForm());
    frmBrowser &form = *m_form;
    clickButton(form, "Salir");
    QTRY_VERIFY(m_form.isNull());
    QVERIFY(mainWindow.isVisible());
}

void FrmBrowserTest::linksBackAndForward()
{
    QVERIFY(openForm());
    frmBrowser &form = *m_form;
    QVERIFY(!form.brwWebBrowser->goBack()); // nothing behind the first page

    clickLink(form.brwWebBrowser->view(), kPanelTitle);
    QTRY_COMPARE(form.windowTitle(), kPanelTitle);
    QCOMPARE(form.brwWebBrowser->locationURL(), WebBrowser::programFolder() + QStringLiteral("panel.htm"));
    // Following a link leaves the address box as the user left it.
    QCOMPARE(form.cboAddress->currentText(), WebBrowser::homePage());

    const struct
    {
        const char *button;
        QString title;
    } steps[] = {{"Back", kStartTitle}, {"Forward", kPanelTitle}, {"Forward", kPanelTitle},
                 {"Back", kStartTitle}, {"Back", kStartTitle}};
    for (const auto &step : steps) {
        clickButton(form, step.button);
        QVERIFY(settled(form));
        QCOMPARE(form.windowTitle(), step.title);
    }
}

void FrmBrowserTest::searchAndRefresh()
{
    QVERIFY(openForm());
    frmBrowser &form = *m_form;
    clickButton(form, "Search");
    QVERIFY(settled(form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Búsqueda en la ayuda"));

    const QString page = m_dir.filePath(QStringLiteral("cambia.htm"));
    writePage(page, QStringLiteral("Primera versión"));
    typeAddress(form, page);
    QTest::keyClick(form.cboAddress->lineEdit(), Qt::Key_Return);
    QTRY_COMPARE(form.windowTitle(), QStringLiteral("Primera versión"));
    writePage(page, QStringLiteral("Segunda versión"));
    clickButton(form, "Refresh");
    QVERIFY(settled(form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Segunda versión"));
}

void FrmBrowserTest::unreachableAddressesShowErrorPage_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("web") << QStringLiteral("http://www.example.com/");
    QTest::newRow("bare host") << QStringLiteral("www.vorbelia.es");
    QTest::newRow("missing help page") << QStringLiteral("C:\\Archivos de programa\\Vorbelia\\nada.htm");
    QTest::newRow("other drive") << QStringLiteral("D:\\ayuda\\index.htm");
    QTest::newRow("missing local file") << m_dir.filePath(QStringLiteral("no-existe.htm"));
    QTest::newRow("folder") << m_dir.path();
    QTest::newRow("device") << QStringLiteral("/dev/zero");
    QTest::newRow("unknown kind") << QStringLiteral("mailto:ayuda@vorbelia.es");
}

void FrmBrowserTest::unreachableAddressesShowErrorPage()
{
    QFETCH(QString, address);
    QVERIFY(openForm());
    frmBrowser &form = *m_form;
    typeAddress(form, address);
    QTest::keyClick(form.cboAddress->lineEdit(), Qt::Key_Return);
    QVERIFY(settled(form));
    QCOMPARE(form.windowTitle(), WebBrowser::errorPageTitle());
    QVERIFY(form.brwWebBrowser->view()->toPlainText().contains(form.brwWebBrowser->locationURL()));

    // The error page is a page of the history like any other.
    clickButton(form, "Back");
    QVERIFY(settled(form));
    QCOMPARE(form.windowTitle(), kStartTitle);
}

void FrmBrowserTest::localPageShowsItsPicture()
{
    QDir(m_dir.path()).mkdir(QStringLiteral("fotos"));
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(m_dir.filePath(QStringLiteral("fotos/rojo.png"))));
    QFile page(m_dir.filePath(QStringLiteral("foto.htm")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><body><img src=\"fotos/rojo.png\" width=\"40\" height=\"40\"></body></html>");
    page.close();

    WebBrowser browser;
    browser.resize(200, 120);
    QVERIFY(browser.navigate(page.fileName()));
    QVERIFY(QTest::qWaitFor([&] { return !browser.busy(); }));
    const QImage shown = browser.grab().toImage();
    QCOMPARE(shown.pixelColor(20, 20), QColor(Qt::red));
}

void FrmBrowserTest::everyHelpLinkLeadsToAPage_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("link");
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
    for (const char *page : {":/help/index.htm", ":/help/panel.htm", ":/help/carta.htm",
                             ":/help/ciclo.htm", ":/browser/search.htm", ":/browser/error.htm"}) {
        QFile file{QLatin1String(page)};
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QSet<QString> links;
        for (const auto &match : href.globalMatch(html))
            links.insert(match.captured(1));
        for (const QString &link : std::as_const(links))
            QTest::addRow("%s %s", page, qPrintable(link)) << QStringLiteral("qrc") + QLatin1String(page) << link;
    }
}

void FrmBrowserTest::everyHelpLinkLeadsToAPage()
{
    QFETCH(QString, page);
    QFETCH(QString, link);
    WebBrowser browser;
    const auto loaded = [&] { return QTest::qWaitFor([&] { return !browser.busy(); }); };
    QVERIFY(browser.navigate(page));
    QVERIFY(loaded());
    emit browser.view()->anchorClicked(QUrl(link));
    QVERIFY(loaded());
    QVERIFY2(browser.locationName() != WebBrowser::errorPageTitle(), qPrintable(browser.locationURL()));
    const QString anchor = QUrl(link).fragment();
    if (!anchor.isEmpty())
        QVERIFY2(browser.view()->toHtml().contains(QStringLiteral("name=\"%1\"").arg(anchor)), qPrintable(anchor));
}

void FrmBrowserTest::browserAreaFollowsWindowSize_data()
{
    QTest::addColumn<int>("wider");
    QTest::addColumn<int>("higher");
    // 1000 twips are 66.7 pixels: the window grows by whole pixels.
    const int step = twips::toPixelsRounded(1000);
    QTest::newRow("wider") << step << 0;
    QTest::newRow("higher") << 0 << step;
    QTest::newRow("both") << step << step;
    QTest::newRow("smaller") << -step << -step;
}

void FrmBrowserTest::browserAreaFollowsWindowSize()
{
    QFETCH(int, wider);
    QFETCH(int, higher);
    QVERIFY(openForm());
    frmBrowser &form = *m_form;
    form.showNormal();
    const QSize design = twips::size(frmBrowser::kClientWidth, frmBrowser::kClientHeight);
    form.resize(design);
    QTRY_COMPARE(form.size(), design);
    const QRect before = form.brwWebBrowser->geometry();
    // The area's right edge stays 70 twips inside the window, its bottom 205 twips above.
    QVERIFY(qAbs(twips::fromPixels(form.width() - before.x() - before.width()) - 70) <= 8);
    QVERIFY(qAbs(twips::fromPixels(form.height() - before.y() - before.height()) - 205) <= 8);

    form.resize(design + QSize(wider, higher));
    QTRY_COMPARE(form.size(), design + QSize(wider, higher));
    const QRect after = form.brwWebBrowser->geometry();
    QCOMPARE(after.topLeft(), twips::point(frmBrowser::kBrowserLeft, frmBrowser::kBrowserTop));
    QCOMPARE(after.size() - before.size(), QSize(wider, higher));
    QCOMPARE(form.cboAddress->width(), twips::toPixelsRounded(3795));
}

void FrmBrowserTest::tinyWindowDoesNotBreakBrowserArea()
{
    QVERIFY(openForm());
    frmBrowser &form = *m_form;
    form.showNormal();
    for (const QSize size : {QSize(5, 30), QSize(1, 1), QSize(400, 61)}) {
        form.resize(size);
        QTRY_COMPARE(form.size(), size);
        QVERIFY(form.brwWebBrowser->width() >= 0 && form.brwWebBrowser->height() >= 0);
    }
    QCOMPARE(form.brwWebBrowser->height(), 0);
    form.resize(twips::size(frmBrowser::kClientWidth, frmBrowser::kClientHeight));
    QTRY_VERIFY(form.brwWebBrowser->height() > 400);
}

void FrmBrowserTest::rendersWindow()
{
    QVERIFY(openForm());
    frmBrowser &form = *m_form;
    form.showNormal();
    form.resize(800, 600);
    QTRY_COMPARE(form.size(), QSize(800, 600));
    QTest::mouseMove(form.windowHandle(), QPoint(790, 590)); // no button under the pointer
    for (const qreal ratio : {1.0, 2.0}) {
        QImage image(form.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        form.render(&image);
        const QString path = QStringLiteral(VORBELIA_TEST_OUTPUT_DIR "/frmbrowser_%1x.png").arg(int(ratio));
        QVERIFY(image.save(path));
    }
}

QTEST_MAIN(FrmBrowserTest)
#include "tst_frmbrowser.moc"
