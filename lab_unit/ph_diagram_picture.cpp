#include "ph_diagram_picture.h"

#include "number_format.h"
#include "r12.h"
#include "rendered_picture.h"
#include "twips.h"
#include "window_build.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

using namespace ph_diagram;

// Everything below is in logical pixels of the picture.

// Plot area: the pressure axis at the left, the enthalpy axis at the foot.
// The box shows about 252 of the picture's 264 columns, so the drawing ends
// short of its right edge.
constexpr double kAxisX = 16.0;
constexpr double kAxisY = 204.0;
constexpr double kPlotTop = 6.0;
constexpr double kPlotRight = 248.0;

// Saturation lines are straight up to this temperature; above it they bend
// into the dome's top, which peaks at the critical point.
constexpr double kBendT = 65.0;
constexpr double kCriticalT = 112.0;
constexpr double kCriticalX = 158.0;
constexpr double kLiquidHandle = 22.0;     // pixels of rise along the straight line
constexpr double kVapourHandle = 8.0;
constexpr double kLiquidTopHandle = 24.0; // horizontal reach of the tangent at the top
constexpr double kVapourTopHandle = 22.0;

// Subcooled-liquid isotherms stop here, below the "R-12" caption.
constexpr double kLiquidIsothermTop = 44.0;
// Lower end of the rotated isotherm labels in the liquid region.
constexpr double kIsothermLabelBase = 94.0;
// Superheated isotherms leave the vapour line towards the right and turn
// down to a vertical, x = xv + (xLow - xv) (1 - exp(-(y - yv) / depth)),
// where xLow, the enthalpy of the vapour at low pressure, grows linearly with
// the temperature; so the curves spread out evenly and never cross.
constexpr double kLowPressureX0 = 175.0;   // at 0 degC
constexpr double kLowPressureXPerK = 0.65;
constexpr double kIsothermDepth = 18.0;

// Isentropes: a fanning family around the compression end line, spaced at
// the 0 degC level and slightly flatter as the entropy grows.
constexpr double kIsentropeSpacing = 12.0;
constexpr double kIsentropeSlope = kCompressionEndSlope;   // pixels right per pixel up
constexpr double kIsentropeSlopeStep = 0.035;
constexpr int kIsentropeFirst = -4;
constexpr int kIsentropeLast = 6;

// Isochores leave the vapour line much flatter than the isentropes.
constexpr double kIsochoreSlope = 2.4;

// Lines of constant quality across the wet-vapour region.
constexpr double kQualities[] = {0.2, 0.4, 0.6, 0.8};

QString qualityText(double quality)
{
    return formatNumber(quality, QStringLiteral("0.0"));
}

const QColor kGround(255, 255, 255);
const QColor kInk(0, 0, 0);                 // axes, dome and texts
const QColor kQualityColour(128, 128, 128);
const QColor kIsothermColour(200, 0, 0);
const QColor kIsochoreColour(0, 140, 0);
const QColor kIsentropeColour(0, 0, 200);

constexpr double kDomeWidth = 1.3;
constexpr double kAxisWidth = 0.8;
constexpr double kFamilyWidth = 0.6;

double levelPx(double t) { return twips::toPixels(levelY(t)); }
double liquidPx(double y) { return twips::toPixels(liquidLineX(twips::fromPixels(y))); }
double vapourPx(double y) { return twips::toPixels(vapourLineX(twips::fromPixels(y))); }

QPointF lerp(QPointF a, QPointF b, double s) { return a + (b - a) * s; }

// A cubic Bezier segment that rises monotonically from p0 to p3.
struct Rise
{
    QPointF p0, p1, p2, p3;

    QPointF at(double s) const
    {
        const QPointF a = lerp(p0, p1, s), b = lerp(p1, p2, s), c = lerp(p2, p3, s);
        return lerp(lerp(a, b, s), lerp(b, c, s), s);
    }

