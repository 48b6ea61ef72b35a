#pragma once
// Which characters the built-in font has glyphs for, read from the font's
// own character map. A text made of them alone is drawn from the built-in
// font whatever other fonts the machine has, so it needs none of them.

#include <QStringView>

namespace cellaro {

// Whether the built-in font maps every character of `text` to a glyph.
// Characters outside the Basic Multilingual Plane count as missing: the
// font maps none of them.
bool DefaultFontCovers(QStringView text);

} // namespace cellaro
