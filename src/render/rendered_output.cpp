// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/rendered_output.h"

#include "paint/grid_painter.h"
#include "render/op_dump.h"
#include "render/picture_words.h"
#include "render/png_writer.h"
#include "render/svg_surface.h"
#include "surface/image_surface.h"
#include "surface/product.h"
#include "surface/recording_surface.h"
#include "surface/twips.h"
#include "surface/window_defaults.h"

namespace cellaro {

namespace {

ShowOutcome Replay(Session& session, FormSurface& picture)
{
    ReplayShows(session, picture);
    return ShowOutcome { PainterDrawsCells(session.form.entries), session.form.entries.EntryCount };
}

RenderedOutput RenderSvg(Session& session)
{
    SvgSurface surface(kPictureTwips, kPictureTwips, kWindowBackground, PictureSummary(session), CellTitles(session));
    RenderedOutput output;
    output.show = Replay(session, surface);
    output.bytes = surface.Finish();
    return output;
}

} // namespace

RenderedImage RenderImage(Session& session, double scale)
{
    const int pixels = TwipsToPixels(kPictureTwips);
    ImageSurface surface(pixels, pixels, kWindowBackground, scale);
    RenderedImage rendered;
    rendered.show = Replay(session, surface);
    rendered.image = surface.TakePixels();
    return rendered;
}

RenderedOutput RenderPicture(Session& session, PictureFormat format)
{
    if (format == PictureFormat::Svg)
        return RenderSvg(session);
    const PngTexts texts { { "Software", ProductVersionLine() }, { "Description", PictureSummary(session) } };
    const RenderedImage rendered = RenderImage(session);
    return RenderedOutput { rendered.show, EncodePng(rendered.image, PaletteUse::WhenFewColours, texts) };
}

RenderedOutput RenderDump(Session& session)
{
    RecordingSurface surface;
    RenderedOutput output { Replay(session, surface), {} };
    QStringList lines = DumpEntryTable(session.form.entries);
    lines += DumpOps(surface.ops());
    output.bytes = (lines.join(u'\n') + u'\n').toUtf8();
    return output;
}

} // namespace cellaro
