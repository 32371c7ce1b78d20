#include "application.h"
#include "frmsplash.h"
#include "surface.h"
#include "twips.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

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

    // Handed over once or not at all; once handed over, closed with its timer
    // stopped and gone when deletions run.
    void verifyHandedOver(bool expected)
    {
        QCOMPARE(handOvers.count(), int(expected));
        if (splash)
            QCOMPARE(splash->isVisible() || splash->Timer1->isActive(), !expected);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(splash.isNull(), expected);
    }
};

} // namespace

class SplashTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void showsNameAndVersionThenTimerHandsOver();
    void triggersHandOver_data();
    void triggersHandOver();
    void handsOverOnlyOnce();
};

// The program's name and version, given to the application as the program gives them.
void SplashTest::initTestCase()
{
    app::setNameAndVersion();
}

void SplashTest::showsNameAndVersionThenTimerHandsOver()
{
    ShownSplash shown;
    QCOMPARE(shown.splash->lblProductName->Caption(), QStringLiteral("Vorbelia"));
    QCOMPARE(shown.splash->lblVersion->Caption(), QStringLiteral("Versión: 2.1.12"));
    QVERIFY(shown.splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    QTimer *timer = shown.splash->Timer1;
    QVERIFY(timer->isActive() && timer->interval() == 10000);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);   // a coarse timer may end the splash early
    timer->setInterval(50);
    QTRY_COMPARE(shown.handOvers.count(), 1);
    shown.verifyHandedOver(true);
}

void SplashTest::triggersHandOver_data()
{
    QTest::addColumn<int>("key");        // 0: a click
    QTest::addColumn<QString>("text");   // what the key types
    QTest::addColumn<QPointF>("at");     // where the click falls, twips in the frame
    QTest::addColumn<bool>("handsOver");
    const auto key = [](const char *tag, Qt::Key key, const char *text, bool handsOver) {
        QTest::newRow(tag) << int(key) << QString::fromLatin1(text) << QPointF() << handsOver;
    };
    const auto click = [](const char *tag, QPointF at, bool handsOver) {
        QTest::newRow(tag) << 0 << QString() << at << handsOver;
    };
    key("letter", Qt::Key_A, "a", true);
    key("space", Qt::Key_Space, " ", true);
    key("Enter", Qt::Key_Return, "\r", true);
    key("Esc", Qt::Key_Escape, "\x1b", true);
    key("arrow", Qt::Key_Down, "", false);
    key("F1", Qt::Key_F1, "", false);
    key("Shift", Qt::Key_Shift, "", false);
    click("free part of the frame", {6000, 2700}, true);
    click("the engraved rule", {4000, 1237}, true);
    click("product name", {2400, 1900}, false);
    click("version", {3300, 2400}, false);
    click("logo", {900, 740}, false);
    click("margin outside the frame", {-90, 2000}, false);
}

void SplashTest::triggersHandOver()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QPointF, at);
    ShownSplash shown;
    if (key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : shown.splash.data(), &press);
    } else {
        // The click goes where the window system would send it: to the widget under the pointer.
        const QPoint p = shown.splash->Frame1->mapToParent(twips::pointF(at.x(), at.y()).toPoint());
        QWidget *target = shown.splash->childAt(p) ? shown.splash->childAt(p) : shown.splash.data();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(shown.splash, p));
    }
    QFETCH(bool, handsOver);
    shown.verifyHandedOver(handsOver);
}

void SplashTest::handsOverOnlyOnce()
{
    ShownSplash shown;
    QTest::keyClick(shown.splash, Qt::Key_X);
    // Triggers that arrive before the closed splash is deleted change nothing.
    shown.splash->Frame1_Click();
    shown.splash->Timer1_Timer();
    QTest::keyClick(shown.splash, Qt::Key_Y);
    shown.verifyHandedOver(true);
}

QTEST_MAIN(SplashTest)
#include "tst_splash.moc"
