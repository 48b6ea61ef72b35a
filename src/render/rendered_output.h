#pragma once
// The final Show of a session, drawn on the surface of each output kind and
// turned into the bytes of the output: PNG, SVG or the text dump.

#include "render/render_options.h"
#include "render/render_session.h"

#include <QByteArray>
#include <QImage>

namespace cellaro {

struct ShowOutcome {
    bool drewGrid = false; // false: the picture is the empty surface
    int entryCount = 0;    // entries the final Show accepted
};

struct RenderedImage {
    ShowOutcome show;
    QImage image;
};

struct RenderedOutput {
    ShowOutcome show;
    QByteArray bytes;
};

// The window's drawing area after the Shows, at one pixel per 15 twips, in
// the window's background colour and font.
RenderedImage RenderImage(Session& session);

RenderedOutput RenderPicture(Session& session, PictureFormat format);

// The entry table after the Shows, then every operation of the final Show.
RenderedOutput RenderDump(Session& session);

} // namespace cellaro
