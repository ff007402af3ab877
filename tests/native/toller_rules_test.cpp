// Window-free rules of the dimension and tolerance dialog: display changes on switches, the flag
// word, how record texts come in and go out. The opening modes and enable sets are checked
// through the export by the Wine test.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "toller/toller_rules.h"

namespace {

using namespace toller;

TEST(TollerModes, SwitchesKeepOrTurnTheDisplay) {
    struct Case {
        std::uint8_t display;
        int displayRadio;
        int inputRadio;
        std::uint8_t input, displayAfter;
    } cases[] = {
        {0x10, 224, 221, kInputDeviation, 0x20}, {0x30, 226, 221, kInputDeviation, 0x30},
        {0x20, 224, 221, kInputDeviation, 0x20}, {0x77, 224, 221, kInputDeviation, 0x77},
        {0x20, 224, 220, kInputZone, 0x10},      {0x20, 225, 220, kInputZone, 0x20},
        {0x20, 226, 220, kInputZone, 0x30},      {0x30, 226, 222, kInputFit, 0x20},
        {0x30, 226, 219, kInputZone, 0x30},  // not an input radio: nothing changes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.display) + " " + std::to_string(c.inputRadio));
        const Mode m = SwitchInput(Mode{kInputZone, c.display, 220, c.displayRadio}, c.inputRadio);
        EXPECT_EQ(m.input, c.input);
        EXPECT_EQ(m.display, c.displayAfter);
    }
    const Mode both = SwitchDisplay(Mode{kInputZone, 0x10, 220, 224}, 226);
    EXPECT_EQ(both.display, kShowBoth);
    EXPECT_EQ(both.displayRadio, 226);
    EXPECT_EQ(SwitchDisplay(both, 227).display, kShowBoth);
}

TEST(TollerFlags, OkKeepsHostBitsAndDropsHighBits) {
    struct Case {
        std::uint32_t previous;
        std::uint8_t input, display;
        std::uint32_t expected;
    } cases[] = {
        {0x00000034, 4, 0x30, 0x34},       {0xFFFFFFFF, 4, 0x30, 0xF5},
        {0x00000100, 8, 0x20, 0x28},       {0x000000C1, 2, 0x20, 0xE3},
        {0x0000003E, 8, 0x20, 0x28},       {0x00000080, 4, 0x00, 0x84},
        {0x00000000, 0xFF, 0x00, 0xCF},    // display bits of the input byte never pass
        {0x00000001, 4, 0x77, 0x77},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FlagsOnOk(c.previous, c.input, c.display), c.expected)
            << std::hex << c.previous << " " << int(c.input) << " " << int(c.display);
}

TEST(TollerTexts, OneClosingParenthesisDropped) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {{"+0.021)", "+0.021"}, {"-0.01))", "-0.01)"}, {")", ""}, {"", ""}, {"(0.1", "(0.1"},
                 {"0.1) ", "0.1) "}};
    for (const Case& c : cases) {
        char field[kTollerTextBytes] = {};
        std::strcpy(field, c.in);
        DropClosingParen(field);
        EXPECT_STREQ(field, c.out);
    }
    char full[kTollerTextBytes];  // no NUL: the last byte of the field is the last character
    std::memset(full, '1', sizeof full);
    full[39] = ')';
    DropClosingParen(full);
    EXPECT_EQ(full[39], 0);
    EXPECT_EQ(full[38], '1');
}

// The host's 332 bytes between guards: what comes in, what goes out, what is never touched.
struct HostBlock {
    unsigned char bytes[8 + kTollerRecordHostBytes + 8];
    TollerRecord& rec() { return *reinterpret_cast<TollerRecord*>(bytes + 8); }
};

TEST(TollerRecordCopy, FieldsWithoutNulAndUntouchedBytes) {
    HostBlock host;
    std::memset(host.bytes, 0xEE, sizeof host.bytes);
    std::memset(&host.rec(), 0, kTollerRecordBytes);
    std::memset(host.rec().szPrefix, 'p', 40);                 // no NUL
    std::memcpy(host.rec().szValue, "25\0junk", 7);
    std::memset(host.rec().szSuffix, '\xB9', 40);              // 20 lead/trail pairs "构": no NUL
    host.rec().nFlags = 0x1234;
    host.rec().bKeepPrefix = 1;
    host.rec().bTheory = 9;

    TollerRecord copy;
    std::memset(&copy, 0x55, sizeof copy);
    LoadRecord(host.rec(), copy);
    EXPECT_EQ(std::string(copy.szPrefix), std::string(39, 'p'));
    EXPECT_STREQ(copy.szValue, "25");
    EXPECT_EQ(std::strlen(copy.szSuffix), 38u);  // 39 bytes would split a character
    EXPECT_EQ(copy.nFlags, 0x1234u);
    EXPECT_EQ(copy.bKeepPrefix, 1);
    EXPECT_EQ(copy.bTheory, 0);  // never read

    std::strcpy(copy.szValue, "3");
    copy.bTheory = 1;
    HostBlock before = host;
    StoreRecord(copy, host.rec());
    EXPECT_EQ(std::memcmp(host.bytes, before.bytes, 8), 0);
    EXPECT_EQ(std::memcmp(host.bytes + 8 + kTollerRecordBytes, before.bytes + 8 + kTollerRecordBytes,
                          sizeof host.bytes - 8 - kTollerRecordBytes), 0)
        << "the alignment bytes and what follows are never touched";
    EXPECT_EQ(std::memcmp(host.rec().szValue, "3\0\0junk", 7), 0) << "bytes after the NUL stay the host's";
    EXPECT_EQ(host.rec().szPrefix[39], 0);
    EXPECT_EQ(host.rec().bTheory, 1);
}

TEST(TollerRecordCopy, BasicSizeReadsNoFurtherThanTheValueField) {
    TollerRecord rec{};
    std::memset(rec.szValue, '9', 40);
    rec.szZone[0] = '9';
    EXPECT_EQ(BasicSize(rec), std::stod(std::string(40, '9')));
    std::strcpy(rec.szValue, "-25");
    EXPECT_EQ(BasicSize(rec), -25.0);  // the sheets take the absolute value
}

}  // namespace
