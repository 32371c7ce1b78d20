#include "surface.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

#include <limits>

class SurfaceTest : public QObject
{
    Q_OBJECT
private slots:
    void itemsAreFoundByNameAndKeepFloatGeometry();
    void badGeometryIsHarmless();
    void farLinesCostNoMoreThanTheirVisiblePart();
    void frontItemWithToolTipShowsIt();
    void childWidgetsTakeThePointerAboveItems();
    void pointerSignalsCarryTwipsOfTheInnerArea();
    void drawnPointsPersistBeneathTheItems();
    void changesInOneTurnLeaveTheScreenAsAFreshPaint();
    void pictureIsRenderedOncePerPixelRatio();
};

namespace {

// What a tooltip request at `pos` (in `top`) shows, sent to the widget under the point.
QString toolTipAt(QWidget *top, const QPoint &pos)
{
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000))
        return QStringLiteral("(tooltip stays)");
    QWidget *target = top->childAt(pos) ? top->childAt(pos) : top;
    QHelpEvent help(QEvent::ToolTip, target->mapFrom(top, pos), top->mapToGlobal(pos));
    QApplication::sendEvent(target, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

QColor pixelAt(QWidget &widget, const QPoint &pos)
{
    return widget.grab().toImage().pixelColor(pos);
}

SurfaceLabel *hotSpot(Surface &surface, const QString &name, float left, float top, float width, float height,
                      const QString &toolTip = {})
{
    SurfaceLabel *label = surface.addLabel(name, QString(), left, top, width, height);
    label->setTransparent(true);
    label->setToolTip(toolTip);
    return label;
}

void showAndWait(QWidget &widget)
{
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
}

// A 300 x 400 picture box with its 2-pixel border: (1695, 4020) twips inside
// it lie at this pixel.
const QPoint kChartPoint(2 + 113, 2 + 268);

} // namespace

void SurfaceTest::itemsAreFoundByNameAndKeepFloatGeometry()
{
    QWidget window;
    Surface surface(&window);
    SurfaceLine *line = surface.addLine("Line4(5)", 1515, 4020, 3300, 4020);
    SurfaceLabel *label = surface.addLabel("Label11(8)", "A", 100, 200, 300, 195);
    QCOMPARE(window.findChild<QObject *>("Line4(5)"), line);
    QCOMPARE(window.findChild<QObject *>("Label11(8)"), label);

    // Written as doubles through the property system, kept as single-precision floats.
    QVERIFY(line->setProperty("X1", 2253.0000001) && label->setProperty("Top", 4275.3333333));
    QCOMPARE(line->property("X1"), QVariant(2253.0f));
    QCOMPARE(label->property("Top"), QVariant(4275.3333333f));
    // A line's box follows its ends; writing the box does not move it.
    QCOMPARE(line->property("Width"), QVariant(1047.0f));
    line->setLeft(0);
    QCOMPARE(line->X1(), 2253.0f);
    QVERIFY(label->setProperty("Caption", "B") && label->setProperty("Visible", false));
    QVERIFY(label->Caption() == "B" && !label->Visible());
}

void SurfaceTest::badGeometryIsHarmless()
{
    Surface surface;
    surface.resize(200, 200);
    SurfaceLine *marker = surface.addLine("Line4(4)", 100, 100, 900, 900);
    SurfaceShape *shape = surface.addShape("Shape10", SurfaceShape::Circle, -15, 0, 105, 105);
    // A calculation without a result writes NaN: the marker stays where it was.
    marker->setX2(std::numeric_limits<float>::quiet_NaN());
    marker->setProperty("Y2", std::numeric_limits<double>::infinity());
    QCOMPARE(marker->X2(), 900.0f);
    QCOMPARE(marker->Y2(), 900.0f);
    surface.drawPoint(std::numeric_limits<float>::quiet_NaN(), 10, 8, Qt::red);
    // Far off and huge: kept as written, drawn clipped.
    marker->setX2(3e9f);
    shape->setWidth(1e12f);
    QCOMPARE(marker->X2(), 3e9f);
    QVERIFY(!surface.grab().isNull());
}

