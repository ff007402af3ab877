// Exported entry point of the roughness symbol dialog (stdcall, undecorated name, fixed
// ordinal). A host declares it like this.
#pragma once

#include <windows.h>

#include "entry/export_result.h"

struct RoughRecord;

extern "C" {
// Ordinal 1: the roughness symbol dialog on the host's record, edited in place.
// Returns 1 when the user closed with OK, else 0. A null record shows nothing and returns 0.
TQDIM_RESULT WINAPI TQDim_RoughDlg(RoughRecord* record);
}
