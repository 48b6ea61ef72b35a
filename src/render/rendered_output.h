// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The final Show of a session, drawn on the surface of each output kind and
// turned into the bytes of the output: PNG, SVG or the text dump.

#include "render/render_options.h"
#include "render/render_session.h"

#include "surface/pixel_buffer.h"

#include <QByteArray>

namespace cellaro {

struct ShowOutcome {
    bool drewGrid = false; // false: the picture is the empty surface
    int entryCount = 0;    // entries the final Show accepted
};

struct RenderedImage {
    ShowOutcome show;
    PixelBuffer image;
};

struct RenderedOutput {
    ShowOutcome show;
    QByteArray bytes;
};

// The window's drawing area after the Shows, at `scale` pixels per 15 twips
// across and down, on the window's background.
RenderedImage RenderImage(Session& session, double scale = 1.0);

RenderedOutput RenderPicture(Session& session, PictureFormat format);

// The entry table after the Shows, then every operation of the final Show.
RenderedOutput RenderDump(Session& session);

} // namespace cellaro
