// Weld symbol rules without a window: pick sequences, and the bitmaps as the descriptions draw
// them, pixel by pixel, against the anchor table the dialog places them by. (Menus and the preview
// are checked through the export, where the dialog shows them.)
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "canvas.h"
#include "description.h"
#include "weld/weld_rules.h"

namespace {

using weld::kNone;

struct Symbols {
    int basic1, basic2, aux1, aux2, middle;
};

WeldRecord Record(Symbols s) {
    WeldRecord rec;
    rec.nBasic1 = s.basic1;
    rec.nBasic2 = s.basic2;
    rec.nAux1 = s.aux1;
    rec.nAux2 = s.aux2;
    rec.nMiddle = s.middle;
    rec.nLineType = 0;
    for (int i = 0; i < 5; ++i) rec.bHead[i] = rec.bTail[i] = 0;
    return rec;
}

// Menu commands as a user picks them, one after the other.
TEST(WeldPicks, SequencesOfPicks) {
    struct Case {
        Symbols start;
        std::vector<unsigned> picks;
        Symbols expect;
    };
    const auto B = [](int n) { return 199u + n; };
    const auto A = [](int v) { return 299u + v; };
    const Case cases[] = {
        // upper V then lower V; the same number again clears its slot
        {{kNone, kNone, kNone, kNone, kNone}, {B(6), B(7)}, {6, 7, kNone, kNone, kNone}},
        {{kNone, kNone, kNone, kNone, kNone}, {B(6), B(7), B(6)}, {kNone, 7, kNone, kNone, kNone}},
        {{kNone, kNone, kNone, kNone, kNone}, {B(6), B(7), B(7)}, {6, kNone, kNone, kNone, kNone}},
        // a centred symbol clears the lower slot and stays when picked again
        {{6, 7, kNone, kNone, kNone}, {B(24)}, {24, kNone, kNone, kNone, kNone}},
        {{6, 7, kNone, kNone, kNone}, {B(24), B(24)}, {24, kNone, kNone, kNone, kNone}},
        // one-sided after centred: the centred symbol gives way
        {{kNone, kNone, kNone, kNone, kNone}, {B(24), B(26)}, {26, kNone, kNone, kNone, kNone}},
        {{kNone, kNone, kNone, kNone, kNone}, {B(24), B(25)}, {25, kNone, kNone, kNone, kNone}},
        {{kNone, kNone, kNone, kNone, kNone}, {B(3), B(29)}, {29, kNone, kNone, kNone, kNone}},
        // centred after one-sided
        {{kNone, 9, kNone, kNone, kNone}, {B(27)}, {27, kNone, kNone, kNone, kNone}},
        // a host record with a centred symbol in the lower slot and an upper one picked
        {{kNone, 3, kNone, kNone, kNone}, {B(4)}, {4, kNone, kNone, kNone, kNone}},
        // an upper pick replaces the upper slot, a lower one the lower slot
        {{1, 2, kNone, kNone, kNone}, {B(28), B(23)}, {28, 23, kNone, kNone, kNone}},
        // auxiliary: odd to the first slot, even to the second, the same value twice clears
        {{kNone, kNone, kNone, kNone, kNone}, {A(3), A(3)}, {kNone, kNone, kNone, kNone, kNone}},
        {{kNone, kNone, kNone, kNone, kNone}, {A(3), A(4)}, {kNone, kNone, 3, 4, kNone}},
        {{kNone, kNone, 1, 2, kNone}, {A(7), A(8), A(2)}, {kNone, kNone, 7, 2, kNone}},
        // a value held in the "wrong" slot is still cleared by its pick
        {{kNone, kNone, 4, 5, kNone}, {A(4), A(5)}, {kNone, kNone, kNone, kNone, kNone}},
        // middle: 0 and -1 both become 1; 1 becomes -1
        {{kNone, kNone, kNone, kNone, 0}, {600}, {kNone, kNone, kNone, kNone, 1}},
        {{kNone, kNone, kNone, kNone, 1}, {600, 600}, {kNone, kNone, kNone, kNone, 1}},
        {{kNone, kNone, kNone, kNone, 5}, {600}, {kNone, kNone, kNone, kNone, kNone}},
        // out-of-range host values stay until the slot is picked
        {{1000, -5, 30, 0, 7}, {A(1)}, {1000, -5, 1, 0, 7}},
        {{1000, -5, 30, 0, 7}, {B(5)}, {1000, 5, 30, 0, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        WeldRecord rec = Record(c.start);
        for (unsigned id : c.picks) EXPECT_TRUE(weld::ApplyCommand(id, rec)) << id;
        EXPECT_EQ(rec.nBasic1, c.expect.basic1);
        EXPECT_EQ(rec.nBasic2, c.expect.basic2);
        EXPECT_EQ(rec.nAux1, c.expect.aux1);
        EXPECT_EQ(rec.nAux2, c.expect.aux2);
        EXPECT_EQ(rec.nMiddle, c.expect.middle);
    }
}

TEST(WeldPicks, SupplementTogglesAndForeignCommands) {
    WeldRecord rec = Record({kNone, kNone, kNone, kNone, kNone});
    rec.bHead[2] = 7;  // any non-zero value counts as shown
    for (unsigned id : {400u, 404u, 402u, 500u, 500u, 503u}) EXPECT_TRUE(weld::ApplyCommand(id, rec)) << id;
    EXPECT_EQ(std::vector<int>(rec.bHead, rec.bHead + 5), (std::vector<int>{1, 0, 0, 0, 1}));
    EXPECT_EQ(std::vector<int>(rec.bTail, rec.bTail + 5), (std::vector<int>{0, 0, 0, 1, 0}));

    const WeldRecord before = rec;
    for (unsigned id : {0u, 1u, 2u, 199u, 229u, 299u, 308u, 399u, 405u, 499u, 505u, 599u, 601u, 65535u}) {
        EXPECT_FALSE(weld::ApplyCommand(id, rec)) << id;
        EXPECT_EQ(std::memcmp(&rec, &before, 64), 0) << id;
    }
}

// ---- the bitmaps

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}


TEST(WeldBitmaps, AnchorsAndClassesReadBackFromTheGeneratedPictures) {
    enum Class { Up, Low, Mid, Any };
    struct Expect {
        int n, x, y;
        Class cls;
    };
    // The host's anchors, by bitmap.
    const Expect table[] = {
        {1, 14, 18, Up},  {2, 16, 4, Low},  {3, 15, 19, Mid}, {4, 16, 28, Up},  {5, 15, 3, Low},
        {6, 15, 28, Up},  {7, 15, 4, Low},  {8, 10, 27, Up},  {9, 21, 5, Low},  {10, 15, 28, Up},
        {11, 15, 3, Low}, {12, 8, 23, Up},  {13, 19, 3, Low}, {14, 16, 27, Up}, {15, 15, 3, Low},
        {16, 16, 27, Up}, {17, 20, 2, Low}, {18, 16, 15, Up}, {19, 15, 8, Low}, {20, 7, 23, Up},
        {21, 7, 7, Low},  {22, 16, 27, Up}, {23, 15, 9, Low}, {24, 15, 15, Mid}, {25, 16, 21, Up},
        {26, 17, 11, Low}, {27, 15, 15, Mid}, {28, 17, 25, Up}, {29, 14, 4, Low}, {31, 16, 21, Up},
        {32, 15, 8, Low}, {33, 15, 25, Up}, {34, 15, 7, Low}, {35, 16, 23, Up}, {36, 15, 8, Low},
        {37, 9, 19, Up},  {38, 13, 9, Low}, {39, 16, 21, Any}, {40, 6, 23, Any}, {41, 15, 15, Any},
        {42, 10, 25, Any}, {43, 5, 16, Any}, {49, 14, 15, Any},
    };
    for (const Expect& e : table) {
        SCOPED_TRACE("WELDS" + std::to_string(e.n));
        const std::string desc = ReadFile(std::string(TQ_BITMAP_DIR) + "/WELDS" + std::to_string(e.n) + ".bmpdesc");
        ASSERT_FALSE(desc.empty());
        bmpgen::DrawError error;
        const auto canvas = bmpgen::Draw(desc, error);
        ASSERT_TRUE(canvas) << error.line << ": " << error.message;
        // (How a 16-colour canvas is written to the file is the bitmap generator's own test.)
        ASSERT_TRUE(canvas->Colours16());
        ASSERT_EQ(canvas->Width(), 32);
        ASSERT_EQ(canvas->Height(), 32);

        int reds = 0, navyAbove = 0, navyBelow = 0, navy = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const bmpgen::Colour c = canvas->ColourAt(x, y);
                ASSERT_TRUE(c == bmpgen::kNavy || c == bmpgen::kWhite || c == bmpgen::kRed) << x << "," << y << " " << c;
                if (c == bmpgen::kRed) {
                    ++reds;
                    EXPECT_EQ(x, e.x);
                    EXPECT_EQ(y, e.y);
                }
                if (c == bmpgen::kNavy) {
                    ++navy;
                    navyAbove += y < e.y;
                    navyBelow += y > e.y;
                }
            }
        EXPECT_EQ(reds, 1);
        EXPECT_GE(navy, 8) << "a symbol is drawn";
        if (e.cls == Up) { EXPECT_EQ(navyBelow, 0) << "upper symbols stand on the anchor"; }
        if (e.cls == Low) { EXPECT_EQ(navyAbove, 0) << "lower symbols hang from the anchor"; }
        if (e.cls == Mid) { EXPECT_TRUE(navyAbove > 0 && navyBelow > 0) << "centred symbols straddle it"; }

        // The table the dialog places bitmaps by.
        const weld::Anchor a = weld::AnchorOf(e.n);
        EXPECT_EQ(a.x, e.x);
        EXPECT_EQ(a.y, e.y);
        // The class the preview uses agrees with the drawing.
        if (e.n <= 29 && e.cls != Any) {
            const weld::Side side = weld::BasicSide(e.n);
            EXPECT_EQ(side == weld::Side::Upper, e.cls == Up);
            EXPECT_EQ(side == weld::Side::Centred, e.cls == Mid);
        } else if (e.n <= 38) {
            EXPECT_EQ(weld::AuxSide(e.n - 30) == weld::Side::Upper, e.cls == Up);
        }
    }
    // No bitmap 30 or 44-48: their slots stay empty, and the table has 44 pairs with 49 last.
    EXPECT_EQ(weld::AnchorTable()[29].x, 0);
    EXPECT_EQ(weld::AnchorTable()[29].y, 0);
    EXPECT_EQ(weld::AnchorTable()[43].x, 14);
    EXPECT_EQ(weld::AnchorTable()[43].y, 15);
    EXPECT_EQ(weld::AnchorOf(44).x + weld::AnchorOf(44).y, 0);
    for (int n : {30, 44, 45, 46, 47, 48})
        EXPECT_TRUE(ReadFile(std::string(TQ_BITMAP_DIR) + "/WELDS" + std::to_string(n) + ".bmpdesc").empty()) << n;
}

}  // namespace
