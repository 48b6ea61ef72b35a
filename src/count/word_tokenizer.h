#pragma once
// Turns units into letters and counts them. Two-unit letters are taken
// greedily from left to right ("shtëpi": sh t ë p i), so a unit that can
// begin one waits for the next. A unit that is no letter of the alphabet
// ends the word: no pair is counted across it.

#include "count/alphabet.h"
#include "count/letter_counts.h"

#include <array>

namespace cellaro::count {

class WordTokenizer {
public:
    explicit WordTokenizer(LetterCounts& counts);

    void take(int unit)
    {
        if (held_ >= 0) {
            const int digraph = digraphs_[std::size_t(held_)][std::size_t(unit)];
            const int waiting = held_;
            held_ = -1;
            if (digraph != kNoLetter)
                return count(digraph);
            count(singles_[std::size_t(waiting)]);
        }
        if (beginsDigraph_[std::size_t(unit)])
            held_ = unit;
        else
            count(singles_[std::size_t(unit)]);
    }

    // The end of a text: the waiting unit counts alone, the word is over.
    void endWord() { take(kUnitOther); }

private:
    void count(int letter)
    {
        if (letter == kNoLetter) {
            previous_ = kNoLetter;
            return;
        }
        ++counts_.letters[std::size_t(letter)];
        if (previous_ != kNoLetter)
            ++counts_.pairs[std::size_t(previous_ * kLetters + letter)];
        previous_ = letter;
    }

    LetterCounts& counts_;
    int held_ = -1;               // a unit that may begin a two-unit letter
    int previous_ = kNoLetter;    // the word's letter before, for pairs
    std::array<std::array<int, kUnits>, kUnits> digraphs_ {};
    std::array<int, kUnits> singles_ {};
    std::array<bool, kUnits> beginsDigraph_ {};
};

} // namespace cellaro::count
