#include "frmsplash.h"
#include "surface.h"
#include "twips.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

class SplashTest : public QObject
{
    Q_OBJECT
private slots:
    void loadWritesProductAndVersion();
    void keysThatTypeACharacterHandOver_data();
    void keysThatTypeACharacterHandOver();
    void clicksOnFreeFrameHandOver_data();
    void clicksOnFreeFrameHandOver();
    void timerHandsOver();
    void handsOverOnlyOnce();
    void rendersSplash();
};

namespace {

// A shown splash with a recorder of its hand-overs.
struct ShownSplash
{
    QPointer<frmSplash> splash = new frmSplash;
    QSignalSpy handOvers{splash.data(), &frmSplash::handedOver};

    ShownSplash()
    {
        splash->show();
        splash->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
    }
    ~ShownSplash() { delete splash; }

    // Handed over once: closed, its timer stopped, and gone once deletions run.
    void verifyHandedOver()
    {
        QCOMPARE(handOvers.count(), 1);
        if (splash) {
            QVERIFY(!splash->isVisible());
            QVERIFY(!splash->Timer1->isActive());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(splash.isNull());
    }
};

} // namespace

void SplashTest::loadWritesProductAndVersion()
{
    frmSplash splash;
    QCOMPARE(splash.lblVersion->Caption(), QStringLiteral("Versión: 2.1.12"));
    QCOMPARE(splash.lblProductName->Caption(), QStringLiteral("Vorbelia"));
    QCOMPARE(splash.Label3->Caption(), QStringLiteral("Zelmora"));
    QCOMPARE(splash.Label2->Caption(), QStringLiteral("Zelmora"));
    QCOMPARE(splash.lblPlatform->Caption(), QStringLiteral("Windows 95,98,NT, Me, 2000, XP"));
    QCOMPARE(splash.Label1->Caption(), QStringLiteral("Optimizado para resolución de 800x600"));
    QCOMPARE(splash.Timer1->interval(), 10000);
    QCOMPARE(splash.Timer1->timerType(), Qt::PreciseTimer);   // a coarse timer may end the splash early
    QVERIFY(splash.Timer1->isActive());
    // No title bar, no taskbar entry.
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash.windowType(), Qt::Tool);
    // Everything lies inside the frame.
    const QRect frame(QPoint(), splash.Frame1->size());
    for (const SurfaceItem *item : splash.Frame1->items())
        QVERIFY2(frame.contains(item->paintBounds().toAlignedRect()), qPrintable(item->objectName()));
}

void SplashTest::keysThatTypeACharacterHandOver_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("handsOver");
    QTest::newRow("letter") << int(Qt::Key_A) << QStringLiteral("a") << true;
    QTest::newRow("space") << int(Qt::Key_Space) << QStringLiteral(" ") << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << QStringLiteral("\r") << true;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << QStringLiteral("\x1b") << true;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << QStringLiteral("\t") << true;
    QTest::newRow("arrow") << int(Qt::Key_Down) << QString() << false;
    QTest::newRow("F1") << int(Qt::Key_F1) << QString() << false;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << QString() << false;
}

void SplashTest::keysThatTypeACharacterHandOver()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(bool, handsOver);
    ShownSplash shown;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : shown.splash.data(), &press);
    if (handsOver) {
        shown.verifyHandedOver();
    } else {
        QCOMPARE(shown.handOvers.count(), 0);
        QVERIFY(shown.splash->isVisible());
    }
}

void SplashTest::clicksOnFreeFrameHandOver_data()
{
    QTest::addColumn<QPointF>("twipsInFrame");
    QTest::addColumn<bool>("handsOver");
    QTest::newRow("free part of the frame") << QPointF(6000, 2700) << true;
    QTest::newRow("the engraved rule") << QPointF(4000, 1237) << true;
    QTest::newRow("the frame's edge") << QPointF(0, 2000) << true;
    QTest::newRow("series title") << QPointF(1900, 800) << false;
    QTest::newRow("product name") << QPointF(2400, 1900) << false;
    QTest::newRow("version") << QPointF(3300, 2400) << false;
    QTest::newRow("logo") << QPointF(900, 740) << false;
    QTest::newRow("margin outside the frame") << QPointF(-90, 2000) << false;
}

void SplashTest::clicksOnFreeFrameHandOver()
{
    QFETCH(QPointF, twipsInFrame);
    QFETCH(bool, handsOver);
    ShownSplash shown;
    // The click goes where the window system would send it: to the widget under the pointer.
    const QPoint inSplash = shown.splash->Frame1->mapToParent(twips::pointF(twipsInFrame.x(), twipsInFrame.y()).toPoint());
    QWidget *target = shown.splash->childAt(inSplash) ? shown.splash->childAt(inSplash) : shown.splash.data();
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(shown.splash, inSplash));
    if (handsOver) {
        shown.verifyHandedOver();
    } else {
        QCOMPARE(shown.handOvers.count(), 0);
        QVERIFY(shown.splash->isVisible());
    }
}

void SplashTest::timerHandsOver()
{
    ShownSplash shown;
    shown.splash->Timer1->setInterval(50);
    QTRY_COMPARE(shown.handOvers.count(), 1);
    shown.verifyHandedOver();
}

void SplashTest::handsOverOnlyOnce()
{
    ShownSplash shown;
    QTest::keyClick(shown.splash, Qt::Key_X);
    QCOMPARE(shown.handOvers.count(), 1);
    // Triggers that arrive before the closed splash is deleted change nothing.
    shown.splash->Frame1_Click();
    shown.splash->Timer1_Timer();
    QTest::keyClick(shown.splash, Qt::Key_Y);
    shown.verifyHandedOver();
}

void SplashTest::rendersSplash()
{
    frmSplash splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    for (int ratio : {1, 2}) {
        QImage image(splash.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        splash.render(&image);
        QVERIFY(image.save(QStringLiteral(VORBELIA_TEST_OUTPUT_DIR "/splash@%1x.png").arg(ratio)));
    }
}

QTEST_MAIN(SplashTest)
#include "tst_splash.moc"
