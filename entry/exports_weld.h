// Exported entry point of the weld symbol dialog (stdcall, undecorated name, fixed ordinal).
// A host declares it like this.
//
// Host contract: `record` is the host's WeldRecord (weld/WeldRecord.h), built with the same
// framework string class. The dialog opens on its sixteen values and its texts; on OK all
// sixteen values and all ten strings are written back (strReserved with the text it had), and
// after Cancel nothing is. Changed strings come back as heap data of the shared C runtime with
// a positive count; unchanged ones keep the host's own string object; every string the host
// passed keeps the reference count it had. Values outside their ranges show nothing and come
// back as they were unless the user picks in their place. A null record shows nothing.
#pragma once

#include <windows.h>

#include "entry/export_result.h"

struct WeldRecord;

extern "C" {
// Ordinal 5: weld symbol "焊接符号". Returns 1 when the user closed with OK, else 0.
TQDIM_RESULT WINAPI TQDim_WeldDlg(WeldRecord* record);
}
