#include "surface.h"
#include "symbol_font.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

class SurfaceTest : public QObject
{
    Q_OBJECT
private slots:
    void itemsAreFoundByNameAndKeepFloatGeometry();
    void autoSizedLabelsFitTheirText();
    void badGeometryIsHarmless();
    void frontItemWithToolTipShowsIt();
    void childWidgetsTakeThePointerAboveItems();
    void pointerSignalsCarryTwipsOfTheInnerArea();
    void drawnPointsPersistBeneathTheItems();
    void changesRepaintOnlyTheAffectedArea();
    void manyChangesInOneTurnRepaintOnlyTheFirstAndLastPlace();
    void itemShownBetweenChangesLeavesNoTrace();
    void pictureIsRenderedOncePerPixelRatio();
    void picturesOfOneKeptRenderShareTheirPixels_data();
    void picturesOfOneKeptRenderShareTheirPixels();
    void fullRepaintOfSixtyItemsIsFast();
    void rendersDemoPicture();
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

void showAndWait(QWidget &widget)
{
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
}

const char kDemoSvg[] = R"(<svg xmlns="http://www.w3.org/2000/svg" width="240" height="160" viewBox="0 0 240 160">
  <rect width="240" height="160" fill="#fffbe8"/>
  <g stroke="#7aa" stroke-width="0.6">
    <path d="M20 10V150M60 10V150M100 10V150M140 10V150M180 10V150M220 10V150"/>
    <path d="M20 150H220M20 120H220M20 90H220M20 60H220M20 30H220"/>
  </g>
  <path d="M20 148 C80 140 140 110 220 20" fill="none" stroke="#c33" stroke-width="1.5"/>
  <text x="24" y="24" font-family="DejaVu Sans" font-size="11" fill="#333">Imagen SVG</text>
</svg>)";

const char kIconSvg[] = R"(<svg xmlns="http://www.w3.org/2000/svg" width="22" height="23" viewBox="0 0 22 23">
  <circle cx="11" cy="13" r="9" fill="#fff" stroke="#222" stroke-width="1.5"/>
  <path d="M11 13V7M11 13l4 2" stroke="#222" stroke-width="1.5" fill="none"/>
  <rect x="9" y="1" width="4" height="3" fill="#222"/>
</svg>)";

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

// A scheme-like surface: picture, 15 hover labels, 12 captions, 15 lines,
// 12 shapes and 6 images, 60 items in all.
void fillWithSixtyItems(Surface &surface, const QString &iconPath)
{
    surface.setPictureRenderer([](qreal dpr) {
        QImage image(QSize(420, 334) * dpr, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(250, 250, 240));
        QPainter painter(&image);
        painter.scale(dpr, dpr);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < 20; ++i)
            painter.drawLine(QPointF(i * 21, 0), QPointF(420 - i * 21, 334));
        return image;
    });
    QFont bold = surface.font();
    bold.setBold(true);
    bold.setPointSizeF(12);
    for (int i = 0; i < 12; ++i) {
        SurfaceShape *shape = surface.addShape(QString("Shape8(%1)").arg(i),
                                               SurfaceShape::Kind(i % 6), 300 + i * 450, 3300, 400, 600);
        shape->setFillStyle(i % 2 ? Qt::CrossPattern : Qt::SolidPattern);
        shape->setFillColor(QColor(128, 128, 255));
    }
    for (int i = 0; i < 15; ++i) {
        SurfaceLine *line = surface.addLine(QString("Line6(%1)").arg(i), 300 + i * 400, 600, 300 + i * 400 + (i % 3) * 200, 3000);
        line->setPenWidth(1 + i % 4);
        line->setStyle(i % 5 ? Qt::SolidLine : Qt::DashLine);
        line->setColor(Qt::red);
    }
    for (int i = 0; i < 6; ++i)
        surface.addImage(QString("Image%1").arg(i), iconPath, 600 + i * 900, 4200, 330, 345);
    for (int i = 0; i < 12; ++i) {
        SurfaceLabel *label = surface.addLabel(QString("Label11(%1)").arg(i), QString(QChar('A' + i)), 200 + i * 500, 100, 300, 300);
        label->setFont(bold);
        label->setTransparent(true);
        label->setAutoSize(true);
    }
    for (int i = 0; i < 15; ++i) {
        SurfaceLabel *hover = surface.addLabel(QString("Label1(%1)").arg(i), QString(), 100 + i * 400, 500, 600, 1200);
        hover->setTransparent(true);
        hover->setToolTip("Elemento " + QString::number(i));
    }
}

} // namespace

