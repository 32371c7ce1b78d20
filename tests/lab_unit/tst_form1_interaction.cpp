// The main window driven as a user drives it: the chart readout by pointer
// events on Picture1, and the menu commands.
#include "form1.h"

#include "controls_by_name.h"
#include "sstab.h"
#include "surface.h"
#include "twips.h"
#include "window_print.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class Form1InteractionTest : public QObject
{
    Q_OBJECT

private slots:
    // As main() names the application, which its message boxes take for their caption.
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Vorbelia")); }
    void init();
    void cleanup() { m_form.reset(); }
    void moveReadsTheChartAndClickMarksIt();
    void pressureIsReadAtEachMove();
    void tabPanelMovesAndComesBack();
    void howToExplainsHoverHelp();
    void printFailureIsToldAndProgramGoesOn();
    void exitEndsProgramWithoutAsking();   // stops all event processing: keep it last

private:
    // Widget position in Picture1 of a point in twips of its inner area.
    QPoint at(int x, int y) const { return m_picture1->innerOrigin() + QPoint(x, y) / 15; }
    void moveTo(int x, int y) { QTest::mouseMove(m_picture1, at(x, y)); }
    void click(Qt::MouseButton button, int x, int y) { QTest::mouseClick(m_picture1, button, {}, at(x, y)); }
    // Whether the dot of a click at (x, y) is drawn: a pixel inside it, off the cross-hair.
    bool dotAt(int x, int y) const
    {
        const QImage image = m_picture1->grab().toImage();
        return image.pixelColor((at(x, y) + QPoint(1, 1)) * image.devicePixelRatio()) == QColor(Qt::black);
    }
    // The texts of the named readout boxes, joined by '|'.
    QString boxes(const char *names) const
    {
        QStringList texts;
        for (const QString &name : QString::fromLatin1(names).split(QLatin1Char(' ')))
            texts << control<QLineEdit>(*m_form, name)->text();
        return texts.join(QLatin1Char('|'));
    }
    static QString local(QString text) { return text.replace(QLatin1Char('.'), QLocale().decimalPoint()); }
    // The cross-hair's ends, Line8 then Line9, and where they stand for a point (x, y).
    QList<float> crossHair() const
    {
        QList<float> ends;
        for (const char *name : {"Line8", "Line9"}) {
            const auto *line = control<SurfaceLine>(*m_form, name);
            ends << line->X1() << line->Y1() << line->X2() << line->Y2();
        }
        return ends;
    }
    // The window's pressure box and tab panel, and the trigger of a menu item.
    QLineEdit *pressureBox() const { return control<QLineEdit>(*m_form, "Text3"); }
    SSTab *tabPanel() const { return control<SSTab>(*m_form, "SSTab1"); }
    void choose(const char *item) { control<QAction>(*m_form, item)->trigger(); }
    static QList<float> hairAt(float x, float y) { return {x, y, 3300, y, x, y, x, 5000}; }

    std::unique_ptr<Form1> m_form;
    Surface *m_picture1 = nullptr;
};

void Form1InteractionTest::init()
{
    m_form = std::make_unique<Form1>();
    m_picture1 = control<Surface>(*m_form, "Picture1");
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QTest::mouseMove(m_form.get(), QPoint(1, 1));   // off the chart: any chart point is a move
}

void Form1InteractionTest::moveReadsTheChartAndClickMarksIt()
{
    moveTo(1695, 4020);
    QCOMPARE(boxes("Text13 Text17 Text22 Text24"), local("25.0 ºC|18.0 ºC|101.30 kPa|0.497"));
    QCOMPARE(crossHair(), hairAt(1695, 4020));
    QCOMPARE(QPoint(m_form->ChartX(), m_form->ChartY()), QPoint(1695, 4020));
    moveTo(3450, 4500);   // right of the humidity-ratio scale: the hair runs back to it
    QCOMPARE(boxes("Text16"), local("7.5 %"));
    QCOMPARE(crossHair(), hairAt(3450, 4500));

    // Above 103 % nothing reads and the hair stays, yet the position is kept and a click marks it.
    moveTo(1695, 4020);
    click(Qt::LeftButton, 1695, 4020);
    moveTo(1380, 3270);
    QCOMPARE(boxes("Text13 Text22"), local(" ---|101.30 kPa"));
    QCOMPARE(crossHair(), hairAt(1695, 4020));
    QCOMPARE(QPoint(m_form->ChartX(), m_form->ChartY()), QPoint(1380, 3270));
    QVERIFY(!dotAt(1380, 3270));
    click(Qt::LeftButton, 1380, 3270);
    moveTo(2700, 3000);
    click(Qt::RightButton, 2700, 3000);   // a right click marks nothing
    moveTo(3000, 2000);
    QVERIFY(dotAt(1695, 4020) && dotAt(1380, 3270) && !dotAt(2700, 3000));
}

