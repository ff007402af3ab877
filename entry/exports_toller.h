// Exported entry point of the dimension and tolerance dialog (stdcall, undecorated name, fixed
// ordinal). A host declares it like this.
#pragma once

#include <windows.h>

#include "entry/export_result.h"

class CStringArray;
struct TollerRecord;

extern "C" {

// Ordinal 3: "尺寸与公差" on the host's record (toller/TollerRecord.h).
//   record   read at the call (texts no further than their 40-byte fields); written only on OK:
//            the eight texts (at most 39 bytes and the NUL each), nFlags recomputed (the host's
//            bits 0x01, 0x40, 0x80 kept, nothing from 0x100 up), bytes 324..328. The three
//            bytes after byte 328 are never touched.
//   symbols  the host's special characters, read only; null is an empty list.
// Returns 1 when the user closed with OK, else 0. A null record shows nothing and returns 0.
TQDIM_RESULT WINAPI TQDim_TollerDlg(TollerRecord* record, const CStringArray* symbols);
}
