// Every export called as a host calls it, on host data the caller provides: one zeroed 4 KB
// block holds the record or text (at 0), the datums (at 0x100) and the 32-bit values (at
// 0x800). Each call passes a record that opens a dialog, or with `null` the pointer the export
// must refuse. The result is read as a pointer-wide integer, as a host that declared BOOL (or
// wider) reads it. Shared by the Wine tests and the benchmark.
#pragma once

#include <windows.h>

#include <cstring>
#include <functional>
#include <new>
#include <vector>

#include "entry/exports.h"
#include "res/rough_res.h"
#include "res/tolerance_shared_res.h"
#include "res/weld_res.h"
#include "weld/WeldRecord.h"

namespace winetest {

struct ExportCall {
    const char* name;
    int menuButton;  // the button that opens the dialog's popup menu; 0 when it has none
    std::function<INT_PTR(unsigned char* host, bool null)> call;
};

// The type of an export with its result widened to the whole register (for decltype only).
template <class R, class... A>
auto Widened(R(WINAPI*)(A...)) -> INT_PTR(WINAPI*)(A...);

inline std::vector<ExportCall> EveryExport(HMODULE module, const CStringArray* symbols) {
// Captures the export as `wide`, its result read as the whole register.
#define TQ_WIDE(fn) \
    wide = reinterpret_cast<decltype(Widened(&fn))>(reinterpret_cast<void*>(GetProcAddress(module, #fn)))
    using Host = unsigned char*;
    auto ints = [](Host h) { return reinterpret_cast<int*>(h + 0x800); };
    std::vector<ExportCall> calls = {
        {"TQDim_RoughDlg", IDC_ROUGH_LAY, [=, TQ_WIDE(TQDim_RoughDlg)](Host h, bool null) {
             h[198] = 5;  // shape: a new symbol
             const float sizes[2] = {3.5f, 3.5f};  // text and symbol size: list entries
             std::memcpy(h + 212, sizes, sizeof sizes);
             return wide(null ? nullptr : reinterpret_cast<RoughRecord*>(h));
         }},
        {"TQDim_XZGCDlg", IDC_SPECIAL_SYMBOL, [=, TQ_WIDE(TQDim_XZGCDlg)](Host h, bool null) {
             auto* text = null ? nullptr : reinterpret_cast<char*>(h);
             return wide(text, ints(h), ints(h) + 1, symbols, ints(h) + 2);
         }},
        {"TQDim_WZGCDlg", IDC_SPECIAL_SYMBOL, [=, TQ_WIDE(TQDim_WZGCDlg)](Host h, bool null) {
             auto* datums = null ? nullptr : reinterpret_cast<char(*)[40]>(h + 0x100);
             return wide(reinterpret_cast<char*>(h), datums, ints(h), ints(h) + 1, symbols, ints(h) + 2);
         }},
        {"TQDim_XWZH_WZDlg", IDC_SPECIAL_SYMBOL, [=, TQ_WIDE(TQDim_XWZH_WZDlg)](Host h, bool null) {
             h[0] = 13;  // total run-out
             return wide(null ? nullptr : reinterpret_cast<CombinedToleranceRecord*>(h), symbols);
         }},
        {"TQDim_XWZH_XZDlg", IDC_SPECIAL_SYMBOL, [=, TQ_WIDE(TQDim_XWZH_XZDlg)](Host h, bool null) {
             h[0] = 2;  // roundness
             return wide(null ? nullptr : reinterpret_cast<CombinedToleranceRecord*>(h), symbols);
         }},
        {"TQDim_ZHGCDlg", 0, [=, TQ_WIDE(TQDim_ZHGCDlg)](Host h, bool null) {
             return wide(null ? nullptr : reinterpret_cast<std::int32_t*>(h));
         }},
        // The style record at 0, the item-number record at 0x200; OK gives 1, Cancel 0.
        {"TQDim_SetupDlg", 0, [=, TQ_WIDE(TQDim_SetupDlg)](Host h, bool null) {
             auto* items = reinterpret_cast<ItemNoRecord*>(h + 0x200);
             return wide(null ? nullptr : reinterpret_cast<DimStyleRecord*>(h), items);
         }},
        {"TQDim_WeldDlg", IDC_WELD_BASIC, [=, TQ_WIDE(TQDim_WeldDlg)](Host h, bool null) {
             if (null) return wide(nullptr);
             // The record holds framework strings, which zero bytes are not: build one in the block
             // (V welds on both sides, a flat surface, the middle symbol) and take it down after.
             auto* rec = new (h) WeldRecord{};
             rec->nBasic1 = 6;
             rec->nBasic2 = 7;
             rec->nAux1 = 1;
             rec->nMiddle = 1;
             const INT_PTR result = wide(rec);
             rec->~WeldRecord();
             return result;
         }},
        // The symbol button opens the picker window, not a menu.
        {"TQDim_TollerDlg", 0, [=, TQ_WIDE(TQDim_TollerDlg)](Host h, bool null) {
             h[320] = 0x34;  // zone input, zone with deviations
             return wide(null ? nullptr : reinterpret_cast<TollerRecord*>(h), symbols);
         }},
    };
#undef TQ_WIDE
    for (const ExportCall& e : calls)
        if (!GetProcAddress(module, e.name)) return {};
    return calls;
}

}  // namespace winetest