// A line whose far end lies millions of pixels off the box (a process marker
// of an absurd state, a cross-hair to a pointer captured far away) paints as
// fast as the part of it that shows, and looks the same there: a dashed line
// keeps the phase of its pattern from its own start.
void SurfaceTest::farLinesCostNoMoreThanTheirVisiblePart()
{
    constexpr float kFar = 3e8f;                   // twips: twenty million pixels
    constexpr float kFarPeriods = 29999970.0f;     // twips: a whole number of dash periods (6 pixels)
    const auto paint = [](Surface &surface) {
        QElapsedTimer clock;
        clock.start();
        const QImage image = surface.grab().toImage();
        return std::pair(clock.elapsed(), image);
    };
    Surface far;
    far.resize(200, 200);
    far.addLine("Line4(7)", 750, 750, kFar, kFar)->setPenWidth(2);
    far.addLine("Line8", 750, 1500, kFar, 1500)->setStyle(Qt::DashLine);
    far.addLine("Line9", 1500, 750, 1500, -kFar)->setStyle(Qt::DotLine);
    far.addLine("Line4(4)", -kFarPeriods, 2250, 750, 2250)->setStyle(Qt::DashLine);
    const auto [farMs, farImage] = paint(far);

    // The same lines ending just past the box's edge, the last one starting
    // two dash periods before it.
    Surface near;
    near.resize(200, 200);
    near.addLine("Line4(7)", 750, 750, 3300, 3300)->setPenWidth(2);
    near.addLine("Line8", 750, 1500, 3300, 1500)->setStyle(Qt::DashLine);
    near.addLine("Line9", 1500, 750, 1500, -300)->setStyle(Qt::DotLine);
    near.addLine("Line4(4)", -180, 2250, 750, 2250)->setStyle(Qt::DashLine);
    const auto [nearMs, nearImage] = paint(near);

    QVERIFY2(farMs < 200 + 10 * nearMs, qPrintable(QStringLiteral("%1 ms against %2 ms").arg(farMs).arg(nearMs)));
    QCOMPARE(farImage, nearImage);
}

void SurfaceTest::frontItemWithToolTipShowsIt()
{
    Surface surface;
    surface.resize(300, 200);
    surface.setBorder(true);
    SurfaceLabel *back = hotSpot(surface, "Label1(0)", 0, 0, 1500, 1500, "VENTILADOR");
    SurfaceLabel *front = hotSpot(surface, "Label1(19)", 600, 600, 600, 600, "Resistencias eléctricas");
    surface.addLabel("Label11(0)", "A", 150, 150, 300, 300);                        // a caption without tooltip
    surface.addShape("Shape12", SurfaceShape::Circle, 0, 0, 1500, 1500)->setFillStyle(Qt::DiagCrossPattern);
    showAndWait(surface);

    const QPoint overBoth(2 + 60, 2 + 60);
    QCOMPARE(toolTipAt(&surface, overBoth), front->toolTip());
    QCOMPARE(toolTipAt(&surface, QPoint(2 + 20, 2 + 20)), back->toolTip());   // under the caption "A"
    front->setVisible(false);
    QCOMPARE(toolTipAt(&surface, overBoth), back->toolTip());
    QCOMPARE(toolTipAt(&surface, QPoint(250, 150)), QString());   // nothing with a tooltip there
}

void SurfaceTest::childWidgetsTakeThePointerAboveItems()
{
    Surface surface;
    surface.resize(300, 200);
    SurfaceLabel *hover = hotSpot(surface, "Label1(12)", 0, 0, 3000, 1500, "MANÓMETRO");
    auto *instrument = new QLineEdit(&surface);
    instrument->setGeometry(20, 20, 60, 40);
    showAndWait(surface);
    QSignalSpy moved(&surface, &Surface::mouseMoved);

    QCOMPARE(toolTipAt(&surface, QPoint(100, 50)), hover->toolTip());
    instrument->setToolTip("Presión en el evaporador");
    QCOMPARE(toolTipAt(&surface, QPoint(30, 30)), instrument->toolTip());
    instrument->setToolTip(QString());   // without a tooltip it still covers the label
    QCOMPARE(toolTipAt(&surface, QPoint(30, 30)), QString());

    QTest::mouseMove(instrument, QPoint(10, 10));
    QTest::mouseClick(instrument, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(moved.count(), 0);
    QTest::mouseMove(&surface, QPoint(150, 100));
    QCOMPARE(moved.count(), 1);
}

void SurfaceTest::pointerSignalsCarryTwipsOfTheInnerArea()
{
    Surface surface;
    surface.resize(300, 400);
    surface.setBorder(true);
    SurfaceLabel *hot = hotSpot(surface, "Label1(3)", 1500, 3900, 600, 300);
    hot->setCursor(Qt::PointingHandCursor);
    surface.addLine("Line9", 1695, 3000, 1695, 5000);   // no handlers: see-through
    showAndWait(surface);
    QSignalSpy moved(&surface, &Surface::mouseMoved);
    QSignalSpy pressed(&surface, &Surface::mousePressed);
    QSignalSpy labelClicked(hot, &SurfaceItem::clicked);

    QTest::mouseMove(&surface, kChartPoint);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.last().at(2).toFloat(), 1695.0f);
    QCOMPARE(moved.last().at(3).toFloat(), 4020.0f);
    QCOMPARE(surface.itemAt(1695, 4020), hot);
    QCOMPARE(surface.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(&surface, Qt::LeftButton, Qt::ShiftModifier, kChartPoint);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.last().at(1).value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));
    QCOMPARE(labelClicked.count(), 1);
    // Off the label the surface's own pointer comes back; the border is not part of the box.
    QTest::mouseMove(&surface, QPoint(200, 40));
    QCOMPARE(surface.cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(&surface, QPoint(1, 1));
    QCOMPARE(moved.count(), 2);
}

