#pragma once
// The 36 letters printed along the top and down the left of a 36 x 36 grid.
// Upper-case characters stand for the two-letter letters.

#include <QString>
#include <QStringList>

namespace cellaro {

QString HeaderLetters();

// The printed text of one character of HeaderLetters().
QString HeaderLetterText(QChar code);

// All 36 printed texts, in order.
QStringList HeaderTexts();

} // namespace cellaro
