#include "ph_diagram_picture.h"
#include "picture_cache.h"

#include <QtTest>

#include <QDir>
#include <QPainter>

#include <cmath>
#include <limits>

using namespace ph_diagram;

namespace {

const QColor kDome(0, 0, 0);
const QColor kIsentrope(0, 0, 200);

double px(double tw) { return tw / 15.0; }

bool isColour(const QColor &c, const QColor &colour, int tolerance = 40)
{
    return std::abs(c.red() - colour.red()) <= tolerance
        && std::abs(c.green() - colour.green()) <= tolerance
        && std::abs(c.blue() - colour.blue()) <= tolerance;
}

// True when a pixel within one logical pixel of the point has the colour.
bool colourNear(const QImage &image, QPointF logical, const QColor &colour)
{
    const qreal ratio = image.devicePixelRatio();
    const QPoint centre = (logical * ratio).toPoint();
    const int reach = qCeil(ratio);
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (image.valid(centre + QPoint(dx, dy))
                && isColour(image.pixelColor(centre + QPoint(dx, dy)), colour))
                return true;
    return false;
}

// The cycle as the main window lays it over the picture: the levels and the
// line ends are stored in single precision, the X values follow from the
// stored levels, superheat and subcooling are 100-twip offsets.
struct CycleLines
{
    float yc, ye, xExpansion, xEvaporationEnd, xCompressionEnd;

    CycleLines(double tc, double te)
        : yc(float(levelY(tc)))
        , ye(float(levelY(te)))
        , xExpansion(float(liquidLineX(yc) - 100.0))
        , xEvaporationEnd(float(vapourLineX(ye) + 100.0))
        , xCompressionEnd(float(compressionEndX(yc)))
    {
    }

    void paint(QPainter &p) const
    {
        p.setRenderHint(QPainter::Antialiasing);
        const auto line = [&p](const QColor &colour, double x1, double y1, double x2, double y2) {
            p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(px(x1), px(y1)), QPointF(px(x2), px(y2)));
        };
        line(QColor(0, 192, 0), xExpansion, yc, xExpansion, ye);
        line(QColor(0, 0, 255), xExpansion, ye, xEvaporationEnd, ye);
        line(QColor(255, 0, 0), xEvaporationEnd, ye, xCompressionEnd, yc);
        line(QColor(128, 0, 0), xCompressionEnd, yc, xExpansion, yc);

        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        const auto figure = [&p](const QColor &colour, double left, double top, const char *text) {
            p.setPen(colour);
            p.drawText(QPointF(px(left), px(top) + p.fontMetrics().ascent()), QString::fromLatin1(text));
        };
        figure(QColor(0, 0, 255), xEvaporationEnd + 50, ye + 50, "1");
        figure(QColor(255, 0, 0), xCompressionEnd + 150, yc - 150, "2");
        figure(QColor(128, 0, 0), xExpansion - 250, yc - 150, "3");
        figure(QColor(0, 192, 0), xExpansion - 250, ye + 50, "4");

        QFont caption(QStringLiteral("DejaVu Sans"));
        caption.setPixelSize(11);
        p.setFont(caption);
        p.setPen(Qt::black);
        p.drawText(QPointF(px(390), px(360) + p.fontMetrics().ascent()), QStringLiteral("R-12"));
    }
};

void save(const QImage &image, const QString &name)
{
    const QString path = QDir(QStringLiteral(VORBELIA_TEST_OUTPUT_DIR)).filePath(name);
    QVERIFY2(image.save(path), qPrintable(path));
}

} // namespace

class PhDiagramPictureTest : public QObject
{
    Q_OBJECT
private slots:
    void hasLogicalSizeAtEveryRatio_data();
    void hasLogicalSizeAtEveryRatio();
    void keepsOnePicturePerRatio();
    void saturationLinesCarryDomeColour_data();
    void saturationLinesCarryDomeColour();
    void compressionEndLiesOnAnIsentrope_data();
    void compressionEndLiesOnAnIsentrope();
    void domeClosesNearCriticalLevel();
    void captionSpotStaysClear();
    void writesPicturesWithCycle_data();
    void writesPicturesWithCycle();
};

void PhDiagramPictureTest::hasLogicalSizeAtEveryRatio_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<qreal>("expectedRatio");
    QTest::newRow("1x") << qreal(1) << QSize(264, 226) << qreal(1);
    QTest::newRow("1.25x") << qreal(1.25) << QSize(330, 283) << qreal(1.25);
    QTest::newRow("2x") << qreal(2) << QSize(528, 452) << qreal(2);
    QTest::newRow("3x") << qreal(3) << QSize(792, 678) << qreal(3);
    QTest::newRow("zero") << qreal(0) << QSize(264, 226) << qreal(1);
    QTest::newRow("negative") << qreal(-2) << QSize(264, 226) << qreal(1);
    QTest::newRow("nan") << std::numeric_limits<qreal>::quiet_NaN() << QSize(264, 226) << qreal(1);
    QTest::newRow("infinite") << std::numeric_limits<qreal>::infinity() << QSize(264, 226) << qreal(1);
}

void PhDiagramPictureTest::hasLogicalSizeAtEveryRatio()
{
    QFETCH(qreal, ratio);
    QFETCH(QSize, pixels);
    QFETCH(qreal, expectedRatio);
    const QImage image = renderPhDiagram(ratio);
    QCOMPARE(image.size(), pixels);
    QCOMPARE(image.devicePixelRatio(), expectedRatio);
    QCOMPARE(image.pixelColor(0, image.height() - 1), QColor(Qt::white));
}

