// Control helpers shared by the two pages of the dimension style sheet.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

#include "dimstyle/dim_texts.h"
#include "framework/afxwin.h"

namespace dimstyle {

// A control's text as the pages read it: at most limit - 1 bytes of GBK, cut on a character
// boundary, as a read into a buffer of `limit` bytes gives it.
inline std::string ItemText(HWND page, int id, std::size_t limit = 80) {
    std::string buffer(limit, '\0');
    GetWindowTextToField(::GetDlgItem(page, id), buffer.data(), limit);
    buffer.resize(std::strlen(buffer.c_str()));
    return buffer;
}

inline void SetItemText(HWND page, int id, const std::string& gbkText) {
    SetWindowTextGbk(::GetDlgItem(page, id), gbkText.c_str());
}

inline bool IsChecked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

inline void AddComboText(HWND page, int id, const char* gbkText) {
    const std::wstring wide = WideFromGbk(gbkText);
    ::SendDlgItemMessageW(page, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

// The trailing-zero lists are sorted, so where "保留" stands depends on the system's collation
// (Wine's default locale sorts "不保留" first): they are selected and read by text.
inline void FillKeepZeros(HWND page, int id, bool keep) {
    AddComboText(page, id, text::kKeepZeros);
    AddComboText(page, id, text::kDropZeros);
    const std::wstring wanted = WideFromGbk(keep ? text::kKeepZeros : text::kDropZeros);
    const LRESULT index = ::SendDlgItemMessageW(page, id, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                reinterpret_cast<LPARAM>(wanted.c_str()));
    ::SendDlgItemMessageW(page, id, CB_SETCURSEL, index, 0);
}

inline bool KeepsZeros(HWND page, int id) {
    CComboBox list;
    list.m_hWnd = ::GetDlgItem(page, id);
    const int selected = list.GetCurSel();
    return selected >= 0 && std::strcmp(list.GetLBText(selected).c_str(), text::kKeepZeros) == 0;
}

}  // namespace dimstyle
