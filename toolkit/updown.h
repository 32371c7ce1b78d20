#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QTimer;
class iAnalogDisplayX;

// Step control: a vertical pair of arrow buttons beside a buddy that shows its
// value. A click on an arrow, the auto-repeat while it is held, the Up/Down and
// PageUp/PageDown keys and the wheel each step Value by the increment, without
// wrapping at the ends.
//
// Every change of Value, from the user or from code, goes the same way: the
// value is clamped to the range; an equal value does nothing; otherwise it is
// stored, written into the buddy first and then Change() is emitted once,
// synchronously. Handlers that write other step controls therefore run nested
// and end as soon as a write changes nothing.
//
// A window may let steps start from a number the student typed (see
// setStepsFromTypedText); by default a step starts from Value alone, whatever
// the buddy shows.
class UpDown : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE setValue NOTIFY Change)

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

    // Opt-in: the text box where the student types this control's quantity
    // (its buddy, or the buddy of a twin control of the same quantity).
    // While the student has edited that box since a step control last wrote
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
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
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
    int m_wheelRemainder = 0;
    Arrow m_held = Arrow::None;   // the arrow the mouse button went down on
    bool m_heldUnderPointer = false;
    QTimer *m_repeat = nullptr;
    QPointer<QLineEdit> m_box;
    QPointer<iAnalogDisplayX> m_display;
    QPointer<QLineEdit> m_typedBox;
};
