#include "instrument.h"

#include "number_format.h"
#include "picture_cache.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QLocale>
#include <QMetaProperty>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>

// Assistive tools' view of an instrument: its kind as the name, its value
// through the value interface. The value is read when a tool asks for it.
class InstrumentAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit InstrumentAccessible(InstrumentWidget *instrument)
        : QAccessibleWidget(instrument)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? instrument()->valueText() : QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return valueOf(instrument()); }
    // The instruments are operated by their own keys, not set by assistive tools.
    void setCurrentValue(const QVariant &) override {}
    QVariant minimumValue() const override { return widget()->property("minimum"); }
    QVariant maximumValue() const override { return widget()->property("maximum"); }
    QVariant minimumStepSize() const override { return {}; }

    static QVariant valueOf(const InstrumentWidget *instrument)
    {
        return instrument->metaObject()->userProperty().read(instrument);
    }

private:
    const InstrumentWidget *instrument() const { return static_cast<const InstrumentWidget *>(object()); }
};

namespace {

QAccessibleInterface *instrumentAccessible(const QString &, QObject *object)
{
    auto *instrument = qobject_cast<InstrumentWidget *>(object);
    return instrument ? new InstrumentAccessible(instrument) : nullptr;
}

} // namespace

InstrumentWidget::InstrumentWidget(const QString &accessibleKind, QWidget *parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(instrumentAccessible), true);
    Q_UNUSED(factoryInstalled)
    setAccessibleName(accessibleKind);
}

void InstrumentWidget::designChanged()
{
    m_staticLayerValid = false;
    valueShown();
}

// Nothing is done for assistive tools unless one listens; then a calculation
// run many times over in one turn (a selector ramp) tells it once.
void InstrumentWidget::valueShown()
{
    update();
    if (m_valueChangePending || !QAccessible::isActive())
        return;
    m_valueChangePending = true;
    QMetaObject::invokeMethod(this, [this] { announceValue(); }, Qt::QueuedConnection);
}

void InstrumentWidget::announceValue()
{
    m_valueChangePending = false;
    QAccessibleValueChangeEvent event(this, InstrumentAccessible::valueOf(this));
    QAccessible::updateAccessibility(&event);
}

void InstrumentWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const double scale = devicePixelScale(painter);
    const QSize pixels(std::max(1, int(std::ceil(width() * scale))), std::max(1, int(std::ceil(height() * scale))));
    if (!m_staticLayerValid || m_staticLayer.size() != pixels
        || !qFuzzyCompare(m_staticLayer.devicePixelRatio(), scale) || m_staticLayerLocale != QLocale()) {
        m_staticLayer = QPixmap(pixels);
        m_staticLayer.setDevicePixelRatio(scale);
        m_staticLayer.fill(Qt::transparent);
        QPainter layer(&m_staticLayer);
        layer.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        layer.setFont(font());
        paintStatic(layer);
        m_staticLayerLocale = QLocale();
        m_staticLayerValid = true;
    }
    painter.drawPixmap(0, 0, m_staticLayer);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    paintMoving(painter);
}

void InstrumentWidget::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::LocaleChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        designChanged();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void InstrumentWidget::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void InstrumentWidget::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}

