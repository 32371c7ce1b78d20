#include "application.h"
#include "frmbrowser.h"
#include "twips.h"
#include "web_browser.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Keys go where the keyboard sends them: to the focus widget, the combo box
// when its text box has the focus.
void typeAddress(frmBrowser &form, const QString &address, Qt::Key enter = Qt::Key_Return)
{
    form.cboAddress->lineEdit()->clear();
    form.cboAddress->setFocus();
    QTest::keyClicks(form.cboAddress, address);
    if (enter != Qt::Key_unknown)
        QTest::keyClick(form.cboAddress, enter);
}

bool settled(frmBrowser &form)
{
    return QTest::qWaitFor([&] { return !form.timTimer->isActive() && !form.brwWebBrowser->busy(); });
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(data), qint64(data.size()));
}

// The longest time the event loop went without a turn while this lives.
class LoopWatch
{
public:
    LoopWatch()
    {
        m_tick.setTimerType(Qt::PreciseTimer);
        m_tick.setInterval(1);
        QObject::connect(&m_tick, &QTimer::timeout, [this] { m_longest = std::max(m_longest, m_clock.restart()); });
        m_clock.start();
        m_tick.start();
    }
    qint64 longest() const { return std::max(m_longest, m_clock.elapsed()); }

private:
    QTimer m_tick;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

// How the browser must answer an address.
enum class Shows { ErrorPage, Text, CutText };

} // namespace

Q_DECLARE_METATYPE(Shows)

namespace {

} // namespace

class FrmBrowserTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensOnStartPageThroughBusyCaption();
    void enterNavigatesTypingAloneDoesNot();
    void homeEndsOnSystemWebSite();
    void stopWritesLocationNameAtOnce();
    void closeButtonClosesOnlyTheBrowser();
    void linksBackAndForward();
    void historyKeysOfThePageWorkAsTheButtons();
    void refreshAndTheSameAddressReadThePageAfresh();
    void unreachableAddressesShowErrorPage();
    void anyAddressLeavesTheWindowsResponsive_data();
    void anyAddressLeavesTheWindowsResponsive();
    void picturesAndStyleSheetsOfPagesAreReadBounded();
    void closedBrowserGivesBackItsMemory();
    void contextMenusReadSpanish();
    void browserAreaFollowsWindowSize();
    void tinyWindowDoesNotBreakBrowserArea();

private:
    // Makes what an address row of anyAddressLeavesTheWindowsResponsive names.
    QString makeAddress(const QString &kind);

    QPointer<frmBrowser> m_form;
    QTemporaryDir m_dir;
};

// Qt's standard texts in Spanish, loaded as the program loads them.
void FrmBrowserTest::initTestCase()
{
    QVERIFY2(app::loadStandardTexts(), "Qt's Spanish translations (qt6-translations-l10n) are missing");
}

// Every test but the first starts with the window shown on its start page.
// No test may draw a warning from Qt: each one seen so far told of a fault
// (such as the history putting the cursor back on a page that is gone).
void FrmBrowserTest::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
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
        QTest::keyClick(m_form->cboAddress, enter);
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

// Alt+Left, Alt+Right and Alt+Up in the page load as "Atrás", "Adelante"
// and the browser's home do: the page and the caption follow.
void FrmBrowserTest::historyKeysOfThePageWorkAsTheButtons()
{
    const QString page = m_dir.filePath(QStringLiteral("otra.htm"));
    writePage(page, QStringLiteral("Otra"));
    typeAddress(*m_form, page);
    QVERIFY(settled(*m_form));
    QTextBrowser *view = m_form->brwWebBrowser->view();
    const std::pair<Qt::Key, QString> steps[] = {
        {Qt::Key_Left, kStartTitle}, {Qt::Key_Right, QStringLiteral("Otra")}, {Qt::Key_Up, kStartTitle}};
    for (const auto &[key, title] : steps) {
        QTest::keyClick(view, key, Qt::AltModifier);
        QVERIFY(settled(*m_form));
        QTRY_COMPARE(m_form->windowTitle(), title);
        QVERIFY(view->document()->toPlainText().contains(title));
    }
}

