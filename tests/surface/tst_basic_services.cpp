// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric and text services everything else is written against: the
// leading-number reader, trimming, number to text, two-decimal formatting in
// the user's locale, the 16-bit conversion, RGB and the twip factor.

#include "support/core_test_support.h"

#include "surface/basic_services.h"
#include "surface/colour.h"
#include "surface/int16.h"
#include "surface/twips.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace cellaro;
using namespace cellaro::testing;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// A 16-bit conversion that overflows is shown as this (it is outside 16 bits).
constexpr int kOverflow = 99999;

int Int16OrOverflow(std::optional<Int16> value) { return value ? int(*value) : kOverflow; }

} // namespace

class TestBasicServices : public QObject {
    Q_OBJECT

private slots:
    void val_data();
    void val();
    void valOfLongDigitStrings_data();
    void valOfLongDigitStrings();
    void trim_data();
    void trim();
    void str_data();
    void str();
    void strThenTrimIsCountText_data();
    void strThenTrimIsCountText();
    void shortestText_data();
    void shortestText();
    void formatNumber_data();
    void formatNumber();
    void toInt16_data();
    void toInt16();
    void checkedInt16_data();
    void checkedInt16();
    void sqrAndInt_data();
    void sqrAndInt();
    void intPart_data();
    void intPart();
    void rgb_data();
    void rgb();
    void twips_data();
    void twips();
};

void TestBasicServices::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("plain integer") << "433" << 433.0;
    QTest::newRow("leading blanks skipped") << "   42" << 42.0;
    QTest::newRow("trailing text ignored") << "42abc" << 42.0;
    QTest::newRow("second number ignored") << "12 34" << 12.0;
    QTest::newRow("comma ends the number") << "1,5" << 1.0;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("minus sign") << "-3" << -3.0;
    QTest::newRow("blank after sign") << "- 3" << 0.0;
    QTest::newRow("double sign") << "--3" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("sign after digits") << "3-" << 3.0;
    QTest::newRow("fraction") << "2.6" << 2.6;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("negative leading point") << "-.5" << -0.5;
    QTest::newRow("trailing point") << "7." << 7.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("second point ends") << "1.5.3" << 1.5;
    QTest::newRow("exponent") << "1e2" << 100.0;
    QTest::newRow("upper-case exponent") << "1E2" << 100.0;
    QTest::newRow("exponent with plus") << "1e+2" << 100.0;
    QTest::newRow("negative exponent") << "25e-1" << 2.5;
    QTest::newRow("point then exponent") << "1.e2" << 100.0;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "1e+" << 1.0;
    QTest::newRow("exponent minus without digits") << "1e-x" << 1.0;
    QTest::newRow("exponent without mantissa") << "e5" << 0.0;
    QTest::newRow("point and exponent only") << ".e2" << 0.0;
    QTest::newRow("fractional exponent stops") << "1e2.5" << 100.0;
    QTest::newRow("nan is no number") << "nan" << 0.0;
    QTest::newRow("inf is no number") << "inf" << 0.0;
    QTest::newRow("infinity is no number") << "infinity" << 0.0;
    QTest::newRow("negative infinity word") << "-inf" << 0.0;
    QTest::newRow("hex reads its leading zero") << "0x10" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("beyond double") << "1e309" << kInf;
    QTest::newRow("beyond double, negative") << "-1e309" << -kInf;
    QTest::newRow("below the smallest double") << "1e-400" << 0.0;
    QTest::newRow("largest double") << "1.7976931348623157e308" << 1.7976931348623157e308;
    QTest::newRow("blanks inside the mantissa") << "1 000" << 1.0;
}

void TestBasicServices::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double actual = Val(text);
    // Exact: the reader must give the correctly rounded double, and an
    // unreadable text exactly 0 with no sign.
    QVERIFY2(actual == expected, qPrintable(QStringLiteral("Val gave %1").arg(actual, 0, 'g', 17)));
    QCOMPARE(std::signbit(actual), std::signbit(expected));
}

