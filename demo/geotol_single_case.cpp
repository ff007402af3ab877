// Sample host values for the form and position tolerance dialogs: a tolerance text buffer,
// datum fields, the three 32-bit values and the host's special-symbol list.
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "demo/demo_cases.h"
#include "entry/exports_geotol_single.h"
#include "framework/afxstr.h"

namespace {

struct FrameValues {
    char text[64];
    char datums[5][40];
    int typeFlag;
    int position;
    int horizontal;
};

void Put(char* field, size_t width, const char* utf8) {
    const std::string g = demo::ToGbk(utf8);
    std::memset(field, 0, width);
    std::memcpy(field, g.data(), g.size() < width ? g.size() : width - 1);
}

// The host keeps one list of special characters for all its dialogs.
const CStringArray* SampleSymbols() {
    static CStringArray list;
    if (list.GetSize() == 0) {
        for (const char* s : {"Φ", "SΦ", "R", "SR", "±", "°", "×", "≤", "≥", "∥", "⊥", "∠", "△", "○"})
            list.Add(demo::ToGbk(s).c_str());
    }
    return &list;
}

std::string Describe(const FrameValues& v, bool datums) {
    char line[512];
    int n = std::snprintf(line, sizeof line, "  text=\"%s\" typeFlag=%d position=%d horizontal=%d",
                          demo::FromGbk(v.text, sizeof v.text).c_str(), v.typeFlag, v.position, v.horizontal);
    if (datums) {
        for (int i = 0; i < 5 && n > 0 && n < static_cast<int>(sizeof line); ++i)
            n += std::snprintf(line + n, sizeof line - n, "%s\"%s\"", i == 0 ? "\n  datums=" : " ",
                               demo::FromGbk(v.datums[i], sizeof v.datums[i]).c_str());
    }
    return line;
}

// A case on fresh host values; `call` runs the export on them and returns its result, or
// sets `missing` when the module lacks the export.
demo::Case FrameCase(int order, const char* name, const char* title, bool datums,
                     const std::shared_ptr<FrameValues>& v, const char* exportName,
                     std::function<bool(FARPROC, FrameValues&)> call) {
    demo::Case c;
    c.order = order;
    c.name = name;
    c.title = title;
    c.describe = [v, datums] { return Describe(*v, datums); };
    c.open = [v, exportName, call](HMODULE module) {
        FARPROC fn = GetProcAddress(module, exportName);
        if (!fn) return std::string(exportName) + " not exported";
        return std::string(call(fn, *v) ? "OK (true)" : "Cancel (false)");
    };
    return c;
}

void Pick(HWND dlg, int list, int index) {
    HWND control = GetDlgItem(dlg, list);
    SendMessageW(control, LB_SETCURSEL, index, 0);
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(list, LBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
}

demo::Registrar form([] {
    auto v = std::make_shared<FrameValues>();
    std::memset(v.get(), 0, sizeof *v);
    Put(v->text, sizeof v->text, "0.01M");  // reopens with M checked
    v->position = 1;
    v->horizontal = 1;
    demo::Case c = FrameCase(40, "geotol_form", "形状公差...", false, v, "TQDim_XZGCDlg",
                             [](FARPROC fn, FrameValues& v) {
        using Fn = decltype(&TQDim_XZGCDlg);
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(fn))(v.text, &v.typeFlag, &v.position, SampleSymbols(),
                                                                 &v.horizontal);
    });
    // In the screenshot: cylindricity, grade 6, size range >18~30, E principle.
    c.script = [](HWND dlg) {
        Pick(dlg, 1002, 3);
        Pick(dlg, 1003, 6);
        Pick(dlg, 1004, 4);
        SendMessageW(GetDlgItem(dlg, 1005), BM_CLICK, 0, 0);
    };
    return c;
});

demo::Registrar position([] {
    auto v = std::make_shared<FrameValues>();
    std::memset(v.get(), 0, sizeof *v);
    Put(v->datums[0], sizeof v->datums[0], "A");
    Put(v->datums[1], sizeof v->datums[1], "B");
    demo::Case c = FrameCase(50, "geotol_position", "位置公差...", true, v, "TQDim_WZGCDlg",
                             [](FARPROC fn, FrameValues& v) {
        using Fn = decltype(&TQDim_WZGCDlg);
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(fn))(v.text, v.datums, &v.typeFlag, &v.position,
                                                                 SampleSymbols(), &v.horizontal);
    });
    // In the screenshot: coaxiality, grade 7, size range >18~30, M principle, a third datum.
    c.script = [](HWND dlg) {
        Pick(dlg, 1102, 3);
        Pick(dlg, 1103, 6);
        Pick(dlg, 1104, 5);
        SendMessageW(GetDlgItem(dlg, 1006), BM_CLICK, 0, 0);
        SetDlgItemTextW(dlg, 1107, L"C");
    };
    return c;
});

}  // namespace
