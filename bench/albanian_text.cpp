// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "albanian_text.h"

#include <array>
#include <cstdint>
#include <random>
#include <string_view>

namespace cellaro::bench {

namespace {

constexpr std::array<std::string_view, 120> kWords {
    "shtëpi", "dhe", "është", "një", "për", "që", "me", "në", "nga", "të",
    "mollë", "zhurmë", "xhaxhai", "gjysh", "shtrat", "llogari", "çdo", "qytet", "rrugë", "fshat",
    "mal", "det", "bukë", "ujë", "diell", "hënë", "yll", "lule", "zog", "qen",
    "mace", "libër", "shkollë", "mësues", "nxënës", "punë", "dritë", "natë", "ditë", "mëngjes",
    "mbrëmje", "verë", "dimër", "pranverë", "vjeshtë", "erë", "shi", "borë", "lumë", "liqen",
    "pyll", "dru", "gur", "thikë", "thes", "xhami", "zhvillim", "gjuhë", "gjethe", "njeri",
    "nënë", "baba", "vëlla", "motër", "djalë", "vajzë", "fëmijë", "mik", "dashuri", "bardhë",
    "zi", "kuq", "gjelbër", "verdhë", "madh", "vogël", "mirë", "bukur", "shpejt", "ngadalë",
    "sot", "nesër", "dje", "këtu", "atje", "shumë", "pak", "flas", "shkruaj", "lexoj",
    "këndoj", "vrapoj", "hap", "mbyll", "ha", "pi", "fle", "zgjohem", "çaj", "kafe",
    "rrush", "fik", "ullinj", "djathë", "mish", "peshk", "kripë", "sheqer", "qumësht", "vezë",
    "dhomë", "derë", "dritare", "tavolinë", "karrige", "shtëpia", "fshati", "qyteti", "malet", "deti",
};

// Any fixed value would do; this one made the README's picture.
constexpr std::uint32_t kGeneratorStart = 1296;

constexpr std::array<std::string_view, 6> kSentenceEnds { ".", ".", ".", "?", "!", "." };

void AppendCapitalised(std::string& text, std::string_view word)
{
    if (word.starts_with("ç") || word.starts_with("ë")) {
        text += word.starts_with("ç") ? "Ç" : "Ë";
        word.remove_prefix(2);
    } else {
        text += char(word.front() - 'a' + 'A');
        word.remove_prefix(1);
    }
    text += word;
}

} // namespace

std::string AlbanianText(std::size_t bytes)
{
    // The generator's raw output, not a distribution: distributions differ
    // between standard libraries, the raw sequence does not.
    std::mt19937 random(kGeneratorStart);
    std::string text;
    text.reserve(bytes + 200);
    while (text.size() < bytes) {
        const std::size_t words = 4 + random() % 9;
        for (std::size_t i = 0; i < words; ++i) {
            const std::string_view word = kWords[random() % kWords.size()];
            if (i == 0)
                AppendCapitalised(text, word);
            else
                text += word;
            text += i + 1 < words ? (random() % 7 == 0 ? ", " : " ") : kSentenceEnds[random() % kSentenceEnds.size()];
        }
        text += random() % 5 == 0 ? "\n" : " ";
    }
    text += '\n';
    return text;
}

} // namespace cellaro::bench