void TestBasicServices::valOfLongDigitStrings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    const QString zeros = QString(400, u'0');
    QTest::newRow("400 leading zeros") << zeros + QStringLiteral("5") << 5.0;
    QTest::newRow("401-digit number") << QStringLiteral("1") + zeros << kInf;
    QTest::newRow("400 zeros after the point") << QStringLiteral("0.") + zeros + QStringLiteral("1") << 0.0;
    QTest::newRow("huge despite a negative exponent")
        << QStringLiteral("1") + zeros + QStringLiteral("e-5") << kInf;
    QTest::newRow("tiny despite a positive exponent")
        << QStringLiteral("0.") + zeros + QStringLiteral("1e5") << 0.0;
    QTest::newRow("long mantissa brought into range")
        << QStringLiteral("1") + zeros + QStringLiteral("e-380") << 1e20;
    QTest::newRow("more digits than a double holds") << "12345678901234567890123" << 1.2345678901234567e22;
    QTest::newRow("long fraction") << QStringLiteral("3.") + QString(300, u'3') << 3.3333333333333335;
    QTest::newRow("308 nines") << QString(308, u'9') << 1e308;
    QTest::newRow("long exponent")
        << QStringLiteral("1e") + QString(50, u'0') + QStringLiteral("3") << 1000.0;
}

void TestBasicServices::valOfLongDigitStrings()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double actual = Val(text);
    QVERIFY2(actual == expected, qPrintable(QStringLiteral("Val gave %1").arg(actual, 0, 'g', 17)));
}

void TestBasicServices::trim_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("blanks both sides") << "  12  " << "12";
    QTest::newRow("inner blanks kept") << " a b " << "a b";
    QTest::newRow("only blanks") << "    " << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("nothing to trim") << "abc" << "abc";
    QTest::newRow("tabs are not blanks") << "\tx\t" << "\tx\t";
}

void TestBasicServices::trim()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Trim(text).toString(), expected);
}

void TestBasicServices::str_data()
{
    QTest::addColumn<qlonglong>("number");
    QTest::addColumn<QString>("expected");

    QTest::newRow("positive gets a leading blank") << 433LL << " 433";
    QTest::newRow("zero gets a leading blank") << 0LL << " 0";
    QTest::newRow("negative has its sign") << -5LL << "-5";
    QTest::newRow("16-bit maximum") << 32767LL << " 32767";
    QTest::newRow("16-bit minimum") << -32768LL << "-32768";
    QTest::newRow("no grouping") << 1234567LL << " 1234567";
}

void TestBasicServices::str()
{
    QFETCH(qlonglong, number);
    QFETCH(QString, expected);
    QCOMPARE(Str(number), expected);
}

// Twips in single precision, written as the shortest text that reads back
// as the same float: no trailing zeros, no digits of the double's noise.
void TestBasicServices::shortestText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole twips") << 1350.0f << "1350";
    QTest::newRow("negative") << -1200.0f << "-1200";
    QTest::newRow("half a twip") << 12.5f << "12.5";
    QTest::newRow("a tenth, not its binary noise") << 0.1f << "0.1";
    QTest::newRow("beyond 2^24: the float's own value") << 16777217.0f << "16777216";
    QTest::newRow("tiny") << 1e-7f << "1e-07";
}

void TestBasicServices::shortestText()
{
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(ShortestText(value), expected);
    QCOMPARE(ShortestText(value).toFloat(), value);
}

void TestBasicServices::strThenTrimIsCountText_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");

    QTest::newRow("433") << 433 << "433";
    QTest::newRow("-5") << -5 << "-5";
    QTest::newRow("0") << 0 << "0";
}

void TestBasicServices::strThenTrimIsCountText()
{
    // A cell's count text is Str followed by Trim, whatever the locale.
    LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    QFETCH(int, count);
    QFETCH(QString, expected);
    QCOMPARE(Trim(Str(count)).toString(), expected);
}

