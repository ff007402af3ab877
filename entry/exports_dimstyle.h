// The dimension style export. A host declares it like this.
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
