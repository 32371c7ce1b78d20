#include "psych_chart_picture.h"

#include "chart_calibration.h"
#include "moist_air.h"
#include "picture_cache.h"
#include "twips.h"

#include <QtTest>

namespace {

constexpr double kP = chart::kPicturePressure;
constexpr qreal kFine = 4;  // device pixels per logical pixel for sampling

// Whether a pixel of (nearly) `colour` lies within a quarter of a logical
// pixel of the state (T, W) placed by the forward conversion.
bool colourNear(const QImage &image, double T, double W, QRgb colour)
{
    const double dpr = image.devicePixelRatio();
    const int x = qRound(twips::toPixels(chart::xFromDryBulb(T)) * dpr);
    const int y = qRound(twips::toPixels(chart::yFromHumidityRatio(W)) * dpr);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QRgb c = image.pixel(x + dx, y + dy);
            if (qAbs(qRed(c) - qRed(colour)) + qAbs(qGreen(c) - qGreen(colour)) + qAbs(qBlue(c) - qBlue(colour)) < 40)
                return true;
        }
    return false;
}

} // namespace

class PsychChartPictureTest : public QObject
{
    Q_OBJECT
private slots:
    void hasChartSizeAtEveryPixelRatio();
    void curvesLieWhereForwardConversionPlacesThem_data();
    void curvesLieWhereForwardConversionPlacesThem();
    void numbersFollowTheLocale();
};

// Rendered once per device pixel ratio, so it stays sharp; the PNGs are kept for looking at.
void PsychChartPictureTest::hasChartSizeAtEveryPixelRatio()
{
    for (const qreal dpr : {1.0, 1.5, 2.0}) {
        const QImage &image = chart::psychrometricChartPicture(dpr);
        QCOMPARE(image.devicePixelRatio(), dpr);
        QCOMPARE(image.size(), QSize(qRound(264 * dpr), qRound(351 * dpr)));
        QCOMPARE(&chart::psychrometricChartPicture(dpr), &image);
    }
    // A screen that reports no usable ratio gets the picture at 1x.
    for (const qreal bad : {qQNaN(), 0.0, -2.0, qInf()})
        QCOMPARE(&chart::psychrometricChartPicture(bad), &chart::psychrometricChartPicture(1));
    // The picture boxes of both windows show these very pixels, not a copy each.
    PictureCache box;
    box.setRenderer(&chart::psychrometricChartPicture);
    QCOMPARE(box.pixmap(2).toImage().constBits(), chart::psychrometricChartPicture(2).constBits());
}

void PsychChartPictureTest::curvesLieWhereForwardConversionPlacesThem_data()
{
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("W");
    QTest::addColumn<QRgb>("colour");
    for (double T : {2.0, 8.0, 13.0, 18.0, 23.0, 28.0, 33.0})
        QTest::addRow("saturation at %g C", T)
            << T << *psychro::SaturationHumidityRatio(T, kP, {0.62198}) << chart::kSaturationColour;
    for (double T : {12.0, 21.0, 31.0, 39.0})
        QTest::addRow("50 %% at %g C", T)
            << T << *psychro::HumidityRatioFromRelativeHumidity(T, 0.5, kP, {0.62198})
            << chart::kRelativeHumidityColour;
}

void PsychChartPictureTest::curvesLieWhereForwardConversionPlacesThem()
{
    QFETCH(double, T);
    QFETCH(double, W);
    QFETCH(QRgb, colour);
    static const QImage image = chart::renderPsychrometricChart(kFine);
    QVERIFY(colourNear(image, T, W, colour));
}

// Under either locale the scales write their numbers as the read-out boxes
// over the chart write theirs; the picture kept for a pixel ratio, and the
// one a box shows, are the ones drawn under the locale in force.
void PsychChartPictureTest::numbersFollowTheLocale()
{
    const QLocale original;
    PictureCache box;
    box.setRenderer(&chart::psychrometricChartPicture);
    QImage previous;
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::Spanish, QLocale::Spain)}) {
        QLocale::setDefault(locale);
        const QString point = locale.decimalPoint();
        const QStringList humidity = chart::humidityRatioScaleTexts();
        QCOMPARE(humidity.size(), 17);
        QCOMPARE(humidity.first(), "0" + point + "004");
        QCOMPARE(humidity.at(3), "0" + point + "010");
        QCOMPARE(humidity.last(), "0" + point + "036");
        QCOMPARE(chart::dryBulbScaleTexts(), QStringLiteral("0 2 4 6 8 12 16 20 24 28 32 36 40 44 48").split(' '));

        const QImage &kept = chart::psychrometricChartPicture(1);
        QCOMPARE(kept, chart::renderPsychrometricChart(1));
        QCOMPARE(box.pixmap(1).toImage().constBits(), kept.constBits());
        QVERIFY(kept != previous);
        previous = kept;
    }
    QLocale::setDefault(original);
}

QTEST_MAIN(PsychChartPictureTest)
#include "tst_psych_chart_picture.moc"
