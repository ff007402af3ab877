#include "canvas.h"
#include "description.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using bmpgen::Canvas;

namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
unsigned U16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | b[at + 1] << 8; }

Canvas MustDraw(const std::string& description) {
    bmpgen::DrawError error;
    std::optional<Canvas> c = bmpgen::Draw(description, error);
    if (!c) ADD_FAILURE() << "line " << error.line << ": " << error.message << "\n" << description;
    return c ? *c : Canvas(1, 1);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Canvas Bitmap(const std::string& name) {
    const std::string text = ReadFile(std::string(TQ_BITMAP_DIR) + "/" + name + ".bmpdesc");
    EXPECT_FALSE(text.empty()) << name << ".bmpdesc missing";
    return MustDraw(text);
}

std::string Picture(const Canvas& c) {
    std::string s;
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) s += c.IsBlack(x, y) ? '#' : '.';
        s += '\n';
    }
    return s;
}

int BlackCount(const Canvas& c) {
    int n = 0;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) n += c.IsBlack(x, y);
    return n;
}

TEST(Bmpgen, FileIsAOneBitBottomUpBitmapWithBlackAndWhitePalette) {
    const std::vector<std::uint8_t> bmp = bmpgen::EncodeBmp(MustDraw("size 20 3\npixel 0 0\npixel 19 2\n"));
    ASSERT_EQ(bmp.size(), 62u + 3 * 4);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(U32(bmp, 2), bmp.size());
    EXPECT_EQ(U32(bmp, 10), 62u);  // bits follow header and two palette entries
    EXPECT_EQ(U32(bmp, 14), 40u);  // BITMAPINFOHEADER
    EXPECT_EQ(U32(bmp, 18), 20u);
    EXPECT_EQ(U32(bmp, 22), 3u);  // positive height: bottom-up
    EXPECT_EQ(U16(bmp, 26), 1u);
    EXPECT_EQ(U16(bmp, 28), 1u);
    EXPECT_EQ(U32(bmp, 30), 0u);  // BI_RGB
    EXPECT_EQ(U32(bmp, 34), 12u);
    EXPECT_EQ(U32(bmp, 46), 2u);
    const std::vector<std::uint8_t> palette(bmp.begin() + 54, bmp.begin() + 62);
    EXPECT_EQ(palette, (std::vector<std::uint8_t>{0, 0, 0, 0, 0xff, 0xff, 0xff, 0}));

    // File row 0 is picture row 2 (black at x 19); row 2 is picture row 0 (black at x 0).
    const std::vector<std::uint8_t> bits(bmp.begin() + 62, bmp.end());
    EXPECT_EQ(bits, (std::vector<std::uint8_t>{0xff, 0xff, 0xe0, 0x00,  //
                                               0xff, 0xff, 0xf0, 0x00,  //
                                               0x7f, 0xff, 0xf0, 0x00}));

    // Rows are padded to whole 32-bit words.
    for (auto [width, stride] : {std::pair{1, 4}, {32, 4}, {33, 8}, {36, 8}}) {
        const auto b = bmpgen::EncodeBmp(Canvas(width, 2));
        EXPECT_EQ(U32(b, 34), static_cast<std::uint32_t>(2 * stride)) << "width " << width;
        EXPECT_EQ(b.size(), 62u + 2 * stride) << "width " << width;
    }
}

TEST(Bmpgen, PrimitivesCoverExactlyTheirPixels) {
    // A line and its reverse are the same pixels; width grows across the line.
    EXPECT_EQ(Picture(MustDraw("size 12 8\nline 0 1 11 6")), Picture(MustDraw("size 12 8\nline 11 6 0 1")));
    const Canvas thick = MustDraw("size 10 10\nline 0 5 9 5 3");
    EXPECT_EQ(BlackCount(thick), 30);
    EXPECT_TRUE(thick.IsBlack(0, 4) && thick.IsBlack(9, 6));

    // An ellipse touches all four sides of its box and stays inside it.
    const Canvas e = MustDraw("size 16 12\nellipse 2 3 12 7");
    for (auto [x, y] : {std::pair{2, 5}, {12, 5}, {7, 3}, {7, 7}}) EXPECT_TRUE(e.IsBlack(x, y)) << x << "," << y;
    EXPECT_FALSE(e.IsBlack(7, 5));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_FALSE((x < 2 || x > 12 || y < 3 || y > 7) && e.IsBlack(x, y)) << x << "," << y;

    // An arc from three o'clock counter-clockwise to nine o'clock is the upper half.
    const Canvas arc = MustDraw("size 11 11\narc 0 0 10 10 10 5 0 5");
    const Canvas full = MustDraw("size 11 11\nellipse 0 0 10 10");
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x) EXPECT_EQ(arc.IsBlack(x, y), y <= 5 && full.IsBlack(x, y)) << x << "," << y;

    // A dotted outline is every other pixel of the solid one.
    const Canvas dots = MustDraw("size 11 11\ndotellipse 0 0 10 10 1 1");
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x) EXPECT_TRUE(!dots.IsBlack(x, y) || full.IsBlack(x, y)) << x << "," << y;
    EXPECT_EQ(BlackCount(dots), (BlackCount(full) + 1) / 2);

    // A filled polygon holds its inside and its vertices; white ink erases.
    const Canvas tri = MustDraw("size 10 10\npolygon 1 1 8 1 1 8\nink white\npixel 2 2");
    EXPECT_TRUE(tri.IsBlack(1, 1) && tri.IsBlack(8, 1) && tri.IsBlack(1, 8) && tri.IsBlack(3, 3));
    EXPECT_FALSE(tri.IsBlack(2, 2));
    EXPECT_FALSE(tri.IsBlack(6, 6));
}

