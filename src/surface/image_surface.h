#pragma once
// A surface that draws into a QImage at 15 twips per pixel. The window keeps
// one as its backing image and only blits it in paintEvent; the renderer
// writes it to a file. On a HiDPI screen the image carries the device pixel
// ratio and twips map to logical pixels.

#include "surface/form_surface.h"
#include "surface/text_coverage.h"
#include "surface/text_outlines.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <memory>
#include <optional>

namespace cellaro {

QColor ToQColor(Colour colour);

class ImageSurface : public FormSurface {
public:
    ImageSurface(QSize logicalSize, QColor background, QFont font = QFont(),
                 qreal devicePixelRatio = 1.0);
    ~ImageSurface() override;

    void Cls() override;
    void LineBox(float x1, float y1, float x2, float y2, Colour outline) override;
    void Print(const QString& text) override;

    // The picture so far. Ends any drawing in progress first.
    const QImage& image() const;
    QSize logicalSize() const;
    QColor background() const { return background_; }

    // Grows or shrinks the image, keeping what is drawn where it is; new
    // area is background.
    void Resize(QSize logicalSize, qreal devicePixelRatio);

private:
    QPainter& painter();
    void endPainting() const;
    void fillPixels(int left, int top, int right, int bottom, Colour colour);
    // One image pixel per logical pixel: boxes are written straight into
    // the scanlines.
    bool unscaled() const;
    struct InkedText {
        QImage coverage; // Alpha8; null for a text with no ink
        QPoint offset;   // of the coverage image from the text's top-left
    };
    const QPainterPath& preparedText(const QString& text);
    const InkedText& inkedText(const QString& text);
    TextOutlines& outlines();
    QString shownPart(const QString& text, int room);

    mutable QImage image_;
    mutable std::unique_ptr<QPainter> painter_;
    QColor background_;
    QFont font_;
    // The texts printed lately: their outlines at the origin, and the
    // coverage of those outlines. The outlines come from the font, which is
    // first looked at when a text is printed.
    static constexpr qsizetype kMaxPreparedTexts = 2048;
    std::optional<TextOutlines> outlines_;
    QHash<QString, QPainterPath> preparedTexts_;
    QHash<QString, InkedText> inkedTexts_;
    TextCoverage textCoverage_;
};

} // namespace cellaro
