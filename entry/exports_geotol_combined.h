// Exported entry points of the combined geometric tolerance dialogs and of the characteristic
// combination dialog (stdcall, undecorated names, fixed ordinals). A host declares them like
// this.
#pragma once

#include <windows.h>

#include <cstdint>

#include "entry/export_result.h"

class CStringArray;
struct CombinedToleranceRecord;

extern "C" {
// Ordinal 6: the combined tolerance dialog for one position characteristic (6..13, at offset 0
// of the record), with datums. Ordinal 7: the same for one form characteristic (0..5), without
// datums. `symbols` is the host's special-symbol list, only read; null offers none. The record
// is read before the dialog opens and written only when the user closes with OK (see
// CombinedToleranceRecord for which fields). Return 1 for OK, else 0; a null record shows
// nothing and returns 0.
TQDIM_RESULT WINAPI TQDim_XWZH_WZDlg(CombinedToleranceRecord* record, const CStringArray* symbols);
TQDIM_RESULT WINAPI TQDim_XWZH_XZDlg(CombinedToleranceRecord* record, const CStringArray* symbols);

// Ordinal 9: how many entries of each characteristic a combination holds. `counts` points to
// the host's fourteen 32-bit counts in catalogue order; they are not read, and written (all
// fourteen) only when the user closes with OK. Returns 1 for OK, else 0; a null array shows
// nothing and returns 0.
TQDIM_RESULT WINAPI TQDim_ZHGCDlg(std::int32_t* counts);
}
