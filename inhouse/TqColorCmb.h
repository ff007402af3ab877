// Stand-in for the in-house colour combo box: an owner-drawn drop-down list of the CAD colour
// index palette, one item per colour number (position = number), each drawn as a swatch and
// its name or number. The dialog that owns the list forwards WM_DRAWITEM for it to DrawItem
// (a fixed-height list asks for its item height while the dialog is still being created, before
// any handler is attached, and keeps the height of its font).
#pragma once

#include "framework/afxwin.h"

class CTqColorCmb : public CComboBox {
public:
    CTqColorCmb() = default;
    ~CTqColorCmb() override = default;

    // Fills the list with the palette and selects `color` (no selection when it is not a
    // colour number of the palette). The second argument is the library's option word; the
    // module passes 0.
    void InitBox(int color, int options);

    void DrawItem(DRAWITEMSTRUCT* dis);
};
