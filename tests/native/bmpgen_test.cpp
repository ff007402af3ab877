// The bitmap generator: the pixels it writes, its drawing language, and the module's own
// bitmap descriptions checked at telling pixels.
#include "canvas.h"
#include "description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using bmpgen::Canvas;

namespace {

Canvas MustDraw(const std::string& description) {
    bmpgen::DrawError error;
    std::optional<Canvas> c = bmpgen::Draw(description, error);
    if (!c) ADD_FAILURE() << "line " << error.line << ": " << error.message << "\n" << description;
    return c ? *c : Canvas(1, 1);
}

Canvas Bitmap(const std::string& name) {
    std::ifstream in(std::string(TQ_BITMAP_DIR) + "/" + name + ".bmpdesc", std::ios::binary);
    return MustDraw({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
}

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
    for (std::size_t i = 0; i < p.size(); ++i)
        if (p[i] == '#' && w[i] != '#') return false;
    return p.size() == w.size();
}

TEST(Bmpgen, PixelsAreWrittenBottomUpInPaddedRows) {
    // One bit a pixel, black 0: file row 0 is picture row 2 (black at x 19), row 2 picture row 0.
    const auto bmp = bmpgen::EncodeBmp(MustDraw("size 20 3\npixel 0 0\npixel 19 2\n"));
    EXPECT_EQ(std::vector<std::uint8_t>(bmp.begin() + 62, bmp.end()),
              (std::vector<std::uint8_t>{0xff, 0xff, 0xe0, 0, 0xff, 0xff, 0xf0, 0, 0x7f, 0xff, 0xf0, 0}));
    // Sixteen colours, two pixels a byte: white, white, red (the anchor); then navy, red, white.
    const auto bmp16 =
        bmpgen::EncodeBmp(MustDraw("size 3 2\ncolours 16\nink navy\npixel 0 0\nanchor 2 1\nink red\npixel 1 0"));
    EXPECT_EQ(std::vector<std::uint8_t>(bmp16.begin() + 118, bmp16.end()),
              (std::vector<std::uint8_t>{0xff, 0x90, 0, 0, 0x49, 0xf0, 0, 0}));
}

TEST(Bmpgen, PrimitivesCoverExactlyTheirPixels) {
    // A line and its reverse are the same pixels; an ellipse touches all four sides of its box
    // and stays inside it; a dotted outline is every other pixel of the solid one.
    EXPECT_EQ(Picture(MustDraw("size 12 8\nline 0 1 11 6")), Picture(MustDraw("size 12 8\nline 11 6 0 1")));
    const Canvas e = MustDraw("size 16 12\nellipse 2 3 12 7");
    EXPECT_TRUE(e.IsBlack(2, 5) && e.IsBlack(12, 5) && e.IsBlack(7, 3) && e.IsBlack(7, 7) && !e.IsBlack(7, 5) &&
                Within(e, MustDraw("size 16 12\nfillrect 2 3 12 7")))
        << Picture(e);
    const Canvas full = MustDraw("size 11 11\nellipse 0 0 10 10"), dots = MustDraw("size 11 11\ndotellipse 0 0 10 10 1 1");
    EXPECT_TRUE(Within(dots, full) && BlackCount(dots) == (BlackCount(full) + 1) / 2) << Picture(dots);
}

TEST(Bmpgen, MistakesAreReportedWithTheirLine) {
    // An unknown command after blank and comment lines; too few numbers; anchor without
    // colours 16; colours after drawing; two anchors; an anchor off the canvas.
    const std::pair<const char*, int> cases[] = {
        {"line 0 0 1 1", 1}, {"size 4 4\n\n# note\nlne 0 0 1 1", 4}, {"size 4 4\nline 0 0 1", 2},
        {"size 4 4\nanchor 1 1", 2}, {"size 4 4\npixel 0 0\ncolours 16", 3},
        {"size 4 4\ncolours 16\nanchor 1 1\nanchor 2 2", 4}, {"size 4 4\ncolours 16\nanchor 4 0", 3}};
    for (auto [text, line] : cases) {
        bmpgen::DrawError error;
        EXPECT_TRUE(!bmpgen::Draw(text, error) && error.line == line) << text << " -> " << error.line;
    }
}

TEST(Bmpgen, ModuleBitmapsTellTheirPairsApart) {
    // Run-out: circular is one arrow ending in the tip of its shaft; total is two arrows whose
    // tails stand on a base line, the picture's lowest row.
    const auto lowestRow = [](const Canvas& c) {
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
