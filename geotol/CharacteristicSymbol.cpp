#include "geotol/CharacteristicSymbol.h"

#include "framework/afxwin.h"
#include "framework/gdi.h"
#include "geotol/gt_tables.h"

namespace {

constexpr int kSymbolSize = 20;
// Inside the black frame of the symbol statics, clear of the frame line.
constexpr int kSymbolOffset = 3;

}  // namespace

HBITMAP LoadCharacteristicSymbol(int number) {
    if (number < 0 || number >= geotol::kCharacteristicCount) return nullptr;
    // Resource names ignore case: the lower-case code finds the upper-case resource.
    return LoadBitmapA(AfxGetResourceHandle(), geotol::Catalogue(number).code);
}

void PaintCharacteristicSymbol(HWND control, HBITMAP symbol) {
    if (!control || !symbol) return;
    gdi::ClientDC dc(control);
    gdi::DrawBitmap(dc.get(), symbol, kSymbolOffset, kSymbolOffset, {kSymbolSize, kSymbolSize});
}
