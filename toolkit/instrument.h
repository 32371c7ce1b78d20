#pragma once

#include <QLocale>
#include <QPen>
#include <QPixmap>
#include <QPointF>
#include <QVector>
#include <QWidget>

#include <cmath>
#include <type_traits>

class QPainter;

// Common ground of the instruments (knob, selectors, switch, thermometer,
// gauge, read-outs). Each instrument paints in two layers:
//  - the static layer: whatever changes only with a design setting or the size
//    (face, scale, ticks, bezel). It is rendered once per size, device scale
//    and locale (the tick numbers follow it) into a pixmap at full device
//    resolution, so it stays sharp at any device pixel ratio and costs one
//    blit per repaint;
//  - the moving layer: pointer, column, digits, painted on top at every repaint.
// Design settings are properties, read and written by name; writing the value
// a setting already has changes nothing (no repaint, the static layer kept).
//
// Assistive tools see the kind of instrument as its accessible name and its
// value through the accessible value interface: the value property (the one
// marked USER) as the current value, valueText() as the value's text. They
// read it when they want it; one that listens is told of a change once per
// turn of the event loop, however often the value changed in that turn.
//
// Angle convention shared by every round instrument: degrees counter-clockwise
// from 3 o'clock (0 = right, 90 = top, 180 = left, 270 = bottom); a scale arc
// is given by its start angle and a span that runs clockwise from that start.
class InstrumentWidget : public QWidget
{
    Q_OBJECT
public:
    explicit InstrumentWidget(const QString &accessibleKind, QWidget *parent = nullptr);

protected:
    // A design setting changed: the static layer is redrawn at the next paint.
    void designChanged();
    // The value shown changed: repaint and tell a listening assistive tool.
    void valueShown();

    virtual void paintStatic(QPainter &painter) const = 0;
    virtual void paintMoving(QPainter &painter) const = 0;
    // The shown value in words, for assistive tools.
    virtual QString valueText() const = 0;

    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Operable instruments show a focus mark: repaint when focus comes and goes.
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    friend class InstrumentAccessible;
    void announceValue();

    QPixmap m_staticLayer;
    QLocale m_staticLayerLocale;
    bool m_staticLayerValid = false;
    bool m_valueChangePending = false;
};

namespace instrument {

// Point at `radius` from `centre` in the direction `degrees` (the convention above).
QPointF polar(QPointF centre, double radius, double degrees);

// Direction of `point` seen from `centre`, in degrees in [0, 360).
double angleOf(QPointF centre, QPointF point);

// Signed difference a - b of two directions, folded into (-180, 180].
double angleDifference(double a, double b);

// Where `value` lies on the scale minimum..maximum as a fraction clipped to
// [0, 1]; an empty range or a value that is not a number gives 0.
double scaleFraction(double value, double minimum, double maximum);

// The values of the major ticks from minimum to maximum. With count >= 2 the
// ticks are evenly spaced and include both ends; with count 0 (automatic) the
// ticks fall on a round step (1, 2 or 5 times a power of ten) chosen to give
// about six of them. Never more than 200 ticks.
QVector<double> majorTicks(double minimum, double maximum, int count);

// Short text of a tick value ("10", "2,5", "12000"), written like every
// number of the windows (formatNumber): the locale's decimal separator, no
// group separator, no exponent.
QString tickText(double value);

// The display pattern of a number with a fixed count of decimals ("0.00").
QString numberPattern(int decimals);

// Number with a fixed count of decimals for the accessible value texts.
QString numberText(double value, int decimals);

// Keeps a value reached by adding steps free of binary noise
// (5.0 + 10 x 0.1 gives 6.0, not 5.999999999).
double tidy(double value);

// The round knob body shared by the knob and the selectors: a drop shadow, a
// dark fluted skirt and a brushed-metal cap.
void paintKnobBody(QPainter &painter, QPointF centre, double radius);

// The dotted line that marks an instrument with the keyboard focus.
QPen focusPen(const QPalette &palette);

// Writes `value` into a setting; false, writing nothing, when the setting
// already holds it (two NaNs count as equal).
template <typename T>
bool change(T &setting, const std::decay_t<T> &value)
{
    if constexpr (std::is_floating_point_v<T>) {
        if (std::isnan(setting) && std::isnan(value))
            return false;
    }
    if (setting == value)
        return false;
    setting = value;
    return true;
}

// Both settings of a pair (a range, an arc) at once; false if neither changed.
template <typename T>
bool change(T &first, const std::decay_t<T> &firstValue, T &second, const std::decay_t<T> &secondValue)
{
    const bool firstChanged = change(first, firstValue);
    return change(second, secondValue) || firstChanged;
}

} // namespace instrument