    double xAtLevel(double y) const
    {
        double lo = 0.0, hi = 1.0;
        for (int i = 0; i < 40; ++i) {
            const double mid = 0.5 * (lo + hi);
            (at(mid).y() > y ? lo : hi) = mid;
        }
        return at(0.5 * (lo + hi)).x();
    }
};

// The saturation dome: straight liquid and vapour lines from the foot of the
// plot up to the bend level, closed by two curves that meet with a level
// tangent at the critical point.
class Dome
{
public:
    Dome()
    {
        const double bendY = levelPx(kBendT);
        critical_ = {kCriticalX, levelPx(kCriticalT)};
        const QPointF liquidBend(liquidPx(bendY), bendY);
        const QPointF vapourBend(vapourPx(bendY), bendY);
        liquidTop_ = {liquidBend, liquidBend + kLiquidHandle * QPointF(kLiquidLineSlope, -1.0),
                      critical_ - QPointF(kLiquidTopHandle, 0.0), critical_};
        vapourTop_ = {vapourBend, vapourBend + kVapourHandle * QPointF(kVapourLineSlope, -1.0),
                      critical_ + QPointF(kVapourTopHandle, 0.0), critical_};
    }

    QPointF critical() const { return critical_; }
    bool hasLevel(double y) const { return y > critical_.y(); }

    double liquidX(double y) const
    {
        return y >= liquidTop_.p0.y() ? liquidPx(y) : liquidTop_.xAtLevel(y);
    }

    double vapourX(double y) const
    {
        return y >= vapourTop_.p0.y() ? vapourPx(y) : vapourTop_.xAtLevel(y);
    }

    // Liquid line from the foot over the top and down the vapour line.
    QPainterPath outline() const
    {
        QPainterPath path(QPointF(liquidPx(kAxisY), kAxisY));
        path.lineTo(liquidTop_.p0);
        path.cubicTo(liquidTop_.p1, liquidTop_.p2, liquidTop_.p3);
        path.cubicTo(vapourTop_.p2, vapourTop_.p1, vapourTop_.p0);
        path.lineTo(vapourPx(kAxisY), kAxisY);
        return path;
    }

    QPainterPath wetRegion() const
    {
        QPainterPath path = outline();
        path.closeSubpath();
        return path;
    }

    // Left of the liquid line, and left of the critical point above it.
    QPainterPath liquidRegion() const
    {
        QPainterPath path(QPointF(kAxisX, kAxisY));
        path.lineTo(liquidPx(kAxisY), kAxisY);
        path.lineTo(liquidTop_.p0);
        path.cubicTo(liquidTop_.p1, liquidTop_.p2, liquidTop_.p3);
        path.lineTo(critical_.x(), 0.0);
        path.lineTo(kAxisX, 0.0);
        path.closeSubpath();
        return path;
    }

    // Right of the vapour line, and right of the critical point above it.
    QPainterPath superheatedRegion() const
    {
        QPainterPath path(QPointF(vapourPx(kAxisY), kAxisY));
        path.lineTo(vapourTop_.p0);
        path.cubicTo(vapourTop_.p1, vapourTop_.p2, vapourTop_.p3);
        path.lineTo(critical_.x(), 0.0);
        path.lineTo(kPictureWidth, 0.0);
        path.lineTo(kPictureWidth, kAxisY);
        path.closeSubpath();
        return path;
    }

private:
    QPointF critical_;
    Rise liquidTop_;
    Rise vapourTop_;
};

