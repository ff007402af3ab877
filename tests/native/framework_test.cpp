// Framework strings as the host sees them, and the GBK field rules.
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstring>
#include <memory>
#include <string>

#include "framework/afxstr.h"
#include "framework/gbk.h"
#include "tests/host_strings.h"

// Live blocks of the C runtime heap, counted at malloc and free (the only calls the string
// class makes), so a leak or a second free shows as a wrong count.
extern "C" void* __libc_malloc(std::size_t);
extern "C" void __libc_free(void*);
static long g_liveBlocks = 0;
extern "C" void* malloc(std::size_t n) {
    void* p = __libc_malloc(n);
    g_liveBlocks += p != nullptr;
    return p;
}
extern "C" void free(void* p) {
    g_liveBlocks -= p != nullptr;
    __libc_free(p);
}

namespace {

// Declared first in a scope: at its end, every block allocated in the scope is freed exactly once.
struct BlocksFreed {
    const long before = g_liveBlocks;
    ~BlocksFreed() { EXPECT_EQ(g_liveBlocks, before) << "every buffer freed exactly once"; }
};

// What the host reads: a string is a pointer to its characters after a malloc'd header (the
// other side frees with the runtime's free()); an array is vtable, data, size, max size, grow-by.
TEST(HostLayout, StringAndStringArray) {
    CString s("abc");
    ASSERT_EQ(sizeof s, sizeof(void*));
    const StringHeader& h = HeaderOf(s);
    EXPECT_TRUE(h.refs == 1 && h.length == 3 && h.capacity >= 3) << h.refs;
    EXPECT_GE(malloc_usable_size(const_cast<StringHeader*>(&h)), sizeof(StringHeader) + 4);
    CStringArray a;
    for (int i = 0; i < 103; ++i) a.Add(i == 2 ? "three" : "more");
    struct { void* vtable; CString* data; int size, maxSize, growBy; } raw;
    std::memcpy(&raw, &a, sizeof raw);
    EXPECT_TRUE(raw.vtable && raw.size == 103 && raw.maxSize >= 103 && raw.data[2] == "three");
}

enum class Kind { Empty, Owned, Shared, Negative, NegativeEmpty };

// The string under test, one more reference when shared, a block for negative counts.
struct Holder {
    CString s, extra;
    std::unique_ptr<LockedBlock> block;
    Holder(Kind kind, const char* text) {
        if (kind == Kind::Owned || kind == Kind::Shared) s = text;
        if (kind == Kind::Shared) extra = s;
        if (kind >= Kind::Negative) block.reset(new LockedBlock(kind == Kind::Negative ? text : ""));
        if (block) block->PutInto(s);
    }
    ~Holder() { if (block) block->TakeBackFrom(s); }
};

// Assignment and copy construction: a negative count is copied, never shared, counted or
// written.
TEST(CString, AssignmentTable) {
    using K = Kind;
    // The source's count after the assignment; whether the target points at the source's characters.
    struct Case { Kind target, source; const char* sourceText; long sourceRefsAfter; bool shares; };
    const Case cases[] = {
        {K::Owned, K::Empty, "", -1, true},           {K::Shared, K::Empty, "", -1, true},
        {K::Negative, K::Empty, "", -1, true},        {K::Empty, K::Owned, "new", 2, true},
        {K::Negative, K::Owned, "new", 2, true},      {K::Owned, K::Shared, "both", 3, true},
        {K::Owned, K::Negative, "locked", -1, false}, {K::Negative, K::Negative, "locked", -1, false},
        {K::Owned, K::NegativeEmpty, "", -1, false},
    };
    const char* old = "old text that is long";
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const BlocksFreed freed;
        Holder target(c.target, old), source(c.source, c.sourceText);
        target.s = source.s;
        EXPECT_EQ(HeaderOf(source.s).refs, c.sourceRefsAfter);
        CString copy(source.s);
        for (const CString* t : {&target.s, &copy}) {
            EXPECT_TRUE(*t == c.sourceText && t->GetLength() == int(std::strlen(c.sourceText)));
            EXPECT_EQ(t->c_str() == source.s.c_str(), c.shares);
        }
        if (target.block) {
            EXPECT_TRUE(target.block->header->refs == -1 && !std::strcmp(target.block->chars(), old));
        }
        if (c.target == Kind::Shared) { EXPECT_STREQ(target.extra, old); }
        target.s += "!";
        EXPECT_STREQ(source.s, c.sourceText);
    }
}

TEST(CString, BufferTable) {
    // `write`: bytes put into the buffer, no NUL; `release`: ReleaseBuffer's argument. The last
    // row fills the buffer of six to its end, NUL slot included: the length stops at the room.
    struct Case { const char *start, *write, *expect; bool shared; int room, release; };
    const Case cases[] = {
        {"hello world", nullptr, "hello", false, 0, 5}, {"hello world", nullptr, "hello", true, 0, 5},
        {"hello world", "abc", "abclo world", true, 40, -1}, {"", "xyz", "xyz", false, 8, 3},
        {"abc", nullptr, "abc", false, 3, 99},          {"", "zzzzzzz", "zzzzzz", false, 6, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const BlocksFreed freed;
        CString s(c.start), other;
        if (c.shared) other = s;
        char* buf = s.GetBuffer(c.room);
        if (c.write) std::memcpy(buf, c.write, std::strlen(c.write));
        s.ReleaseBuffer(c.release);
        EXPECT_STREQ(s, c.expect);
        EXPECT_TRUE(s.GetLength() == int(std::strlen(c.expect)) && s.c_str()[s.GetLength()] == 0);
        if (c.shared) { EXPECT_STREQ(other, c.start) << "the shared copy is not touched"; }
    }
}

TEST(Gbk, FieldsWithoutNulAndCutsKeepDoubleByteCharactersWhole) {
    char field[8] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
    EXPECT_TRUE(gbk::FieldLength(field, 8) == 8u && gbk::FromField(field, 8) == "abcdefgh");
    const std::string mixed = "a\xBC\xD3\xB9\xA4z";  // a 加 工 z
    EXPECT_EQ(gbk::CutLength("ab\xBC", 3, 10), 2u) << "a lead byte without its trail byte is dropped";
    std::memset(field, 'X', sizeof field);
    gbk::ToField(field, 5, mixed);  // room for 4 bytes: "a加" and the NUL
    EXPECT_TRUE(std::strcmp(field, "a\xBC\xD3") == 0 && field[5] == 'X');
}

}  // namespace
