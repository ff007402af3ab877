#include "canvas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace bmpgen {
namespace {

// Vectors from an ellipse centre in doubled coordinates (pixel centres are odd
// numbers then, box edges even) with y pointing up, so that counter-clockwise
// on screen is the mathematical positive sense.
struct Vec {
    std::int64_t x;
    std::int64_t y;
};

std::int64_t Cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
std::int64_t Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }

// 0 for directions less than half a turn counter-clockwise from ref, else 1.
int HalfTurn(Vec ref, Vec v) {
    const std::int64_t c = Cross(ref, v);
    return c > 0 || (c == 0 && Dot(ref, v) > 0) ? 0 : 1;
}

// Whether a lies strictly less far counter-clockwise from ref than b does.
bool CcwBefore(Vec ref, Vec a, Vec b) {
    const int ha = HalfTurn(ref, a);
    const int hb = HalfTurn(ref, b);
    return ha != hb ? ha < hb : Cross(a, b) > 0;
}

void WriteU16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void WriteU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    WriteU16(out, v & 0xffff);
    WriteU16(out, v >> 16);
}

}  // namespace

struct Canvas::Box {
    Box(Point a, Point b)
        : x0(std::min(a.x, b.x)), y0(std::min(a.y, b.y)), x1(std::max(a.x, b.x)), y1(std::max(a.y, b.y)),
          cx2(std::int64_t{x0} + x1 + 1), cy2(std::int64_t{y0} + y1 + 1), w(x1 - x0 + 1), h(y1 - y0 + 1) {}

    // Pixel centre inside or on the ellipse that touches the box's outer edges.
    bool Inside(int x, int y) const {
        const std::int64_t dx = 2 * std::int64_t{x} + 1 - cx2;
        const std::int64_t dy = 2 * std::int64_t{y} + 1 - cy2;
        return dx * dx * h * h + dy * dy * w * w <= w * w * h * h;
    }

    Vec From(Point p) const { return {2 * std::int64_t{p.x} + 1 - cx2, cy2 - 2 * std::int64_t{p.y} - 1}; }

    int x0, y0, x1, y1;
    std::int64_t cx2, cy2, w, h;
};

const std::uint32_t kPalette16[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, kWhite) {}

Colour Canvas::ColourAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kWhite;
    return static_cast<Colour>(pixels_[static_cast<std::size_t>(y) * width_ + x]);
}

void Canvas::Plot(int x, int y) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[static_cast<std::size_t>(y) * width_ + x] = ink_;
}

void Canvas::Line(Point a, Point b, int width) {
    // Always walk from the left (then upper) end, so a line and its reverse
    // give the same pixels.
    if (b.x < a.x || (b.x == a.x && b.y < a.y)) std::swap(a, b);
    const int dx = std::abs(b.x - a.x);
    const int dy = -std::abs(b.y - a.y);
    const int sy = a.y < b.y ? 1 : -1;
    const bool acrossIsVertical = dx >= -dy;
    int err = dx + dy;
    for (Point p = a;;) {
        for (int k = -(width - 1) / 2; k <= width / 2; ++k) {
            if (acrossIsVertical)
                Plot(p.x, p.y + k);
            else
                Plot(p.x + k, p.y);
        }
        if (p.x == b.x && p.y == b.y) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            ++p.x;
        }
        if (e2 <= dx) {
            err += dx;
            p.y += sy;
        }
    }
}

void Canvas::FillRect(Point a, Point b) {
    for (int y = std::min(a.y, b.y); y <= std::max(a.y, b.y); ++y)
        for (int x = std::min(a.x, b.x); x <= std::max(a.x, b.x); ++x) Plot(x, y);
}

// The inside pixels with a 4-neighbour outside: a thin, 8-connected ring.
std::vector<Point> Canvas::Outline(const Box& box) const {
    std::vector<Point> ring;
    for (int y = box.y0; y <= box.y1; ++y)
        for (int x = box.x0; x <= box.x1; ++x)
            if (box.Inside(x, y) &&
                !(box.Inside(x - 1, y) && box.Inside(x + 1, y) && box.Inside(x, y - 1) && box.Inside(x, y + 1)))
                ring.push_back({x, y});
    return ring;
}

void Canvas::Ellipse(Point a, Point b) {
    for (Point p : Outline(Box(a, b))) Plot(p.x, p.y);
}

