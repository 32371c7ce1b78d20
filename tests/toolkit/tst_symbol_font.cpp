#include "surface.h"
#include "surface_items.h"
#include "symbol_font.h"

#include <QtTest>

class SymbolFontTest : public QObject
{
    Q_OBJECT
private slots:
    void lettersReadAsGreek_data();
    void lettersReadAsGreek();
    void onlyTheSymbolFamilyIsSymbol_data();
    void onlyTheSymbolFamilyIsSymbol();
    void faceKeepsSizeAndStyle();
    void labelDrawsAndMeasuresTheGreekText_data();
    void labelDrawsAndMeasuresTheGreekText();
};

namespace {

QFont dejaVu(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    return font;
}

// A transparent, auto-sized caption alone on a white surface, rendered at `dpr`.
struct LoneCaption
{
    Surface surface;
    SurfaceLabel *label;

    LoneCaption(const QString &caption, const QFont &font)
    {
        surface.resize(60, 30);
        surface.setPalette(QPalette(Qt::white));
        label = surface.addLabel(QStringLiteral("Label8(10)"), caption, 150, 75, 0, 0);
        label->setFont(font);
        label->setTransparent(true);
        label->setAutoSize(true);
    }

    QImage render(qreal dpr)
    {
        QImage image(surface.size() * dpr, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::white);
        surface.render(&image);
        return image;
    }
};

} // namespace

void SymbolFontTest::lettersReadAsGreek_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("greek");
    QTest::newRow("relative humidity") << "f=" << QStringLiteral("φ=");
    QTest::newRow("density") << "r=" << QStringLiteral("ρ=");
    QTest::newRow("degree of saturation") << "m=" << QStringLiteral("μ=");
    QTest::newRow("small letters") << "abcdefghijklmnopqrstuvwxyz" << QStringLiteral("αβχδεφγηιϕκλμνοπθρστυϖωξψζ");
    QTest::newRow("capital letters") << "ABCDEFGHIJKLMNOPQRSTUVWXYZ" << QStringLiteral("ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ");
    const QString unchanged[] = {QStringLiteral("0 9 = + - . , ( ) [ ] / %"), QStringLiteral("ñºü@`{~")};
    QTest::newRow("digits and punctuation") << unchanged[0] << unchanged[0];
    QTest::newRow("other letters") << unchanged[1] << unchanged[1];
    QTest::newRow("empty") << QString() << QString();
}

void SymbolFontTest::lettersReadAsGreek()
{
    QFETCH(QString, text);
    QTEST(symbolFontText(text), "greek");
}

void SymbolFontTest::onlyTheSymbolFamilyIsSymbol_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<bool>("symbol");
    QTest::newRow("symbol font") << symbolFont(10) << true;
    QTest::newRow("any case") << QFont(QStringLiteral("symbol")) << true;
    QTest::newRow("ui face") << dejaVu(10) << false;
    QTest::newRow("similar name") << QFont(QStringLiteral("Symbola")) << false;
    QTest::newRow("default") << QFont() << false;
}

void SymbolFontTest::onlyTheSymbolFamilyIsSymbol()
{
    QFETCH(QFont, font);
    QTEST(isSymbolFont(font), "symbol");
}

void SymbolFontTest::faceKeepsSizeAndStyle()
{
    QFont font = symbolFont(13);
    QCOMPARE(font.pixelSize(), 13);
    font.setBold(true);
    const QFont face = symbolFontFace(font);
    QCOMPARE(face.family(), QStringLiteral("DejaVu Sans"));
    QVERIFY(!isSymbolFont(face));
    QCOMPARE(face.pixelSize(), 13);
    QVERIFY(face.bold());
}

void SymbolFontTest::labelDrawsAndMeasuresTheGreekText_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("greek");
    QTest::addColumn<qreal>("dpr");
    for (const qreal dpr : {1.0, 2.0}) {
        QTest::addRow("f= @%gx", dpr) << "f=" << QStringLiteral("φ=") << dpr;
        QTest::addRow("r= @%gx", dpr) << "r=" << QStringLiteral("ρ=") << dpr;
        QTest::addRow("m= @%gx", dpr) << "m=" << QStringLiteral("μ=") << dpr;
    }
}

// A caption in the Symbol font keeps its text, and looks and measures exactly
// like its Greek text in DejaVu Sans, not like its Latin letters.
void SymbolFontTest::labelDrawsAndMeasuresTheGreekText()
{
    QFETCH(QString, caption);
    QFETCH(QString, greek);
    QFETCH(qreal, dpr);

    LoneCaption symbol(caption, symbolFont(10));
    LoneCaption expected(greek, dejaVu(10));
    LoneCaption latin(caption, dejaVu(10));
    QCOMPARE(symbol.label->Caption(), caption);
    QCOMPARE(symbol.label->Width(), expected.label->Width());
    QCOMPARE(symbol.label->Height(), expected.label->Height());
    const QImage drawn = symbol.render(dpr);
    QCOMPARE(drawn, expected.render(dpr));
    QVERIFY(drawn != latin.render(dpr));
}

QTEST_MAIN(SymbolFontTest)
#include "tst_symbol_font.moc"