void TestBasicServices::formatNumber_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    const QLocale us = UsEnglish();
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);

    QTest::newRow("us share of a") << us << 433.0 / 4771.0 * 100 << "9.08";
    QTest::newRow("us share of b") << us << 6.0 / 4771.0 * 100 << "0.13";
    QTest::newRow("us share of e-dieresis") << us << 1377.0 / 4771.0 * 100 << "28.86";
    QTest::newRow("us zero") << us << 0.0 << "0.00";
    QTest::newRow("us whole") << us << 100.0 << "100.00";
    QTest::newRow("us grouping") << us << 1234567.891 << "1,234,567.89";
    QTest::newRow("us negative") << us << -100.0 << "-100.00";
    QTest::newRow("us negative grouped") << us << -1234.5 << "-1,234.50";
    QTest::newRow("us tiny negative share is zero") << us << -0.001 << "0.00";
    QTest::newRow("us almost half a hundredth") << us << -0.0049 << "0.00";
    QTest::newRow("us negative zero") << us << -0.0 << "0.00";
    QTest::newRow("us smallest negative shown") << us << -0.006 << "-0.01";
    QTest::newRow("german decimal comma") << german << 1377.0 / 4771.0 * 100 << "28,86";
    QTest::newRow("german grouping") << german << 1234567.891 << "1.234.567,89";
    QTest::newRow("german negative") << german << -100.0 << "-100,00";
    QTest::newRow("german tiny negative") << german << -0.001 << "0,00";
    QTest::newRow("swedish minus sign") << swedish << -5.0 << u"\u22125,00"_qs;
    QTest::newRow("arabic tiny negative, digits 0-9") << arabic << -0.001 << u"0\u066b00"_qs;
    QTest::newRow("arabic share of e-dieresis, digits 0-9") << arabic << 1377.0 / 4771.0 * 100 << u"28\u066b86"_qs;
}

void TestBasicServices::formatNumber()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    LocaleScope scope(locale);
    QCOMPARE(FormatNumber(value, 2), expected);
}

void TestBasicServices::toInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");

    QTest::newRow("half to even zero") << 0.5 << 0;
    QTest::newRow("one and a half up") << 1.5 << 2;
    QTest::newRow("two and a half down") << 2.5 << 2;
    QTest::newRow("three and a half up") << 3.5 << 4;
    QTest::newRow("2.6 rounds up") << 2.6 << 3;
    QTest::newRow("2.4 rounds down") << 2.4 << 2;
    QTest::newRow("negative half to zero") << -0.5 << 0;
    QTest::newRow("negative one and a half") << -1.5 << -2;
    QTest::newRow("negative two and a half") << -2.5 << -2;
    QTest::newRow("cell size 37.5") << 37.5 << 38;
    QTest::newRow("cell size 12.5") << 12.5 << 12;
    QTest::newRow("cell size 7.5") << 7.5 << 8;
    QTest::newRow("cell size 600/7") << 600.0 / 7 << 86;
    QTest::newRow("maximum") << 32767.0 << 32767;
    QTest::newRow("below maximum's tie") << 32767.4 << 32767;
    QTest::newRow("tie below maximum to even") << 32766.5 << 32766;
    QTest::newRow("maximum's tie rounds out") << 32767.5 << kOverflow;
    QTest::newRow("minimum") << -32768.0 << -32768;
    QTest::newRow("minimum's tie rounds in, to even") << -32768.5 << -32768;
    QTest::newRow("just below minimum's tie") << -32768.6 << kOverflow;
    QTest::newRow("tie below minimum to even") << -32769.5 << kOverflow;
    QTest::newRow("40000") << 40000.0 << kOverflow;
    QTest::newRow("infinity") << kInf << kOverflow;
    QTest::newRow("negative infinity") << -kInf << kOverflow;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << kOverflow;
}

