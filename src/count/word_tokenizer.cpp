#include "count/word_tokenizer.h"

namespace cellaro::count {

// The alphabet's answers, copied into the tokenizer so the per-character
// path is array look-ups the compiler sees.
WordTokenizer::WordTokenizer(LetterCounts& counts)
    : counts_(counts)
{
    for (int first = 0; first < kUnits; ++first) {
        singles_[std::size_t(first)] = SingleLetter(first);
        beginsDigraph_[std::size_t(first)] = BeginsDigraph(first);
        for (int second = 0; second < kUnits; ++second)
            digraphs_[std::size_t(first)][std::size_t(second)] = DigraphLetter(first, second);
    }
}

} // namespace cellaro::count
