#include "number_format.h"

#include <QtTest>

#include <cmath>

// Every case runs under the C and the Spanish locale; expectations are written
// with '.' and read with the locale's decimal separator.
class NumberFormatTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::system()); }
    void formatsPatternsRoundingHalfAwayFromZero_data();
    void formatsPatternsRoundingHalfAwayFromZero();
    void followsTheSystemLocale();
    void parsesInputBoxText_data();
    void parsesInputBoxText();
    void noReadingStandsWithoutUnit();
};

namespace {

const QLocale kLocales[] = {QLocale::c(), QLocale(QLocale::Spanish, QLocale::Spain)};

} // namespace

void NumberFormatTest::formatsPatternsRoundingHalfAwayFromZero_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    // Halves as the user reads them, which printf's binary rounding gets wrong.
    QTest::newRow("0.125") << 0.125 << "0.00" << "0.13";
    QTest::newRow("2.675") << 2.675 << "0.00" << "2.68";
    QTest::newRow("-1.25") << -1.25 << "#0.0" << "-1.3";
    QTest::newRow("just below half") << 0.0004999 << "0.000" << "0.000";
    // Never a negative zero; carries past the pattern's width.
    QTest::newRow("-0.04") << -0.04 << "0.0" << "0.0";
    QTest::newRow("-0.0") << -0.0 << "##0.0" << "0.0";
    QTest::newRow("-999.996") << -999.996 << "##0.00" << "-1000.00";
    // '#' are optional digits; never a group separator.
    QTest::newRow("0.5 ###0.0") << 0.5 << "###0.0" << "0.5";
    QTest::newRow("15300") << 15300.0 << "###0.0" << "15300.0";
    // No value, or too long for any box: no reading.
    QTest::newRow("NaN") << qQNaN() << "0.0" << " ---";
    QTest::newRow("-inf") << -qInf() << "0.000" << " ---";
    QTest::newRow("1e30") << 1e30 << "###0.0" << " ---";
}

void NumberFormatTest::formatsPatternsRoundingHalfAwayFromZero()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    for (const QLocale &locale : kLocales) {
        QLocale::setDefault(locale);
        const QString shown = QString(expected).replace(QLatin1Char('.'), locale.decimalPoint());
        QCOMPARE(formatNumber(value, pattern), shown);
        if (shown != noReading())   // what a box shows reads back as the shown value
            QCOMPARE(parseNumber(shown), std::optional<double>(expected.toDouble()));
    }
    QCOMPARE(formatNumber(std::optional<double>(), pattern), noReading());
}

void NumberFormatTest::followsTheSystemLocale()
{
    // The program runs under LC_ALL=C and es_ES.UTF-8: the system's separator is used.
    QCOMPARE(formatNumber(3.5, "0.0"), QStringLiteral("3") + QLocale::system().decimalPoint() + "5");
    if (qgetenv("LC_ALL").startsWith("es"))
        QCOMPARE(formatNumber(3.5, "0.0"), QStringLiteral("3,5"));
}

void NumberFormatTest::parsesInputBoxText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("inC");      // NaN: no number
    QTest::addColumn<double>("inSpanish");
    QTest::newRow("blanks around") << " 23 " << 23.0 << 23.0;
    QTest::newRow("negative") << "-4" << -4.0 << -4.0;
    QTest::newRow("point") << "23.5" << 23.5 << qQNaN();
    QTest::newRow("comma") << "23,5" << qQNaN() << 23.5;
    QTest::newRow("trailing letters") << "12abc" << qQNaN() << qQNaN();
    QTest::newRow("blank") << "   " << qQNaN() << qQNaN();
    QTest::newRow("nan") << "nan" << qQNaN() << qQNaN();
    QTest::newRow("overflow") << "1e999" << qQNaN() << qQNaN();
}

void NumberFormatTest::parsesInputBoxText()
{
    QFETCH(QString, text);
    QFETCH(double, inC);
    QFETCH(double, inSpanish);
    const double expected[] = {inC, inSpanish};
    for (int i = 0; i < 2; ++i) {
        QLocale::setDefault(kLocales[i]);
        const std::optional<double> value = parseNumber(text);
        if (std::isnan(expected[i]))
            QVERIFY2(!value, qPrintable(kLocales[i].name()));
        else
            QCOMPARE(value, std::optional<double>(expected[i]));
    }
}

void NumberFormatTest::noReadingStandsWithoutUnit()
{
    const QString unit = QStringLiteral(" kW");
    QCOMPARE(formatNumberWithUnit(2.5, "0.00", unit), formatNumber(2.5, "0.00") + unit);
    for (double nothing : {qQNaN(), qInf(), -qInf(), 1e15, -4.7e20})
        QCOMPARE(formatNumberWithUnit(nothing, "0.00", unit), noReading());
    QCOMPARE(formatNumberWithUnit(std::nullopt, "0.00", unit), noReading());
}

QTEST_APPLESS_MAIN(NumberFormatTest)
#include "tst_number_format.moc"
