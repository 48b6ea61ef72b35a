#include "render/rendered_output.h"

#include "render/op_dump.h"
#include "render/png_writer.h"
#include "render/svg_surface.h"
#include "surface/image_surface.h"
#include "surface/recording_surface.h"
#include "surface/twips.h"
#include "surface/window_defaults.h"

#include <QBuffer>

namespace cellaro {

namespace {

ShowOutcome Replay(const SessionInputs& inputs, FormState& form, FormSurface& picture)
{
    ShowOutcome outcome;
    outcome.error = ReplayShows(form, inputs, picture);
    outcome.drewGrid = !outcome.error && DrawsGrid(form.entries);
    outcome.entryCount = outcome.error ? 0 : form.entries.EntryCount;
    return outcome;
}

RenderedOutput RenderSvg(const SessionInputs& inputs)
{
    RenderedOutput output;
    QBuffer buffer(&output.bytes);
    buffer.open(QIODevice::WriteOnly);
    SvgSurface surface(&buffer, kPictureTwipsSize, WindowBackground(), WindowFont());
    FormState form = StartUpFormState();
    output.show = Replay(inputs, form, surface);
    surface.finish();
    if (output.show.error)
        output.bytes.clear();
    return output;
}

} // namespace

RenderedImage RenderImage(const SessionInputs& inputs)
{
    const QSize pixels(TwipsToPixels(kPictureTwips), TwipsToPixels(kPictureTwips));
    ImageSurface surface(pixels, WindowBackground(), WindowFont());
    RenderedImage rendered;
    FormState form = StartUpFormState();
    rendered.show = Replay(inputs, form, surface);
    rendered.image = surface.image();
    return rendered;
}

RenderedOutput RenderPicture(const SessionInputs& inputs, PictureFormat format)
{
    if (format == PictureFormat::Svg)
        return RenderSvg(inputs);
    const RenderedImage rendered = RenderImage(inputs);
    RenderedOutput output { rendered.show, {} };
    if (!output.show.error)
        output.bytes = EncodePng(rendered.image);
    return output;
}

RenderedOutput RenderDump(const SessionInputs& inputs)
{
    RecordingSurface surface;
    FormState form = StartUpFormState();
    RenderedOutput output { Replay(inputs, form, surface), {} };
    if (output.show.error)
        return output;
    QStringList lines = DumpEntryTable(form.entries);
    lines += DumpOps(surface.ops());
    output.bytes = (lines.join(u'\n') + u'\n').toUtf8();
    return output;
}

} // namespace cellaro
