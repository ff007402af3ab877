// Exported entry point of the dimension style sheet (stdcall, undecorated name, fixed ordinal).
// A host declares it like this. Unlike the bool exports (export_result.h) its result is a
// 32-bit int, which sets the whole result register.
#pragma once

#include <windows.h>

struct DimStyleRecord;
struct ItemNoRecord;

extern "C" {
// Ordinal 2: the dimension style sheet on the host's style and item-number records, written in
// place when the user confirms. Returns 0 (cancelled; nothing written), 1 ("确定") or 2
// ("修改当前图纸": apply to the current drawing too). A null record shows nothing and returns 0.
int WINAPI TQDim_SetupDlg(DimStyleRecord* style, ItemNoRecord* itemNo);
}
