// The characteristic symbols as every geometric tolerance dialog loads and shows them: the
// module's 20 x 20 monochrome bitmaps, named by the characteristic's code.
#pragma once

#include <windows.h>

// The symbol of characteristic `number` (0..13) from the current module's resources; null for
// any other number. The caller owns the bitmap.
HBITMAP LoadCharacteristicSymbol(int number);

// Copies a symbol, unscaled, to (3, 3) of a control's client area; nothing when either handle
// is null.
void PaintCharacteristicSymbol(HWND control, HBITMAP symbol);