namespace instrument {

QPointF polar(QPointF centre, double radius, double degrees)
{
    const double radians = qDegreesToRadians(degrees);
    return {centre.x() + radius * std::cos(radians), centre.y() - radius * std::sin(radians)};
}

double angleOf(QPointF centre, QPointF point)
{
    const double degrees = qRadiansToDegrees(std::atan2(centre.y() - point.y(), point.x() - centre.x()));
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

double angleDifference(double a, double b)
{
    double d = std::fmod(a - b, 360.0);
    if (d <= -180.0)
        d += 360.0;
    else if (d > 180.0)
        d -= 360.0;
    return d;
}

double scaleFraction(double value, double minimum, double maximum)
{
    const double span = maximum - minimum;
    if (!std::isfinite(value) || !std::isfinite(span) || span == 0.0)
        return 0.0;
    return std::clamp((value - minimum) / span, 0.0, 1.0);
}

QVector<double> majorTicks(double minimum, double maximum, int count)
{
    constexpr int kMaximumTicks = 200;
    const double span = maximum - minimum;
    if (!std::isfinite(span) || span == 0.0)
        return {minimum};

    QVector<double> ticks;
    if (count >= 2) {
        count = std::min(count, kMaximumTicks);
        for (int i = 0; i < count; ++i)
            ticks.append(minimum + span * i / (count - 1));
        return ticks;
    }

    // Automatic: the round step whose tick count comes nearest to six.
    const double low = std::min(minimum, maximum);
    const double high = std::max(minimum, maximum);
    const auto ticksFor = [&](double step) {
        return std::floor(high / step + 1e-9) - std::ceil(low / step - 1e-9) + 1.0;
    };
    const double decade = std::pow(10.0, std::floor(std::log10(high - low)) - 1.0);
    double best = decade;
    for (double factor : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0}) {
        const double step = factor * decade;
        if (std::abs(ticksFor(step) - 6.0) < std::abs(ticksFor(best) - 6.0))
            best = step;
    }
    for (double k = std::ceil(low / best - 1e-9); k * best <= high + best * 1e-9 && ticks.size() < kMaximumTicks; ++k)
        ticks.append(tidy(k * best));
    if (minimum > maximum)
        std::reverse(ticks.begin(), ticks.end());
    return ticks;
}

QString tickText(double value)
{
    // The fewest decimals that write the tick exactly ("10", "2,5"), up to a
    // millionth: a scale's numbers are round.
    constexpr int kMostDecimals = 6;
    const double tick = tidy(value);
    int decimals = 0;
    for (double scaled = tick; decimals < kMostDecimals && std::isfinite(scaled)
                               && std::abs(scaled - std::round(scaled)) > 1e-9 * std::max(1.0, std::abs(scaled));
         scaled *= 10.0)
        ++decimals;
    return numberText(tick, decimals);
}

QString numberPattern(int decimals)
{
    QString pattern = QStringLiteral("0");
    if (decimals > 0)
        pattern += QLatin1Char('.') + QString(decimals, QLatin1Char('0'));
    return pattern;
}

QString numberText(double value, int decimals)
{
    return formatNumber(value, numberPattern(decimals));
}

double tidy(double value)
{
    if (!std::isfinite(value))
        return value;
    return QString::number(value, 'g', 12).toDouble();
}

void paintKnobBody(QPainter &painter, QPointF centre, double radius)
{
    painter.save();
    painter.setPen(Qt::NoPen);

    // Soft shadow below and to the right: the knob stands out of the panel.
    QRadialGradient shadow(centre + QPointF(radius * 0.06, radius * 0.12), radius * 1.12);
    shadow.setColorAt(0.82, QColor(0, 0, 0, 110));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setBrush(shadow);
    painter.drawEllipse(centre + QPointF(radius * 0.06, radius * 0.12), radius * 1.12, radius * 1.12);

    // Fluted skirt: dark with light falling from the upper left.
    QLinearGradient skirt(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    skirt.setColorAt(0.0, QColor(0x70, 0x70, 0x70));
    skirt.setColorAt(0.5, QColor(0x2a, 0x2a, 0x2a));
    skirt.setColorAt(1.0, QColor(0x10, 0x10, 0x10));
    painter.setBrush(skirt);
    painter.drawEllipse(centre, radius, radius);

    const int flutes = std::clamp(int(radius * 1.2), 12, 48);
    painter.setPen(QPen(QColor(0, 0, 0, 150), std::max(0.6, radius * 0.05)));
    for (int i = 0; i < flutes; ++i) {
        const double a = 360.0 * i / flutes;
        painter.drawLine(polar(centre, radius * 0.80, a), polar(centre, radius * 0.98, a));
    }

    // Brushed-metal cap.
    const double cap = radius * 0.72;
    QConicalGradient metal(centre, 45.0);
    const QColor light(0xe6, 0xe6, 0xe6), dark(0x8a, 0x8a, 0x8a);
    for (int i = 0; i <= 8; ++i)
        metal.setColorAt(i / 8.0, i % 2 == 0 ? light : dark);
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), std::max(0.5, radius * 0.04)));
    painter.setBrush(metal);
    painter.drawEllipse(centre, cap, cap);
    painter.restore();
}

QPen focusPen(const QPalette &palette)
{
    return QPen(palette.color(QPalette::Highlight), 1.0, Qt::DotLine);
}

} // namespace instrument
