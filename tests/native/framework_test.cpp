// Framework strings as the host sees them, and the GBK field rules.
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/afxstr.h"
#include "framework/gbk.h"
#include "tests/host_strings.h"

namespace {

using Header = StringHeader;

TEST(CString, HeaderStandsBeforeTheCharactersAndIsOneMallocBlock) {
    CString s("abc");
    ASSERT_EQ(sizeof s, sizeof(void*));
    const Header& h = HeaderOf(s);
    EXPECT_EQ(h.refs, 1);
    EXPECT_EQ(h.length, 3);
    EXPECT_GE(h.capacity, 3);
    EXPECT_EQ(std::strcmp(s, "abc"), 0);
    // The other side frees with the runtime's free(): the header must be the malloc block.
    EXPECT_GE(malloc_usable_size(const_cast<Header*>(&h)), sizeof(Header) + 4);
}

TEST(CString, EmptyIsSharedAndLockedCopiesShareUntilWritten) {
    CString empty, other;
    EXPECT_EQ(HeaderOf(empty).refs, -1);
    EXPECT_EQ(static_cast<const char*>(empty), static_cast<const char*>(other));

    CString a("xyz");
    CString b(a);
    EXPECT_EQ(static_cast<const char*>(a), static_cast<const char*>(b));
    EXPECT_EQ(HeaderOf(a).refs, 2);
    b += "!";
    EXPECT_STREQ(a, "xyz");
    EXPECT_STREQ(b, "xyz!");
    EXPECT_EQ(HeaderOf(a).refs, 1);

    a = a.c_str() + 1;  // assigning from its own buffer
    EXPECT_STREQ(a, "yz");
    a = "";
    EXPECT_EQ(HeaderOf(a).refs, -1);
}

TEST(CString, BufferAccessAndSubstrings) {
    CString s("hello world");
    EXPECT_STREQ(s.Left(5), "hello");
    EXPECT_STREQ(s.Mid(6), "world");
    EXPECT_STREQ(s.Mid(40), "");
    CString t(s);
    char* buf = t.GetBuffer(40);
    std::strcpy(buf, "rewritten");
    t.ReleaseBuffer();
    EXPECT_STREQ(t, "rewritten");
    EXPECT_EQ(t.GetLength(), 9);
    EXPECT_STREQ(s, "hello world");  // the shared copy was not touched
}

// ---- assignment and buffer contract, as the host's record strings rely on it

}  // namespace

// Live blocks of the C runtime heap, counted at malloc and free (the only calls the string
// class makes), so a leak or a second free shows as a wrong count.
extern "C" void* __libc_malloc(std::size_t);
extern "C" void __libc_free(void*);
static long g_liveBlocks = 0;
extern "C" void* malloc(std::size_t n) {
    void* p = __libc_malloc(n);
    if (p) ++g_liveBlocks;
    return p;
}
extern "C" void free(void* p) {
    if (p) --g_liveBlocks;
    __libc_free(p);
}

