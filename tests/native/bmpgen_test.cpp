// The bitmap generator: the files it writes, its drawing language, and the module's own
// bitmap descriptions checked at telling pixels.
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
#include <tuple>
#include <vector>

using bmpgen::Canvas;

namespace {

// Little-endian field of `bytes` bytes.
std::uint32_t Field(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + i];
    return v;
}

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

Canvas Bitmap(const std::string& name) { return MustDraw(ReadFile(std::string(TQ_BITMAP_DIR) + "/" + name + ".bmpdesc")); }

// Rows of '#' (black) and '.', one line each.
std::string Picture(const Canvas& c) {
    std::string s;
    for (int y = 0; y < c.Height(); ++y, s += '\n')
        for (int x = 0; x < c.Width(); ++x) s += c.IsBlack(x, y) ? '#' : '.';
    return s;
}

int BlackCount(const Canvas& c) {
    const std::string p = Picture(c);
    return static_cast<int>(std::count(p.begin(), p.end(), '#'));
}

// Whether every black pixel of `part` is black in `whole` too.
bool Within(const Canvas& part, const Canvas& whole) {
    const std::string p = Picture(part), w = Picture(whole);
    for (std::size_t i = 0; i < p.size() && i < w.size(); ++i)
        if (p[i] == '#' && w[i] != '#') return false;
    return p.size() == w.size();
}

TEST(Bmpgen, FilesAreBottomUpBitmapsWithOneOrFourBitPixels) {
    const std::vector<std::uint8_t> bmp = bmpgen::EncodeBmp(MustDraw("size 20 3\npixel 0 0\npixel 19 2\n"));
    ASSERT_EQ(bmp.size(), 62u + 3 * 4);
    // "BM", file size, bits offset, header size, width, height (positive: bottom-up), planes,
    // bits per pixel, BI_RGB, image size, palette entries, palette: black, white
    for (auto [at, bytes, value] : {std::tuple{0, 2, 0x4d42u}, {2, 4, 74u}, {10, 4, 62u}, {14, 4, 40u}, {18, 4, 20u},
                                    {22, 4, 3u}, {26, 2, 1u}, {28, 2, 1u}, {30, 4, 0u}, {34, 4, 12u}, {46, 4, 2u},
                                    {54, 4, 0u}, {58, 4, 0xffffffu}})
        EXPECT_EQ(Field(bmp, at, bytes), value) << "field at " << at;
    // File row 0 is picture row 2 (black at x 19); row 2 is picture row 0 (black at x 0).
    EXPECT_EQ(std::vector<std::uint8_t>(bmp.begin() + 62, bmp.end()),
              (std::vector<std::uint8_t>{0xff, 0xff, 0xe0, 0, 0xff, 0xff, 0xf0, 0, 0x7f, 0xff, 0xf0, 0}));
    // Rows are padded to whole 32-bit words.
    for (auto [width, stride] : {std::pair{1, 4}, {32, 4}, {33, 8}}) {
        const auto b = bmpgen::EncodeBmp(Canvas(width, 2));
        EXPECT_TRUE(Field(b, 34, 4) == 2u * stride && b.size() == 62u + 2 * stride) << "width " << width;
    }
    // Sixteen colours: 4 bits per pixel, 16 palette entries; bits after 14 + 40 + 64 bytes.
    const auto bmp16 =
        bmpgen::EncodeBmp(MustDraw("size 3 2\ncolours 16\nink navy\npixel 0 0\nanchor 2 1\nink red\npixel 1 0"));
    for (auto [at, bytes, value] : {std::tuple{10, 4, 118u}, {28, 2, 4u}, {34, 4, 8u}, {46, 4, 16u},
                                    {54 + 4 * 4, 4, 0x000080u}, {54 + 9 * 4, 4, 0xff0000u}, {54 + 15 * 4, 4, 0xffffffu}})
        EXPECT_EQ(Field(bmp16, at, bytes), value) << "16 colours, field at " << at;
    // Bottom row first: white, white, red (the anchor); then navy, red, white. Two pixels a byte.
    EXPECT_EQ(std::vector<std::uint8_t>(bmp16.begin() + 118, bmp16.end()),
              (std::vector<std::uint8_t>{0xff, 0x90, 0, 0, 0x49, 0xf0, 0, 0}));
    // The anchor is drawn last, over what covers its pixel.
    const Canvas c = MustDraw("size 5 5\ncolours 16\nink navy\nanchor 2 2\nfillrect 0 0 4 4");
    EXPECT_TRUE(c.ColourAt(2, 2) == bmpgen::kRed && c.ColourAt(1, 2) == bmpgen::kNavy && c.Anchor() &&
                c.Anchor()->x == 2 && c.Anchor()->y == 2);
}

