#include "surface/path_coverage.h"

#include <algorithm>
#include <cmath>

namespace cellaro {

namespace {

// Rounding without the maths library's calls, which cost more than the
// rest of a line's work.
int Floor(double v)
{
    const int i = int(v);
    return i - (v < i ? 1 : 0);
}

int Ceil(double v)
{
    const int i = int(v);
    return i + (v > i ? 1 : 0);
}

// The 1/64-pixel grid the painter's rasteriser takes vertices on, halves
// rounded up.
double OnGrid(double v) { return Floor(v * 64 + 0.5) / 64.0; }
QPointF OnGrid(QPointF p) { return QPointF(OnGrid(p.x()), OnGrid(p.y())); }

struct Cubic {
    QPointF p1, p2, p3, p4;
};

// Room for curves not yet drawn, left uninitialised: a glyph has dozens
// of curves, and zeroing the stack for each cost more than halving them.
union CurveStack {
    CurveStack() {}
    Cubic curves[10];
};

// The painter's flattening: halve a curve until its control points lie
// within a quarter pixel (relative to its length) of the chord, at most
// nine times.
void Flatten(const Cubic& curve, QPointF& from, CoverageCells& cells)
{
    constexpr double kThreshold = 0.25;
    CurveStack room;
    Cubic* stack = room.curves;
    int levels[10];
    stack[0] = curve;
    levels[0] = 9;
    int top = 0;
    while (top >= 0) {
        Cubic& c = stack[top];
        const double dx = c.p4.x() - c.p1.x(), dy = c.p4.y() - c.p1.y();
        double length = std::abs(dx) + std::abs(dy);
        double deviation;
        if (length > 1) {
            deviation = std::abs(dx * (c.p1.y() - c.p2.y()) - dy * (c.p1.x() - c.p2.x()))
                + std::abs(dx * (c.p1.y() - c.p3.y()) - dy * (c.p1.x() - c.p3.x()));
        } else {
            deviation = std::abs(c.p1.x() - c.p2.x()) + std::abs(c.p1.y() - c.p2.y())
                + std::abs(c.p1.x() - c.p3.x()) + std::abs(c.p1.y() - c.p3.y());
            length = 1;
        }
        if (deviation < kThreshold * length || levels[top] == 0) {
            const QPointF to = OnGrid(c.p4);
            cells.line(from, to);
            from = to;
            --top;
            continue;
        }
        // The first half goes on top, the second stays below it.
        const QPointF a = (c.p1 + c.p2) / 2, b = (c.p2 + c.p3) / 2, d = (c.p3 + c.p4) / 2;
        const QPointF ab = (a + b) / 2, bd = (b + d) / 2, middle = (ab + bd) / 2;
        const Cubic second { middle, bd, d, c.p4 };
        const Cubic first { c.p1, a, ab, middle };
        const int level = levels[top] - 1;
        stack[top] = second;
        levels[top] = level;
        stack[top + 1] = first;
        levels[top + 1] = level;
        ++top;
    }
}

} // namespace

CoverageCells::CoverageCells(QRect area)
    : area_(area)
    , stride_(area.width() + 2)
    , cells_(std::size_t(stride_) * std::size_t(std::max(area.height(), 0)), 0.0f)
{
}

void CoverageCells::addPath(const QPainterPath& path, QPointF by)
{
    QPointF start;   // of the current subpath, on the grid
    QPointF current; // on the grid
    QPointF exact;   // the current point as the path has it, for curves
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QPointF point = QPointF(e.x, e.y) + by;
        switch (e.type) {
        case QPainterPath::MoveToElement:
            line(current, start); // close the subpath before
            start = current = OnGrid(point);
            exact = point;
            break;
        case QPainterPath::LineToElement:
            line(current, OnGrid(point));
            current = OnGrid(point);
            exact = point;
            break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            const QPointF endPoint = QPointF(end.x, end.y) + by;
            Flatten({ exact, point, QPointF(c2.x, c2.y) + by, endPoint }, current, *this);
            exact = endPoint;
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    line(current, start);
}

void CoverageCells::add(const CoverageCells& other, QPoint by)
{
    const QRect placed = other.area_.translated(by);
    const int first = std::max(placed.top(), area_.top());
    const int last = std::min(placed.bottom(), area_.bottom());
    const int columns = std::min(other.stride_, stride_ - (placed.left() - area_.left()));
    if (placed.left() < area_.left())
        return; // never asked for: the area is the union of the placed cells
    for (int y = first; y <= last; ++y) {
        const float* from = other.cells_.data() + std::size_t(y - placed.top()) * std::size_t(other.stride_);
        float* to = cells_.data() + std::size_t(y - area_.top()) * std::size_t(stride_)
            + std::size_t(placed.left() - area_.left());
        for (int x = 0; x < columns; ++x)
            to[x] += from[x];
    }
}

void CoverageCells::line(QPointF a, QPointF b)
{
    double x0 = a.x() - area_.left(), y0 = a.y() - area_.top();
    double x1 = b.x() - area_.left(), y1 = b.y() - area_.top();
    if (y0 == y1)
        return;
    float direction = 1;
    if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
        direction = -1;
    }
    const int firstRow = std::max(0, Floor(y0));
    const int endRow = std::min(area_.height(), Ceil(y1));
    if (endRow - firstRow == 1 && firstRow <= y0 && y1 <= endRow) { // within one row, as most are
        span(firstRow, x0, x1, float(y1 - y0) * direction);
        return;
    }
    const double dxdy = (x1 - x0) / (y1 - y0);
    double x = x0 + (firstRow > y0 ? (firstRow - y0) * dxdy : 0);
    for (int row = firstRow; row < endRow; ++row) {
        const double top = std::max(double(row), y0);
        const double bottom = std::min(double(row + 1), y1);
        const double next = x + dxdy * (bottom - top);
        span(row, x, next, float(bottom - top) * direction);
        x = next;
    }
}

// A piece of a line within one row: from `from` to `to` across, `height`
// down (signed). Each cell gets what the piece adds to the share of its
// pixel right of the line; the running sum along the row then gives that
// share for every pixel.
void CoverageCells::span(int row, double from, double to, float height)
{
    float* cells = cells_.data() + std::size_t(row) * std::size_t(stride_);
    const double left = std::clamp(std::min(from, to), 0.0, double(area_.width()));
    const double right = std::clamp(std::max(from, to), 0.0, double(area_.width()));
    const int first = int(left);
    const int last = Ceil(right);
    if (last <= first + 1) { // within one pixel: the area right of the line's middle
        const float middle = float((left + right) / 2 - first);
        cells[first] += height * (1 - middle);
        cells[first + 1] += height * middle;
        return;
    }
    const double scale = 1 / (right - left);
    const double firstPart = left - first;
    const double lastPart = right - (last - 1);
    const double firstArea = 0.5 * scale * (1 - firstPart) * (1 - firstPart); // inside the first pixel
    const double lastArea = 0.5 * scale * lastPart * lastPart;                  // inside the last pixel
    cells[first] += height * float(firstArea);
    double covered = firstArea;
    for (int x = first + 1; x < last - 1; ++x) { // the line passes wholly left of x + 1
        const double area = scale * (x + 0.5 - left) - covered;
        cells[x] += height * float(area);
        covered += area;
    }
    cells[last - 1] += height * float(1 - covered - lastArea);
    cells[last] += height * float(lastArea);
}

QImage CoverageCells::coverage() const
{
    QImage image(area_.size(), QImage::Format_Alpha8);
    for (int y = 0; y < area_.height(); ++y) {
        const float* cell = cells_.data() + std::size_t(y) * std::size_t(stride_);
        uchar* out = image.scanLine(y);
        float sum = 0;
        for (int x = 0; x < area_.width(); ++x) {
            sum += cell[x];
            out[x] = uchar(std::min(Ceil(std::abs(sum) * 256 - 0.01f), 255));
        }
    }
    return image;
}

QImage PathCoverage(const QPainterPath& path, QRect area)
{
    CoverageCells cells(area);
    cells.addPath(path, QPointF(0, 0));
    return cells.coverage();
}

} // namespace cellaro
