#pragma once
// A long text printed near a surface's right edge shows only its first few
// characters, yet laying it out costs what all of them cost (a label may be
// megabytes long). The surfaces lay out only the part that can show.

#include <QFont>
#include <QStringView>

namespace cellaro {

// The characters of `text` that a surface lays out when the text starts
// `room` pixels before the surface's right edge: all of a text of up to a
// few hundred characters; of a longer one, a beginning that reaches well
// past the edge. The cut falls between graphemes, far enough beyond the
// edge that shaping and kerning cannot bring a glyph after it back into
// view. A text that is, or may be laid out, right to left is not cut.
QStringView VisiblePart(QStringView text, const QFont& font, qreal room);

} // namespace cellaro
