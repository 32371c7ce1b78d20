#include "surface.h"
#include "symbol_font.h"
#include "twips.h"
#include "window_build.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QtTest>

using namespace winbuild;

class WindowBuildTest : public QObject
{
    Q_OBJECT
private slots:
    void faces_data();
    void faces();
    void controlsCountFromInsideAPictureBoxBorder_data();
    void controlsCountFromInsideAPictureBoxBorder();
    void wrappedCaptionsGrowOnlyWhenAutoSized();
    void onlyOpaqueCaptionsPaintTheirGround();
    void hotSpotsTakeThePointerAndShowTheirHelp();
    void readoutsTakeTheFocusOnlyOnAClick();
    void clientSurfaceLeavesTheFrameAndTitleVisible();
};

namespace {

// A window with readout boxes, as the windows declare them.
struct ReadoutWindow
{
    QLineEdit *TextA = nullptr;
    QLineEdit *TextB = nullptr;
    std::array<SurfaceLabel *, 4> Label8{};
};

QColor pixelAt(QWidget &widget, const QPointF &twipsPoint, const QPoint &origin = {})
{
    return widget.grab().toImage().pixelColor(twips::point(twipsPoint.x(), twipsPoint.y()) + origin);
}

} // namespace

void WindowBuildTest::faces_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::newRow("window") << windowFont() << "DejaVu Sans" << 11 << false;
    QTest::newRow("title") << uiFont(13, true) << "DejaVu Sans" << 13 << true;
    QTest::newRow("narrow box") << condensedFont(9) << "DejaVu Sans Condensed" << 9 << false;
    QTest::newRow("narrow bold") << condensedFont(11, true) << "DejaVu Sans Condensed" << 11 << true;
    QTest::newRow("greek caption") << symbolFont(10) << "Symbol" << 10 << false;
}

void WindowBuildTest::faces()
{
    QFETCH(QFont, font);
    QTEST(font.family(), "family");
    QTEST(font.pixelSize(), "pixels");
    QTEST(font.bold(), "bold");
}

void WindowBuildTest::controlsCountFromInsideAPictureBoxBorder_data()
{
    QTest::addColumn<bool>("surface");
    QTest::addColumn<bool>("border");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("picture box") << true << true << QPoint(12, 22);
    QTest::newRow("borderless surface") << true << false << QPoint(10, 20);
    QTest::newRow("plain widget") << false << false << QPoint(10, 20);
}

void WindowBuildTest::controlsCountFromInsideAPictureBoxBorder()
{
    QFETCH(bool, surface);
    QFETCH(bool, border);
    auto parent = surface ? std::unique_ptr<QWidget>(new Surface) : std::make_unique<QWidget>();
    if (border)
        static_cast<Surface *>(parent.get())->setBorder(true);

    QLineEdit *box = addTextBox(parent.get(), QStringLiteral("Text7(26)"), 150, 300, 600, 285,
                                QStringLiteral("Un texto más largo que su caja"));
    QTEST(box->pos(), "topLeft");
    QCOMPARE(box->size(), QSize(40, 19));
    QCOMPARE(box->objectName(), QStringLiteral("Text7(26)"));
    // The box shows the start of its text, not its end.
    QCOMPARE(box->cursorPosition(), 0);
}

void WindowBuildTest::wrappedCaptionsGrowOnlyWhenAutoSized()
{
    Surface surface;
    const QString text = QStringLiteral("Temperatura de Bulbo H. ºC");
    SurfaceLabel *fixed = addWrappedCaption(&surface, QStringLiteral("Label13"), text, 0, 0, 600, 240,
                                            condensedFont(10), false);
    SurfaceLabel *grown = addWrappedCaption(&surface, QStringLiteral("Label4"), text, 0, 0, 600, 0,
                                            condensedFont(10), true);
    QCOMPARE(fixed->Height(), 240.0f);
    QCOMPARE(grown->Width(), 600.0f);
    // Too long for one line: as high as two lines of the face at least.
    QVERIFY(grown->Height() >= twips::fromPixels(2 * QFontMetrics(condensedFont(10)).height() - 2));
}

