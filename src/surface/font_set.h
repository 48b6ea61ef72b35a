// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fonts the picture's texts are drawn in, at one pixel size: the
// built-in font first, and for a character it lacks the first of the
// machine's fonts that has it, opened the first time a text needs it.

#include "surface/font_face.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cellaro {

struct FontFile {
    std::string path;
    int index = 0; // the face in a font collection
    bool operator==(const FontFile&) const = default;
};

// The first of the machine's outline fonts with a glyph for `c`, in the
// order fontconfig lists them for a sans-serif text; nothing when none has
// one. The list is read the first time a character needs it, so a picture
// whose texts the built-in font covers never reads the machine's font
// configuration.
std::optional<FontFile> MachineFontFor(char32_t c);

class FontSet {
public:
    explicit FontSet(double pixelSize);
    ~FontSet();

    // The face that draws `c`, as an index for face(). `previous` is the face
    // of the character before it, or -1: a mark stays with its base wherever
    // that face has it. A character no font has takes the built-in font's
    // missing-glyph box.
    int FaceFor(char32_t c, int previous);
    const FontFace& face(int index) const { return *faces_[std::size_t(index)]; }

    // Texts hang from the built-in font's ascent, whatever fonts their
    // characters come from.
    int Ascent() const { return faces_.front()->Ascent(); }

private:
    int MachineFaceFor(const FontFile& file);

    double pixelSize_;
    std::vector<std::unique_ptr<FontFace>> faces_; // the built-in font first; none for a file that is no font
    std::vector<FontFile> files_;                  // of faces_[1], faces_[2], ...
};

} // namespace cellaro
