// The chart readout on the main window's Picture1, driven by real pointer
// events on the window offscreen.
#include "form1.h"

#include "surface.h"

#include <QLineEdit>
#include <QtTest>

#include <memory>

class Form1ReadoutTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_form.reset(); }
    void pointerMoveReadsTheChartAndMovesTheCrossHair();
    void clickMarksTheLatestPositionEvenWhenNothingIsShown();
    void pressureIsReadAtEachMove();
    void capturedPointerFarOutsideIsHeldIn16Bits();

private:
    // Widget position in Picture1 of a point in twips of its inner area.
    QPoint at(int x, int y) const { return m_form->Picture1->innerOrigin() + QPoint(x, y) / 15; }
    void moveTo(int x, int y) { QTest::mouseMove(m_form->Picture1, at(x, y)); }
    // A pixel inside the 8-pixel dot a click at (x, y) draws, off the cross-hair through it.
    QColor dotPixel(int x, int y) const
    {
        const QImage image = m_form->Picture1->grab().toImage();
        return image.pixelColor((at(x, y) + QPoint(1, 1)) * image.devicePixelRatio());
    }
    QString text(const char *box) const { return m_form->findChild<QLineEdit *>(box)->text(); }
    static QString local(QString text) { return text.replace('.', QLocale().decimalPoint()); }
    QList<float> crossHair() const
    {
        return {m_form->Line8->X1(), m_form->Line8->Y1(), m_form->Line8->X2(), m_form->Line8->Y2(),
                m_form->Line9->X1(), m_form->Line9->Y1(), m_form->Line9->X2(), m_form->Line9->Y2()};
    }

    std::unique_ptr<Form1> m_form;
};

void Form1ReadoutTest::init()
{
    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    // The pointer starts off the chart, so that a move to any chart point is a move.
    QTest::mouseMove(m_form.get(), QPoint(1, 1));
}

void Form1ReadoutTest::pointerMoveReadsTheChartAndMovesTheCrossHair()
{
    QCOMPARE(text("Text13"), QString());
    moveTo(1695, 4020);
    QCOMPARE(text("Text13"), local("25.0 ºC"));
    QCOMPARE(text("Text17"), local("18.0 ºC"));
    QCOMPARE(text("Text22"), local("101.30 kPa"));
    QCOMPARE(text("Text24"), local("0.497"));
    QCOMPARE(crossHair(), (QList<float>{1695, 4020, 3300, 4020, 1695, 4020, 1695, 5000}));
    QCOMPARE(m_form->ChartX, qint16(1695));
    QCOMPARE(m_form->ChartY, qint16(4020));

    moveTo(3450, 4500);   // right of the humidity-ratio scale: the hair runs back to it
    QCOMPARE(text("Text16"), local("7.5 %"));
    QCOMPARE(crossHair(), (QList<float>{3450, 4500, 3300, 4500, 3450, 4500, 3450, 5000}));
}

void Form1ReadoutTest::clickMarksTheLatestPositionEvenWhenNothingIsShown()
{
    moveTo(1695, 4020);
    QTest::mouseClick(m_form->Picture1, Qt::LeftButton, {}, at(1695, 4020));
    moveTo(1380, 3270);   // above 103 %
    QCOMPARE(text("Text13"), QStringLiteral(" ---"));
    QCOMPARE(text("Text22"), local("101.30 kPa"));
    QCOMPARE(crossHair(), (QList<float>{1695, 4020, 3300, 4020, 1695, 4020, 1695, 5000}));
    QCOMPARE(m_form->ChartX, qint16(1380));
    QCOMPARE(m_form->ChartY, qint16(3270));
    QVERIFY(dotPixel(1380, 3270) != QColor(Qt::black));
    QTest::mouseClick(m_form->Picture1, Qt::LeftButton, {}, at(1380, 3270));
    moveTo(2700, 3000);
    QTest::mouseClick(m_form->Picture1, Qt::RightButton, {}, at(2700, 3000));
    moveTo(3000, 2000);   // the cross-hair leaves the points

    QCOMPARE(dotPixel(1695, 4020), QColor(Qt::black));
    QCOMPARE(dotPixel(1380, 3270), QColor(Qt::black));
    QVERIFY(dotPixel(2700, 3000) != QColor(Qt::black));   // a right click marks nothing

    const QString output = QStringLiteral(VORBELIA_TEST_OUTPUT_DIR "/form1_readout");
    QVERIFY(m_form->Picture1->grab().save(output + "@1x.png"));
    QImage sharp(m_form->Picture1->size() * 2, QImage::Format_ARGB32_Premultiplied);
    sharp.setDevicePixelRatio(2);
    m_form->Picture1->render(&sharp);
    QVERIFY(sharp.save(output + "@2x.png"));
}

void Form1ReadoutTest::pressureIsReadAtEachMove()
{
    moveTo(1710, 4020);
    QCOMPARE(text("Text16"), local("49.8 %"));
    m_form->Text3->setText(QStringLiteral("960"));
    QCOMPARE(text("Text16"), local("49.8 %"));
    QCOMPARE(text("Text22"), local("101.30 kPa"));

    moveTo(1695, 4020);
    moveTo(1710, 4020);
    QCOMPARE(text("Text16"), local("47.2 %"));
    QCOMPARE(text("Text17"), local("17.5 ºC"));
    QCOMPARE(text("Text22"), local("96.00 kPa"));

    // The handler called by name reads the same way, in the locale's numbers.
    m_form->Text3->setText(local("1013.0"));
    m_form->Picture1_MouseMove(Qt::NoButton, Qt::NoModifier, 1710, 4020);
    QCOMPARE(text("Text16"), local("49.8 %"));

    // No pressure: no reading anywhere, the pressure box included; the cross-hair stays.
    m_form->Text3->setText(QStringLiteral("mil"));
    moveTo(1695, 4020);
    QCOMPARE(text("Text13"), QStringLiteral(" ---"));
    QCOMPARE(text("Text22"), QStringLiteral(" ---"));
    QCOMPARE(text("Text24"), QStringLiteral(" ---"));
    QCOMPARE(crossHair(), (QList<float>{1710, 4020, 3300, 4020, 1710, 4020, 1710, 5000}));
    QCOMPARE(m_form->ChartX, qint16(1695));
}

void Form1ReadoutTest::capturedPointerFarOutsideIsHeldIn16Bits()
{
    moveTo(1695, 4020);
    QTest::mousePress(m_form->Picture1, Qt::LeftButton, {}, at(1695, 4020));
    QTest::mouseMove(m_form->Picture1, QPoint(-3000, 3000));
    QCOMPARE(m_form->ChartX, qint16(-32768));
    QCOMPARE(m_form->ChartY, qint16(32767));
    QCOMPARE(text("Text13"), QStringLiteral(" ---"));
    QCOMPARE(text("Text22"), local("101.30 kPa"));
    QTest::mouseRelease(m_form->Picture1, Qt::LeftButton, {}, QPoint(-3000, 3000));
    QCOMPARE(crossHair(), (QList<float>{1695, 4020, 3300, 4020, 1695, 4020, 1695, 5000}));
}

QTEST_MAIN(Form1ReadoutTest)
#include "tst_form1_readout.moc"
