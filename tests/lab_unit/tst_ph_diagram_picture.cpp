#include "ph_diagram_picture.h"
#include "unit_model.h"

#include <QtTest>

using namespace ph_diagram;

namespace {

constexpr int kRatio = 4;   // fine enough to find a line within a logical pixel

// Whether a pixel within one logical pixel of a point in twips has the ink.
bool inkNear(const QImage &image, double x, double y, const QColor &ink)
{
    const QPoint centre = (QPointF(x, y) / 15 * kRatio).toPoint();
    for (int dy = -kRatio; dy <= kRatio; ++dy) {
        for (int dx = -kRatio; dx <= kRatio; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            const QColor c = image.valid(p) ? image.pixelColor(p) : QColor();
            if (c.isValid() && qAbs(c.red() - ink.red()) <= 40 && qAbs(c.green() - ink.green()) <= 40
                && qAbs(c.blue() - ink.blue()) <= 40)
                return true;
        }
    }
    return false;
}

} // namespace

class PhDiagramPictureTest : public QObject
{
    Q_OBJECT
private slots:
    void cycleLandsOnTheDiagramLines_data();
    void cycleLandsOnTheDiagramLines();
    void rendersAtOneAndTwoTimesScaleOnce();
    void qualityLabelsFollowTheLocale();
};

// The drawn lines lie under the line equations over the working range, and
// under the corners of the cycle the unit model lays over the picture: 2 on
// the compression-end isentrope, 3 (subcooled) 100 twips left of the liquid
// line, 1 (superheated) 100 twips right of the vapour line. (4 stands below 3,
// in the wet region.)
void PhDiagramPictureTest::cycleLandsOnTheDiagramLines_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QColor>("ink");
    const QColor dome(Qt::black), isentrope(0, 0, 200);
    for (double t : {8.0, 11.0, 21.0, 37.099, 56.0}) {
        const double y = levelY(t);
        QTest::addRow("liquid %g", t) << liquidLineX(y) << y << dome;
        QTest::addRow("vapour %g", t) << vapourLineX(y) << y << dome;
        if (t > 20)   // compression ends at a condensing level
            QTest::addRow("compression end %g", t) << compressionEndX(y) << y << isentrope;
    }

    const struct {
        double knob, T1, Twb1, steam, preheat;
    } runs[] = {{5, 15, 9, 0, 0}, {8, 23, 17, 0.85, 0.96}, {10, 32, 22, 2.55, 1.92}};
    for (const auto &run : runs) {
        UnitInputs in;
        in.fanSetting = run.knob;
        in.T1 = run.T1;
        in.Twb1 = run.Twb1;
        in.steamPower = run.steam;
        in.preheatPower = run.preheat;
        const UnitResult r = computeUnit(in);
        const auto &l = r.diagramLines;
        const QByteArray name = QByteArray::number(r.cycle.te) + "/" + QByteArray::number(r.cycle.tc) + " degC corner ";
        QTest::newRow(name + "1") << l[1].X2 - 100.0 << double(l[1].Y2) << dome;
        QTest::newRow(name + "2") << double(l[2].X2) << double(l[2].Y2) << isentrope;
        QTest::newRow(name + "3") << l[3].X2 + 100.0 << double(l[3].Y2) << dome;
    }
}

void PhDiagramPictureTest::cycleLandsOnTheDiagramLines()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QColor, ink);
    QVERIFY2(inkNear(phDiagramPicture(kRatio), x, y, ink), qPrintable(QStringLiteral("no line at (%1, %2)").arg(x).arg(y)));
}

void PhDiagramPictureTest::rendersAtOneAndTwoTimesScaleOnce()
{
    for (int ratio : {1, 2}) {
        const QImage &image = phDiagramPicture(ratio);
        QCOMPARE(&image, &phDiagramPicture(ratio));
        QCOMPARE(image.size(), QSize(kPictureWidth, kPictureHeight) * ratio);
        QCOMPARE(image.devicePixelRatio(), qreal(ratio));
    }
}

// The qualities are written as the cycle table writes its numbers, under
// either locale, and the picture kept is the one drawn under the locale in force.
void PhDiagramPictureTest::qualityLabelsFollowTheLocale()
{
    const QLocale original;
    QImage previous;
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::Spanish, QLocale::Spain)}) {
        QLocale::setDefault(locale);
        QCOMPARE(qualityTexts(), QStringLiteral("0.2 0.4 0.6 0.8").replace('.', locale.decimalPoint()).split(' '));
        const QImage &kept = phDiagramPicture(1);
        QCOMPARE(kept, renderPhDiagram(1));
        QVERIFY(kept != previous);
        previous = kept;
    }
    QLocale::setDefault(original);
}

QTEST_MAIN(PhDiagramPictureTest)
#include "tst_ph_diagram_picture.moc"