namespace {

long HeapInUse() { return g_liveBlocks; }

enum class Kind { Empty, Owned, Shared, Negative, NegativeEmpty };

struct Holder {
    // The string under test, one more reference when shared, a block for negative counts.
    CString s;
    CString extra;
    LockedBlock* block = nullptr;
    Holder(Kind kind, const char* text) {
        switch (kind) {
            case Kind::Empty: break;
            case Kind::Owned: s = text; break;
            case Kind::Shared: s = text; extra = s; break;
            case Kind::Negative: block = new LockedBlock(text); block->PutInto(s); break;
            case Kind::NegativeEmpty: block = new LockedBlock(""); block->PutInto(s); break;
        }
    }
    ~Holder() {
        if (block) block->TakeBackFrom(s);
        delete block;
    }
};

TEST(CString, AssignmentTable) {
    struct Case {
        Kind target;
        Kind source;
        const char* sourceText;
        long sourceRefsAfter;  // the source's count after the assignment
        bool shares;           // target points at the source's characters
    };
    const Case cases[] = {
        {Kind::Owned, Kind::Empty, "", -1, true},
        {Kind::Shared, Kind::Empty, "", -1, true},
        {Kind::Negative, Kind::Empty, "", -1, true},
        {Kind::Empty, Kind::Owned, "new", 2, true},
        {Kind::Owned, Kind::Owned, "new", 2, true},
        {Kind::Negative, Kind::Owned, "new", 2, true},
        {Kind::Owned, Kind::Shared, "both", 3, true},
        {Kind::Empty, Kind::Negative, "locked", -1, false},
        {Kind::Owned, Kind::Negative, "locked", -1, false},
        {Kind::Shared, Kind::Negative, "locked", -1, false},
        {Kind::Negative, Kind::Negative, "locked", -1, false},
        {Kind::Owned, Kind::NegativeEmpty, "", -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        const long before = HeapInUse();
        {
            Holder target(c.target, "old text that is long");
            Holder source(c.source, c.sourceText);
            const char* oldChars = target.s;
            const long oldTargetRefs = HeaderOf(target.s).refs;
            target.s = source.s;
            EXPECT_STREQ(target.s, c.sourceText);
            EXPECT_EQ(target.s.GetLength(), static_cast<int>(std::strlen(c.sourceText)));
            EXPECT_EQ(HeaderOf(source.s).refs, c.sourceRefsAfter);
            EXPECT_EQ(static_cast<const char*>(target.s) == static_cast<const char*>(source.s), c.shares);
            if (c.target == Kind::Negative) {
                EXPECT_EQ(target.block->header->refs, -1) << "a negative count is never changed";
                EXPECT_STREQ(target.block->chars(), "old text that is long") << "a locked buffer is not written";
            }
            if (c.target == Kind::Shared) { EXPECT_STREQ(target.extra, "old text that is long"); }
            if (*c.sourceText == 0 && oldTargetRefs > 0) { EXPECT_NE(static_cast<const char*>(target.s), oldChars); }
            // Whatever it holds now, the target can be changed without touching the source.
            target.s += "!";
            EXPECT_STREQ(source.s, c.sourceText);
        }
        EXPECT_EQ(HeapInUse(), before) << "every buffer freed exactly once";
    }
}

TEST(CString, SelfAssignmentAndCopiesOfNegativeCounts) {
    const long before = HeapInUse();
    {
        CString a("self");
        a = a;
        EXPECT_STREQ(a, "self");
        EXPECT_EQ(HeaderOf(a).refs, 1);

        LockedBlock locked("locked");
        CString host;
        locked.PutInto(host);
        CString copy(host);  // copy construction copies as assignment does
        EXPECT_STREQ(copy, "locked");
        EXPECT_NE(static_cast<const char*>(copy), locked.chars());
        EXPECT_EQ(HeaderOf(copy).refs, 1);
        host = host;
        EXPECT_EQ(locked.header->refs, -1);
        locked.TakeBackFrom(host);
    }
    EXPECT_EQ(HeapInUse(), before);
}

TEST(CString, BufferTable) {
    struct Case {
        const char* start;
        bool shared;
        int room;
        const char* write;  // what the caller puts into the buffer (with its NUL)
        int release;        // ReleaseBuffer argument
        const char* expect;
    };
    const Case cases[] = {
        {"hello world", false, 0, nullptr, 5, "hello"},
        {"hello world", true, 0, nullptr, 5, "hello"},
        {"hello world", false, 40, "abc", -1, "abc"},
        {"abc", false, 10, "abcdefgh", 4, "abcd"},
        {"", false, 8, "xyz", -1, "xyz"},
        {"abc", true, 2, nullptr, 0, ""},
        {"abc", false, 3, nullptr, 99, "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        const long before = HeapInUse();
        {
            CString s(c.start);
            CString other;
            if (c.shared) other = s;
            char* buf = s.GetBuffer(c.room);
            ASSERT_NE(buf, nullptr);
            if (c.write) std::strcpy(buf, c.write);
            s.ReleaseBuffer(c.release);
            EXPECT_STREQ(s, c.expect);
            EXPECT_EQ(s.GetLength(), static_cast<int>(std::strlen(c.expect)));
            EXPECT_EQ(s.c_str()[s.GetLength()], 0);
            if (c.shared) { EXPECT_STREQ(other, c.start); }
        }
        EXPECT_EQ(HeapInUse(), before);
    }
    // A buffer filled to its end with no NUL: the length stops at the capacity.
    CString s;
    char* buf = s.GetBuffer(6);
    const int capacity = HeaderOf(s).capacity;
    std::memset(buf, 'z', capacity + 1);
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), capacity);
    EXPECT_EQ(s.c_str()[capacity], 0);
}

TEST(CStringArray, LayoutIsVtableDataSizeMaxGrowBy) {
    CStringArray a;
    a.Add("one");
    a.Add("two");
    a.Add("three");
    struct Raw {
        void* vtable;
        CString* data;
        int size;
        int maxSize;
        int growBy;
    };
    Raw raw;
    std::memcpy(&raw, &a, sizeof raw);
    EXPECT_NE(raw.vtable, nullptr);
    EXPECT_EQ(raw.size, 3);
    EXPECT_GE(raw.maxSize, 3);
    EXPECT_STREQ(raw.data[2], "three");
    EXPECT_EQ(a.GetSize(), 3);
    EXPECT_STREQ(a[1], "two");
    for (int i = 0; i < 100; ++i) a.Add("more");
    EXPECT_EQ(a.GetSize(), 103);
    EXPECT_STREQ(a.GetAt(0), "one");
    EXPECT_STREQ(a.GetAt(102), "more");
}

TEST(Gbk, FieldsWithoutTheirNulAreReadToTheFieldEnd) {
    char field[8] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
    EXPECT_EQ(gbk::FieldLength(field, sizeof field), 8u);
    EXPECT_EQ(gbk::FromField(field, sizeof field), "abcdefgh");
    field[3] = 0;
    EXPECT_EQ(gbk::FromField(field, sizeof field), "abc");
}

TEST(Gbk, CutsKeepDoubleByteCharactersWhole) {
    const std::string mixed = "a\xBC\xD3\xB9\xA4z";  // a 加 工 z
    EXPECT_EQ(gbk::CutLength(mixed.data(), mixed.size(), 2), 1u);
    EXPECT_EQ(gbk::CutLength(mixed.data(), mixed.size(), 3), 3u);
    EXPECT_EQ(gbk::CutLength(mixed.data(), mixed.size(), 4), 3u);
    EXPECT_EQ(gbk::CutLength(mixed.data(), mixed.size(), 99), mixed.size());
    // A lead byte without its trail byte at the end is dropped.
    EXPECT_EQ(gbk::CutLength("ab\xBC", 3, 10), 2u);

    char field[6];
    std::memset(field, 'X', sizeof field);
    gbk::ToField(field, 5, mixed);  // room for 4 bytes: "a加" and the NUL
    EXPECT_STREQ(field, "a\xBC\xD3");
    EXPECT_EQ(field[5], 'X');
}

}  // namespace
