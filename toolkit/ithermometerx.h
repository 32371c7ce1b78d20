#pragma once

#include "instrument.h"

#include <QColor>

// Glass thermometer: a tube with a bulb at its foot and a coloured column over
// a scale of ticks, with or without tick labels on its right.
// The position (degrees Celsius) is kept as written, also outside the scale;
// the column is drawn clipped to the scale (empty for a value that is not a number).
// The bulb is round, at the foot of the control's left side, unless the window
// gives it a place of its own: then it is an upright cylinder filling that
// rectangle, as the bulbs of a psychrometer, and the tube stands on it.
class iThermometerX : public InstrumentWidget
{
    Q_OBJECT
    Q_PROPERTY(double position READ position WRITE setPosition USER true)
    Q_PROPERTY(double minimum READ minimum)
    Q_PROPERTY(double maximum READ maximum)
    Q_PROPERTY(QColor indicatorColor READ indicatorColor WRITE setIndicatorColor)
    Q_PROPERTY(QColor indicatorBackgroundColor READ indicatorBackgroundColor WRITE setIndicatorBackgroundColor)
    Q_PROPERTY(int majorTickCount READ majorTickCount WRITE setMajorTickCount)
    Q_PROPERTY(bool tickLabelsVisible READ tickLabelsVisible WRITE setTickLabelsVisible)
    Q_PROPERTY(int bulbSize READ bulbSize WRITE setBulbSize)
    Q_PROPERTY(int indicatorWidth READ indicatorWidth WRITE setIndicatorWidth)
    Q_PROPERTY(bool transparent READ isTransparent WRITE setTransparent)
    Q_PROPERTY(bool wickedBulb READ wickedBulb WRITE setWickedBulb)
public:
    explicit iThermometerX(QWidget *parent = nullptr);

    double position() const { return m_position; }
    void setPosition(double position);

    void setRange(double minimum, double maximum);
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    void setIndicatorColor(const QColor &color);             // the column and the bulb
    QColor indicatorColor() const { return m_indicatorColor; }
    void setIndicatorBackgroundColor(const QColor &color);   // the empty bore above the column
    QColor indicatorBackgroundColor() const { return m_indicatorBackgroundColor; }
    void setMajorTickCount(int count);                       // 0 = automatic round steps
    int majorTickCount() const { return m_majorTickCount; }
    void setTickLabelsVisible(bool visible);
    bool tickLabelsVisible() const { return m_tickLabelsVisible; }
    // How far the bulb reaches beyond the column on each side, in logical
    // pixels; 0 = automatic, in proportion to the width.
    void setBulbSize(int pixels);
    int bulbSize() const { return m_bulbSize; }
    // Width of the column in logical pixels; 0 = automatic.
    void setIndicatorWidth(int pixels);
    int indicatorWidth() const { return m_indicatorWidth; }
    void setTransparent(bool transparent);                   // no background of its own
    bool isTransparent() const { return m_transparent; }
    // Where the bulb stands, in logical pixels of the control (kept inside
    // it); an empty rectangle gives the round bulb at the foot.
    void setBulbRect(const QRectF &rect);
    // A wet wick, drawn beneath the control, wraps the bulb: the bulb is drawn
    // faint and the column stops where it enters the wick, so the wick reads
    // as lying over the bulb.
    void setWickedBulb(bool wicked);
    bool wickedBulb() const { return m_wickedBulb; }
    // The outline of the bulb's glass as drawn, in logical pixels of the control.
    QRectF bulbRect() const;

    QSize sizeHint() const override;

protected:
    void paintStatic(QPainter &painter) const override;
    void paintMoving(QPainter &painter) const override;
    QString valueText() const override;

private:
    struct Geometry
    {
        double axisX;           // centre line of the tube
        double columnWidth;
        double tubeWidth;
        QRectF bulb;            // outline of the bulb's glass
        QRectF liquid;          // the liquid inside it
        double columnFoot;      // y where the column meets the bulb's liquid
        double scaleTop;        // y of the maximum
        double scaleBottom;     // y of the minimum
        double tickLeft;        // x where the ticks start
        double tickLength;
        double labelScale;      // tick label font size as a part of the widget's
    };
    Geometry layOut(const QFontMetricsF &metrics) const;
    double yOfValue(const Geometry &g, double value) const;
    void paintScale(QPainter &painter, const Geometry &g) const;
    void paintGlass(QPainter &painter, const Geometry &g) const;

    double m_position = 0.0;
    double m_minimum = 0.0;
    double m_maximum = 100.0;
    QColor m_indicatorColor{192, 0, 0};
    QColor m_indicatorBackgroundColor{Qt::white};
    int m_majorTickCount = 0;
    bool m_tickLabelsVisible = true;
    int m_bulbSize = 0;
    int m_indicatorWidth = 0;
    bool m_transparent = false;
    QRectF m_bulbRect;
    bool m_wickedBulb = false;
};