void Form1InteractionTest::pressureIsReadAtEachMove()
{
    moveTo(1710, 4020);
    QCOMPARE(boxes("Text16"), local("49.8 %"));
    pressureBox()->setText(QStringLiteral("960"));   // read at the next move, not before
    QCOMPARE(boxes("Text16"), local("49.8 %"));
    moveTo(1695, 4020);
    moveTo(1710, 4020);
    QCOMPARE(boxes("Text16 Text17 Text22"), local("47.2 %|17.5 ºC|96.00 kPa"));

    // The handler called by name reads the box in the locale's numbers.
    pressureBox()->setText(local("1013.0"));
    m_form->Picture1_MouseMove(Qt::NoButton, Qt::NoModifier, 1710, 4020);
    QCOMPARE(boxes("Text16"), local("49.8 %"));

    // No pressure: no reading anywhere, the pressure box included; the cross-hair stays.
    pressureBox()->setText(QStringLiteral("mil"));
    moveTo(1695, 4020);
    QCOMPARE(boxes("Text13 Text22 Text24"), QStringLiteral(" ---| ---| ---"));
    QCOMPARE(crossHair(), hairAt(1710, 4020));
    QCOMPARE(m_form->ChartX(), qint16(1695));

    // Nor is a number no barometer here reads.
    const QString allBoxes = QStringLiteral("Text13 Text14 Text15 Text16 Text17 Text18 Text19 Text20 Text21 Text22 Text24");
    for (const char *millibar : {"1013", "12.5", "1013", "0", "1013", "1200.5"}) {
        pressureBox()->setText(local(QLatin1String(millibar)));
        moveTo(1710, 4020);
        moveTo(1695, 4020);
        if (QLatin1String(millibar) == QLatin1String("1013"))
            QCOMPARE(boxes("Text13 Text22"), local("25.0 ºC|101.30 kPa"));
        else
            QCOMPARE(boxes(qPrintable(allBoxes)), QStringList(11, QStringLiteral(" ---")).join('|'));
    }
    QCOMPARE(crossHair(), hairAt(1695, 4020));
}

// "Desplazar fichas" moves the tab panel to Left 5580 and back.
void Form1InteractionTest::tabPanelMovesAndComesBack()
{
    const QRect design = tabPanel()->geometry();
    choose("mficha");
    QCOMPARE(tabPanel()->geometry(), design.translated(twips::toPixelsRounded(5580 - 6195), 0));
    choose("mficha");
    QCOMPARE(tabPanel()->geometry(), design);
}

void Form1InteractionTest::howToExplainsHoverHelp()
{
    QString shown;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = QStringLiteral("%1|%2|icon %3|buttons %4").arg(box->windowTitle(), box->text())
                    .arg(box->icon()).arg(box->standardButtons().toInt());
        box->button(QMessageBox::Ok)->click();
    });
    choose("com");   // returns once the box is closed
    QCOMPARE(shown, QStringLiteral("Vorbelia| Para indentificar cada elemento de la instalación, situe el puntero "
                                   "del mouse sobre el esquema y aparecerá el contenido de la ayuda.|icon %1|buttons %2")
                        .arg(QMessageBox::NoIcon).arg(int(QMessageBox::Ok)));
}

void Form1InteractionTest::printFailureIsToldAndProgramGoesOn()
{
    // A printer that cannot be opened is a failure, not a silent no-op.
    QPrinter printer(QPrinter::HighResolution);
    const QTemporaryDir folder;
    printer.setOutputFileName(folder.filePath(QStringLiteral("no-such-folder/printout.pdf")));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(!printWidgetImage(m_form->centralWidget(), printer));

    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a printer is installed here");
    choose("imprimir");   // returns at once, the box stays over the window
    QPointer<QMessageBox> box = m_form->findChild<QMessageBox *>();
    QVERIFY(box);
    QTRY_VERIFY(box->isVisible());
    QCOMPARE(box->windowTitle(), QStringLiteral("Vorbelia"));
    QVERIFY(box->text().contains(QStringLiteral("impresora")));
    box->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(box.isNull());
    QVERIFY(m_form->isVisible());
}

void Form1InteractionTest::exitEndsProgramWithoutAsking()
{
    QWidget other;
    other.show();
    QEventLoop program;
    QTimer::singleShot(0, m_form.get(), [this] { choose("ce"); });
    QTimer::singleShot(5000, &program, [&] { program.exit(1); });
    QCOMPARE(program.exec(), 0);
    // No window was closed: all still stand.
    QVERIFY(m_form->isVisible() && other.isVisible());
}

QTEST_MAIN(Form1InteractionTest)
#include "tst_form1_interaction.moc"