TEST(Bmpgen, PrimitivesCoverExactlyTheirPixels) {
    // A line and its reverse are the same pixels; width grows across the line.
    EXPECT_EQ(Picture(MustDraw("size 12 8\nline 0 1 11 6")), Picture(MustDraw("size 12 8\nline 11 6 0 1")));
    const Canvas thick = MustDraw("size 10 10\nline 0 5 9 5 3");
    EXPECT_TRUE(BlackCount(thick) == 30 && thick.IsBlack(0, 4) && thick.IsBlack(9, 6)) << Picture(thick);
    // An ellipse touches all four sides of its box and stays inside it.
    const Canvas e = MustDraw("size 16 12\nellipse 2 3 12 7");
    for (auto [x, y] : {std::pair{2, 5}, {12, 5}, {7, 3}, {7, 7}}) EXPECT_TRUE(e.IsBlack(x, y)) << x << "," << y;
    EXPECT_TRUE(!e.IsBlack(7, 5) && Within(e, MustDraw("size 16 12\nfillrect 2 3 12 7"))) << Picture(e);
    // An arc from three o'clock counter-clockwise to nine o'clock is the upper half; a dotted
    // outline is every other pixel of the solid one.
    const Canvas full = MustDraw("size 11 11\nellipse 0 0 10 10");
    EXPECT_EQ(Picture(MustDraw("size 11 11\narc 0 0 10 10 10 5 0 5")),
              Picture(MustDraw("size 11 11\nellipse 0 0 10 10\nink white\nfillrect 0 6 10 10")));
    const Canvas dots = MustDraw("size 11 11\ndotellipse 0 0 10 10 1 1");
    EXPECT_TRUE(Within(dots, full) && BlackCount(dots) == (BlackCount(full) + 1) / 2) << Picture(dots);
    // A filled polygon holds its inside and its vertices; white ink erases.
    const Canvas tri = MustDraw("size 10 10\npolygon 1 1 8 1 1 8\nink white\npixel 2 2");
    EXPECT_TRUE(tri.IsBlack(1, 1) && tri.IsBlack(8, 1) && tri.IsBlack(1, 8) && tri.IsBlack(3, 3) &&
                !tri.IsBlack(2, 2) && !tri.IsBlack(6, 6))
        << Picture(tri);
}

TEST(Bmpgen, MistakesAreReportedWithTheirLine) {
    // Before size; an unknown command after blank and comment lines; too few numbers; colour and
    // anchor without colours 16; colours after drawing; two anchors; an anchor off the canvas.
    const std::pair<const char*, int> cases[] = {
        {"line 0 0 1 1", 1}, {"size 4 4\n\n# note\nlne 0 0 1 1", 4}, {"size 4 4\nline 0 0 1", 2},
        {"size 4 4\ncircle 1 1 x", 2}, {"size 4 4\nsize 4 4", 2}, {"size 4 4\ndotellipse 0 0 3 3 0 1", 2},
        {"# empty", 0}, {"size 4 4\ncolours 2", 2}, {"size 4 4\nink navy", 2}, {"size 4 4\nanchor 1 1", 2},
        {"size 4 4\npixel 0 0\ncolours 16", 3}, {"size 4 4\ncolours 16\nanchor 1 1\nanchor 2 2", 4},
        {"size 4 4\ncolours 16\nanchor 4 0", 3},
    };
    for (auto [text, line] : cases) {
        bmpgen::DrawError error;
        EXPECT_FALSE(bmpgen::Draw(text, error)) << text;
        EXPECT_TRUE(error.line == line && !error.message.empty()) << text << " -> " << error.line << error.message;
    }
}