void SurfaceTest::itemsAreFoundByNameAndKeepFloatGeometry()
{
    QWidget window;
    Surface surface(&window);
    SurfaceLine *line = surface.addLine("Line4(5)", 1515, 4020, 3300, 4020);
    SurfaceLabel *label = surface.addLabel("Label11(8)", "A", 100, 200, 300, 195);

    QCOMPARE(window.findChild<QObject *>("Line4(5)"), line);
    QCOMPARE(window.findChild<QObject *>("Label11(8)"), label);

    // Written as doubles through the property system, read back as the stored floats.
    QVERIFY(line->setProperty("X1", 2253.0000001));
    QVERIFY(label->setProperty("Top", 4275.3333333));
    QCOMPARE(line->property("X1").metaType(), QMetaType::fromType<float>());
    QCOMPARE(line->property("X1").toFloat(), 2253.0f);
    QCOMPARE(label->property("Top").toFloat(), 4275.3333333f);

    // A line's box follows its ends; writing the box does not move it.
    QCOMPARE(line->Left(), 2253.0f);
    QCOMPARE(line->property("Width").toFloat(), 1047.0f);
    line->setLeft(0);
    QCOMPARE(line->Left(), 2253.0f);
    QCOMPARE(line->X1(), 2253.0f);

    QVERIFY(label->setProperty("Caption", "B"));
    QVERIFY(label->setProperty("Visible", false));
    QCOMPARE(label->Caption(), QStringLiteral("B"));
    QVERIFY(!label->Visible());
}

void SurfaceTest::autoSizedLabelsFitTheirText()
{
    Surface surface;
    SurfaceLabel *label = surface.addLabel("Label14", "w", 2835, 15, 100, 100);
    label->setAutoSize(true);
    const float oneLetter = label->Width();
    label->setCaption("w [kg/kga.s]");
    QVERIFY(label->Width() > 5 * oneLetter);
    QVERIFY(label->Height() >= 150 && label->Height() <= 300);

    // With word wrap the width stays and the height takes the lines.
    SurfaceLabel *note = surface.addLabel("Label5", "El resto de los datos necesarios para los cálculos se obtienen "
                                                    "directamente del esquema adjunto.", 525, 4830, 1500, 100);
    note->setWordWrap(true);
    note->setAutoSize(true);
    QCOMPARE(note->Width(), 1500.0f);
    QVERIFY(note->Height() > 3 * label->Height());

    // Measured again when the font or the wrapping width changes, not when it moves.
    const QSizeF caption(label->Width(), label->Height());
    label->setLeft(4000);
    label->setTop(600);
    QCOMPARE(QSizeF(label->Width(), label->Height()), caption);
    QFont large = label->font();
    large.setPixelSize(2 * QFontInfo(large).pixelSize());
    label->setFont(large);
    QVERIFY(label->Width() > 1.5 * caption.width() && label->Height() > 1.5 * caption.height());
    const float narrowHeight = note->Height();
    note->setWidth(4500);
    QVERIFY(note->Height() < narrowHeight);
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

    // Far off and huge: kept as written, drawn clipped at the cost of the box.
    marker->setX2(3e9f);
    shape->setWidth(1e12f);
    shape->setHeight(1e12f);
    QCOMPARE(marker->X2(), 3e9f);
    QVERIFY(!surface.grab().isNull());
}

