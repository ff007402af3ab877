// Roughness dialog rules: shape codes, preview parts, the a2 set-aside, sizes and lay texts.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cmath>
#include <string>

#include "roughness/rough_rules.h"
#include "roughness/rough_texts.h"

namespace {

std::string Utf8FromGbk(const std::string& gbkText) {
    iconv_t cd = iconv_open("UTF-8", "GBK");
    std::string out(gbkText.size() * 3 + 1, '\0');
    char* in = const_cast<char*>(gbkText.data());
    size_t inLeft = gbkText.size(), outLeft = out.size();
    char* dst = out.data();
    iconv(cd, &in, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

TEST(RoughShape, ButtonsKeepTheKneeAndTheKneeButtonToggles) {
    for (int code = -128; code <= 127; ++code) {
        const auto shape = static_cast<signed char>(code);
        const bool knee = shape >= 10;
        EXPECT_EQ(rough::NextShape(shape, rough::kBtnBasic), knee ? 10 : 0) << code;
        EXPECT_EQ(rough::NextShape(shape, rough::kBtnRemoval), knee ? 11 : 1) << code;
        EXPECT_EQ(rough::NextShape(shape, rough::kBtnNoRemoval), knee ? 12 : 2) << code;
        EXPECT_EQ(rough::NextShape(shape, rough::kBtnKnee), knee ? code - 10 : code + 10) << code;
    }
}

TEST(RoughShape, PreviewPartsForKnownAndUnknownCodes) {
    struct Case {
        signed char code;
        bool bar, inner, knee;
    } cases[] = {{0, 0, 0, 0},  {1, 1, 0, 0},  {2, 0, 1, 0},   {5, 0, 0, 0},  {10, 0, 0, 1},
                 {11, 1, 0, 1}, {12, 0, 1, 1}, {3, 0, 0, 0},   {13, 0, 0, 1}, {-1, 0, 0, 0},
                 {-11, 0, 0, 0}, {127, 0, 0, 1}, {21, 0, 0, 1}};
    for (const Case& c : cases) {
        const rough::PreviewParts p = rough::PreviewFor(c.code);
        EXPECT_EQ(p.bar, c.bar) << int(c.code);
        EXPECT_EQ(p.innerCircle, c.inner) << int(c.code);
        EXPECT_EQ(p.kneeCircle, c.knee) << int(c.code);
    }
    EXPECT_TRUE(rough::IsNewShape(0) && rough::IsNewShape(5) && !rough::IsNewShape(1));
}

// The a2 text of the opening comes back once (108, 109, 111); 110 sets the text of that
// moment aside and empties a2. Each row: the button, a text typed before it (or none), then
// a2 and the set-aside text.
TEST(RoughA2, OpeningTextComesBackOnceThenTheTextOfThatMoment) {
    std::string saved = "3.2", a2 = "1.6";
    const struct {
        int button;
        const char *typed, *a2, *saved;
    } steps[] = {{rough::kBtnRemoval, nullptr, "3.2", ""},   {rough::kBtnNoRemoval, nullptr, "", "3.2"},
                 {rough::kBtnNoRemoval, nullptr, "", "3.2"}, {rough::kBtnBasic, nullptr, "3.2", ""},
                 {rough::kBtnNoRemoval, "1.6", "", "1.6"},   {rough::kBtnKnee, nullptr, "1.6", ""},
                 {rough::kBtnKnee, nullptr, "1.6", ""}};
    for (const auto& st : steps) {
        if (st.typed) a2 = st.typed;
        rough::AdjustA2(st.button, a2, saved);
        EXPECT_TRUE(a2 == st.a2 && saved == st.saved) << &st - steps << ": a2 \"" << a2 << "\" saved \"" << saved << '"';
    }
}

TEST(RoughSizes, ListTextsExactMatchesAndParsing) {
    EXPECT_EQ(rough::ListSizeText(rough::kSizes[0]), "0.5");
    EXPECT_EQ(rough::ListSizeText(rough::kSizes[1]), "1.0");
    EXPECT_EQ(rough::ListSizeText(rough::kSizes[20]), "20.0");
    // An exact 32-bit comparison, no tolerance.
    for (auto [size, index] : {std::pair{3.5f, 6}, {20.0f, 20}, {3.25f, -1}, {3.5000002f, -1}, {std::nanf(""), -1}})
        EXPECT_EQ(rough::MatchSize(size), index) << size;
    EXPECT_EQ(rough::SizeText(3.25f), "3.25");
    EXPECT_EQ(rough::ParseSize("2.75mm"), 2.75f);
    EXPECT_EQ(rough::ParseSize("big"), 0.0f);
    EXPECT_EQ(rough::ParseSize(""), 0.0f);
    EXPECT_EQ(rough::ParseSize(rough::SizeText(3.25f)), 3.25f);
}

TEST(RoughTexts, GbkBytesSayWhatTheDialogShows) {
    const char* lay[] = {"空", "＝", "⊥", "Ｘ", "Ｍ", "Ｃ", "Ｒ", "Ｐ"};
    for (int i = 0; i < rough::kLayCount; ++i) EXPECT_EQ(Utf8FromGbk(rough::kLayNames[i]), lay[i]) << i;
    EXPECT_STREQ(rough::LayText(0), "");
    EXPECT_EQ(rough::LayIndexOf(rough::kLayNames[2]), 2);
    EXPECT_EQ(rough::LayIndexOf(rough::kLayNames[0]), 0);  // the word 空 is not a lay symbol
    EXPECT_EQ(rough::LayIndexOf("X"), 0);

    using namespace rough::text;
    const std::pair<const char*, const char*> texts[] = {
        {kHintA1, "a1--粗糙度高度参数值"}, {kHintA2, "a2--粗糙度高度参数值"}, {kHintB, "b--加工方法,镀涂或其它"},
        {kHintC, "c--取样长度"}, {kHintD, "d--加工纹理"}, {kHintE, "e--加工余量"}, {kShapeBasic, "基本符号"},
        {kShapeRemoval, "去除材料"}, {kShapeNoRemoval, "不去除材料"}, {kShapeKnee, "其余"}, {kWordAll, "所有"}};
    for (const auto& [gbk, utf8] : texts) EXPECT_EQ(Utf8FromGbk(gbk), utf8);
}

}  // namespace
