// Whether a window shows one of the module's 20 x 20 characteristic bitmaps: black where the
// bitmap is black, not black elsewhere (its white takes the control's background).
#pragma once

#include "tests/wine/winetest.h"

namespace winetest {

// Bitmap resource names of the fourteen characteristics, in catalogue order.
inline const char* const kSymbolCodes[14] = {"zx", "pm", "y",  "yz", "xlk", "mlk", "px",
                                             "cz", "qx", "tz", "dc", "wz",  "dtd", "qtd"};

// Pixels that disagree with the symbol at (x, y) of `control` (400: no bitmap). The whole dialog
// is repainted, as it may paint into a child; `asShown` repaints only the control, so a symbol
// the dialog did not paint at once is missing. The control's last row and column do not count.
inline int SymbolMismatches(HWND control, HMODULE module, const char* code, int x, int y, bool asShown = false) {
    HBITMAP bitmap = LoadBitmapA(module, code);
    BITMAPINFO bi = Dib32(20, 20);
    uint32_t symbol[400] = {};
    HDC screen = GetDC(nullptr);
    const int rows = bitmap ? GetDIBits(screen, bitmap, 0, 20, symbol, &bi, DIB_RGB_COLORS) : 0;
    ReleaseDC(nullptr, screen);
    if (bitmap) DeleteObject(bitmap);
    if (rows != 20) return 400;
    HWND source = asShown ? control : GetAncestor(control, GA_ROOT);
    RECT rc{};
    GetClientRect(control, &rc);
    MapWindowPoints(control, source, reinterpret_cast<POINT*>(&rc), 2);
    Capture cap(source);
    int wrong = 0;
    for (int row = 0; row < 20; ++row)
        for (int col = 0; col < 20; ++col) {
            const int px = rc.left + x + col, py = rc.top + y + row;
            if (px >= rc.right - 1 || py >= rc.bottom - 1) continue;
            wrong += cap.IsBlack(px, py) != ((symbol[row * 20 + col] & 0xFFFFFF) == 0);
        }
    return wrong;
}

}  // namespace winetest
