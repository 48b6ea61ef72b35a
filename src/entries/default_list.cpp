// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries/default_list.h"

#include "entries/alphabet.h"

#include <array>

namespace cellaro {

namespace {

// How often each letter of the alphabet occurs, in its order.
constexpr std::array<int, kAlphabet.size()> kFrequencies {
    433, 6,    1,  16,  7,  5,   // a b c ç d dh
    414, 1377, 1,  1,   1,  107, // e ë f g gj h
    555, 158,  28, 41,  25, 94,  // i j k l ll m
    406, 37,   45, 22,  18, 273, // n nj o p q r
    10,  72,   62, 447, 19, 77,  // rr s sh t th u
    0,   0,    0,  10,  3,  0,   // v x xh y z zh
};

} // namespace

QString DefaultListText()
{
    QString text;
    for (std::size_t i = 0; i < kAlphabet.size(); ++i) {
        const std::string_view letter = kAlphabet[i].text;
        text += QString::fromUtf8(letter.data(), qsizetype(letter.size())) + u',' + QString::number(kFrequencies[i])
            + QStringLiteral("\r\n");
    }
    return text;
}

} // namespace cellaro
