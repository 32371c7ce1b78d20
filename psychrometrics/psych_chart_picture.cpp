#include "psych_chart_picture.h"

#include "chart_calibration.h"
#include "moist_air.h"
#include "number_format.h"
#include "rendered_picture.h"
#include "twips.h"
#include "window_build.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>
#include <functional>

namespace chart {

namespace {

// The chart's own constants: the readout's molar mass ratio and gas constant,
// so that a point read off the picture agrees with the curves under it.
constexpr psychro::MolarMassRatio kMolarMassRatio{0.62198};
constexpr psychro::DryAirGas kDryAir{287.05, 273.0};

// Frame of the chart, in logical pixels and in state quantities.
constexpr double kScaleX = 220.0;     // the humidity-ratio scale (X = 3300 twips)
constexpr int kLowestGramsPerKg = 4;  // humidity-ratio grid: 4 to 36 g/kg by 2
constexpr int kHighestGramsPerKg = 36;
constexpr double kLowestW = kLowestGramsPerKg / 1000.0;  // the bottom line
constexpr double kHighestT = 51.0;    // a little beyond the scale, for clipping
constexpr double kSampleStep = 0.25;  // degrees between points of a curve (about 1 px)

// A curve of the chart: humidity ratio as a function of dry bulb, with no
// value where the curve does not exist.
using Curve = std::function<std::optional<double>(double T)>;

double xOf(double T) { return twips::toPixels(xFromDryBulb(T)); }
double yOf(double W) { return twips::toPixels(yFromHumidityRatio(W)); }
QPointF pointOf(double T, double W) { return {xOf(T), yOf(W)}; }
double bottomY() { return yOf(kLowestW); }

std::optional<double> saturation(double T)
{
    return psychro::SaturationHumidityRatio(T, kPicturePressure, kMolarMassRatio);
}

Curve wetBulbLine(double Twb)
{
    return [Twb](double T) { return psychro::HumidityRatioFromWetBulb(T, Twb, kPicturePressure); };
}

Curve relativeHumidityCurve(double phi)
{
    return [phi](double T) {
        return psychro::HumidityRatioFromRelativeHumidity(T, phi, kPicturePressure,
                                                          kMolarMassRatio);
    };
}

// Specific volume at a state of the chart (defined for every W in 0..0.06).
double specificVolume(double T, double W)
{
    const double pv = *psychro::VapourPressureFromHumidityRatio(kPicturePressure, W);
    return *psychro::MoistAirSpecificVolume(T, kPicturePressure, pv, kDryAir);
}

// Dry bulb of the state with specific volume v at humidity ratio W. At a given
// W the volume is linear in the dry bulb (ideal gas), so the line through two
// temperatures inverts it.
double dryBulbAtVolume(double v, double W)
{
    const double v0 = specificVolume(0.0, W);
    const double v50 = specificVolume(50.0, W);
    return 50.0 * (v - v0) / (v50 - v0);
}

// The line of constant specific volume v, from below the bottom line to above
// the top edge.
QPainterPath specificVolumeLine(double v)
{
    QPainterPath path(pointOf(dryBulbAtVolume(v, 0.003), 0.003));
    for (int g = 4; g <= 40; ++g)
        path.lineTo(pointOf(dryBulbAtVolume(v, g / 1000.0), g / 1000.0));
    return path;
}

// The curve sampled from t0 to t1 as a polyline; it breaks where it has no value.
QPainterPath sampled(const Curve &curve, double t0, double t1)
{
    QPainterPath path;
    const int n = qCeil((t1 - t0) / kSampleStep);
    bool drawing = false;
    for (int i = 0; i <= n; ++i) {
        const double T = t0 + (t1 - t0) * i / n;
        const auto W = curve(T);
        if (!W) {
            drawing = false;
            continue;
        }
        if (drawing)
            path.lineTo(pointOf(T, *W));
        else
            path.moveTo(pointOf(T, *W));
        drawing = true;
    }
    return path;
}

// Direction of a curve at T on the picture, in degrees (for labels along it).
double angleAt(const Curve &curve, double T)
{
    const double h = 0.05;
    const QPointF d = pointOf(T + h, curve(T + h).value_or(0.0))
                      - pointOf(T - h, curve(T - h).value_or(0.0));
    return qRadiansToDegrees(std::atan2(d.y(), d.x()));
}

QRectF frameRect()
{
    return QRectF(QPointF(xOf(0.0), 0.0), QPointF(kScaleX, bottomY()));
}

// The area under the saturation curve inside the frame: every other line
// family ends at the saturation curve, as on a printed chart.
QPainterPath airRegion()
{
    // From 0 to 40 degrees the saturation curve runs from below the bottom
    // line to above the top edge.
    QPainterPath region = sampled(saturation, 0.0, 40.0);
    region.lineTo(kScaleX, region.currentPosition().y());
    region.lineTo(kScaleX, bottomY());
    region.lineTo(xOf(0.0), bottomY());
    region.closeSubpath();
    QPainterPath frame;
    frame.addRect(frameRect());
    return region.intersected(frame);
}

QPen pen(QRgb colour, double width)
{
    QPen p{QColor(colour), width};
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::BevelJoin);
    return p;
}

QFont chartFont(int pixelSize)
{
    QFont font = winbuild::uiFont(pixelSize);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

constexpr QRgb kInk = qRgb(60, 68, 80);  // frame, ticks and scale labels

// The dry-bulb scale is numbered every 2 degrees up to 8, then every 4.
bool numberedDryBulb(int T)
{
    return T <= 8 || T % 4 == 0;
}

QString dryBulbText(int T)
{
    return formatNumber(T, QStringLiteral("0"));
}

QString humidityRatioText(int gramsPerKg)
{
    return formatNumber(gramsPerKg / 1000.0, QStringLiteral("0.000"));
}

// Text centred on a point, turned by angle degrees, on a white patch that
// breaks the lines beneath it.
void drawLabel(QPainter &p, const QString &text, QPointF centre, double angle, QRgb colour)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF box = p.fontMetrics().boundingRect(text);
    const QRectF patch(-box.width() / 2 - 1, -box.height() / 2, box.width() + 2, box.height());
    p.fillRect(patch.adjusted(0, 1.5, 0, -1.5), Qt::white);  // the digits' height, no line gap
    p.setPen(QColor(colour));
    p.drawText(patch, Qt::AlignCenter, text);
    p.restore();
}

void drawGrid(QPainter &p)
{
    p.setPen(pen(kGridColour, 0.6));
    for (int T = 2; T <= 48; T += 2)
        p.drawLine(QPointF(xOf(T), bottomY()), QPointF(xOf(T), 0.0));
    for (int g = kLowestGramsPerKg + 2; g <= kHighestGramsPerKg; g += 2)
        p.drawLine(QPointF(xOf(0.0), yOf(g / 1000.0)), QPointF(kScaleX, yOf(g / 1000.0)));
}

void drawLineFamilies(QPainter &p)
{
    p.setPen(pen(kSpecificVolumeColour, 0.7));
    for (int cv = 78; cv <= 96; ++cv)
        p.drawPath(specificVolumeLine(cv / 100.0));

    p.setPen(pen(kWetBulbColour, 0.8));
    for (int Twb = 5; Twb <= 35; Twb += 5)
        p.drawPath(sampled(wetBulbLine(Twb), Twb, kHighestT));

    p.setPen(pen(kRelativeHumidityColour, 0.9));
    for (int rh = 10; rh <= 90; rh += 10)
        p.drawPath(sampled(relativeHumidityCurve(rh / 100.0), 0.0, kHighestT));
}

void drawScales(QPainter &p)
{
    const double bottom = bottomY();
    p.setPen(pen(kInk, 0.8));
    p.drawLine(QPointF(xOf(0.0), bottom), QPointF(kScaleX, bottom));
    p.drawLine(QPointF(kScaleX, bottom), QPointF(kScaleX, 0.0));

    p.setFont(chartFont(8));
    for (int T = 0; T <= 48; T += 2) {
        const bool labelled = numberedDryBulb(T);
        p.drawLine(QPointF(xOf(T), bottom), QPointF(xOf(T), bottom + (labelled ? 4.0 : 2.5)));
        if (labelled)
            p.drawText(QRectF(xOf(T) - 12, bottom + 8, 24, 12), Qt::AlignHCenter | Qt::AlignTop, dryBulbText(T));
    }
    for (int g = kLowestGramsPerKg; g <= kHighestGramsPerKg; g += 2) {
        const double y = yOf(g / 1000.0);
        p.drawLine(QPointF(kScaleX, y), QPointF(kScaleX + 3, y));
        p.drawText(QRectF(kScaleX + 5, y - 6, 40, 12), Qt::AlignLeft | Qt::AlignVCenter, humidityRatioText(g));
    }
}

void drawSaturationCurve(QPainter &p)
{
    p.setPen(pen(kSaturationColour, 1.3));
    p.drawPath(sampled(saturation, 0.0, 40.0));

    // The saturation temperatures, just outside the curve.
    p.setFont(chartFont(8));
    p.setPen(QColor(kSaturationColour));
    for (int T = 5; T <= 35; T += 5) {
        const QPointF at = pointOf(T, *saturation(T));
        const double a = qDegreesToRadians(angleAt(saturation, T));
        const QPointF normal(std::sin(a), -std::cos(a));  // towards the upper left
        const QPointF centre = at + 7.0 * normal;
        p.drawText(QRectF(centre.x() - 8, centre.y() - 6, 16, 12), Qt::AlignCenter, dryBulbText(T));
    }
}

void drawCurveLabels(QPainter &p)
{
    p.setFont(chartFont(8));
    // Relative humidity labels on a diagonal band across the chart.
    for (int rh = 10; rh <= 90; rh += 10) {
        const Curve curve = relativeHumidityCurve(rh / 100.0);
        const double T = 48.0 - 1.4 * (rh / 10);
        drawLabel(p, formatNumber(rh, QStringLiteral("0")) + QLatin1Char('%'), pointOf(T, *curve(T)),
                  angleAt(curve, T), kRelativeHumidityColour);
    }
    // Specific volumes just above the bottom line.
    const double W = kLowestW + 0.0012;
    for (int cv = 82; cv <= 90; cv += 2) {
        const double v = cv / 100.0;
        drawLabel(p, formatNumber(v, QStringLiteral("0.00")), pointOf(dryBulbAtVolume(v, W), W), 0.0,
                  kSpecificVolumeColour);
    }
}

void paintChart(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.save();
    p.setClipPath(airRegion());
    drawGrid(p);
    drawLineFamilies(p);
    p.restore();

    drawCurveLabels(p);
    drawScales(p);
    drawSaturationCurve(p);
}

} // namespace

QStringList dryBulbScaleTexts()
{
    QStringList texts;
    for (int T = 0; T <= 48; T += 2) {
        if (numberedDryBulb(T))
            texts << dryBulbText(T);
    }
    return texts;
}

QStringList humidityRatioScaleTexts()
{
    QStringList texts;
    for (int g = kLowestGramsPerKg; g <= kHighestGramsPerKg; g += 2)
        texts << humidityRatioText(g);
    return texts;
}

QImage renderPsychrometricChart(qreal devicePixelRatio)
{
    return rendered::renderOpaque(QSize(kPictureWidth, kPictureHeight), devicePixelRatio, Qt::white, paintChart);
}

const QImage &psychrometricChartPicture(qreal devicePixelRatio)
{
    static rendered::PerRatio pictures(&renderPsychrometricChart);
    return pictures.at(devicePixelRatio);
}

} // namespace chart
