#include "number_format.h"

#include <QtTest>

#include <cmath>
#include <limits>

// Every case runs under the C and the Spanish locale; expectations are written
// with '.' and read with the locale's decimal separator.
class NumberFormatTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::system())); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    void formatsPatternsRoundingHalfAwayFromZero_data();
    void formatsPatternsRoundingHalfAwayFromZero();
    void followsTheSystemLocale();
    void showsNoReadingForMissingOrNonFiniteValues();
    void parsesInputBoxText_data();
    void parsesInputBoxText();
    void formattedValuesReadBack();
};

namespace {

const QLocale kLocales[] = {QLocale::c(), QLocale(QLocale::Spanish, QLocale::Spain)};

QString localised(QString text, const QLocale &locale)
{
    return text.replace(QLatin1Char('.'), locale.decimalPoint());
}

} // namespace

void NumberFormatTest::formatsPatternsRoundingHalfAwayFromZero_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    // Halves as the user reads them, which printf's binary rounding gets wrong.
    QTest::newRow("0.125") << 0.125 << "0.00" << "0.13";
    QTest::newRow("2.675") << 2.675 << "0.00" << "2.68";
    QTest::newRow("1.005") << 1.005 << "0.00" << "1.01";
    QTest::newRow("0.0005") << 0.0005 << "0.000" << "0.001";
    QTest::newRow("-1.25") << -1.25 << "#0.0" << "-1.3";
    QTest::newRow("-0.05") << -0.05 << "0.0" << "-0.1";
    QTest::newRow("just below half") << 0.0004999 << "0.000" << "0.000";
    // Never a negative zero.
    QTest::newRow("-0.04") << -0.04 << "0.0" << "0.0";
    QTest::newRow("-0.0") << -0.0 << "##0.0" << "0.0";
    QTest::newRow("-1e-300") << -1e-300 << "0.00" << "0.00";
    // Carries through every digit and past the pattern's width.
    QTest::newRow("9.96") << 9.96 << "0.0" << "10.0";
    QTest::newRow("99.95") << 99.95 << "#0.0" << "100.0";
    QTest::newRow("-999.996") << -999.996 << "##0.00" << "-1000.00";
    // '#' are optional digits: one digit always before the point.
    QTest::newRow("0.5 ###0.0") << 0.5 << "###0.0" << "0.5";
    QTest::newRow("0.04 #0.00") << 0.04 << "#0.00" << "0.04";
    QTest::newRow("25.000035") << 25.000035 << "###0.0" << "25.0";
    // No group separator, whatever the size.
    QTest::newRow("1013") << 1013.0 << "0.00" << "1013.00";
    QTest::newRow("15300") << 15300.0 << "###0.0" << "15300.0";
    QTest::newRow("1234567.891") << 1234567.891 << "###0.00" << "1234567.89";
    QTest::newRow("1e14") << 1e14 << "0.0" << "100000000000000.0";
    // Worked readings of the chart.
    QTest::newRow("w g/kg") << 1000 * 0.0099801 << "0.0" << "10.0";
    QTest::newRow("v") << 0.85781 << "0.000" << "0.858";
    QTest::newRow("mu") << 0.49749 << "0.000" << "0.497";
    QTest::newRow("p") << 101.3 << "0.00" << "101.30";
}

void NumberFormatTest::formatsPatternsRoundingHalfAwayFromZero()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    for (const QLocale &locale : kLocales) {
        QLocale::setDefault(locale);
        QCOMPARE(formatNumber(value, pattern), localised(expected, locale));
    }
}

void NumberFormatTest::followsTheSystemLocale()
{
    // The test runs under LC_ALL=C and es_ES.UTF-8: the system's separator is used.
    const QString expected = QLatin1Char('3') + QLocale::system().decimalPoint() + QLatin1Char('5');
    QCOMPARE(formatNumber(3.5, "0.0"), expected);
    if (qgetenv("LC_ALL").startsWith("es"))
        QCOMPARE(formatNumber(3.5, "0.0"), QStringLiteral("3,5"));
}

void NumberFormatTest::showsNoReadingForMissingOrNonFiniteValues()
{
    QCOMPARE(noReading(), QStringLiteral(" ---"));
    QCOMPARE(formatNumber(std::numeric_limits<double>::quiet_NaN(), "0.0"), noReading());
    QCOMPARE(formatNumber(std::numeric_limits<double>::infinity(), "###0.0"), noReading());
    QCOMPARE(formatNumber(-std::numeric_limits<double>::infinity(), "0.000"), noReading());
    QCOMPARE(formatNumber(std::optional<double>(), "0.00"), noReading());
    QCOMPARE(formatNumber(std::optional<double>(0.125), "0.00"), formatNumber(0.125, "0.00"));
    // A number typed as 1e30 must not spill thirty digits into a narrow box.
    QCOMPARE(formatNumber(1e30, "###0.0"), noReading());
    QCOMPARE(formatNumber(-1e15, "0.00"), noReading());
    QCOMPARE(formatNumber(999999999999999.0, "0"), QStringLiteral("999999999999999"));
}

void NumberFormatTest::parsesInputBoxText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("inC");      // NaN: no number
    QTest::addColumn<double>("inSpanish");

    const double none = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("whole") << "23" << 23.0 << 23.0;
    QTest::newRow("blanks around") << " 23 " << 23.0 << 23.0;
    QTest::newRow("negative") << "-4" << -4.0 << -4.0;
    QTest::newRow("point") << "23.5" << 23.5 << none;
    QTest::newRow("comma") << "23,5" << none << 23.5;
    QTest::newRow("grouped thousands") << "1,013" << none << 1.013;
    QTest::newRow("letters") << "abc" << none << none;
    QTest::newRow("trailing letters") << "12abc" << none << none;
    QTest::newRow("empty") << "" << none << none;
    QTest::newRow("blank") << "   " << none << none;
    QTest::newRow("nan") << "nan" << none << none;
    QTest::newRow("inf") << "inf" << none << none;
    QTest::newRow("overflow") << "1e999" << none << none;
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

void NumberFormatTest::formattedValuesReadBack()
{
    // A box written by a display and read by the next calculation gives the shown value.
    for (const QLocale &locale : kLocales) {
        QLocale::setDefault(locale);
        QCOMPARE(parseNumber(formatNumber(1013.0, "0.00")), std::optional<double>(1013.0));
        QCOMPARE(parseNumber(formatNumber(-2.675, "0.00")), std::optional<double>(-2.68));
        QCOMPARE(parseNumber(formatNumber(std::nan(""), "0.00")), std::nullopt);
    }
}

QTEST_APPLESS_MAIN(NumberFormatTest)
#include "tst_number_format.moc"