TEST(Bmpgen, ToolWritesTheBitmapOnlyForAValidDescription) {
    const std::string in = testing::TempDir() + "bmpgen.bmpdesc", out = testing::TempDir() + "bmpgen.bmp";
    const std::string run = std::string(TQ_BMPGEN) + " " + in + " " + out + " 2>/dev/null";
    std::ofstream(in) << "size 9 5\nrect 0 0 8\n";
    std::remove(out.c_str());
    EXPECT_TRUE(std::system(run.c_str()) != 0 && ReadFile(out).empty()) << "a failed run left an output file";
    std::ofstream(in) << "size 9 5\nrect 0 0 8 4\n";
    ASSERT_EQ(std::system(run.c_str()), 0);
    const std::vector<std::uint8_t> want = bmpgen::EncodeBmp(MustDraw("size 9 5\nrect 0 0 8 4"));
    EXPECT_EQ(ReadFile(out), std::string(want.begin(), want.end()));
}

TEST(Bmpgen, ModuleBitmapsHaveTheirSizesAndShapes) {
    for (auto [names, width, height] :
         {std::tuple{"ZX PM Y YZ XLK MLK PX CZ QX TZ DC WZ DTD QTD", 20, 20}, {"S1 S2 S3", 24, 32}, {"S4 S5", 36, 34}}) {
        std::istringstream list(names);
        for (std::string name; list >> name;) {
            const Canvas c = Bitmap(name);
            EXPECT_TRUE(c.Width() == width && c.Height() == height && BlackCount(c) > 10) << name;
        }
    }
    // Straightness: one full-width row, nothing else.
    const std::string zx = Picture(Bitmap("ZX"));
    EXPECT_TRUE(zx.find(std::string(20, '#')) != std::string::npos && BlackCount(Bitmap("ZX")) == 20) << zx;
    // Roundness: a ring symmetric about both middle lines and the diagonal.
    const Canvas y = Bitmap("Y");
    for (int row = 0; row < 20; ++row)
        for (int x = 0; x < 20; ++x)
            EXPECT_TRUE(y.IsBlack(x, row) == y.IsBlack(19 - x, row) && y.IsBlack(x, row) == y.IsBlack(x, 19 - row) &&
                        y.IsBlack(x, row) == y.IsBlack(row, x))
                << x << "," << row << "\n" << Picture(y);
    EXPECT_FALSE(y.IsBlack(9, 9) || y.IsBlack(5, 9)) << Picture(y);
    // Run-out: circular is one arrow ending in the tip of its shaft; total is two arrows whose
    // tails stand on a base line, the picture's lowest row.
    auto lowestRow = [](const Canvas& c) {
        const std::string rows = Picture(c);
        const std::size_t last = rows.rfind('#'), start = rows.rfind('\n', last) + 1;
        return rows.substr(start, rows.find('\n', last) - start);
    };
    const Canvas dtd = Bitmap("DTD"), qtd = Bitmap("QTD");
    EXPECT_TRUE(lowestRow(qtd).find("########") != std::string::npos && lowestRow(dtd).find("###") == std::string::npos &&
                BlackCount(qtd) > BlackCount(dtd) * 3 / 2)
        << Picture(dtd) << "\n" << Picture(qtd);
    // The knee-circle pair differs only where the dotted circle leaves out pixels of the solid one.
    const Canvas s4 = Bitmap("S4"), s5 = Bitmap("S5");
    EXPECT_TRUE(Within(s5, s4) && BlackCount(s4) - BlackCount(s5) > 5) << Picture(s4) << "\n" << Picture(s5);
}

}  // namespace