// "Actualizar", and the address shown entered again, read the page as it now
// is, in its place in the history: "Atrás" then leads to the page before.
void FrmBrowserTest::refreshAndTheSameAddressReadThePageAfresh()
{
    const QString page = m_dir.filePath(QStringLiteral("cambia.htm"));
    writePage(page, QStringLiteral("Primera"));
    typeAddress(*m_form, page);
    QVERIFY(settled(*m_form));
    writePage(page, QStringLiteral("Segunda"));
    clickButton(*m_form, "Refresh");
    QVERIFY(settled(*m_form));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Segunda"));
    writePage(page, QStringLiteral("Tercera"));
    typeAddress(*m_form, page);
    QVERIFY(settled(*m_form));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Tercera"));

    clickButton(*m_form, "Back");
    QVERIFY(settled(*m_form));
    QCOMPARE(m_form->windowTitle(), kStartTitle);
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

QString FrmBrowserTest::makeAddress(const QString &kind)
{
    if (kind.startsWith(QLatin1Char('/')))
        return kind;
    const QString path = m_dir.filePath(kind);
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
    if (kind == QLatin1String("folder"))
        return m_dir.path();
    if (kind == QLatin1String("sparse.txt")) {   // 64 GB of nothing, as a text
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("Sin nada\n") && file.resize(qint64(64) << 30)
            ? path : QString();
    }
    if (kind == QLatin1String("unreadable.htm")) {
        writePage(path, kind);
        QFile::setPermissions(path, {});
        return path;
    }
    if (kind == QLatin1String("binary.htm")) {   // 7 MB of random bytes
        QByteArray bytes(7 << 20, Qt::Uninitialized);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        writeFile(path, bytes);
    } else if (kind == QLatin1String("manual.pdf")) {   // no NUL, but not a text
        writeFile(path, "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj << /Type /Catalog >> endobj\n");
    } else if (kind == QLatin1String("long.txt")) {   // 15 MB of lines
        QByteArray line = QByteArrayLiteral("Temperatura seca 25,0 °C; húmeda 18,0 °C; presión 1013 mbar.\n");
        writeFile(path, line.repeated((15 << 20) / line.size()));
    } else if (kind == QLatin1String("long.htm")) {   // 15 MB of paragraphs
        QByteArray paragraph = QByteArrayLiteral("<p>El aire pasa por el <b>precalentador</b> y la batería.</p>\n");
        writeFile(path, "<html><head><title>Larga</title></head><body>"
                        + paragraph.repeated((15 << 20) / paragraph.size()));
    } else if (kind == QLatin1String("paragraph.txt")) {   // 4 MB of words without a line break
        writeFile(path, QByteArray("palabra ").repeated(1 << 19));
    } else if (kind == QLatin1String("one line.txt")) {   // 2 MB without a line break
        writeFile(path, QByteArray(2 << 20, 'x'));
    }
    return path;
}

void FrmBrowserTest::anyAddressLeavesTheWindowsResponsive_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Shows>("shows");
    QTest::newRow("/dev/zero") << "/dev/zero" << Shows::ErrorPage;
    QTest::newRow("/dev/urandom") << "/dev/urandom" << Shows::ErrorPage;
    QTest::newRow("/proc pagemap, size 0") << "/proc/self/pagemap" << Shows::ErrorPage;
    QTest::newRow("/proc status, a text of size 0") << "/proc/self/status" << Shows::Text;
    QTest::newRow("/proc mem, unreadable") << "/proc/self/mem" << Shows::ErrorPage;
    QTest::newRow("FIFO without writer") << "fifo" << Shows::ErrorPage;
    QTest::newRow("folder") << "folder" << Shows::ErrorPage;
    QTest::newRow("file without read rights") << "unreadable.htm" << Shows::ErrorPage;
    QTest::newRow("huge sparse file") << "sparse.txt" << Shows::ErrorPage;
    QTest::newRow("7 MB binary") << "binary.htm" << Shows::ErrorPage;
    QTest::newRow("not a text by type") << "manual.pdf" << Shows::ErrorPage;
    QTest::newRow("15 MB text") << "long.txt" << Shows::CutText;
    QTest::newRow("15 MB page") << "long.htm" << Shows::CutText;
    QTest::newRow("2 MB on one line") << "one line.txt" << Shows::CutText;
    QTest::newRow("a paragraph of 4 MB") << "paragraph.txt" << Shows::CutText;
}