// Saturation temperature whose pressure pr12 gives p, by bisection.
double saturationTemperature(double p)
{
    double lo = -100.0, hi = 200.0;
    for (int i = 0; i < 60; ++i) {
        const double mid = 0.5 * (lo + hi);
        (r12::pr12(mid) < p ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

// Schematic enthalpy scale: linear, through the saturated liquid at 0 degC
// and the saturated vapour at 40 degC, so that the working range reads
// about right.
struct EnthalpyScale
{
    double x0, h0, pixelsPerKJ;

    explicit EnthalpyScale(const Dome &dome)
    {
        const double y0 = levelPx(0.0), y40 = levelPx(40.0);
        x0 = dome.liquidX(y0);
        h0 = r12::hgr12(0.0) - r12::hfgr12(0.0);
        pixelsPerKJ = (dome.vapourX(y40) - x0) / (r12::hgr12(40.0) - h0);
    }

    double x(double h) const { return x0 + (h - h0) * pixelsPerKJ; }
};

// Lines stay at least one device pixel wide, so that they keep their colour
// at a ratio of 1.
QPen thinPen(const QPainter &p, const QColor &colour, double width = kFamilyWidth)
{
    QPen pen(colour, std::max(width, 1.0 / p.device()->devicePixelRatio()));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QFont diagramFont(int pixelSize)
{
    QFont font = winbuild::uiFont(pixelSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Draws text with its reference point at the given corner/edge; with a
// ground patch behind it when it sits over lines.
void drawText(QPainter &p, QPointF at, const QString &text, Qt::Alignment align,
              bool onGround = false)
{
    QRectF box = p.fontMetrics().boundingRect(text);
    box.moveTopLeft(at);
    if (align & Qt::AlignRight)
        box.moveRight(at.x());
    else if (align & Qt::AlignHCenter)
        box.moveLeft(at.x() - box.width() / 2);
    if (align & Qt::AlignBottom)
        box.moveBottom(at.y());
    else if (align & Qt::AlignVCenter)
        box.moveTop(at.y() - box.height() / 2);
    if (onGround)
        p.fillRect(box.adjusted(-1, 0, 1, 0), kGround);
    p.drawText(box, Qt::AlignCenter, text);
}

void drawArrowHead(QPainter &p, QPointF tip, QPointF direction)
{
    const QPointF back = -direction * 5.0;
    const QPointF side(-direction.y() * 2.0, direction.x() * 2.0);
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF{tip, tip + back + side, tip + back - side});
    p.setBrush(Qt::NoBrush);
}

// Whole numbers of the axes and the isotherms.
QString wholeNumber(double value)
{
    return formatNumber(value, QStringLiteral("0"));
}

void drawQualityLines(QPainter &p, const Dome &dome)
{
    p.setPen(thinPen(p, kQualityColour));
    p.setFont(diagramFont(7));
    for (double quality : kQualities) {
        QPolygonF line;
        for (double y = kAxisY; dome.hasLevel(y); y -= 0.5)
            line << QPointF(dome.liquidX(y) + quality * (dome.vapourX(y) - dome.liquidX(y)), y);
        line << dome.critical();
        p.drawPolyline(line);
        p.setPen(kQualityColour);
        drawText(p, line.first() + QPointF(-1.0, -1.0), qualityText(quality), Qt::AlignRight | Qt::AlignBottom);
        p.setPen(thinPen(p, kQualityColour));
    }
}

// A family's symbol in small type beside one of its lines.
void drawFamilySymbol(QPainter &p, const QColor &colour, QPointF at, const QString &symbol,
                      Qt::Alignment align)
{
    p.setPen(colour);
    p.setFont(diagramFont(8));
    drawText(p, at, symbol, align, true);
}

void drawIsochores(QPainter &p, const Dome &dome)
{
    p.setPen(thinPen(p, kIsochoreColour));
    QPointF start;
    for (double t : {-10.0, 10.0, 30.0, 50.0, 70.0}) {
        const double y = levelPx(t);
        start = QPointF(dome.vapourX(y), y);
        const double rise = (kPictureWidth - start.x()) / kIsochoreSlope;
        p.drawLine(start, start + QPointF(kPictureWidth - start.x(), -rise));
    }
    const double x = kPlotRight - 10.0;
    const QPointF onLast(x, start.y() - (x - start.x()) / kIsochoreSlope);
    drawFamilySymbol(p, kIsochoreColour, onLast + QPointF(0.0, -1.5), QStringLiteral("v"),
                     Qt::AlignHCenter | Qt::AlignBottom);
}

void drawIsentropes(QPainter &p)
{
    p.setPen(thinPen(p, kIsentropeColour));
    const double yRef = levelPx(0.0);
    const double xRef = twips::toPixels(compressionEndX(levelY(0.0)));
    const auto xAt = [&](int k, double y) {
        const double slope = kIsentropeSlope + kIsentropeSlopeStep * k;
        return xRef + kIsentropeSpacing * k + slope * (yRef - y);
    };
    for (int k = kIsentropeFirst; k <= kIsentropeLast; ++k)
        p.drawLine(QPointF(xAt(k, kAxisY), kAxisY), QPointF(xAt(k, 0.0), 0.0));
    const double y = kPlotTop + 8.0;
    drawFamilySymbol(p, kIsentropeColour, QPointF(xAt(kIsentropeFirst + 1, y) + 2.0, y),
                     QStringLiteral("s"), Qt::AlignLeft | Qt::AlignVCenter);
}

// Horizontal across the dome, vertical in the subcooled liquid, falling
// towards a vertical in the superheated vapour.
void drawIsotherm(QPainter &p, const Dome &dome, double t, const QPainterPath &liquid,
                  const QPainterPath &superheated)
{
    const double y = levelPx(t);
    const double xl = dome.liquidX(y), xv = dome.vapourX(y);
    p.drawLine(QPointF(xl, y), QPointF(xv, y));

    p.save();
    p.setClipPath(liquid, Qt::IntersectClip);
    p.drawLine(QPointF(xl, y), QPointF(xl, kLiquidIsothermTop));
    p.restore();

    const double reach = kLowPressureX0 + kLowPressureXPerK * t - xv;
    QPolygonF tail;
    for (double depth = 0.0; y + depth <= kAxisY; depth += 1.0)
        tail << QPointF(xv + reach * (1.0 - std::exp(-depth / kIsothermDepth)), y + depth);
    p.save();
    p.setClipPath(superheated, Qt::IntersectClip);
    p.drawPolyline(tail);
    p.restore();
}

void drawIsotherms(QPainter &p, const Dome &dome)
{
    const QPainterPath liquid = dome.liquidRegion();
    const QPainterPath superheated = dome.superheatedRegion();
    p.setPen(thinPen(p, kIsothermColour));
    for (double t : {-20.0, 0.0, 20.0, 40.0, 60.0, 80.0, 100.0})
        drawIsotherm(p, dome, t, liquid, superheated);

    // Labels read upwards, just left of the vertical lines.
    p.setPen(kIsothermColour);
    p.setFont(diagramFont(7));
    for (double t : {0.0, 20.0, 40.0, 60.0}) {
        const double x = dome.liquidX(levelPx(t));
        p.save();
        p.translate(x - 1.0, kIsothermLabelBase);
        p.rotate(-90.0);
        drawText(p, QPointF(0.0, 0.0), wholeNumber(t) + QStringLiteral(" ºC"), Qt::AlignLeft | Qt::AlignBottom, true);
        p.restore();
    }
}

void drawPressureAxis(QPainter &p)
{
    p.setPen(thinPen(p, kInk, kAxisWidth));
    p.drawLine(QPointF(kAxisX, kAxisY), QPointF(kAxisX, kPlotTop));
    drawArrowHead(p, QPointF(kAxisX, kPlotTop - 2.0), QPointF(0.0, -1.0));
    p.setFont(diagramFont(8));
    for (int bar : {2, 4, 6, 8, 10, 15, 20, 30}) {
        const double y = levelPx(saturationTemperature(bar));
        p.drawLine(QPointF(kAxisX - 2.0, y), QPointF(kAxisX, y));
        drawText(p, QPointF(kAxisX - 2.5, y), wholeNumber(bar), Qt::AlignRight | Qt::AlignVCenter);
    }
    drawText(p, QPointF(kAxisX + 4.0, 0.0), QStringLiteral("p (bar)"), Qt::AlignLeft | Qt::AlignTop);
}

void drawEnthalpyAxis(QPainter &p, const EnthalpyScale &scale)
{
    p.setPen(thinPen(p, kInk, kAxisWidth));
    p.drawLine(QPointF(kAxisX, kAxisY), QPointF(kPlotRight, kAxisY));
    drawArrowHead(p, QPointF(kPlotRight + 2.0, kAxisY), QPointF(1.0, 0.0));
    p.setFont(diagramFont(8));
    for (int h = 50; scale.x(h) < kPlotRight - 6.0; h += 50) {
        const double x = scale.x(h);
        p.drawLine(QPointF(x, kAxisY), QPointF(x, kAxisY + 2.0));
        drawText(p, QPointF(x, kAxisY + 2.0), wholeNumber(h), Qt::AlignHCenter | Qt::AlignTop);
    }
    drawText(p, QPointF(kPlotRight, kPictureHeight), QStringLiteral("h (kJ/kg)"),
             Qt::AlignRight | Qt::AlignBottom);
}

void drawRegionNames(QPainter &p, const Dome &dome)
{
    p.setPen(kInk);
    p.setFont(diagramFont(7));
    const QFontMetricsF metrics(p.font());
    const double line = metrics.height();

    drawText(p, QPointF(kAxisX + 3.0, 50.0), QStringLiteral("Líquido"), Qt::AlignLeft | Qt::AlignTop, true);
    drawText(p, QPointF(kAxisX + 3.0, 50.0 + line), QStringLiteral("subenfriado"), Qt::AlignLeft | Qt::AlignTop, true);

    const double wetY = 0.5 * (levelPx(-20.0) + levelPx(0.0));
    drawText(p, QPointF(0.5 * (dome.liquidX(wetY) + dome.vapourX(wetY)), wetY),
             QStringLiteral("Vapor húmedo"), Qt::AlignHCenter | Qt::AlignVCenter, true);

    const QPointF superheated(kPlotRight - 2.0, 178.0);
    drawText(p, superheated, QStringLiteral("Vapor"), Qt::AlignRight | Qt::AlignTop, true);
    drawText(p, superheated + QPointF(0.0, line), QStringLiteral("sobrecalentado"), Qt::AlignRight | Qt::AlignTop, true);
}

void paintDiagram(QPainter &p)
{
    const Dome dome;
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.save();
    p.setClipRect(QRectF(kAxisX, 0.0, kPlotRight - kAxisX, kAxisY));
    drawQualityLines(p, dome);
    p.save();
    p.setClipPath(dome.superheatedRegion(), Qt::IntersectClip);
    drawIsochores(p, dome);
    p.restore();
    drawIsotherms(p, dome);
    p.save();
    p.setClipPath(dome.superheatedRegion(), Qt::IntersectClip);
    drawIsentropes(p);
    p.restore();
    drawRegionNames(p, dome);
    p.setPen(thinPen(p, kInk, kDomeWidth));
    p.drawPath(dome.outline());
    p.restore();

    drawPressureAxis(p);
    drawEnthalpyAxis(p, EnthalpyScale(dome));
}

} // namespace

QStringList ph_diagram::qualityTexts()
{
    QStringList texts;
    for (double quality : kQualities)
        texts << qualityText(quality);
    return texts;
}

QImage renderPhDiagram(qreal devicePixelRatio)
{
    return rendered::renderOpaque(QSize(kPictureWidth, kPictureHeight), devicePixelRatio, kGround, paintDiagram);
}

const QImage &phDiagramPicture(qreal devicePixelRatio)
{
    static rendered::PerRatio pictures(&renderPhDiagram);
    return pictures.at(devicePixelRatio);
}
