// Strings as a host holds them, for the native and the Wine tests: the header the framework's
// string class keeps before its characters, and a block with a negative count (a host's
// locked buffer or its own empty string) that a string object can point at without the string
// class ever owning, counting or freeing it.
#pragma once

#include <cstdlib>
#include <cstring>

#include "framework/afxstr.h"

struct StringHeader {
    long refs;
    int length, capacity;
};

inline const StringHeader& HeaderOf(const CString& s) {
    return *reinterpret_cast<const StringHeader*>(static_cast<const char*>(s) - sizeof(StringHeader));
}

// Points `s` at `chars` as a host's field would, past the string class.
inline void PointAt(CString& s, const char* chars) { std::memcpy(static_cast<void*>(&s), &chars, sizeof chars); }

class LockedBlock {
public:
    explicit LockedBlock(const char* text) {
        const int n = static_cast<int>(std::strlen(text));
        header = static_cast<StringHeader*>(std::malloc(sizeof(StringHeader) + n + 1));
        *header = StringHeader{-1, n, n};
        std::memcpy(chars(), text, n + 1);
    }
    ~LockedBlock() { std::free(header); }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;

    char* chars() { return reinterpret_cast<char*>(header + 1); }
    void PutInto(CString& s) { PointAt(s, chars()); }
    // Before `s` is destroyed: if it still points at the block, it is pointed at an empty string.
    void TakeBackFrom(CString& s) {
        if (static_cast<const char*>(s) == chars()) PointAt(s, CString());
    }

    StringHeader* header;
};
