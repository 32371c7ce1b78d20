#include "updown.h"

#include "classic_frame.h"
#include "ianalogdisplayx.h"
#include "number_format.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 60;

} // namespace

UpDown::UpDown(QWidget *parent)
    : SteppedControl(parent)
    , m_repeat(new QTimer(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setOrientations(Qt::Vertical);
    setAttribute(Qt::WA_Hover);
    connect(m_repeat, &QTimer::timeout, this, &UpDown::stepHeldArrow);
}

UpDown::~UpDown() = default;

void UpDown::setValue(int v)
{
    const int clamped = std::clamp(v, m_minimum, m_maximum);
    if (clamped == m_value && !showsTypedText())
        return;
    m_value = clamped;
    writeBuddy();
    emit Change();
}

void UpDown::setRange(int minimum, int maximum)
{
    m_minimum = std::min(minimum, maximum);
    m_maximum = std::max(minimum, maximum);
    setValue(m_value);
}

void UpDown::setIncrement(int increment)
{
    m_increment = increment;
}

void UpDown::setBuddy(QLineEdit *box)
{
    m_box = box;
    m_display = nullptr;
}

void UpDown::setBuddy(iAnalogDisplayX *display)
{
    m_display = display;
    m_box = nullptr;
}

void UpDown::setStepsFromTypedText(QLineEdit *box)
{
    m_typedBox = box;
}

// Writing a text box from code clears its modified flag, typing sets it.
bool UpDown::showsTypedText() const
{
    return m_typedBox && m_typedBox->isModified();
}

void UpDown::writeBuddy()
{
    if (m_box)
        m_box->setText(QString::number(m_value));
    if (m_display)
        m_display->setValue(m_value);
}

QSize UpDown::sizeHint() const
{
    return {16, 23};
}

QSize UpDown::minimumSizeHint() const
{
    return {8, 10};
}

void UpDown::step(int direction)
{
    const long long increment = static_cast<long long>(direction) * m_increment;
    long long target = static_cast<long long>(m_value) + increment;
    if (showsTypedText()) {
        const std::optional<double> typed = parseNumber(m_typedBox->text());
        if (typed && *typed >= m_minimum && *typed <= m_maximum)
            target = static_cast<long long>(direction > 0 ? std::floor(*typed) : std::ceil(*typed)) + increment;
    }
    setValue(static_cast<int>(std::clamp<long long>(target, m_minimum, m_maximum)));
}

UpDown::Arrow UpDown::arrowAt(const QPointF &pos) const
{
    if (!rect().contains(pos.toPoint()))
        return Arrow::None;
    return arrowRect(Arrow::Up).contains(pos.toPoint()) ? Arrow::Up : Arrow::Down;
}

QRect UpDown::arrowRect(Arrow arrow) const
{
    const int upperHeight = height() / 2;
    return arrow == Arrow::Up ? QRect(0, 0, width(), upperHeight)
                              : QRect(0, upperHeight, width(), height() - upperHeight);
}

void UpDown::stepHeldArrow()
{
    // A handler may have opened a dialog that took the button's release.
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        releaseArrow();
        return;
    }
    m_repeat->setInterval(kRepeatIntervalMs);
    if (m_heldUnderPointer)
        step(m_held == Arrow::Up ? 1 : -1);
}

void UpDown::releaseArrow()
{
    abandonDrag();
    m_repeat->stop();
    m_held = Arrow::None;
    m_heldUnderPointer = false;
    update();
}

// One arrow at a time: a second press while one is held goes to the parent.
bool UpDown::dragStarted(QMouseEvent *event)
{
    if (isDragging()) {
        event->ignore();
        return true;
    }
    m_held = arrowAt(event->position());
    m_heldUnderPointer = true;
    update();
    m_repeat->start(kRepeatDelayMs);
    step(m_held == Arrow::Up ? 1 : -1);
    return m_held != Arrow::None;
}

void UpDown::dragMoved(QMouseEvent *event)
{
    const bool under = arrowAt(event->position()) == m_held;
    if (under != m_heldUnderPointer) {
        m_heldUnderPointer = under;
        update();
    }
}

void UpDown::dragFinished(QMouseEvent *)
{
    releaseArrow();
}

bool UpDown::stepAction(Action action)
{
    switch (action) {
    case Action::SingleStepUp:
    case Action::PageStepUp:
        step(1);
        return true;
    case Action::SingleStepDown:
    case Action::PageStepDown:
        step(-1);
        return true;
    default:
        return false;
    }
}

// A control that is disabled or hidden while an arrow is held gets no release.
void UpDown::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        releaseArrow();
    QWidget::changeEvent(event);
}

void UpDown::hideEvent(QHideEvent *)
{
    releaseArrow();
}

void UpDown::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintArrowButton(painter, Arrow::Up);
    paintArrowButton(painter, Arrow::Down);
}

// A push button in the classic look: raised with a two-step bevel, or sunken
// with a flat shadow frame and the arrow nudged down-right while it is held.
void UpDown::paintArrowButton(QPainter &painter, Arrow arrow) const
{
    const QRect r = arrowRect(arrow);
    const QPalette &pal = palette();
    const bool pressed = m_held == arrow && m_heldUnderPointer;
    painter.fillRect(r, pal.button());

    if (pressed)
        paintClassicFrame(painter, r, classic::kShadow, classic::kShadow);
    else
        classic::paintRaised(painter, r, pal.color(QPalette::Button));

    // The arrow: a small triangle of 2k + 1 pixels by k + 1, like the classic
    // 7 by 4 in a button 16 pixels wide, centred on a pixel column.
    const int k = std::max(1, int(std::lround(std::min(r.width() - 4, r.height() * 13 / 10) / 4.5)));
    const int nudge = pressed ? 1 : 0;
    const qreal centreX = r.left() + (r.width() - 1) / 2 + 0.5 + nudge;
    const int top = r.top() + (r.height() - (k + 1)) / 2 + nudge;
    const qreal baseY = arrow == Arrow::Up ? top + k + 1 : top;
    const qreal tipY = arrow == Arrow::Up ? top : top + k + 1;
    QPainterPath triangle;
    triangle.moveTo(centreX - k - 0.5, baseY);
    triangle.lineTo(centreX + k + 0.5, baseY);
    triangle.lineTo(centreX, tipY);
    triangle.closeSubpath();

    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(triangle, pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.setRenderHint(QPainter::Antialiasing, false);
}
