#pragma once
// How much of each pixel a filled path covers, found the way an antialiased
// fill finds it (non-zero winding, curves flattened to lines, vertices on
// a 1/64-pixel grid, the exact area of each pixel inside the lines), but
// without a painter: the signed area each line adds to the pixels it
// crosses goes into cells, and a running sum along each row turns them
// into coverage. A text's glyphs cost a tenth of a painter's fill this way.

#include <QImage>
#include <QPainterPath>
#include <QRect>

#include <vector>

namespace cellaro {

// The cells of the pixels of `area` (picture coordinates), each holding
// what the lines added so far add to the share of its pixel inside them,
// less what they add to the pixel on its left.
class CoverageCells {
public:
    explicit CoverageCells(QRect area);

    QRect area() const { return area_; }

    // Adds the lines of `path` moved by `by`; the subpaths are closed.
    void addPath(const QPainterPath& path, QPointF by);

    // Adds what `other` holds, moved by whole pixels.
    void add(const CoverageCells& other, QPoint by);

    // Alpha8, the size of the area: 255 for a pixel wholly inside, 0
    // outside, the covered area times 256 between, rounded up as the
    // painter's rasteriser rounds these outlines.
    QImage coverage() const;

    void line(QPointF a, QPointF b);

private:
    void span(int row, double from, double to, float height);

    QRect area_;
    int stride_;
    std::vector<float> cells_;
};

// The coverage of `path` over the pixels of `area`.
QImage PathCoverage(const QPainterPath& path, QRect area);

} // namespace cellaro
