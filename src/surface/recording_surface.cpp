#include "surface/recording_surface.h"

namespace cellaro {

namespace {

DrawOp Op(DrawOp::Kind kind, Colour colour = 0)
{
    DrawOp op;
    op.kind = kind;
    op.colour = colour;
    return op;
}

} // namespace

void RecordingSurface::Cls() { ops_.append(Op(DrawOp::Cls)); }

void RecordingSurface::LineBox(float x1, float y1, float x2, float y2, Colour outline)
{
    DrawOp op = Op(DrawOp::Box, outline);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.fill = FormSurface::FillColor();
    op.fillStyle = FillStyle();
    ops_.append(op);
}

void RecordingSurface::Print(const QString& text)
{
    DrawOp op = Op(DrawOp::Print, ForeColor());
    op.x1 = CurrentX();
    op.y1 = CurrentY();
    op.text = text;
    ops_.append(op);
}

void RecordingSurface::SetCurrentX(float x)
{
    FormSurface::SetCurrentX(x);
    DrawOp op = Op(DrawOp::SetCurrentX);
    op.x1 = x;
    ops_.append(op);
}

void RecordingSurface::SetCurrentY(float y)
{
    FormSurface::SetCurrentY(y);
    DrawOp op = Op(DrawOp::SetCurrentY);
    op.y1 = y;
    ops_.append(op);
}

void RecordingSurface::SetForeColor(Colour colour)
{
    FormSurface::SetForeColor(colour);
    ops_.append(Op(DrawOp::SetForeColor, colour));
}

void RecordingSurface::SetFillColor(Colour colour)
{
    FormSurface::SetFillColor(colour);
    ops_.append(Op(DrawOp::SetFillColor, colour));
}

void RecordingSurface::SetFillStyle(BoxFill style)
{
    FormSurface::SetFillStyle(style);
    DrawOp op = Op(DrawOp::SetFillStyle);
    op.fillStyle = style;
    ops_.append(op);
}

Colour RecordingSurface::FillColor() const
{
    const Colour colour = FormSurface::FillColor();
    ops_.append(Op(DrawOp::ReadFillColor, colour));
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
