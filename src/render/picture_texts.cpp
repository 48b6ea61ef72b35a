#include "render/picture_texts.h"

#include "surface/default_font_coverage.h"

namespace cellaro {

namespace {

// Longer texts are laid out only as far as the picture reaches, a cut the
// font's own metrics decide; a text this long counts as needing the
// machine's fonts rather than being read through.
constexpr qsizetype kLongestChecked = 4096;

class TextProbe : public FormSurface {
public:
    void Print(const QString& text) override
    {
        texts_.any = true;
        if (texts_.allInDefaultFont)
            texts_.allInDefaultFont = text.size() <= kLongestChecked && DefaultFontCovers(text);
    }

    PictureTexts texts() const { return texts_; }

private:
    PictureTexts texts_;
};

} // namespace

PictureTexts ProbePictureTexts(const Session& session)
{
    Session copy = session;
    TextProbe probe;
    ReplayShows(copy, probe);
    return probe.texts();
}

} // namespace cellaro