void PhDiagramPictureTest::keepsOnePicturePerRatio()
{
    const QImage &once = phDiagramPicture(2);
    const QImage &again = phDiagramPicture(2);
    QCOMPARE(&once, &again);
    QCOMPARE(once.devicePixelRatio(), qreal(2));
    QCOMPARE(phDiagramPicture(1).devicePixelRatio(), qreal(1));
    QCOMPARE(once.size(), QSize(528, 452));
    // A picture box shows these very pixels, not a copy of its own.
    PictureCache box;
    box.setRenderer(&phDiagramPicture);
    QCOMPARE(box.pixmap(2).toImage().constBits(), once.constBits());
}

void PhDiagramPictureTest::saturationLinesCarryDomeColour_data()
{
    QTest::addColumn<double>("t");
    QTest::addColumn<bool>("liquid");
    for (double t : {10.0, 30.0, 50.0}) {
        QTest::addRow("liquid %g", t) << t << true;
        QTest::addRow("vapour %g", t) << t << false;
    }
}

void PhDiagramPictureTest::saturationLinesCarryDomeColour()
{
    QFETCH(double, t);
    QFETCH(bool, liquid);
    const QImage image = renderPhDiagram(4);
    const double y = levelY(t);
    const QPointF at(px(liquid ? liquidLineX(y) : vapourLineX(y)), px(y));
    QVERIFY2(colourNear(image, at, kDome),
             qPrintable(QStringLiteral("no dome line near (%1, %2) px").arg(at.x()).arg(at.y())));
}

void PhDiagramPictureTest::compressionEndLiesOnAnIsentrope_data()
{
    QTest::addColumn<double>("tc");
    for (double tc : {21.0, 30.0, 37.099, 45.0, 56.0})
        QTest::addRow("tc %g", tc) << tc;
}

void PhDiagramPictureTest::compressionEndLiesOnAnIsentrope()
{
    QFETCH(double, tc);
    const QImage image = renderPhDiagram(4);
    const double y = levelY(tc);
    const QPointF at(px(compressionEndX(y)), px(y));
    QVERIFY2(colourNear(image, at, kIsentrope),
             qPrintable(QStringLiteral("no isentrope near (%1, %2) px").arg(at.x()).arg(at.y())));
}

// Between the straight lines' upper ends the dome is closed by a top that
// peaks around the critical level and stays inside the picture.
void PhDiagramPictureTest::domeClosesNearCriticalLevel()
{
    const int ratio = 4;
    const QImage image = renderPhDiagram(ratio);
    const auto row = [](double t) { return px(levelY(t)) * ratio; };
    const int bend = qFloor(row(65.0));
    const int left = qCeil(px(liquidLineX(levelY(65.0))) * ratio) + ratio;
    const int right = qFloor(px(vapourLineX(levelY(65.0))) * ratio) - ratio;
    int top = image.height();
    for (int x = left; x <= right; ++x) {
        int first = 0;
        while (first < bend && !isColour(image.pixelColor(x, first), kDome))
            ++first;
        QVERIFY2(first < bend, qPrintable(QStringLiteral("dome open at column %1").arg(x)));
        QVERIFY2(first >= row(125.0), qPrintable(QStringLiteral("dome too high at column %1").arg(x)));
        top = std::min(top, first);
    }
    QVERIFY2(top <= row(100.0), qPrintable(QStringLiteral("dome top at row %1").arg(top)));
}

// The caption "R-12" is a transparent label laid over this spot.
void PhDiagramPictureTest::captionSpotStaysClear()
{
    const QImage image = renderPhDiagram(1);
    const QRect caption(26, 24, 28, 14);
    for (int y = caption.top(); y <= caption.bottom(); ++y)
        for (int x = caption.left(); x <= caption.right(); ++x)
            QVERIFY2(image.pixelColor(x, y) == QColor(Qt::white),
                     qPrintable(QStringLiteral("ink at (%1, %2)").arg(x).arg(y)));
}

void PhDiagramPictureTest::writesPicturesWithCycle_data()
{
    QTest::addColumn<double>("tc");
    QTest::addColumn<double>("te");
    QTest::newRow("design") << 37.099 << 9.4478;
    QTest::newRow("light") << 21.0 << 8.0;
    QTest::newRow("heavy") << 56.0 << 11.0;
}

void PhDiagramPictureTest::writesPicturesWithCycle()
{
    QFETCH(double, tc);
    QFETCH(double, te);
    const CycleLines cycle(tc, te);
    if (QByteArray(QTest::currentDataTag()) == "design") {
        QCOMPARE(qRound(cycle.yc * 100), 192917);
        QCOMPARE(qRound(cycle.ye * 100), 238072);
        QCOMPARE(qRound(cycle.xExpansion * 100), 100248);
        QCOMPARE(qRound(cycle.xEvaporationEnd * 100), 239485);
        QCOMPARE(qRound(cycle.xCompressionEnd * 100), 262920);
    }
    for (int ratio : {1, 2}) {
        QImage image = renderPhDiagram(ratio);
        if (QByteArray(QTest::currentDataTag()) == "design")
            save(image, QStringLiteral("ph_diagram_%1x.png").arg(ratio));
        QPainter painter(&image);
        cycle.paint(painter);
        painter.end();
        save(image, QStringLiteral("ph_diagram_cycle_%1_%2x.png")
                        .arg(QString::fromLatin1(QTest::currentDataTag())).arg(ratio));
    }
}

QTEST_MAIN(PhDiagramPictureTest)
#include "tst_ph_diagram_picture.moc"
