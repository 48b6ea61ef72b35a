// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/svg_surface.h"

#include "surface/basic_services.h"
#include "surface/default_font.h"
#include "surface/product.h"
#include "surface/twips.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace cellaro {

namespace {

// The picture's size on paper: one pixel per 15 twips at 96 pixels to the inch.
QString Millimetres(int twips) { return QString::number(twips / double(kTwipsPerPixel) / 96 * 25.4, 'f', 3); }

QString Number(float value) { return ShortestText(value); }

constexpr float kHalfPixel = kTwipsPerPixel / 2.0f;

QString ColourName(Colour colour)
{
    return QStringLiteral("#%1%2%3")
        .arg(RedOf(colour), 2, 16, QLatin1Char('0'))
        .arg(GreenOf(colour), 2, 16, QLatin1Char('0'))
        .arg(BlueOf(colour), 2, 16, QLatin1Char('0'));
}

bool IsXmlCharacter(char16_t c) { return c < 0xD800 || (c >= 0xE000 && c <= 0xFFFD); }

} // namespace

QString XmlText(QStringView text)
{
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            safe.append(c).append(text[++i]);
            continue;
        }
        switch (c.unicode()) {
        case u'&': safe.append(u"&amp;"); break;
        case u'<': safe.append(u"&lt;"); break;
        case u'>': safe.append(u"&gt;"); break;
        case u'"': safe.append(u"&quot;"); break;
        default:
            if (!ShowsNothing(c.unicode()))
                safe.append(IsXmlCharacter(c.unicode()) ? c : QChar(0xFFFD));
        }
    }
    return safe;
}

struct SvgSurface::Fonts {
    FontSet set { kPictureTextPixels };
    TextLayout layout { set };
};

SvgSurface::SvgSurface(int widthTwips, int heightTwips, Colour background, const QString& description,
                       QStringList cellTitles)
    : width_(widthTwips)
    , height_(heightTwips)
    , background_(background)
    , cellTitles_(std::move(cellTitles))
{
    document_ = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1mm\" height=\"%2mm\""
                               " viewBox=\"0 0 %3 %4\" font-family=\"%5\" font-size=\"%6\">\n"
                               "<title>%7</title>\n<desc>%8</desc>\n")
                    .arg(Millimetres(width_), Millimetres(height_))
                    .arg(width_)
                    .arg(height_)
                    .arg(DefaultFontFamily())
                    .arg(kPictureTextPixels * kTwipsPerPixel)
                    .arg(QString::fromUtf8(kProductName))
                    .arg(XmlText(description.isEmpty() ? QStringLiteral("Colour grid") : description))
                    .toUtf8();
    FillBackground();
}

SvgSurface::~SvgSurface() = default;

QByteArray SvgSurface::Finish()
{
    EndCell();
    document_.append("</svg>\n");
    return std::move(document_);
}

void SvgSurface::FillBackground()
{
    document_.append(QStringLiteral("<rect x=\"0\" y=\"0\" width=\"%1\" height=\"%2\" fill=\"%3\"/>\n")
                         .arg(width_)
                         .arg(height_)
                         .arg(ColourName(background_))
                         .toUtf8());
    blank_ = true;
}

void SvgSurface::Cls()
{
    EndCell();
    // A later rect covers all before it; one background rect is enough.
    if (!blank_)
        FillBackground();
}

void SvgSurface::EndCell()
{
    if (std::exchange(inCell_, false))
        document_.append("</g>\n");
}

void SvgSurface::LineBox(float x1, float y1, float x2, float y2, Colour outline)
{
    // The outline is one pixel wide, as on the window, and covers the same
    // pixels: the box's edge pixels, a stroke centred half a pixel inside
    // the corners the painter gave.
    EndCell();
    if (boxes_ < cellTitles_.size()) {
        document_.append(QStringLiteral("<g><title>%1</title>\n").arg(XmlText(cellTitles_[boxes_])).toUtf8());
        inCell_ = true;
    }
    ++boxes_;
    const QString fill = FillStyle() == BoxFill::Solid ? ColourName(FormSurface::FillColor()) : QStringLiteral("none");
    document_.append(QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\" stroke=\"%6\""
                                    " stroke-width=\"%7\" stroke-linejoin=\"miter\"/>\n")
                         .arg(Number(std::min(x1, x2) + kHalfPixel), Number(std::min(y1, y2) + kHalfPixel),
                              Number(std::abs(x2 - x1)),
                              Number(std::abs(y2 - y1)), fill, ColourName(outline))
                         .arg(kTwipsPerPixel)
                         .toUtf8());
    blank_ = false;
}

void SvgSurface::Print(const QString& text)
{
    // The current position is the text's top-left; SVG places a text by its
    // baseline. Only what can show is written: a label may be megabytes long.
    const float baseline = CurrentY() + float(fonts().set.Ascent() * kTwipsPerPixel);
    const double room = (width_ - CurrentX()) / kTwipsPerPixel;
    const QStringView shown = QStringView(text).first(fonts().layout.LayOut(text, room).length);
    // A viewer lays an SVG text out left to right unless told otherwise; the
    // picture takes a text's direction from its first strong character, as
    // an isolate that starts there does.
    const QString content = TextLayout::NeedsBidi(shown) ? u'\u2068' + XmlText(shown) + u'\u2069' : XmlText(shown);
    document_.append(QStringLiteral("<text x=\"%1\" y=\"%2\" fill=\"%3\" xml:space=\"preserve\">%4</text>\n")
                         .arg(Number(CurrentX()), Number(baseline), ColourName(ForeColor()), content)
                         .toUtf8());
    blank_ = false;
}

SvgSurface::Fonts& SvgSurface::fonts()
{
    if (!fonts_)
        fonts_ = std::make_unique<Fonts>();
    return *fonts_;
}

} // namespace cellaro
