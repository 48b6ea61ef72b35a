// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/basic_services.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace cellaro {

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Length of the run of digits starting at `from`.
qsizetype DigitsAt(QStringView text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    return end - from;
}

// Where the first significant digit of a validated ASCII number (no sign)
// stands: the number lies in [10^(m-1), 10^m) for the result m. Only its
// sign matters, to tell a number too large for a double from one too small,
// so the exponent saturates instead of overflowing. 0 for a zero number.
long long DecimalMagnitude(const std::string& ascii)
{
    const std::size_t exponentAt = std::min(ascii.find_first_of("eE"), ascii.size());
    long long exponent = 0;
    if (exponentAt < ascii.size()) {
        std::size_t i = exponentAt + 1;
        const bool negative = i < ascii.size() && ascii[i] == '-';
        if (i < ascii.size() && (ascii[i] == '-' || ascii[i] == '+'))
            ++i;
        for (; i < ascii.size(); ++i)
            exponent = std::min(exponent * 10 + (ascii[i] - '0'), 1LL << 40);
        if (negative)
            exponent = -exponent;
    }
    const std::string mantissa = ascii.substr(0, exponentAt);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstSignificant = mantissa.find_first_not_of("0.");
    if (firstSignificant == std::string::npos)
        return 0;
    const long long place = firstSignificant < point
        ? (long long)(point - firstSignificant)
        : -(long long)(firstSignificant - point - 1);
    return place + exponent;
}

// Converts an already validated ASCII number (no sign) exactly.
double ParseUnsigned(QStringView number)
{
    std::string ascii;
    ascii.reserve(std::size_t(number.size()));
    for (QChar c : number)
        ascii.push_back(char(c.unicode()));
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        return DecimalMagnitude(ascii) > 0 ? HUGE_VAL : 0.0;
    return value;
}

// A run of digits alone, the usual count of a list line. Up to 15 digits
// the integer is below 2^53 and converts to a double exactly, so it is
// summed here instead of going through the general conversion.
double PlainInteger(QStringView digits)
{
    constexpr qsizetype kExactDigits = 15;
    if (digits.size() > kExactDigits)
        return ParseUnsigned(digits);
    long long value = 0;
    for (QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');
    return double(value);
}

} // namespace

double Val(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    const qsizetype start = i;
    const qsizetype integerDigits = DigitsAt(text, i);
    i += integerDigits;
    qsizetype fractionDigits = 0;
    if (i < text.size() && text[i] == u'.') {
        fractionDigits = DigitsAt(text, i + 1);
        i += 1 + fractionDigits;
    }
    if (integerDigits + fractionDigits == 0)
        return 0.0;

    // An exponent counts only when at least one digit follows it.
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const qsizetype exponentDigits = DigitsAt(text, j);
        if (exponentDigits > 0)
            i = j + exponentDigits;
    }

    const double magnitude = integerDigits == i - start
        ? PlainInteger(text.sliced(start, integerDigits))
        : ParseUnsigned(text.sliced(start, i - start));
    return negative ? -magnitude : magnitude;
}

QStringView Trim(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

QString Str(long long number)
{
    const QString digits = QString::number(number);
    return number < 0 ? digits : u' ' + digits;
}

QString FormatNumber(double value, int decimals)
{
    const QLocale locale;
    QString text = locale.toString(value, 'f', decimals);
    const bool allZero = std::none_of(text.cbegin(), text.cend(), [&](QChar c) {
        return c.isDigit() && c != locale.zeroDigit().front();
    });
    if (allZero && std::signbit(value))
        text = locale.toString(0.0, 'f', decimals);
    // The locale's own digits (Arabic-Indic ones, say) are written 0-9, as
    // the counts beside them are.
    const char16_t zero = locale.zeroDigit().front().unicode();
    for (QChar& c : text)
        if (c.unicode() >= zero && c.unicode() <= zero + 9)
            c = QChar(char16_t(u'0' + (c.unicode() - zero)));
    return text;
}

QString ShortestText(float value)
{
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return QString::fromLatin1(digits, result.ptr - digits);
}

double Sqr(double value) { return std::sqrt(value); }

double Int(double value) { return std::floor(value); }

} // namespace cellaro
