#include "symbol_font.h"

#include <iterator>

namespace {

const QString kSymbolFamily = QStringLiteral("Symbol");

// The Symbol font's letters for a..z and A..Z.
constexpr char16_t kSmallLetters[] = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";
constexpr char16_t kCapitalLetters[] = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
static_assert(std::size(kSmallLetters) == 27 && std::size(kCapitalLetters) == 27);

QChar symbolLetter(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z')
        return QChar(kSmallLetters[u - u'a']);
    if (u >= u'A' && u <= u'Z')
        return QChar(kCapitalLetters[u - u'A']);
    return c;
}

} // namespace

QFont symbolFont(int pixelSize)
{
    QFont font(kSymbolFamily);
    font.setPixelSize(pixelSize);
    return font;
}

bool isSymbolFont(const QFont &font)
{
    return font.family().compare(kSymbolFamily, Qt::CaseInsensitive) == 0;
}

QString symbolFontText(const QString &text)
{
    QString greek = text;
    for (QChar &c : greek)
        c = symbolLetter(c);
    return greek;
}

QFont symbolFontFace(const QFont &font)
{
    QFont face = font;
    face.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    return face;
}
