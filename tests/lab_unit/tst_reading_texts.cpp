// The five reading texts of the main window's tabs are compiled in as
// resources. These tests load them the way the window does and check what a
// reader would notice: a missing or garbled file, a wrong heading, a text cut
// short or padded out, a topic left out, or numbers written with a decimal point.

#include <QtTest>

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

struct ReadingText
{
    const char *file;
    const char *heading;
    int targetLength;   // characters, each line break counted twice
    QStringList terms;  // each entry: alternatives separated by '|'
};

const QList<ReadingText> &readingTexts()
{
    static const QList<ReadingText> texts = {
        { "practicas", "CAPACIDAD EXPERIMENTAL.", 940,
          { "psicrométric", "compresión de vapor", "humidificación", "precalentamiento",
            "deshumidificación", "recalentamiento", "carta psicrométrica", "R12",
            "presión-entalpía", "balances de energía", "profesor" } },
        { "confort", "INTRODUCCION", 7100,
          { "respira", "oxígeno", "dióxido de carbono", "confort térmico", "metabolismo",
            "vestimenta", "temperatura del aire", "temperatura radiante", "humedad",
            "velocidad del aire" } },
        { "ventilacion", "CONDICIONES DE VENTILACION", 4000,
          { "polvo", "mg/m³", "dióxido de carbono", "ppm", "renovaciones por hora",
            "oficinas", "aulas", "cocinas", "sistema de ventilación" } },
        { "sistemas", "SISTEMAS DE ACONDICIONAMIENTO DE AIRE", 15600,
          { "todo refrigerante", "split", "multi-split|multisplit", "refrigerante-aire",
            "todo agua", "agua-aire", "inducción", "fan-coil|fan coil", "aire primario",
            "todo aire", "zona única", "multizona|varias zonas", "volumen de aire variable" } },
        { "equipo", "DESCRIPCIÓN", 4400,
          { "250 x 250 mm", "velocidad variable", "bulbo seco", "bulbo húmedo",
            "2, 2 y 1 kW", "aleteadas", "expansión directa", "depósito graduado",
            "recalentador", "placa de orificio", "tubo inclinado",
            "\nOPERACIÓN DE LA UNIDAD\n", "On / Off", "Vaporizador", "Precalentador",
            "Recalentador", "Ventilador", "Datos" } },
    };
    return texts;
}

QString resourcePath(const char *file)
{
    return QStringLiteral(":/texts/%1.txt").arg(QLatin1String(file));
}

// Decodes the resource strictly: an initial byte-order mark is kept as a
// character so that it shows up in front of the heading.
QString loadText(const char *file, bool *valid)
{
    QFile in(resourcePath(file));
    *valid = in.open(QIODevice::ReadOnly);
    if (!*valid)
        return {};
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decode(in.readAll());
    *valid = !decode.hasError() && !text.contains(QChar::ReplacementCharacter);
    return text;
}

void addTextRows()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < readingTexts().size(); ++i)
        QTest::newRow(readingTexts().at(i).file) << i;
}

} // namespace

class ReadingTextsTest : public QObject
{
    Q_OBJECT
private slots:
    void isUtf8PlainTextUnderItsHeading_data() { addTextRows(); }
    void isUtf8PlainTextUnderItsHeading();
    void lengthIsNearItsTarget_data() { addTextRows(); }
    void lengthIsNearItsTarget();
    void treatsEveryTopic_data() { addTextRows(); }
    void treatsEveryTopic();
    void writesNumbersWithDecimalComma_data() { addTextRows(); }
    void writesNumbersWithDecimalComma();
};

void ReadingTextsTest::isUtf8PlainTextUnderItsHeading()
{
    QFETCH(int, index);
    const ReadingText &expected = readingTexts().at(index);
    bool valid = false;
    const QString text = loadText(expected.file, &valid);
    QVERIFY2(valid, qPrintable(resourcePath(expected.file) + " missing or not valid UTF-8"));

    QCOMPARE(text.section(QLatin1Char('\n'), 0, 0), QString::fromUtf8(expected.heading));
    QVERIFY2(!text.contains(QLatin1Char('\r')), "line breaks must be bare LF");
    QVERIFY2(!text.contains(QLatin1Char('\t')), "tabs render unevenly in the text box");
}

void ReadingTextsTest::lengthIsNearItsTarget()
{
    QFETCH(int, index);
    const ReadingText &expected = readingTexts().at(index);
    bool valid = false;
    const QString text = loadText(expected.file, &valid);
    QVERIFY(valid);

    const int length = int(text.size() + text.count(QLatin1Char('\n')));
    const int tolerance = expected.targetLength * 15 / 100;
    QVERIFY2(qAbs(length - expected.targetLength) <= tolerance,
             qPrintable(QStringLiteral("length %1, target %2").arg(length).arg(expected.targetLength)));
}

void ReadingTextsTest::treatsEveryTopic()
{
    QFETCH(int, index);
    const ReadingText &expected = readingTexts().at(index);
    bool valid = false;
    const QString text = loadText(expected.file, &valid);
    QVERIFY(valid);

    for (const QString &term : expected.terms) {
        const QStringList alternatives = term.split(QLatin1Char('|'));
        const bool found = std::any_of(alternatives.begin(), alternatives.end(),
                                       [&](const QString &a) { return text.contains(a, Qt::CaseInsensitive); });
        QVERIFY2(found, qPrintable(QStringLiteral("missing topic: ") + term));
    }
}

void ReadingTextsTest::writesNumbersWithDecimalComma()
{
    QFETCH(int, index);
    bool valid = false;
    const QString text = loadText(readingTexts().at(index).file, &valid);
    QVERIFY(valid);

    static const QRegularExpression decimalPoint(QStringLiteral("\\d\\.\\d"));
    const QRegularExpressionMatch match = decimalPoint.match(text);
    QVERIFY2(!match.hasMatch(), qPrintable(QStringLiteral("decimal point in: ") + match.captured()));
}

QTEST_MAIN(ReadingTextsTest)
#include "tst_reading_texts.moc"
