#pragma once
// A surface that writes what is drawn as SVG through QSvgGenerator. The
// SVG's user units are twips, so every box is a <rect> and every text a
// <text> at exactly the twips the painter handed over; the picture's
// physical size is that of the same area in pixels at 96 dpi.

#include "surface/form_surface.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QSize>
#include <QSvgGenerator>

#include <optional>

class QIODevice;

namespace cellaro {

class SvgSurface : public FormSurface {
public:
    // Starts as the empty surface: the area filled with the background.
    SvgSurface(QIODevice* output, QSize twips, QColor background, QFont font);
    ~SvgSurface() override;

    void Cls() override;
    void LineBox(float x1, float y1, float x2, float y2, Colour outline) override;
    void Print(const QString& text) override;

    // Completes the document on the output device; nothing may be drawn after.
    void finish();

private:
    void fillBackground();
    qreal ascent();

    QSvgGenerator generator_;
    QPainter painter_;
    QRectF area_;
    QColor background_;
    QFont font_;
    std::optional<qreal> ascent_; // of the font, once a text is printed
    bool blank_ = false; // nothing drawn since the background was laid
};

// The text as XML can carry it: characters XML 1.0 forbids (control codes,
// U+FFFE, U+FFFF, unpaired surrogates) become U+FFFD.
QString XmlSafeText(const QString& text);

} // namespace cellaro
