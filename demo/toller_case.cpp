// Sample dimension-and-tolerance record: a hole dimension with a zone and its deviations, as a
// host keeps it, and the host's special-symbol list.
#include <cstdio>
#include <cstring>
#include <memory>

#include "demo/demo_cases.h"
#include "entry/exports_toller.h"
#include "framework/afxstr.h"
#include "toller/TollerRecord.h"

namespace {

void Put(char (&field)[40], const char* utf8) {
    const std::string g = demo::ToGbk(utf8);
    std::memset(field, 0, sizeof field);
    std::memcpy(field, g.data(), g.size() < 39 ? g.size() : 39);
}

const CStringArray* SampleSymbols() {
    static CStringArray list;
    if (list.GetSize() == 0)
        for (const char* s : {"Φ", "R", "SΦ", "±", "°", "×", "≤", "≥", "∠", "⊥", "∥", "□", "⌒", "‰"})
            list.Add(demo::ToGbk(s).c_str());
    return &list;
}

demo::Registrar toller([] {
    // The host allocates the record with its 4-byte alignment.
    auto rec = std::shared_ptr<TollerRecord>(static_cast<TollerRecord*>(::operator new(kTollerRecordHostBytes)),
                                             [](TollerRecord* p) { ::operator delete(p); });
    std::memset(rec.get(), 0, kTollerRecordHostBytes);
    Put(rec->szPrefix, "Φ");
    Put(rec->szValue, "25");
    Put(rec->szZone, "H7");
    Put(rec->szUpper, "+0.021)");
    Put(rec->szLower, "0)");
    Put(rec->szHoleZone, "H7");
    Put(rec->szShaftZone, "g6");
    rec->nFlags = 0x34;  // zone input, shown as zone with deviations
    rec->bKeepPrefix = 1;

    demo::Case c;
    c.order = 30;
    c.name = "toller";
    c.title = "尺寸与公差...";
    c.describe = [rec] {
        char line[640];
        std::snprintf(line, sizeof line,
                      "  prefix=\"%s\" value=\"%s\" zone=\"%s\" upper=\"%s\" lower=\"%s\" hole=\"%s\" shaft=\"%s\" "
                      "suffix=\"%s\"\n  nFlags=%#x input=%d display=%#x keepPrefix=%d keepStyle=%d theory=%d",
                      demo::FromGbk(rec->szPrefix, 40).c_str(), demo::FromGbk(rec->szValue, 40).c_str(),
                      demo::FromGbk(rec->szZone, 40).c_str(), demo::FromGbk(rec->szUpper, 40).c_str(),
                      demo::FromGbk(rec->szLower, 40).c_str(), demo::FromGbk(rec->szHoleZone, 40).c_str(),
                      demo::FromGbk(rec->szShaftZone, 40).c_str(), demo::FromGbk(rec->szSuffix, 40).c_str(),
                      rec->nFlags, rec->nInputMode, rec->nDisplayMode, rec->bKeepPrefix, rec->bKeepStyle,
                      rec->bTheory);
        return std::string(line);
    };
    c.open = [rec](HMODULE module) {
        auto fn = DEMO_EXPORT(module, TQDim_TollerDlg);
        if (!fn) return std::string("TQDim_TollerDlg not exported");
        return std::string(fn(rec.get(), SampleSymbols()) ? "OK (true)" : "Cancel (false)");
    };
    // In the screenshot: the picker open beside the dialog, the theory box checked.
    c.script = [](HWND dlg) {
        CheckDlgButton(dlg, 2002, BST_CHECKED);
        SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(227, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, 227)));
    };
    return c;
});

}  // namespace