void Canvas::FillEllipse(Point a, Point b) {
    const Box box(a, b);
    for (int y = box.y0; y <= box.y1; ++y)
        for (int x = box.x0; x <= box.x1; ++x)
            if (box.Inside(x, y)) Plot(x, y);
}

void Canvas::Arc(Point a, Point b, Point from, Point to) {
    const Box box(a, b);
    Vec start = box.From(from);
    if (start.x == 0 && start.y == 0) start = {1, 0};
    const Vec end = box.From(to);
    const bool whole = Cross(start, end) == 0 && Dot(start, end) > 0;
    for (Point p : Outline(box))
        if (whole || !CcwBefore(start, end, box.From(p))) Plot(p.x, p.y);
}

void Canvas::DottedEllipse(Point a, Point b, int on, int off) {
    const Box box(a, b);
    std::vector<Point> ring = Outline(box);
    const Vec threeOClock{1, 0};
    std::sort(ring.begin(), ring.end(), [&](Point p, Point q) {
        const Vec u = box.From(p);
        const Vec v = box.From(q);
        if (CcwBefore(threeOClock, u, v)) return true;
        if (CcwBefore(threeOClock, v, u)) return false;
        return Dot(u, u) != Dot(v, v) ? Dot(u, u) < Dot(v, v) : (p.y != q.y ? p.y < q.y : p.x < q.x);
    });
    for (std::size_t i = 0; i < ring.size(); ++i)
        if (static_cast<int>(i % static_cast<std::size_t>(on + off)) < on) Plot(ring[i].x, ring[i].y);
}

void Canvas::FillPolygon(const std::vector<Point>& v) {
    if (v.empty()) return;
    int x0 = v[0].x, x1 = v[0].x, y0 = v[0].y, y1 = v[0].y;
    for (Point p : v) {
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            bool in = false;
            for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
                const Point p = v[i];
                const Point q = v[j];
                if ((p.y > y) == (q.y > y)) continue;
                // Is the centre left of where the edge crosses its row?
                const std::int64_t lhs = std::int64_t{x - p.x} * (q.y - p.y);
                const std::int64_t rhs = std::int64_t{y - p.y} * (q.x - p.x);
                if (q.y > p.y ? lhs < rhs : lhs > rhs) in = !in;
            }
            if (in) Plot(x, y);
        }
    }
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) Line(v[j], v[i]);
}

std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas) {
    const std::uint32_t bits = canvas.Colours16() ? 4 : 1;
    const std::uint32_t colours = 1u << bits;
    const std::uint32_t stride = (static_cast<std::uint32_t>(canvas.Width()) * bits + 31) / 32 * 4;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(canvas.Height());
    const std::uint32_t bitsOffset = 14 + 40 + colours * 4;

    std::vector<std::uint8_t> out;
    out.reserve(bitsOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    WriteU32(out, bitsOffset + imageSize);
    WriteU32(out, 0);  // reserved
    WriteU32(out, bitsOffset);

    WriteU32(out, 40);
    WriteU32(out, static_cast<std::uint32_t>(canvas.Width()));
    WriteU32(out, static_cast<std::uint32_t>(canvas.Height()));  // positive: bottom row first
    WriteU16(out, 1);                                             // planes
    WriteU16(out, bits);                                          // bits per pixel
    WriteU32(out, 0);                                             // BI_RGB
    WriteU32(out, imageSize);
    WriteU32(out, 2835);  // 72 dpi, in pixels per metre
    WriteU32(out, 2835);
    WriteU32(out, colours);  // palette entries
    WriteU32(out, 0);        // all of them matter

    if (bits == 1) {
        WriteU32(out, 0x00000000);  // index 0: black
        WriteU32(out, 0x00ffffff);  // index 1: white
    } else {
        for (std::uint32_t rgb : kPalette16) WriteU32(out, rgb);  // RGBQUAD is blue, green, red, 0
    }

    for (int y = canvas.Height() - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < canvas.Width(); ++x) {
            const Colour c = canvas.ColourAt(x, y);
            if (bits == 1) {
                if (c != kBlack) row[static_cast<std::size_t>(x) / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            } else {
                row[static_cast<std::size_t>(x) / 2] |= static_cast<std::uint8_t>(x % 2 ? c : c << 4);
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace bmpgen
