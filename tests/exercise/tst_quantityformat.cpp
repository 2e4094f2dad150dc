// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/answerinput.h"
#include "exercise/quantityformat.h"

#include <QTest>

#include <clocale>
#include <stdexcept>
#include <string>

class QuantityFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void prefixLetters();
    void normalizeToPrefix_data();
    void normalizeToPrefix();
    void normalizeToPrefixRefusesWhatNeverFits();
    void resultsBeyondTheTableKeepAPrefix();
    void mantissaFormatFollowsLocale();
    void readNumber_data();
    void readNumber();
    void acceptedRange();
    void readNumberIgnoresTheCLibraryLocale();
};

void QuantityFormatTest::prefixLetters()
{
    const QStringList letters = {QStringLiteral("\u00B5"), "m", "", "k", "M", "G"};
    for (int i = 0; i < listedPrefixCount; ++i) {
        QCOMPARE(prefixLetter(static_cast<std::int16_t>(i + firstListedPrefix)), letters.at(i));
    }
    QVERIFY(prefixLetter(4).isEmpty());
    QVERIFY(prefixLetter(-3).isEmpty());
    QCOMPARE(prefixFactor(-2), 1e-6);
    QCOMPARE(prefixFactor(3), 1e9);
}

void QuantityFormatTest::normalizeToPrefix_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("mantissa");
    QTest::addColumn<int>("prefix");
    QTest::newRow("lower bound stays") << 0.1 << 0.1 << 0;
    QTest::newRow("upper bound steps up") << 999.999 << 0.999999 << 1;
    QTest::newRow("just below upper bound") << 999.998 << 999.998 << 0;
    QTest::newRow("one step down, not two") << 0.0999 << 99.9 << -1;
    QTest::newRow("half volt keeps no prefix") << 0.5 << 0.5 << 0;
    QTest::newRow("50 mA") << 0.05 << 50.0 << -1;
    QTest::newRow("micro") << 1e-6 << 1.0 << -2;
    QTest::newRow("largest displayable") << 9.99e11 << 999.0 << 3;
    QTest::newRow("beyond the table") << 5e13 << 50.0 << 4;
}

void QuantityFormatTest::normalizeToPrefix()
{
    QFETCH(double, value);
    QFETCH(double, mantissa);
    QFETCH(int, prefix);
    std::int16_t p = 0;
    ::normalizeToPrefix(value, p);
    QCOMPARE(p, prefix);
    QVERIFY2(qAbs(value - mantissa) < 1e-9 * mantissa, qPrintable(QString::number(value, 'g', 17)));
}

void QuantityFormatTest::normalizeToPrefixRefusesWhatNeverFits()
{
    for (const double bad : {0.0, -0.0, -5.0, qInf(), -qInf(), qQNaN()}) {
        double value = bad;
        std::int16_t p = 0;
        QVERIFY_THROWS_EXCEPTION(std::domain_error, ::normalizeToPrefix(value, p));
    }
}

void QuantityFormatTest::resultsBeyondTheTableKeepAPrefix()
{
    const QLocale czech(QLocale::Czech, QLocale::Czechia);
    double small = 9.99e-8;
    std::int16_t p = 0;
    ::normalizeToPrefix(small, p);
    fitToListedPrefixes(small, p);
    QCOMPARE(p, std::int16_t{-2});
    QCOMPARE(formatMantissa(small, czech), QStringLiteral("0,100"));

    double large = 9.999995e11;
    p = 0;
    ::normalizeToPrefix(large, p);
    fitToListedPrefixes(large, p);
    QCOMPARE(p, std::int16_t{3});
    QCOMPARE(formatMantissa(large, czech), QStringLiteral("1000,000"));

    double ordinary = 0.05;
    p = 0;
    ::normalizeToPrefix(ordinary, p);
    fitToListedPrefixes(ordinary, p);
    QCOMPARE(p, std::int16_t{-1});
}

