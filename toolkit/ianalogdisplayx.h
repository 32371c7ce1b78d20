#pragma once

#include "instrument.h"

#include <QColor>

// Small digital read-out: a white window with a lowered border showing a number
// followed by its unit text (which carries its own leading blank, " kg/h").
// The number has a fixed count of decimals (default 1: "23.0"), the locale's
// decimal separator, rounding half away from zero, never "-0.0"; a value that is
// not a number shows " ---". When the text is wider than the window the font
// is set narrower and smaller until the whole text fits inside the border, at
// any device pixel ratio, so no letter or digit is ever cut off. A value written while the
// read-out is hidden shows when it is shown again.
class iAnalogDisplayX : public InstrumentWidget
{
    Q_OBJECT
    Q_PROPERTY(double value READ value WRITE setValue USER true)
    Q_PROPERTY(QString unitText READ unitText WRITE setUnitText)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(int precision READ precision WRITE setPrecision)
public:
    explicit iAnalogDisplayX(QWidget *parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);

    void setUnitText(const QString &unitText);
    QString unitText() const { return m_unitText; }
    void setTextColor(const QColor &color);
    QColor textColor() const { return m_textColor; }
    void setAlignment(Qt::Alignment alignment);   // horizontal part used; default centred
    Qt::Alignment alignment() const { return m_alignment; }
    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const { return m_backgroundColor; }
    void setPrecision(int decimals);              // 0 to 9
    int precision() const { return m_precision; }

    // What the read-out shows, e.g. "0,137 kg/h".
    QString text() const;

    QSize sizeHint() const override;

protected:
    void paintStatic(QPainter &painter) const override;
    void paintMoving(QPainter &painter) const override;
    QString valueText() const override;

private:
    QRectF textRect() const;
    QFont fittedFont(const QString &shown, const QPaintDevice *device) const;

    double m_value = 0.0;
    QString m_unitText;
    QColor m_textColor{Qt::black};
    Qt::Alignment m_alignment = Qt::AlignHCenter;
    QColor m_backgroundColor{Qt::white};
    int m_precision = 1;
};