void WindowBuildTest::onlyOpaqueCaptionsPaintTheirGround()
{
    Surface surface;
    surface.resize(200, 100);
    QPalette palette = surface.palette();
    palette.setColor(QPalette::Window, Qt::white);
    surface.setPalette(palette);
    surface.setAutoFillBackground(true);
    const QString blank = QStringLiteral("      ");
    SurfaceLabel *opaque = addOpaqueCaption(&surface, QStringLiteral("Label14"), blank, 0, 0, kApplicationWorkspace);
    SurfaceLabel *clear = addCaption(&surface, QStringLiteral("Label15"), blank, 0, 600);
    QVERIFY(opaque->Width() > 0 && clear->Width() > 0);

    QCOMPARE(pixelAt(surface, {opaque->Width() / 2, opaque->Height() / 2}), kApplicationWorkspace);
    QCOMPARE(pixelAt(surface, {clear->Width() / 2, 600 + clear->Height() / 2}), QColor(Qt::white));
}

void WindowBuildTest::hotSpotsTakeThePointerAndShowTheirHelp()
{
    Surface surface;
    surface.resize(200, 100);
    SurfaceLabel *spot = addHotSpot(&surface, QStringLiteral("Label1(0)"), 300, 300, 600, 600,
                                    QStringLiteral("VENTILADOR"));
    QCOMPARE(surface.itemAt(600, 600), static_cast<SurfaceItem *>(spot));
    QCOMPARE(spot->toolTip(), QStringLiteral("VENTILADOR"));
    QVERIFY(spot->Caption().isEmpty());
    // It draws nothing over what lies beneath.
    const QImage before = surface.grab().toImage();
    spot->setVisible(false);
    QCOMPARE(surface.grab().toImage(), before);
}

void WindowBuildTest::readoutsTakeTheFocusOnlyOnAClick()
{
    static const ReadoutDesign<ReadoutWindow> readouts[] = {
        {&ReadoutWindow::TextA, "TextA", 3, "f=", 60, 975, 330, 945, 780, 360, CaptionFace::Symbol},
        {&ReadoutWindow::TextB, "TextB", 1, "Tbs=", 0, 75, 360, 60, 660, 375},
    };
    Surface chart;
    chart.setBorder(true);
    ReadoutWindow window;
    addReadouts(window, &chart, readouts, "Label8", window.Label8);

    QCOMPARE(window.TextA->objectName(), QStringLiteral("TextA"));
    QCOMPARE(window.TextA->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(window.TextB->pos(), twips::point(360, 60) + chart.innerOrigin());
    QCOMPARE(window.Label8[3]->objectName(), QStringLiteral("Label8(3)"));
    QCOMPARE(window.Label8[3]->Caption(), QStringLiteral("f="));
    QVERIFY(isSymbolFont(window.Label8[3]->font()));
    QCOMPARE(window.Label8[3]->font().pixelSize(), window.Label8[1]->font().pixelSize());
    QVERIFY(!isSymbolFont(window.Label8[1]->font()));
    QCOMPARE(window.Label8[1]->Left(), 0.0f);
    QVERIFY(!window.Label8[0]);
    // Captions lie on the chart in table order.
    QCOMPARE(chart.items(), (std::vector<SurfaceItem *>{window.Label8[3], window.Label8[1]}));
}

void WindowBuildTest::clientSurfaceLeavesTheFrameAndTitleVisible()
{
    QGroupBox frame(QStringLiteral("Condiciones Ambientales"));
    frame.resize(260, 200);
    Surface *client = addClientSurface(&frame, QStringLiteral("Frame1Client"));
    QCOMPARE(client->objectName(), QStringLiteral("Frame1Client"));
    // What lies at (0, 0) of the client lies at the frame's corner...
    QCOMPARE(client->geometry(), frame.rect());
    // ...but the client covers neither the title nor the frame's edges.
    QVERIFY(client->mask().contains(frame.rect().center()));
    QVERIFY(!client->mask().contains(QPoint(frame.width() / 2, 2)));
    QVERIFY(!client->mask().contains(QPoint(frame.width() / 2, frame.height() - 1)));
}

QTEST_MAIN(WindowBuildTest)
#include "tst_window_build.moc"
