// Sample weld record: a V weld on both sides with a flat surface, sizes around the symbol,
// a site-weld flag at the tail, as a host keeps it (framework strings of the shared runtime).
#include <cstdio>
#include <memory>
#include <string>

#include "demo/demo_cases.h"
#include "entry/exports_weld.h"
#include "weld/WeldRecord.h"

namespace {

std::string Text(const CString& s) { return demo::FromGbk(s, static_cast<size_t>(s.GetLength())); }

demo::Registrar weld([] {
    auto rec = std::make_shared<WeldRecord>();
    rec->nBasic1 = 6;
    rec->nBasic2 = 7;
    rec->nAux1 = 1;
    rec->nAux2 = -1;
    rec->nMiddle = -1;
    rec->nLineType = 1;
    for (int i = 0; i < 5; ++i) rec->bHead[i] = rec->bTail[i] = 0;
    rec->bTail[3] = 1;
    rec->strUpLeft = "8";
    rec->strUpMid = "60\xA1\xE3";  // 60°
    rec->strUpRight = "2";
    rec->strDownLeft = "8";
    rec->strDownRight = "2";
    rec->strTail = demo::ToGbk("焊条电弧焊").c_str();
    rec->strReserved = "keep";

    demo::Case c;
    c.order = 50;
    c.name = "weld";
    c.title = "焊接符号...";
    c.describe = [rec] {
        char line[768];
        std::snprintf(line, sizeof line,
                      "  basic=%d,%d aux=%d,%d middle=%d lineType=%d head=%d%d%d%d%d tail=%d%d%d%d%d\n"
                      "  upLeft=\"%s\" upMid=\"%s\" upRight=\"%s\" upFar=\"%s\"\n"
                      "  downLeft=\"%s\" downMid=\"%s\" downRight=\"%s\" downFar=\"%s\" tail=\"%s\" reserved=\"%s\"",
                      rec->nBasic1, rec->nBasic2, rec->nAux1, rec->nAux2, rec->nMiddle, rec->nLineType,
                      rec->bHead[0], rec->bHead[1], rec->bHead[2], rec->bHead[3], rec->bHead[4], rec->bTail[0],
                      rec->bTail[1], rec->bTail[2], rec->bTail[3], rec->bTail[4], Text(rec->strUpLeft).c_str(),
                      Text(rec->strUpMid).c_str(), Text(rec->strUpRight).c_str(), Text(rec->strUpFar).c_str(),
                      Text(rec->strDownLeft).c_str(), Text(rec->strDownMid).c_str(), Text(rec->strDownRight).c_str(),
                      Text(rec->strDownFar).c_str(), Text(rec->strTail).c_str(), Text(rec->strReserved).c_str());
        return std::string(line);
    };
    c.open = [rec](HMODULE module) {
        auto fn = DEMO_EXPORT(module, TQDim_WeldDlg);
        if (!fn) return std::string("TQDim_WeldDlg not exported");
        return std::string(fn(rec.get()) ? "OK (true)" : "Cancel (false)");
    };
    // The basic-symbol menu open (its own picture), then an all-round circle at the head and a
    // staggered middle symbol picked, and a text typed.
    c.script = [](HWND dlg) {
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(110, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, 110)));
        HWND menu = nullptr;
        for (int i = 0; i < 400 && !(menu && IsWindowVisible(menu)); ++i) {
            menu = FindWindowW(L"#32768", nullptr);
            Sleep(5);
        }
        if (menu) {
            Sleep(200);
            demo::Screenshot(menu, "weld_basic_menu");
            PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
            for (int i = 0; i < 400 && IsWindowVisible(menu); ++i) Sleep(5);
        }
        PostMessageW(dlg, WM_COMMAND, 402, 0);
        PostMessageW(dlg, WM_COMMAND, 600, 0);
        SetDlgItemTextW(dlg, 116, L"3");
        Sleep(200);
    };
    return c;
});

}  // namespace
