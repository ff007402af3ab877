// Framework strings as the host sees them, and the GBK field rules.
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdlib>
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

const char* Ptr(const CString& s) { return s; }

TEST(CString, LayoutSharingAndSubstrings) {
    const long before = g_liveBlocks;
    {
        CString s("abc");
        ASSERT_EQ(sizeof s, sizeof(void*));
        const StringHeader& h = HeaderOf(s);
        EXPECT_TRUE(h.refs == 1 && h.length == 3 && h.capacity >= 3) << h.refs << " " << h.length << " " << h.capacity;
        // The other side frees with the runtime's free(): the header must be the malloc block.
        EXPECT_GE(malloc_usable_size(const_cast<StringHeader*>(&h)), sizeof(StringHeader) + 4);

        CString empty, other;
        EXPECT_TRUE(HeaderOf(empty).refs == -1 && Ptr(empty) == Ptr(other)) << "one shared empty string";
        CString b(s);
        EXPECT_TRUE(Ptr(s) == Ptr(b) && HeaderOf(s).refs == 2);
        b += "!";
        EXPECT_TRUE(std::strcmp(s, "abc") == 0 && std::strcmp(b, "abc!") == 0 && HeaderOf(s).refs == 1);
        s = s.c_str() + 1;  // assigning from its own buffer
        EXPECT_STREQ(s, "bc");
        s = "";
        EXPECT_EQ(HeaderOf(s).refs, -1);

        CString hw("hello world");
        EXPECT_TRUE(hw.Left(5) == "hello" && hw.Mid(6) == "world" && hw.Mid(40) == "");
        hw = hw;
        EXPECT_TRUE(hw == "hello world" && HeaderOf(hw).refs == 1) << "self-assignment";

        // Copy construction copies a negative count as assignment does.
        LockedBlock locked("locked");
        CString host;
        locked.PutInto(host);
        CString copy(host);
        EXPECT_TRUE(copy == "locked" && Ptr(copy) != locked.chars() && HeaderOf(copy).refs == 1);
        host = host;
        EXPECT_EQ(locked.header->refs, -1);
        locked.TakeBackFrom(host);
    }
    EXPECT_EQ(g_liveBlocks, before) << "every buffer freed exactly once";
}

enum class Kind { Empty, Owned, Shared, Negative, NegativeEmpty };

// The string under test, one more reference when shared, a block for negative counts.
struct Holder {
    CString s, extra;
    std::unique_ptr<LockedBlock> block;
    Holder(Kind kind, const char* text) {
        if (kind == Kind::Owned || kind == Kind::Shared) s = text;
        if (kind == Kind::Shared) extra = s;
        if (kind >= Kind::Negative) block.reset(new LockedBlock(kind == Kind::Negative ? text : "")), block->PutInto(s);
    }
    ~Holder() { if (block) block->TakeBackFrom(s); }
};

