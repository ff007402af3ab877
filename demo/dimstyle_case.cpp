// Sample dimension style: a drawing's style record and item-number settings as a host keeps
// them. In --auto the script also pictures the text page, the text attribute dialog of
// Dorn.dll (the stand-in beside the host), and the line page with its colour list open.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "demo/demo_cases.h"
#include "dimstyle/DimStyleRecord.h"
#include "dimstyle/ItemNoRecord.h"
#include "entry/exports_dimstyle.h"

namespace {

struct Records {
    DimStyleRecord style;
    ItemNoRecord itemNo;
};

HWND PageWith(HWND sheet, int id) {
    for (HWND c = GetWindow(sheet, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t cls[16] = {};
        GetClassNameW(c, cls, 16);
        if (wcscmp(cls, L"#32770") == 0 && GetDlgItem(c, id)) return c;
    }
    return nullptr;
}

struct CaptionSearch {
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK MatchCaption(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<CaptionSearch*>(lp);
    wchar_t text[64] = {};
    GetWindowTextW(hwnd, text, 64);
    if (!IsWindowVisible(hwnd) || wcscmp(text, s->caption) != 0) return TRUE;
    s->found = hwnd;
    return FALSE;
}

HWND WaitForCaption(DWORD thread, const wchar_t* caption) {
    for (int i = 0; i < 600; ++i) {
        CaptionSearch s{caption, nullptr};
        EnumThreadWindows(thread, MatchCaption, reinterpret_cast<LPARAM>(&s));
        if (s.found) return s.found;
        Sleep(5);
    }
    return nullptr;
}

void ClickTab(HWND sheet, int index) {
    HWND tabs = GetDlgItem(sheet, 10174);
    RECT r{};
    SendMessageW(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(tabs, WM_LBUTTONUP, 0, at);
}

demo::Registrar dimstyle([] {
    auto rec = std::make_shared<Records>();
    std::memset(rec.get(), 0, sizeof *rec);
    DimStyleRecord& s = rec->style;
    s.nFontCode = 0;
    auto& font = *reinterpret_cast<LOGFONTA*>(s.lfFont);
    font.lfHeight = -18;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = GB2312_CHARSET;
    const std::string face = demo::ToGbk("宋体");
    std::memcpy(font.lfFaceName, face.data(), face.size());
    s.fDimTextSize = 3.5f;
    s.fTolTextSize = 2.5f;
    s.fSymTextSize = 3.2f;
    s.fDimCharSpace = 0.5f;
    s.fTolCharSpace = 0.3f;
    s.fExtArrowLen = 2.0f;
    s.wStyleFlags = 0x0001 | 0x0020 | 0x2000;
    s.nArrowType = 0;
    s.bSolidArrow = 1;
    s.fArrowAngle = 15.0f;
    s.fArrowLen = 4.0f;
    s.fSlant = 30.0f;
    s.nTolDecimals = 3;
    s.bTolKeepZeros = 1;
    s.nDimDecimals = 2;
    s.nEditedColor = 1;
    rec->itemNo = {8.0f, 5.0f, {}, 7.0f};

    demo::Case c;
    c.order = 20;
    c.name = "dimstyle";
    c.title = "尺寸标注属性...";
    c.describe = [rec] {
        const DimStyleRecord& s = rec->style;
        const auto& font = *reinterpret_cast<const LOGFONTA*>(s.lfFont);
        char line[1024];
        std::snprintf(line, sizeof line,
                      "  font \"%s\" height %ld weight %ld, code %d; full-width %u\n"
                      "  sizes dim %g tol %g sym %g; spacing dim %g tol %g\n"
                      "  decimals dim %d (keep zeros %d) tol %d (keep zeros %d); deg-min-sec %d\n"
                      "  flags 0x%04X; arrow type %u solid %u length %g angle %g extension %g; slant %g\n"
                      "  auto-hide %d; edited colour %d\n"
                      "  item numbers: symbol length %g size %g, text size %g",
                      demo::FromGbk(font.lfFaceName, LF_FACESIZE).c_str(), font.lfHeight, font.lfWeight,
                      s.nFontCode, s.dwTextFlags & 1u, s.fDimTextSize, s.fTolTextSize, s.fSymTextSize,
                      s.fDimCharSpace, s.fTolCharSpace, s.nDimDecimals, s.bDimKeepZeros, s.nTolDecimals,
                      s.bTolKeepZeros, s.bDegMinSec, s.wStyleFlags, s.nArrowType, s.bSolidArrow, s.fArrowLen,
                      s.fArrowAngle, s.fExtArrowLen, s.fSlant, s.bAutoHide, s.nEditedColor,
                      rec->itemNo.fSymLength, rec->itemNo.fSymSize, rec->itemNo.fTextSize);
        return std::string(line);
    };
    c.open = [rec](HMODULE module) {
        auto fn = DEMO_EXPORT(module, TQDim_SetupDlg);
        if (!fn) return std::string("TQDim_SetupDlg not exported");
        const int result = fn(&rec->style, &rec->itemNo);
        return std::to_string(result) + (result == 1 ? " (确定)" : result == 2 ? " (修改当前图纸)" : " (取消)");
    };
    // Pictures: the text page, the text attribute dialog (confirmed, so the font comes back),
    // the line page with the colour list open; the case's own picture then shows the line page.
    c.script = [](HWND sheet) {
        HWND text = PageWith(sheet, 1044), line = PageWith(sheet, 1171);
        if (!text || !line) return;
        const DWORD thread = GetWindowThreadProcessId(sheet, nullptr);
        demo::Screenshot(sheet, "dimstyle_text");
        PostMessageW(text, WM_COMMAND, MAKEWPARAM(1220, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(text, 1220)));
        if (HWND attrib = WaitForCaption(thread, L"文字属性")) {
            // A larger bold face with wider spacing, so the records show the dialog's answer.
            SetDlgItemTextW(attrib, 102, L"24");
            CheckDlgButton(attrib, 103, BST_CHECKED);
            SetDlgItemTextW(attrib, 105, L"0.8");
            Sleep(200);
            demo::Screenshot(attrib, "dimstyle_font");
            PostMessageW(attrib, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            for (int i = 0; i < 400 && IsWindow(attrib) && IsWindowVisible(attrib); ++i) Sleep(5);
        }
        ClickTab(sheet, 1);
        HWND colours = GetDlgItem(line, 10145);
        SendMessageW(colours, CB_SHOWDROPDOWN, TRUE, 0);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(colours, &info);
        Sleep(200);
        RECT shot{}, list{};
        GetWindowRect(sheet, &shot);
        if (info.hwndList && GetWindowRect(info.hwndList, &list)) UnionRect(&shot, &shot, &list);
        RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        demo::Screenshot(shot, "dimstyle_colors");
        SendMessageW(colours, CB_SHOWDROPDOWN, FALSE, 0);
    };
    return c;
});

}  // namespace
