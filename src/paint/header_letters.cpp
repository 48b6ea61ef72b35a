// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint/header_letters.h"

#include "entries/alphabet.h"

namespace cellaro {

namespace {

QString TextOf(const AlphabetLetter& letter)
{
    return QString::fromUtf8(letter.text.data(), qsizetype(letter.text.size()));
}

} // namespace

QString HeaderLetters()
{
    QString codes;
    for (const AlphabetLetter& letter : kAlphabet)
        codes.append(QChar(letter.headerCode));
    return codes;
}

QString HeaderLetterText(QChar code)
{
    for (const AlphabetLetter& letter : kAlphabet)
        if (code == QChar(letter.headerCode))
            return TextOf(letter);
    return QString(code);
}

QStringList HeaderTexts()
{
    QStringList texts;
    for (const AlphabetLetter& letter : kAlphabet)
        texts.append(TextOf(letter));
    return texts;
}

} // namespace cellaro
