#pragma once

#include "instrument.h"

#include <QColor>

// Round dial gauge (a pressure gauge, say): a chrome bezel, a white face with
// major and minor ticks along an arc, numbers inside the ticks, the unit label
// ("bar") under the hub and a needle. A small dial numbers only every second,
// fourth, ... major tick from the first to the last, so that its numbers stay
// legible and apart; one too small for legible numbers (about 40 px across)
// shows its ticks without numbers.
// The arc follows the instruments' angle convention: degrees counter-clockwise
// from 3 o'clock, the span running clockwise from the start. The default arc
// starts at 225 (lower left) and spans 270 degrees to -45 (lower right); an arc
// of 280 degrees from 233 runs from lower left clockwise over the top to 313
// (lower right). The position is kept as written; the needle is drawn clipped
// to the scale and rests at the minimum for a value that is not a number.
class iAngularGaugeX : public InstrumentWidget
{
    Q_OBJECT
    Q_PROPERTY(double position READ position WRITE setPosition USER true)
    Q_PROPERTY(double minimum READ minimum)
    Q_PROPERTY(double maximum READ maximum)
    Q_PROPERTY(QString label READ label WRITE setLabel)
    Q_PROPERTY(double arcStart READ arcStart)
    Q_PROPERTY(double arcSpan READ arcSpan)
    Q_PROPERTY(QColor pointerColor READ pointerColor WRITE setPointerColor)
    Q_PROPERTY(QColor tickColor READ tickColor WRITE setTickColor)
    Q_PROPERTY(QColor faceColor READ faceColor WRITE setFaceColor)
public:
    explicit iAngularGaugeX(QWidget *parent = nullptr);

    double position() const { return m_position; }
    void setPosition(double position);

    void setRange(double minimum, double maximum);
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    void setLabel(const QString &label);
    QString label() const { return m_label; }
    void setArc(double startDegrees, double spanDegrees);
    double arcStart() const { return m_arcStart; }
    double arcSpan() const { return m_arcSpan; }
    void setPointerColor(const QColor &color);
    QColor pointerColor() const { return m_pointerColor; }
    void setTickColor(const QColor &color);
    QColor tickColor() const { return m_tickColor; }
    void setFaceColor(const QColor &color);
    QColor faceColor() const { return m_faceColor; }

    QSize sizeHint() const override;

    // A number on the scale: its text, where its baseline starts and its box
    // (its advance wide, a capital high), in logical pixels of the widget.
    struct ScaleNumber
    {
        QString text;
        QPointF origin;
        QRectF box;
    };
    // The numbers the scale shows at its present size, never smaller than
    // 7 px: at every k-th major tick from the first to the last, for the
    // smallest k at which they stand apart, clear of the unit label and about
    // a number spacing from the hub, on the face; none if even the scale's
    // two ends do not fit.
    QVector<ScaleNumber> scaleNumbers() const;
    // The unit label's box (empty without a label).
    QRectF unitLabelBox() const;

protected:
    void paintStatic(QPainter &painter) const override;
    void paintMoving(QPainter &painter) const override;
    QString valueText() const override;

private:
    QPointF centre() const;
    double radius() const;          // outer radius of the bezel
    double angleOfValue(double value) const;
    void paintTicks(QPainter &painter, double faceRadius) const;
    void paintScaleNumbers(QPainter &painter) const;
    void paintUnitLabel(QPainter &painter) const;
    QFont numberFont() const;
    QVector<ScaleNumber> numbersIn(const QFont &font) const;
    QFont unitFont() const;
    ScaleNumber unitLabel() const;
    bool standApart(const QVector<ScaleNumber> &numbers, double em) const;

    double m_position = 0.0;
    double m_minimum = 0.0;
    double m_maximum = 10.0;
    QString m_label;
    double m_arcStart = 225.0;
    double m_arcSpan = 270.0;
    QColor m_pointerColor{Qt::black};
    QColor m_tickColor{Qt::black};
    QColor m_faceColor{Qt::white};
};
