#pragma once

#include "instrument.h"
#include "stepped_control.h"

// Rotary knob: a round knob with a white index line turning over a scale of
// major ticks that spans 270 degrees, from lower left (225 degrees) clockwise
// through the top to lower right.
//
// The position is a continuous double. Code may write any value: it is kept as
// written and read back unchanged (the index is drawn clipped to the scale).
// The user turns the knob by dragging around its centre, with the wheel and
// with the keys (SteppedControl: a single step is the arrow step, Home/End the
// ends of the range); what the user does is clamped to the range.
// `changed()` follows every change of the position, whether the user or code
// made it, and never a step that leaves the position as it was.
class iKnobX : public SteppedControl<InstrumentWidget>
{
    Q_OBJECT
    Q_PROPERTY(double position READ position WRITE setPosition NOTIFY changed USER true)
    Q_PROPERTY(double minimum READ minimum)
    Q_PROPERTY(double maximum READ maximum)
    Q_PROPERTY(double arrowStep READ arrowStep WRITE setArrowStep)
    Q_PROPERTY(double pageStep READ pageStep WRITE setPageStep)
    Q_PROPERTY(int majorTickCount READ majorTickCount WRITE setMajorTickCount)
    Q_PROPERTY(bool tickLabelsVisible READ tickLabelsVisible WRITE setTickLabelsVisible)
    Q_PROPERTY(bool transparent READ isTransparent WRITE setTransparent)
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

    bool stepAction(Action action) override;
    bool dragStarted(QMouseEvent *event) override;
    void dragMoved(QMouseEvent *event) override;

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

    double m_dragAngle = 0.0;       // pointer direction at the last drag event
};
