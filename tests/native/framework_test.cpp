// Framework strings as the host sees them, and the GBK field rules.
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstring>
#include <string>

#include "framework/afxstr.h"
#include "framework/gbk.h"

namespace {

struct Header {
    long refs;
    int length;
    int capacity;
};
const Header& HeaderOf(const CString& s) {
    const char* chars = s;
    return *reinterpret_cast<const Header*>(chars - sizeof(Header));
}

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
