#pragma once

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cstdlib>
#include <optional>
#include <utility>

namespace stepping {

// What the wheel and the keys ask of a control that is turned or stepped.
enum class Action { SingleStepUp, SingleStepDown, PageStepUp, PageStepDown, ToFirst, ToLast };

// The angle delta of one notch of a common mouse wheel, in eighths of a degree.
inline constexpr int kWheelNotch = 120;

} // namespace stepping

// The input common to the controls a person turns or steps (knob, rotary
// selector, step control), in the manner of a slider:
//  - the wheel: one single step per notch, up = up; the parts of a notch
//    that a fine wheel sends add up until the notch is full;
//  - the keys: Up and Down a single step, Page Up and Page Down a page step,
//    Home and End the first and the last value;
//  - horizontal input, where the control answers it (setOrientations): Right
//    and Left a single step up and down, and a sideways wheel where there is
//    no vertical turn;
//  - the left mouse button: a press may start a drag, which then gets the
//    moves and ends with the release.
// The control does each action it has (stepAction); a key whose action it
// lacks goes on to `Widget` unhandled. Other buttons go to `Widget` as well.
template <class Widget>
class SteppedControl : public Widget
{
public:
    using Widget::Widget;

protected:
    using Action = stepping::Action;

    // Does `action`; false if the control has no such action.
    virtual bool stepAction(Action action) = 0;
    // A press of the left button; true if a drag starts with it.
    virtual bool dragStarted(QMouseEvent *event) = 0;
    virtual void dragMoved(QMouseEvent *) {}
    virtual void dragFinished(QMouseEvent *) {}

    bool isDragging() const { return m_dragging; }
    // Ends a drag that will get no release (the control was hidden or disabled).
    void abandonDrag() { m_dragging = false; }
    // Vertical input is always answered; horizontal input by default too.
    void setOrientations(Qt::Orientations orientations) { m_orientations = orientations; }

    void wheelEvent(QWheelEvent *event) override
    {
        const QPoint delta = event->angleDelta();
        const bool sideways = delta.y() == 0 && m_orientations.testFlag(Qt::Horizontal);
        m_wheelRemainder += sideways ? delta.x() : delta.y();
        while (std::abs(m_wheelRemainder) >= stepping::kWheelNotch) {
            const int direction = m_wheelRemainder > 0 ? 1 : -1;
            m_wheelRemainder -= direction * stepping::kWheelNotch;
            stepAction(direction > 0 ? Action::SingleStepUp : Action::SingleStepDown);
        }
        event->accept();
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        const std::optional<Action> action = actionOfKey(event->key());
        if (action && stepAction(*action)) {
            event->accept();
            return;
        }
        Widget::keyPressEvent(event);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton) {
            Widget::mousePressEvent(event);
            return;
        }
        m_dragging = dragStarted(event);
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (m_dragging)
            dragMoved(event);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton) {
            Widget::mouseReleaseEvent(event);
            return;
        }
        if (std::exchange(m_dragging, false))
            dragFinished(event);
    }

private:
    std::optional<Action> actionOfKey(int key) const
    {
        const bool horizontal = m_orientations.testFlag(Qt::Horizontal);
        switch (key) {
        case Qt::Key_Up: return Action::SingleStepUp;
        case Qt::Key_Down: return Action::SingleStepDown;
        case Qt::Key_Right: return horizontal ? std::optional(Action::SingleStepUp) : std::nullopt;
        case Qt::Key_Left: return horizontal ? std::optional(Action::SingleStepDown) : std::nullopt;
        case Qt::Key_PageUp: return Action::PageStepUp;
        case Qt::Key_PageDown: return Action::PageStepDown;
        case Qt::Key_Home: return Action::ToFirst;
        case Qt::Key_End: return Action::ToLast;
        default: return std::nullopt;
        }
    }

    Qt::Orientations m_orientations = Qt::Horizontal | Qt::Vertical;
    int m_wheelRemainder = 0;
    bool m_dragging = false;
};
