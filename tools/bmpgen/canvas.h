// A drawing surface of the 16 standard colours and the few primitives the module's bitmaps
// need. Monochrome bitmaps use black and white only.
// Coordinates are integer pixels, x to the right and y downwards as on screen;
// a point names the pixel whose centre it is. All rasterisation is integer
// arithmetic, so a description always gives the same bits on every machine.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace bmpgen {

struct Point {
    int x;
    int y;
};

// The 16-colour palette every Windows display driver has, by index.
enum Colour : std::uint8_t {
    kBlack = 0, kMaroon, kGreen, kOlive, kNavy, kPurple, kTeal, kSilver,
    kGrey, kRed, kLime, kYellow, kBlue, kFuchsia, kAqua, kWhite,
};
// 0x00RRGGBB of each index.
extern const std::uint32_t kPalette16[16];

class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsBlack(int x, int y) const { return ColourAt(x, y) == kBlack; }
    // White outside the canvas.
    Colour ColourAt(int x, int y) const;

    void SetInk(Colour ink) { ink_ = ink; }
    // Whether the picture needs the 16-colour palette: set by the description, so a bitmap
    // that happens to use black and white only keeps the depth it was declared with.
    void SetColours16(bool on) { colours16_ = on; }
    bool Colours16() const { return colours16_; }

    // The pixel a bitmap is placed by (drawn red over everything else), if the picture has one.
    void SetAnchor(Point p) { anchor_ = p; }
    const std::optional<Point>& Anchor() const { return anchor_; }
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
    Colour ink_ = kBlack;
    bool colours16_ = false;
    std::optional<Point> anchor_;
    std::vector<std::uint8_t> pixels_;
};

// A Windows bitmap file: BITMAPFILEHEADER, BITMAPINFOHEADER (bottom-up,
// uncompressed), rows padded to four bytes. A monochrome canvas gives 1 bit per
// pixel with palette index 0 black and 1 white (what a monochrome LoadBitmap gives
// back as black strokes on white); a 16-colour canvas gives 4 bits per pixel with
// the standard palette. That is what windres takes for a BITMAP resource.
std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas);

}  // namespace bmpgen
