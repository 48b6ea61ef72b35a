// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/recording_surface.h"

namespace cellaro {

void RecordingSurface::Cls() { ops_.append(DrawOp { .kind = DrawOp::Cls }); }

void RecordingSurface::LineBox(float x1, float y1, float x2, float y2, Colour outline)
{
    ops_.append(DrawOp { .kind = DrawOp::Box, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .colour = outline,
                  .fill = FormSurface::FillColor(), .fillStyle = FillStyle() });
}

void RecordingSurface::Print(const QString& text)
{
    ops_.append(DrawOp { .kind = DrawOp::Print, .x1 = CurrentX(), .y1 = CurrentY(), .colour = ForeColor(), .text = text });
}

void RecordingSurface::SetCurrentX(float x)
{
    FormSurface::SetCurrentX(x);
    ops_.append(DrawOp { .kind = DrawOp::SetCurrentX, .x1 = x });
}

void RecordingSurface::SetCurrentY(float y)
{
    FormSurface::SetCurrentY(y);
    ops_.append(DrawOp { .kind = DrawOp::SetCurrentY, .y1 = y });
}

void RecordingSurface::SetForeColor(Colour colour)
{
    FormSurface::SetForeColor(colour);
    ops_.append(DrawOp { .kind = DrawOp::SetForeColor, .colour = colour });
}

void RecordingSurface::SetFillColor(Colour colour)
{
    FormSurface::SetFillColor(colour);
    ops_.append(DrawOp { .kind = DrawOp::SetFillColor, .colour = colour });
}

void RecordingSurface::SetFillStyle(BoxFill style)
{
    FormSurface::SetFillStyle(style);
    ops_.append(DrawOp { .kind = DrawOp::SetFillStyle, .fillStyle = style });
}

Colour RecordingSurface::FillColor() const
{
    const Colour colour = FormSurface::FillColor();
    ops_.append(DrawOp { .kind = DrawOp::ReadFillColor, .colour = colour });
    return colour;
}

QList<DrawOp> RecordingSurface::opsOfKind(DrawOp::Kind kind) const
{
    QList<DrawOp> matching;
    for (const DrawOp& op : ops_)
        if (op.kind == kind)
            matching.append(op);
    return matching;
}

} // namespace cellaro
