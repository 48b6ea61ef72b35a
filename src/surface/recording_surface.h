// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A surface that draws nothing and records every operation in order, with
// its twips, colours and texts, so tests can assert exactly what was drawn.

#include "surface/form_surface.h"

#include <QList>

namespace cellaro {

struct DrawOp {
    enum Kind {
        Cls,
        Box,
        Print,
        SetCurrentX,
        SetCurrentY,
        SetForeColor,
        SetFillColor,
        ReadFillColor,
        SetFillStyle,
    };
    Kind kind = Cls;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Box corners; Print position in x1, y1
    Colour colour = 0;                   // outline, text colour or the colour set/read
    Colour fill = 0;                     // Box: FillColor at the time of drawing
    BoxFill fillStyle = BoxFill::Solid;  // Box: FillStyle at the time of drawing
    QString text {};                     // Print
};

class RecordingSurface : public FormSurface {
public:
    void Cls() override;
    void LineBox(float x1, float y1, float x2, float y2, Colour outline) override;
    void Print(const QString& text) override;
    void SetCurrentX(float x) override;
    void SetCurrentY(float y) override;
    void SetForeColor(Colour colour) override;
    void SetFillColor(Colour colour) override;
    void SetFillStyle(BoxFill style) override;
    Colour FillColor() const override;

    const QList<DrawOp>& ops() const { return ops_; }
    QList<DrawOp> opsOfKind(DrawOp::Kind kind) const;
    QList<DrawOp> boxes() const { return opsOfKind(DrawOp::Box); }
    QList<DrawOp> texts() const { return opsOfKind(DrawOp::Print); }
    void clearLog() { ops_.clear(); }

private:
    mutable QList<DrawOp> ops_;
};

} // namespace cellaro