void QuantityFormatTest::mantissaFormatFollowsLocale()
{
    const QLocale czech(QLocale::Czech, QLocale::Czechia);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(formatMantissa(5.0, czech), QStringLiteral("5,000"));
    QCOMPARE(formatMantissa(5.0, english), QStringLiteral("5.000"));
    QCOMPARE(formatMantissa(0.1, czech), QStringLiteral("0,100"));
    QCOMPARE(formatMantissa(12.5, czech), QStringLiteral("12,500"));
    // no grouping of thousands, rounding to three decimals
    QCOMPARE(formatMantissa(999.9996, czech), QStringLiteral("1000,000"));
    QCOMPARE(formatMantissa(static_cast<double>(2.2F), czech), QStringLiteral("2,200"));
    QCOMPARE(formatMantissa(static_cast<double>(999.998F), english), QStringLiteral("999.998"));
    QCOMPARE(formatMantissa(1234.5, english), QStringLiteral("1234.500"));
}

void QuantityFormatTest::readNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::newRow("comma") << "0,1" << 0.1;
    QTest::newRow("point") << "0.1" << 0.1;
    QTest::newRow("top") << "999,999" << 999.999;
    QTest::newRow("two commas") << "1,5,3" << 1.5;
    QTest::newRow("letters after") << "12ab" << 12.0;
    QTest::newRow("inner blank") << "1 2" << 12.0;
    QTest::newRow("tab and blanks") << " \t3 ,5" << 3.5;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("negative") << "-5" << -5.0;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("exponent") << "1,5e2" << 150.0;
    QTest::newRow("negative exponent") << "5E-1" << 0.5;
    QTest::newRow("exponent without digits") << "2e" << 2.0;
    QTest::newRow("exponent sign without digits") << "2e+x" << 2.0;
}

void QuantityFormatTest::readNumber()
{
    QFETCH(QString, typed);
    QFETCH(double, value);
    QCOMPARE(::readNumber(commaToPoint(typed)), value);
}

void QuantityFormatTest::acceptedRange()
{
    QCOMPARE(commaToPoint(QStringLiteral("1,5,3")), QStringLiteral("1.5.3"));
    QVERIFY(isAcceptedAnswer(::readNumber(commaToPoint(QStringLiteral("0,1")))));
    QVERIFY(isAcceptedAnswer(::readNumber(commaToPoint(QStringLiteral("999,999")))));
    QVERIFY(!isAcceptedAnswer(::readNumber(QStringLiteral("1000"))));
    QVERIFY(!isAcceptedAnswer(::readNumber(commaToPoint(QStringLiteral("0,09")))));
    QVERIFY(!isAcceptedAnswer(::readNumber(QString())));
    QVERIFY(!isAcceptedAnswer(::readNumber(QStringLiteral("9e9999"))));
    QVERIFY(!isAcceptedAnswer(::readNumber(QStringLiteral("-9e9999"))));
    QVERIFY(!isAcceptedAnswer(::readNumber(QStringLiteral("1e-9999"))));
    QVERIFY(!isAcceptedAnswer(qQNaN()));
}

void QuantityFormatTest::readNumberIgnoresTheCLibraryLocale()
{
    // What a Qt application does at start-up on a Czech machine: the C library's numbers then
    // take a decimal comma.
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    QVERIFY2(std::setlocale(LC_NUMERIC, "cs_CZ.UTF-8") != nullptr, "locale cs_CZ.UTF-8 missing");
    QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));
    const auto read = [](const char *typed) { return ::readNumber(commaToPoint(typed)); };
    const double half = read("0,5");
    const double twoAndHalf = read("2.5");
    const double small = read("0,347");
    const double scientific = read("1.5e2");
    std::setlocale(LC_NUMERIC, previous.c_str());
    QCOMPARE(half, 0.5);
    QCOMPARE(twoAndHalf, 2.5);
    QCOMPARE(small, 0.347);
    QCOMPARE(scientific, 150.0);
}

QTEST_APPLESS_MAIN(QuantityFormatTest)
#include "tst_quantityformat.moc"