TEST(Bmpgen, MistakesAreReportedWithTheirLine) {
    const struct {
        const char* text;
        int line;
    } cases[] = {
        {"line 0 0 1 1", 1},                     // before size
        {"size 4 4\n\n# note\nlne 0 0 1 1", 4},  // unknown command, after blank and comment lines
        {"size 4 4\nline 0 0 1", 2},             // too few numbers
        {"size 4 4\ncircle 1 1 x", 2},
        {"size 4 4\nsize 4 4", 2},
        {"size 4 4\ndotellipse 0 0 3 3 0 1", 2},
        {"# empty", 0},
    };
    for (const auto& c : cases) {
        bmpgen::DrawError error;
        EXPECT_FALSE(bmpgen::Draw(c.text, error)) << c.text;
        EXPECT_EQ(error.line, c.line) << c.text << " -> " << error.message;
        EXPECT_FALSE(error.message.empty());
    }
}

TEST(Bmpgen, ToolWritesTheBitmapOnlyForAValidDescription) {
    const std::string dir = testing::TempDir();
    const std::string good = dir + "bmpgen_good.bmpdesc", bad = dir + "bmpgen_bad.bmpdesc";
    const std::string out = dir + "bmpgen_out.bmp";
    std::ofstream(good) << "size 9 5\nrect 0 0 8 4\n";
    std::ofstream(bad) << "size 9 5\nrect 0 0 8\n";
    std::remove(out.c_str());

    const std::string tool = TQ_BMPGEN;
    EXPECT_NE(std::system((tool + " " + bad + " " + out + " 2>/dev/null").c_str()), 0);
    EXPECT_TRUE(ReadFile(out).empty()) << "a failed run left an output file";

    ASSERT_EQ(std::system((tool + " " + good + " " + out).c_str()), 0);
    const std::vector<std::uint8_t> want = bmpgen::EncodeBmp(MustDraw(ReadFile(good)));
    const std::string got = ReadFile(out);
    EXPECT_EQ(std::vector<std::uint8_t>(got.begin(), got.end()), want);
}

TEST(Bmpgen, ModuleBitmapsHaveTheirSizesAndShapes) {
    for (const char* name : {"ZX", "PM", "Y", "YZ", "XLK", "MLK", "PX", "CZ", "QX", "TZ", "DC", "WZ", "DTD", "QTD"}) {
        const Canvas c = Bitmap(name);
        EXPECT_EQ(c.Width(), 20) << name;
        EXPECT_EQ(c.Height(), 20) << name;
        EXPECT_GT(BlackCount(c), 10) << name;
    }
    for (const char* name : {"S1", "S2", "S3"}) {
        const Canvas c = Bitmap(name);
        EXPECT_TRUE(c.Width() == 24 && c.Height() == 32) << name;
    }
    for (const char* name : {"S4", "S5"}) {
        const Canvas c = Bitmap(name);
        EXPECT_TRUE(c.Width() == 36 && c.Height() == 34) << name;
    }

    // Straightness: one full-width row, nothing else.
    const Canvas zx = Bitmap("ZX");
    int fullRows = 0;
    for (int y = 0; y < 20; ++y) {
        int black = 0;
        for (int x = 0; x < 20; ++x) black += zx.IsBlack(x, y);
        EXPECT_TRUE(black == 0 || black == 20) << "row " << y << "\n" << Picture(zx);
        fullRows += black == 20;
    }
    EXPECT_EQ(fullRows, 1);

    // Roundness: a circle symmetric about both middle lines, black at its four
    // extreme points and white in the middle.
    const Canvas y = Bitmap("Y");
    for (int row = 0; row < 20; ++row)
        for (int x = 0; x < 20; ++x) {
            EXPECT_EQ(y.IsBlack(x, row), y.IsBlack(19 - x, row)) << x << "," << row;
            EXPECT_EQ(y.IsBlack(x, row), y.IsBlack(x, 19 - row)) << x << "," << row;
        }
    int left = 0, top = 0;
    while (left < 10 && !y.IsBlack(left, 9)) ++left;
    while (top < 10 && !y.IsBlack(9, top)) ++top;
    EXPECT_LT(left, 9) << Picture(y);
    EXPECT_EQ(left, top) << "not round\n" << Picture(y);
    for (int x = left + 2; x <= 17 - left; ++x) EXPECT_FALSE(y.IsBlack(x, 9)) << "inside the circle at " << x;
    EXPECT_FALSE(y.IsBlack(9, 9));
    EXPECT_FALSE(y.IsBlack(10, 10));

    // The knee-circle pair differs only inside the circle's box, where the
    // dotted one has fewer black pixels.
    const Canvas s4 = Bitmap("S4"), s5 = Bitmap("S5");
    EXPECT_LT(BlackCount(s5), BlackCount(s4));
    int differing = 0;
    for (int row = 0; row < 34; ++row)
        for (int x = 0; x < 36; ++x)
            if (s4.IsBlack(x, row) != s5.IsBlack(x, row)) {
                ++differing;
                EXPECT_TRUE(s4.IsBlack(x, row)) << x << "," << row;  // dots lie on the solid circle
            }
    EXPECT_GT(differing, 5);
}

}  // namespace
