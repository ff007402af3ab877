// Exported entry points of the form and position tolerance dialogs (stdcall, undecorated names,
// fixed ordinals). A host declares them like this.
//
// Host contract shared by both: `text` is the host's tolerance text buffer of at least 64 bytes
// (GBK, NUL-terminated; without a NUL only its 64 bytes are read). The dialog edits it in place:
// every change the dialog composes is written there at once, and OK writes the edit's final
// text, at most 63 bytes and the NUL. So after Cancel the buffer may hold a composed text that
// differs from the one at the call. The 32-bit values are read at the call and written back
// only on OK. `symbols` is the host's list of special characters, read only; it may be null.
// A null pointer for any other argument shows nothing and returns 0.
#pragma once

#include <windows.h>

#include "entry/export_result.h"

class CStringArray;

extern "C" {

// Ordinal 8: form tolerance "形状公差".
//   typeFlag    written on OK: 1 when the user selected roundness or cylindricity, 0 for any
//               other selection; the host's value when the selection never changed
//   position    characteristic 0..5 (straightness, flatness, roundness, cylindricity, line
//               profile, surface profile); other values open on 0; written on OK
//   horizontal  nonzero checks "水平放置"; written on OK as 1 or 0
// Returns 1 when the user closed with OK, else 0.
TQDIM_RESULT WINAPI TQDim_XZGCDlg(char* text, int* typeFlag, int* position, const CStringArray* symbols,
                          int* horizontal);

// Ordinal 4: position tolerance "位置公差".
//   datums      five consecutive 40-byte GBK fields, shown at opening; on OK each is written
//               with at most 19 bytes and the NUL (the bytes after the NUL stay as they were)
//   typeFlag    written on OK: 1 when the user selected coaxiality, 0 for any other selection
//   position    characteristic minus 6, 0..7 (parallelism, perpendicularity, angularity,
//               coaxiality, symmetry, position, circular run-out, total run-out); other values
//               open on 0; written on OK
//   horizontal  as for TQDim_XZGCDlg
TQDIM_RESULT WINAPI TQDim_WZGCDlg(char* text, char (*datums)[40], int* typeFlag, int* position,
                          const CStringArray* symbols, int* horizontal);
}
