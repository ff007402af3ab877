// Exported entry points of the combined geometric tolerance dialogs and of the characteristic
// combination dialog (stdcall, undecorated names, fixed ordinals). A host declares them like
// this.
#pragma once

#include <windows.h>

#include <cstdint>

class CStringArray;
struct CombinedToleranceRecord;

extern "C" {
// Ordinal 9: how many entries of each characteristic a combination holds. `counts` points to
// the host's fourteen 32-bit counts in catalogue order; they are not read, and written (all
// fourteen) only when the user closes with OK. Returns 1 for OK, else 0; a null array shows
// nothing and returns 0.
bool WINAPI TQDim_ZHGCDlg(std::int32_t* counts);
}
