// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A surface that writes what is drawn as an SVG document. Its user units
// are twips, so every box is a <rect> and every text a <text> at exactly
// the twips the painter handed over; the picture's physical size is that
// of the same area in pixels at 96 dpi. Texts name the built-in font at
// the picture's size; the SVG's viewer draws them.
//
// The document says what it shows: a title, a description, and each cell
// (a box and the texts printed after it) as a group with a title of its
// own, which a viewer shows as the cell's tooltip.

#include "surface/font_set.h"
#include "surface/form_surface.h"
#include "surface/text_layout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

namespace cellaro {

class SvgSurface : public FormSurface {
public:
    // Starts as the empty surface: the area filled with the background.
    // `cellTitles` title the boxes in the order they are drawn.
    SvgSurface(int widthTwips, int heightTwips, Colour background, const QString& description = QString(),
               QStringList cellTitles = {});
    ~SvgSurface() override;

    void Cls() override;
    void LineBox(float x1, float y1, float x2, float y2, Colour outline) override;
    void Print(const QString& text) override;

    // The whole document; nothing may be drawn after.
    QByteArray Finish();

private:
    struct Fonts;
    void FillBackground();
    void EndCell();
    Fonts& fonts();

    int width_;
    int height_;
    Colour background_;
    QByteArray document_;
    // The font's ascent and the visible part of long texts, found with the
    // picture's own layout once a text is printed.
    std::unique_ptr<Fonts> fonts_;
    QStringList cellTitles_;
    qsizetype boxes_ = 0; // drawn so far
    bool inCell_ = false; // a cell's group is open
    bool blank_ = false;  // nothing drawn since the background was laid
};

// A label's text as XML can carry it, escaped: the characters the picture
// shows nothing for (control codes, DEL, C1 controls, the line and
// paragraph separators) are left out, the others XML 1.0 forbids (U+FFFE,
// U+FFFF, unpaired surrogates) become U+FFFD.
QString XmlText(QStringView text);

} // namespace cellaro
