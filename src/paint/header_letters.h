// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 36 letters printed along the top and down the left of a 36 x 36 grid,
// those of the alphabet (entries/alphabet.h). Among the header letters,
// upper-case characters stand for the two-letter letters.

#include <QString>
#include <QStringList>

namespace cellaro {

QString HeaderLetters();

// The printed text of one character of HeaderLetters(); any other
// character prints as itself.
QString HeaderLetterText(QChar code);

// All 36 printed texts, in order.
QStringList HeaderTexts();

} // namespace cellaro