// Whatever the address, the program lives, the event loop turns within
// 0.1 s (while the page loads, when the user goes to its end and back from
// it) and the browser shows the page, cut with its notice, or its error page.
void FrmBrowserTest::anyAddressLeavesTheWindowsResponsive()
{
    QFETCH(QString, kind);
    QFETCH(Shows, shows);
    if (kind == QLatin1String("unreadable.htm") && ::geteuid() == 0)
        QSKIP("every file is readable to the superuser (the row of /proc/self/mem stands for it)");
    const QString address = makeAddress(kind);
    QVERIFY(!address.isEmpty());
    QTextBrowser *view = m_form->brwWebBrowser->view();
    {
        LoopWatch watch;
        typeAddress(*m_form, address);
        QVERIFY(settled(*m_form));
        QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
        QTest::qWait(20);
        QVERIFY2(watch.longest() < 100, qPrintable(QString::number(watch.longest())));
    }
    const QString text = view->document()->toPlainText();
    QCOMPARE(m_form->windowTitle() == WebBrowser::errorPageTitle(), shows == Shows::ErrorPage);
    QCOMPARE(text.startsWith(WebBrowser::cutNotice()), shows == Shows::CutText);
    if (shows == Shows::ErrorPage)
        QVERIFY(text.contains(address));
    {
        LoopWatch watch;
        clickButton(*m_form, "Back");
        QVERIFY(settled(*m_form));
        QTest::qWait(20);
        QVERIFY2(watch.longest() < 100, qPrintable(QString::number(watch.longest())));
    }
    QCOMPARE(m_form->windowTitle(), kStartTitle);
}

// A page's pictures and style sheets take the same bounded reads as pages:
// a device, a /proc file or a FIFO among them neither ends nor stops the program.
void FrmBrowserTest::picturesAndStyleSheetsOfPagesAreReadBounded()
{
    const QString fifo = makeAddress(QStringLiteral("fifo"));
    const QString page = m_dir.filePath(QStringLiteral("dibujos.htm"));
    QByteArray html = "<html><head><title>Dibujos</title>"
                      "<link rel=\"stylesheet\" href=\"file:///dev/zero\"></head><body>";
    for (const QString &picture : {QStringLiteral("file:///dev/zero"), QStringLiteral("/proc/self/pagemap"),
                                   QStringLiteral("/dev/urandom"), QUrl::fromLocalFile(fifo).toString(),
                                   QStringLiteral("qrc:/browser/back.svg")})
        html += "<p><img src=\"" + picture.toUtf8() + "\"></p>";
    writeFile(page, html + "</body></html>");

    LoopWatch watch;
    typeAddress(*m_form, page);
    QVERIFY(settled(*m_form));
    m_form->brwWebBrowser->view()->viewport()->grab();   // lays out and draws every picture
    QVERIFY2(watch.longest() < 100, qPrintable(QString::number(watch.longest())));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Dibujos"));
    // The program's own pictures still show.
    const QImage shown = m_form->brwWebBrowser->view()->document()
                             ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("qrc:/browser/back.svg")))
                             .value<QImage>();
    QCOMPARE(shown.size(), QSize(24, 24));
}

// Opening and closing the browser again and again holds no more memory once
// the first openings have filled the program's shared caches: each closed
// browser gives back what it took (pictures rendered for its toolbar and
// window icons included).
void FrmBrowserTest::closedBrowserGivesBackItsMemory()
{
    auto openAndClose = [](int times) {
        for (int i = 0; i < times; ++i) {
            QPointer<frmBrowser> browser = new frmBrowser;
            browser->setAttribute(Qt::WA_DeleteOnClose);
            browser->show();
            QVERIFY(settled(*browser));
            browser->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(browser.isNull());
        }
    };
    openAndClose(50);
    const size_t before = mallinfo2().uordblks;
    constexpr int kCycles = 50;
    openAndClose(kCycles);
    const qint64 perCycle = (qint64(mallinfo2().uordblks) - qint64(before)) / kCycles;
    QVERIFY2(perCycle < 1000, qPrintable(QStringLiteral("%1 bytes a cycle").arg(perCycle)));
}

// The menus of the address box and of the page (on a link, with text
// selected) offer their commands in Spanish.
void FrmBrowserTest::contextMenusReadSpanish()
{
    QTextBrowser *view = m_form->brwWebBrowser->view();
    view->selectAll();
    const QTextCursor link = view->document()->find(kPanelTitle);
    const std::pair<QMenu *, QStringList> menus[] = {
        {m_form->cboAddress->lineEdit()->createStandardContextMenu(),
         {"&Deshacer", "&Rehacer", "Cor&tar", "&Copiar", "&Pegar", "Borrar", "Seleccionar todo"}},
        {view->createStandardContextMenu(view->cursorRect(link).center()),
         {"&Copiar", "Copiar la ubicación del en&lace", "Seleccionar todo"}},
    };
    for (const auto &[menu, expected] : menus) {
        QStringList items;   // without their shortcut keys
        for (const QAction *item : menu->actions()) {
            if (!item->isSeparator())
                items << item->text().section(QLatin1Char('\t'), 0, 0);
        }
        delete menu;
        QCOMPARE(items, expected);
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
