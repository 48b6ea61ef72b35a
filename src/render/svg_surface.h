// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A surface that writes what is drawn as an SVG document. Its user units
// are twips, so every box is a <rect> and every text a <text> at exactly
// the twips the painter handed over; the picture's physical size is that
// of the same area in pixels at 96 dpi. Texts name the built-in font at
// the picture's size; the SVG's viewer draws them.

#include "surface/font_set.h"
#include "surface/form_surface.h"
#include "surface/text_layout.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace cellaro {

class SvgSurface : public FormSurface {
public:
    // Starts as the empty surface: the area filled with the background.
    SvgSurface(int widthTwips, int heightTwips, Colour background);
    ~SvgSurface() override;

    void Cls() override;
    void LineBox(float x1, float y1, float x2, float y2, Colour outline) override;
    void Print(const QString& text) override;

    // The whole document; nothing may be drawn after.
    QByteArray Finish();

private:
    struct Fonts;
    void FillBackground();
    Fonts& fonts();

    int width_;
    int height_;
    Colour background_;
    QByteArray document_;
    // The font's ascent and the visible part of long texts, found with the
    // picture's own layout once a text is printed.
    std::unique_ptr<Fonts> fonts_;
    bool blank_ = false; // nothing drawn since the background was laid
};

// The text as XML can carry it, escaped: characters XML 1.0 forbids
// (control codes, U+FFFE, U+FFFF, unpaired surrogates) become U+FFFD.
QString XmlText(QStringView text);

} // namespace cellaro
