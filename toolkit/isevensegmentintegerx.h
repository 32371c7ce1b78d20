#pragma once

#include "instrument.h"

#include <QColor>

// Seven-segment display of a whole number (a tachometer, say): slanted digits,
// right-aligned in a row of `digitCount` digit places, without leading zeros,
// on a dark window with a lowered border. Unlit segments stay faintly visible,
// as on a real LED display. With the sign shown, a negative number has a minus
// sign in front; without it (setShowSign(false)) a negative number cannot be
// shown and, like a number with more digits than the display has, shows a
// dash in every place.
// setBackgroundColor sets the window behind the digits; the segment colours
// are set apart (lit: setSegmentColor, unlit: setUnlitSegmentColor).
class iSevenSegmentIntegerX : public InstrumentWidget
{
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue USER true)
    Q_PROPERTY(QColor segmentColor READ segmentColor WRITE setSegmentColor)
    Q_PROPERTY(QColor unlitSegmentColor READ unlitSegmentColor WRITE setUnlitSegmentColor)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(bool loweredBorder READ loweredBorder WRITE setLoweredBorder)
    Q_PROPERTY(int digitCount READ digitCount WRITE setDigitCount)
    Q_PROPERTY(bool showSign READ showSign WRITE setShowSign)
public:
    explicit iSevenSegmentIntegerX(QWidget *parent = nullptr);

    int value() const { return m_value; }
    void setValue(int value);

    void setSegmentColor(const QColor &color);
    QColor segmentColor() const { return m_segmentColor; }
    void setUnlitSegmentColor(const QColor &color);
    QColor unlitSegmentColor() const { return m_unlitSegmentColor; }
    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const { return m_backgroundColor; }
    void setLoweredBorder(bool lowered);
    bool loweredBorder() const { return m_loweredBorder; }
    void setDigitCount(int count);              // 1 to 10
    int digitCount() const { return m_digitCount; }
    void setShowSign(bool show);
    bool showSign() const { return m_showSign; }

    // The characters in the digit places, blanks included ("2312", "   0", "----").
    QString shownText() const;

    QSize sizeHint() const override;

protected:
    void paintStatic(QPainter &painter) const override;
    void paintMoving(QPainter &painter) const override;
    QString valueText() const override;

private:
    QRectF digitRect(int place) const;
    void paintDigit(QPainter &painter, int place, quint8 segments, const QColor &color) const;

    int m_value = 0;
    QColor m_segmentColor{Qt::red};
    QColor m_unlitSegmentColor{64, 0, 0};
    QColor m_backgroundColor{Qt::black};
    bool m_loweredBorder = true;
    int m_digitCount = 4;
    bool m_showSign = true;
};
