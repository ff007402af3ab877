// Sample host values for the combined geometric tolerance dialogs and the characteristic
// combination dialog.
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "demo/demo_cases.h"

namespace {

constexpr int kCharacteristics = 14;

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
        using Fn = bool(WINAPI*)(int32_t*);
        auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, "TQDim_ZHGCDlg")));
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
