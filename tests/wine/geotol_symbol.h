// Checks that a window shows one of the module's characteristic symbols: the 20 x 20 bitmap is
// read from the module itself, and every pixel that is black in the bitmap must be black on
// screen and every other pixel must not be (a monochrome bitmap's white takes whatever
// background colour the control paints with).
#pragma once

#include "tests/wine/winetest.h"

namespace winetest {

// Bitmap resource names of the fourteen characteristics, in catalogue order.
inline const char* const kSymbolCodes[14] = {"zx", "pm", "y",  "yz", "xlk", "mlk", "px",
                                             "cz", "qx", "tz", "dc", "wz",  "dtd", "qtd"};

// Pixels that disagree with the symbol drawn at (x, y) of `control`'s client area; 400 when the
// symbol cannot be loaded. The whole dialog is repainted and read back, because a dialog may
// paint into a child's area from its own WM_PAINT; `asShown` reads what the control shows now
// instead, repainting only the control (a frame static paints nothing but its frame), so a
// symbol that the dialog did not paint at once is missing. Only pixels inside the control's
// client area and off its outermost row and column count: a black frame may cover the
// symbol's edge, and the symbol may reach past a small control.
inline int SymbolMismatches(HWND control, HMODULE module, const char* code, int x, int y, bool asShown = false) {
    HBITMAP bitmap = LoadBitmapA(module, code);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = 20;
    bi.bmiHeader.biHeight = -20;  // top row first
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
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
