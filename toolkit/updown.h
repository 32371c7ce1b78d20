#pragma once

#include "stepped_control.h"

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QTimer;
class iAnalogDisplayX;

// Step control: a vertical pair of arrow buttons beside a buddy that shows its
// value. A click on an arrow, the auto-repeat while it is held, the keys and
// the wheel (SteppedControl, vertical input only: Up/Down and Page Up/Page
// Down alike) each step Value by the increment, without wrapping at the ends.
//
// Every change of Value, from the user or from code, goes the same way: the
// value is clamped to the range; an equal value does nothing; otherwise it is
// stored, written into the buddy first and then Change() is emitted once,
// synchronously. Handlers that write other step controls therefore run nested
// and end as soon as a write changes nothing.
//
// A window may let steps start from a number the user typed (see
// setStepsFromTypedText); by default a step starts from Value alone, whatever
// the buddy shows.
class UpDown : public SteppedControl<QWidget>
{
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE setValue NOTIFY Change)
    Q_PROPERTY(int minimum READ minimum)
    Q_PROPERTY(int maximum READ maximum)
    Q_PROPERTY(int increment READ increment WRITE setIncrement)

public:
    explicit UpDown(QWidget *parent = nullptr);
    ~UpDown() override;

    int Value() const { return m_value; }
    void setValue(int v);

    // An empty range (maximum below minimum) is taken the other way round.
    // A Value outside the new range is brought into it like any other change.
    void setRange(int minimum, int maximum);
    void setIncrement(int increment);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int increment() const { return m_increment; }

    // The buddy receives each new value: a text box as plain digits, a digital
    // read-out as the number. Setting a buddy writes nothing into it.
    void setBuddy(QLineEdit *box);
    void setBuddy(iAnalogDisplayX *display);

    // Opt-in: the text box where the user types this control's quantity
    // (its buddy, or the buddy of a twin control of the same quantity).
    // While the user has edited that box since a step control last wrote
    // it, the box shows the quantity, not Value:
    // - a step starts from the typed number x when it is a number within the
    //   range: up to floor(x) + increment, down to ceil(x) - increment, then
    //   clamped; otherwise from Value;
    // - a write is never equal to what is shown, so it always goes through
    //   (buddy, then Change), and the box shows a held value again.
    // Null, the default, turns this off.
    void setStepsFromTypedText(QLineEdit *box);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool stepAction(Action action) override;
    bool dragStarted(QMouseEvent *event) override;
    void dragMoved(QMouseEvent *event) override;
    void dragFinished(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    enum class Arrow { None, Up, Down };

    Arrow arrowAt(const QPointF &pos) const;
    QRect arrowRect(Arrow arrow) const;
    void step(int direction);
    bool showsTypedText() const;
    void stepHeldArrow();
    void releaseArrow();
    void writeBuddy();
    void paintArrowButton(QPainter &painter, Arrow arrow) const;

    int m_value = 0;
    int m_minimum = 0;
    int m_maximum = 10;
    int m_increment = 1;
    Arrow m_held = Arrow::None;   // the arrow the mouse button went down on
    bool m_heldUnderPointer = false;
    QTimer *m_repeat = nullptr;
    QPointer<QLineEdit> m_box;
    QPointer<iAnalogDisplayX> m_display;
    QPointer<QLineEdit> m_typedBox;
};