TEST(CString, AssignmentTable) {
    using K = Kind;
    // The source's count after the assignment; whether the target points at the source's characters.
    const struct { Kind target, source; const char* sourceText; long sourceRefsAfter; bool shares; } cases[] = {
        {K::Owned, K::Empty, "", -1, true},           {K::Shared, K::Empty, "", -1, true},
        {K::Negative, K::Empty, "", -1, true},        {K::Empty, K::Owned, "new", 2, true},
        {K::Owned, K::Owned, "new", 2, true},         {K::Negative, K::Owned, "new", 2, true},
        {K::Owned, K::Shared, "both", 3, true},       {K::Empty, K::Negative, "locked", -1, false},
        {K::Owned, K::Negative, "locked", -1, false}, {K::Shared, K::Negative, "locked", -1, false},
        {K::Negative, K::Negative, "locked", -1, false}, {K::Owned, K::NegativeEmpty, "", -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const long before = g_liveBlocks;
        {
            const char* old = "old text that is long";
            Holder target(c.target, old), source(c.source, c.sourceText);
            const char* oldChars = target.s;
            const long oldTargetRefs = HeaderOf(target.s).refs;
            target.s = source.s;
            EXPECT_STREQ(target.s, c.sourceText);
            EXPECT_EQ(target.s.GetLength(), static_cast<int>(std::strlen(c.sourceText)));
            EXPECT_EQ(HeaderOf(source.s).refs, c.sourceRefsAfter);
            EXPECT_EQ(Ptr(target.s) == Ptr(source.s), c.shares);
            if (c.target == Kind::Negative) {
                EXPECT_TRUE(target.block->header->refs == -1 && std::strcmp(target.block->chars(), old) == 0)
                    << "a locked buffer is never counted nor written";
            }
            if (c.target == Kind::Shared) { EXPECT_STREQ(target.extra, old); }
            if (*c.sourceText == 0 && oldTargetRefs > 0) { EXPECT_NE(Ptr(target.s), oldChars); }
            // Whatever it holds now, the target can be changed without touching the source.
            target.s += "!";
            EXPECT_STREQ(source.s, c.sourceText);
        }
        EXPECT_EQ(g_liveBlocks, before) << "every buffer freed exactly once";
    }
}

TEST(CString, BufferTable) {
    // `write`: what the caller puts into the buffer (with its NUL); `release`: ReleaseBuffer's argument.
    const struct { const char* start; bool shared; int room; const char* write; int release; const char* expect; } cases[] = {
        {"hello world", false, 0, nullptr, 5, "hello"}, {"hello world", true, 0, nullptr, 5, "hello"},
        {"hello world", true, 40, "abc", -1, "abc"},    {"abc", false, 10, "abcdefgh", 4, "abcd"},
        {"", false, 8, "xyz", -1, "xyz"},               {"abc", true, 2, nullptr, 0, ""},
        {"abc", false, 3, nullptr, 99, "abc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const long before = g_liveBlocks;
        {
            CString s(c.start), other;
            if (c.shared) other = s;
            char* buf = s.GetBuffer(c.room);
            ASSERT_NE(buf, nullptr);
            if (c.write) std::strcpy(buf, c.write);
            s.ReleaseBuffer(c.release);
            EXPECT_STREQ(s, c.expect);
            EXPECT_EQ(s.GetLength(), static_cast<int>(std::strlen(c.expect)));
            EXPECT_EQ(s.c_str()[s.GetLength()], 0);
            if (c.shared) { EXPECT_STREQ(other, c.start) << "the shared copy is not touched"; }
        }
        EXPECT_EQ(g_liveBlocks, before);
    }
    // A buffer filled to its end with no NUL: the length stops at the capacity.
    CString s;
    char* buf = s.GetBuffer(6);
    const int capacity = HeaderOf(s).capacity;
    std::memset(buf, 'z', capacity + 1);
    s.ReleaseBuffer();
    EXPECT_TRUE(s.GetLength() == capacity && s.c_str()[capacity] == 0) << s.GetLength() << " of " << capacity;
}

TEST(CStringArray, LayoutIsVtableDataSizeMaxGrowBy) {
    CStringArray a;
    for (const char* s : {"one", "two", "three"}) a.Add(s);
    struct { void* vtable; CString* data; int size, maxSize, growBy; } raw;
    std::memcpy(&raw, &a, sizeof raw);
    EXPECT_TRUE(raw.vtable && raw.size == 3 && raw.maxSize >= 3 && raw.data[2] == "three" && a[1] == "two");
    for (int i = 0; i < 100; ++i) a.Add("more");
    EXPECT_TRUE(a.GetSize() == 103 && a.GetAt(0) == "one" && a.GetAt(102) == "more");
}

TEST(Gbk, FieldsAndCutsKeepDoubleByteCharactersWhole) {
    // A field without its NUL is read to the field's end.
    char field[8] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
    EXPECT_TRUE(gbk::FieldLength(field, 8) == 8u && gbk::FromField(field, 8) == "abcdefgh");
    field[3] = 0;
    EXPECT_EQ(gbk::FromField(field, 8), "abc");

    const std::string mixed = "a\xBC\xD3\xB9\xA4z";  // a 加 工 z
    for (auto [max, cut] : {std::pair<size_t, size_t>{2, 1}, {3, 3}, {4, 3}, {99, 6}})
        EXPECT_EQ(gbk::CutLength(mixed.data(), mixed.size(), max), cut) << max;
    EXPECT_EQ(gbk::CutLength("ab\xBC", 3, 10), 2u) << "a lead byte without its trail byte at the end is dropped";
    std::memset(field, 'X', sizeof field);
    gbk::ToField(field, 5, mixed);  // room for 4 bytes: "a加" and the NUL
    EXPECT_TRUE(std::strcmp(field, "a\xBC\xD3") == 0 && field[5] == 'X');
}

}  // namespace
