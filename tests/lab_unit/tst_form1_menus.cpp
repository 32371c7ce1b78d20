#include "form1.h"

#include "sstab.h"
#include "twips.h"
#include "window_print.h"

#include <QAbstractButton>
#include <QAction>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QtTest>

namespace {

bool coveredByTabPanel(Form1 &form, const QPoint &point)
{
    const QWidget *widget = form.centralWidget()->childAt(point);
    return widget && (widget == form.SSTab1 || form.SSTab1->isAncestorOf(widget));
}

// A window that refuses to close when asked.
struct StubbornWindow : QWidget
{
    int closeRequests = 0;
    void closeEvent(QCloseEvent *event) override
    {
        ++closeRequests;
        event->ignore();
    }
};

} // namespace

class Form1MenusTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void tabPanelMovesAndComesBack();
    void howToExplainsHoverHelp();
    void printFailureIsToldAndProgramGoesOn();
    void printsClientAreaOnOnePage();
    void exitEndsProgramWithoutAsking();   // stops all event processing: keep it last

private:
    std::unique_ptr<Form1> form;
};

void Form1MenusTest::tabPanelMovesAndComesBack()
{
    const QRect design = form->SSTab1->geometry();
    const QPoint scheme = twips::point(5900, 3000);   // covered only once the panel has moved
    QVERIFY(!coveredByTabPanel(*form, scheme));

    form->mficha->trigger();
    QCOMPARE(form->SSTab1->geometry(), design.translated(twips::toPixelsRounded(5580 - 6195), 0));
    QVERIFY(coveredByTabPanel(*form, scheme));
    form->mficha->trigger();
    QCOMPARE(form->SSTab1->geometry(), design);
    // From anywhere else the panel goes back to its design place.
    form->SSTab1->move(400, design.y());
    form->mficha->trigger();
    QCOMPARE(form->SSTab1->geometry(), design);
}

void Form1MenusTest::howToExplainsHoverHelp()
{
    QMessageBox shown;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown.setWindowTitle(box->windowTitle());
        shown.setText(box->text());
        shown.setIcon(box->icon());
        shown.setStandardButtons(box->standardButtons());
        box->button(QMessageBox::Ok)->click();
    });
    form->com->trigger();   // returns once the box is closed

    QCOMPARE(shown.windowTitle(), QStringLiteral("Vorbelia"));
    QCOMPARE(shown.text(), QStringLiteral(" Para indentificar cada elemento de la instalación, situe el puntero "
                                          "del mouse sobre el esquema y aparecerá el contenido de la ayuda."));
    QCOMPARE(shown.icon(), QMessageBox::NoIcon);
    QCOMPARE(shown.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
}

void Form1MenusTest::printFailureIsToldAndProgramGoesOn()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a printer is installed here");
    form->imprimir->trigger();   // returns at once
    QPointer<QMessageBox> box = form->findChild<QMessageBox *>();
    QVERIFY(box);
    QTRY_VERIFY(box->isVisible());
    QCOMPARE(box->windowTitle(), QStringLiteral("Vorbelia"));
    QVERIFY(box->text().contains(QStringLiteral("impresora")));

    box->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(box.isNull());
    QVERIFY(form->isVisible());
}

void Form1MenusTest::printsClientAreaOnOnePage()
{
    const QString path = QStringLiteral(VORBELIA_TEST_OUTPUT_DIR "/form1_printout.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(path);
    QVERIFY(printWidgetImage(form->centralWidget(), printer));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    QVERIFY(content.startsWith("%PDF"));
    QCOMPARE(content.count("/Type /Page\n"), 1);

    // A printer that cannot be opened is a failure, not a silent no-op.
    printer.setOutputFileName(QStringLiteral(VORBELIA_TEST_OUTPUT_DIR "/no-such-folder/printout.pdf"));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(!printWidgetImage(form->centralWidget(), printer));
}

void Form1MenusTest::exitEndsProgramWithoutAsking()
{
    StubbornWindow other;
    other.show();
    QEventLoop program;
    QTimer::singleShot(0, form.get(), [this] { form->ce->trigger(); });
    QTimer::singleShot(5000, &program, [&] { program.exit(1); });
    QCOMPARE(program.exec(), 0);
    // No window was asked to close; all still stand.
    QCOMPARE(other.closeRequests, 0);
    QVERIFY(form->isVisible() && other.isVisible());
}

QTEST_MAIN(Form1MenusTest)
#include "tst_form1_menus.moc"
