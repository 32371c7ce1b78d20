#include "single_instance.h"
#include "surface.h"
#include "symbol_font.h"
#include "window_build.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QtTest>

using namespace winbuild;

class WindowBuildTest : public QObject
{
    Q_OBJECT
private slots:
    void controlsCountFromInsideAPictureBoxBorder();
    void hotSpotsTakeThePointerAndDrawNothing();
    void clientSurfaceLeavesTheFrameAndTitleVisible();
    void symbolCaptionDrawsAndMeasuresTheGreekText();
    void singleInstanceBuildsOnceBringsBackAndRebuildsAfterClose();
};

void WindowBuildTest::controlsCountFromInsideAPictureBoxBorder()
{
    Surface pictureBox;
    pictureBox.setBorder(true);
    QLineEdit *box = addTextBox(&pictureBox, QStringLiteral("Text7(26)"), 150, 300, 600, 285,
                                QStringLiteral("Un texto más largo que su caja"));
    QCOMPARE(box->pos(), QPoint(2 + 10, 2 + 20));
    QCOMPARE(box->size(), QSize(40, 19));
    QCOMPARE(box->objectName(), QStringLiteral("Text7(26)"));
    QCOMPARE(box->cursorPosition(), 0);   // the box shows the start of its text
}

void WindowBuildTest::hotSpotsTakeThePointerAndDrawNothing()
{
    Surface surface;
    surface.resize(200, 100);
    SurfaceLabel *spot = addHotSpot(&surface, QStringLiteral("Label1(0)"), 300, 300, 600, 600,
                                    QStringLiteral("VENTILADOR"));
    QCOMPARE(surface.itemAt(600, 600), static_cast<SurfaceItem *>(spot));
    const QImage before = surface.grab().toImage();
    spot->setVisible(false);
    QCOMPARE(surface.grab().toImage(), before);
}

void WindowBuildTest::clientSurfaceLeavesTheFrameAndTitleVisible()
{
    QGroupBox frame(QStringLiteral("Condiciones Ambientales"));
    frame.resize(260, 200);
    Surface *client = addClientSurface(&frame, QStringLiteral("Frame1Client"));
    QCOMPARE(client->geometry(), frame.rect());   // placed as on the frame itself...
    QVERIFY(client->mask().contains(frame.rect().center()));
    QVERIFY(!client->mask().contains(QPoint(frame.width() / 2, 2)));   // ...but not over its title
    QVERIFY(!client->mask().contains(QPoint(frame.width() / 2, frame.height() - 1)));
}

// The chart's captions in the Symbol font read as Greek: they look and
// measure exactly like their Greek text in the condensed face of the captions
// around them, not like their Latin letters.
void WindowBuildTest::symbolCaptionDrawsAndMeasuresTheGreekText()
{
    QCOMPARE(symbolFontText(QStringLiteral("f= r= m= W 0,5 ºñ")), QStringLiteral("φ= ρ= μ= Ω 0,5 ºñ"));
    const auto caption = [](const QString &text, const QFont &font, qreal dpr) {
        Surface surface;
        surface.resize(60, 30);
        SurfaceLabel *label = surface.addLabel(QStringLiteral("Label8(10)"), text, 150, 75, 0, 0);
        label->setFont(font);
        label->setTransparent(true);
        label->setAutoSize(true);
        QImage image(surface.size() * dpr, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::white);
        surface.render(&image);
        return std::pair{image, QSizeF(label->Width(), label->Height())};
    };
    const QFont condensed = condensedFont(10);
    for (qreal dpr : {1.0, 2.0}) {
        const auto symbol = caption(QStringLiteral("f="), symbolFont(10), dpr);
        QCOMPARE(symbol, caption(QStringLiteral("φ="), condensed, dpr));
        QVERIFY(symbol.first != caption(QStringLiteral("f="), condensed, dpr).first);
    }
}

void WindowBuildTest::singleInstanceBuildsOnceBringsBackAndRebuildsAfterClose()
{
    QPointer<QLineEdit> slot;
    int built = 0;
    const auto make = [&built] { ++built; return new QLineEdit(QStringLiteral("design")); };
    QLineEdit *first = showSingleInstance(slot, make);
    // Opened again while open: the same window, as the user left it, no longer minimised.
    first->setText(QStringLiteral("typed"));
    first->showMinimized();
    QCOMPARE(showSingleInstance(slot, make), first);
    QVERIFY(!(first->windowState() & Qt::WindowMinimized));
    QCOMPARE(built, 1);

    // Closed and opened again at once, before the closed one is deleted: a fresh window.
    QPointer<QLineEdit> closed = first;
    QVERIFY(first->close());
    QLineEdit *second = showSingleInstance(slot, make);
    QVERIFY(second != first);
    QCOMPARE(second->text(), QStringLiteral("design"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(closed.isNull() && second->isVisible());
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(slot.isNull());
}

QTEST_MAIN(WindowBuildTest)
#include "tst_window_build.moc"
