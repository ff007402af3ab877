// Dorn.dll, the host installation's core library (plain C, stdcall): the integer settings and
// the text attribute dialog, as this module calls them. The stand-in in standin/Dorn builds
// against the same declarations.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

// What TQ_TextAttribDlg edits. The caller fills the LOGFONTA, clears the flag and the spacing
// and sets the five values from 72 on as the dialog expects them; bytes 0 to 3 are the
// library's and the caller leaves them alone.
struct TextAttribRecord {
    unsigned char reserved0[4];
    LOGFONTA lfFont;
    uint8_t bForeignFace;   // nonzero: the face has no font code of the library
    unsigned char pad65[3];
    float fCharSpace;       // character spacing, set by the dialog
    float fValue72;         // 1.0
    float fValue76;         // 6.0
    float fValue80;         // 7.0
    int32_t nValue84;       // 0
    float fValue88;         // 1.0
};

static_assert(sizeof(TextAttribRecord) == 92, "record the library reads and writes");
static_assert(offsetof(TextAttribRecord, lfFont) == 4);
static_assert(offsetof(TextAttribRecord, bForeignFace) == 64);
static_assert(offsetof(TextAttribRecord, fCharSpace) == 68);
static_assert(offsetof(TextAttribRecord, fValue72) == 72);
static_assert(offsetof(TextAttribRecord, nValue84) == 84);
static_assert(offsetof(TextAttribRecord, fValue88) == 88);

namespace dorn {

// The library's exports: the integer settings by ordinal only, the dialog by name.
constexpr WORD kGetIntOrdinal = 621;
constexpr WORD kSetIntOrdinal = 622;
constexpr char kTextAttribDlgName[] = "TQ_TextAttribDlg";
constexpr wchar_t kLibraryName[] = L"Dorn.dll";

// Integer settings the module exchanges.
constexpr int kSettingFontSize = 7;     // hundredths
constexpr int kSettingCharSpace = 8;    // hundredths
constexpr int kSettingFontCode = 10;

using GetIntFn = int(WINAPI*)(int index);
using SetIntFn = int(WINAPI*)(int index, int value);
// The result is a one-byte bool: only AL is meaningful.
using TextAttribDlgFn = bool(WINAPI*)(TextAttribRecord* record, HWND owner);

struct Library {
    GetIntFn getInt;
    SetIntFn setInt;
    TextAttribDlgFn textAttribDlg;
};

// The library, loaded on first use (the module does not import it, so it loads without it).
// Null while Dorn.dll or one of its three functions cannot be found.
const Library* Load();

}  // namespace dorn