void TestBasicServices::toInt16()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(Int16OrOverflow(ToInt16(value)), expected);
}

void TestBasicServices::checkedInt16_data()
{
    QTest::addColumn<qlonglong>("value");
    QTest::addColumn<int>("expected");

    QTest::newRow("15 * 604") << 15LL * 604 << 9060;
    QTest::newRow("maximum") << 32767LL << 32767;
    QTest::newRow("above maximum") << 32768LL << kOverflow;
    QTest::newRow("minimum") << -32768LL << -32768;
    QTest::newRow("below minimum") << -32769LL << kOverflow;
}

void TestBasicServices::checkedInt16()
{
    QFETCH(qlonglong, value);
    QFETCH(int, expected);
    QCOMPARE(Int16OrOverflow(CheckedInt16(value)), expected);
}

void TestBasicServices::sqrAndInt_data()
{
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<double>("gridSide");

    // Int(Sqr(n - 1)) + 1 is the smallest integer whose square holds n.
    QTest::newRow("1") << 1 << 1.0;
    QTest::newRow("36") << 36 << 6.0;
    QTest::newRow("37") << 37 << 7.0;
    QTest::newRow("1296") << 1296 << 36.0;
    QTest::newRow("1297") << 1297 << 37.0;
    QTest::newRow("10000") << 10000 << 100.0;
}

void TestBasicServices::sqrAndInt()
{
    QFETCH(int, entryCount);
    QFETCH(double, gridSide);
    QCOMPARE(Int(Sqr(entryCount - 1)) + 1, gridSide);
}

void TestBasicServices::intPart_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("positive fraction") << 2.9 << 2.0;
    QTest::newRow("whole") << 5.0 << 5.0;
    QTest::newRow("negative fraction goes down") << -0.5 << -1.0;
    QTest::newRow("negative whole") << -2.0 << -2.0;
}

void TestBasicServices::intPart()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(Int(value), expected);
}

void TestBasicServices::rgb_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<uint>("expected");

    QTest::newRow("black") << 0 << 0 << 0 << 0u;
    QTest::newRow("red in the low byte") << 255 << 0 << 0 << 255u;
    QTest::newRow("dark teal") << 0 << 64 << 64 << 4210688u;
    QTest::newRow("yellow") << 255 << 255 << 0 << 65535u;
    QTest::newRow("orange") << 255 << 128 << 0 << 33023u;
    QTest::newRow("mixed") << 1 << 2 << 3 << 197121u;
    QTest::newRow("red above 255") << 256 << 0 << 0 << 255u;
    QTest::newRow("shade 510") << 510 << 510 << 510 << 0xFFFFFFu;
    QTest::newRow("shade beyond 16 bits") << 255 << 32895 << 40000 << 0xFFFFFFu;
}

void TestBasicServices::rgb()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(uint, expected);
    const Colour colour = RGB(red, green, blue);
    QCOMPARE(colour, expected);
    QCOMPARE(RedOf(colour), std::min(red, 255));
    QCOMPARE(GreenOf(colour), std::min(green, 255));
    QCOMPARE(BlueOf(colour), std::min(blue, 255));
}

void TestBasicServices::twips_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");

    QTest::newRow("first box corner") << 300.0 << 20;
    QTest::newRow("second box corner") << 1785.0 << 119;
    QTest::newRow("next box corner") << 1800.0 << 120;
    QTest::newRow("header offset") << 30.0 << 2;
    QTest::newRow("under half a pixel") << 7.0 << 0;
    QTest::newRow("half a pixel rounds up") << 7.5 << 1;
}

void TestBasicServices::twips()
{
    QFETCH(double, twips);
    QFETCH(int, pixels);
    QCOMPARE(TwipsToPixels(twips), pixels);
    QCOMPARE(PixelsToTwips(pixels), pixels * 15.0);
}

QTEST_GUILESS_MAIN(TestBasicServices)
#include "tst_basic_services.moc"
