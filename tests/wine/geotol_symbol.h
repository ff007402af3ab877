// Checks that a window shows one of the module's characteristic symbols: the 20 x 20 bitmap is
// read from the module itself, and every pixel that is black in the bitmap must be black on
// screen and every other pixel must not be (a monochrome bitmap's white takes whatever
// background colour the control paints with).
#pragma once

#include <vector>

#include "tests/wine/winetest.h"

namespace winetest {

// Black pixels of a module bitmap, row by row from the top.
inline std::vector<bool> SymbolMask(HMODULE module, const char* code) {
    std::vector<bool> black;
    HBITMAP bitmap = LoadBitmapA(module, code);
    if (!bitmap) return black;
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = -bm.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> px(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, bm.bmHeight, px.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    for (uint32_t p : px) black.push_back((p & 0xFFFFFF) == 0);
    return black;
}

// Pixels that disagree with the symbol (20 x 20) drawn at (x, y) of `control`'s client area;
// 400 when the symbol cannot be loaded. The whole dialog is repainted and read back, because a
// dialog may paint into a child's area from its own WM_PAINT. Only pixels inside the control's
// client area and off its outermost row and column count: a black frame (as the combined
// dialogs' symbol static has) may cover the symbol's edge, and the symbol may reach past a
// small control.
inline int SymbolMismatches(HWND control, HMODULE module, const char* code, int x, int y) {
    const std::vector<bool> mask = SymbolMask(module, code);
    if (mask.size() != 400) return 400;
    HWND dialog = GetAncestor(control, GA_ROOT);
    RECT rc{};
    GetClientRect(control, &rc);
    MapWindowPoints(control, dialog, reinterpret_cast<POINT*>(&rc), 2);
    Capture cap(dialog);
    int wrong = 0;
    for (int row = 0; row < 20; ++row)
        for (int col = 0; col < 20; ++col) {
            const int px = rc.left + x + col, py = rc.top + y + row;
            if (px >= rc.right - 1 || py >= rc.bottom - 1) continue;
            wrong += cap.IsBlack(px, py) != mask[row * 20 + col];
        }
    return wrong;
}

}  // namespace winetest
