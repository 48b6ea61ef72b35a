#pragma once
// Counts and shares ("1377", "28.86%", "-5") are most of a picture's
// texts, and laying each out afresh costs more than filling it. Their
// characters take one glyph each from one font, and each glyph lands
// where the one before it leaves off: its advance and the kerning of the
// pair. One layout of a string holding every pair of them gives each
// character's glyph and every step from one glyph to the next, and a
// number's glyphs are placed by adding steps. Should that layout show
// anything else (a pair stepping two ways, a character taking another
// font or no glyph of its own), numbers are laid out in full by QTextLayout.

#include <QFont>
#include <QRawFont>
#include <QStringView>

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace cellaro {

class NumberLayout {
public:
    // The pairs are laid out when the first number is asked for.
    explicit NumberLayout(QFont font);

    struct Glyph {
        quint32 index = 0;
        QPointF at; // on the line, from its top-left
    };
    // The glyphs of `text` as the text layout places them, or nothing
    // when `text` holds a character other than the learned ones.
    std::optional<std::vector<Glyph>> Of(QStringView text);

    const QRawFont& font() const { return font_; }
    qreal ascent() const { return ascent_; } // of the line, as the layout gives it

private:
    static constexpr std::u16string_view kCharacters = u"0123456789.,%-";
    static constexpr std::size_t kCount = kCharacters.size();
    static int IndexOf(char16_t c);
    void learn();

    QFont layoutFont_;
    bool tried_ = false;
    bool learned_ = false;
    QRawFont font_;
    qreal ascent_ = 0;
    QPointF first_; // where the first glyph of a text lands
    std::array<quint32, kCount> glyphs_ {};
    std::array<std::array<qreal, kCount>, kCount> steps_ {};
};

} // namespace cellaro
