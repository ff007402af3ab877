// The module's exported dialog entry points (stdcall, undecorated names, fixed ordinals; see
// TQDim.def.in). A host declares them like this.
#pragma once

#include <windows.h>

struct RoughRecord;

extern "C" {
// Ordinal 1: the roughness symbol dialog on the host's record, edited in place.
// Returns 1 when the user closed with OK, else 0. A null record shows nothing and returns 0.
bool WINAPI TQDim_RoughDlg(RoughRecord* record);
}
