// Stand-in for Dorn.dll: the integer settings kept in the process and a text attribute dialog
// on the system's fonts. Plain Win32; records cross as GBK (code page 936).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "inhouse/Dorn.h"
#include "standin/Dorn/Dorn_res.h"

namespace {

HINSTANCE g_instance = nullptr;

constexpr int kSettingCount = 64;
int g_settings[kSettingCount] = {};

// The library's own font codes: faces it can draw with its own outlines. Any other face comes
// back with the flag set and no code.
const wchar_t* const kCodedFaces[] = {L"宋体", L"仿宋", L"黑体", L"楷体", L"隶书", L"幼圆",
                                      L"Arial", L"Times New Roman"};
constexpr int kCodedFaceCount = static_cast<int>(sizeof kCodedFaces / sizeof kCodedFaces[0]);

int CodeOfFace(const std::wstring& face) {
    for (int i = 0; i < kCodedFaceCount; ++i)
        if (face == kCodedFaces[i]) return i;
    return -1;
}

struct Face {
    std::wstring name;
    BYTE charset;
};

int CALLBACK CollectFace(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM lp) {
    auto* list = reinterpret_cast<std::vector<Face>*>(lp);
    if (lf->lfFaceName[0] == L'@') return 1;
    for (Face& f : *list)
        if (f.name == lf->lfFaceName) {
            if (lf->lfCharSet == GB2312_CHARSET) f.charset = GB2312_CHARSET;
            return 1;
        }
    list->push_back({lf->lfFaceName, lf->lfCharSet});
    return 1;
}

// The system's font families, Chinese faces first, each group in name order. Vertical
// variants ("@宋体") are left out.
std::vector<Face> SystemFaces() {
    std::vector<Face> faces;
    HDC dc = GetDC(nullptr);
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &query, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
    ReleaseDC(nullptr, dc);
    std::stable_sort(faces.begin(), faces.end(), [](const Face& a, const Face& b) {
        const bool ca = a.charset == GB2312_CHARSET, cb = b.charset == GB2312_CHARSET;
        if (ca != cb) return ca;
        return a.name < b.name;
    });
    return faces;
}

std::wstring Wide(const char* gbk, int length) {
    const int n = MultiByteToWideChar(936, 0, gbk, length, nullptr, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(936, 0, gbk, length, w.data(), n);
    return w;
}

std::wstring ItemString(HWND dlg, int id) {
    wchar_t buf[128] = {};
    GetDlgItemTextW(dlg, id, buf, 128);
    return buf;
}

struct DialogState {
    TextAttribRecord* record;
    std::vector<Face> faces;
};

void Load(HWND dlg, DialogState& s) {
    const LOGFONTA& lf = s.record->lfFont;
    const std::wstring current = Wide(lf.lfFaceName, static_cast<int>(strnlen(lf.lfFaceName, LF_FACESIZE)));
    HWND combo = GetDlgItem(dlg, IDC_ATTRIB_FACE);
    int selected = -1;
    for (std::size_t i = 0; i < s.faces.size(); ++i) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.faces[i].name.c_str()));
        if (s.faces[i].name == current) selected = static_cast<int>(i);
    }
    SendMessageW(combo, CB_SETCURSEL, selected < 0 ? 0 : selected, 0);
    SetDlgItemInt(dlg, IDC_ATTRIB_HEIGHT, static_cast<UINT>(std::abs(lf.lfHeight)), FALSE);
    CheckDlgButton(dlg, IDC_ATTRIB_BOLD, lf.lfWeight >= FW_BOLD ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dlg, IDC_ATTRIB_ITALIC, lf.lfItalic ? BST_CHECKED : BST_UNCHECKED);
    // The caller leaves the spacing it knows in setting 8, in hundredths.
    wchar_t spacing[32];
    swprintf(spacing, 32, L"%g", g_settings[dorn::kSettingCharSpace] / 100.0);
    SetDlgItemTextW(dlg, IDC_ATTRIB_SPACING, spacing);
}

void Store(HWND dlg, DialogState& s) {
    TextAttribRecord& r = *s.record;
    const int pick = static_cast<int>(SendDlgItemMessageW(dlg, IDC_ATTRIB_FACE, CB_GETCURSEL, 0, 0));
    if (pick >= 0 && pick < static_cast<int>(s.faces.size())) {
        const Face& face = s.faces[pick];
        char gbk[LF_FACESIZE] = {};
        WideCharToMultiByte(936, 0, face.name.c_str(), -1, gbk, LF_FACESIZE - 1, nullptr, nullptr);
        std::memcpy(r.lfFont.lfFaceName, gbk, LF_FACESIZE);
        r.lfFont.lfCharSet = face.charset;
        const int code = CodeOfFace(face.name);
        r.bForeignFace = code < 0 ? 1 : 0;
        if (code >= 0) g_settings[dorn::kSettingFontCode] = code;
    }
    BOOL good = FALSE;
    const UINT height = GetDlgItemInt(dlg, IDC_ATTRIB_HEIGHT, &good, FALSE);
    if (good) r.lfFont.lfHeight = -static_cast<LONG>(height);
    r.lfFont.lfWeight = IsDlgButtonChecked(dlg, IDC_ATTRIB_BOLD) ? FW_BOLD : FW_NORMAL;
    r.lfFont.lfItalic = IsDlgButtonChecked(dlg, IDC_ATTRIB_ITALIC) ? 1 : 0;
    float spacing = 0.0f;
    if (swscanf(ItemString(dlg, IDC_ATTRIB_SPACING).c_str(), L"%f", &spacing) == 1) r.fCharSpace = spacing;
}

INT_PTR CALLBACK AttribProc(HWND dlg, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* s = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dlg, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dlg, DWLP_USER, lParam);
        Load(dlg, *reinterpret_cast<DialogState*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            Store(dlg, *s);
            EndDialog(dlg, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dlg, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

extern "C" {

int WINAPI TQ_GetIntSetting(int index) {
    return index >= 0 && index < kSettingCount ? g_settings[index] : 0;
}

int WINAPI TQ_SetIntSetting(int index, int value) {
    if (index < 0 || index >= kSettingCount) return 0;
    g_settings[index] = value;
    return 1;
}

bool WINAPI TQ_TextAttribDlg(TextAttribRecord* record, HWND owner) {
    if (!record) return false;
    DialogState state{record, SystemFaces()};
    return DialogBoxParamW(g_instance, MAKEINTRESOURCEW(IDD_TEXT_ATTRIB), owner, AttribProc,
                           reinterpret_cast<LPARAM>(&state)) == IDOK;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
    return TRUE;
}

}  // extern "C"
