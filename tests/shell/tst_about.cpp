#include "application.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "frmabout.h"
#include "frmbrowser.h"
#include "surface.h"

#include <QAbstractButton>
#include <QAction>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

class AboutTest : public QObject
{
    Q_OBJECT
private slots:
    void loadWritesTitleAndVersion();
    void closesOnAceptarEnterAndEsc_data();
    void closesOnAceptarEnterAndEsc();
    void sysInfoWithoutRegistrySaysSo();
    void menuOpensOneAboutWindowBuiltAfreshAfterClose();
    void menuOpensEachWindowOnce();
    void rendersAbout();
};

namespace {

// The one top-level window of class W that is open, or null.
template <typename W>
W *openWindow()
{
    W *found = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<W *>(top); window && window->isVisible()) {
            if (found)
                return nullptr;
            found = window;
        }
    }
    return found;
}

void settleDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

void AboutTest::loadWritesTitleAndVersion()
{
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QCOMPARE(about.windowTitle(), QStringLiteral("Acerca de Vorbelia"));
    QCOMPARE(about.lblVersion->Caption(), QStringLiteral("Versión 2.1.12"));
    QCOMPARE(about.lblTitle->Caption(), QStringLiteral("Vorbelia"));
    QCOMPARE(about.cmdSysInfo->text(), QStringLiteral("&Info. del sistema..."));
    QVERIFY(about.cmdOK->isDefault());
    QCOMPARE(QApplication::focusWidget(), about.cmdOK);
    // A title bar with a close box only, and no taskbar entry.
    QCOMPARE(about.windowType(), Qt::Tool);
    QVERIFY(about.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!about.windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));
    QVERIFY(!about.isModal());
}

void AboutTest::closesOnAceptarEnterAndEsc_data()
{
    QTest::addColumn<int>("key");   // 0: click "Aceptar"
    QTest::newRow("Aceptar") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void AboutTest::closesOnAceptarEnterAndEsc()
{
    QFETCH(int, key);
    QPointer<frmAbout> about = new frmAbout;
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));
    if (key)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    else
        QTest::mouseClick(about->cmdOK, Qt::LeftButton);
    settleDeletions();
    QVERIFY(about.isNull());
}

void AboutTest::sysInfoWithoutRegistrySaysSo()
{
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QString shown;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    QCOMPARE(shown, QStringLiteral("La información del sistema no está disponible en este momento"));
    QVERIFY(about.isVisible());
}

void AboutTest::menuOpensOneAboutWindowBuiltAfreshAfterClose()
{
    Form1 form1;
    connectWindowMenus(form1);
    form1.show();

    form1.ay->trigger();
    QPointer<frmAbout> first = openWindow<frmAbout>();
    QVERIFY(first);
    QVERIFY(!first->parentWidget());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(form1.isEnabled());

    // While open, the menu only brings it back, as the user left it.
    first->lblTitle->setCaption(QStringLiteral("changed"));
    form1.ay->trigger();
    QCOMPARE(openWindow<frmAbout>(), first.data());
    QCOMPARE(first->lblTitle->Caption(), QStringLiteral("changed"));

    // Closed, it is unloaded; the next use builds it afresh.
    QTest::keyClick(first->cmdOK, Qt::Key_Escape);
    settleDeletions();
    QVERIFY(first.isNull());
    QVERIFY(form1.isVisible());
    form1.ay->trigger();
    frmAbout *second = openWindow<frmAbout>();
    QVERIFY(second);
    QCOMPARE(second->lblTitle->Caption(), QStringLiteral("Vorbelia"));
    second->close();
    settleDeletions();
}

namespace {

// `item` opens one window of class W, without owner, maximised or not, and
// only brings it back while it is open.
template <typename W>
void verifyOpensSingleInstance(QAction *item, bool maximised)
{
    item->trigger();
    QPointer<W> window = openWindow<W>();
    QVERIFY2(window, qPrintable(item->objectName()));
    QVERIFY(!window->parentWidget());
    QCOMPARE(window->windowState().testFlag(Qt::WindowMaximized), maximised);
    item->trigger();
    QCOMPARE(openWindow<W>(), window.data());
    window->close();
    settleDeletions();
    QVERIFY(window.isNull());
}

} // namespace

void AboutTest::menuOpensEachWindowOnce()
{
    Form1 form1;
    connectWindowMenus(form1);
    verifyOpensSingleInstance<Form4>(form1.unid, true);
    verifyOpensSingleInstance<frmBrowser>(form1.acc, true);
    verifyOpensSingleInstance<Form3>(form1.enf, true);
    verifyOpensSingleInstance<Form2>(form1.proc, false);
}

void AboutTest::rendersAbout()
{
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    for (int ratio : {1, 2}) {
        QImage image(about.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        about.render(&image);
        QVERIFY(image.save(QStringLiteral(VORBELIA_TEST_OUTPUT_DIR "/about@%1x.png").arg(ratio)));
    }
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
