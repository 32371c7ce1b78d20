#pragma once

#include "instrument.h"

// On/off rocker switch: an illuminated red rocker in a black bezel, marked
// "I" (on, upper half) and "O" (off, lower half). The half that is pressed in
// lies in shadow; the rocker glows while the switch is on.
// A click (press and release over the switch) or the space bar toggles it.
// `changed()` follows every change of state, whether the user or code made it.
class iSwitchRockerX : public InstrumentWidget
{
    Q_OBJECT
    Q_PROPERTY(bool on READ isOn WRITE setOn NOTIFY changed USER true)
public:
    explicit iSwitchRockerX(QWidget *parent = nullptr);

    bool isOn() const { return m_on; }
    void setOn(bool on);

    QSize sizeHint() const override;

signals:
    void changed();

protected:
    void paintStatic(QPainter &painter) const override;
    void paintMoving(QPainter &painter) const override;
    QString valueText() const override;

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QRectF bezelRect() const;

    bool m_on = false;
    bool m_pressed = false;
};