void SurfaceTest::frontItemWithToolTipShowsIt()
{
    Surface surface;
    surface.resize(300, 200);
    surface.setBorder(true);
    SurfaceLabel *back = surface.addLabel("Label1(0)", QString(), 0, 0, 1500, 1500);
    back->setTransparent(true);
    back->setToolTip("VENTILADOR");
    SurfaceLabel *front = surface.addLabel("Label1(19)", QString(), 600, 600, 600, 600);
    front->setTransparent(true);
    front->setToolTip("Resistencias eléctricas de calentamiento");
    surface.addLabel("Label11(0)", "A", 150, 150, 300, 300);                   // a caption without tooltip
    surface.addShape("Shape12", SurfaceShape::Circle, 0, 0, 1500, 1500)        // drawn over them all
        ->setFillStyle(Qt::DiagCrossPattern);
    showAndWait(surface);

    const QPoint overBoth(2 + 60, 2 + 60);   // 900 twips in
    QCOMPARE(toolTipAt(&surface, overBoth), front->toolTip());
    QCOMPARE(toolTipAt(&surface, QPoint(2 + 20, 2 + 20)), back->toolTip());   // under the caption "A"
    front->setVisible(false);
    QCOMPARE(toolTipAt(&surface, overBoth), back->toolTip());

    // Nothing with a tooltip there: the surface's own tooltip, if it has one.
    QCOMPARE(toolTipAt(&surface, QPoint(250, 150)), QString());
    surface.setToolTip("Carta psicrométrica");
    QCOMPARE(toolTipAt(&surface, QPoint(250, 150)), surface.toolTip());
}

void SurfaceTest::childWidgetsTakeThePointerAboveItems()
{
    Surface surface;
    surface.resize(300, 200);
    SurfaceLabel *hover = surface.addLabel("Label1(12)", QString(), 0, 0, 3000, 1500);
    hover->setTransparent(true);
    hover->setToolTip("MANÓMETRO");
    auto *instrument = new QLineEdit(&surface);
    instrument->setGeometry(20, 20, 60, 40);
    showAndWait(surface);
    QSignalSpy moved(&surface, &Surface::mouseMoved);

    QCOMPARE(toolTipAt(&surface, QPoint(100, 50)), hover->toolTip());
    instrument->setToolTip("Presión en el evaporador");
    QCOMPARE(toolTipAt(&surface, QPoint(30, 30)), instrument->toolTip());
    // A child without a tooltip still covers the label beneath it.
    instrument->setToolTip(QString());
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
    SurfaceLabel *hot = surface.addLabel("Label1(3)", QString(), 1500, 3900, 600, 300);
    hot->setTransparent(true);
    hot->setCursor(Qt::UpArrowCursor);
    surface.addLine("Line9", 1695, 3000, 1695, 5000);   // no handlers: see-through
    showAndWait(surface);

    QSignalSpy moved(&surface, &Surface::mouseMoved);
    QSignalSpy pressed(&surface, &Surface::mousePressed);
    QSignalSpy clicked(&surface, &Surface::clicked);
    QSignalSpy labelClicked(hot, &SurfaceItem::clicked);

    const QPoint atChartPoint(2 + 113, 2 + 268);   // (1695, 4020) twips inside the border
    QTest::mouseMove(&surface, atChartPoint);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.last().at(2).toFloat(), 1695.0f);
    QCOMPARE(moved.last().at(3).toFloat(), 4020.0f);
    QCOMPARE(surface.itemAt(1695, 4020), hot);
    QCOMPARE(surface.cursor().shape(), Qt::UpArrowCursor);

    QTest::mouseClick(&surface, Qt::LeftButton, Qt::ShiftModifier, atChartPoint);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.last().at(0).value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::LeftButton));
    QCOMPARE(pressed.last().at(1).value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));
    QCOMPARE(pressed.last().at(2).toFloat(), 1695.0f);
    QCOMPARE(clicked.count(), 1);
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
    const QPoint centre(2 + 113, 2 + 268);

    surface.drawPoint(1695, 4020, 8, Qt::red);
    surface.drawPoint(2000, 4020, 8, Qt::red);
    QCOMPARE(pixelAt(surface, centre), QColor(Qt::red));
    QCOMPARE(pixelAt(surface, centre + QPoint(2, 0)), QColor(Qt::red));   // 8 pixels across
    QVERIFY(pixelAt(surface, centre + QPoint(6, 0)) != QColor(Qt::red));

    line->setY1(4020);
    line->setY2(4020);
    line->setColor(Qt::blue);
    QCOMPARE(pixelAt(surface, centre + QPoint(0, -3)), QColor(Qt::red));   // still there after repaints
    QCOMPARE(pixelAt(surface, centre), QColor(Qt::blue));                  // the line lies above it

    surface.clearDrawing();
    QCOMPARE(pixelAt(surface, centre + QPoint(0, -3)), surface.palette().color(QPalette::Window));
}

