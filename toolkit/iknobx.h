#pragma once

#include "instrument.h"

// Rotary knob of the control panel (the fan speed control): a round knob with
// a white index line turning over a scale of major ticks that spans 270 degrees,
// from lower left (225 degrees) clockwise through the top to lower right.
//
// The position is a continuous double. Code may write any value: it is kept as
// written and read back unchanged (the index is drawn clipped to the scale).
// The user turns the knob by dragging around its centre, with the wheel (one
// arrow step per notch, up = more) and with the keys (arrows: arrow step,
// Page Up/Down: page step, Home/End: the ends); what the user does is clamped
// to the range. `changed()` follows every change of the position, whether the
// user or code made it, and never a step that leaves the position as it was.
class iKnobX : public InstrumentWidget
{
    Q_OBJECT
    Q_PROPERTY(double position READ position WRITE setPosition NOTIFY changed)
public:
    explicit iKnobX(QWidget *parent = nullptr);

    double position() const { return m_position; }
    void setPosition(double position);

    void setRange(double minimum, double maximum);
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    void setArrowStep(double step);
    double arrowStep() const { return m_arrowStep; }
    void setPageStep(double step);
    double pageStep() const { return m_pageStep; }
    void setMajorTickCount(int count);          // 0 = automatic round steps
    int majorTickCount() const { return m_majorTickCount; }
    void setTickLabelsVisible(bool visible);
    bool tickLabelsVisible() const { return m_tickLabelsVisible; }
    void setTransparent(bool transparent);      // no background of its own
    bool isTransparent() const { return m_transparent; }

    QSize sizeHint() const override;

signals:
    void changed();

protected:
    void paintStatic(QPainter &painter) const override;
    void paintMoving(QPainter &painter) const override;
    QString valueText() const override;

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Geometry
    {
        QPointF centre;
        double tickRadius;   // outer end of the ticks
        double knobRadius;
    };
    Geometry geometry() const;
    double angleOfValue(double value) const;
    void turnBy(double amount);     // a user change: clamped, then written
    void userSet(double position);

    double m_position = 0.0;
    double m_minimum = 0.0;
    double m_maximum = 10.0;
    double m_arrowStep = 0.1;
    double m_pageStep = 1.0;
    int m_majorTickCount = 11;
    bool m_tickLabelsVisible = true;
    bool m_transparent = false;

    bool m_dragging = false;
    double m_dragAngle = 0.0;       // pointer direction at the last drag event
    int m_wheelRemainder = 0;       // eighths of a degree not yet used
};
