#pragma once

#include "instrument.h"
#include "stepped_control.h"

#include <QStringList>

// Rotary selector with numbered positions: a knob with a pointer (a raised bar
// or a triangular index) surrounded by its position labels. Positions run
// clockwise over the top of the dial, first position on the left; the active
// label is drawn in the active colour (red, bold by default), the others in the
// label colour (black).
//
// The position is a whole number counted from 0. Code may write any number: it
// is kept as written and read back unchanged (the pointer is drawn at the
// nearest end when the number lies outside the labels).
//
// Operation and notification rule: the user presses a label or the sector of
// the dial that points to it, drags around the dial, turns the wheel or uses
// the keys (SteppedControl: a single step is one position, clockwise up;
// Home/End the ends; no page steps). `changed()` is emitted
//  - once for each change of position, during a drag as the pointer crosses
//    into another sector, per wheel notch and per key press;
//  - once for a click (press and release) that changes nothing, e.g. a click
//    on the label that is already active: the user operated the selector;
//    a press beside every position (on the hub, in the lower corners) is no
//    operation and raises nothing;
//  - never for a wheel notch or key press at an end, which changes nothing;
//  - also after a write from code that changes the position.
// The handler reads the position itself.
class iSwitchRotaryX : public SteppedControl<InstrumentWidget>
{
    Q_OBJECT
    Q_PROPERTY(int position READ position WRITE setPosition NOTIFY changed USER true)
    Q_PROPERTY(QStringList labels READ labels WRITE setLabels)
    Q_PROPERTY(QColor activeLabelColor READ activeLabelColor WRITE setActiveLabelColor)
    Q_PROPERTY(bool activeLabelBold READ activeLabelBold WRITE setActiveLabelBold)
    Q_PROPERTY(QColor labelColor READ labelColor WRITE setLabelColor)
    Q_PROPERTY(PointerStyle pointerStyle READ pointerStyle WRITE setPointerStyle)
public:
    enum PointerStyle { Triangle, Rectangle };
    Q_ENUM(PointerStyle)

    explicit iSwitchRotaryX(QWidget *parent = nullptr);

    int position() const { return m_position; }
    void setPosition(int position);

    void setLabels(const QStringList &labels);
    QStringList labels() const { return m_labels; }
    void setActiveLabelColor(const QColor &color);
    QColor activeLabelColor() const { return m_activeLabelColor; }
    void setActiveLabelBold(bool bold);
    bool activeLabelBold() const { return m_activeLabelBold; }
    void setLabelColor(const QColor &color);
    QColor labelColor() const { return m_labelColor; }
    void setPointerStyle(PointerStyle style);
    PointerStyle pointerStyle() const { return m_pointerStyle; }

    // Where the label of a position is drawn (empty for an index without label).
    QRectF labelRect(int index) const;

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
    void dragFinished(QMouseEvent *event) override;

private:
    struct Geometry
    {
        QPointF centre;
        double labelRadius;   // centres of the labels
        double knobRadius;
        QVector<QRectF> labelRects;
    };
    Geometry geometry(const QFontMetricsF &metrics) const;
    Geometry currentGeometry() const;
    double angleOfPosition(int index) const;
    int shownPosition() const;                  // the position clipped to the labels
    int positionAt(QPointF point) const;        // -1 where no position can be told
    bool userSelect(int index);                 // true if the position changed
    QFont labelFont(bool active) const;

    int m_position = 0;
    QStringList m_labels{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")};
    QColor m_activeLabelColor{Qt::red};
    bool m_activeLabelBold = true;
    QColor m_labelColor{Qt::black};
    PointerStyle m_pointerStyle = Triangle;

    bool m_changedDuringPress = false;
};