namespace {

struct PaintRecorder : QObject {
    QRegion painted;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

} // namespace

// The chart's cross-hair and markers move at every pointer event and every
// calculation: only the places they leave and enter are repainted.
void SurfaceTest::changesRepaintOnlyTheAffectedArea()
{
    QTemporaryDir dir;
    Surface surface;
    surface.resize(440, 360);
    fillWithSixtyItems(surface, writeFile(dir, "icon.svg", kIconSvg));
    SurfaceLine *crossHair = surface.addLine("Line8", 1515, 600, 3300, 600);   // x 101 to 220 px, y 40 px
    crossHair->setStyle(Qt::DashLine);
    SurfaceLabel *letter = surface.addLabel("Label11(8)", "A", 4500, 600, 150, 195);   // x 300 px, y 40 px
    showAndWait(surface);
    PaintRecorder recorder;
    QCoreApplication::processEvents();
    surface.installEventFilter(&recorder);

    // The pointer moves down by 10 pixels: the cross-hair's end points follow.
    crossHair->setY1(750);
    crossHair->setY2(750);
    QTRY_VERIFY(!recorder.painted.isEmpty());
    const QRect band(95, 34, 132, 24);
    QVERIFY(band.contains(recorder.painted.boundingRect()));

    // A letter that jumps far: its old and new places, not the chart between them.
    recorder.painted = QRegion();
    letter->setTop(3600);
    QTRY_VERIFY(!recorder.painted.isEmpty());
    QVERIFY(recorder.painted.contains(QPoint(303, 45)));
    QVERIFY(recorder.painted.contains(QPoint(303, 245)));
    QVERIFY(!recorder.painted.contains(QPoint(303, 140)));
    int area = 0;
    for (const QRect &r : recorder.painted)
        area += r.width() * r.height();
    QVERIFY2(area < 2 * 20 * 20, qPrintable(QString::number(area)));
}

// A calculation run many times in a row (a selector ramp) moves a letter
// through places that are never shown: only where it was and where it ends up
// are repainted, once.
void SurfaceTest::manyChangesInOneTurnRepaintOnlyTheFirstAndLastPlace()
{
    QTemporaryDir dir;
    Surface surface;
    surface.resize(440, 360);
    fillWithSixtyItems(surface, writeFile(dir, "icon.svg", kIconSvg));
    SurfaceLabel *letter = surface.addLabel("Label11(8)", "A", 4500, 600, 150, 195);   // x 300 px, y 40 px
    showAndWait(surface);
    QCoreApplication::processEvents();
    PaintRecorder recorder;
    surface.installEventFilter(&recorder);
    // Down and to the left, from (300, 40) px to (180, 240) px.
    const auto placeAt = [](float top) { return QPointF(4500 - top / 2, top) / 15 + QPointF(3, 5); };
    for (float top = 900; top <= 3600; top += 300) {
        letter->setTop(top);
        letter->setLeft(4500 - top / 2);
    }
    QTRY_VERIFY(!recorder.painted.isEmpty());
    QCoreApplication::processEvents();
    QVERIFY(recorder.painted.contains(QPoint(303, 45)));           // where it was
    QVERIFY(recorder.painted.contains(placeAt(3600).toPoint()));   // where it ends
    for (float top = 900; top < 3600; top += 300)                  // places it passed through
        QVERIFY2(!recorder.painted.contains(placeAt(top).toPoint()), qPrintable(QString::number(top)));
    int area = 0;
    for (const QRect &r : recorder.painted)
        area += r.width() * r.height();
    QVERIFY2(area < 2 * 20 * 20, qPrintable(QString::number(area)));
}

// The window may be painted while changes wait to be repainted (an explicit
// repaint, another widget's paint request handled first): the item drawn
// then must not stay behind when it moves on.
void SurfaceTest::itemShownBetweenChangesLeavesNoTrace()
{
    Surface surface;
    surface.resize(300, 200);
    SurfaceLabel *box = surface.addLabel("Label9", QString(), 300, 300, 600, 600);   // 20 x 20 px at (20, 20)
    box->setBackColor(Qt::green);
    showAndWait(surface);
    QCoreApplication::processEvents();
    const auto onScreen = [&surface](const QPoint &at) {
        return surface.screen()->grabWindow(surface.winId()).toImage().pixelColor(at);
    };
    QCOMPARE(onScreen(QPoint(30, 30)), QColor(Qt::green));

    box->setLeft(1800);   // to x 120
    surface.repaint();    // painted there before the change is handled
    QCOMPARE(onScreen(QPoint(130, 30)), QColor(Qt::green));
    box->setTop(2100);    // to y 140
    QTRY_COMPARE(onScreen(QPoint(130, 150)), QColor(Qt::green));
    QCoreApplication::processEvents();
    const QColor background = surface.palette().color(QPalette::Window);
    QCOMPARE(onScreen(QPoint(30, 30)), background);
    QCOMPARE(onScreen(QPoint(130, 30)), background);
}

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
    auto renderAt = [&](qreal dpr) {
        QImage target(QSize(100, 80) * dpr, QImage::Format_ARGB32_Premultiplied);
        target.setDevicePixelRatio(dpr);
        surface.render(&target);
        return target;
    };
    renderAt(1);
    renderAt(1);
    const QImage twice = renderAt(2);
    QCOMPARE(ratios, (QList<qreal>{1, 2}));
    // Drawn at its logical size: the 2x picture covers the whole box, not a quarter of it.
    QCOMPARE(twice.pixelColor(190, 150), QColor(Qt::darkGreen));
}

