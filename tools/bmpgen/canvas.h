// A one-bit drawing surface and the few primitives the module's bitmaps need.
// Coordinates are integer pixels, x to the right and y downwards as on screen;
// a point names the pixel whose centre it is. All rasterisation is integer
// arithmetic, so a description always gives the same bits on every machine.
#pragma once

#include <cstdint>
#include <vector>

namespace bmpgen {

struct Point {
    int x;
    int y;
};

class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsBlack(int x, int y) const;

    void SetInk(bool black) { ink_ = black; }
    // Pixels outside the canvas are ignored, so shapes may run past the edge.
    void Plot(int x, int y);

    // Both end pixels included. A wider line grows across its main direction:
    // a mostly horizontal line by whole columns of `width` pixels.
    void Line(Point a, Point b, int width = 1);
    void FillRect(Point a, Point b);

    // Ellipses are given by the box of pixels they cover, corners included,
    // so an even box size gives a shape centred between two pixels.
    void Ellipse(Point a, Point b);
    void FillEllipse(Point a, Point b);
    // The outline from the ray through `from` counter-clockwise (as seen on
    // screen) to the ray through `to`; the same ray twice gives the whole outline.
    void Arc(Point a, Point b, Point from, Point to);
    // The outline as runs of `on` pixels and gaps of `off` pixels, counted
    // counter-clockwise from the pixel nearest three o'clock.
    void DottedEllipse(Point a, Point b, int on, int off);

    // Filled by the even-odd rule on pixel centres, its edges drawn as lines.
    void FillPolygon(const std::vector<Point>& vertices);

private:
    struct Box;
    std::vector<Point> Outline(const Box& box) const;

    int width_;
    int height_;
    bool ink_ = true;
    std::vector<std::uint8_t> black_;
};

// A Windows bitmap file: BITMAPFILEHEADER, BITMAPINFOHEADER (bottom-up, 1 bit
// per pixel, uncompressed), palette index 0 black and 1 white, rows padded to
// four bytes. That is what windres takes for a BITMAP resource and what a
// monochrome LoadBitmap gives back as black strokes on white.
std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas);

}  // namespace bmpgen
