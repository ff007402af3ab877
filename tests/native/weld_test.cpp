// Weld symbol rules without a window, and the bitmap generator that draws the module's bitmaps:
// pick sequences; the pixels the generator writes; the weld bitmaps as the
// descriptions draw them, against the anchor table the dialog places them by; the run-out pair.
// (Menus and the preview are checked through the export, where the dialog shows them.)
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "canvas.h"
#include "description.h"
#include "weld/weld_rules.h"

using bmpgen::Canvas;

namespace {

constexpr int N = weld::kNone;

// Basic 1 and 2, auxiliary 1 and 2, middle.
using Symbols = std::vector<int>;

// Menu commands as a user picks them, one after the other.
TEST(WeldPicks, SequencesOfPicks) {
    const auto B = [](int n) { return 199u + n; };
    const auto A = [](int v) { return 299u + v; };
    const Symbols O{N, N, N, N, N};
    const struct { Symbols start; std::vector<unsigned> picks; Symbols expect; } cases[] = {
        // upper V then lower V; the same number again clears its slot
        {O, {B(6), B(7)}, {6, 7, N, N, N}}, {O, {B(6), B(7), B(6)}, {N, 7, N, N, N}},
        // a centred symbol clears the lower slot and stays when picked again
        {{6, 7, N, N, N}, {B(24), B(24)}, {24, N, N, N, N}},
        // one-sided after centred: the centred symbol gives way; a host's centred one in the lower slot too
        {O, {B(24), B(26)}, {26, N, N, N, N}}, {O, {B(3), B(29)}, {29, N, N, N, N}},
        {{N, 9, N, N, N}, {B(27)}, {27, N, N, N, N}}, {{N, 3, N, N, N}, {B(4)}, {4, N, N, N, N}},
        // an upper pick replaces the upper slot, a lower one the lower slot
        {{1, 2, N, N, N}, {B(28), B(23)}, {28, 23, N, N, N}},
        // auxiliary: odd to the first slot, even to the second; the same value clears, from either slot
        {O, {A(3), A(3)}, O}, {{N, N, 1, 2, N}, {A(7), A(8), A(2)}, {N, N, 7, 2, N}},
        {{N, N, 4, 5, N}, {A(4), A(5)}, O},
        // middle: 0 and -1 both become 1, 1 becomes -1; out-of-range values stay until their slot is picked
        {{N, N, N, N, 0}, {600}, {N, N, N, N, 1}}, {{N, N, N, N, 1}, {600, 600}, {N, N, N, N, 1}},
        {{1000, -5, 30, 0, 7}, {A(1), B(5)}, {1000, 5, 1, 0, 7}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        WeldRecord rec{};
        rec.nBasic1 = c.start[0], rec.nBasic2 = c.start[1], rec.nAux1 = c.start[2], rec.nAux2 = c.start[3];
        rec.nMiddle = c.start[4];
        for (unsigned id : c.picks) EXPECT_TRUE(weld::ApplyCommand(id, rec)) << id;
        EXPECT_EQ((Symbols{rec.nBasic1, rec.nBasic2, rec.nAux1, rec.nAux2, rec.nMiddle}), c.expect);
    }
}

std::string Description(const std::string& name) {
    std::ifstream in(std::string(TQ_BITMAP_DIR) + "/" + name + ".bmpdesc", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Canvas MustDraw(const std::string& description) {
    bmpgen::DrawError error;
    std::optional<Canvas> c = bmpgen::Draw(description, error);
    if (!c) ADD_FAILURE() << "line " << error.line << ": " << error.message << "\n" << description;
    return c ? *c : Canvas(1, 1);
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

TEST(Bmpgen, PixelsAreWrittenBottomUpInPaddedRows) {
    // One bit a pixel, black 0: file row 0 is picture row 2 (black at x 19), row 2 picture row 0.
    const auto bmp = bmpgen::EncodeBmp(MustDraw("size 20 3\npixel 0 0\npixel 19 2\n"));
    EXPECT_EQ(std::vector<std::uint8_t>(bmp.begin() + 62, bmp.end()),
              (std::vector<std::uint8_t>{0xff, 0xff, 0xe0, 0, 0xff, 0xff, 0xf0, 0, 0x7f, 0xff, 0xf0, 0}));
}

TEST(WeldBitmaps, AnchorsAndClassesReadBackFromTheGeneratedPictures) {
    enum Class { Up, Low, Mid, Any };
    // The host's anchors, by bitmap. There is no bitmap 30 or 44-48.
    const struct { int n, x, y; Class cls; } table[] = {
        {1, 14, 18, Up}, {2, 16, 4, Low}, {3, 15, 19, Mid}, {4, 16, 28, Up}, {5, 15, 3, Low},
        {6, 15, 28, Up}, {7, 15, 4, Low}, {8, 10, 27, Up}, {9, 21, 5, Low}, {10, 15, 28, Up},
        {11, 15, 3, Low}, {12, 8, 23, Up}, {13, 19, 3, Low}, {14, 16, 27, Up}, {15, 15, 3, Low},
        {16, 16, 27, Up}, {17, 20, 2, Low}, {18, 16, 15, Up}, {19, 15, 8, Low}, {20, 7, 23, Up},
        {21, 7, 7, Low}, {22, 16, 27, Up}, {23, 15, 9, Low}, {24, 15, 15, Mid}, {25, 16, 21, Up},
        {26, 17, 11, Low}, {27, 15, 15, Mid}, {28, 17, 25, Up}, {29, 14, 4, Low}, {31, 16, 21, Up},
        {32, 15, 8, Low}, {33, 15, 25, Up}, {34, 15, 7, Low}, {35, 16, 23, Up}, {36, 15, 8, Low},
        {37, 9, 19, Up}, {38, 13, 9, Low}, {39, 16, 21, Any}, {40, 6, 23, Any}, {41, 15, 15, Any},
        {42, 10, 25, Any}, {43, 5, 16, Any}, {49, 14, 15, Any},
    };
    for (const auto& e : table) {
        SCOPED_TRACE("WELDS" + std::to_string(e.n));
        const Canvas canvas = MustDraw(Description("WELDS" + std::to_string(e.n)));
        ASSERT_TRUE(canvas.Colours16() && canvas.Width() == 32 && canvas.Height() == 32);
        int reds = 0, navy = 0, above = 0, below = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const bmpgen::Colour c = canvas.ColourAt(x, y);
                if (c == bmpgen::kRed) {
                    ++reds;
                    EXPECT_TRUE(x == e.x && y == e.y) << "anchor at " << x << "," << y;
                }
                if (c == bmpgen::kNavy) ++navy, above += y < e.y, below += y > e.y;
            }
        // Upper symbols stand on the anchor, lower ones hang from it, centred ones straddle it.
        EXPECT_TRUE(reds == 1 && navy >= 8 && (e.cls != Up || below == 0) && (e.cls != Low || above == 0) &&
                    (e.cls != Mid || (above > 0 && below > 0)))
            << reds << " red, " << above << " navy pixels above the anchor, " << below << " below";
        // The table the dialog places bitmaps by, and the side the preview uses, agree with the drawing.
        EXPECT_TRUE(weld::AnchorOf(e.n).x == e.x && weld::AnchorOf(e.n).y == e.y);
        const weld::Side side = e.n <= 29 ? weld::BasicSide(e.n) : weld::AuxSide(e.n - 30);
        EXPECT_TRUE(e.n > 38 || int(side) == int(e.cls));
    }
    // The missing bitmaps leave their slots of the table empty.
    const weld::Anchor none = weld::AnchorTable()[29], none44 = weld::AnchorOf(44);
    EXPECT_TRUE(none.x == 0 && none.y == 0 && none44.x == 0 && none44.y == 0);
    for (int n : {30, 44, 45, 46, 47, 48}) EXPECT_TRUE(Description("WELDS" + std::to_string(n)).empty()) << n;
}

TEST(Bmpgen, RunOutBitmapsTellThePairApart) {
    // Circular run-out is one arrow ending in the tip of its shaft; total run-out is two arrows
    // whose tails stand on a base line, the picture's lowest row.
    const auto lowestRow = [](const Canvas& c) {
        const std::string rows = Picture(c);
        const std::size_t last = rows.rfind('#'), start = rows.rfind('\n', last) + 1;
        return rows.substr(start, rows.find('\n', last) - start);
    };
    const Canvas dtd = MustDraw(Description("DTD")), qtd = MustDraw(Description("QTD"));
    EXPECT_TRUE(lowestRow(qtd).find("########") != std::string::npos &&
                lowestRow(dtd).find("###") == std::string::npos && BlackCount(qtd) > BlackCount(dtd) * 3 / 2)
        << Picture(dtd) << "\n" << Picture(qtd);
}

}  // namespace