void SurfaceTest::picturesOfOneKeptRenderShareTheirPixels_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QColor>("ground");
    QTest::newRow("opaque") << QImage::Format_RGB32 << QColor(Qt::white);
    QTest::newRow("see-through") << QImage::Format_ARGB32_Premultiplied << QColor(Qt::transparent);
}

// Two picture boxes showing a render that is kept (like the chart shown in
// both windows) hold one copy of its pixels, not one each.
void SurfaceTest::picturesOfOneKeptRenderShareTheirPixels()
{
    QFETCH(QImage::Format, format);
    QFETCH(QColor, ground);
    QImage kept(QSize(200, 160), format);
    kept.setDevicePixelRatio(2);
    kept.fill(ground);
    const auto render = [&kept](qreal) { return kept; };
    PictureCache first, second;
    first.setRenderer(render);
    second.setRenderer(render);
    const QImage shownFirst = first.pixmap(2).toImage();
    const QImage shownSecond = second.pixmap(2).toImage();
    QCOMPARE(shownFirst.constBits(), std::as_const(kept).constBits());
    QCOMPARE(shownSecond.constBits(), std::as_const(kept).constBits());
}

void SurfaceTest::fullRepaintOfSixtyItemsIsFast()
{
    QTemporaryDir dir;
    Surface surface;
    surface.resize(424, 338);
    surface.setBorder(true);
    fillWithSixtyItems(surface, writeFile(dir, "icon.svg", kIconSvg));
    QCOMPARE(surface.items().size(), std::size_t(60));

    QImage target(surface.size(), QImage::Format_ARGB32_Premultiplied);
    surface.render(&target);   // first paint renders and caches the pictures
    constexpr int rounds = 300;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        surface.render(&target);
    const double microseconds = timer.nsecsElapsed() / 1000.0 / rounds;
    qInfo("full repaint of 60 items: %.0f us", microseconds);
    // A generous bound: only a pathological slowdown should fail here; the
    // benchmarks measure the real figure.
    QVERIFY2(microseconds < 5000, qPrintable(QString::number(microseconds)));
}

