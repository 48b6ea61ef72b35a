// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numeric and text services the drawing and parsing code is written
// against: reading a leading number, trimming, number to text.

#include <QString>
#include <QStringView>

namespace cellaro {

// The number at the start of a text: leading blanks skipped, an optional
// sign, digits with an optional decimal point ".", an optional exponent.
// A text without a leading number reads as 0. Only that grammar is read:
// "nan", "inf", "0x10" and the like give 0 or their leading digits, never a
// special value. A number too large for a double reads as +/-infinity.
double Val(QStringView text);

// Removes blanks (spaces) at both ends.
QStringView Trim(QStringView text);

// Decimal text of a number, with a leading blank when it is not negative.
QString Str(long long number);

// The number with exactly `decimals` digits after the separator, in the
// default locale's form (decimal separator, grouping, negative sign) but
// always with the digits 0-9. A value that rounds to zero prints without a
// minus sign.
QString FormatNumber(double value, int decimals);

// The shortest text that reads back as the same single-precision number
// ("1350", "-1200", "12.5"): how single-precision twips are written out.
QString ShortestText(float value);

double Sqr(double value);

// Largest integer not above the value.
double Int(double value);

} // namespace cellaro
