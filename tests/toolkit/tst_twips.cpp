#include "twips.h"

#include <QtTest>

class TwipsTest : public QObject
{
    Q_OBJECT
private slots:
    void fifteenTwipsToAPixel();
};

void TwipsTest::fifteenTwipsToAPixel()
{
    QCOMPARE(twips::rect(6195, 0, 4320, 6570), QRect(413, 0, 288, 438));
    QCOMPARE(twips::size(11400, 8220), QSize(760, 548));
    QCOMPARE(twips::pointF(1695, 4020), QPointF(113, 268));
    // Odd twip values round to the nearest pixel for widget geometry.
    QCOMPARE(twips::point(-15, 7), QPoint(-1, 0));
    QCOMPARE(twips::toPixelsRounded(5446.875), 363);
}

QTEST_APPLESS_MAIN(TwipsTest)
#include "tst_twips.moc"