// Not a check: a picture of the items to look at, at 1x and 2x.
void SurfaceTest::rendersDemoPicture()
{
    QTemporaryDir dir;
    Surface surface;
    surface.resize(280, 200);
    surface.setBorder(true);
    surface.setPictureFromSvg(writeFile(dir, "picture.svg", kDemoSvg));

    SurfaceShape *filter = surface.addShape("Shape11", SurfaceShape::Rectangle, 300, 1800, 1200, 450);
    filter->setFillStyle(Qt::CrossPattern);
    filter->setFillColor(QColor(0, 0, 255));
    filter->setBackColor(QColor(192, 255, 255));
    filter->setBackOpaque(true);
    SurfaceShape *wick = surface.addShape("Shape7", SurfaceShape::Rectangle, 1700, 1800, 225, 375);
    wick->setFillStyle(Qt::DiagCrossPattern);
    wick->setFillColor(QColor(128, 128, 255));
    wick->setBorderVisible(false);
    SurfaceShape *blade = surface.addShape("Shape4(0)", SurfaceShape::Oval, 2100, 1650, 135, 390);
    blade->setFillStyle(Qt::SolidPattern);
    blade->setFillColor(Qt::white);
    SurfaceShape *fan = surface.addShape("Shape12", SurfaceShape::Circle, 2500, 1600, 675, 675);
    fan->setFillStyle(Qt::BDiagPattern);
    fan->setFillColor(Qt::blue);
    SurfaceShape *group = surface.addShape("Shape1", SurfaceShape::RoundedRectangle, 2350, 1450, 1500, 1000);
    group->setBorderColor(QColor(64, 64, 64));

    SurfaceLine *hLine = surface.addLine("Line8", 1515, 1020, 3300, 1020);
    hLine->setStyle(Qt::DashLine);
    hLine->setColor(Qt::red);
    SurfaceLine *vLine = surface.addLine("Line9", 1515, 1020, 1515, 2300);
    vLine->setStyle(Qt::DashLine);
    vLine->setColor(Qt::blue);
    SurfaceLine *element = surface.addLine("Line6(0)", 300, 2600, 1200, 2600);
    element->setPenWidth(4);
    element->setColor(Qt::red);
    SurfaceLine *path = surface.addLine("Line4(4)", 600, 600, 1500, 1000);
    path->setPenWidth(2);
    path->setColor(Qt::magenta);
    surface.drawPoint(1515, 1020, 8, Qt::red);

    QFont bold = surface.font();
    bold.setBold(true);
    bold.setPointSizeF(9.75);
    SurfaceLabel *letter = surface.addLabel("Label11(8)", "A", 1600, 700, 100, 100);
    letter->setFont(bold);
    letter->setForeColor(Qt::blue);
    letter->setAutoSize(true);
    SurfaceLabel *phi = surface.addLabel("Label8(10)", "f=", 300, 300, 100, 195);
    phi->setFont(symbolFont(13));
    phi->setTransparent(true);
    phi->setAutoSize(true);
    SurfaceLabel *caption = surface.addLabel("l9(1)", "Pabs (bar)", 2700, 300, 1200, 255);
    caption->setBorder(true);
    caption->setAlignment(Qt::AlignCenter);
    surface.addImage("Image2", writeFile(dir, "icon.svg", kIconSvg), 3500, 2400, 330, 345);
    SurfaceImage *stretched = surface.addImage("Image1", writeFile(dir, "icon2.svg", kIconSvg), 3100, 2450, 165, 210);
    stretched->setStretch(true);

    const QString out = QStringLiteral(VORBELIA_TEST_OUTPUT_DIR);
    for (const qreal dpr : {1.0, 2.0}) {
        QImage image(surface.size() * dpr, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        surface.render(&image);
        QVERIFY(image.save(QString("%1/surface_demo_%2x.png").arg(out).arg(int(dpr))));
    }
}

QTEST_MAIN(SurfaceTest)
#include "tst_surface.moc"
