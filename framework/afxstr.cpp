#include "framework/afxstr.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {
// The shared empty string: reference count -1, so neither side ever frees it.
struct EmptyString {
    CStringData header{-1, 0, 0};
    char nul = 0;
};
EmptyString g_empty;
char* EmptyChars() { return g_empty.header.data(); }
}  // namespace

CString::CString() : m_pchData(EmptyChars()) {}

CString::CString(const CString& other) : m_pchData(EmptyChars()) {
    if (other.GetData()->nRefs >= 0) {
        m_pchData = other.m_pchData;
        ++GetData()->nRefs;
    } else {
        // A negative count (an empty string, a locked buffer) is never shared: copy the text.
        AssignCopy(other.m_pchData, other.GetLength());
    }
}

CString::CString(const char* psz) : m_pchData(EmptyChars()) {
    if (psz) AssignCopy(psz, static_cast<int>(std::strlen(psz)));
}

CString::CString(const char* pch, int length) : m_pchData(EmptyChars()) {
    if (pch && length > 0) AssignCopy(pch, length);
}

CString::~CString() { Release(); }

void CString::AllocBuffer(int length) {
    if (length <= 0) {
        m_pchData = EmptyChars();
        return;
    }
    auto* data = static_cast<CStringData*>(std::malloc(sizeof(CStringData) + length + 1));
    if (!data) throw std::bad_alloc();
    data->nRefs = 1;
    data->nDataLength = length;
    data->nAllocLength = length;
    data->data()[length] = 0;
    m_pchData = data->data();
}

void CString::Release() {
    CStringData* data = GetData();
    if (data != &g_empty.header && data->nRefs > 0 && --data->nRefs == 0) std::free(data);
    m_pchData = EmptyChars();
}

void CString::AssignCopy(const char* pch, int length) {
    if (length <= 0) {
        Release();  // frees a buffer this string owned alone; leaves a negative count alone
        return;
    }
    CStringData* data = GetData();
    if (data->nRefs > 1 || data->nRefs < 0 || length > data->nAllocLength) {
        Release();
        AllocBuffer(length);
    }
    std::memmove(m_pchData, pch, length);
    GetData()->nDataLength = length;
    m_pchData[length] = 0;
}

CString& CString::operator=(const CString& other) {
    if (m_pchData == other.m_pchData) return *this;
    // This string's own count does not matter: a negative one is left as it is by Release, and
    // a locked buffer is never written into.
    if (other.GetData()->nRefs < 0) {
        AssignCopy(other.m_pchData, other.GetLength());
    } else {
        Release();
        m_pchData = other.m_pchData;
        ++GetData()->nRefs;
    }
    return *this;
}

CString& CString::operator=(const char* psz) {
    if (!psz || !*psz) {
        Empty();
    } else {
        // psz may point into this string's own buffer.
        CString copy(psz);
        *this = copy;
    }
    return *this;
}

CString& CString::operator+=(const char* psz) {
    if (!psz || !*psz) return *this;
    const int add = static_cast<int>(std::strlen(psz));
    const int old = GetLength();
    CString joined;
    joined.AllocBuffer(old + add);
    std::memcpy(joined.m_pchData, m_pchData, old);
    std::memcpy(joined.m_pchData + old, psz, add);
    *this = joined;
    return *this;
}

CString& CString::operator+=(char ch) {
    const char two[2] = {ch, 0};
    return *this += two;
}

void CString::Empty() { Release(); }

CString CString::Left(int count) const {
    if (count < 0) count = 0;
    if (count >= GetLength()) return *this;
    return CString(m_pchData, count);
}

CString CString::Mid(int first) const {
    if (first < 0) first = 0;
    if (first >= GetLength()) return CString();
    return CString(m_pchData + first, GetLength() - first);
}

bool CString::operator==(const char* psz) const {
    return std::strcmp(m_pchData, psz ? psz : "") == 0;
}

void CString::CopyBeforeWrite() {
    if (GetData()->nRefs > 1) {
        CString copy(m_pchData, GetLength());
        Release();
        m_pchData = copy.m_pchData;
        copy.m_pchData = EmptyChars();
    }
}

char* CString::GetBuffer(int minLength) {
    if (GetData()->nRefs > 1 || GetData()->nRefs < 0 || minLength > GetData()->nAllocLength) {
        const int keep = GetLength();
        CString grown;
        grown.AllocBuffer(minLength > keep ? minLength : keep);
        if (grown.GetData()->nRefs < 0) return m_pchData;  // minLength 0 on the empty string
        std::memcpy(grown.m_pchData, m_pchData, keep + 1);
        grown.GetData()->nDataLength = keep;
        Release();
        m_pchData = grown.m_pchData;
        grown.m_pchData = EmptyChars();
    }
    return m_pchData;
}

void CString::ReleaseBuffer(int newLength) {
    CopyBeforeWrite();
    if (GetData()->nRefs < 0) return;
    const int capacity = GetData()->nAllocLength;
    if (newLength < 0) {
        // Up to the NUL the caller wrote, never past the buffer when it wrote none.
        const void* nul = std::memchr(m_pchData, 0, static_cast<std::size_t>(capacity) + 1);
        newLength = nul ? static_cast<int>(static_cast<const char*>(nul) - m_pchData) : capacity;
    }
    if (newLength > capacity) newLength = capacity;
    GetData()->nDataLength = newLength;
    m_pchData[newLength] = 0;
}

// ---- CStringArray ----

CStringArray::CStringArray() : m_pData(nullptr), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}

CStringArray::~CStringArray() { SetSize(0); }

void CStringArray::SetSize(int newSize, int growBy) {
    if (growBy >= 0) m_nGrowBy = growBy;
    if (newSize <= 0) {
        for (int i = 0; i < m_nSize; ++i) m_pData[i].~CString();
        std::free(m_pData);
        m_pData = nullptr;
        m_nSize = m_nMaxSize = 0;
        return;
    }
    if (newSize <= m_nMaxSize) {
        for (int i = newSize; i < m_nSize; ++i) m_pData[i].~CString();
        for (int i = m_nSize; i < newSize; ++i) new (&m_pData[i]) CString;
        m_nSize = newSize;
        return;
    }
    int grow = m_nGrowBy;
    if (grow <= 0) {
        grow = m_nSize / 8;
        grow = grow < 4 ? 4 : (grow > 1024 ? 1024 : grow);
    }
    int newMax = m_nMaxSize + grow;
    if (newMax < newSize) newMax = newSize;
    auto* grown = static_cast<CString*>(std::malloc(sizeof(CString) * newMax));
    if (!grown) throw std::bad_alloc();
    // CString is a single pointer: moving one bitwise keeps its reference.
    if (m_nSize) std::memcpy(static_cast<void*>(grown), m_pData, sizeof(CString) * m_nSize);
    for (int i = m_nSize; i < newSize; ++i) new (&grown[i]) CString;
    std::free(m_pData);
    m_pData = grown;
    m_nSize = newSize;
    m_nMaxSize = newMax;
}

int CStringArray::Add(const char* psz) {
    const int index = m_nSize;
    SetSize(index + 1);
    m_pData[index] = psz;
    return index;
}