void SurfaceTest::drawnPointsPersistBeneathTheItems()
{
    Surface surface;
    surface.resize(300, 400);
    surface.setBorder(true);
    SurfaceLine *line = surface.addLine("Line8", 0, 3000, 3000, 3000);
    surface.drawPoint(1695, 4020, 8, Qt::red);
    QCOMPARE(pixelAt(surface, kChartPoint + QPoint(2, 0)), QColor(Qt::red));   // 8 pixels across
    QVERIFY(pixelAt(surface, kChartPoint + QPoint(6, 0)) != QColor(Qt::red));

    line->setY1(4020);
    line->setY2(4020);
    line->setColor(Qt::blue);
    QCOMPARE(pixelAt(surface, kChartPoint + QPoint(0, -3)), QColor(Qt::red));   // still there after repaints
    QCOMPARE(pixelAt(surface, kChartPoint), QColor(Qt::blue));                  // the line lies above it
    surface.clearDrawing();
    QCOMPARE(pixelAt(surface, kChartPoint + QPoint(0, -3)), surface.palette().color(QPalette::Window));
}

// A calculation run many times in one turn of the event loop (a selector
// ramp) moves, hides and shows items; their repaints are batched to the end of
// the turn. Afterwards the screen must hold what a fresh paint draws, with no
// trace left where an item was or passed, even when the window was painted
// between two changes.
void SurfaceTest::changesInOneTurnLeaveTheScreenAsAFreshPaint()
{
    Surface surface;
    surface.resize(300, 200);
    SurfaceLabel *box = surface.addLabel("Label9", QString(), 300, 300, 600, 600);
    box->setBackColor(Qt::green);
    SurfaceLine *line = surface.addLine("Line8", 0, 1500, 4500, 1500);
    showAndWait(surface);
    const auto screenMatchesFreshPaint = [&surface] {
        QCoreApplication::processEvents();
        const auto rgb = [](const QPixmap &pixels) { return pixels.toImage().convertToFormat(QImage::Format_RGB32); };
        return rgb(surface.screen()->grabWindow(surface.winId())) == rgb(surface.grab());
    };

    for (int i = 0; i < 40; ++i)
        box->setLeft(300 + 90 * i);
    line->setY1(2400);
    box->setVisible(false);
    box->setVisible(true);
    box->setTop(1800);
    QVERIFY(screenMatchesFreshPaint());
    box->setLeft(900);
    surface.repaint();   // painted where it stands before the turn's changes are done
    box->setTop(300);
    QVERIFY(screenMatchesFreshPaint());
}

// The picture is rendered for each device pixel ratio once, at full
// resolution, and drawn at its logical size.
void SurfaceTest::pictureIsRenderedOncePerPixelRatio()
{
    Surface surface;
    surface.resize(100, 80);
    QList<qreal> ratios;
    surface.setPictureRenderer([&](qreal dpr) {
        ratios << dpr;
        QImage image(QSize(100, 80) * dpr, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        return image;
    });
    QImage twice;
    for (qreal dpr : {1.0, 1.0, 2.0}) {
        twice = QImage(QSize(100, 80) * dpr, QImage::Format_ARGB32_Premultiplied);
        twice.setDevicePixelRatio(dpr);
        surface.render(&twice);
    }
    QCOMPARE(ratios, (QList<qreal>{1, 2}));
    QCOMPARE(twice.pixelColor(190, 150), QColor(Qt::darkGreen));   // the whole box, not a quarter
}

QTEST_MAIN(SurfaceTest)
#include "tst_surface.moc"
