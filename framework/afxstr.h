// Framework strings shared with the host.
//
// Host and module exchange CString and CStringArray objects by pointer, so both must agree on
// their memory layout and on who frees what:
//   CString      one pointer to the characters; a header {long refs; int length; int capacity}
//                stands directly before them. The empty string points at a static header whose
//                reference count is -1 (never freed).
//   CStringArray {vtable pointer, element pointer, size, max size, grow-by}.
// All string memory comes from the C runtime's malloc/free, which host and module share, so a
// string allocated on one side may be released on the other. The module only reads a host's
// array (size and elements), never calls its virtual functions.
//
// Characters are GBK bytes (code page 936); the window layer converts at the control boundary.
// No Windows headers here: native tests use these classes as they are.
#pragma once

#include <cstddef>

struct CStringData {
    long nRefs;        // -1: the shared empty string, never freed
    int nDataLength;   // characters in use, not counting the NUL
    int nAllocLength;  // capacity, not counting the NUL
    char* data() { return reinterpret_cast<char*>(this + 1); }
};

class CString {
public:
    CString();
    CString(const CString& other);
    CString(const char* psz);
    CString(const char* pch, int length);
    ~CString();

    // Shares the other string's buffer when its count is 0 or more; copies the text when the
    // count is negative (an empty string, a locked buffer), whose count is never changed.
    // Assigning an empty string releases what this string held and leaves it empty.
    CString& operator=(const CString& other);
    CString& operator=(const char* psz);
    CString& operator+=(const char* psz);
    CString& operator+=(const CString& other) { return *this += other.m_pchData; }
    CString& operator+=(char ch);

    int GetLength() const { return GetData()->nDataLength; }
    bool IsEmpty() const { return GetLength() == 0; }
    void Empty();
    char GetAt(int index) const { return m_pchData[index]; }
    operator const char*() const { return m_pchData; }
    const char* c_str() const { return m_pchData; }

    CString Left(int count) const;
    CString Mid(int first) const;

    bool operator==(const char* psz) const;
    bool operator!=(const char* psz) const { return !(*this == psz); }

    // Direct buffer access, as callers of Win32 APIs expect: GetBuffer gives room for at least
    // minLength characters plus the NUL; ReleaseBuffer fixes the length (-1: up to the NUL).
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

private:
    CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pchData) - 1; }
    void AssignCopy(const char* pch, int length);
    void Release();
    void AllocBuffer(int length);
    void CopyBeforeWrite();

    char* m_pchData;  // the only member: the layout the host relies on
};

static_assert(sizeof(CString) == sizeof(void*), "CString is one pointer");

class CStringArray {
public:
    CStringArray();
    virtual ~CStringArray();

    CStringArray(const CStringArray&) = delete;
    CStringArray& operator=(const CStringArray&) = delete;

    // Read-only access never goes through the vtable: the module reads the host's arrays.
    int GetSize() const { return m_nSize; }
    int GetCount() const { return m_nSize; }
    const CString& GetAt(int index) const { return m_pData[index]; }
    const CString& operator[](int index) const { return m_pData[index]; }

    void SetSize(int newSize, int growBy = -1);
    int Add(const char* psz);
    void RemoveAll() { SetSize(0); }

private:
    CString* m_pData;
    int m_nSize;
    int m_nMaxSize;
    int m_nGrowBy;
};

static_assert(sizeof(void*) != 4 || sizeof(CStringArray) == 20,
              "CStringArray is {vtable, data, size, max size, grow-by}");
static_assert(offsetof(CStringData, nDataLength) == sizeof(long), "header layout");
