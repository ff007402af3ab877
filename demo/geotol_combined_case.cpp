// Sample host values for the combined geometric tolerance dialogs and the characteristic
// combination dialog.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "demo/demo_cases.h"
#include "entry/exports_geotol_combined.h"
#include "framework/afxstr.h"
#include "geotol/CombinedToleranceRecord.h"

namespace {

constexpr int kCharacteristics = 14;

template <std::size_t N>
void Put(char (&field)[N], const char* utf8) {
    const std::string g = demo::ToGbk(utf8);
    std::memset(field, 0, N);
    std::memcpy(field, g.data(), g.size() < N ? g.size() : N - 1);
}

// The host's special-symbol list for both combined dialogs.
const CStringArray* Symbols() {
    static CStringArray symbols;
    if (symbols.GetSize() == 0)
        for (const char* s : {"±", "Φ", "°", "×", "≤", "≥", "△", "□", "◎", "∠", "⊥", "∥", "≈", "⌒"})
            symbols.Add(demo::ToGbk(s).c_str());
    return &symbols;
}

std::string Describe(const CombinedToleranceRecord& r, bool datums) {
    std::string line = "  characteristic=" + std::to_string(r.nCharacteristic) + " grade=" + std::to_string(r.nGrade) +
                       " tolerance=\"" + demo::FromGbk(r.szTolerance, 128) + "\" principle=\"" +
                       demo::FromGbk(r.szPrinciple, 20) + "\"\n  form text=\"" + demo::FromGbk(r.szFormText, 128) +
                       "\" position text=\"" + demo::FromGbk(r.szPositionText, 128) + "\"";
    if (datums) {
        line += "\n  datums:";
        for (const auto& d : r.szDatum) line += " \"" + demo::FromGbk(d, 40) + "\"";
    }
    return line;
}

demo::Case CombinedCase(int order, const char* name, const char* title, const char* exportName, int characteristic,
                        bool datums, std::function<void(HWND)> script) {
    auto rec = std::make_shared<CombinedToleranceRecord>();
    std::memset(rec.get(), 0, sizeof *rec);
    rec->nCharacteristic = characteristic;
    Put(rec->szTolerance, "0.05");  // the last call's text: the dialog does not show it
    Put(rec->szFormText, "form");
    Put(rec->szPositionText, "position");
    if (datums) Put(rec->szDatum[0], "A");

    demo::Case c;
    c.order = order;
    c.name = name;
    c.title = title;
    c.describe = [rec, datums] { return Describe(*rec, datums); };
    c.open = [rec, exportName](HMODULE module) {
        // Both combined exports share one declaration's parameters.
        using Fn = decltype(&TQDim_XWZH_WZDlg);
        auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, exportName)));
        if (!fn) return std::string(exportName) + " not exported";
        return std::string(fn(rec.get(), Symbols()) ? "OK (true)" : "Cancel (false)");
    };
    c.script = std::move(script);
    return c;
}

void Pick(HWND dlg, int list, int index) {
    HWND box = GetDlgItem(dlg, list);
    SendMessageW(box, LB_SETCURSEL, index, 0);
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(list, LBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
}

void Press(HWND dlg, int id) {
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

// In the screenshot: perpendicularity, grade 6, row ">25~40" with the M principle and two datums.
demo::Registrar position([] {
    return CombinedCase(60, "geotol_combined_position", "形位公差(位置)...", "TQDim_XWZH_WZDlg", 7, true, [](HWND dlg) {
        Pick(dlg, 1112, 5);
        Pick(dlg, 1113, 3);
        Press(dlg, 1006);
        SetDlgItemTextW(dlg, 1105, L"A");
        SetDlgItemTextW(dlg, 1106, L"B");
    });
});

// In the screenshot: cylindricity, grade 0, row "<=3" with the E principle; no datums.
demo::Registrar form([] {
    return CombinedCase(70, "geotol_combined_form", "形位公差(形状)...", "TQDim_XWZH_XZDlg", 3, false, [](HWND dlg) {
        Pick(dlg, 1113, 0);
        Press(dlg, 1005);
    });
});

demo::Registrar combination([] {
    // The host's counts; the dialog never reads them, so stale values show what OK overwrites.
    auto counts = std::make_shared<std::array<int32_t, kCharacteristics>>();
    counts->fill(7);

    demo::Case c;
    c.order = 80;
    c.name = "geotol_combination";
    c.title = "形位公差组合...";
    c.describe = [counts] {
        std::string line = " ";
        for (int32_t n : *counts) line += " " + std::to_string(n);
        return line;
    };
    c.open = [counts](HMODULE module) {
        auto fn = DEMO_EXPORT(module, TQDim_ZHGCDlg);
        if (!fn) return std::string("TQDim_ZHGCDlg not exported");
        return std::string(fn(counts->data()) ? "OK (true)" : "Cancel (false)");
    };
    // In the screenshot: two flatness entries and one perpendicularity entry, 垂直度 checked.
    c.script = [](HWND dlg) {
        for (int id : {102, 102, 108}) SendMessageW(GetDlgItem(dlg, id), BM_CLICK, 0, 0);
    };
    return c;
});

}  // namespace
